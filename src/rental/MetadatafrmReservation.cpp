#include "core/Database.h"
#include "engine/MetadataWriter.h"
#include "rental/RentalShipped.h"

void ScreenMetadata::frmReservation(Database& db)
{
    MetadataWriter m(db, QStringLiteral("frmReservation"));
    const qint64 booked = m.table(QStringLiteral("RESERVATION"), 1, QStringLiteral("الحجوزات"));
    m.identifier(booked, QStringLiteral("RESERVATIONID"), QStringLiteral("الرقم"), 60);
    m.fields(booked, {
        {"txtNAME", "NAME", MetadataWriter::Text, "اسم الحجز", 2, 140},
        {"dfnCustomerid", "CUSTOMERID", MetadataWriter::Number, "رقم العميل", 0, 0},
        {"dfsCustomerNAME", "CUSTOMERNAME", MetadataWriter::Text, "العميل", 3, 160},
        {"dfsMob", "MOB", MetadataWriter::Text, "الجوال", 0, 0},
        {"dfnCarNo", "CARNO", MetadataWriter::Number, "رقم السيارة", 0, 0},
        {"dfsPlatNo", "PLATNO", MetadataWriter::Text, "رقم اللوحة", 4, 90},
        {"dfcCARTYPE", "CARTYPE", MetadataWriter::Text, "نوع السيارة", 5, 90},
        {"dfdPickupDate", "PICKUPDATE", MetadataWriter::Date, "تاريخ الاستلام", 6, 90},
        {"dftPickupTime", "PICKUPTIME", MetadataWriter::Time, "وقت الاستلام", 0, 0},
        {"dfdReturnDate", "RETURNDATE", MetadataWriter::Date, "تاريخ الإرجاع", 7, 90},
        {"dftReturnTime", "RETURNTIME", MetadataWriter::Time, "وقت الإرجاع", 0, 0},
        {"dfnDailyRent", "DAILYRENT", MetadataWriter::Number, "الأجرة اليومية", 0, 0},
        {"dfnDeposit", "DEPOSIT", MetadataWriter::Number, "مبلغ التأمين", 0, 0},
        {"dfsNotes", "COMMENTS", MetadataWriter::Text, "ملاحظات", 0, 0},
        {"dfnRentId", "RENTID", MetadataWriter::Number, "رقم العقد", 0, 0},
    });
    m.combo(QStringLiteral("dfcCARTYPE"),
            {QStringLiteral("صالون"), QStringLiteral("دفع رباعي"), QStringLiteral("هاتشباك"), QStringLiteral("رياضية"),
             QStringLiteral("فان"), QStringLiteral("بيك أب"), QStringLiteral("باص")});

    // A booking names who comes, when, and for how much.
    m.validation(1, QStringLiteral("dfnCustomerid"), {}, QStringLiteral("اختر العميل (F5)"), QStringLiteral("dfnCustomerid"), 0);
    m.validation(1, QStringLiteral("dfdPickupDate"), {}, QStringLiteral("اكتب تاريخ الاستلام"), QStringLiteral("dfdPickupDate"), 0);
    m.validation(1, QStringLiteral("dfdReturnDate"), {}, QStringLiteral("اكتب تاريخ الإرجاع"), QStringLiteral("dfdReturnDate"), 0);
    m.validation(3, QStringLiteral("dfdPickupDate"), QStringLiteral("dfdReturnDate"),
                 QStringLiteral("تاريخ الإرجاع قبل تاريخ الاستلام"), QStringLiteral("dfdReturnDate"), 0);
    m.validation(4, QStringLiteral("select 1 as notpositive where cast(':1 ' as real) <= 0"),
                 QStringLiteral(":1frmReservation.dfnDailyRent"), QStringLiteral("الأجرة اليومية يجب أن تكون أكبر من صفر"),
                 QStringLiteral("dfnDailyRent"), 0);
}

void ScreenMetadata::reservations(Database& db)
{
    const auto none = [&db](const QString& sql) { return db.execute(sql).value(0, 0).toInt() == 0; };
    if (none(QStringLiteral("select count(*) from _WINDOWTABLE where WINDOWNAME = 'frmReservation'")))
        frmReservation(db);
    // An office without reports got them all, this one too, a step before.
    if (!none(QStringLiteral("select count(*) from _RPT"))
        && none(QStringLiteral("select count(*) from _RPT where WINDOWNAME = 'frmReservation'"))) {
        ReportSetup::Report confirmation = ReportSetup::reservationConfirmation();
        // A number the office gave a report of its own stays that report's.
        if (!none(QStringLiteral("select count(*) from _RPT where RPTID = ") + QString::number(confirmation.id)))
            confirmation.id = db.execute(QStringLiteral("select max(RPTID) + 1 from _RPT")).value(0, 0).toLongLong();
        ReportSetup::add(db, {confirmation});
    }
    // Whoever may rent a car may book one and see the planning board.
    db.command(QStringLiteral("update group_func set command7 = command1, command8 = command1 where menu_name = 'F5M'"));
}
