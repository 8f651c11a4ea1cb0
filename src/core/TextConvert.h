#pragma once

#include <QString>
#include <QVariant>

// Stored values to the texts the screens show and the statements carry.

// A null or empty value becomes " " in text mode and "0" otherwise; anything
// else is the value as text.
QString NullToText(const QVariant& value, bool textMode);

// A stored yyyymmdd date as dd/mm/yyyy; null gives "31/12/9999".
QString DateText(const QVariant& value);

// A stored hhmmss time as hh:mm:ss; null gives "00:00".
QString TimeText(const QVariant& value);

// The text with the ASCII capitals A to Z in lower case and every other
// character as it is, as PostgreSQL folds an unquoted name.
QString AsciiLower(QString text);
