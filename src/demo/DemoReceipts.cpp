#include "demo/DemoReceipts.h"

#include "accounting/LedgerSetup.h"
#include "core/Database.h"
#include "core/StoredDate.h"

#include <QDate>
#include <tuple>

namespace {

using namespace LedgerAccounts;

// A journal of one debit and one credit line on that day, as the screens post them.
qint64 post(Database& db, const QString& name, const QDate& day, const QList<std::tuple<Account, Account, double, QString>>& pairs)
{
    const qint64 date = StoredDate::number(day);
    const qint64 journal = db.insert(QStringLiteral("JOURNAL"), QStringLiteral("JOURNALID"),
                                     {{QStringLiteral("NAME"), name},
                                      {QStringLiteral("AMOUNT"), std::get<2>(pairs.first())},
                                      {QStringLiteral("TRANSACTIONDATE"), date}});
    for (const auto& [debit, credit, amount, text] : pairs)
        for (const auto& [account, side] : {std::pair{debit, 1}, std::pair{credit, 0}})
            db.insert(QStringLiteral("JOURNALDETAIL"), QStringLiteral("JOURNALDETAILID"),
                      {{QStringLiteral("JOURNALID"), journal},
                       {QStringLiteral("TRANSACTIONDATE"), date},
                       {QStringLiteral("AMOUNT"), amount},
                       {QStringLiteral("ACCOUNTNUMBER"), qint64(account)},
                       {QStringLiteral("RELATEDDETAIL"), text},
                       {QStringLiteral("DEBITORCREDIT"), side}});
    return journal;
}

struct Receipt {
    const char* name;
    int daysAgo;
    bool refund;
    int method;  // 0 cash, 1 card, 2 bank transfer, 3 cheque
    const char* reference;
    double amount;
    qint64 contract;
};

void receive(Database& db, const RowSet& customers, int customer, const Receipt& r)
{
    const QDate day = QDate::currentDate().addDays(-r.daysAgo);
    const qint64 id = customers.value(customer, QStringLiteral("CUSTOMERID")).toLongLong();
    const QString who = customers.text(customer, QStringLiteral("name"));
    const QString name = QString::fromUtf8(r.name);
    const qint64 receipt = db.insert(QStringLiteral("RECEIPT"), QStringLiteral("RECEIPTID"),
                                     {{QStringLiteral("NAME"), name},
                                      {QStringLiteral("RECEIPTDATE"), StoredDate::number(day)},
                                      {QStringLiteral("REFUND"), r.refund ? 1 : 0},
                                      {QStringLiteral("CUSTOMERID"), id},
                                      {QStringLiteral("CUSTOMERNAME"), who},
                                      {QStringLiteral("RENTID"), r.contract},
                                      {QStringLiteral("AMOUNT"), r.amount},
                                      {QStringLiteral("METHOD"), r.method},
                                      {QStringLiteral("REFERENCE"), QString::fromUtf8(r.reference)},
                                      {QStringLiteral("JOURNALID"), 0}});
    const Account money = r.method == 0 ? Cash : r.method == 1 ? CardClearing : Bank;
    const QString title = (r.refund ? QStringLiteral("رد مبلغ ") : QStringLiteral("سند قبض "))
                          + QString::number(receipt) + QStringLiteral(" - ") + who;
    const qint64 journal = r.refund ? post(db, title, day, {{Customers, money, r.amount, who}})
                                    : post(db, title, day, {{money, Customers, r.amount, name}});
    db.command(QStringLiteral("update RECEIPT set JOURNALID = ") + QString::number(journal)
               + QStringLiteral(" where RECEIPTID = ") + QString::number(receipt));
}

}

void DemoReceipts::insert(Database& db)
{
    const RowSet customers = db.execute(QStringLiteral(
        "select CUSTOMERID, name from Customer where BLACKLIST = 0 and STOPTRANSACTION = 0 order by CUSTOMERID"));
    const RowSet cars = db.execute(QStringLiteral("select carid, PLATENO, BRAND, FARE, METER from car where STOP = 0 order by carid desc"));
    if (customers.count() < 6 || cars.isEmpty())
        return;

    // Four days out, back two days ago with half the rent still owed.
    const int customer = 4;
    const QDate back = QDate::currentDate().addDays(-2);
    const int days = 4;
    const double fare = cars.value(0, QStringLiteral("FARE")).toDouble();
    const double rent = fare * days;
    const double paid = rent / 2;
    const qint64 meter = cars.value(0, QStringLiteral("METER")).toLongLong();
    const QString who = customers.text(customer, QStringLiteral("name"));
    const QString name = QStringLiteral("عقد أيام - باقي مؤجل");
    const qint64 journal = post(db, name, back, {{Customers, RentIncome, rent, who}, {Cash, Customers, paid, name}});
    const qint64 contract = db.insert(
        QStringLiteral("RENT"), QStringLiteral("RENTID"),
        {{QStringLiteral("NAME"), name},
         {QStringLiteral("CUSTOMERID"), customers.value(customer, QStringLiteral("CUSTOMERID"))},
         {QStringLiteral("CUSTOMERNAME"), who},
         {QStringLiteral("CARNO"), cars.value(0, QStringLiteral("carid"))},
         {QStringLiteral("PLATNO"), cars.text(0, QStringLiteral("PLATENO"))},
         {QStringLiteral("MODEL"), cars.text(0, QStringLiteral("BRAND"))},
         {QStringLiteral("METER"), meter},
         {QStringLiteral("DAILYRENT"), fare},
         {QStringLiteral("EXITDATE"), StoredDate::number(back.addDays(-days))},
         {QStringLiteral("EXITTIME"), QStringLiteral("100000")},
         {QStringLiteral("RENTPERIOD"), days},
         {QStringLiteral("RETURNDATE"), StoredDate::number(back)},
         {QStringLiteral("RETURNED"), 1},
         {QStringLiteral("ACTUALRETURNDATE"), StoredDate::number(back)},
         {QStringLiteral("ACTUALRETURNTIME"), QStringLiteral("170000")},
         {QStringLiteral("ACTUALPERIOD"), days},
         {QStringLiteral("RETURNMETER"), meter + days * 80},
         {QStringLiteral("PERMITTED"), days * 100},
         {QStringLiteral("REQUIREDAMOUNT"), rent},
         {QStringLiteral("TOTAL"), rent},
         {QStringLiteral("PAID"), paid},
         {QStringLiteral("REMAINDER"), rent - paid},
         {QStringLiteral("JOURNALID"), journal}});
    receive(db, customers, customer, {"باقي إيجار العقد", 1, false, 0, "", rent - paid, contract});

    // An advance for a booking, by card; part of it paid back when the booking was shortened.
    receive(db, customers, 5, {"دفعة مقدمة لحجز", 2, false, 1, "POS 448812", 40, 0});
    receive(db, customers, 5, {"رد جزء من الدفعة المقدمة", 1, true, 0, "", 15, 0});
}
