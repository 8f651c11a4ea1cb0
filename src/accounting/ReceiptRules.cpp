#include "accounting/ReceiptRules.h"

#include "accounting/LedgerSetup.h"
#include "core/Database.h"

namespace {

using namespace LedgerAccounts;

const struct {
    const char* name;
    const char* amount;
    Account money;
    bool in;
} Rules[] = {
    {"سند قبض - نقدا", ReceiptRules::CashIn, Cash, true},
    {"سند قبض - بطاقة", ReceiptRules::CardIn, CardClearing, true},
    {"سند قبض - تحويل بنكي أو شيك", ReceiptRules::BankIn, Bank, true},
    {"رد مبلغ - نقدا", ReceiptRules::CashOut, Cash, false},
    {"رد مبلغ - بطاقة", ReceiptRules::CardOut, CardClearing, false},
    {"رد مبلغ - تحويل بنكي أو شيك", ReceiptRules::BankOut, Bank, false},
};

}

void ReceiptRules::insert(Database& db)
{
    const QString window = QStringLiteral("frmReceipt");
    const QString customers = QString::number(qint64(Customers));
    for (const auto& r : Rules) {
        const qint64 id = db.insert(QStringLiteral("_GLRULE"), QStringLiteral("GLRULEID"),
                                    {{QStringLiteral("WINDOWNAME"), window},
                                     {QStringLiteral("NAME"), QString::fromUtf8(r.name)},
                                     {QStringLiteral("AMOUNTFIELD"), QLatin1Char(':') + QLatin1String(r.amount)}});
        const QString money = QString::number(qint64(r.money));
        // The money account's line tells what for, the customer's line who.
        db.insert(QStringLiteral("_GLRULEDETAIL"), QStringLiteral("GLRULEDETAILID"),
                  {{QStringLiteral("GLRULEID"), id},
                   {QStringLiteral("DEBITACCOUNTFIELD"), r.in ? money : customers},
                   {QStringLiteral("CREDITACCOUNTFIELD"), r.in ? customers : money},
                   {QStringLiteral("RELATEDDETAILDEBITFIELD"), r.in ? QStringLiteral(":txtNAME") : QStringLiteral(":dfsCustomerNAME")},
                   {QStringLiteral("RELATEDDETAILCREDITFIELD"), r.in ? QStringLiteral(":dfsCustomerNAME") : QStringLiteral(":txtNAME")}});
    }
}

void ReceiptRules::addWhenMissing(Database& db)
{
    if (db.execute(QStringLiteral("select count(*) from _GLRULE where WINDOWNAME = 'frmReceipt'")).value(0, 0).toInt() == 0)
        insert(db);
}
