#include "core/ErrorLog.h"
#include "core/IniFile.h"
#include "core/PasswordHash.h"
#include "core/cSecurity.h"
#include "engine/EngineSetup.h"
#include "shell/F2M0.h"
#include "shell/F2M1.h"
#include "shell/F2M2.h"
#include "support/Clerk.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using ScreenChecks::control;

QString text(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// ADMIN logged in, the engine installed; the open dialog picks the operator `chosen`.
struct SecurityOffice {
    SecurityOffice()
    {
        office.loginAs(u"ADMIN"_s);
        installEngine(office.state());
        office.ui().onDialog(u"frmGeneralOpen"_s, [this](QDialog* open) {
            auto* grid = control<QTableView>(open, u"DataGrid1"_s);
            for (int row = 0; row < grid->model()->rowCount(); ++row)
                if (grid->model()->index(row, 0).data().toLongLong() == chosen)
                    grid->setCurrentIndex(grid->model()->index(row, 0));
            ScreenChecks::click(open, u"cmdOk"_s);
        });
    }
    qint64 addOperator(const QString& login)
    {
        return office.db().insert(u"OPERATOR"_s, u"OPERATORID"_s,
                                  {{u"LOGINID"_s, login}, {u"PASSWRD"_s, PasswordHash::make(login)},
                                   {u"operatorname"_s, login.toLower()}, {u"OPERATORSUSPENDED"_s, 0},
                                   {u"EXPIRATIONDATE"_s, 0}, {u"storepassword"_s, 0}});
    }
    void rights(qint64 id, const QString& menu, const QString& ones)
    {
        QList<Database::Field> fields{{u"operatorid"_s, id}, {u"menu_name"_s, menu}};
        for (int b = 1; b <= 9; ++b)
            fields.append({u"command%1"_s.arg(b), ones.contains(QString::number(b)) ? 1 : 0});
        office.db().insert(u"group_func"_s, u"GROUPFUNCID"_s, fields);
    }
    bool passwordIs(const QString& login, const QString& password)
    {
        return cSecurity(office.state()).IsValidUserPassword(login, password);
    }
    int count(const QString& sql) { return office.db().execute(sql).count(); }

    TestOffice office;
    qint64 chosen = 1;
};

}

// The clerk's way: the cursor waits in the current password, Tab moves on,
// F12 saves. Save anyway does not pass over a new password typed differently
// twice. Nothing that opens a login is written where others read.
TEST(F2M0, ANewPasswordIsSavedOnlyWithTheRightOldOneTypedTheSameTwice)
{
    const struct { const char* what; QString old, first, second; bool store; bool changed; bool told = false; } cases[] = {
        {"right, not stored", u"admin"_s, u"new1"_s, u"new1"_s, false, true},
        {"right, stored", u"ADMIN"_s, u"new1"_s, u"new1"_s, true, true},
        {"wrong old password", u"nope"_s, u"new1"_s, u"new1"_s, false, false, true},
        {"typed differently", u"admin"_s, u"new1"_s, u"new2"_s, false, false},
        {"empty", u"admin"_s, {}, {}, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SecurityOffice o;
        o.office.state().config.USEROUTER = 1;
        o.office.ui().onDialog(u"dlgValidationError"_s, [](QDialog* d) { ScreenChecks::click(d, u"command0"_s); });
        F2M0 screen(o.office.state(), nullptr);
        ASSERT_TRUE(Clerk::showActive(&screen));
        control<QCheckBox>(&screen, u"dffStorePassword"_s)->setChecked(c.store);
        EXPECT_EQ(Clerk::focused(), "txtOldPassword");
        for (const QString& typed : {c.old, c.first, c.second}) {
            Clerk::type(typed);
            Clerk::press(Qt::Key_Tab);
        }
        EXPECT_EQ(Clerk::focused(), "dfgFAVOURITEWINDOW");
        Clerk::press(Qt::Key_F12);
        EXPECT_EQ(o.passwordIs(u"ADMIN"_s, u"NEW1"_s), c.changed);
        EXPECT_EQ(o.passwordIs(u"ADMIN"_s, u"ADMIN"_s), !c.changed);
        const QString ini = text(o.office.state().IniFilePath);
        EXPECT_EQ(ini.contains(u"LOGINTOKEN = "_s), c.changed && c.store);
        EXPECT_EQ(ini.contains(u"LASTUSER = ADMIN"_s), c.changed);
        EXPECT_TRUE(!c.told || !o.office.ui().messages.isEmpty()) << "the wrong password is told";
        QString records = text(statementTracePath(o.office.state(), QDate::currentDate()))
                        + text(errorLogPath(o.office.state()));
        const RowSet lines = o.office.db().execute(u"select OLDVALUE, NEWVALUE from _JOURNALDETAILS"_s);
        for (int i = 0; i < lines.count(); ++i)
            records += lines.text(i, u"OLDVALUE"_s) + u'\n' + lines.text(i, u"NEWVALUE"_s) + u'\n';
        const QString stored = o.office.db().execute(u"select PASSWRD from operator"_s).text(0, u"PASSWRD"_s);
        for (const QString& secret : {stored, IniFile::parse(ini).token, c.first.toUpper()})
            EXPECT_TRUE(secret.isEmpty() || !records.contains(secret)) << secret.toStdString();
    }
}

// The login id is upper-cased and the password hashed; the last operator, or
// the only one who may look after the others, is neither deleted nor suspended.
TEST(F2M1, LoginIdUpperCasedPasswordHashedAndTheLastOperatorKept)
{
    SecurityOffice o;
    F2M1 screen(o.office.state(), nullptr);
    screen.show();
    auto* login = control<QLineEdit>(&screen, u"dfsLoginId"_s);
    login->setText(u"admin"_s);
    emit login->editingFinished();
    EXPECT_EQ(login->text(), u"ADMIN"_s);
    // The hidden field the rules check says only whether there is a password.
    auto* hasPassword = control<QLineEdit>(&screen, u"dfsEncryptedPassword"_s);
    EXPECT_EQ(hasPassword->text(), u"*"_s);
    for (const char* field : {"txtNewPassword", "txtNewPassword2"})
        control<QLineEdit>(&screen, QString::fromLatin1(field))->setText(u"abc"_s);
    QTest::keyClick(&screen, Qt::Key_F12);
    EXPECT_TRUE(o.passwordIs(u"ADMIN"_s, u"ABC"_s));
    EXPECT_EQ(hasPassword->text(), u"*"_s);

    QTest::keyClick(&screen, Qt::Key_F11);
    EXPECT_EQ(o.office.ui().messages.size(), 1);
    EXPECT_EQ(o.count(u"select * from operator"_s), 1);
    o.addOperator(u"CLERK"_s);  // who has no rights
    QTest::keyClick(&screen, Qt::Key_F11);
    EXPECT_EQ(o.office.ui().lastMessage(), cSecurity::lockOutMessage());
    EXPECT_EQ(o.count(u"select * from operator"_s), 2);
    o.office.ui().messages.clear();
    control<QCheckBox>(&screen, u"dffOPERATORSUSPENDED"_s)->setChecked(true);
    QTest::keyClick(&screen, Qt::Key_F12);
    EXPECT_EQ(o.office.ui().lastMessage(), cSecurity::lockOutMessage());
    EXPECT_EQ(o.count(u"select * from operator where OPERATORSUSPENDED = 1"_s), 0);
}

// Each operator's rights show as stored; a click gives a right and a second
// takes it; Save writes the five menus' rows. Taking from the only
// administrator the users or the rights screen is refused.
TEST(F2M2, RightsShowAsStoredPerOperatorAndSaveWritesFiveRows)
{
    SecurityOffice o;
    const qint64 first = o.addOperator(u"FIRST"_s);
    o.rights(first, u"F3M"_s, u"14"_s);
    o.rights(first, u"F5M"_s, u"2"_s);
    const qint64 second = o.addOperator(u"SECOND"_s);
    o.rights(second, u"F1M"_s, u"1"_s);
    o.chosen = first;
    F2M2 screen(o.office.state(), nullptr);
    screen.show();
    const struct { qint64 id; QString name; QStringList allowed; } cases[] = {
        {first, u"first"_s, {u"3.1"_s, u"3.4"_s, u"5.2"_s}}, {second, u"second"_s, {u"1.1"_s}}};
    for (const auto& c : cases) {
        if (o.chosen != c.id) {
            o.chosen = c.id;
            QTest::keyClick(&screen, Qt::Key_F9);
        }
        EXPECT_EQ(control<QLineEdit>(&screen, u"txtNAME"_s)->text(), c.name);
        QStringList allowed;
        for (int menu = 1; menu <= 5; ++menu)
            for (int button = 1; button <= 9; ++button)
                if (screen.right(menu, button))
                    allowed << u"%1.%2"_s.arg(menu).arg(button);
        EXPECT_EQ(allowed, c.allowed);
    }
    // F5M is on show.
    auto* button = control<QPushButton>(&screen, u"command3"_s);
    const QString refused = button->styleSheet();
    button->click();
    EXPECT_EQ(screen.right(5, 3), 1);
    EXPECT_NE(button->styleSheet(), refused);
    QTest::keyClick(&screen, Qt::Key_F12);
    const RowSet rows = o.office.db().execute(u"select * from group_func where operatorid = "_s
                                              + SqlValue::number(second) + u" order by menu_name"_s);
    ASSERT_EQ(rows.count(), 5);
    EXPECT_EQ(rows.text(0, u"command1"_s) + rows.text(4, u"command3"_s) + rows.text(4, u"command2"_s), u"110"_s);

    o.chosen = 1;
    QTest::keyClick(&screen, Qt::Key_F9);
    screen.showMenu(2);
    control<QPushButton>(&screen, u"command3"_s)->click();
    QTest::keyClick(&screen, Qt::Key_F12);
    EXPECT_EQ(o.office.ui().lastMessage(), cSecurity::lockOutMessage());
    EXPECT_EQ(o.count(u"select * from group_func where menu_name = 'F2M' and command3 = 1"_s), 1);
}
