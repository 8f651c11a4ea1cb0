#include "JournalOffice.h"

#include "engine/ControlAccess.h"
#include "shell/base/SqlValue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct Archive {
    Archive() : screen(o.open(QStringLiteral("F1M0"))) {}

    template <typename T>
    T* control(const char* name)
    {
        return qobject_cast<T*>(ControlAccess::require(screen.get(), QLatin1String(name)));
    }
    QTableView* grid() { return control<QTableView>("DataGrid1"); }

    void search(const QDate& from, const QDate& to, bool allUsers = false, const QString& user = {},
                const QString& description = {})
    {
        control<QDateEdit>("dfdFrom")->setDate(from);
        control<QDateEdit>("dfdTo")->setDate(to);
        control<QCheckBox>("dffAllUsers")->setChecked(allUsers);
        control<QComboBox>("dfcUser")->setCurrentText(user);
        QLineEdit* field = control<QLineEdit>("dfsDescription");
        field->clear();
        QTest::keyClicks(field, description);
        control<QPushButton>("cmdSearch")->click();
    }

    // Double-clicks the second cell of a row; the screen moves to the first.
    void doubleClickRow(int row)
    {
        JournalOffice::doubleClick(grid(), grid()->model()->index(row, 1));
    }

    JournalOffice o;
    std::unique_ptr<QWidget> screen;
};

const QDate Today = QDate::currentDate();

}

TEST(F1M0, OpensOnTodayWithTheOperatorsToChooseFrom)
{
    JournalOffice o;
    o.db().insert(QStringLiteral("operator"), QStringLiteral("OPERATORID"),
                  {{QStringLiteral("LOGINID"), QStringLiteral("CLERK")},
                   {QStringLiteral("operatorname"), QStringLiteral("Clerk")}});
    const auto screen = o.open(QStringLiteral("F1M0"));
    const auto* users = qobject_cast<QComboBox*>(ControlAccess::require(screen.get(), QStringLiteral("dfcUser")));
    QStringList logins;
    for (int i = 0; i < users->count(); ++i)
        logins << users->itemText(i);
    EXPECT_EQ(logins, (QStringList{QStringLiteral("ADMIN"), QStringLiteral("CLERK")}));
    EXPECT_TRUE(users->currentText().isEmpty());
    for (const char* name : {"dfdFrom", "dfdTo"})
        EXPECT_EQ(qobject_cast<QDateEdit*>(ControlAccess::require(screen.get(), QLatin1String(name)))->date(), Today)
            << name;
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Archive"));
}

TEST(F1M0, AllUsersLocksTheOperatorList)
{
    Archive a;
    auto* all = a.control<QCheckBox>("dffAllUsers");
    auto* users = a.control<QComboBox>("dfcUser");
    EXPECT_TRUE(users->isEnabled());
    all->click();
    EXPECT_FALSE(users->isEnabled());
    all->click();
    EXPECT_TRUE(users->isEnabled());
}

TEST(F1M0, SearchListsTheEntriesTheCriteriaSelect)
{
    const QDate yesterday = Today.addDays(-1);
    const QDate lastWeek = Today.addDays(-7);
    struct Entry {
        const char* user;
        QDate day;
        const char* description;
    };
    const Entry entries[] = {
        {"ADMIN", Today, "Customers"},      {"CLERK", Today, "Ali's car"},
        {"CLERK", yesterday, "50% off"},   {"ADMIN", Today, "500 off"},
        {"ADMIN", lastWeek, "a_b"},        {"ADMIN", Today, "axb"},
    };
    struct Case {
        const char* name;
        QDate from;
        QDate to;
        bool allUsers;
        const char* user;
        const char* description;
        QStringList expected;
    };
    const Case cases[] = {
        {"today, anyone", Today, Today, false, "", "", {"Customers", "Ali's car", "500 off", "axb"}},
        {"one operator", Today, Today, false, "CLERK", "", {"Ali's car"}},
        {"all users ignores the chosen operator", Today, Today, true, "CLERK", "",
         {"Customers", "Ali's car", "500 off", "axb"}},
        {"an operator of 0 is none", Today, Today, false, "0", "", {"Customers", "Ali's car", "500 off", "axb"}},
        {"a description with an apostrophe", Today, Today, false, "", "i's", {"Ali's car"}},
        {"a percent sign is a letter", yesterday, Today, false, "", "0%", {"50% off"}},
        {"an underscore is a letter", lastWeek, Today, false, "", "a_b", {"a_b"}},
        {"both ends of the range count", lastWeek, yesterday, false, "", "", {"50% off", "a_b"}},
        {"from after to", Today, yesterday, false, "", "", {}},
        {"an operator with an apostrophe", Today, Today, false, "O'NEIL", "", {}},
    };

    Archive a;
    QHash<QString, QString> descriptionOf;
    for (const Entry& e : entries)
        descriptionOf.insert(
            QString::number(a.o.addEntry(QLatin1String(e.user), e.day, QString::fromUtf8(e.description))),
            QString::fromUtf8(e.description));

    for (const Case& c : cases) {
        a.search(c.from, c.to, c.allUsers, QLatin1String(c.user), QString::fromUtf8(c.description));
        QStringList found;
        for (const QString& id : JournalOffice::column(a.grid(), 0))
            found << descriptionOf.value(id, id);
        found.sort();
        QStringList expected = c.expected;
        expected.sort();
        EXPECT_EQ(found, expected) << c.name;
    }
    EXPECT_TRUE(a.o.ui().messages.isEmpty());
    EXPECT_TRUE(a.o.errorLog().isEmpty()) << a.o.errorLog().toStdString();
}

TEST(F1M0, DoubleClickShowsNothingWithoutAnEntryNumber)
{
    struct Case {
        const char* name;
        const char* firstColumn;  // expression shown in the first grid column
        bool withEntry;
    };
    const Case cases[] = {
        {"empty grid", "JOURNALID", false},
        {"empty text in the first cell", "''", true},
        {"null in the first cell", "NULL", true},
    };
    for (const Case& c : cases) {
        Archive a;
        a.o.db().command(QStringLiteral("update _GRIDTABLEDETAILS set Column = ")
                         + SqlValue::quoted(QLatin1String(c.firstColumn))
                         + QStringLiteral(" where GRIDCOLUMNNUMBER = 1 and GRIDTABLEID = (select GRIDTABLEID from "
                                          "_GRIDTABLE where WINDOWNAME = 'F1M0')"));
        if (c.withEntry)
            a.o.addEntry(QStringLiteral("ADMIN"), Today, QStringLiteral("Customers"));
        a.search(Today, Today);
        ASSERT_EQ(a.grid()->model()->rowCount(), c.withEntry ? 1 : 0) << c.name;
        if (c.withEntry) {
            a.doubleClickRow(0);
            EXPECT_EQ(a.grid()->currentIndex().column(), 0) << c.name;
        } else {
            QTest::mouseClick(a.grid()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
            QTest::mouseDClick(a.grid()->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        }
        EXPECT_TRUE(a.o.ui().dialogsShown.isEmpty()) << c.name;
        EXPECT_TRUE(a.o.ui().messages.isEmpty()) << c.name;
        EXPECT_FALSE(a.o.state().Viewing) << c.name;
    }
}

TEST(F1M0, ListsWhatASaveJournalledAndShowsItOnItsScreen)
{
    Archive a;
    const qint64 customer = a.o.addCustomer(QStringLiteral("Salem"), {{QStringLiteral("HOMETEL1"), QStringLiteral("2233")}});

    {
        ProbeScreen probe(a.o.state(), nullptr);
        a.o.ui().show(&probe);
        ASSERT_EQ(ControlAccess::text(ControlAccess::require(&probe, QStringLiteral("txtID"))),
                  QString::number(customer));
        QLineEdit* name = qobject_cast<QLineEdit*>(ControlAccess::require(&probe, QStringLiteral("txtNAME")));
        name->clear();
        QTest::keyClicks(name, QStringLiteral("Salem Ahmad"));
        probe.Save();
    }
    ASSERT_EQ(a.o.db().execute(QStringLiteral("select name from Customer")).text(0, QStringLiteral("name")),
              QStringLiteral("Salem Ahmad"));
    // The record moves on; the entry keeps what that save stored.
    a.o.db().command(QStringLiteral("update Customer set name = 'Salem Later'"));

    a.search(Today.addDays(-1), Today.addDays(-1));
    EXPECT_EQ(a.grid()->model()->rowCount(), 0);
    a.search(Today, Today);
    ASSERT_EQ(a.grid()->model()->rowCount(), 1);
    EXPECT_EQ(JournalOffice::column(a.grid(), 4), QStringList{ProbeScreen::Caption});
    EXPECT_EQ(JournalOffice::column(a.grid(), 3), QStringList{QStringLiteral("ADMIN")});

    QString shownName;
    bool viewing = false;
    bool nameLocked = false;
    a.o.ui().onDialog(ProbeScreen::Name, [&](QDialog* view) {
        viewing = a.o.state().Viewing;
        QWidget* name = ControlAccess::require(view, QStringLiteral("txtNAME"));
        shownName = ControlAccess::text(name);
        nameLocked = !name->isEnabled();
    });
    a.doubleClickRow(0);
    EXPECT_EQ(a.o.ui().dialogsShown, QStringList{ProbeScreen::Name});
    EXPECT_TRUE(viewing);
    EXPECT_TRUE(nameLocked);
    EXPECT_EQ(shownName, QStringLiteral("Salem Ahmad"));
    EXPECT_FALSE(a.o.state().Viewing);
    EXPECT_TRUE(a.o.errorLog().isEmpty()) << a.o.errorLog().toStdString();
}

TEST(F1M0, PrintListOpensTheCustomerSearchAndOkCloses)
{
    Archive a;
    a.o.ui().onDialog(QStringLiteral("F3M0O"), [](QDialog* search) { EXPECT_TRUE(search->isVisible()); });
    a.control<QPushButton>("cmdPL")->click();
    EXPECT_EQ(a.o.ui().dialogsShown, QStringList{QStringLiteral("F3M0O")});
    EXPECT_TRUE(a.screen->isVisible());
    a.control<QPushButton>("cmdOk")->click();
    EXPECT_FALSE(a.screen->isVisible());
}
