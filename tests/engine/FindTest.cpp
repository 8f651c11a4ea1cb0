#include "core/Database.h"
#include "engine/EngineSetup.h"
#include "rental/frmCustomers.h"
#include "support/Clerk.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The grid's shown column `column`, row by row.
QStringList shownColumn(QDialog* dialog, int column)
{
    const auto* grid = dialog->findChild<QTableView*>(u"DataGrid1"_s);
    QStringList out;
    for (int r = 0; r < grid->model()->rowCount(); ++r)
        out << grid->model()->index(r, column).data().toString();
    return out;
}

struct Customers {
    TestOffice office;
    frmCustomers screen{office.state(), nullptr};

    Customers()
    {
        installEngine(office.state());
        const struct { const char* name; const char* tel; const char* mobile; qint64 id; const char* licence; } rows[] = {
            {"سالم العلي", "", "0551234", 2800, "LX-77"},
            {"Mona Khalid", "22334455", "0559999", 1234567, "Q-1"},
            {"خالد سالم", "24445555", "", 99, ""},
        };
        for (const auto& c : rows)
            office.db().insert(u"Customer"_s, u"CUSTOMERID"_s,
                               {{u"name"_s, QString::fromUtf8(c.name)}, {u"HOMETEL1"_s, QString::fromUtf8(c.tel)},
                                {u"HOMEMOB"_s, QString::fromUtf8(c.mobile)}, {u"IDNUMBER"_s, c.id},
                                {u"HOMECARLICENSE"_s, QString::fromUtf8(c.licence)}});
        office.state().screens().adopt(u"frmCustomers"_s, &screen);
    }

    // F9 on the shown screen, then `work` in the open dialog once it has the keyboard.
    void open(const std::function<void(QDialog*)>& work)
    {
        office.ui().onDialog(u"frmGeneralOpen"_s, [&](QDialog* d) {
            ASSERT_TRUE(Clerk::showActive(d));
            work(d);
        });
        ASSERT_TRUE(Clerk::showActive(&screen));
        Clerk::press(Qt::Key_F9);
    }
};

}

// Typing narrows the list at once, by any part of the name, telephone, mobile,
// identity or licence number, in either case; Enter opens the first found. A
// letter typed on the list starts the search; a digit there is the record
// number, so numbers are typed in the search field.
TEST(Find, TypingNarrowsTheOpenDialogByAnyPartAndEnterOpens)
{
    const struct { QString typed; bool inSearchField; QStringList names; } cases[] = {
        {u"سالم"_s, false, {u"سالم العلي"_s, u"خالد سالم"_s}},
        {u"mona"_s, false, {u"Mona Khalid"_s}},
        {u"0551"_s, true, {u"سالم العلي"_s}},   // the mobile, shown where the telephone is empty
        {u"9999"_s, true, {u"Mona Khalid"_s}},  // the mobile behind a telephone
        {u"3344"_s, true, {u"Mona Khalid"_s}},
        {u"x-7"_s, false, {u"سالم العلي"_s}},
        {u"345"_s, true, {u"Mona Khalid"_s}},   // the identity number
        {u"50%"_s, true, {}},                   // % is a letter here
    };
    for (const auto& c : cases) {
        Customers o;
        QStringList names;
        std::string typedInto;
        o.open([&](QDialog* d) {
            if (c.inSearchField) {
                ASSERT_TRUE(Clerk::tabTo("txtNAME"));
            }
            Clerk::type(c.typed);
            typedInto = Clerk::focused();
            names = shownColumn(d, 1);
            Clerk::press(Qt::Key_Return);
        });
        EXPECT_EQ(typedInto, "txtNAME") << c.typed.toStdString();
        EXPECT_EQ(names, c.names) << c.typed.toStdString();
        const QString opened = ScreenChecks::control<QLineEdit>(&o.screen, u"txtNAME"_s)->text();
        EXPECT_EQ(opened, c.names.value(0, u"سالم العلي"_s)) << c.typed.toStdString();
    }
}

// The telephone column falls back to the mobile; a click on a heading or
// Ctrl+Up / Ctrl+Down on the list sorts, and typing keeps the order.
TEST(Find, TheListShowsTheMobileForAMissingTelephoneAndSortsByAnyColumn)
{
    Customers o;
    const QStringList rising{u"Mona Khalid"_s, u"خالد سالم"_s, u"سالم العلي"_s};
    const QStringList falling{rising.crbegin(), rising.crend()};
    bool shown = false;
    o.open([&](QDialog* d) {
        shown = true;
        EXPECT_EQ(shownColumn(d, 2), (QStringList{u"0551234"_s, u"22334455"_s, u"24445555"_s}));
        QHeaderView* header = d->findChild<QTableView*>(u"DataGrid1"_s)->horizontalHeader();
        const QPoint name(header->sectionViewportPosition(1) + header->sectionSize(1) / 2, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, name);
        EXPECT_EQ(shownColumn(d, 1), rising);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, name);
        EXPECT_EQ(shownColumn(d, 1), falling);
        Clerk::press(Qt::Key_Up, Qt::ControlModifier);
        EXPECT_EQ(shownColumn(d, 1), rising);
        Clerk::type(u"ال"_s);
        EXPECT_EQ(shownColumn(d, 1), (QStringList{u"خالد سالم"_s, u"سالم العلي"_s}));
    });
    EXPECT_TRUE(shown);
}
