#include "SyntheticScreen.h"

#include "engine/DateEdit.h"
#include "engine/NumberEdit.h"
#include "schema/Schema.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimeEdit>
#include <QVBoxLayout>
#include <span>

using namespace Qt::StringLiterals;

namespace SyntheticScreen {
namespace {

using K = ColumnKind;

// A control bound to a column with a TYPE; widget: n number, m money, l line, p plain text,
// d date, c check, g editable combo, t time.
struct Field { const char* control; const char* column; int type; char widget; ColumnKind kind; int onoff = 1; };

const Field MainFields[] = {
    {"txtID", "SYNTHID", 0, 'n', K::Key},        {"txtNAME", "NAME", 1, 'l', K::Text},
    {"dfnAMOUNT", "AMOUNT", 0, 'm', K::Money},    {"dfnMETER", "METER", 0, 'n', K::Number},
    {"dfsCOMMENTS", "COMMENTS", 1, 'p', K::Text}, {"dfdISSUEDATE", "ISSUEDATE", 2, 'd', K::Date},
    {"dffRETURNED", "RETURNED", 3, 'c', K::Flag}, {"dfgCARTYPE", "CARTYPE", 4, 'g', K::Text},
    {"dftEXITTIME", "EXITTIME", 5, 't', K::Time}, {"dfsPADDED", "  PADDED  ", 1, 'l', K::Text},
    {"dfxIGNORED", "IGNORED", 9, 'l', K::Text},   {"dfsHIDDEN", "HIDDEN", 1, 'l', K::Text, 0},
};
const Field NoteFields[] = {{"dfsNOTE", "NOTE", 1, 'l', K::Text}, {"dfnSCORE", "SCORE", 0, 'n', K::Number}};
const Field Unbound[] = {{"dfdUNTIL", "", 0, 'd', K::Date}, {"dffPAID", "", 0, 'c', K::Flag}, {"dfsCODE", "", 0, 'l', K::Text}};

void addTable(Database& db, const QString& screen, const QString& table, int order, std::span<const Field> fields, bool bind)
{
    TableDef def{table, {{Key, K::Key}}, {}};
    for (const Field& f : fields)
        if (f.kind != K::Key)
            def.columns << ColumnDef{QString::fromLatin1(f.column).trimmed(), f.kind};
    if (!db.tableExists(table))
        Schema::createTables(db, {def});
    if (!bind)
        return;
    const qint64 id = db.insert(u"_WINDOWTABLE"_s, u"WINDOWTABLEID"_s,
                                {{u"WINDOWNAME"_s, screen}, {u"TABLENAME"_s, table}, {u"ONOFF"_s, 1},
                                 {u"TABLEORDER"_s, order}, {u"OPENWINDOWDESC"_s, u"Synthetic screen"_s}});
    int gridOrder = 0;
    for (const Field& f : fields)
        db.insert(u"_WINDOWTABLEDETAILS"_s, u"WINDOWTABLEDETAILSID"_s,
                  {{u"WINDOWTABLEID"_s, id}, {u"WINDOWCONTROL"_s, f.control}, {u"COLUMN"_s, f.column},
                   {u"TYPE"_s, f.type}, {u"COLUMNLABEL"_s, f.control}, {u"ONOFF"_s, f.onoff},
                   {u"IDENTIFIER"_s, f.kind == K::Key ? 1 : 0}, {u"GRIDORDER"_s, ++gridOrder}, {u"gridwidth"_s, 0}});
}

QWidget* make(char widget, QWidget* parent)
{
    switch (widget) {
    case 'n': return new NumberEdit(parent);
    case 'm': { auto* e = new NumberEdit(parent); e->setMoney(true); return e; }
    case 'p': return new QPlainTextEdit(parent);
    case 'd': { auto* e = new DateEdit(parent); e->setDisplayFormat(u"dd/MM/yyyy"_s); return e; }
    case 'c': return new QCheckBox(parent);
    case 'g': { auto* e = new QComboBox(parent); e->setEditable(true); return e; }
    case 't': { auto* e = new QTimeEdit(parent); e->setDisplayFormat(u"hh:mm:ss"_s); return e; }
    default: return new QLineEdit(parent);
    }
}

QWidget* addPage(QTabWidget* tabs, std::span<const Field> fields)
{
    auto* page = new QWidget(tabs);
    auto* form = new QFormLayout(page);
    for (const Field& f : fields) {
        QWidget* w = make(f.widget, page);
        w->setObjectName(QLatin1String(f.control));
        form->addRow(w->objectName(), w);
    }
    tabs->addTab(page, QString::number(tabs->count()));
    return page;
}

}

void install(Database& db, const QString& name, bool withNotes)
{
    addTable(db, name, Table, 1, MainFields, true);
    addTable(db, name, NotesTable, 2, NoteFields, withNotes);
}

QDialog* build(const QString& name, QWidget* parent)
{
    auto* screen = new QDialog(parent);
    screen->setObjectName(name);
    auto* layout = new QVBoxLayout(screen);
    auto* tabs = new QTabWidget(screen);
    tabs->setObjectName(u"SSTab1"_s);
    layout->addWidget(tabs);
    (new QLabel(u"0"_s, addPage(tabs, MainFields)))->setObjectName(u"lblZero"_s);
    addPage(tabs, NoteFields);
    addPage(tabs, Unbound);
    for (const char* name : {"cmdSave", "command0"}) {
        auto* button = new QPushButton(QLatin1String(name), screen);
        button->setObjectName(QLatin1String(name));
        layout->addWidget(button);
    }
    return screen;
}

}
