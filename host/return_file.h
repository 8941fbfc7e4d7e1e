// Opening and saving a return file. The extension chooses the representation:
// ".t3r" binary (return_binary.h), ".json" JSON (return_json.h). Saving is
// atomic: the data goes to a temporary file beside the target, which then
// replaces it, so a failed save leaves an existing file as it was.
#pragma once

#include "host/form_catalogue.h"
#include "host/tax_return.h"

#include <QByteArray>
#include <QString>

enum class ReturnFormat { Binary, Json };

// The representation a path's extension names (ignoring case). Throws
// ReturnFileError for any other extension.
ReturnFormat returnFormatOf(const QString& path);
bool isReturnFilePath(const QString& path);

// Throws ReturnFileError with the file name in its text.
TaxReturn loadReturn(const QString& path, const FormCatalogue& catalogue = FormCatalogue::standard());
void saveReturn(const QString& path, const TaxReturn& ret, const FormCatalogue& catalogue = FormCatalogue::standard());

// The return's bytes in the representation `format`.
std::string returnToBytes(const TaxReturn& ret, ReturnFormat format,
                          const FormCatalogue& catalogue = FormCatalogue::standard());

// Writes `data` to `path` through a temporary file and a rename; throws
// ReturnFileError when any step fails (the temporary file is removed).
void writeFileAtomically(const QString& path, const QByteArray& data);
