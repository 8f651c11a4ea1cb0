#include "core/SqlValue.h"
#include "engine/EngineSetup.h"
#include "engine/GridCombo.h"
#include "rental/frmEmployee.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using ScreenChecks::control;

struct Office : TestOffice {
    Office() { installEngine(state()); }
};

// The employees screen as the menu shows it.
struct Employees : frmEmployee {
    explicit Employees(TestOffice& office) : frmEmployee(office.state(), nullptr) { show(); }
    QLineEdit* line(const char* name) { return control<QLineEdit>(this, name); }
    GridCombo* managers() { return control<GridCombo>(this, "cmbMANAGERID"); }
    // The names the manager list offers, under its headings.
    QStringList offered()
    {
        const QAbstractItemModel* list = managers()->model();
        QStringList names{list->headerData(0, Qt::Horizontal).toString(), list->headerData(1, Qt::Horizontal).toString()};
        for (int row = 0; row < list->rowCount(); ++row)
            names << list->index(row, 0).data().toString();
        return names;
    }
};

const QStringList headings{"الااسم ", "ID:"};

qint64 addEmployee(Database& db, const QString& name, bool manager = false)
{
    return db.insert("EMPLOYEE", "EMPID", {{"NAME", name}, {"IDNUM", "285010112345"}, {"FLGMANAGER", manager ? 1 : 0}});
}

QString stored(Database& db, qint64 key, const QString& column)
{
    return db.execute("select " + column + " from EMPLOYEE where EMPID = " + SqlValue::number(key)).text(0, column).trimmed();
}

void storePicture(Database& db, qint64 key, const QColor& colour)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    const qint64 row = db.insert("EMPPICTURE", "EMPPICTUREID", {{"EMPID", key}});
    db.writeBlob("EMPPICTURE", "OLEMODULE", "EMPPICTUREID", row, bytes, {});
}

}

// The first employee comes with his direct manager shown by name; only
// managers are offered. A save stores the manager as his number, and keeps a
// stored manager the list no longer offers.
TEST(frmEmployee, TheDirectManagerIsChosenFromTheManagers)
{
    struct Member {
        const char* name;
        bool manager;
        int directManager;  // row; -1: none
    };
    const struct {
        const char* what;
        QList<Member> staff;
        const char* shown;
        const char* chosen;  // nullptr: left as it is
        QStringList offered;
        int storedManager;   // row; -1: none
    } rows[] = {
        {"his manager", {{"سالم", false, 1}, {"خالد", true, -1}, {"منى", false, -1}, {"هدى", true, -1}}, "خالد",
         nullptr, {"خالد", "هدى"}, 1},
        {"another manager chosen", {{"سالم", false, 1}, {"خالد", true, -1}, {"هدى", true, -1}}, "خالد", "هدى",
         {"خالد", "هدى"}, 2},
        {"his manager is one no more", {{"سالم", false, 1}, {"خالد", false, -1}, {"هدى", true, -1}}, "", nullptr,
         {"هدى"}, 1},
        {"no manager", {{"سالم", false, -1}, {"هدى", true, -1}}, "", nullptr, {"هدى"}, -1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Office office;
        QList<qint64> keys;
        for (const Member& m : r.staff)
            keys << addEmployee(office.db(), m.name, m.manager);
        for (int i = 0; i < r.staff.size(); ++i)
            if (r.staff[i].directManager >= 0)
                office.db().command(QString("update EMPLOYEE set MANAGERID = %1 where EMPID = %2")
                                        .arg(keys[r.staff[i].directManager])
                                        .arg(keys[i]));
        Employees screen(office);
        EXPECT_EQ(screen.line("txtID")->text(), QString::number(keys[0]));
        EXPECT_EQ(screen.managers()->currentText(), r.shown);
        EXPECT_EQ(screen.offered(), headings + r.offered);
        if (r.chosen)
            screen.managers()->setCurrentIndex(screen.managers()->findText(r.chosen));
        screen.line("dfMOBILE")->setText("99001122");
        QTest::keyClick(&screen, Qt::Key_F12);
        EXPECT_EQ(stored(office.db(), keys[0], "MOBILE"), "99001122");
        EXPECT_EQ(stored(office.db(), keys[0], "MANAGERID"),
                  QString::number(r.storedManager < 0 ? 0 : keys[r.storedManager]));
        EXPECT_EQ(screen.managers()->currentText(), r.chosen ? r.chosen : r.shown);
    }
}

// A new employee ticked as manager is offered at once after the save, and by
// the screen opened again.
TEST(frmEmployee, ANewManagerJoinsTheList)
{
    for (const bool ticked : {true, false}) {
        SCOPED_TRACE(ticked);
        Office office;
        addEmployee(office.db(), "خالد", true);
        Employees screen(office);
        office.ui().onDialog("frmGeneralN", [](QDialog* dialog) {
            control<QLineEdit>(dialog, "dfName")->setText("نورة");
            ScreenChecks::click(dialog, "cmdOk");
        });
        QTest::keyClick(&screen, Qt::Key_F8);
        ASSERT_EQ(screen.line("txtNAME")->text(), "نورة");
        screen.line("dfIDNUM")->setText("290010154321");
        control<QCheckBox>(&screen, "cbFLGMANAGER")->setChecked(ticked);
        QTest::keyClick(&screen, Qt::Key_F12);
        const QStringList expected = headings + (ticked ? QStringList{"خالد", "نورة"} : QStringList{"خالد"});
        EXPECT_EQ(screen.offered(), expected);
        EXPECT_EQ(Employees(office).offered(), expected);
    }
}

// Opened, the clerk types into the ID number; active again, he goes on where he was.
TEST(frmEmployee, ActivationKeepsTheClerksPlace)
{
    const struct {
        const char* what;
        const char* fieldLeft;  // nullptr: the first activation
        bool viewing;
        bool inIdNumber;
    } rows[] = {
        {"opened", nullptr, false, true},
        {"back to his mobile", "dfMOBILE", false, false},
        {"back to the professional page", "dfTIMECARDNO", false, false},
        {"back to the picture", "txtFileName", false, false},
        {"a record from the journal", "dfTIMECARDNO", true, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Office office;
        Employees screen(office);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
        auto* pages = control<QTabWidget>(&screen, "SSTab1");
        int pageLeft = 0;
        if (r.fieldLeft) {
            QWidget* field = control(&screen, r.fieldLeft);
            while (!pages->widget(pageLeft)->isAncestorOf(field))
                ++pageLeft;
            pages->setCurrentIndex(pageLeft);
            field->setFocus();
            office.state().Viewing = r.viewing;
            QWidget elsewhere;
            elsewhere.show();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
            screen.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
        }
        ScreenChecks::type(QApplication::focusWidget(), "2850");
        EXPECT_EQ(screen.line("dfIDNUM")->text() == "2850", r.inIdNumber);
        EXPECT_EQ(pages->currentIndex(), r.inIdNumber ? 0 : pageLeft);
    }
}

// Print asks for the report dialog (which this test office does not have)
// only with an employee on screen.
TEST(frmEmployee, PrintOnlyWithAnEmployeeOnScreen)
{
    const QString notAvailable = "\"Print\" is not available in this version of the program.";
    for (const bool withEmployee : {false, true}) {
        Office office;
        office.db().command("delete from EMPLOYEE");
        if (withEmployee)
            addEmployee(office.db(), "خالد");
        Employees screen(office);
        ASSERT_EQ(screen.line("txtID")->text().isEmpty(), !withEmployee);
        QTest::keyClick(&screen, Qt::Key_F7);
        EXPECT_EQ(office.ui().messages.size(), withEmployee ? 1 : 0) << withEmployee;
        if (withEmployee) {
            EXPECT_EQ(office.ui().lastMessage(), notAvailable);
        }
    }
}

// Open lists every employee by number, name, ID number, job and mobile, on
// Shift+F9 as on F9; the one picked comes with his picture.
TEST(frmEmployee, OpenBringsTheEmployeeWithHisPicture)
{
    for (const Qt::KeyboardModifiers modifiers : {Qt::NoModifier, Qt::ShiftModifier}) {
        SCOPED_TRACE(modifiers == Qt::NoModifier ? "F9" : "Shift+F9");
        Office office;
        addEmployee(office.db(), "خالد");
        const qint64 second = addEmployee(office.db(), "منى");
        storePicture(office.db(), second, Qt::green);
        Employees screen(office);
        QStringList headers;
        office.ui().onDialog("frmGeneralOpen", [&](QDialog* open) {
            auto* grid = control<QTableView>(open, "DataGrid1");
            for (int column = 0; column < grid->model()->columnCount(); ++column)
                headers << grid->model()->headerData(column, Qt::Horizontal).toString();
            grid->setCurrentIndex(grid->model()->index(1, 0));
            ScreenChecks::click(open, "cmdOk");
        });
        QTest::keyClick(&screen, Qt::Key_F9, modifiers);
        EXPECT_EQ(headers, (QStringList{"الرقم", "الاسم", "رقم الهوية", "الوظيفة", "الجوال"}));
        EXPECT_EQ(screen.line("txtID")->text(), QString::number(second));
        EXPECT_EQ(QImage(screen.line("txtFileName")->text()).pixelColor(0, 0), QColor(Qt::green));
    }
}

// Delete asks and closes the screen once confirmed.
TEST(frmEmployee, DeleteClosesOnceConfirmed)
{
    for (const bool answer : {true, false}) {
        SCOPED_TRACE(answer);
        Office office;
        addEmployee(office.db(), "خالد");
        office.ui().answers = {answer};
        Employees screen(office);
        QTest::keyClick(&screen, Qt::Key_F11);
        EXPECT_EQ(office.ui().questions.size(), 1);
        EXPECT_EQ(office.db().execute("select count(*) from EMPLOYEE").value(0, 0).toInt(), answer ? 0 : 1);
        EXPECT_EQ(screen.isVisible(), !answer);
    }
}

// An employee needs an ID number: without one Save shows the rule and, when
// the clerk goes to the field, stores nothing.
TEST(frmEmployee, AnIdNumberIsRequired)
{
    const struct {
        const char* idNumber;
        bool fails;
    } rows[] = {{"", true}, {"0", true}, {"A1234567", false}, {"290010154321", false}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.idNumber);
        Office office;
        const qint64 key = addEmployee(office.db(), "قديم");
        office.ui().onDialog("dlgValidationError", [](QDialog* dialog) { ScreenChecks::click(dialog, "command1"); });
        Employees screen(office);
        screen.line("txtNAME")->setText("جديد");
        screen.line("dfIDNUM")->setText(r.idNumber);
        QTest::keyClick(&screen, Qt::Key_F12);
        EXPECT_EQ(office.ui().dialogsShown.contains("dlgValidationError"), r.fails);
        EXPECT_EQ(stored(office.db(), key, "NAME"), r.fails ? "قديم" : "جديد");
    }
}
