#include "reminders/cReminder.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/JetTranslator.h"
#include "core/RunState.h"
#include "core/ShellFrame.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"
#include "reminders/POPmessages.h"
#include "reminders/frmMessageList.h"

#include <QCoreApplication>
#include <QDate>
#include <QHash>
#include <QSet>

namespace {

// Nothing marks a queue row as acted upon; the column keeps its fixed day.
constexpr qint64 NeverActioned = 20030101;

struct Hit {
    qint64 rule;
    QString title;
    QString body;
    qint64 record = 0;  // the key of what the hit is about, 0 for none
};

}

QString cReminder::queryRefusal(const QString& sql)
{
    try {
        if (JetTranslator::isSingleSelect(sql))
            return {};
    } catch (const AppError& error) {
        return error.description();
    }
    return QCoreApplication::translate("cReminder", "A reminder's query must be a single select statement.");
}

QString cReminder::queryProblem(const QString& sql)
{
    const QString refusal = queryRefusal(sql);
    if (!refusal.isEmpty())
        return refusal;
    try {
        runQuery(sql);
    } catch (const AppError& error) {
        return error.description();
    }
    return {};
}

RowSet cReminder::runQuery(const QString& sql)
{
    try {
        return m_state.db().executeLimited(sql, queryTimeLimitMs);
    } catch (const AppError& error) {
        if (error.number() != Database::TimedOut)
            throw;
        throw AppError(error.number(),
                       QCoreApplication::translate("cReminder", "The query ran longer than %1 seconds and was stopped.")
                           .arg(qMax(1, queryTimeLimitMs / 1000)),
                       error.source(), error.sqlState());
    }
}

bool cReminder::BuildReminders()
{
    Database& db = m_state.db();
    const QDate today = QDate::currentDate();
    const QString todayText = StoredDate::text(today);
    const qint64 todayNumber = todayText.toLongLong();

    // The rules' queries run before the queue is written: a slow one holds
    // neither the office's write lock nor, past its time limit, this workstation.
    QList<Hit> hits;
    // By rule whose query ran: what it finds today, and the title of its own day.
    QHash<qint64, QSet<QString>> found;
    const RowSet rules = db.execute(QStringLiteral("select * from _Reminder where onoff = 1"));
    for (int r = 0; r < rules.count(); ++r) {
        const qint64 rule = rules.value(r, QStringLiteral("reminderid")).toLongLong();
        const QString name = rules.text(r, QStringLiteral("REMINDERRULENAME"));
        const QString body = rules.text(r, QStringLiteral("Message"));
        if (rules.text(r, QStringLiteral("REMINDERDATE")) == todayText)
            hits.append({rule, QStringLiteral("  ") + name, body});
        const QString sql = rules.text(r, QStringLiteral("SQLREMINDERLIST")).trimmed();
        if (sql.isEmpty())
            continue;
        const QString where = ERROR_SOURCE + QStringLiteral(": ") + name.trimmed();
        const QString refusal = queryRefusal(sql);
        if (!refusal.isEmpty()) {
            ReportError(m_state, nullptr, QString::number(ErrorNumber::RefusedStatement), refusal, where);
            continue;
        }
        try {
            const RowSet rows = runQuery(sql);
            QSet<QString>& titles = found[rule];
            titles.insert(QStringLiteral("  ") + name);
            const bool keyed = rows.columns().size() > 1;
            for (int h = 0; h < rows.count(); ++h) {
                hits.append({rule, name + rows.value(h, 0).toString(), body,
                             keyed ? rows.value(h, 1).toLongLong() : 0});
                titles.insert(hits.constLast().title);
            }
        } catch (const AppError& error) {
            ReportError(m_state, nullptr, error, where);
        }
    }

    Transaction transaction(db);
    QSet<QPair<qint64, QString>> queued;
    QStringList stale;
    const RowSet queue = db.execute(QStringLiteral("select reminderid, message, reminderqueueid from reminderqueue"));
    for (int i = 0; i < queue.count(); ++i) {
        const qint64 rule = queue.value(i, 0).toLongLong();
        const QString title = queue.text(i, QStringLiteral("message"));
        // A car insured again or a contract come back is no longer due: its
        // message goes. A rule whose query failed today keeps its messages.
        const auto now = found.constFind(rule);
        if (now != found.cend() && !now->contains(title)) {
            stale << SqlValue::number(queue.value(i, 2).toLongLong());
            continue;
        }
        queued.insert({rule, title});
    }
    for (qsizetype from = 0; from < stale.size(); from += BatchSize)
        db.command(QStringLiteral("delete from reminderqueue where reminderqueueid in (")
                   + stale.mid(from, BatchSize).join(QLatin1Char(',')) + QLatin1Char(')'));
    QList<QVariantList> rows;
    for (const Hit& hit : hits) {
        if (queued.contains({hit.rule, hit.title}))
            continue;
        queued.insert({hit.rule, hit.title});
        rows.append({hit.body, hit.rule, hit.title, todayNumber, NeverActioned, hit.record});
    }

    const QStringList columns{QStringLiteral("ERRORMESSAGE"), QStringLiteral("reminderid"),
                              QStringLiteral("message"), QStringLiteral("RELEASEDATE"),
                              QStringLiteral("DATEACTIONED"), QStringLiteral("RECORDID")};
    for (qsizetype from = 0; from < rows.size(); from += BatchSize) {
        db.insertRows(QStringLiteral("reminderqueue"), columns, rows.mid(from, BatchSize));
        m_state.ui().ShowProgress(int(qMin<qsizetype>(from + BatchSize, rows.size()) * 100 / rows.size()));
    }
    transaction.commit();
    m_state.ui().ShowProgress(-1);
    return true;
}

bool cReminder::ShowReminders()
{
    const RowSet queue = m_state.db().execute(QStringLiteral("select * from REMINDERQUEUE  "));
    NoMore = false;
    ShellFrame* frame = m_state.ui().frame();
    QWidget* parent = frame ? frame->frameWidget() : nullptr;
    for (int i = 0; i < queue.count() && !NoMore; ++i) {
        POPmessages window(m_state, parent);
        window.showMessage(queue.value(i, QStringLiteral("reminderqueueid")).toLongLong(),
                           queue.text(i, QStringLiteral("Message")), queue.text(i, QStringLiteral("ErrorMessage")));
        m_state.ui().exec(&window);
    }
    return true;
}

bool cReminder::ShowMessageList()
{
    ShellFrame* frame = m_state.ui().frame();
    frmMessageList window(m_state, frame ? frame->frameWidget() : nullptr);
    m_state.ui().exec(&window);
    return true;
}

bool cReminder::DeleteQueueMessage(qint64 queueId)
{
    m_state.db().command(QStringLiteral("delete from reminderqueue where reminderqueueid = ")
                         + SqlValue::number(queueId));
    return true;
}
