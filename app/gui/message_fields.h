// Which field a validation message is about, so that the messages panel can
// take the user there. One table of (form, part of the message, field).
#pragma once

#include <QString>

// The field of `formName` ("T3Ret") that `message` names; empty when none.
QString fieldOfMessage(const QString& formName, const QString& message);
