#include "engine/cDevelper.h"

#include "core/RunState.h"
#include "core/SqlValue.h"
#include "engine/EditableRowsModel.h"
#include "engine/ctrWindowTable.h"

#include <QAbstractButton>
#include <QHash>
#include <QGroupBox>
#include <QLabel>

namespace {

const QString Details = QStringLiteral("_WINDOWTABLEDETAILS");

// The field type a bound control's third letter stands for.
int typeOf(const QString& control)
{
    const QChar letter = control.size() > 2 ? control.at(2) : QChar();
    switch (letter.unicode()) {
    case 'n': return 0;
    case 'd': return 2;
    case 'f': return 3;
    case 'g': return 4;
    case 't': return 5;
    default: return 1;
    }
}

// What a control shows as its own title; fields show none.
QString captionOf(const QWidget* w)
{
    if (const auto* button = qobject_cast<const QAbstractButton*>(w))
        return button->text();
    if (const auto* label = qobject_cast<const QLabel*>(w))
        return label->text();
    if (const auto* frame = qobject_cast<const QGroupBox*>(w))
        return frame->title();
    return {};
}

}

cDevelper::cDevelper(RunState& state)
    : m_state(state), m_rows(std::make_unique<EditableRowsModel>(state.db(), Details, QStringLiteral("WINDOWTABLEDETAILSID")))
{
}

cDevelper::~cDevelper() = default;

void cDevelper::ShowWindowTable(const QString& screenName, QWidget* parent)
{
    ScreenRegistry& screens = m_state.screens();
    std::unique_ptr<QWidget> built;
    QWidget* screen = screens.find(screenName);
    if (!screen) {
        // Built to be looked at only: it is never shown and goes with the designer.
        built.reset(screens.instance(screenName, nullptr));
        screen = built.get();
    }
    m_screen = screen;
    m_screenName = screen->objectName();
    ctrWindowTable window(m_state, *this, parent);
    window.setWindowTitle(tr("Window Table for %1").arg(m_screenName));
    m_window = &window;
    m_state.ui().exec(&window);
}

QString cDevelper::windowCondition() const
{
    return QStringLiteral("windowname = '") + SqlValue::text(m_screenName) + QLatin1Char('\'');
}

std::optional<cDevelper::WindowTable> cDevelper::windowTable()
{
    const RowSet rs = m_state.db().execute(QStringLiteral("select windowtableid,tablename from _windowtable where ")
                                           + windowCondition());
    if (rs.isEmpty()) {
        m_state.ui().message(m_window, tr("Please enter at least one row for this screen in _WindowTable"));
        return std::nullopt;
    }
    return WindowTable{rs.value(0, QStringLiteral("WINDOWTABLEID")).toLongLong(), rs.text(0, QStringLiteral("TableName"))};
}

QList<QWidget*> cDevelper::controls() const
{
    QList<QWidget*> found;
    if (!m_screen)
        return found;
    // The screen's own controls: not the parts Qt builds inside them, nor a
    // dialog the screen opened.
    for (QWidget* w : m_screen->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")) && w->window() == m_screen->window())
            found << w;
    }
    return found;
}

QStringList cDevelper::boundControls() const
{
    QStringList names;
    for (const QWidget* w : controls())
        if (w->objectName().startsWith(QLatin1String("df")))
            names << w->objectName();
    return names;
}

void cDevelper::insertDetail(qint64 windowTableId, const QString& control, int gridOrder)
{
    m_state.db().insert(Details, QStringLiteral("WINDOWTABLEDETAILSID"),
                        {{QStringLiteral("WINDOWCONTROL"), control}, {QStringLiteral("WINDOWTABLEID"), windowTableId},
                         {QStringLiteral("COLUMN"), control.mid(3).toUpper()},
                         {QStringLiteral("TYPE"), typeOf(control)},
                         {QStringLiteral("COLUMNLABEL"), control.mid(2).left(500)}, {QStringLiteral("ONOFF"), 1},
                         {QStringLiteral("GRIDORDER"), gridOrder}, {QStringLiteral("IDENTIFIER"), 0}});
}

bool cDevelper::PopulateWindowTable()
{
    const std::optional<WindowTable> table = windowTable();
    if (!table)
        return false;
    if (!m_state.ui().question(m_window, tr("Every definition row of %1 is replaced by rows made from its controls. "
                                            "Go on?").arg(m_screenName)))
        return false;
    Database& db = m_state.db();
    const QString id = SqlValue::number(table->id);
    // All or nothing: a failure part-way leaves the old rows.
    Transaction transaction(db);
    db.command(QStringLiteral("delete * from _windowtabledetails where windowtableid = ") + id);
    const QString key = QStringLiteral("WINDOWTABLEDETAILSID");
    db.insert(Details, key,
              {{QStringLiteral("WINDOWCONTROL"), QStringLiteral("txtName")}, {QStringLiteral("WINDOWTABLEID"), table->id},
               {QStringLiteral("COLUMN"), QStringLiteral("NAME")}, {QStringLiteral("TYPE"), 1},
               {QStringLiteral("COLUMNLABEL"), QStringLiteral("الاسم")}, {QStringLiteral("ONOFF"), 1},
               {QStringLiteral("GRIDORDER"), 2}, {QStringLiteral("IDENTIFIER"), 0}});
    db.insert(Details, key,
              {{QStringLiteral("WINDOWCONTROL"), QStringLiteral("txtID")}, {QStringLiteral("WINDOWTABLEID"), table->id},
               {QStringLiteral("COLUMN"), table->tableName + QStringLiteral("ID")}, {QStringLiteral("TYPE"), 0},
               {QStringLiteral("COLUMNLABEL"), QStringLiteral("الرقم")}, {QStringLiteral("ONOFF"), 1},
               {QStringLiteral("GRIDORDER"), 1}, {QStringLiteral("IDENTIFIER"), 1}});
    int gridOrder = 3;
    for (const QString& control : boundControls())
        insertDetail(table->id, control, gridOrder++);
    transaction.commit();
    m_rows->setStatement(QStringLiteral("select * from _windowtabledetails where windowtableid = ") + id
                         + QStringLiteral(" order by windowtabledetailsid"));
    return true;
}

void cDevelper::ReadWindowTable()
{
    m_rows->setStatement(QStringLiteral("select * from _windowtabledetails where windowtableid = (select windowtableid "
                                        "from _windowtable where ")
                         + windowCondition() + QStringLiteral(" ) order by gridorder  desc, windowtabledetailsid"));
}

void cDevelper::ReadPlusDifference()
{
    const std::optional<WindowTable> table = windowTable();
    if (!table)
        return;
    const QString statement = QStringLiteral("select * from _windowtabledetails where windowtableid = ")
                            + SqlValue::number(table->id)
                            + QStringLiteral("  order by gridorder  , windowtabledetailsid");
    m_rows->setStatement(statement);
    QStringList known;
    for (int row = 0; row < m_rows->rowCount(); ++row)
        known << m_rows->value(row, QStringLiteral("windowcontrol")).toString().trimmed().toLower();
    Transaction transaction(m_state.db());
    bool added = false;
    for (const QString& control : boundControls()) {
        if (known.contains(control.toLower()))
            continue;
        insertDetail(table->id, control, -1);
        added = true;
    }
    transaction.commit();
    if (added)
        m_rows->setStatement(statement);
}

void cDevelper::StoreGrid()
{
    if (const QString refusal = refusedColumn(); !refusal.isEmpty()) {
        m_state.ui().message(m_window, refusal);
        return;
    }
    m_rows->store();
}

QString cDevelper::refusedColumn()
{
    Database& db = m_state.db();
    const RowSet tables = db.execute(QStringLiteral("select windowtableid,tablename from _windowtable where ")
                                     + windowCondition());
    QHash<qint64, QString> tableOf;
    for (int t = 0; t < tables.count(); ++t)
        tableOf.insert(tables.value(t, QStringLiteral("WINDOWTABLEID")).toLongLong(),
                       tables.text(t, QStringLiteral("TableName")));
    // A definition names a column exactly as its table has it: anything else
    // would fail the screen's read, or be written into the save's statement.
    for (const int row : m_rows->editedRows()) {
        const QString column = m_rows->value(row, QStringLiteral("COLUMN")).toString().trimmed();
        const auto table = tableOf.constFind(m_rows->value(row, QStringLiteral("WINDOWTABLEID")).toLongLong());
        if (table == tableOf.cend())
            return tr("A definition row of %1 must belong to one of its tables (WINDOWTABLEID). Nothing was stored.")
                .arg(m_screenName);
        if (!db.columnsOf(table->trimmed()).contains(column, Qt::CaseInsensitive))
            return tr("\"%1\" is not a column of the table %2. Write a column's name as the table has it. Nothing was "
                      "stored.")
                .arg(column.left(100), table->trimmed());
    }
    return {};
}

void cDevelper::CreateControlDefaults()
{
    Database& db = m_state.db();
    // All or nothing: a failure part-way leaves the snapshot taken before.
    Transaction transaction(db);
    db.command(QStringLiteral("delete * from _screencontrol where ") + windowCondition());
    for (const QWidget* w : controls()) {
        const QPoint place = w->mapTo(w->window(), QPoint(0, 0));
        // Qt has no control arrays: every control is index 0.
        db.insert(QStringLiteral("_screencontrol"), QStringLiteral("SCREENCONTROLID"),
                  {{QStringLiteral("CONTROLNAME"), w->objectName()}, {QStringLiteral("WINDOWNAME"), m_screenName},
                   {QStringLiteral("CONTROLINDEX"), 0}, {QStringLiteral("ENABLE"), 1}, {QStringLiteral("HIDE"), 0},
                   {QStringLiteral("CONTROLVALUE"), captionOf(w)}, {QStringLiteral("DIMTOP"), place.y()},
                   {QStringLiteral("DIMLEFT"), place.x()}, {QStringLiteral("DIMWIDTH"), w->width()},
                   {QStringLiteral("DIMHEIGHT"), w->height()}, {QStringLiteral("LANGUAGE"), m_state.config.localeName},
                   {QStringLiteral("ONOFF"), 0}, {QStringLiteral("CONTROLTYPE"), 0}});
    }
    transaction.commit();
}

QStringList cDevelper::ComboBoxes()
{
    const RowSet rs = m_state.db().execute(
        QStringLiteral("select windowcontrol from _windowtabledetails where windowtableid = (select windowtableid from "
                       "_windowtable where ")
        + windowCondition() + QStringLiteral(") order by windowtabledetailsid"));
    QStringList names;
    for (int i = 0; i < rs.count(); ++i) {
        const QString name = rs.text(i, QStringLiteral("windowcontrol"));
        if (name.startsWith(QLatin1String("dfc")))
            names << name;
    }
    return names;
}

QStringList cDevelper::ComboValues(const QString& control)
{
    const RowSet rs = m_state.db().execute(QStringLiteral("select comboboxvalue from _screencombobox where ")
                                           + windowCondition() + QStringLiteral(" and columnname = '")
                                           + SqlValue::text(control) + QStringLiteral("' order by displayorder ASC"));
    QStringList values;
    for (int i = 0; i < rs.count(); ++i)
        values << rs.text(i, QStringLiteral("comboboxvalue"));
    return values;
}

void cDevelper::AddComboValue(const QString& control, int order, const QString& value, bool isDefault)
{
    m_state.db().insert(QStringLiteral("_SCREENCOMBOBOX"), QStringLiteral("SCREENCOMBOBOXID"),
                        {{QStringLiteral("COLUMNNAME"), control}, {QStringLiteral("WINDOWNAME"), m_screenName},
                         {QStringLiteral("DISPLAYORDER"), order}, {QStringLiteral("COMBOBOXVALUE"), value},
                         {QStringLiteral("DEFAULT"), isDefault ? 1 : 0}, {QStringLiteral("ONOFF"), 1}});
}
