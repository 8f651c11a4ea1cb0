#include "demo/DemoDueList.h"

#include "core/Database.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"

#include <QDate>

void DemoDueList::insert(Database& db)
{
    const RowSet car = db.execute(QStringLiteral("select top 1 carid, METER from car where STOP = 0 order by carid"));
    if (!car.isEmpty())
        db.command(QStringLiteral("update car set MAINTMILESSTART1 = ")
                   + SqlValue::number(car.value(0, QStringLiteral("METER")).toLongLong() - 5300)
                   + QStringLiteral(" where carid = ") + SqlValue::number(car.value(0, QStringLiteral("carid")).toLongLong()));
    const RowSet customer = db.execute(QStringLiteral("select top 1 CUSTOMERID from Customer order by CUSTOMERID desc"));
    if (!customer.isEmpty())
        db.command(QStringLiteral("update Customer set HOMELICENSEEXPIRY = ")
                   + SqlValue::number(StoredDate::text(QDate::currentDate().addDays(12)))
                   + QStringLiteral(" where CUSTOMERID = ")
                   + SqlValue::number(customer.value(0, QStringLiteral("CUSTOMERID")).toLongLong()));
}
