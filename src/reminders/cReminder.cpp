#include "reminders/cReminder.h"

#include "reminders/POPmessages.h"
#include "shell/base/AppError.h"
#include "shell/base/JetTranslator.h"
#include "shell/base/RunState.h"
#include "shell/base/ShellFrame.h"
#include "shell/base/SqlValue.h"

#include <QCoreApplication>
#include <QDate>
#include <QSet>

namespace {

// Nothing marks a queue row as acted upon; the column keeps its fixed day.
constexpr qint64 NeverActioned = 20030101;

struct Hit {
    qint64 rule;
    QString title;
    QString body;
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

bool cReminder::BuildReminders()
{
    Database& db = m_state.db();
    const QDate today = QDate::currentDate();
    const QString todayText = today.toString(QStringLiteral("yyyyMMdd"));
    const qint64 todayNumber = todayText.toLongLong();

    Transaction transaction(db);
    QSet<QPair<qint64, QString>> queued;
    const RowSet queue = db.execute(QStringLiteral("select reminderid, message from reminderqueue"));
    for (int i = 0; i < queue.count(); ++i)
        queued.insert({queue.value(i, 0).toLongLong(), queue.text(i, QStringLiteral("message"))});

    QList<QVariantList> rows;
    const auto add = [&](qint64 rule, const QString& title, const QString& body) {
        if (queued.contains({rule, title}))
            return;
        queued.insert({rule, title});
        rows.append({body, rule, title, todayNumber, NeverActioned});
    };

    const RowSet rules = db.execute(QStringLiteral("select * from _Reminder where onoff = 1"));
    for (int r = 0; r < rules.count(); ++r) {
        const qint64 rule = rules.value(r, QStringLiteral("reminderid")).toLongLong();
        const QString name = rules.text(r, QStringLiteral("REMINDERRULENAME"));
        const QString body = rules.text(r, QStringLiteral("Message"));
        if (rules.text(r, QStringLiteral("REMINDERDATE")) == todayText)
            add(rule, QStringLiteral("  ") + name, body);
        const QString sql = rules.text(r, QStringLiteral("SQLREMINDERLIST")).trimmed();
        if (sql.isEmpty() || !queryRefusal(sql).isEmpty())
            continue;
        // A rule whose query fails queues nothing; its savepoint keeps the build going.
        try {
            Transaction ruleQuery(db);
            const RowSet hits = db.execute(sql);
            ruleQuery.commit();
            for (int h = 0; h < hits.count(); ++h)
                add(rule, name + hits.value(h, 0).toString(), body);
        } catch (const AppError&) {
        }
    }

    const QStringList columns{QStringLiteral("ERRORMESSAGE"), QStringLiteral("reminderid"),
                              QStringLiteral("message"), QStringLiteral("RELEASEDATE"),
                              QStringLiteral("DATEACTIONED")};
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

bool cReminder::DeleteQueueMessage(qint64 queueId)
{
    m_state.db().command(QStringLiteral("delete from reminderqueue where reminderqueueid = ")
                         + SqlValue::number(queueId));
    return true;
}
