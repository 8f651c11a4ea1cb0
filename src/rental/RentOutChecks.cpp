#include "rental/RentOutChecks.h"

#include "core/Database.h"
#include "core/RunState.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"
#include "core/cSecurity.h"
#include "core/cUI.h"

#include <QDateTime>
#include <QStringList>
#include <QWidget>
#include <algorithm>

namespace {

using Period = RentOutChecks::Period;
using Findings = RentOutChecks::Findings;

Period settled(const Period& period)
{
    const QDate from = period.from.isValid() ? period.from : QDate::currentDate();
    return {from, period.to.isValid() && period.to > from ? period.to : from};
}

QString shown(const QDate& day)
{
    return day.toString(QStringLiteral("dd/MM/yyyy"));
}

QDate day(const RowSet& row, const QString& column)
{
    return StoredDate::parse(QString::number(row.value(0, column).toLongLong()));
}

// A paper valid through its expiry day: expired before the car goes out, or
// running out before it is back. A paper without a date is not judged.
void judgePaper(Findings& found, const QDate& expiry, const Period& period, bool blocks, const QString& expired,
                const QString& expiring)
{
    if (!expiry.isValid())
        return;
    if (expiry < period.from)
        found.append({blocks, expired.arg(shown(expiry))});
    else if (expiry < period.to)
        found.append({false, expiring.arg(shown(expiry), shown(period.to))});
}

QString bullets(const Findings& found)
{
    QString list;
    for (const RentOutChecks::Finding& f : found)
        list += QStringLiteral("\n\u2022 ") + f.text;
    return list;
}

}

RentOutChecks::Findings RentOutChecks::customer(Database& db, qint64 customerId, const Period& asked)
{
    const RowSet row = db.execute(QStringLiteral("select BLACKLIST, STOPTRANSACTION, HOMELICENSEEXPIRY, IDEXPIRYDATE "
                                                 "from Customer where CUSTOMERID = ")
                                  + SqlValue::number(customerId));
    Findings found;
    if (row.isEmpty())
        return found;
    if (row.value(0, QStringLiteral("BLACKLIST")).toInt() != 0)
        found.append({true, tr("The customer is on the black list.")});
    if (row.value(0, QStringLiteral("STOPTRANSACTION")).toInt() != 0)
        found.append({false, tr("Dealings with the customer are stopped.")});
    judgePaper(found, day(row, QStringLiteral("HOMELICENSEEXPIRY")), settled(asked), true,
               tr("The customer's driving licence expired on %1."),
               tr("The customer's driving licence expires on %1, before the car is due back on %2."));
    // An expired ID is asked about, not refused: the licence is what allows the driving.
    judgePaper(found, day(row, QStringLiteral("IDEXPIRYDATE")), settled(asked), false,
               tr("The customer's ID expired on %1."),
               tr("The customer's ID expires on %1, before the car is due back on %2."));
    return found;
}

RentOutChecks::Findings RentOutChecks::car(Database& db, qint64 carId, const Period& asked, qint64 meter)
{
    const RowSet row = db.execute(QStringLiteral("select * from car where carid = ") + SqlValue::number(carId));
    Findings found;
    if (row.isEmpty())
        return found;
    const Period period = settled(asked);
    judgePaper(found, day(row, QStringLiteral("LICENSEEXPIRY")), period, true, tr("The car's licence expired on %1."),
               tr("The car's licence expires on %1, before the car is due back on %2."));
    judgePaper(found, day(row, QStringLiteral("INSURANEDC1DATETTO")), period, true,
               tr("The car's first insurance expired on %1."),
               tr("The car's first insurance expires on %1, before the car is due back on %2."));
    judgePaper(found, day(row, QStringLiteral("INSURANCE2DATETO")), period, true,
               tr("The car's second insurance expired on %1."),
               tr("The car's second insurance expires on %1, before the car is due back on %2."));

    const qint64 reading = std::max(meter, row.value(0, QStringLiteral("METER")).toLongLong());
    for (int n = 1; n <= 3; ++n) {
        const auto column = [n](const char* name) { return QLatin1String(name) + QString::number(n); };
        QString name = row.text(0, column("MAINTYPE")).trimmed();
        if (name.isEmpty())
            name = tr("schedule %1").arg(n);
        // Due on a day the car is out, or already: the service waits for its return day only.
        const qint64 everyDays = row.value(0, column("EVERYDAYS")).toLongLong();
        const QDate start = day(row, column("MAINTSTART"));
        if (everyDays > 0 && start.isValid()) {
            const QDate due = start.addDays(everyDays);
            if (due <= period.from || due < period.to)
                found.append({false, tr("Maintenance \"%1\" is due on %2.").arg(name, shown(due))});
        }
        const qint64 everyKm = row.value(0, column("MAINTMILES")).toLongLong();
        const qint64 dueAt = row.value(0, column("MAINTMILESSTART")).toLongLong() + everyKm;
        if (everyKm > 0 && reading >= dueAt)
            found.append({false, tr("Maintenance \"%1\" is due at %2 km; the meter reads %3 km.")
                                     .arg(name, QString::number(dueAt), QString::number(reading))});
    }
    return found;
}

bool RentOutChecks::anyBlocking(const Findings& found)
{
    return std::any_of(found.cbegin(), found.cend(), [](const Finding& f) { return f.blocking; });
}

RentOutChecks::RentOutChecks(RunState& state, QWidget* screen) : m_state(state), m_screen(screen) {}

bool RentOutChecks::mayGoOut(const Parties& now, const Parties& before, const Period& period, qint64 meter)
{
    m_overridden.clear();
    Database& db = m_state.db();
    Findings found;
    if (now.customer > 0 && now.customer != before.customer)
        found += customer(db, now.customer, period);
    if (now.car > 0 && now.car != before.car)
        found += car(db, now.car, period, meter);
    if (found.isEmpty())
        return true;
    const QString title = tr("Before the car goes out");
    if (anyBlocking(found) && !cSecurity(m_state).HasMenuRight(QStringLiteral("F3M"), 4)) {
        m_state.ui().message(m_screen,
                             tr("The car cannot go out:%1\n\nOnly an operator with the right to open the options "
                                "(Sys Data menu, button 4) may let it go out all the same.")
                                 .arg(bullets(found)),
                             title);
        return false;
    }
    if (!m_state.ui().question(m_screen, tr("Before the car goes out, note:%1\n\nGo on all the same?").arg(bullets(found)),
                               title))
        return false;
    for (const Finding& f : found)
        if (f.blocking)
            m_overridden.append(f);
    return true;
}

void RentOutChecks::recordOverride(const QString& record)
{
    if (m_overridden.isEmpty())
        return;
    QStringList what;
    for (const Finding& f : m_overridden)
        what << f.text;
    const QDateTime now = QDateTime::currentDateTime();
    m_state.db().insert(QStringLiteral("_JOURNAL"), QStringLiteral("JOURNALID"),
                        {{QStringLiteral("USER"), m_state.CurrentLoginId},
                         {QStringLiteral("JOURNALDATE"), StoredDate::number(now.date())},
                         {QStringLiteral("JOURNALTIME"), now.time().toString(QStringLiteral("hhmmss"))},
                         {QStringLiteral("JOURNALDESCRIPTION"),
                          tr("%1: the car went out despite: %2").arg(record, what.join(QLatin1Char(' ')))},
                         {QStringLiteral("FORM"), m_screen->objectName()},
                         {QStringLiteral("FORMNAME"), m_screen->windowTitle()},
                         {QStringLiteral("MODIFICATIONDESCRIPTION"), tr("Warning passed over")}});
    m_overridden.clear();
}
