#pragma once

#include "core/Database.h"
#include "engine/NumberEdit.h"

#include <QLineEdit>
#include <QWidget>

// What the posting benchmarks post: a voucher of an amount and a name, and a
// ledger rule of `pairs` pairs over it, cash against rent income.
namespace BenchVoucher {

inline void fill(QWidget& voucher)
{
    auto* amount = new NumberEdit(&voucher);
    amount->setObjectName(QStringLiteral("dfnAmount"));
    amount->setText(QStringLiteral("125.5"));
    auto* name = new QLineEdit(&voucher);
    name->setObjectName(QStringLiteral("txtNAME"));
    name->setText(QStringLiteral("سند قبض"));
}

inline void addRule(Database& db, const QString& window, int pairs)
{
    const qint64 rule = db.insert(QStringLiteral("_GLRULE"), QStringLiteral("GLRULEID"),
                                  {{QStringLiteral("WINDOWNAME"), window},
                                   {QStringLiteral("NAME"), QStringLiteral("bench")},
                                   {QStringLiteral("AMOUNTFIELD"), QStringLiteral(":dfnAmount")}});
    for (int i = 0; i < pairs; ++i)
        db.insert(QStringLiteral("_GLRULEDETAIL"), QStringLiteral("GLRULEDETAILID"),
                  {{QStringLiteral("GLRULEID"), rule},
                   {QStringLiteral("DEBITACCOUNTFIELD"), QStringLiteral("1100")},
                   {QStringLiteral("CREDITACCOUNTFIELD"), QStringLiteral("4100")},
                   {QStringLiteral("RELATEDDETAILDEBITFIELD"), QStringLiteral(":txtNAME")},
                   {QStringLiteral("RELATEDDETAILCREDITFIELD"), QStringLiteral("line %1").arg(i)}});
}

}
