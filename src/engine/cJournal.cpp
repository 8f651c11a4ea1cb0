#include "engine/cJournal.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/RunState.h"
#include "core/ShellFrame.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"
#include "core/TextConvert.h"
#include "engine/ControlAccess.h"
#include "engine/ScreenDefinition.h"
#include "engine/StoredValue.h"
#include "engine/cWindow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

const QString DefaultModification = QStringLiteral("تعديل");

// The status-bar mark of a screen that shows a journal entry.
QString fromJournal()
{
    return QCoreApplication::translate("cJournal", "من السجل");
}

QString caption(const QWidget* screen)
{
    // A screen without its caption label still names its entries, so that the
    // archive's description search finds them.
    const auto* label = qobject_cast<const QLabel*>(ControlAccess::find(screen, QStringLiteral("lblScreenName")));
    if (label && !label->text().trimmed().isEmpty())
        return label->text();
    return screen->windowTitle().trimmed().isEmpty() ? screen->objectName() : screen->windowTitle();
}

// Numbers compare as numbers (a stored 12 is the 12.00 a money field shows);
// a date stored empty is the 0 an empty date field gives.
bool sameValue(const QString& stored, const QString& now, int type)
{
    if (type == StoredValue::Date && stored.trimmed().isEmpty())
        return now == QLatin1String("0");
    if (type == StoredValue::Number || type == StoredValue::Date || type == StoredValue::Flag) {
        bool a = false, b = false;
        const double x = stored.toDouble(&a), y = now.toDouble(&b);
        if (a && b)
            return x == y;
    }
    return stored == now;
}

struct Line {
    QString control;
    int type;
    QString oldValue;
    QString newValue;
    bool modified;
};

bool isInputControl(const QWidget* w)
{
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w)
        || qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QTextEdit*>(w)
        || qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
        || qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QAbstractSlider*>(w);
}

// Containers stay enabled so that the tab strip still turns its pages.
void disableControls(QWidget* parent)
{
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w)
            continue;
        if (isInputControl(w))
            w->setEnabled(false);
        else
            disableControls(w);
    }
}

void invertColours(QWidget* control)
{
    QPalette palette = control->palette();
    const QColor background = palette.color(QPalette::Active, QPalette::WindowText);
    const QColor text = palette.color(QPalette::Active, QPalette::Window);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (auto role : {QPalette::Base, QPalette::Window, QPalette::Button})
            palette.setColor(group, role, background);
        for (auto role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            palette.setColor(group, role, text);
    }
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

void showEntry(RunState& state, QWidget* screen, const RowSet& lines)
{
    if (ShellFrame* frame = state.ui().frame())
        frame->setStatusPanel(ShellFrame::ScreenPanel, fromJournal());

    disableControls(screen);
    for (const char* name : {"SSTab1", "command0"})
        if (QWidget* w = ControlAccess::find(screen, QString::fromLatin1(name)))
            w->setEnabled(true);

    for (int i = 0; i < lines.count(); ++i) {
        QWidget* control = ControlAccess::find(screen, lines.text(i, QStringLiteral("ControlName")));
        if (!control)
            continue;
        QString value = lines.text(i, QStringLiteral("newvalue"));
        if (lines.value(i, QStringLiteral("ControlType")).toInt() == StoredValue::Date)
            value = value.trimmed().size() < 6 ? QString() : DateText(value);
        try {
            ControlAccess::setDefaultValue(control, value);
        } catch (const AppError&) {
            continue;  // a value the field no longer takes is not shown
        }
        if (lines.value(i, QStringLiteral("Modified")).toInt() != 0)
            invertColours(control);
    }
    if (QWidget* print = ControlAccess::find(screen, QStringLiteral("cmdPRINT")))
        print->setEnabled(true);
}

}

void cJournal::JournalWindow(const QString& condition, const QString& modification, const QString& description,
                             QWidget* screen, const QSet<QString>* changed, const RowSet* stored,
                             const QHash<QString, QString>* shown)
{
    QWidget* w = cWindow::activeScreen(screen);
    if (!w)
        return;
    Database& db = m_state.db();
    try {
        // A journal that fails half-way leaves nothing behind, and the save goes on.
        Transaction transaction(db);
        const QString screenName = w->objectName();
        const QString screenCaption = caption(w);
        const QString entryDescription = description.isEmpty() ? screenCaption : description;
        const QString kind = modification.isEmpty() ? DefaultModification : modification;

        cWindow& window = m_state.service<cWindow>();
        const QString table = window.GetTableName(w);
        if (table == QLatin1String("0"))
            return;
        QString where = condition;
        if (where.isEmpty())
            where = QStringLiteral("Where ") + window.GetTableIdentifier(w) + QStringLiteral("  = ")
                + SqlValue::number(ControlAccess::text(ControlAccess::require(w, QStringLiteral("txtID"))),
                                   QStringLiteral("txtID"));

        // The field list below addresses one table; a screen with several has no journal.
        const ScreenDefinition& definition = window.definitionOf(w);
        if (definition.tables().size() != 1 || definition.tables().first().fields.isEmpty())
            return;
        const RowSet record = stored && !stored->isEmpty()
            ? *stored
            : db.execute(QStringLiteral("select * from ") + table + QLatin1Char(' ') + where);
        if (record.isEmpty())
            return;

        QList<Line> lines;
        lines.reserve(definition.tables().first().fields.size());
        bool anyChange = false;
        const ControlAccess::Index controls(w);
        for (const ScreenDefinition::Field& field : definition.tables().first().fields) {
            if (!record.hasColumn(field.columnKey))
                continue;
            Line line{field.control, field.type, {}, {}, false};
            const auto taken = shown ? shown->constFind(field.controlKey) : QHash<QString, QString>::const_iterator();
            if (shown && taken != shown->cend()) {
                line.newValue = *taken;
            } else {
                QWidget* control = controls.find(field.controlKey);
                const QVariant value = control ? ControlAccess::defaultValue(control) : QVariant();
                if (value.isNull())
                    continue;
                try {
                    line.newValue = StoredValue::of(control, field.type, value);
                } catch (const AppError&) {
                    continue;  // a value that does not compare is left out
                }
            }
            if (changed) {
                line.modified = changed->contains(field.controlKey);
                // The old value is journalled only for a field that changed.
                if (line.modified)
                    line.oldValue = record.text(0, field.columnKey);
            } else {
                line.oldValue = record.text(0, field.columnKey);
                line.modified = !sameValue(line.oldValue, line.newValue, field.type);
            }
            anyChange = anyChange || line.modified;
            lines << std::move(line);
        }
        if (!anyChange)
            return;

        const QDateTime now = QDateTime::currentDateTime();
        const qint64 entry = db.insert(QStringLiteral("_JOURNAL"), QStringLiteral("JOURNALID"),
                                       {{QStringLiteral("USER"), m_state.CurrentLoginId},
                                        {QStringLiteral("JOURNALDATE"), StoredDate::number(now.date())},
                                        {QStringLiteral("JOURNALTIME"), now.time().toString(QStringLiteral("hhmmss"))},
                                        {QStringLiteral("JOURNALDESCRIPTION"), entryDescription},
                                        {QStringLiteral("FORM"), screenName},
                                        {QStringLiteral("FORMNAME"), screenCaption},
                                        {QStringLiteral("MODIFICATIONDESCRIPTION"), kind}});
        m_state.LastInsertedId = entry;
        QList<QVariantList> rows;
        rows.reserve(lines.size());
        for (const Line& line : std::as_const(lines))
            rows << QVariantList{entry, line.modified ? line.oldValue : QStringLiteral("0"), line.newValue, line.type,
                                 line.control, line.modified ? 1 : 0};
        db.insertRows(QStringLiteral("_JOURNALDETAILS"),
                      {QStringLiteral("JOURNALID"), QStringLiteral("OLDVALUE"), QStringLiteral("NEWVALUE"),
                       QStringLiteral("CONTROLTYPE"), QStringLiteral("CONTROLNAME"), QStringLiteral("MODIFIED")},
                      rows);
        transaction.commit();
    } catch (const AppError& e) {
        ReportError(m_state, w, e, ERROR_SOURCE);
    }
}

void cJournal::ViewFromJournal(qint64 journalId, QWidget* parent)
{
    try {
        const RowSet lines = m_state.db().execute(
            QStringLiteral("select * from _journal j, _journaldetails jd where j.journalid = jd.journalid  and j.journalid = ")
            + SqlValue::number(journalId) + QStringLiteral(" order by jd.JOURNALDETAILSID"));
        if (lines.isEmpty()) {
            m_state.ui().message(parent, QCoreApplication::translate("cJournal", "لا يمكن اظهار بيانات هذه الشاشة"));
            return;
        }
        RunState& state = m_state;
        m_state.screens().open(lines.text(0, QStringLiteral("Form")), parent, {}, [&state, lines](QWidget* screen) {
            state.Viewing = true;
            if (auto* dialog = qobject_cast<QDialog*>(screen))
                QObject::connect(dialog, &QDialog::finished, dialog, [&state] {
                    state.Viewing = false;
                    // The stored version is gone from the screen, and so is its mark.
                    ShellFrame* frame = state.ui().frame();
                    if (frame && frame->statusPanel(ShellFrame::ScreenPanel) == fromJournal())
                        frame->setStatusPanel(ShellFrame::ScreenPanel, {});
                });
            // A screen reads its first record when it is first shown: the stored
            // version goes over that read, once the screen is up.
            QMetaObject::invokeMethod(
                screen,
                [&state, screen, lines] {
                    if (screen->isVisible())
                        showEntry(state, screen, lines);
                },
                Qt::QueuedConnection);
        });
    } catch (const AppError& e) {
        ReportError(m_state, parent, e, ERROR_SOURCE);
    }
}
