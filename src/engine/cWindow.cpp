#include "engine/cWindow.h"

#include "engine/ControlAccess.h"
#include "engine/StoredValue.h"
#include "engine/cJournal.h"
#include "shell/base/AppError.h"
#include "shell/base/ErrorLog.h"
#include "shell/base/RunState.h"
#include "shell/base/SqlValue.h"
#include "shell/base/TextConvert.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QTime>
#include <QWidget>

namespace {

const QString ReadTail = QStringLiteral(" Error Processing Table Column :-");
const QString SaveTail = QStringLiteral("--:--");
const QString InsertTail = QStringLiteral(
    " Function: Owindow.Insert--> you may have icorrect type for the value you are trying to insert, or field name is incorrect ");
const QString DeleteQuestion = QStringLiteral(
    "This record will be deleted permenantly, this operation can not be undone, are you sure?");

// A metadata type code; a missing one matches no type.
int typeOf(const RowSet& rows, int row)
{
    const QVariant type = rows.value(row, QStringLiteral("Type"));
    return type.isNull() ? -1 : type.toInt();
}

QString identifierJoin(const QString& screenName)
{
    return QStringLiteral("select WT.TABLENAME , WTD.* from _WINDOWTABLE WT , _WINDOWTABLEDETAILS WTD "
                          "WHERE WTD.WINDOWTABLEID = WT.WINDOWTABLEID and WT.WINDOWNAME = '")
        + SqlValue::text(screenName) + QStringLiteral("' AND WTD.ONOFF = 1 and IDENTIFIER = 1");
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

void showStored(QWidget* control, int type, const QVariant& value)
{
    switch (type) {
    case StoredValue::Number:
        ControlAccess::setDefaultValue(control, NullToText(value, false));
        break;
    case StoredValue::Text:
        ControlAccess::setDefaultValue(control, NullToText(value, true));
        break;
    case StoredValue::Date:
        if (NullToText(value, false).size() < 6)
            ControlAccess::setValue(control, QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy")));
        else
            ControlAccess::setValue(control, DateText(value));
        break;
    case StoredValue::Flag:
        ControlAccess::setValue(control, NullToText(value, false));
        break;
    case StoredValue::ListText:
        ControlAccess::setText(control, NullToText(value, true));
        break;
    case StoredValue::Time:
        if (value.toString() == QLatin1String("0"))
            ControlAccess::setValue(control, QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
        else
            ControlAccess::setValue(control, TimeText(value));
        break;
    default:
        break;
    }
}

// One "column = value" of the save's assignment list; empty for codes that
// are neither read nor written.
QString assignment(const QString& column, QWidget* control, int type)
{
    switch (type) {
    case StoredValue::Number:
    case StoredValue::Flag:
    case StoredValue::Date:
        return column + QStringLiteral(" = ") + StoredValue::of(control, type);
    case StoredValue::Text:
    case StoredValue::ListText:
    case StoredValue::Time:
        return column + QStringLiteral(" = '") + SqlValue::text(StoredValue::of(control, type)) + QLatin1Char('\'');
    default:
        return {};
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
    Database& db = m_state.db();
    const QString name = w->objectName();
    QString column;
    try {
        const RowSet tables = db.execute(QStringLiteral("select * from _WINDOWTABLE where WINDOWNAME = '")
                                         + SqlValue::text(name)
                                         + QStringLiteral("' and ONOFF = 1 order by TABLEORDER"));
        if (tables.isEmpty())
            return false;
        if (where.isEmpty()) {
            const QString keyColumn = GetTableIdentifier(w);
            const qint64 key = ReadOneValueFromTable(keyColumn, GetTableName(w), {});
            where = QStringLiteral("Where ") + keyColumn + QStringLiteral(" = ") + SqlValue::number(key);
        }
        for (int t = 0; t < tables.count(); ++t) {
            const RowSet details = db.execute(
                QStringLiteral("select * from _WINDOWTABLEDETAILS where WINDOWTABLEID =  ")
                + SqlValue::number(tables.value(t, QStringLiteral("WINDOWTABLEID")).toLongLong())
                + QStringLiteral(" and ONOFF = 1  "));
            const RowSet data = db.execute(QStringLiteral("select * from ")
                                           + tables.text(t, QStringLiteral("TableName"))
                                           + QStringLiteral("  ") + where);
            if (data.isEmpty())
                return false;
            for (int d = 0; d < details.count(); ++d) {
                column = details.text(d, QStringLiteral("Column")).trimmed();
                const int type = typeOf(details, d);
                if (type < StoredValue::Number || type > StoredValue::Time)
                    continue;
                QWidget* control = ControlAccess::require(w, details.text(d, QStringLiteral("windowcontrol")));
                showStored(control, type, data.value(0, column));
            }
        }
    } catch (const AppError& e) {
        ReportError(m_state, w, QString::number(e.number()), e.description() + ReadTail + column, e.source());
        return false;
    }
    blankZeros(w);
    if (QWidget* id = ControlAccess::find(w, QStringLiteral("txtID"))) {
        const QString key = ControlAccess::text(id).trimmed();
        m_state.CurrentRecordId = SqlValue::isNumber(key) ? wholeNumber(key) : 0;
    }
    return true;
}

bool cWindow::Save(const QString& where, QWidget* screen)
{
    if (m_state.Viewing)
        return false;
    QWidget* w = activeScreen(screen);
    if (!w)
        return false;
    Database& db = m_state.db();
    cUI& ui = m_state.ui();
    QString statement;
    try {
        // The updates of one save land together or not at all.
        Transaction transaction(db);
        ui.UpdateProgressBar(3);
        m_state.service<cJournal>().JournalWindow(where, {}, {}, w);
        ui.UpdateProgressBar(30);
        const RowSet tables = db.execute(QStringLiteral("select * from _WINDOWTABLE where WINDOWNAME = '")
                                         + SqlValue::text(w->objectName())
                                         + QStringLiteral("' and ONOFF = 1   order by TABLEORDER"));
        for (int t = 0; t < tables.count(); ++t) {
            const QString table = tables.text(t, QStringLiteral("TableName"));
            statement = QStringLiteral("Update ") + table + QStringLiteral(" SET ");
            const RowSet details = db.execute(
                QStringLiteral("select * from _WINDOWTABLEDETAILS where WINDOWTABLEID =  ")
                + SqlValue::number(tables.value(t, QStringLiteral("WINDOWTABLEID")).toLongLong())
                + QStringLiteral(" and ONOFF = 1 and IDENTIFIER = 0 "));
            QStringList list;
            for (int d = 0; d < details.count(); ++d) {
                QWidget* control = ControlAccess::require(w, details.text(d, QStringLiteral("windowcontrol")));
                if (ControlAccess::defaultValue(control).isNull())
                    continue;
                const QString set = assignment(details.text(d, QStringLiteral("Column")).trimmed(), control,
                                               typeOf(details, d));
                if (set.isEmpty())
                    continue;
                list << set;
                statement = QStringLiteral("Update ") + table + QStringLiteral(" SET ") + list.join(QLatin1Char(','));
            }
            if (list.isEmpty())
                continue;
            statement += QStringLiteral("  ") + where;
            db.command(statement);
        }
        transaction.commit();
    } catch (const AppError& e) {
        ReportError(m_state, w, QString::number(e.number()), e.description() + SaveTail + statement, e.source());
        return false;
    }
    ui.UpdateProgressBar(100);
    ui.ShowStatusMessage(QStringLiteral("Saved at ") + QTime::currentTime().toString(QStringLiteral("hh:mm:ss")));
    return true;
}

qint64 cWindow::Insert(const QString& table, const QString& keyColumn, const Fields& fields)
{
    try {
        return m_state.db().insert(table, keyColumn, numericPairs(fields));
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
        const RowSet identifier = m_state.db().execute(identifierJoin(w->objectName()));
        if (identifier.isEmpty())
            return false;
        QString clause = where;
        if (clause.isEmpty()) {
            const QString id = ControlAccess::text(ControlAccess::require(w, QStringLiteral("txtID")));
            clause = QStringLiteral("Where ") + identifier.text(0, QStringLiteral("Column")).trimmed()
                + QStringLiteral(" = ") + SqlValue::number(id, QStringLiteral("txtID"));
        }
        if (!m_state.ui().question(w, DeleteQuestion))
            return false;
        m_state.db().command(QStringLiteral("delete * from ") + identifier.text(0, QStringLiteral("TableName"))
                             + QLatin1Char(' ') + clause);
        return true;
    } catch (const AppError& e) {
        ReportError(m_state, w, e, QStringLiteral("cWindow.Delete"));
        return false;
    }
}

qint64 cWindow::ReadOneValueFromTable(const QString& column, const QString& table, const QString& condition)
{
    try {
        const RowSet rows = m_state.db().execute(QStringLiteral("select top 1 ") + column + QStringLiteral(" from ")
                                                 + table + QLatin1Char(' ') + condition);
        return rows.isEmpty() ? 0 : wholeNumber(rows.value(0, 0));
    } catch (const AppError&) {
        return 0;
    }
}

QString cWindow::GetTableIdentifier(QWidget* screen)
{
    try {
        const RowSet rows = m_state.db().execute(identifierJoin(screen->objectName()));
        return rows.isEmpty() ? QStringLiteral("0") : rows.text(0, QStringLiteral("Column")).trimmed();
    } catch (const AppError&) {
        return QStringLiteral("0");
    }
}

QString cWindow::GetTableName(QWidget* screen)
{
    try {
        const RowSet rows = m_state.db().execute(QStringLiteral("select TABLENAME from _WINDOWTABLE where WINDOWNAME = '")
                                                 + SqlValue::text(screen->objectName())
                                                 + QStringLiteral("' and onoff = 1"));
        return rows.isEmpty() ? QStringLiteral("0") : rows.text(0, QStringLiteral("TableName"));
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
                           QStringLiteral("cWindow.InsertPicture"));
        const QByteArray bytes = file.readAll();
        Transaction transaction(db);
        db.command(remove);
        const QString keyColumn = db.primaryKeyOf(table);
        const qint64 key = db.insert(table, keyColumn, numericPairs(fields));
        db.writeBlob(table, column, keyColumn, key, bytes, [this](int) { m_state.ui().processEvents(); });
        transaction.commit();
        m_state.ui().processEvents();
        return true;
    } catch (const AppError& e) {
        ReportError(m_state, activeScreen(nullptr), e, QStringLiteral("cWindow.InsertPicture"));
        return false;
    }
}

QString cWindow::ReadPicture(const QString& table, const QString& column, const QString& where, QString fileName)
{
    Database& db = m_state.db();
    try {
        const RowSet rows = db.execute(QStringLiteral("select * from ") + table + QStringLiteral("  ") + where);
        if (rows.isEmpty())
            return {};
        if (fileName.isEmpty())
            fileName = m_state.homeFolder() + QStringLiteral("/p.bmp");
        const QString keyColumn = db.primaryKeyOf(table);
        const QByteArray bytes = db.readBlob(table, column, keyColumn, rows.value(0, keyColumn).toLongLong());
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            return {};
        return fileName;
    } catch (const AppError&) {
        return {};
    }
}
