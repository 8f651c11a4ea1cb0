#include "core/Cipher.h"
#include "core/ErrorLog.h"
#include "core/IniFile.h"
#include "core/PasswordHash.h"
#include "core/SqlValue.h"
#include "core/cSecurity.h"
#include "engine/EngineSetup.h"
#include "shell/F2M0.h"
#include "shell/F2M1.h"
#include "shell/F2M2.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QCheckBox>
#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

using ScreenChecks::control;

// ADMIN logged in, the engine installed.
struct SecurityOffice {
    SecurityOffice()
    {
        office.loginAs(u"ADMIN"_s);
        installEngine(office.state());
    }
    qint64 addOperator(const QString& login, int suspended = 0, qint64 expiry = 0)
    {
        return office.db().insert(u"OPERATOR"_s, u"OPERATORID"_s,
                                  {{u"LOGINID"_s, login}, {u"PASSWRD"_s, PasswordHash::make(login)},
                                   {u"operatorname"_s, login.toLower()}, {u"OPERATORSUSPENDED"_s, suspended},
                                   {u"EXPIRATIONDATE"_s, expiry}, {u"storepassword"_s, 0}});
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
    // The open dialog picks the operator of that number.
    void pick(qint64 id)
    {
        chosen = id;
        office.ui().onDialog(u"frmGeneralOpen"_s, [this](QDialog* open) {
            auto* grid = control<QTableView>(open, u"DataGrid1"_s);
            for (int row = 0; row < grid->model()->rowCount(); ++row)
                if (grid->model()->index(row, 0).data().toLongLong() == chosen)
                    grid->setCurrentIndex(grid->model()->index(row, 0));
            ScreenChecks::click(open, u"cmdOk"_s);
        });
    }
    QString ini() { return text(office.state().IniFilePath); }
    static QString text(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    // What the change journal, the statement trace and the error log hold.
    QString records()
    {
        QString all = text(statementTracePath(office.state(), QDate::currentDate())) + text(errorLogPath(office.state()));
        const RowSet lines = office.db().execute(u"select OLDVALUE, NEWVALUE from _JOURNALDETAILS"_s);
        for (int i = 0; i < lines.count(); ++i)
            all += lines.text(i, u"OLDVALUE"_s) + u'\n' + lines.text(i, u"NEWVALUE"_s) + u'\n';
        return all;
    }

    TestOffice office;
    qint64 chosen = 0;
};

}

TEST(F2M0, ANewPasswordIsSavedOnlyWithTheRightOldOneTypedTheSameTwice)
{
    const struct {
        const char* what;
        QString old, first, second;
        bool store;
        bool changed;
    } cases[] = {
        {"right, not stored", u"admin"_s, u"new1"_s, u"new1"_s, false, true},
        {"right, stored", u"ADMIN"_s, u"new1"_s, u"new1"_s, true, true},
        {"wrong old password", u"nope"_s, u"new1"_s, u"new1"_s, false, false},
        {"typed differently", u"admin"_s, u"new1"_s, u"new2"_s, false, false},
        {"empty", u"admin"_s, {}, {}, false, false},
    };
    for (const auto& c : cases) {
        SecurityOffice o;
        o.office.state().config.USEROUTER = 1;
        // Save anyway does not pass over a new password typed differently twice.
        o.office.ui().onDialog(u"dlgValidationError"_s, [](QDialog* d) { ScreenChecks::click(d, u"command0"_s); });
        F2M0 screen(o.office.state(), nullptr);
        screen.show();
        control<QLineEdit>(&screen, u"txtOldPassword"_s)->setText(c.old);
        control<QLineEdit>(&screen, u"txtNewPassword"_s)->setText(c.first);
        control<QLineEdit>(&screen, u"txtNewPassword2"_s)->setText(c.second);
        control<QCheckBox>(&screen, u"dffStorePassword"_s)->setChecked(c.store);
        QTest::keyClick(&screen, Qt::Key_F12);
        EXPECT_EQ(o.passwordIs(u"ADMIN"_s, u"NEW1"_s), c.changed) << c.what;
        EXPECT_EQ(o.passwordIs(u"ADMIN"_s, u"ADMIN"_s), !c.changed) << c.what;
        EXPECT_EQ(o.ini().contains(u"LOGINTOKEN = "_s), c.changed && c.store) << c.what;
        // Nothing that opens a login is written where others read.
        const QString stored = o.office.db().execute(u"select PASSWRD from operator"_s).text(0, u"PASSWRD"_s);
        const QString token = IniFile::parse(o.ini()).token;
        for (const QString& secret : {stored, token, c.first.toUpper()})
            EXPECT_TRUE(secret.isEmpty() || !o.records().contains(secret)) << c.what << " " << secret.toStdString();
        EXPECT_EQ(o.ini().contains(u"LASTUSER = ADMIN"_s), c.changed) << c.what;
        if (c.old == u"nope"_s) {
            EXPECT_EQ(o.office.ui().lastMessage(), u"كلمة المرور الحالية غير صحيحة"_s);
        }
    }
}

// The clerk's way: the cursor waits in the current password; Tab moves on.
TEST(F2M0, TheClerkTypesOldAndNewPasswordsAndSavesWithF12)
{
    SecurityOffice o;
    F2M0 screen(o.office.state(), nullptr);
    screen.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&screen));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), u"txtOldPassword"_s);
    for (const char* text : {"admin", "pass9", "pass9"}) {
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(text));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget()->objectName(), u"dfgFAVOURITEWINDOW"_s);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
    EXPECT_TRUE(o.passwordIs(u"ADMIN"_s, u"PASS9"_s));
}

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
    EXPECT_EQ(o.office.ui().lastMessage(),
              u"لا يمكن حذف هذه المستخدم فى الوقت الحالى حيث انة الوحيد الموجود بالنظام - يجب ان يحتوى النظام على مستخدم واحد على الاقل"_s);
    EXPECT_EQ(o.office.db().execute(u"select * from operator"_s).count(), 1);

    // With a second operator who has no rights, ADMIN still looks after
    // everyone: he is neither deleted nor suspended.
    o.addOperator(u"CLERK"_s);
    QTest::keyClick(&screen, Qt::Key_F11);
    EXPECT_EQ(o.office.ui().lastMessage(), cSecurity::lockOutMessage());
    EXPECT_EQ(o.office.db().execute(u"select * from operator"_s).count(), 2);
    o.office.ui().messages.clear();
    control<QCheckBox>(&screen, u"dffOPERATORSUSPENDED"_s)->setChecked(true);
    QTest::keyClick(&screen, Qt::Key_F12);
    EXPECT_EQ(o.office.ui().lastMessage(), cSecurity::lockOutMessage());
    EXPECT_EQ(o.office.db().execute(u"select * from operator where OPERATORSUSPENDED = 1"_s).count(), 0);
}

TEST(F2M2, RightsShowAsStoredPerOperatorAndSaveWritesFiveRows)
{
    SecurityOffice o;
    const qint64 first = o.addOperator(u"FIRST"_s);
    o.rights(first, u"F3M"_s, u"14"_s);
    o.rights(first, u"F5M"_s, u"2"_s);
    const qint64 second = o.addOperator(u"SECOND"_s);
    o.rights(second, u"F1M"_s, u"1"_s);

    o.pick(first);
    F2M2 screen(o.office.state(), nullptr);
    screen.show();
    const struct {
        qint64 id;
        QStringList allowed;  // menu.button
    } cases[] = {{first, {u"3.1"_s, u"3.4"_s, u"5.2"_s}}, {second, {u"1.1"_s}}};
    for (const auto& c : cases) {
        if (c.id == second) {
            o.chosen = second;
            QTest::keyClick(&screen, Qt::Key_F9);
        }
        EXPECT_EQ(control<QLineEdit>(&screen, u"txtNAME"_s)->text(), c.id == first ? u"first"_s : u"second"_s);
        QStringList allowed;
        for (int menu = 1; menu <= 5; ++menu)
            for (int button = 1; button <= 9; ++button)
                if (screen.right(menu, button))
                    allowed << u"%1.%2"_s.arg(menu).arg(button);
        EXPECT_EQ(allowed, c.allowed);
    }

    // F5M is on show: a click gives the right, black; a second takes it, cyan.
    auto* button = control<QPushButton>(&screen, u"command3"_s);
    EXPECT_EQ(button->text(), u"3- Surrend Car"_s);
    const QString refused = button->styleSheet();
    button->click();
    EXPECT_EQ(screen.right(5, 3), 1);
    EXPECT_NE(button->styleSheet(), refused);
    QTest::keyClick(&screen, Qt::Key_F12);
    const RowSet rows = o.office.db().execute(u"select * from group_func where operatorid = "_s
                                              + SqlValue::number(second) + u" order by menu_name"_s);
    ASSERT_EQ(rows.count(), 5);
    EXPECT_EQ(rows.text(0, u"command1"_s), u"1"_s);
    EXPECT_EQ(rows.text(4, u"command3"_s), u"1"_s);
    EXPECT_EQ(rows.text(4, u"command2"_s), u"0"_s);
}

// Taking from the only administrator the users or the rights screen is refused.
TEST(F2M2, RightsThatWouldLockTheOfficeOutAreRefused)
{
    SecurityOffice o;
    o.pick(1);
    F2M2 screen(o.office.state(), nullptr);
    screen.show();
    screen.showMenu(2);
    control<QPushButton>(&screen, u"command3"_s)->click();
    QTest::keyClick(&screen, Qt::Key_F12);
    EXPECT_EQ(o.office.ui().lastMessage(), cSecurity::lockOutMessage());
    EXPECT_EQ(o.office.db().execute(u"select * from group_func where menu_name = 'F2M' and command3 = 1"_s).count(), 1);
}

TEST(cSecurity, SuspendedOrExpiredOperatorsAreToldWhyTheyCannotLogIn)
{
    const qint64 yesterday = QDate::currentDate().addDays(-1).toString(u"yyyyMMdd"_s).toLongLong();
    const qint64 today = QDate::currentDate().toString(u"yyyyMMdd"_s).toLongLong();
    const struct {
        int suspended;
        qint64 expiry;
        bool refused;
    } cases[] = {{0, 0, false}, {1, 0, true}, {0, yesterday, true}, {0, today, false}, {0, 99991231, false}};
    for (const auto& c : cases) {
        SecurityOffice o;
        o.addOperator(u"CLERK"_s, c.suspended, c.expiry);
        EXPECT_EQ(cSecurity(o.office.state()).LoginRefusal(u"CLERK"_s).isEmpty(), !c.refused)
            << c.suspended << " " << c.expiry;
    }
}
