#include "SyntheticScreen.h"

#include "engine/cWindow.h"
#include "support/TestOffice.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>
#include <memory>

namespace {

QLineEdit* nameField(QDialog* d)
{
    return d->findChild<QLineEdit*>(QStringLiteral("dfName"));
}

QPushButton* button(QDialog* d, const char* name)
{
    return d->findChild<QPushButton*>(QString::fromLatin1(name));
}

QString shown(QWidget* screen, const char* control)
{
    return screen->findChild<QLineEdit*>(QString::fromLatin1(control))->text();
}

int rowsOf(Database& db, const QString& table)
{
    return db.execute(QStringLiteral("select count(*) as n from ") + table).value(0, 0).toInt();
}

class NewRecord : public ::testing::Test {
protected:
    NewRecord() : screen(SyntheticScreen::build())
    {
        SyntheticScreen::install(office.db(), SyntheticScreen::Name, false);
        office.ui().onDialog(QStringLiteral("frmGeneralN"), [this](QDialog* d) {
            if (operatorActs)
                operatorActs(d);
        });
    }

    void showNew(const cWindow::Fields& otherFields = {})
    {
        office.state().service<cWindow>().ShowNew(screen.get(), QStringLiteral("New Message "),
                                                  QStringLiteral("NAME"), otherFields);
    }

    TestOffice office;
    std::unique_ptr<QDialog> screen;
    std::function<void(QDialog*)> operatorActs;
};

}

TEST_F(NewRecord, NameIsInsertedWholeAndShownOnTheScreen)
{
    const struct {
        QString name;
        bool byEnter;
    } cases[] = {
        {QStringLiteral("Ali"), false},
        {QStringLiteral("a, b"), true},
        {QStringLiteral("O'Brien"), false},
        {QStringLiteral("سيارة العميل"), true},
        {QStringLiteral(" "), false},
    };
    for (const auto& c : cases) {
        QString caption;
        operatorActs = [&](QDialog* d) {
            caption = d->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->tabText(0);
            // Pasted: the test keyboard types Latin letters only.
            nameField(d)->insert(c.name);
            if (c.byEnter)
                QTest::keyClick(nameField(d), Qt::Key_Return);
            else
                button(d, "cmdOk")->click();
        };
        const qint64 before = office.state().CurrentRecordId;
        showNew({{QStringLiteral("METER"), 7}, {QStringLiteral("COMMENTS"), QStringLiteral("x, y")}});
        const qint64 key = office.state().CurrentRecordId;
        EXPECT_NE(key, before) << c.name.toStdString();
        EXPECT_EQ(caption, QStringLiteral("New Message ")) << c.name.toStdString();
        Database& db = office.db();
        EXPECT_EQ(SyntheticScreen::stored(db, SyntheticScreen::Table, QStringLiteral("NAME"), key).toString(), c.name);
        EXPECT_EQ(SyntheticScreen::stored(db, SyntheticScreen::Table, QStringLiteral("METER"), key).toInt(), 7);
        EXPECT_EQ(SyntheticScreen::stored(db, SyntheticScreen::Table, QStringLiteral("COMMENTS"), key).toString(),
                  QStringLiteral("x, y"));
        EXPECT_EQ(shown(screen.get(), "txtID"), QString::number(key)) << c.name.toStdString();
        EXPECT_EQ(shown(screen.get(), "txtNAME"), c.name);
    }
    EXPECT_EQ(rowsOf(office.db(), SyntheticScreen::Table), 5);
}

TEST_F(NewRecord, EmptyNameOrCancelInsertsNothing)
{
    const struct {
        const char* what;
        std::function<void(QDialog*)> act;
        bool staysOpen;
    } cases[] = {
        {"OK with an empty name", [](QDialog* d) { button(d, "cmdOk")->click(); }, true},
        {"Enter with an empty name", [](QDialog* d) { QTest::keyClick(nameField(d), Qt::Key_Enter); }, true},
        {"Cancel after typing",
         [](QDialog* d) { QTest::keyClicks(nameField(d), QStringLiteral("Ali")); button(d, "cmdCancel")->click(); }, false},
        {"Esc after typing",
         [](QDialog* d) { QTest::keyClicks(nameField(d), QStringLiteral("Ali")); QTest::keyClick(nameField(d), Qt::Key_Escape); },
         false},
    };
    for (const auto& c : cases) {
        office.state().CurrentRecordId = 3;
        bool open = false;
        operatorActs = [&](QDialog* d) {
            c.act(d);
            open = d->isVisible();
        };
        showNew();
        EXPECT_EQ(open, c.staysOpen) << c.what;
        EXPECT_EQ(office.state().CurrentRecordId, 3) << c.what;
        EXPECT_EQ(rowsOf(office.db(), SyntheticScreen::Table), 0) << c.what;
    }
}

TEST_F(NewRecord, IdentifierRowIsReadWordForWord)
{
    QStringList statements;
    office.db().setStatementHook([&](const QString& sql) { statements << sql; });
    showNew();
    EXPECT_TRUE(statements.contains(QStringLiteral(
        "select WT.TABLENAME , WTD.* from _WINDOWTABLE WT , _WINDOWTABLEDETAILS WTD WHERE "
        "WTD.WINDOWTABLEID = WT.WINDOWTABLEID and WT.WINDOWNAME = 'frmSynthetic' AND WTD.ONOFF = 1 and "
        "identifier = 1 ")))
        << statements.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(office.ui().dialogsShown, QStringList{QStringLiteral("frmGeneralN")});
}

TEST_F(NewRecord, ScreenWithoutIdentifierShowsNoDialog)
{
    for (const QString& name : {QStringLiteral("frmUnknown"), QStringLiteral("frm'quote")}) {
        screen->setObjectName(name);
        showNew();
    }
    EXPECT_TRUE(office.ui().dialogsShown.isEmpty());
}

TEST(FavouriteWindow, OpensTheRegisteredScreenWithoutWaiting)
{
    const struct {
        const char* login;
        QString favourite;
        QStringList shown;
    } cases[] = {
        {"admin", SyntheticScreen::Name, {SyntheticScreen::Name}},
        {"ADMIN", QStringLiteral("  frmSynthetic "), {SyntheticScreen::Name}},
        {"ADMIN", QString(), {}},
        {"ADMIN", QStringLiteral("frmNothing"), {}},
        {"NOBODY", SyntheticScreen::Name, {}},
        {"x' or '1' = '1", SyntheticScreen::Name, {}},
    };
    for (const auto& c : cases) {
        TestOffice office;
        SyntheticScreen::registerScreen(office.state());
        office.db().command(QStringLiteral("update OPERATOR set FavouriteWindow = ")
                            + (c.favourite.isNull() ? QStringLiteral("null") : QLatin1Char('\'') + c.favourite + QLatin1Char('\'')));
        office.loginAs(QString::fromLatin1(c.login));
        QWidget parent;
        office.state().service<cWindow>().ShowFavouriteWindow(&parent);
        EXPECT_EQ(office.ui().windowsShown, c.shown) << c.login << " " << c.favourite.toStdString();
        EXPECT_TRUE(office.ui().dialogsShown.isEmpty()) << c.login;
    }
}
