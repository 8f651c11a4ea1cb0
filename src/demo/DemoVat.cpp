#include "demo/DemoVat.h"

#include "accounting/AdvanceDeduction.h"
#include "accounting/LedgerSetup.h"
#include "accounting/TaxInvoice.h"
#include "accounting/VatSettings.h"
#include "core/Configuration.h"
#include "core/Database.h"
#include "core/StoredDate.h"
#include "demo/DemoJournal.h"

#include <QDate>
#include <QHash>
#include <algorithm>

namespace {

using namespace LedgerAccounts;

constexpr int Halalas = 2;
// The employee pays this much on account while his weekly car is out; the
// contract's invoice deducts it, and he pays the rest at its return.
const char* const Weekly = "عقد أسبوعي - موظف";
constexpr double WeeklyAdvance = 57.5;

using DemoJournal::Line;

void becomeSaudi(Database& db)
{
    Configuration store(db);
    const struct {
        const char* entry;
        const char* value;
    } entries[] = {
        {"CURRENCYCODE", "SAR"},
        {"FILS", "هللة"},
        {"POUND", "ريال سعودي"},
        {"TWOPOUNDS", "ريالان سعوديان"},
        {"POUNDS", "ريالات سعودية"},
        {"CURRENCYSUFFIX", "ر.س."},
        {"VATON", "1"},
        {"VATRATE", "15"},
        {"VATNUMBER", "310175397400003"},
        {"VATNAMEAR", "شركة إيجار لتأجير السيارات"},
        {"VATNAMEEN", "Ijar Car Rental Company"},
    };
    for (const auto& e : entries)
        store.SetConfig(QString::fromLatin1(e.entry), QString::fromUtf8(e.value));
}

// Two more contracts back: one with kilometres over and other amounts, one
// without; posted without their VAT, which comes next as for every closed one.
void closeMoreContracts(Database& db, const QDate& today)
{
    const RowSet customers = db.execute(QStringLiteral(
        "select * from Customer where BLACKLIST = 0 and STOPTRANSACTION = 0 and CUSTOMERID not in "
        "(select CUSTOMERID from RENT) order by CUSTOMERID"));
    const RowSet cars = db.execute(QStringLiteral("select * from car where rented = 0 and STOP = 0 order by carid desc"));
    const struct {
        const char* name;
        int daysAgo;
        int period;
        qint64 overKilometres;
        double kilometreCharge;
        double other;
        double advance;
    } contracts[] = {
        {"عقد رحلة إلى الدمام", 12, 3, 120, 60, 25, 0},
        {Weekly, 9, 7, 0, 0, 0, WeeklyAdvance},
    };
    for (int i = 0; i < int(std::size(contracts)) && i < customers.count() && i < cars.count(); ++i) {
        const auto& c = contracts[i];
        const QDate exit = today.addDays(-c.daysAgo), back = exit.addDays(c.period);
        const qint64 meter = cars.value(i, QStringLiteral("METER")).toLongLong();
        const qint64 returnMeter = meter + c.period * 100 + c.overKilometres;
        const double fare = cars.value(i, QStringLiteral("FARE")).toDouble();
        const double rent = fare * c.period, total = rent + c.kilometreCharge + c.other, paid = total - c.advance;
        const QString name = QString::fromUtf8(c.name), customer = customers.text(i, QStringLiteral("name"));
        const qint64 posted = DemoJournal::post(
            db, name, back, total,
            {{Customers, true, rent, customer}, {RentIncome, false, rent, name},
             {Customers, true, c.kilometreCharge, customer}, {ExtraKilometreIncome, false, c.kilometreCharge, name},
             {Customers, true, c.other, customer}, {OtherIncome, false, c.other, name},
             {Cash, true, paid, name}, {Customers, false, paid, customer}},
            QStringLiteral("frmRentCar"));
        db.insert(QStringLiteral("RENT"), QStringLiteral("RENTID"),
                  {{QStringLiteral("NAME"), name},
                   {QStringLiteral("CUSTOMERID"), customers.value(i, QStringLiteral("CUSTOMERID"))},
                   {QStringLiteral("TITLE"), customers.text(i, QStringLiteral("TITLE"))},
                   {QStringLiteral("CUSTOMERNAME"), customer},
                   {QStringLiteral("IDTYPE"), customers.text(i, QStringLiteral("IDTYPE"))},
                   {QStringLiteral("IDNUMBER"), customers.value(i, QStringLiteral("IDNUMBER"))},
                   {QStringLiteral("LICENSENO"), customers.text(i, QStringLiteral("HOMECARLICENSE"))},
                   {QStringLiteral("NATIONALITY"), customers.text(i, QStringLiteral("NATIONALITY"))},
                   {QStringLiteral("MOB"), customers.text(i, QStringLiteral("HOMEMOB"))},
                   {QStringLiteral("CARNO"), cars.value(i, QStringLiteral("carid"))},
                   {QStringLiteral("CARTYPE"), cars.text(i, QStringLiteral("CARTYPE"))},
                   {QStringLiteral("PLATNO"), cars.text(i, QStringLiteral("PLATENO"))},
                   {QStringLiteral("MODEL"), cars.text(i, QStringLiteral("BRAND"))},
                   {QStringLiteral("COLOR"), cars.text(i, QStringLiteral("COLOR"))},
                   {QStringLiteral("METER"), meter},
                   {QStringLiteral("DAILYRENT"), fare},
                   {QStringLiteral("EXITDATE"), StoredDate::number(exit)},
                   {QStringLiteral("EXITTIME"), QStringLiteral("100000")},
                   {QStringLiteral("RENTPERIOD"), c.period},
                   {QStringLiteral("RETURNDATE"), StoredDate::number(back)},
                   {QStringLiteral("RETURNED"), 1},
                   {QStringLiteral("ACTUALRETURNDATE"), StoredDate::number(back)},
                   {QStringLiteral("ACTUALRETURNTIME"), QStringLiteral("163000")},
                   {QStringLiteral("ACTUALPERIOD"), c.period},
                   {QStringLiteral("RETURNMETER"), returnMeter},
                   {QStringLiteral("PERMITTED"), c.period * 100},
                   {QStringLiteral("METERDIFFERENCE"), c.overKilometres},
                   {QStringLiteral("REQUIREDKILOMETERSDIFF"), c.kilometreCharge},
                   {QStringLiteral("REQUIREDAMOUNT"), rent},
                   {QStringLiteral("OTHERAMOUNTS"), c.other},
                   {QStringLiteral("TOTAL"), total},
                   {QStringLiteral("PAID"), paid},
                   {QStringLiteral("REMAINDER"), 0.0},
                   {QStringLiteral("JOURNALID"), posted}});
        db.command(QStringLiteral("update car set METER = %1 where carid = %2")
                       .arg(returnMeter)
                       .arg(cars.value(i, QStringLiteral("carid")).toLongLong()));
    }
}

struct Billed {
    QDateTime issued;
    const char* source;
    qint64 id;
    QString buyer;
    TaxInvoice::Amounts amounts;
};

// Every closed contract is taxed on its total: the customer paid the VAT
// in cash with the rest, and the VAT goes to the tax office's account.
QList<Billed> taxContracts(Database& db, const VatSettings& vat)
{
    QList<Billed> billed;
    const RowSet closed = db.execute(QStringLiteral(
        "select RENTID, NAME, CUSTOMERNAME, TOTAL, JOURNALID, ACTUALRETURNDATE, ACTUALRETURNTIME from RENT "
        "where RETURNED = 1 order by RENTID"));
    for (int i = 0; i < closed.count(); ++i) {
        const qint64 id = closed.value(i, QStringLiteral("RENTID")).toLongLong();
        const double net = closed.value(i, QStringLiteral("TOTAL")).toDouble(), tax = vat.tax(net, Halalas);
        const QDate day = StoredDate::parse(closed.text(i, QStringLiteral("ACTUALRETURNDATE")));
        const QString customer = closed.text(i, QStringLiteral("CUSTOMERNAME")), name = closed.text(i, QStringLiteral("NAME"));
        const qint64 posted = closed.value(i, QStringLiteral("JOURNALID")).toLongLong();
        DemoJournal::add(db, posted, day,
                 {{Customers, true, tax, customer}, {VatPayable, false, tax, name}, {Cash, true, tax, name},
                  {Customers, false, tax, customer}});
        db.executeBound(QStringLiteral("update JOURNAL set AMOUNT = AMOUNT + ? where JOURNALID = ?"), {tax, posted});
        db.executeBound(QStringLiteral("update RENT set VATRATE = ?, VATAMOUNT = ?, GROSSTOTAL = ?, PAID = PAID + ? "
                                       "where RENTID = ?"),
                        {vat.rate, tax, net + tax, tax, id});
        const QTime at = QTime::fromString(closed.text(i, QStringLiteral("ACTUALRETURNTIME")), QStringLiteral("hhmmss"));
        billed.append({QDateTime(day, at), TaxInvoice::Contract, id, customer, {net, vat.rate, tax, net + tax}});
    }
    return billed;
}

// Money taken from customers, each posted to its account against theirs; the
// time of day of each, by its key.
QHash<qint64, QTime> takeReceipts(Database& db, const QDate& today)
{
    const RowSet open = db.execute(QStringLiteral(
        "select RENTID, CUSTOMERID, CUSTOMERNAME from RENT where RETURNED = 0 order by RENTID"));
    const RowSet others = db.execute(QStringLiteral(
        "select CUSTOMERID, name from Customer where BLACKLIST = 0 and CUSTOMERID not in (select CUSTOMERID from RENT) "
        "order by CUSTOMERID"));
    if (open.isEmpty() || others.isEmpty())
        return {};
    const struct {
        int daysAgo;
        const char* time;
        bool refund;
        int method;  // 0 cash, 1 card
        int whose;   // the first customer who has rented nothing yet, the open contract's, the weekly one's
        double amount;
        const char* reference;
        const char* comments;
    } receipts[] = {
        {8, "101000", false, 0, 2, WeeklyAdvance, "", "دفعة مقدمة على الحساب"},
        {5, "111500", false, 1, 0, 230, "مدى 4417", "دفعة مقدمة لحجز سيارة"},
        {1, "094500", false, 0, 1, 575, "", "دفعة من قيمة العقد"},
        {0, "120000", true, 0, 0, 150, "", "رد جزء من الدفعة المقدمة"},
    };
    const RowSet weekly = db.execute(QStringLiteral("select CUSTOMERID, CUSTOMERNAME from RENT where NAME = '")
                                     + QString::fromUtf8(Weekly) + QLatin1Char('\''));
    const auto whose = [&](int kind, const QString& column) {
        return kind == 1 ? open.value(0, column) : kind == 2 ? weekly.value(0, column) : others.value(0, column);
    };
    QHash<qint64, QTime> times;
    for (const auto& r : receipts) {
        const QDate day = today.addDays(-r.daysAgo);
        if (r.whose == 2 && weekly.isEmpty())
            continue;
        const qint64 customerId = whose(r.whose, QStringLiteral("CUSTOMERID")).toLongLong();
        const QString customer = whose(r.whose, r.whose == 0 ? QStringLiteral("name") : QStringLiteral("CUSTOMERNAME")).toString();
        const QString name = QString::fromUtf8(r.comments);
        const qint64 money = r.method == 1 ? qint64(CardClearing) : qint64(Cash);
        const qint64 posted =
            DemoJournal::post(db, name, day, r.amount,
                              {{money, !r.refund, r.amount, customer}, {Customers, r.refund, r.amount, customer}},
                              QStringLiteral("frmReceipt"));
        const qint64 id = db.insert(
            QStringLiteral("RECEIPT"), QStringLiteral("RECEIPTID"),
            {{QStringLiteral("NAME"), name},
             {QStringLiteral("RECEIPTDATE"), StoredDate::number(day)},
             {QStringLiteral("REFUND"), r.refund ? 1 : 0},
             {QStringLiteral("CUSTOMERID"), customerId},
             {QStringLiteral("CUSTOMERNAME"), customer},
             {QStringLiteral("RENTID"), r.whose == 1 ? open.value(0, QStringLiteral("RENTID")).toLongLong() : 0},
             {QStringLiteral("AMOUNT"), r.amount},
             {QStringLiteral("METHOD"), r.method},
             {QStringLiteral("REFERENCE"), QString::fromUtf8(r.reference)},
             {QStringLiteral("COMMENTS"), name},
             {QStringLiteral("JOURNALID"), posted}});
        times.insert(id, QTime::fromString(QString::fromLatin1(r.time), QStringLiteral("hhmmss")));
    }
    return times;
}

// A payment on account carries the VAT within it, owed to the tax office
// from then on, and a refund of one takes back the VAT within the refund;
// one against a contract is billed on the contract's invoice, and a refund
// has no invoice. The receipts of the demo office itself were taken at noon.
QList<Billed> taxReceipts(Database& db, const VatSettings& vat, const QHash<qint64, QTime>& times)
{
    const RowSet payments = db.execute(
        QStringLiteral("select RECEIPTID, RECEIPTDATE, CUSTOMERNAME, NAME, AMOUNT, REFUND, JOURNALID from RECEIPT "
                       "where Nz(RENTID, 0) = 0 order by RECEIPTID"));
    QList<Billed> billed;
    for (int i = 0; i < payments.count(); ++i) {
        const qint64 id = payments.value(i, QStringLiteral("RECEIPTID")).toLongLong();
        const double gross = payments.value(i, QStringLiteral("AMOUNT")).toDouble(), tax = vat.taxWithin(gross, Halalas);
        const QDate day = StoredDate::parse(payments.text(i, QStringLiteral("RECEIPTDATE")));
        const QString customer = payments.text(i, QStringLiteral("CUSTOMERNAME")), name = payments.text(i, QStringLiteral("NAME"));
        const bool refund = payments.value(i, QStringLiteral("REFUND")).toInt() == 1;
        DemoJournal::add(db, payments.value(i, QStringLiteral("JOURNALID")).toLongLong(), day,
                         {{Customers, !refund, tax, refund ? name : customer}, {VatPayable, refund, tax, refund ? customer : name}});
        if (!refund)
            billed.append({QDateTime(day, times.value(id, QTime(12, 0))), TaxInvoice::Receipt, id, customer,
                           {gross - tax, vat.rate, tax, gross}});
    }
    return billed;
}

}

void DemoVat::insert(Database& db)
{
    const QDate today = QDate::currentDate();
    becomeSaudi(db);
    const VatSettings vat = VatSettings::read(db);
    closeMoreContracts(db, today);
    const QHash<qint64, QTime> times = takeReceipts(db, today);
    QList<Billed> billed = taxContracts(db, vat) + taxReceipts(db, vat, times);
    // Numbered in the order they were issued, as at the counter.
    std::stable_sort(billed.begin(), billed.end(), [](const Billed& a, const Billed& b) { return a.issued < b.issued; });
    // A contract's invoice deducts the advances its customer paid before it.
    for (const Billed& b : billed)
        if (qstrcmp(b.source, TaxInvoice::Contract) == 0)
            AdvanceDeduction::issue(db, b.id, b.buyer, b.amounts, b.issued);
        else
            TaxInvoice::issue(db, QString::fromLatin1(b.source), b.id, b.buyer, b.amounts, b.issued);
}
