#include "rental/RentalShipped.h"

#include "accounting/LedgerSetup.h"
#include "core/Database.h"
#include "rental/CustomerBalance.h"
#include "rental/DamageSheet.h"

namespace {

using Step = ReportSetup::Step;

// Dates are stored as yyyymmdd numbers; documents show dd/mm/yyyy, and
// nothing for a date never given.
QString dateText(const QString& column)
{
    const QString digits = QStringLiteral("cast(%1 as text)").arg(column);
    return QStringLiteral("case when %1 > 0 then Mid(%2, 7, 2) & '/' & Mid(%2, 5, 2) & '/' & Left(%2, 4) end")
        .arg(column, digits);
}

QString date(const QString& column, const QString& as)
{
    return dateText(column) + QStringLiteral(" as ") + as;
}

// Times are stored as hhmmss text.
QString timeText(const QString& column)
{
    return QStringLiteral("Left(%1, 2) & ':' & Mid(%1, 3, 2)").arg(column);
}

QString phones(const QString& a, const QString& b, const QString& c, const QString& as)
{
    return QStringLiteral("trim(Nz(%1) & ' ' & Nz(%2) & ' ' & Nz(%3)) as %4").arg(a, b, c, as);
}

const QString OfficeTitle = QStringLiteral("(select entryvalue from _CONFIG where entry = 'APPTITLE') as OFFICETITLE");
const QString CarState = QStringLiteral(
    "case when STOP = 1 then 'موقوفة' when rented = 1 then 'مؤجرة' else 'متاحة' end as CARSTATE");

// What the customer of the contract `r` owes in the ledger, as CustomerBalance
// reads it: his account's lines in the journals of his contracts, their
// deposits and his receipts.
QString customerBalance()
{
    const QString customer = QStringLiteral(" where CUSTOMERID = r.CUSTOMERID");
    return QStringLiteral("(select sum(d.AMOUNT * (2 * d.DEBITORCREDIT - 1)) from JOURNALDETAIL d where d.ACCOUNTNUMBER = ")
         + QString::number(qint64(LedgerAccounts::Customers))
         + QStringLiteral(" and d.JOURNALID in (select JOURNALID from RENT") + customer
         + QStringLiteral(" union select DEPOSITJOURNALID from RENT") + customer
         + QStringLiteral(" union select JOURNALID from RECEIPT") + customer + QStringLiteral("))");
}

// The deposit's way of payment and its reference, in both languages.
QString depositMethod()
{
    QString cases = QStringLiteral("case Nz(r.DEPOSITMETHOD, 0)");
    for (int i = 0; i < int(std::size(DepositMethods::All)); ++i)
        cases += QStringLiteral(" when %1 then '%2 — %3'")
                     .arg(i)
                     .arg(QString::fromUtf8(DepositMethods::All[i].arabic), QLatin1String(DepositMethods::All[i].name));
    return cases + QStringLiteral(" end & case when trim(Nz(r.DEPOSITREFERENCE)) = '' then '' "
                                  "else ' (' & r.DEPOSITREFERENCE & ')' end");
}

Step withRecord(const QString& sql, const QString& screen, int table = 0)
{
    return {0, table, sql, QStringLiteral(":1%1.txtID").arg(screen)};
}

// A contract made before the fuel gauge has nothing but zeros; a car never
// goes out with an empty tank.
const QString FuelTaken = QStringLiteral("(Nz(r.FUELOUT, 0) > 0 or Nz(r.FUELIN, 0) > 0)");

// The car's condition on the contract: its fuel as it went out, the
// diagram and the photos' sheet drawn by DamageSheet, and the marks one per
// row (table 3), numbered as the sheet numbers them. A photos' heading and
// the renter's signature under them only when there are photos.
QList<Step> condition(const QString& screen)
{
    const QString withPhotos = QStringLiteral("exists (select 1 from CARDAMAGE d, CARDAMAGEPHOTO p where "
                                              "p.CARDAMAGEID = d.CARDAMAGEID and %1)")
                                   .arg(DamageSheet::onPaper());
    const QString places =
        QStringLiteral("select r.RENTID as %1, r.RENTID as %2, case when %4 then r.FUELOUT & '/8' "
                       "else '' end as FUELOUTTEXT, "
                       "case when %3 then 'صور الأضرار — Damage photos' else '' end as PHOTOSTITLE, "
                       "case when %3 then 'أقر بأن الصور أعلاه تبين حالة السيارة — I agree the photos above show "
                       "the condition of the car\n\nتوقيع المستأجر — Renter signature ..............................' "
                       "else '' end as PHOTOSSIGNATURE from RENT r where r.RENTID = :1 ")
            .arg(QLatin1String(DamageSheet::DiagramFrame), QLatin1String(DamageSheet::PhotosFrame), withPhotos,
                 FuelTaken);
    QString kinds = QStringLiteral("case d.KIND");
    for (const auto& [kind, name] : {std::pair{2, "انبعاج — Dent"}, {3, "كسر — Crack"}, {4, "جزء مفقود — Missing part"}})
        kinds += QStringLiteral(" when %1 then '%1 %2'").arg(kind).arg(QString::fromUtf8(name));
    QString views = QStringLiteral("case d.ZONE");
    for (const auto& [zone, name] : {std::pair{1, "الجانب الأيسر — Left side"}, {2, "الجانب الأيمن — Right side"},
                                     {3, "الأمام — Front"}, {4, "الخلف — Back"}})
        views += QStringLiteral(" when %1 then '%2'").arg(zone).arg(QString::fromUtf8(name));
    const QString marks =
        QStringLiteral("select (select count(*) from CARDAMAGE e where %1 and e.CARDAMAGEID <= d.CARDAMAGEID) & '' "
                       "as MARKNO, %2 else '1 خدش — Scratch' end as KINDNAME, %3 else 'من الأعلى — From above' end "
                       "as VIEWNAME, case when d.SIZE > 0 then d.SIZE & '' else '' end as SIZETEXT, "
                       "Nz(d.NOTE, '') as NOTE, case when %4 then 'جديد عند العودة — New at return' "
                       "else 'عند الخروج — At check-out' end as MARKSTATE, d.CARDAMAGEID as MARKID "
                       "from CARDAMAGE d, RENT r where r.RENTID = :1  and %5 "
                       "union all select '', 'لا أضرار مسجلة — No damage recorded', '', '', '', '', 0 "
                       "from RENT r where r.RENTID = :1  and not exists (select 1 from CARDAMAGE d where %5) "
                       "order by MARKID")
            .arg(DamageSheet::onPaper(QStringLiteral("e")), kinds, views, DamageSheet::foundAtReturn(),
                 DamageSheet::onPaper());
    return {withRecord(places, screen), withRecord(marks, screen, 3)};
}

ReportSetup::Report contract()
{
    const QString screen = QStringLiteral("frmRentCar");
    const QString main =
        QStringLiteral("select r.RENTID, r.NAME, r.TITLE, r.CUSTOMERNAME, r.CUSTOMERID, r.IDTYPE, r.IDNUMBER, "
                       "r.ISSUEPLACE, ")
        + date(QStringLiteral("r.ISSUEDATE"), QStringLiteral("ISSUEDATE")) + QStringLiteral(", r.LICENSENO, ")
        + date(QStringLiteral("r.LICENSEEXPIRYDATE"), QStringLiteral("LICENSEEXPIRYDATE"))
        + QStringLiteral(", r.LICENSEISSUEPLACE, r.NATIONALITY, r.JOB, r.WORKPLACE, r.ADDRESS, r.CITY, ")
        + phones(QStringLiteral("r.TEL1"), QStringLiteral("r.TEL2"), QStringLiteral("r.TEL3"), QStringLiteral("PHONES"))
        + QStringLiteral(", r.MOB, r.CARNO, r.PLATNO, r.CARTYPE, r.MODEL, r.COLOR, c.MAKE, c.GEAR, c.CHASSISNO, "
                         "r.METER, ")
        + date(QStringLiteral("r.EXITDATE"), QStringLiteral("EXITDATE")) + QStringLiteral(", ")
        + timeText(QStringLiteral("r.EXITTIME")) + QStringLiteral(" as EXITTIME, r.RENTPERIOD, ")
        + date(QStringLiteral("r.RETURNDATE"), QStringLiteral("RETURNDATE"))
        + QStringLiteral(", r.DAILYRENT, r.INSURANCE, ") + ReportSetup::amountText(QStringLiteral("r.DAILYRENT"))
        + QStringLiteral(" as DAILYRENTAMOUNT, ") + ReportSetup::amountText(QStringLiteral("r.INSURANCE"))
        + QStringLiteral(" as INSURANCEAMOUNT, "
                         "case when r.OPENMETER = 1 then 'نعم — Yes' else 'لا — No' end as OPENMETER, "
                         "case when r.PRINTCOMMENTS = 1 then r.COMMENTS else '' end as COMMENTS, ")
        // The deposit of a car still out; the close-out shows it once the car is back.
        + QStringLiteral("case when Nz(r.DEPOSIT, 0) > 0 and r.RETURNED = 0 then '\nالتأمين المستلم: ' & %1 & ' "
                         "— Deposit taken: ' & %2 else '' end as DEPOSITLINE, ")
              .arg(ReportSetup::amountText(QStringLiteral("r.DEPOSIT")), depositMethod())
        + QStringLiteral("case when abs(Nz(%1, 0)) >= 0.005 then '\nرصيد العميل: ' & %2 & ' — Customer balance' "
                         "else '' end as BALANCELINE, ")
              .arg(customerBalance(), ReportSetup::amountText(customerBalance()))
        + OfficeTitle + QStringLiteral(" from RENT r left join car c on c.carid = r.CARNO where r.RENTID = :1 ");

    // The pictures' heading only when the car has a picture marked for the
    // contract: flag n marks the car's picture n + 1, as the six frames take them.
    QStringList marked;
    for (int n = 1; n <= 6; ++n)
        marked.append(QStringLiteral("(p.PICTURESEQUENCE = %1 and c.PRINTINCONTRACT%2 = 1)").arg(n + 1).arg(n));
    const QString pictures =
        QStringLiteral("select 'صور السيارة — Car pictures' as PICTURESTITLE from RENT r, car c, CARPICTURE p "
                       "where r.RENTID = :1  and c.carid = r.CARNO and p.CARID = c.carid and (")
        + marked.join(QStringLiteral(" or ")) + QStringLiteral(")");

    // The close-out, one row per item, only once the car is back: an open
    // contract keeps the section's heading alone. Every item is text (money
    // with two decimals, kilometres and days whole), one type for the column.
    // The VAT shows on a contract that bears it, the deposit on one that took
    // one, the tax invoice's number once it has one.
    enum Kind { Whole, Money, Text };
    const QString withVat = QStringLiteral("Nz(r.VATAMOUNT, 0) <> 0");
    const QString withDeposit = QStringLiteral("Nz(r.DEPOSIT, 0) > 0");
    const QString invoice = QStringLiteral(
        "(select INVOICENO from TAXINVOICE where SOURCE = 'RENT' and SOURCEID = r.RENTID)");
    // The customer's advances its invoice deducted: paid before, owed no more.
    const QString advances = QStringLiteral(
        "Nz((select ADVANCENET + ADVANCEVAT from TAXINVOICE where SOURCE = 'RENT' and SOURCEID = r.RENTID), 0)");
    const struct {
        const char* arabic;
        const char* english;
        QString amount;
        Kind kind = Whole;
        QString shownWhen = {};
    } items[] = {
        {"المدة الفعلية (أيام)", "Actual period (days)", QStringLiteral("r.ACTUALPERIOD")},
        {"عداد العودة (كم)", "Meter in (km)", QStringLiteral("r.RETURNMETER")},
        {"الكيلومترات المسموحة", "Permitted kilometres", QStringLiteral("r.PERMITTED")},
        {"الكيلومترات المقطوعة", "Driven kilometres", QStringLiteral("r.RETURNMETER - r.METER")},
        {"فرق الكيلومترات", "Kilometre difference", QStringLiteral("r.METERDIFFERENCE")},
        {"قيمة فرق الكيلومترات", "Kilometre charge", QStringLiteral("r.REQUIREDKILOMETERSDIFF"), Money},
        {"الوقود عند الخروج (أثمان)", "Fuel out (eighths)", QStringLiteral("r.FUELOUT & '/8'"), Text, FuelTaken},
        {"الوقود عند العودة (أثمان)", "Fuel in (eighths)", QStringLiteral("r.FUELIN & '/8'"), Text, FuelTaken},
        {"رسم الوقود الناقص", "Fuel charge", QStringLiteral("r.FUELCHARGE"), Money, QStringLiteral("Nz(r.FUELCHARGE, 0) <> 0")},
        {"رسم الأضرار الجديدة", "Damage charge", QStringLiteral("r.DAMAGECHARGE"), Money,
         QStringLiteral("Nz(r.DAMAGECHARGE, 0) <> 0")},
        {"قيمة الإيجار", "Rent amount", QStringLiteral("r.REQUIREDAMOUNT"), Money},
        {"مبالغ أخرى", "Other amounts", QStringLiteral("r.OTHERAMOUNTS"), Money},
        {"الإجمالي", "Total", QStringLiteral("r.TOTAL"), Money},
        {"نسبة ضريبة القيمة المضافة (%)", "VAT rate (%)", QStringLiteral("r.VATRATE"), Money, withVat},
        {"ضريبة القيمة المضافة", "VAT", QStringLiteral("r.VATAMOUNT"), Money, withVat},
        {"الإجمالي شامل الضريبة", "Total with VAT", QStringLiteral("r.GROSSTOTAL"), Money, withVat},
        {"المدفوع", "Paid", QStringLiteral("r.PAID"), Money},
        {"الباقي", "Remainder", QStringLiteral("r.REMAINDER"), Money},
        {"التأمين المستلم", "Deposit taken", QStringLiteral("r.DEPOSIT"), Money, withDeposit},
        {"طريقة دفع التأمين", "Deposit paid by", depositMethod(), Text, withDeposit},
        {"المخصوم من التأمين", "Deposit kept", QStringLiteral("Nz(r.DEPOSITKEPT, 0)"), Money, withDeposit},
        {"المردود من التأمين", "Deposit refunded", QStringLiteral("Nz(r.DEPOSITREFUNDED, 0)"), Money, withDeposit},
        {"الباقي بعد المخصوم من التأمين", "Still owed after the deposit kept",
         QStringLiteral("Nz(r.REMAINDER, 0) - Nz(r.DEPOSITKEPT, 0)"), Money, withDeposit},
        {"الدفعات المقدمة المخصومة", "Advances deducted", advances, Money, advances + QStringLiteral(" > 0")},
        {"الباقي بعد المخصوم من التأمين والدفعات المقدمة", "Still owed after the deposit and advances",
         QStringLiteral("Nz(r.REMAINDER, 0) - Nz(r.DEPOSITKEPT, 0) - ") + advances, Money, advances + QStringLiteral(" > 0")},
        {"رقم الفاتورة الضريبية", "Tax invoice No.", invoice, Whole, invoice + QStringLiteral(" > 0")},
    };
    QStringList labels;
    QString amounts;
    QString shown;
    for (int i = 0; i < int(std::size(items)); ++i) {
        labels.append(QStringLiteral("select %1 as N, '%2' as AR, '%3' as EN")
                          .arg(i + 1)
                          .arg(QString::fromUtf8(items[i].arabic), QString::fromUtf8(items[i].english)));
        const QString& amount = items[i].amount;
        amounts += QStringLiteral(" when %1 then %2")
                       .arg(i + 1)
                       .arg(items[i].kind == Money  ? ReportSetup::amountText(amount)
                            : items[i].kind == Text ? amount
                                                    : QStringLiteral("(cast(round(%1) as integer) & '')").arg(amount));
        if (!items[i].shownWhen.isEmpty())
            shown += QStringLiteral(" and (l.N <> %1 or %2)").arg(i + 1).arg(items[i].shownWhen);
    }
    const QString closeOut = QStringLiteral("select l.AR, case l.N") + amounts
                             + QStringLiteral(" end as AMOUNT, l.EN, l.N from RENT r, (")
                             + labels.join(QStringLiteral(" union all "))
                             + QStringLiteral(") l where r.RENTID = :1  and r.RETURNED = 1") + shown
                             + QStringLiteral(" order by l.N");
    // One paragraph: when and at what time the car came back, the notes
    // taken then, and the total in words.
    const QString returned =
        QStringLiteral("select 'أعيدت السيارة في ' & %1 & ' الساعة ' & %2 & '\nReturned on ' & %1 & ' at ' & %2 & "
                       "case when trim(Nz(SURRENDERCOMMENTS)) = '' then '' "
                       "else '\nملاحظات التسليم: ' & SURRENDERCOMMENTS end & '\n' as RETURNLINES, "
                       "'الإجمالي كتابةً: ' as TOTALWORDSLABEL, '\nTotal in words: ' as TOTALWORDSLABELEN, TOTAL from RENT where RENTID = :1  and RETURNED = 1")
            .arg(dateText(QStringLiteral("ACTUALRETURNDATE")), timeText(QStringLiteral("ACTUALRETURNTIME")));

    return {1,
            QStringLiteral("عقد الإيجار"),
            screen,
            1,
            QStringLiteral("contract.odt"),
            QList<Step>{withRecord(main, screen), withRecord(pictures, screen), withRecord(closeOut, screen, 2),
                        withRecord(returned, screen), Step{-1, 0, {}}}
                + condition(screen)};
}

ReportSetup::Report customer()
{
    const QString screen = QStringLiteral("frmCustomers");
    const QString card =
        QStringLiteral("select CUSTOMERID, ") + date(QStringLiteral("CREATIONDATE"), QStringLiteral("CREATIONDATE"))
        + QStringLiteral(", TITLE, name, LASTNAME, NICKNAME, NATIONALITY, SEX, ")
        + date(QStringLiteral("BIRTHDATE"), QStringLiteral("BIRTHDATE"))
        + QStringLiteral(", MARITALSTATUS, REFEREDBY, IDTYPE, IDNUMBER, ISSUEPLACE, ")
        + date(QStringLiteral("ISSUEDATE"), QStringLiteral("ISSUEDATE"))
        + QStringLiteral(", LICENSETYPE, HOMECARLICENSE, TRAFFICDEPART, ")
        + date(QStringLiteral("HOMELICENSEEXPIRY"), QStringLiteral("HOMELICENSEEXPIRY")) + QStringLiteral(", BALANCE, ")
        + ReportSetup::amountText(QStringLiteral("BALANCE")) + QStringLiteral(" as BALANCEAMOUNT, ")
        + ReportSetup::balanceText(CustomerBalance::sql(QStringLiteral(":1 "))) + QStringLiteral(" as LEDGERBALANCE, ")
        + date(QStringLiteral("LASTTRANSACTION"), QStringLiteral("LASTTRANSACTION"))
        + QStringLiteral(", case when BLACKLIST = 1 then 'في القائمة السوداء' else 'لا' end as BLACKLISTED, "
                         "case when STOPTRANSACTION = 1 then 'موقوف عن التعامل' else 'لا' end as STOPPED, "
                         "HOMEADDRESS, HOMECITY, HOMEGOVERN, HOMECOUNTRY, HOMEPOSTALCODE, HOMEMOB, ")
        + phones(QStringLiteral("HOMETEL1"), QStringLiteral("HOMETEL2"), QStringLiteral("HOMETEL3"),
                 QStringLiteral("HOMEPHONES"))
        + QStringLiteral(", HOMEEMAIL, HOMEFAX, HOMECOMMENTS, WORKCOMPANY, WORKJOB, WORKDEPARTMENT, WORKADDRESS, ")
        + phones(QStringLiteral("WORKTEL1"), QStringLiteral("WORKTEL2"), QStringLiteral("WORKMOB"),
                 QStringLiteral("WORKPHONES"))
        + QStringLiteral(", ") + OfficeTitle + QStringLiteral(" from Customer where CUSTOMERID = :1 ");
    const QString photo = QStringLiteral(
        "select top 1 CUSTOMERPICTURE as CUSTOMERPHOTO from CUSTOMERPICTURE where CUSTOMERID = :1  "
        "order by CUSTOMERPICTUREID");
    const QString contracts =
        QStringLiteral("select RENTID, ") + date(QStringLiteral("EXITDATE"), QStringLiteral("EXITDATE"))
        + QStringLiteral(", ") + date(QStringLiteral("RETURNDATE"), QStringLiteral("RETURNDATE"))
        + QStringLiteral(", trim(Nz(MODEL) & ' ' & Nz(PLATNO)) as CAR, DAILYRENT, "
                         "case when RETURNED = 1 then 'منتهي' else 'مفتوح' end as STATE "
                         "from RENT where CUSTOMERID = :1  order by RENTID");
    return {2, QStringLiteral("بطاقة العميل"), screen, 1, QStringLiteral("customer.odt"),
            {withRecord(card, screen), withRecord(photo, screen), withRecord(contracts, screen, 1)}};
}

ReportSetup::Report car()
{
    const QString screen = QStringLiteral("frmCars");
    QString maintenance;
    for (int n = 1; n <= 3; ++n) {
        const QString start = QStringLiteral("MAINTSTART%1").arg(n);
        maintenance += QStringLiteral(", MAINTYPE%1, MAINTMILES%1, EVERYDAYS%1, MAINTMILESSTART%1, ").arg(n)
                       + date(start, start)
                       + QStringLiteral(", case when MAINTMILES%1 > 0 then MAINTMILESSTART%1 + MAINTMILES%1 end "
                                        "as NEXTMILES%1, ")
                             .arg(n)
                       + date(QStringLiteral("case when EVERYDAYS%1 > 0 then DateAdd('d', EVERYDAYS%1, MAINTSTART%1) end")
                                  .arg(n),
                              QStringLiteral("NEXTDATE%1").arg(n));
    }
    const QString card =
        QStringLiteral("select carid, name, PLATENO, ") + CarState
        + QStringLiteral(", MAKE, BRAND, CARTYPE, SHAPE, COLOR, GEAR, MOTORNO, CHASSISNO, METER, FARE, OWNERNAME, ")
        + phones(QStringLiteral("TEL1"), QStringLiteral("MOB"), QStringLiteral("TEL2"), QStringLiteral("OWNERPHONE"))
        + QStringLiteral(", COMMENTS, TRAFFIC, LICENSENO, ")
        + date(QStringLiteral("LICENSEEXPIRY"), QStringLiteral("LICENSEEXPIRY")) + QStringLiteral(", ")
        + date(QStringLiteral("LASTTRAN"), QStringLiteral("LASTTRAN"))
        + QStringLiteral(", INSURANCETYPE1, INSURANCE1, ")
        + date(QStringLiteral("INSURANCE1FROM"), QStringLiteral("INSURANCE1FROM")) + QStringLiteral(", ")
        + date(QStringLiteral("INSURANEDC1DATETTO"), QStringLiteral("INSURANCE1TO"))
        + QStringLiteral(", INSURANCETYPE2, INSURANCE2, ")
        + date(QStringLiteral("INSURANCE2DATEFROM"), QStringLiteral("INSURANCE2FROM")) + QStringLiteral(", ")
        + date(QStringLiteral("INSURANCE2DATETO"), QStringLiteral("INSURANCE2TO"))
        + QStringLiteral(", INSURANCECOMMENTS") + maintenance + QStringLiteral(", ") + OfficeTitle
        + QStringLiteral(" from car where carid = :1 ");
    // The main picture is the car's first.
    const QString photo = QStringLiteral(
        "select CARPICTURE as CARPHOTO from CARPICTURE where CARID = :1  and PICTURESEQUENCE = 1");
    return {3, QStringLiteral("بطاقة السيارة"), screen, 1, QStringLiteral("car.odt"),
            {withRecord(card, screen), withRecord(photo, screen)}};
}

ReportSetup::Report employee()
{
    const QString screen = QStringLiteral("frmEmployee");
    const QString card =
        QStringLiteral("select e.EMPID, e.NAME, e.IDNUM, e.ISSUEEDFROM, ")
        + date(QStringLiteral("e.BIRTHDATE"), QStringLiteral("BIRTHDATE"))
        + QStringLiteral(", e.BIRTHPLACE, e.SEX, e.MARITALSTATUS, e.NOCHILDREN, e.MILITARYSTATUS, e.QUALIFICATION, "
                         "e.MAJOR, e.ADDRESS, e.HOMEPHONE, e.NEARESTPHONE, e.MOBILE, e.TIMECARDNO, e.DEPARTMENT, "
                         "e.JOB, e.WORKTYPE, case when e.FLGMANAGER = 1 then 'نعم' else 'لا' end as MANAGER, "
                         "m.NAME as MANAGERNAME, ")
        + date(QStringLiteral("e.DATEJOINED"), QStringLiteral("DATEJOINED")) + QStringLiteral(", ")
        + date(QStringLiteral("e.HIREJOINED"), QStringLiteral("HIREJOINED")) + QStringLiteral(", ")
        + date(QStringLiteral("e.TERMINATIONDATE"), QStringLiteral("TERMINATIONDATE"))
        + QStringLiteral(", e.HEIGHT, e.WEIGHT, e.SHIRT, e.PANTS, e.SHOE, e.JACKET, ") + OfficeTitle
        + QStringLiteral(" from EMPLOYEE e left join EMPLOYEE m on m.EMPID = e.MANAGERID where e.EMPID = :1 ");
    const QString photo = QStringLiteral(
        "select top 1 OLEMODULE as EMPPHOTO from EMPPICTURE where EMPID = :1  order by EMPPICTUREID");
    return {4, QStringLiteral("بطاقة الموظف"), screen, 1, QStringLiteral("employee.odt"),
            {withRecord(card, screen), withRecord(photo, screen)}};
}

ReportSetup::Report fleet()
{
    const QString counts = QStringLiteral(
        "select count(*) as CARS, sum(case when STOP = 0 and rented = 0 then 1 else 0 end) as FREECARS, "
        "sum(case when STOP = 0 and rented = 1 then 1 else 0 end) as RENTEDCARS, "
        "sum(case when STOP = 1 then 1 else 0 end) as STOPPEDCARS, ")
        + OfficeTitle + QStringLiteral(" from car");
    const QString list = QStringLiteral("select carid, PLATENO, name, BRAND, COLOR, METER, FARE, ") + CarState
                         + QStringLiteral(" from car order by carid");
    return {5, QStringLiteral("قائمة الأسطول"), QStringLiteral("frmCars"), 2, QStringLiteral("fleet.odt"),
            {Step{0, 0, counts}, Step{0, 1, list}}};
}

}

QList<ReportSetup::Report> ReportSetup::rentalReports()
{
    return QList<Report>{contract(), customer(), car(), employee(), fleet(), reservationConfirmation()} + receiptReports();
}

ReportSetup::Report ReportSetup::reservationConfirmation()
{
    const QString screen = QStringLiteral("frmReservation");
    const QString stored = QStringLiteral(
        "case r.STATE when 0 then 'محجوز — Booked' when 1 then 'تم الاستلام — Picked up' "
        "when 2 then 'ملغى — Cancelled' when 3 then 'لم يحضر — No-show' end as STATENAME");
    const QString sql =
        QStringLiteral("select r.RESERVATIONID, r.NAME, ") + stored + QStringLiteral(", ")
        + date(QStringLiteral("r.CREATEDT"), QStringLiteral("CREATEDT"))
        + QStringLiteral(", r.CUSTOMERNAME, r.CUSTOMERID, r.MOB, r.PLATNO, r.CARTYPE, c.MAKE, c.BRAND as MODEL, ")
        + date(QStringLiteral("r.PICKUPDATE"), QStringLiteral("PICKUPDATE")) + QStringLiteral(", ")
        + timeText(QStringLiteral("r.PICKUPTIME")) + QStringLiteral(" as PICKUPTIME, ")
        + date(QStringLiteral("r.RETURNDATE"), QStringLiteral("RETURNDATE")) + QStringLiteral(", ")
        + timeText(QStringLiteral("r.RETURNTIME")) + QStringLiteral(" as RETURNTIME, r.DAILYRENT, r.DEPOSIT, ") + ReportSetup::amountText(QStringLiteral("r.DAILYRENT"))
        + QStringLiteral(" as DAILYRENTAMOUNT, ") + ReportSetup::amountText(QStringLiteral("r.DEPOSIT"))
        + QStringLiteral(" as DEPOSITAMOUNT, r.COMMENTS, ") + OfficeTitle
        + QStringLiteral(" from RESERVATION r left join car c on c.carid = r.CARNO where r.RESERVATIONID = :1 ");
    return {6, QStringLiteral("تأكيد الحجز"), screen, 1, QStringLiteral("reservation.odt"), {withRecord(sql, screen)}};
}

void ReportSetup::addContractCondition(Database& db)
{
    const RowSet contracts = db.execute(
        QStringLiteral("select RPTID from _RPT where WINDOWNAME = 'frmRentCar' and Rptfilename = 'contract.odt'"));
    for (int i = 0; i < contracts.count(); ++i) {
        const qint64 report = contracts.value(i, 0).toLongLong();
        const RowSet steps =
            db.execute(QStringLiteral("select SQLStatement from _RPTDETAIL where RPTID = ") + QString::number(report));
        bool has = false;
        for (int s = 0; s < steps.count(); ++s)
            has = has || steps.text(s, QStringLiteral("SQLStatement")).contains(QLatin1String(DamageSheet::DiagramFrame));
        if (!has)
            addSteps(db, report, condition(QStringLiteral("frmRentCar")));
    }
}
