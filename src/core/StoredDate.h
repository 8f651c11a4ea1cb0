#pragma once

#include <QDate>
#include <QString>

// Dates as the database keeps them: the number yyyymmdd, so that they sort and
// compare as numbers. An invalid date gives 0 (or "" as text), which reads empty.
namespace StoredDate {

qint64 number(const QDate& date);
QString text(const QDate& date);
// A stored yyyymmdd; invalid for anything else.
QDate parse(const QString& stored);

}
