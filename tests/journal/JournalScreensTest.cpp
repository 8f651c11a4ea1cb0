#include "core/ErrorLog.h"
#include "engine/ControlAccess.h"
#include "engine/DataScreen.h"
#include "engine/EngineSetup.h"
#include "engine/MetadataWriter.h"
#include "journal/JournalScreens.h"
#include "support/TestOffice.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QDate today = QDate::currentDate(), yesterday = today.addDays(-1);

// A small customer screen: txtID (CUSTOMERID, the key) and txtNAME over Customer, with the caption
// the journal keeps and Save.
struct ProbeScreen : DataScreen {
    static Definition definition()
    {
        Definition d;
        d.keyColumn = u"CUSTOMERID"_s;
        d.table = u"Customer"_s;
        d.condition = u"where 1 = 1"_s;
        return d;
    }
    ProbeScreen(RunState& state, QWidget* parent) : DataScreen(state, definition(), parent)
    {
        setObjectName(u"frmJournalProbe"_s);
        (new QLabel(u"Probe customers"_s, this))->setObjectName(u"lblScreenName"_s);
        for (const QString& name : {u"txtID"_s, u"txtNAME"_s})
            (new QLineEdit(this))->setObjectName(name);
        for (const QString& name : {u"cmdSave"_s, u"command0"_s})
            (new QPushButton(name, this))->setObjectName(name);
        connectCommands();
    }
};

// A test office with the engine, the journal screens and the probe screen, ADMIN logged in;
// nothing a test does may end in the error log.
struct JournalOffice : TestOffice {
    JournalOffice()
    {
        loginAs(u"ADMIN"_s);
        installEngine(state());
        registerJournalScreens(state().screens());
        MetadataWriter m(db(), u"frmJournalProbe"_s);
        const qint64 table = m.table(u"Customer"_s, 1, u"Probe customers"_s);
        m.identifier(table, u"CUSTOMERID"_s, u"ID"_s);
        m.field(table, u"txtNAME"_s, u"name"_s, MetadataWriter::Text, {}, 2);
        state().screens().add(u"frmJournalProbe"_s, [](RunState& s, QWidget* parent) { return new ProbeScreen(s, parent); });
    }
    ~JournalOffice()
    {
        QFile log(errorLogPath(state()));
        EXPECT_EQ(log.open(QIODevice::ReadOnly) ? QString::fromUtf8(log.readAll()) : QString(), QString());
    }
    // The registered screen, built and shown (so that it runs its loading).
    std::unique_ptr<QWidget> open(const QString& name)
    {
        std::unique_ptr<QWidget> screen(state().screens().instance(name, nullptr));
        ui().show(screen.get());
        return screen;
    }
};

template <typename T = QWidget>
T* find(QWidget* screen, const char* name) { return qobject_cast<T*>(ControlAccess::require(screen, QLatin1String(name))); }
void set(QWidget* screen, const char* name, const QString& value) { ControlAccess::setValue(find(screen, name), value); }

// The texts of a grid's first column, mapped through `names` (the key to what the row stands for).
QStringList listed(QWidget* screen, const char* grid, const QHash<QString, QString>& names)
{
    QStringList out;
    const QAbstractItemModel* model = find<QTableView>(screen, grid)->model();
    for (int row = 0; model && row < model->rowCount(); ++row)
        out << names.value(model->index(row, 0).data().toString(), u"?"_s);
    return out;
}

void search(QWidget* archive, QDate from, QDate to, bool allUsers = false, const char* user = "", const char* description = "")
{
    set(archive, "dfdFrom", from.toString(u"dd/MM/yyyy"_s));
    set(archive, "dfdTo", to.toString(u"dd/MM/yyyy"_s));
    set(archive, "dffAllUsers", allUsers ? u"1"_s : u"0"_s);
    set(archive, "dfcUser", QLatin1String(user));
    set(archive, "dfsDescription", QLatin1String(description));
    find<QPushButton>(archive, "cmdSearch")->click();
}

}

// Both archives list what the criteria select, oldest first; the accounting
// journals (F1M1) have no operator or description to search by.
TEST(JournalArchives, SearchListsTheEntriesTheCriteriaSelect)
{
    JournalOffice o;
    const QDate lastWeek = today.addDays(-7);
    QHash<QString, QHash<QString, QString>> named;  // per screen, the entry's key to its text
    const std::tuple<const char*, QDate, const char*> changes[] = {
        {"ADMIN", today, "Customers"}, {"CLERK", today, "Ali's car"}, {"CLERK", yesterday, "50% off"},
        {"ADMIN", today, "500 off"},   {"ADMIN", lastWeek, "a week ago"}};
    for (const auto& [user, day, text] : changes)
        named[u"F1M0"_s].insert(QString::number(o.db().insert(u"_JOURNAL"_s, u"JOURNALID"_s,
            {{u"USER"_s, user}, {u"JOURNALDATE"_s, day.toString(u"yyyyMMdd"_s).toLongLong()},
             {u"JOURNALDESCRIPTION"_s, text}, {u"FORM"_s, u"frmJournalProbe"_s}})), QLatin1String(text));
    for (const auto& [text, day] : {std::pair{"rent returned", today}, std::pair{"fuel", yesterday}})
        named[u"F1M1"_s].insert(QString::number(o.db().insert(u"JOURNAL"_s, u"JOURNALID"_s,
            {{u"NAME"_s, text}, {u"AMOUNT"_s, 12.5}, {u"TRANSACTIONDATE"_s, day.toString(u"yyyyMMdd"_s).toLongLong()}})),
            QLatin1String(text));
    const struct { const char* screen; const char* what; QDate from, to; bool allUsers; const char* user;
                   const char* description; QStringList found; } cases[] = {
        {"F1M0", "one operator", today, today, false, "CLERK", "", {"Ali's car"}},
        {"F1M0", "all users ignores the chosen operator", today, today, true, "CLERK", "", {"Customers", "Ali's car", "500 off"}},
        {"F1M0", "a description with an apostrophe", today, today, false, "", "i's", {"Ali's car"}},
        {"F1M0", "a percent sign is a letter", yesterday, today, false, "", "0%", {"50% off"}},
        {"F1M0", "both ends of the range count", lastWeek, yesterday, false, "", "", {"a week ago", "50% off"}},
        {"F1M0", "an operator with an apostrophe", today, today, false, "O'NEIL", "", {}},
        {"F1M1", "both ends of the range count", yesterday, today, false, "NOBODY", "nothing like it", {"fuel", "rent returned"}},
    };
    std::map<QString, std::unique_ptr<QWidget>> archives;
    for (const auto& c : cases) {
        auto& archive = archives[QLatin1String(c.screen)];
        if (!archive)
            archive = o.open(QLatin1String(c.screen));
        search(archive.get(), c.from, c.to, c.allUsers, c.user, c.description);
        EXPECT_EQ(listed(archive.get(), "DataGrid1", named[QLatin1String(c.screen)]), c.found) << c.screen << ": " << c.what;
    }
}

// A double-click (a click first, so the grid knows the cell) shows the entry
// read-only on its own screen, as that save stored it; a first cell holding
// no entry number shows nothing.
TEST(JournalArchives, ListsWhatASaveJournalledAndShowsItOnItsScreen)
{
    JournalOffice o;
    o.db().insert(u"Customer"_s, u"CUSTOMERID"_s, {{u"name"_s, u"Salem"_s}});
    {
        const auto probe = o.open(u"frmJournalProbe"_s);
        find<QLineEdit>(probe.get(), "txtNAME")->clear();
        QTest::keyClicks(find(probe.get(), "txtNAME"), u"Salem Ahmad"_s);  // typed: the screen notes the change
        static_cast<DataScreen*>(probe.get())->Save();
    }
    o.db().command(u"update Customer set name = 'Salem Later'"_s);
    const auto archive = o.open(u"F1M0"_s);
    QStringList shown;
    o.ui().onDialog(u"frmJournalProbe"_s, [&](QDialog* view) {
        QWidget* name = find(view, "txtNAME");
        shown << ControlAccess::text(name) + (o.state().Viewing && !name->isEnabled() ? u" read-only"_s : QString());
    });
    for (const bool numbered : {true, false}) {
        if (!numbered)
            o.db().command(u"update _GRIDTABLEDETAILS set Column = '''''' where GRIDCOLUMNNUMBER = 1 and GRIDTABLEID = "
                           "(select GRIDTABLEID from _GRIDTABLE where WINDOWNAME = 'F1M0')"_s);
        search(archive.get(), today, today);
        auto* grid = find<QTableView>(archive.get(), "DataGrid1");
        ASSERT_EQ(grid->model()->rowCount(), 1);
        const QPoint at = grid->visualRect(grid->model()->index(0, 1)).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    }
    EXPECT_EQ(shown, QStringList{u"Salem Ahmad read-only"_s});
    EXPECT_FALSE(o.state().Viewing);
    EXPECT_TRUE(o.ui().messages.isEmpty());
}
