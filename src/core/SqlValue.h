#pragma once

#include <QString>
#include <QVariant>

#include <optional>

// Every value put into a statement text goes through here.
namespace SqlValue {
// The text with single quotes doubled, for use between quotes the caller writes.
QString text(const QString& value);
// The text between single quotes, quotes inside doubled.
QString quoted(const QString& value);
// The value as a number for an unquoted place; throws AppError
// (ErrorNumber::NotANumber) naming `what` when it is not a number.
QString number(const QString& value, const QString& what = {});
QString number(qint64 value);
// True when the text is a plain decimal number (sign, digits, one point).
bool isNumber(const QString& value);
// The value of such a number; none for any other text.
std::optional<double> decimal(const QString& value);
// A LIKE pattern that finds `value` as typed, with % and _ escaped by '\'.
QString likeContains(const QString& value);
}
