#include "engine/cWindow.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/OwnerOnly.h"
#include "core/RunState.h"
#include "core/SqlValue.h"
#include "core/TextConvert.h"
#include "engine/ControlAccess.h"
#include "engine/ReadSnapshot.h"
#include "engine/ScreenDefinition.h"
#include "engine/StoredValue.h"
#include "engine/cJournal.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QScopedValueRollback>
#include <QTime>
#include <QWidget>
#include <cmath>

namespace {

const QString ReadTail = QStringLiteral(" Error Processing Table Column :-");
const QString SaveTail = QStringLiteral("--:--");
const QString InsertTail = QStringLiteral(
    " Function: Owindow.Insert--> you may have icorrect type for the value you are trying to insert, or field name is incorrect ");
QString recordGone()
{
    return QCoreApplication::translate(
        "cWindow", "This record no longer exists: another user deleted it after you opened it here. Nothing was saved.");
}

QString changedElsewhere()
{
    return QCoreApplication::translate(
        "cWindow", "Another user changed this record after you opened it here, so nothing was saved and their changes "
                   "are kept.\nRead the record again? The changes you typed and did not save will then be lost.");
}

// Marks a screen whose last read stopped part-way: its fields are not the record's.
const char* const ReadFailed = "ijarReadFailed";

QString readIncomplete()
{
    return QCoreApplication::translate(
        "cWindow", "This record could not be read completely, so saving it would blank what was not read. Nothing was "
                   "saved: open the record again.");
}

QString deleteQuestion()
{
    return QCoreApplication::translate(
        "cWindow", "This record will be deleted permenantly, this operation can not be undone, are you sure?");
}

// Two reads of one column agree; a null is no empty text.
bool sameStored(const QVariant& a, const QVariant& b)
{
    if (a.isNull() || b.isNull())
        return a.isNull() == b.isNull();
    // Texts and whole numbers of one kind compare as they are, without the text of each.
    if (a.metaType() == b.metaType()) {
        switch (a.typeId()) {
        case QMetaType::QString:
            return *static_cast<const QString*>(a.constData()) == *static_cast<const QString*>(b.constData());
        case QMetaType::LongLong:
            return a.toLongLong() == b.toLongLong();
        case QMetaType::Int:
            return a.toInt() == b.toInt();
        case QMetaType::Double: {
            // Not-a-number matches itself, as its text does.
            const double x = a.toDouble();
            const double y = b.toDouble();
            return x == y || (std::isnan(x) && std::isnan(y));
        }
        default:
            break;
        }
    }
    return a.toString() == b.toString();
}

// A key as a whole number; keys beyond a double's precision stay exact.
qint64 wholeNumber(const QVariant& value)
{
    bool ok = false;
    const qint64 whole = value.toLongLong(&ok);
    return ok ? whole : qint64(value.toDouble());
}

// The controls a screen shows, in control order; the editors inside combo
// boxes and date fields belong to their owner.
void collectControls(QWidget* parent, QList<QWidget*>& out)
{
    for (QObject* child : parent->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w)
            continue;
        out << w;
        if (!qobject_cast<QComboBox*>(w) && !qobject_cast<QAbstractSpinBox*>(w))
            collectControls(w, out);
    }
}

// A number field holding 0 shows empty.
void blankZeros(QWidget* screen)
{
    QList<QWidget*> controls;
    collectControls(screen, controls);
    for (QWidget* control : controls) {
        try {
            if (ControlAccess::hasText(control) && ControlAccess::text(control) == QLatin1String("0"))
                ControlAccess::setText(control, {});
        } catch (const AppError&) {
            // a control that refuses an empty text keeps its zero
        }
    }
}

// An empty text is stored as one blank; the field shows it empty, so that what
// the clerk types into it is stored without a blank before or after.
QString shownText(const QVariant& value)
{
    const QString text = NullToText(value, true);
    return text == QLatin1String(" ") ? QString() : text;
}

// Shows a stored value; true when the control got the time of day in place of
// an empty one. An empty date shows empty.
bool showStored(QWidget* control, int type, const QVariant& value)
{
    switch (type) {
    case StoredValue::Number:
        ControlAccess::setDefaultValue(control, NullToText(value, false));
        break;
    case StoredValue::Text:
        ControlAccess::setDefaultValue(control, shownText(value));
        break;
    case StoredValue::Date:
        ControlAccess::setValue(control, NullToText(value, false).size() < 6 ? QString() : DateText(value));
        break;
    case StoredValue::Flag:
        ControlAccess::setValue(control, NullToText(value, false));
        break;
    case StoredValue::ListText:
        ControlAccess::setText(control, shownText(value));
        break;
    case StoredValue::Time:
        if (value.toString() == QLatin1String("0")) {
            ControlAccess::setValue(control, QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
            return true;
        }
        ControlAccess::setValue(control, TimeText(value));
        break;
    default:
        break;
    }
    return false;
}

// A control's value as the save would store it; empty when it holds none it could store.
QString storedForm(const QWidget* control, int type)
{
    try {
        return control ? StoredValue::of(control, type) : QString();
    } catch (const AppError&) {
        return {};
    }
}

// Type codes the save writes; the others are neither read nor written.
bool isWritten(int type)
{
    return type >= StoredValue::Number && type <= StoredValue::Time;
}

// One "column = value" of the save's assignment list, from the stored form of the value.
QString assignment(const QString& column, const QString& stored, int type)
{
    switch (type) {
    case StoredValue::Number:
    case StoredValue::Flag:
    case StoredValue::Date:
        return column + QStringLiteral(" = ") + stored;
    default:
        return column + QStringLiteral(" = '") + SqlValue::text(stored) + QLatin1Char('\'');
    }
}

QList<Database::Field> numericPairs(const cWindow::Fields& fields)
{
    QList<Database::Field> pairs;
    for (const Database::Field& f : fields)
        pairs << Database::Field{f.first.trimmed(), NullToText(f.second, false)};
    return pairs;
}

}

cWindow::cWindow(RunState& state) : m_state(state)
{
}

ScreenDefinition cWindow::definitionOf(const QWidget* screen)
{
    return m_definitions.of(m_state.db(), screen->objectName());
}

RowSet cWindow::ruleRows(const QString& sql)
{
    return m_definitions.rows(m_state.db(), sql);
}

std::pair<ScreenDefinition, RowSet> cWindow::definitionAndRules(const QWidget* screen, const QString& sql)
{
    return m_definitions.withRows(m_state.db(), screen->objectName(), sql);
}

QWidget* cWindow::activeScreen(QWidget* screen)
{
    if (screen)
        return screen;
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

bool cWindow::Read(const QString& where, QWidget* screen)
{
    QString clause = where;
    return Read(clause, screen);
}

bool cWindow::Read(QString& where, QWidget* screen)
{
    QWidget* w = activeScreen(screen);
    if (!w)
        return false;
    const ControlAccess::Index::Keep names(w);
    Database& db = m_state.db();
    QString column;
    QHash<QString, QHash<QString, QVariant>> stored;
    QSet<QString> filled;
    QList<std::pair<ScreenDefinition::Field, QString>> asShown;
    try {
        const ScreenDefinition& definition = definitionOf(w);
        if (definition.isEmpty())
            return false;
        if (where.isEmpty()) {
            const QString keyColumn = GetTableIdentifier(w);
            const qint64 key = ReadOneValueFromTable(keyColumn, GetTableName(w), {});
            where = QStringLiteral("Where ") + keyColumn + QStringLiteral(" = ") + SqlValue::number(key);
        }
        const ControlAccess::Index controls(w);
        for (const ScreenDefinition::Table& table : definition.tables()) {
            const RowSet data = db.execute(QStringLiteral("select * from ") + table.name + QStringLiteral("  ") + where);
            if (data.isEmpty())
                return false;
            QHash<QString, QVariant>& values = stored[table.name.toLower()];
            values.reserve(table.fields.size());
            for (const ScreenDefinition::Field& field : table.fields) {
                column = field.column;
                if (field.type < StoredValue::Number || field.type > StoredValue::Time)
                    continue;
                QWidget* control = controls.require(field.controlKey);
                const QVariant value = data.value(0, field.columnKey);
                values.insert(field.columnKey, value);
                if (showStored(control, field.type, value))
                    filled.insert(field.controlKey);
                else
                    asShown.append({field, storedForm(control, field.type)});
            }
        }
        // A screen's rules may change a field shown earlier as later ones arrive:
        // the save stores what the screen then shows.
        for (const auto& [field, shown] : asShown)
            if (storedForm(controls.find(field.controlKey), field.type) != shown)
                filled.insert(field.controlKey);
        blankZeros(w);
        remember(w, controls, where, definition, stored, filled);
        w->setProperty(ReadFailed, false);
    } catch (const AppError& e) {
        w->setProperty(ReadFailed, true);
        ReportError(m_state, w, QString::number(e.number()), e.description() + ReadTail + column, e.source());
        return false;
    }
    if (QWidget* id = ControlAccess::find(w, QStringLiteral("txtID"))) {
        const QString key = ControlAccess::text(id).trimmed();
        m_state.CurrentRecordId = SqlValue::isNumber(key) ? wholeNumber(key) : 0;
    }
    return true;
}

void cWindow::remember(QWidget* screen, const ControlAccess::Index& controls, const QString& where,
                       const ScreenDefinition& definition, const QHash<QString, QHash<QString, QVariant>>& stored,
                       const QSet<QString>& filled)
{
    ReadSnapshot* snapshot = ReadSnapshot::take(screen, where);
    snapshot->stored = stored;
    snapshot->filled = filled;
    snapshot->shown.reserve(definition.tables().size() * definition.tables().first().fields.size());
    for (const ScreenDefinition::Table& table : definition.tables()) {
        for (const ScreenDefinition::Field& field : table.fields) {
            if (field.identifier || field.type < StoredValue::Number || field.type > StoredValue::Time)
                continue;
            QWidget* control = controls.find(field.controlKey);
            const QVariant value = control ? ControlAccess::defaultValue(control) : QVariant();
            if (value.isNull())
                continue;
            try {
                snapshot->shown.insert(field.controlKey, StoredValue::of(control, field.type, value));
            } catch (const AppError&) {
                // a value that cannot be stored counts as changed
            }
        }
    }
}

cWindow::Outcome cWindow::checkUnchanged(const ScreenDefinition& definition, const QString& where,
                                         const ReadSnapshot& snapshot, RowSet& row)
{
    Database& db = m_state.db();
    for (const ScreenDefinition::Table& table : definition.tables()) {
        const auto values = snapshot.stored.constFind(table.name.toLower());
        if (values == snapshot.stored.cend())
            continue;
        row = db.execute(QStringLiteral("select * from ") + table.name + QStringLiteral("  ") + where);
        if (row.isEmpty())
            return Outcome::Gone;
        for (auto it = values->cbegin(); it != values->cend(); ++it)
            if (!sameStored(row.value(0, it.key()), it.value()))
                return Outcome::Conflict;
    }
    return Outcome::Saved;
}

bool cWindow::Save(const QString& where, QWidget* screen)
{
    return Save(where, screen, {});
}

bool cWindow::Save(const QString& where, QWidget* screen, const AlsoInTransaction& also)
{
    if (m_state.Viewing || m_saving)
        return false;
    QWidget* w = activeScreen(screen);
    if (!w)
        return false;
    if (w->property(ReadFailed).toBool()) {
        m_state.ui().message(w, readIncomplete());
        return false;
    }
    QScopedValueRollback busy(m_saving, true);
    const ControlAccess::Index::Keep names(w);
    Database& db = m_state.db();
    cUI& ui = m_state.ui();
    QString statement;
    QString refusal;
    Outcome outcome = Outcome::Saved;
    // The save takes the screen as it was when asked; events run again once it is over.
    ui.ShowProgress(3);
    try {
        // The check, the journal and the updates of one save land together or not
        // at all, and nothing the operator does runs in between.
        Transaction transaction(db);
        const ScreenDefinition& definition = definitionOf(w);
        ReadSnapshot* snapshot = ReadSnapshot::of(w, where);
        QSet<QString> changed;
        QHash<QString, QString> shown;
        const ControlAccess::Index controls(w);
        // The row as the check read it is the journal's old values: nothing
        // is written in between.
        RowSet checked;
        if (snapshot)
            outcome = checkUnchanged(definition, where, *snapshot, checked);
        QList<std::pair<QString, QStringList>> updates;
        for (const ScreenDefinition::Table& table : definition.tables()) {
            QStringList list;
            for (const ScreenDefinition::Field& field : table.fields) {
                if (field.identifier)
                    continue;
                QWidget* control = controls.require(field.controlKey);
                if (!isWritten(field.type))
                    continue;
                const QVariant value = ControlAccess::defaultValue(control);
                if (value.isNull())
                    continue;
                const QString stored = StoredValue::of(control, field.type, value);
                shown.insert(field.controlKey, stored);
                if (snapshot && !snapshot->changed(field.controlKey, stored))
                    continue;
                changed.insert(field.controlKey);
                list << assignment(field.column, stored, field.type);
            }
            if (!list.isEmpty())
                updates.append({table.name, list});
        }
        if (outcome == Outcome::Saved && !updates.isEmpty()) {
            ui.ShowProgress(30);
            m_state.service<cJournal>().JournalWindow(where, {}, {}, w, snapshot ? &changed : nullptr,
                                                      definition.tables().size() == 1 ? &checked : nullptr, &shown);
            for (const auto& [table, list] : updates) {
                statement = QStringLiteral("Update ") + table + QStringLiteral(" SET ") + list.join(QLatin1Char(','))
                          + QStringLiteral("  ") + where;
                if (db.command(statement) == 0) {
                    outcome = Outcome::Gone;
                    break;
                }
            }
        }
        if (outcome == Outcome::Saved && also) {
            statement.clear();
            refusal = also();
            if (!refusal.isEmpty())
                outcome = Outcome::Refused;
        }
        if (outcome == Outcome::Saved) {
            QHash<QString, QHash<QString, QVariant>> stored;
            for (const ScreenDefinition::Table& table : definition.tables()) {
                const RowSet row = db.execute(QStringLiteral("select * from ") + table.name + QStringLiteral("  ") + where);
                QHash<QString, QVariant>& values = stored[table.name.toLower()];
            values.reserve(table.fields.size());
                for (const ScreenDefinition::Field& field : table.fields)
                    if (!row.isEmpty() && row.hasColumn(field.columnKey))
                        values.insert(field.columnKey, row.value(0, field.columnKey));
            }
            transaction.commit();
            remember(w, controls, where, definition, stored, {});
        }
    } catch (const AppError& e) {
        ui.ShowProgress(0);
        if (e.number() == Database::ConnectionLost) {
            // The screen keeps what was typed: the next save, on a new connection, writes it.
            LogError(m_state, w, e, ERROR_SOURCE);
            ui.message(w, e.description() + QLatin1Char('\n')
                              + QCoreApplication::translate("cWindow", "Nothing was saved; the screen keeps what you "
                                                                       "typed. Press Save again."));
            return false;
        }
        ReportError(m_state, w, QString::number(e.number()), e.description() + SaveTail + statement, e.source());
        return false;
    }
    if (outcome != Outcome::Saved) {
        ui.ShowProgress(0);
        if (outcome == Outcome::Refused) {
            ui.message(w, refusal);
        } else if (outcome == Outcome::Gone) {
            ui.message(w, recordGone());
        } else if (ui.question(w, changedElsewhere())) {
            Read(where, w);
        }
        return false;
    }
    ui.UpdateProgressBar(100);
    ui.ShowStatusMessage(QCoreApplication::translate("cWindow", "Saved at ")
                         + QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
    m_state.saves().raise();
    return true;
}

qint64 cWindow::Insert(const QString& table, const QString& keyColumn, const Fields& fields)
{
    try {
        m_state.LastInsertedId = m_state.db().insert(table, keyColumn, numericPairs(fields));
        m_state.saves().raise();
        return m_state.LastInsertedId;
    } catch (const AppError& e) {
        ReportError(m_state, activeScreen(nullptr), QString::number(e.number()), e.description() + InsertTail,
                    e.source());
        return 0;
    }
}

bool cWindow::Delete(const QString& where, QWidget* screen)
{
    QWidget* w = activeScreen(screen);
    if (!w)
        return false;
    try {
        const ScreenDefinition& definition = definitionOf(w);
        const ScreenDefinition::Field* identifier = definition.identifier();
        if (!identifier)
            return false;
        QString clause = where;
        if (clause.isEmpty()) {
            const QString id = ControlAccess::text(ControlAccess::require(w, QStringLiteral("txtID")));
            clause = QStringLiteral("Where ") + identifier->column + QStringLiteral(" = ")
                + SqlValue::number(id, QStringLiteral("txtID"));
        }
        if (!m_state.ui().question(w, deleteQuestion()))
            return false;
        m_state.db().command(QStringLiteral("delete * from ") + definition.identifierTable()->name + QLatin1Char(' ')
                             + clause);
        m_state.saves().raise();
        return true;
    } catch (const AppError& e) {
        ReportError(m_state, w, e, ERROR_SOURCE);
        return false;
    }
}

qint64 cWindow::ReadOneValueFromTable(const QString& column, const QString& table, const QString& condition)
{
    const RowSet rows = m_state.db().execute(QStringLiteral("select top 1 ") + column + QStringLiteral(" from ")
                                             + table + QLatin1Char(' ') + condition);
    return rows.isEmpty() ? 0 : wholeNumber(rows.value(0, 0));
}

QString cWindow::GetTableIdentifier(QWidget* screen)
{
    try {
        const ScreenDefinition definition = definitionOf(screen);
        const ScreenDefinition::Field* identifier = definition.identifier();
        return identifier ? identifier->column : QStringLiteral("0");
    } catch (const AppError&) {
        return QStringLiteral("0");
    }
}

QString cWindow::GetTableName(QWidget* screen)
{
    try {
        const ScreenDefinition& definition = definitionOf(screen);
        return definition.isEmpty() ? QStringLiteral("0") : definition.tables().first().name;
    } catch (const AppError&) {
        return QStringLiteral("0");
    }
}

bool cWindow::InsertPicture(const QString& fileName, const QString& table, const QString& column,
                            const QString& where, const Fields& fields)
{
    // "1" stands for the picture already stored.
    if (fileName == QLatin1String("1"))
        return true;
    Database& db = m_state.db();
    const QString remove = QStringLiteral("delete * from ") + table + QStringLiteral("  ") + where;
    try {
        if (fileName.size() < 4) {
            db.command(remove);
            return true;
        }
        QFile file(fileName);
        if (!file.open(QIODevice::ReadOnly))
            throw AppError(ErrorNumber::UnexpectedFailure,
                           QStringLiteral("The picture %1 cannot be read: %2").arg(fileName, file.errorString()),
                           ERROR_SOURCE);
        const QByteArray bytes = file.readAll();
        Transaction transaction(db);
        db.command(remove);
        const QString keyColumn = db.primaryKeyOf(table);
        const qint64 key = db.insert(table, keyColumn, numericPairs(fields));
        db.writeBlob(table, column, keyColumn, key, bytes, [this](int percent) { m_state.ui().ShowProgress(percent); });
        transaction.commit();
        m_state.ui().processEvents();
        return true;
    } catch (const AppError& e) {
        ReportError(m_state, activeScreen(nullptr), e, ERROR_SOURCE);
        return false;
    }
}

QString cWindow::ReadPicture(const QString& table, const QString& column, const QString& where, QString fileName)
{
    Database& db = m_state.db();
    try {
        // The key alone: the picture itself is read once, below.
        const QString keyColumn = db.primaryKeyOf(table);
        const RowSet rows = db.execute(QStringLiteral("select ") + keyColumn + QStringLiteral(" from ") + table
                                       + QStringLiteral("  ") + where);
        if (rows.isEmpty())
            return {};
        if (fileName.isEmpty())
            fileName = m_state.homeFolder() + QStringLiteral("/p.bmp");
        const QByteArray bytes = db.readBlob(table, column, keyColumn, rows.value(0, keyColumn).toLongLong());
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate, OwnerOnly::File) || file.write(bytes) != bytes.size())
            return {};
        return fileName;
    } catch (const AppError&) {
        return {};
    }
}
