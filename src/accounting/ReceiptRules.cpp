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

}

void ReceiptRules::insert(Database& db)
{
    for (const Rule& r : Rules)
        add(db, r);
}

void ReceiptRules::addWhenMissing(Database& db)
{
    const QString has = QStringLiteral("select count(*) from _GLRULE where WINDOWNAME = 'frmReceipt' and AMOUNTFIELD = ':");
    for (const Rule& r : Rules)
        if (db.execute(has + QLatin1String(r.amount) + QLatin1Char('\'')).value(0, 0).toInt() == 0)
            add(db, r);
}
