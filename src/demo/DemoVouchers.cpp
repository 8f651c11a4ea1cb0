#include "demo/DemoVouchers.h"

#include "core/Database.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"

#include <QDate>
#include <QHash>

namespace {

struct Voucher {
    const char* screen;
    int daysAgo;
    const char* name;
    double amount;
    int car;  // row of the car list; -1: no car
    bool cheque;
    const char* narrative;
};

const Voucher vouchers[] = {
    {"frmIncomeRent", 12, "إيجار أسبوعي نقدا", 84, 0, false, "دفعة إيجار أسبوع لعميل دائم"},
    {"frmIncomeRent", 5, "إيجار شهري", 240, 4, true, "إيجار شهر كامل بشيك"},
    {"frmIncomeRent", 1, "تعويض خدش", 35, 1, false, "تعويض من العميل عن خدش في الباب"},
    {"frmIncomeGeneral", 18, "بيع إطارات مستعملة", 60, -1, false, "أربعة إطارات قديمة"},
    {"frmIncomeGeneral", 3, "عمولة تأمين", 45.5, -1, true, "عمولة من شركة التأمين"},
    {"frmExpenseRent", 15, "تغيير زيت", 18.75, 2, false, "تغيير زيت وفلتر"},
    {"frmExpenseRent", 9, "إصلاح مكيف", 95, 3, true, "ورشة التبريد"},
    {"frmExpenseRent", 2, "غسيل وتلميع", 6, 0, false, "قبل التسليم للعميل"},
    {"frmExpenseGeneral", 20, "إيجار المكتب", 350, -1, true, "إيجار شهر المكتب"},
    {"frmExpenseGeneral", 6, "قرطاسية", 12.25, -1, false, "أوراق وأحبار طابعة"},
};

// A field reference of a rule: ":" and a field of the voucher, or a literal.
QString resolve(const QString& reference, const QHash<QString, QString>& fields)
{
    const QString ref = reference.trimmed();
    if (ref.isEmpty())
        return QStringLiteral("0");
    if (!ref.startsWith(QLatin1Char(':')))
        return ref;
    const QString value = fields.value(ref.mid(1).toLower()).trimmed();
    return value.isEmpty() ? QStringLiteral("0") : value;
}

// The voucher's lines as its screen's ledger rule writes them on a save.
void post(Database& db, qint64 journal, qint64 date, const QString& screen, const QHash<QString, QString>& fields)
{
    const RowSet rules = db.execute(
        QStringLiteral("select R.AMOUNTFIELD , D.* from _GLRULE R , _GLRULEDETAIL D where D.GLRULEID = R.GLRULEID "
                       "and R.WINDOWNAME = '")
        + SqlValue::text(screen) + QStringLiteral("' order by D.GLRULEDETAILID"));
    for (int r = 0; r < rules.count(); ++r) {
        const double amount = resolve(rules.text(r, QStringLiteral("AMOUNTFIELD")), fields).toDouble();
        if (amount == 0)
            continue;
        const std::pair<const char*, const char*> sides[] = {{"DEBITACCOUNTFIELD", "RELATEDDETAILDEBITFIELD"},
                                                             {"CREDITACCOUNTFIELD", "RELATEDDETAILCREDITFIELD"}};
        int debit = 1;
        for (const auto& [account, text] : sides) {
            db.insert(QStringLiteral("JOURNALDETAIL"), QStringLiteral("JOURNALDETAILID"),
                      {{QStringLiteral("TRANSACTIONDATE"), date},
                       {QStringLiteral("AMOUNT"), amount},
                       {QStringLiteral("JOURNALID"), journal},
                       {QStringLiteral("ACCOUNTNUMBER"),
                        resolve(rules.text(r, QLatin1String(account)), fields).toLongLong()},
                       {QStringLiteral("RELATEDDETAIL"), resolve(rules.text(r, QLatin1String(text)), fields)},
                       {QStringLiteral("DEBITORCREDIT"), debit}});
            debit = 0;
        }
    }
}

}

void DemoVouchers::insert(Database& db)
{
    const RowSet cars = db.execute(QStringLiteral("select carid , PLATENO , name from car order by carid"));
    const QDate today = QDate::currentDate();
    for (const Voucher& v : vouchers) {
        const bool withCar = v.car >= 0 && v.car < cars.count();
        const qint64 car = withCar ? cars.value(v.car, QStringLiteral("carid")).toLongLong() : 0;
        const QString plate = withCar ? cars.text(v.car, QStringLiteral("PLATENO")).trimmed() : QString();
        const qint64 date = StoredDate::number(today.addDays(-v.daysAgo));
        const QString name = QString::fromUtf8(v.name);
        const qint64 journal = db.insert(QStringLiteral("JOURNAL"), QStringLiteral("JOURNALID"),
                                         {{QStringLiteral("NAME"), name},
                                          {QStringLiteral("WINDOWNAME"), QString::fromLatin1(v.screen)},
                                          {QStringLiteral("AMOUNT"), v.amount},
                                          {QStringLiteral("TRANSACTIONDATE"), date},
                                          {QStringLiteral("CARID"), car},
                                          {QStringLiteral("LICENSENO"), plate},
                                          {QStringLiteral("PAIDBYCHEQUE"), v.cheque ? 1 : 0},
                                          {QStringLiteral("NARRATIVE"), QString::fromUtf8(v.narrative)}});
        // The fields as the screen shows them: the car by its name, the amount as paid.
        const QString amount = QString::number(v.amount);
        post(db, journal, date, QLatin1String(v.screen),
             {{QStringLiteral("dfnamount"), amount},
              {QStringLiteral("txtnpaidincash"), v.cheque ? QStringLiteral("0") : amount},
              {QStringLiteral("txtnpaidbycheque"), v.cheque ? amount : QStringLiteral("0")},
              {QStringLiteral("txtname"), name},
              {QStringLiteral("dfgcarid"), withCar ? cars.text(v.car, QStringLiteral("name")).trimmed() : QString()}});
    }
}
