#include "accounting/ReceiptRules.h"

#include "accounting/LedgerSetup.h"
#include "core/Database.h"

namespace {

using namespace LedgerAccounts;

const char* const Customer = ":dfsCustomerNAME";
const char* const Receipt = ":txtNAME";

// The money account's line tells what for, the customer's line who.
const struct Rule {
    const char* name;
    const char* amount;
    Account debit, credit;
    const char* debitText, *creditText;
} Rules[] = {
    {"سند قبض - نقدا", ReceiptRules::CashIn, Cash, Customers, Receipt, Customer},
    {"سند قبض - بطاقة", ReceiptRules::CardIn, CardClearing, Customers, Receipt, Customer},
    {"سند قبض - تحويل بنكي أو شيك", ReceiptRules::BankIn, Bank, Customers, Receipt, Customer},
    {"رد مبلغ - نقدا", ReceiptRules::CashOut, Customers, Cash, Customer, Receipt},
    {"رد مبلغ - بطاقة", ReceiptRules::CardOut, Customers, CardClearing, Customer, Receipt},
    {"رد مبلغ - تحويل بنكي أو شيك", ReceiptRules::BankOut, Customers, Bank, Customer, Receipt},
}, VatRules[] = {
    {"سند قبض - ضريبة الدفعة المقدمة", ReceiptRules::VatIn, Customers, VatPayable, Customer, Receipt},
    {"رد مبلغ - ضريبة الدفعة المقدمة", ReceiptRules::VatOut, VatPayable, Customers, Receipt, Customer},
};

void add(Database& db, const Rule& r)
{
    const qint64 id = db.insert(QStringLiteral("_GLRULE"), QStringLiteral("GLRULEID"),
                                {{QStringLiteral("WINDOWNAME"), QStringLiteral("frmReceipt")},
                                 {QStringLiteral("NAME"), QString::fromUtf8(r.name)},
                                 {QStringLiteral("AMOUNTFIELD"), QLatin1Char(':') + QLatin1String(r.amount)}});
    db.insert(QStringLiteral("_GLRULEDETAIL"), QStringLiteral("GLRULEDETAILID"),
              {{QStringLiteral("GLRULEID"), id},
               {QStringLiteral("DEBITACCOUNTFIELD"), QString::number(qint64(r.debit))},
               {QStringLiteral("CREDITACCOUNTFIELD"), QString::number(qint64(r.credit))},
               {QStringLiteral("RELATEDDETAILDEBITFIELD"), QLatin1String(r.debitText)},
               {QStringLiteral("RELATEDDETAILCREDITFIELD"), QLatin1String(r.creditText)}});
}

int count(Database& db, const QString& condition)
{
    return db.execute(QStringLiteral("select count(*) from _GLRULE where WINDOWNAME = 'frmReceipt'") + condition)
        .value(0, 0)
        .toInt();
}

}

void ReceiptRules::insert(Database& db)
{
    for (const Rule& r : Rules)
        add(db, r);
    for (const Rule& r : VatRules)
        add(db, r);
}

void ReceiptRules::addWhenMissing(Database& db)
{
    if (count(db, {}) == 0)
        insert(db);
}

void ReceiptRules::addVatWhenMissing(Database& db)
{
    // An office without receipt rules gets them all from addWhenMissing or a new office's insert.
    if (count(db, {}) == 0 || count(db, QStringLiteral(" and AMOUNTFIELD = ':") + QLatin1String(VatIn) + QLatin1Char('\'')) > 0)
        return;
    for (const Rule& r : VatRules)
        add(db, r);
}
