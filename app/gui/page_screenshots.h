// `trustella-gui --screenshot DIR FILE`: every page of every form of a return
// file, rendered whole to PNG files for review and documentation.
#pragma once

#include <QString>
#include <QStringList>

// Writes DIR/NN-Form-P-Caption.png per page (NN the form's position from 01,
// P the page's position) after calculating the return. Answers the files
// written; throws ReturnFileError when the file does not load and sets
// `error` when a picture cannot be written.
QStringList writePageScreenshots(const QString& directory, const QString& returnFile, QString& error);
