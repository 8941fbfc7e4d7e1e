// Which fields of a form the calculation fills right now, each with where
// its value comes from: (field name, "Schedule 11 line 34"). The window asks
// after every recalculation and shows those fields read-only; without a
// query every field stays as its page describes it.
#pragma once

#include <QPair>
#include <QString>
#include <QVector>
#include <functional>

class CTaxData_Form;

using EngineFilledFields = QVector<QPair<QString, QString>>;
using EngineFilledQuery = std::function<EngineFilledFields(const CTaxData_Form&)>;
