#pragma once

#include <QString>

class RunState;

// Puts the current values of fields of open screens into a stored query:
// ":1 " is replaced by the field the list names as :1screen.field, and so on.
// A value landing inside a quoted literal has its quotes doubled; one landing
// outside a literal must be a number, or AppError is thrown.
QString PrepareSQLStatement(RunState& state, const QString& sql, const QString& bindVariables);
