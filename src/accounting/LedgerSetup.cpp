#include "accounting/LedgerSetup.h"

#include "core/Database.h"
#include "core/StoredDate.h"

#include <QDate>
#include <algorithm>
#include <tuple>

namespace {

using namespace LedgerAccounts;

enum Category { Asset = 1, Liability = 2, Income = 3, Expense = 4 };

struct Pair {
    Account debit;
    Account credit;
    const char* debitText;
    const char* creditText;
};

void rule(Database& db, const char* window, const QString& name, const char* amount, const QList<Pair>& pairs)
{
    const qint64 id = db.insert(QStringLiteral("_GLRULE"), QStringLiteral("GLRULEID"),
                                {{QStringLiteral("WINDOWNAME"), QString::fromLatin1(window)},
                                 {QStringLiteral("NAME"), name},
                                 {QStringLiteral("AMOUNTFIELD"), QString::fromLatin1(amount)}});
    for (const Pair& p : pairs)
        db.insert(QStringLiteral("_GLRULEDETAIL"), QStringLiteral("GLRULEDETAILID"),
                  {{QStringLiteral("GLRULEID"), id},
                   {QStringLiteral("DEBITACCOUNTFIELD"), QString::number(qint64(p.debit))},
                   {QStringLiteral("CREDITACCOUNTFIELD"), QString::number(qint64(p.credit))},
                   {QStringLiteral("RELATEDDETAILDEBITFIELD"), QString::fromLatin1(p.debitText)},
                   {QStringLiteral("RELATEDDETAILCREDITFIELD"), QString::fromLatin1(p.creditText)}});
}

void rule(Database& db, const char* window, const char* name, const char* amount, const QList<Pair>& pairs)
{
    rule(db, window, QString::fromUtf8(name), amount, pairs);
}

// A voucher moves its amount between the account of its kind and the cash
// box, or the bank for what was paid by cheque: the screen gives the two
// parts, and the part that is 0 posts nothing.
const struct Voucher {
    const char* window;
    const char* name;
    Account kind;
    bool income;
    const char* debitText;
    const char* creditText;

    Pair through(Account money) const
    {
        return income ? Pair{money, kind, debitText, creditText} : Pair{kind, money, debitText, creditText};
    }
    QString chequeName() const { return QString::fromUtf8(name) + QString::fromUtf8(" - شيك"); }
} Vouchers[] = {
    {"frmIncomeRent", "دخل سيارة", RentIncome, true, ":txtNAME", ":dfgCarID"},
    {"frmIncomeGeneral", "دخل عام", OtherIncome, true, ":txtNAME", ":txtNAME"},
    {"frmExpenseRent", "مصروف سيارة", CarExpenses, false, ":dfgCarID", ":txtNAME"},
    {"frmExpenseGeneral", "مصروف عام", GeneralExpenses, false, ":txtNAME", ":txtNAME"},
};
const char* const PaidInCash = ":txtnPaidInCash";
const char* const PaidByCheque = ":txtnPaidByCheque";
// What the first rules posted: the whole amount, always through cash.
const char* const WholeAmount = ":dfnAmount";

struct ChartAccount {
    Account number;
    Category category;
    const char* name;
    const char* description;
};

const ChartAccount Chart[] = {
    {Cash, Asset, "الصندوق", "النقد في المكتب"},
    {Bank, Asset, "البنك", "الحساب الجاري لدى البنك"},
    {CardClearing, Asset, "بطاقات قيد التحصيل", "ما دفع بالبطاقات حتى يصل إلى البنك"},
    {Customers, Asset, "العملاء", "ما على العملاء من الإيجار"},
    {DepositsHeld, Liability, "تأمينات العملاء", "التأمين المستلم من العملاء حتى يرد أو يخصم"},
    {VatPayable, Liability, "ضريبة القيمة المضافة المستحقة", "الضريبة المحصلة المستحقة للهيئة"},
    {RentIncome, Income, "إيرادات الإيجار", "الإيجار اليومي للعقود"},
    {ExtraKilometreIncome, Income, "إيرادات الكيلومترات الزائدة", "ما يزيد على المسموح من الكيلومترات"},
    {OtherIncome, Income, "إيرادات أخرى", "المبالغ الأخرى والإيرادات العامة"},
    {FuelIncome, Income, "إيرادات الوقود", "الوقود الناقص عند عودة السيارة"},
    {DamageIncome, Income, "إيرادات الأضرار", "ما يتحمله العميل من أضرار السيارة"},
    {CarExpenses, Expense, "مصروفات السيارات", "ما يصرف على سيارة بعينها"},
    {Insurance, Expense, "التأمين", "أقساط تأمين السيارات"},
    {Maintenance, Expense, "الصيانة", "صيانة السيارات وإصلاحها"},
    {Fuel, Expense, "الوقود", "وقود السيارات"},
    {Salaries, Expense, "الرواتب", "رواتب الموظفين"},
    {GeneralExpenses, Expense, "مصروفات عامة", "مصروفات المكتب الأخرى"},
};

void insertAccount(Database& db, const ChartAccount& a)
{
    db.insert(QStringLiteral("chartofaccount"), QStringLiteral("CHARTOFACCOUNTID"),
              {{QStringLiteral("NAME"), QString::fromUtf8(a.name)},
               {QStringLiteral("ACCOUNTNUMBER"), qint64(a.number)},
               {QStringLiteral("ACCOUNTCATEGORYID"), int(a.category)},
               {QStringLiteral("DESCRIPTION"), QString::fromUtf8(a.description)}});
}

// The deposit goes out with the car into the money account of its way of
// payment, held for the customer; at return what is kept pays part of what he
// owes and the rest goes back the way it came. The VAT of the close-out is
// owed to the tax office. Amounts of 0 post nothing.
void contractMoneyRules(Database& db)
{
    for (const DepositMethods::Method& m : DepositMethods::All) {
        const QString name = QString::fromUtf8(m.arabic);
        rule(db, DepositMethods::TakenRules, QString::fromUtf8("تأمين عقد إيجار - ") + name,
             (QByteArray(":") + m.takenField).constData(), {{m.account, DepositsHeld, ":txtNAME", ":dfsCustomerNAME"}});
    }
    rule(db, "frmRentCar", "تسليم عقد إيجار - ضريبة القيمة المضافة", ":dfnVatAmount",
         {{Customers, VatPayable, ":dfsCustomerNAME", ":txtNAME"}});
    rule(db, "frmRentCar", "تسليم عقد إيجار - المخصوم من التأمين", ":dfnDepositKept",
         {{DepositsHeld, Customers, ":txtNAME", ":dfsCustomerNAME"}});
    for (const DepositMethods::Method& m : DepositMethods::All) {
        const QString name = QString::fromUtf8(m.arabic);
        rule(db, "frmRentCar", QString::fromUtf8("تسليم عقد إيجار - رد التأمين - ") + name,
             (QByteArray(":") + m.refundedField).constData(), {{DepositsHeld, m.account, ":dfsCustomerNAME", ":txtNAME"}});
    }
}

// The fuel missing at return and the new damage charged are income of their
// own, owed by the customer like the rest of the close-out.
const struct ConditionCharge {
    const char* name;
    const char* amount;
    Account income;
} ConditionCharges[] = {
    {"تسليم عقد إيجار - الوقود الناقص", ":dfnFuelCharge", FuelIncome},
    {"تسليم عقد إيجار - الأضرار", ":dfnDamageCharge", DamageIncome},
};

void conditionRule(Database& db, const ConditionCharge& c)
{
    rule(db, "frmRentCar", c.name, c.amount, {{Customers, c.income, ":dfsCustomerNAME", ":txtNAME"}});
}

// The chart's accounts among `numbers` that the office lacks; a number it
// already uses keeps its own account.
void addMissingAccounts(Database& db, std::initializer_list<Account> numbers)
{
    for (const ChartAccount& a : Chart)
        if (std::find(numbers.begin(), numbers.end(), a.number) != numbers.end()
            && db.execute(QStringLiteral("select ACCOUNTNUMBER from chartofaccount where ACCOUNTNUMBER = ")
                          + QString::number(qint64(a.number)))
                   .isEmpty())
            insertAccount(db, a);
}

}

void LedgerSetup::insertChart(Database& db)
{
    const std::pair<Category, const char*> categories[] = {
        {Asset, "أصول"}, {Liability, "خصوم"}, {Income, "إيرادات"}, {Expense, "مصروفات"}};
    for (const auto& [id, name] : categories)
        db.insert(QStringLiteral("ACCOUNTCATEGORY"), QStringLiteral("ACCOUNTCATEGORYID"),
                  {{QStringLiteral("ACCOUNTCATEGORYID"), int(id)}, {QStringLiteral("NAME"), QString::fromUtf8(name)}});

    for (const ChartAccount& a : Chart)
        insertAccount(db, a);
}

void LedgerSetup::addCounterAccounts(Database& db)
{
    // Offices made before deposits, card payments and VAT lack their accounts.
    addMissingAccounts(db, {CardClearing, DepositsHeld, VatPayable});
}

void LedgerSetup::addCarConditionLedger(Database& db)
{
    addMissingAccounts(db, {FuelIncome, DamageIncome});
    for (const ConditionCharge& c : ConditionCharges)
        if (db.execute(QStringLiteral("select GLRULEID from _GLRULE where WINDOWNAME = 'frmRentCar' and AMOUNTFIELD = '")
                       + QString::fromLatin1(c.amount) + QLatin1Char('\''))
                .isEmpty())
            conditionRule(db, c);
}

void LedgerSetup::insertRules(Database& db)
{
    for (const Voucher& v : Vouchers) {
        rule(db, v.window, v.name, PaidInCash, {v.through(Cash)});
        rule(db, v.window, v.chequeName(), PaidByCheque, {v.through(Bank)});
    }

    // A surrendered contract charges the customer its rent, the extra
    // kilometres, the other amounts, the missing fuel and the new damage, and
    // takes what he paid into cash. Each amount is a rule of its own; an
    // amount of 0 posts nothing.
    rule(db, "frmRentCar", "تسليم عقد إيجار", ":dfnRequiredAmount",
         {{Customers, RentIncome, ":dfsCustomerNAME", ":txtNAME"}});
    rule(db, "frmRentCar", "تسليم عقد إيجار - كيلومترات زائدة", ":dfnRequiredKilometersDiff",
         {{Customers, ExtraKilometreIncome, ":dfsCustomerNAME", ":txtNAME"}});
    rule(db, "frmRentCar", "تسليم عقد إيجار - مبالغ أخرى", ":dfnOtherAmounts",
         {{Customers, OtherIncome, ":dfsCustomerNAME", ":txtNAME"}});
    for (const ConditionCharge& c : ConditionCharges)
        conditionRule(db, c);
    rule(db, "frmRentCar", "تسليم عقد إيجار - المدفوع", ":dfnPaid",
         {{Cash, Customers, ":txtNAME", ":dfsCustomerNAME"}});
    contractMoneyRules(db);
}

void LedgerSetup::addContractMoneyRules(Database& db)
{
    if (db.execute(QStringLiteral("select GLRULEID from _GLRULE where WINDOWNAME = '")
                   + QString::fromLatin1(DepositMethods::TakenRules) + QLatin1Char('\''))
            .isEmpty())
        contractMoneyRules(db);
}

void LedgerSetup::postChequesToTheBank(Database& db)
{
    for (const Voucher& v : Vouchers) {
        const RowSet rows = db.execute(
            QStringLiteral("select r.GLRULEID, r.AMOUNTFIELD, d.DEBITACCOUNTFIELD, d.CREDITACCOUNTFIELD, "
                           "d.RELATEDDETAILDEBITFIELD, d.RELATEDDETAILCREDITFIELD from _GLRULE r left join "
                           "_GLRULEDETAIL d on d.GLRULEID = r.GLRULEID where r.WINDOWNAME = '")
            + QString::fromLatin1(v.window) + QStringLiteral("' order by r.GLRULEID, d.GLRULEDETAILID"));
        const Pair first = v.through(Cash);
        const QStringList shipped{QString::fromLatin1(WholeAmount), QString::number(qint64(first.debit)),
                                  QString::number(qint64(first.credit)), QString::fromLatin1(first.debitText),
                                  QString::fromLatin1(first.creditText)};
        QStringList found;
        for (int c = 1; rows.count() == 1 && c < rows.columns().size(); ++c)
            found.append(rows.value(0, c).toString().trimmed());
        if (found != shipped)
            continue;
        db.command(QStringLiteral("update _GLRULE set AMOUNTFIELD = '") + QString::fromLatin1(PaidInCash)
                   + QStringLiteral("' where GLRULEID = ") + QString::number(rows.value(0, 0).toLongLong()));
        rule(db, v.window, v.chequeName(), PaidByCheque, {v.through(Bank)});
    }
}

void LedgerSetup::insertDemoEntries(Database& db)
{
    const QDate today = QDate::currentDate();
    const struct {
        int daysAgo;
        const char* name;
        double amount;
        Account from;
        Account to;
        const char* debitText;
        const char* creditText;
        const char* narrative;
    } entries[] = {
        {25, "إيرادات إيجار الشهر الماضي", 4200, Cash, RentIncome, "نقدا", "عقود الشهر الماضي",
         "رصيد الإيجارات المحصلة"},
        {20, "إيداع في البنك", 2500, Bank, Cash, "إيداع نقدي", "من الصندوق", "إيداع فائض الصندوق"},
        {14, "تأمين السيارات", 640.5, Insurance, Bank, "قسط سنوي", "شيك", "تجديد تأمين الأسطول"},
        {7, "رواتب الشهر", 1200, Salaries, Bank, "رواتب", "تحويل", "رواتب الموظفين"},
        {2, "وقود", 35.75, Fuel, Cash, "تعبئة وقود", "نقدا", "وقود سيارات التسليم"},
    };
    for (const auto& e : entries) {
        const qint64 date = StoredDate::number(today.addDays(-e.daysAgo));
        const QString debitText = QString::fromUtf8(e.debitText);
        const QString creditText = QString::fromUtf8(e.creditText);
        const qint64 journal = db.insert(QStringLiteral("JOURNAL"), QStringLiteral("JOURNALID"),
                                         {{QStringLiteral("NAME"), QString::fromUtf8(e.name)},
                                          {QStringLiteral("AMOUNT"), e.amount},
                                          {QStringLiteral("TRANSACTIONDATE"), date},
                                          {QStringLiteral("FROMACCOUNT"), qint64(e.from)},
                                          {QStringLiteral("TOACCOUNT"), qint64(e.to)},
                                          {QStringLiteral("RELATEDDETAILDEBIT"), debitText},
                                          {QStringLiteral("RELATEDDETAILCREDIT"), creditText},
                                          {QStringLiteral("NARRATIVE"), QString::fromUtf8(e.narrative)}});
        for (const auto& [account, text, side] : {std::tuple{e.from, debitText, 1}, std::tuple{e.to, creditText, 0}})
            db.insert(QStringLiteral("JOURNALDETAIL"), QStringLiteral("JOURNALDETAILID"),
                      {{QStringLiteral("TRANSACTIONDATE"), date},
                       {QStringLiteral("AMOUNT"), e.amount},
                       {QStringLiteral("JOURNALID"), journal},
                       {QStringLiteral("ACCOUNTNUMBER"), qint64(account)},
                       {QStringLiteral("RELATEDDETAIL"), text},
                       {QStringLiteral("DEBITORCREDIT"), side}});
    }
}
