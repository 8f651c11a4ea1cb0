#include "LoginRun.h"

#include "shell/windows/LOGINP.h"

#include <QApplication>
#include <QLabel>
#include <QTabWidget>
#include <QTreeWidget>
#include <QUrl>
#include <gtest/gtest.h>

using namespace LoginKeys;

namespace {

QLabel* label(QDialog* d, const char* name)
{
    return d->findChild<QLabel*>(QString::fromLatin1(name));
}

QTreeWidgetItem* node(QDialog* d, const QString& key)
{
    auto* tree = d->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
    QTreeWidgetItem* root = tree->topLevelItem(0);
    if (key.isEmpty())
        return root;
    for (int i = 0; i < root->childCount(); ++i)
        if (root->child(i)->text(0).startsWith(key + QLatin1Char('=')))
            return root->child(i);
    return nullptr;
}

void clickNode(QDialog* d, QTreeWidgetItem* item)
{
    auto* tree = d->findChild<QTreeWidget*>(QStringLiteral("TreeView1"));
    d->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentWidget(tree->parentWidget());
    QApplication::processEvents();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
}

}

TEST(LoginScreen, FocusAndOkOnLoad)
{
    const struct { const char* iniUser; const char* focus; } rows[] = {
        {"", "txtUserName"},
        {"ADMIN", "txtPassword"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.iniUser);
        LoginRun run;
        run.writeIni(QStringLiteral("DATABASE = {H}/fdk.db\nLASTUSER = %1\n").arg(QString::fromUtf8(r.iniUser)));
        QString focus;
        bool okEnabled = true;
        int tab = -1;
        run.ui().onDialog(QStringLiteral("LOGINP"), [&](QDialog* d) {
            focus = d->focusWidget() ? d->focusWidget()->objectName() : QString();
            okEnabled = button(d, "cmdOk")->isEnabled();
            tab = d->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->currentIndex();
        });
        run.startUp.firstActivation();
        EXPECT_EQ(focus, QString::fromLatin1(r.focus));
        EXPECT_FALSE(okEnabled);
        EXPECT_EQ(tab, 0);
        EXPECT_TRUE(run.ui().messages.isEmpty());
    }
}

TEST(LoginScreen, Fields)
{
    LoginRun run;
    run.writeIni(QStringLiteral("DATABASE = {H}/fdk.db\n"));
    run.ui().onDialog(QStringLiteral("LOGINP"), [&](QDialog* d) {
        QLineEdit* user = edit(d, "txtUserName");
        QLineEdit* password = edit(d, "txtPassword");
        QPushButton* ok = button(d, "cmdOk");
        EXPECT_EQ(password->echoMode(), QLineEdit::Password);

        QTest::keyClicks(user, QStringLiteral("clerk"));
        EXPECT_EQ(user->text(), QStringLiteral("clerk"));
        QTest::keyClick(user, Qt::Key_Return);
        EXPECT_EQ(d->focusWidget(), password);
        EXPECT_EQ(user->text(), QStringLiteral("CLERK"));

        user->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(user->selectedText(), QStringLiteral("CLERK"));

        QTest::keyClicks(password, QStringLiteral("x"));
        EXPECT_TRUE(ok->isEnabled());
        QTest::keyClick(password, Qt::Key_Backspace);
        EXPECT_FALSE(ok->isEnabled());
    });
    run.startUp.firstActivation();
    EXPECT_EQ(run.ui().dialogsShown, QStringList({QStringLiteral("LOGINP")}));
    EXPECT_TRUE(run.ui().messages.isEmpty());
}

TEST(LoginScreen, IniFileLabelOpensTheEditor)
{
    LoginRun run;
    run.writeIni(QStringLiteral("DATABASE = {H}/fdk.db\n"));
    run.ui().onDialog(QStringLiteral("LOGINP"), [](QDialog* d) {
        QTest::mouseClick(label(d, "lblIniFileName"), Qt::LeftButton);
    });
    run.startUp.firstActivation();
    const bool editor = run.ui().programsStarted.size() == 1
                     && run.ui().programsStarted.first().endsWith(QLatin1Char(' ') + run.iniPath());
    const bool url = run.ui().urlsOpened == QList<QUrl>{QUrl::fromLocalFile(run.iniPath())};
    EXPECT_TRUE(editor != url) << run.ui().programsStarted.join(QLatin1Char('|')).toStdString();
}

TEST(LoginScreen, DatabaseLabelChoosesTheDatabase)
{
    const struct { const char* chosen; const char* expected; } rows[] = {
        {nullptr, "{H}/fdk.db"},
        {"{H}/other.db", "{H}/other.db"},
    };
    for (const auto& r : rows) {
        LoginRun run;
        const auto path = [&](const char* text) { return QString::fromUtf8(text).replace(QStringLiteral("{H}"), run.home()); };
        run.writeIni(QStringLiteral("DATABASE = {H}/fdk.db\n"));
        if (r.chosen)
            run.ui().files = {path(r.chosen)};
        QString shown;
        run.ui().onDialog(QStringLiteral("LOGINP"), [&](QDialog* d) {
            QTest::mouseDClick(label(d, "lblDBName"), Qt::LeftButton);
            shown = label(d, "lblDBName")->text();
        });
        run.startUp.firstActivation();
        EXPECT_EQ(shown, path(r.expected));
        EXPECT_EQ(run.state().DatabasePath, path(r.expected));
        ASSERT_EQ(run.ui().fileRequests.size(), 1);
        const FileRequest& request = run.ui().fileRequests.first();
        EXPECT_EQ(request.title, QStringLiteral("DataBase File"));
        EXPECT_TRUE(request.filter.startsWith(QLatin1String("SQLite Database (*.db);;"))) << request.filter.toStdString();
        EXPECT_TRUE(request.filter.contains(QLatin1String("(*)")));
        EXPECT_EQ(request.initialPath, path("{H}/fdk.db"));
        EXPECT_FALSE(request.save);
    }
}

TEST(LoginScreen, EntryEditor)
{
    const struct {
        const char* name;
        QString key;                              // the node clicked; empty: the root
        std::function<void(QDialog*)> edit;       // what the operator does in LOGINP0
        bool chooserAnswers;
        const char* node;                         // the node's text afterwards
        const char* database;                     // DatabasePath and lblDBName afterwards
        const char* user;
        int fileRequests;
        bool editorShown;
    } rows[] = {
        {"browse for the database", QStringLiteral("DataBase"),
         [](QDialog* d) {
             QTest::mouseClick(button(d, "CommandButton1"), Qt::LeftButton);
             QTest::mouseClick(button(d, "cmdOk"), Qt::LeftButton);
         },
         true, "DataBase={H}/other.db", "{H}/other.db", "ADMIN", 1, true},
        {"browse cancelled", QStringLiteral("DataBase"),
         [](QDialog* d) {
             QTest::mouseClick(button(d, "CommandButton1"), Qt::LeftButton);
             QTest::mouseClick(button(d, "cmdOk"), Qt::LeftButton);
         },
         false, "DataBase={H}/fdk.db", "{H}/fdk.db", "ADMIN", 1, true},
        {"type the database", QStringLiteral("DataBase"),
         [](QDialog* d) {
             edit(d, "txtvalue")->clear();
             QTest::keyClicks(edit(d, "txtvalue"), QStringLiteral("/srv/office/fdk.db"));
             QTest::mouseClick(button(d, "cmdOk"), Qt::LeftButton);
         },
         false, "DataBase=/srv/office/fdk.db", "/srv/office/fdk.db", "ADMIN", 0, true},
        {"cancel keeps the entry", QStringLiteral("DataBase"),
         [](QDialog* d) {
             QTest::keyClicks(edit(d, "txtvalue"), QStringLiteral("x"));
             QTest::mouseClick(button(d, "cmdCancel"), Qt::LeftButton);
         },
         true, "DataBase={H}/fdk.db", "{H}/fdk.db", "ADMIN", 0, true},
        {"browse does nothing for another key", QStringLiteral("LastUser"),
         [](QDialog* d) {
             QTest::mouseClick(button(d, "CommandButton1"), Qt::LeftButton);
             edit(d, "txtvalue")->clear();
             QTest::keyClicks(edit(d, "txtvalue"), QStringLiteral("clerk"));
             QTest::mouseClick(button(d, "cmdOk"), Qt::LeftButton);
         },
         true, "LastUser=clerk", "{H}/fdk.db", "CLERK", 0, true},
        {"the root opens nothing", QString(), [](QDialog*) {}, true, nullptr, "{H}/fdk.db", "ADMIN", 0, false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        LoginRun run;
        const auto path = [&](const char* text) { return QString::fromUtf8(text).replace(QStringLiteral("{H}"), run.home()); };
        QFile::copy(run.office.databasePath(), run.home() + QStringLiteral("/other.db"));
        run.writeIni(QStringLiteral("DATABASE = {H}/fdk.db\nLASTUSER = ADMIN\n"));
        if (r.chooserAnswers)
            run.ui().files = {path("{H}/other.db")};
        QString key, value, nodeText, databaseLabel, user;
        run.ui().onDialog(QStringLiteral("LOGINP0"), [&](QDialog* d) {
            key = edit(d, "txtkey")->text();
            value = edit(d, "txtvalue")->text();
            r.edit(d);
        });
        run.ui().onDialog(QStringLiteral("LOGINP"), [&](QDialog* d) {
            clickNode(d, node(d, r.key));
            if (QTreeWidgetItem* item = node(d, r.key))
                nodeText = item->text(0);
            databaseLabel = label(d, "lblDBName")->text();
            user = edit(d, "txtUserName")->text();
        });
        run.startUp.firstActivation();

        EXPECT_EQ(run.ui().dialogsShown.contains(QStringLiteral("LOGINP0")), r.editorShown);
        if (r.editorShown) {
            EXPECT_EQ(key, r.key);
            EXPECT_EQ(value, r.key == QLatin1String("DataBase") ? path("{H}/fdk.db") : QStringLiteral("ADMIN"));
            EXPECT_EQ(nodeText, path(r.node));
        }
        EXPECT_EQ(databaseLabel, path(r.database));
        EXPECT_EQ(run.state().DatabasePath, path(r.database));
        EXPECT_EQ(user, QString::fromUtf8(r.user));
        ASSERT_EQ(run.ui().fileRequests.size(), r.fileRequests);
        if (r.fileRequests) {
            EXPECT_EQ(run.ui().fileRequests.first().title, QStringLiteral("أختر قاعدة البيانات"));
            EXPECT_EQ(run.ui().fileRequests.first().initialPath, run.home());
            EXPECT_EQ(run.ui().fileRequests.first().defaultSuffix, QStringLiteral("db"));
        }
    }
}

TEST(LoginScreen, EditedDatabaseEntryIsTheDatabaseUsed)
{
    LoginRun run;
    const QString other = run.home() + QStringLiteral("/other.db");
    QFile::copy(run.office.databasePath(), other);
    run.writeIni(QStringLiteral("DATABASE = {H}/fdk.db\nLASTUSER = ADMIN\n"));
    run.ui().files = {other};
    run.ui().onDialog(QStringLiteral("LOGINP0"), [](QDialog* d) {
        QTest::mouseClick(button(d, "CommandButton1"), Qt::LeftButton);
        QTest::mouseClick(button(d, "cmdOk"), Qt::LeftButton);
    });
    run.ui().onDialog(QStringLiteral("LOGINP"), [](QDialog* d) {
        clickNode(d, node(d, QStringLiteral("DataBase")));
        QTest::keyClicks(edit(d, "txtPassword"), QStringLiteral("ADMIN"));
        QTest::keyClick(edit(d, "txtPassword"), Qt::Key_Enter);
    });
    run.startUp.firstActivation();

    EXPECT_EQ(run.afterLogins, 1);
    EXPECT_EQ(run.state().db().path(), other);
    EXPECT_EQ(run.state().DatabasePath, other);
    EXPECT_EQ(run.ini(), QStringLiteral("[CONFIG]\nDATABASE = %1\nLASTUSER = ADMIN\n").arg(other));
}
