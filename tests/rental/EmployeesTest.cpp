#include "engine/EngineSetup.h"
#include "engine/GridCombo.h"
#include "rental/frmEmployee.h"
#include "support/Clerk.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using ScreenChecks::control;

namespace {

struct Office : TestOffice {
    Office() { installEngine(state()); }
};

// The employees screen as the menu shows it.
struct Employees : frmEmployee {
    explicit Employees(TestOffice& office) : frmEmployee(office.state(), nullptr) { show(); }
    QLineEdit* line(const char* name) { return control<QLineEdit>(this, QLatin1String(name)); }
    GridCombo* managers() { return control<GridCombo>(this, u"cmbMANAGERID"_s); }
    // The names the manager list offers.
    QStringList offered()
    {
        QStringList names;
        for (int row = 0; row < managers()->model()->rowCount(); ++row)
            names << managers()->model()->index(row, 0).data().toString();
        return names;
    }
};

qint64 addEmployee(Database& db, const QString& name, bool manager = false, qint64 managedBy = 0)
{
    return db.insert(u"EMPLOYEE"_s, u"EMPID"_s, {{u"NAME"_s, name}, {u"IDNUM"_s, u"285010112345"_s},
                                                 {u"FLGMANAGER"_s, manager ? 1 : 0}, {u"MANAGERID"_s, managedBy}});
}

QString stored(Database& db, qint64 key, const QString& column)
{
    return ScreenChecks::stored(db, u"EMPLOYEE"_s, u"EMPID"_s, key, {column}).value(0);
}

}

// The first employee comes with his direct manager shown by name; only
// managers are offered. A save stores the manager as his number, and keeps a
// stored manager the list no longer offers.
TEST(EmployeeScreen, TheDirectManagerIsChosenFromTheManagers)
{
    const struct {
        const char* what;
        bool managerStill;  // his manager (خالد) is still one
        const char* chosen; // nullptr: left as it is
        const char* shown;
        QStringList offered;
        const char* storedManager;  // by name; none: he has no manager
    } rows[] = {
        {"his manager", true, nullptr, "خالد", {"خالد", "هدى"}, "خالد"},
        {"another manager chosen", true, "هدى", "هدى", {"خالد", "هدى"}, "هدى"},
        {"his manager is one no more", false, nullptr, "", {"هدى"}, "خالد"},
        {"no manager", true, nullptr, "", {"خالد", "هدى"}, nullptr},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Office office;
        const qint64 first = addEmployee(office.db(), u"سالم"_s);
        QHash<QString, qint64> keys{{u"خالد"_s, addEmployee(office.db(), u"خالد"_s, r.managerStill)},
                                    {u"منى"_s, addEmployee(office.db(), u"منى"_s)},
                                    {u"هدى"_s, addEmployee(office.db(), u"هدى"_s, true)}};
        if (r.storedManager)
            office.db().command(u"update EMPLOYEE set MANAGERID = %1 where EMPID = %2"_s.arg(keys[u"خالد"_s]).arg(first));
        Employees screen(office);
        EXPECT_EQ(screen.line("txtID")->text(), QString::number(first));
        EXPECT_EQ(screen.offered(), r.offered);
        if (r.chosen)
            screen.managers()->setCurrentIndex(screen.managers()->findText(QString::fromUtf8(r.chosen)));
        screen.line("dfMOBILE")->setText(u"99001122"_s);
        QTest::keyClick(&screen, Qt::Key_F12);
        EXPECT_EQ(stored(office.db(), first, u"MOBILE"_s), u"99001122"_s);
        EXPECT_EQ(stored(office.db(), first, u"MANAGERID"_s), QString::number(r.storedManager ? keys[QString::fromUtf8(r.storedManager)] : 0));
        EXPECT_EQ(screen.managers()->currentText(), QString::fromUtf8(r.shown));
    }
}

// A new employee ticked as manager is offered at once after the save, and by
// the screen opened again.
TEST(EmployeeScreen, ANewManagerJoinsTheList)
{
    Office office;
    addEmployee(office.db(), u"خالد"_s, true);
    Employees screen(office);
    office.ui().onDialog(u"frmGeneralN"_s, [](QDialog* dialog) {
        control<QLineEdit>(dialog, u"dfName"_s)->setText(u"نورة"_s);
        ScreenChecks::click(dialog, u"cmdOk"_s);
    });
    QTest::keyClick(&screen, Qt::Key_F8);
    screen.line("dfIDNUM")->setText(u"290010154321"_s);
    control<QCheckBox>(&screen, u"cbFLGMANAGER"_s)->setChecked(true);
    QTest::keyClick(&screen, Qt::Key_F12);
    const QStringList expected{u"خالد"_s, u"نورة"_s};
    EXPECT_EQ(screen.offered(), expected);
    EXPECT_EQ(Employees(office).offered(), expected);
}

// Opened, the clerk types into the ID number; active again, he goes on where he was.
TEST(EmployeeScreen, ActivationKeepsTheClerksPlace)
{
    const struct { const char* fieldLeft; bool viewing; bool inIdNumber; } rows[] = {
        {nullptr, false, true}, {"dfMOBILE", false, false}, {"dfTIMECARDNO", false, false},
        {"txtFileName", false, false}, {"dfTIMECARDNO", true, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.fieldLeft ? r.fieldLeft : "opened") + (r.viewing ? ", from the journal" : ""));
        Office office;
        Employees screen(office);
        ASSERT_TRUE(Clerk::showActive(&screen));
        auto* pages = control<QTabWidget>(&screen, u"SSTab1"_s);
        int pageLeft = 0;
        if (r.fieldLeft) {
            QWidget* field = control(&screen, QLatin1String(r.fieldLeft));
            while (!pages->widget(pageLeft)->isAncestorOf(field))
                ++pageLeft;
            pages->setCurrentIndex(pageLeft);
            field->setFocus();
            office.state().Viewing = r.viewing;
            QWidget elsewhere;
            ASSERT_TRUE(Clerk::showActive(&elsewhere));
            ASSERT_TRUE(Clerk::showActive(&screen));
        }
        Clerk::type(u"2850"_s);
        EXPECT_EQ(screen.line("dfIDNUM")->text() == u"2850"_s, r.inIdNumber);
        EXPECT_EQ(pages->currentIndex(), r.inIdNumber ? 0 : pageLeft);
    }
}

// Print asks for the report dialog (which this test office does not have)
// only with an employee on screen.
TEST(EmployeeScreen, PrintOnlyWithAnEmployeeOnScreen)
{
    for (const bool withEmployee : {false, true}) {
        Office office;
        office.db().command(u"delete from EMPLOYEE"_s);
        if (withEmployee)
            addEmployee(office.db(), u"خالد"_s);
        Employees screen(office);
        QTest::keyClick(&screen, Qt::Key_F7);
        EXPECT_EQ(office.ui().messages.size(), withEmployee ? 1 : 0) << withEmployee;
    }
}
