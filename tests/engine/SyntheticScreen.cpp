#include "SyntheticScreen.h"

#include "engine/NumberEdit.h"
#include "schema/Schema.h"
#include "shell/base/RunState.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace SyntheticScreen {

QList<Binding> mainBindings()
{
    return {
        {QStringLiteral("txtID"), QStringLiteral("SYNTHID"), 0, true},
        {QStringLiteral("txtNAME"), QStringLiteral("NAME"), 1},
        {QStringLiteral("dfnAMOUNT"), QStringLiteral("AMOUNT"), 0},
        {QStringLiteral("dfnMETER"), QStringLiteral("METER"), 0},
        {QStringLiteral("dfsCOMMENTS"), QStringLiteral("COMMENTS"), 1},
        {QStringLiteral("dfdISSUEDATE"), QStringLiteral("ISSUEDATE"), 2},
        {QStringLiteral("dffRETURNED"), QStringLiteral("RETURNED"), 3},
        {QStringLiteral("dfgCARTYPE"), QStringLiteral("CARTYPE"), 4},
        {QStringLiteral("dftEXITTIME"), QStringLiteral("EXITTIME"), 5},
        {QStringLiteral("dfcCOLOUR"), QStringLiteral("COLOUR"), 1},
        {QStringLiteral("dfsPADDED"), QStringLiteral("  PADDED  "), 1},
        {QStringLiteral("dfxIGNORED"), QStringLiteral("IGNORED"), 9},
        {QStringLiteral("dfsHIDDEN"), QStringLiteral("HIDDEN"), 1, false, 0},
    };
}

QList<Binding> notesBindings()
{
    return {
        {QStringLiteral("dfsNOTE"), QStringLiteral("NOTE"), 1},
        {QStringLiteral("dfnSCORE"), QStringLiteral("SCORE"), 0},
    };
}

static void createTables(Database& db)
{
    using K = ColumnKind;
    QList<TableDef> tables;
    if (!db.tableExists(Table))
        tables << TableDef{Table,
                           {{Key, K::Key}, {QStringLiteral("NAME"), K::Text},
                            {QStringLiteral("AMOUNT"), K::Money}, {QStringLiteral("METER"), K::Number},
                            {QStringLiteral("COMMENTS"), K::Text}, {QStringLiteral("ISSUEDATE"), K::Date},
                            {QStringLiteral("RETURNED"), K::Flag}, {QStringLiteral("CARTYPE"), K::Text},
                            {QStringLiteral("EXITTIME"), K::Time}, {QStringLiteral("COLOUR"), K::Text},
                            {QStringLiteral("PADDED"), K::Text}, {QStringLiteral("IGNORED"), K::Text},
                            {QStringLiteral("HIDDEN"), K::Text}},
                           {}};
    if (!db.tableExists(NotesTable))
        tables << TableDef{NotesTable,
                           {{Key, K::Key}, {QStringLiteral("NOTE"), K::Text}, {QStringLiteral("SCORE"), K::Number}},
                           {}};
    if (!tables.isEmpty())
        Schema::createTables(db, tables);
}

qint64 addTable(Database& db, const QString& screenName, const QString& table, int tableOrder,
                const QList<Binding>& bindings, int onoff)
{
    const qint64 id = db.insert(QStringLiteral("_WINDOWTABLE"), QStringLiteral("WINDOWTABLEID"),
                                {{QStringLiteral("WINDOWNAME"), screenName},
                                 {QStringLiteral("TABLENAME"), table},
                                 {QStringLiteral("ONOFF"), onoff},
                                 {QStringLiteral("TABLEORDER"), tableOrder},
                                 {QStringLiteral("OPENWINDOWDESC"), Caption}});
    int gridOrder = 0;
    for (const Binding& b : bindings) {
        db.insert(QStringLiteral("_WINDOWTABLEDETAILS"), QStringLiteral("WINDOWTABLEDETAILSID"),
                  {{QStringLiteral("WINDOWTABLEID"), id},
                   {QStringLiteral("WINDOWCONTROL"), b.control},
                   {QStringLiteral("COLUMN"), b.column},
                   {QStringLiteral("TYPE"), b.type},
                   {QStringLiteral("COLUMNLABEL"), b.control.mid(2)},
                   {QStringLiteral("ONOFF"), b.onoff},
                   {QStringLiteral("IDENTIFIER"), b.identifier ? 1 : 0},
                   {QStringLiteral("GRIDORDER"), ++gridOrder},
                   {QStringLiteral("gridwidth"), 0}});
    }
    return id;
}

void install(Database& db, const QString& name, bool withNotes)
{
    createTables(db);
    addTable(db, name, Table, 1, mainBindings());
    if (withNotes)
        addTable(db, name, NotesTable, 2, notesBindings());
}

template <typename W>
static W* add(QWidget* parent, QFormLayout* form, const QString& name)
{
    auto* w = new W(parent);
    w->setObjectName(name);
    form->addRow(name, w);
    return w;
}

QDialog* build(const QString& name, QWidget* parent)
{
    auto* screen = new QDialog(parent);
    screen->setObjectName(name);
    populate(screen);
    return screen;
}

void populate(QDialog* screen)
{
    auto* layout = new QVBoxLayout(screen);

    auto* caption = new QLabel(Caption, screen);
    caption->setObjectName(QStringLiteral("lblScreenName"));
    layout->addWidget(caption);
    auto* fieldLabel = new QLabel(QStringLiteral("Fields"), screen);
    fieldLabel->setObjectName(QStringLiteral("lblFieldLabel"));
    layout->addWidget(fieldLabel);

    auto* tabs = new QTabWidget(screen);
    tabs->setObjectName(QStringLiteral("SSTab1"));
    layout->addWidget(tabs);

    auto* page = new QWidget(tabs);
    auto* form = new QFormLayout(page);
    add<NumberEdit>(page, form, QStringLiteral("txtID"));
    add<QLineEdit>(page, form, QStringLiteral("txtNAME"));
    add<NumberEdit>(page, form, QStringLiteral("dfnAMOUNT"))->setMoney(true);
    add<NumberEdit>(page, form, QStringLiteral("dfnMETER"));
    add<QPlainTextEdit>(page, form, QStringLiteral("dfsCOMMENTS"));
    auto* date = add<QDateEdit>(page, form, QStringLiteral("dfdISSUEDATE"));
    date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    add<QCheckBox>(page, form, QStringLiteral("dffRETURNED"));
    add<QComboBox>(page, form, QStringLiteral("dfgCARTYPE"))->setEditable(true);
    auto* time = add<QTimeEdit>(page, form, QStringLiteral("dftEXITTIME"));
    time->setDisplayFormat(QStringLiteral("hh:mm:ss"));
    auto* colour = add<QComboBox>(page, form, QStringLiteral("dfcCOLOUR"));
    colour->addItems({QStringLiteral("أبيض"), QStringLiteral("أسود"), QStringLiteral("red")});
    add<QLineEdit>(page, form, QStringLiteral("dfsPADDED"));
    add<QLineEdit>(page, form, QStringLiteral("dfxIGNORED"));
    add<QLineEdit>(page, form, QStringLiteral("dfsHIDDEN"));
    add<QLabel>(page, form, QStringLiteral("lblZero"))->setText(QStringLiteral("0"));
    tabs->addTab(page, QStringLiteral("Main"));

    auto* notes = new QWidget(tabs);
    auto* notesForm = new QFormLayout(notes);
    add<QLineEdit>(notes, notesForm, QStringLiteral("dfsNOTE"));
    add<NumberEdit>(notes, notesForm, QStringLiteral("dfnSCORE"));
    tabs->addTab(notes, QStringLiteral("Notes"));

    for (const char* button : {"cmdSave", "cmdPRINT", "command0"}) {
        auto* b = new QPushButton(QString::fromLatin1(button), screen);
        b->setObjectName(QString::fromLatin1(button));
        layout->addWidget(b);
    }
}

void registerScreen(RunState& state, const QString& name)
{
    state.screens().add(name, [name](RunState&, QWidget* parent) { return build(name, parent); });
}

qint64 addRecord(Database& db, const QList<Database::Field>& fields, const QList<Database::Field>& noteFields)
{
    const qint64 key = db.insert(Table, Key, fields);
    db.insert(NotesTable, Key, QList<Database::Field>{{Key, key}} + noteFields);
    return key;
}

QVariant stored(Database& db, const QString& table, const QString& column, qint64 key)
{
    const RowSet rows = db.executeBound(
        QStringLiteral("SELECT \"%1\" FROM \"%2\" WHERE \"%3\" = ?").arg(column, table, Key), {key});
    return rows.isEmpty() ? QVariant() : rows.value(0, 0);
}

}
