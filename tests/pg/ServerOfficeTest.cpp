#include "core/AppError.h"
#include "office/NewDatabase.h"
#include "shell/LoginDatabase.h"
#include "shell/MAINT.h"
#include "shell/StartUp.h"
#include "support/TestOffice.h"

#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

QString readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

}

// The ini file names a server, or the entry editor is given its URI: the
// login screen shows it, nobody looks for it as a file, the operator logs in
// on it and the ini file keeps it. A server that does not answer is told.
TEST(ServerLogin, AUriIsTheDatabaseOfTheLoginScreen)
{
    const struct { const char* what; bool inIni; bool answers; bool label = false; } rows[] = {
        {"named by the ini file", true, true},
        {"typed in the entry editor", false, true},
        {"a server database that is not there", true, false},
        {"the label shows a server: its URI is edited", true, true, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office(TestOffice::Engine::PostgreSQL, false);
        const QString uri = r.answers ? office.databasePath() : office.databasePath() + "_gone";
        MAINT window(office.state());
        int afterLogins = 0;
        StartUp startUp(office.state(), nullptr, [&afterLogins] { ++afterLogins; });
        office.state().DatabasePath.clear();
        QFile ini(office.state().IniFilePath);
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        const QString named = r.label ? office.databasePath() + "_other" : r.inIni ? uri : office.file("gone.db");
        ini.write(("[CONFIG]\nDATABASE = " + named + "\nLASTUSER = ADMIN\n").toUtf8());
        ini.close();
        QString shown;
        QString edited;
        office.ui().onDialog("LOGINP0", [&](QDialog* e) {
            edited = e->findChild<QLineEdit*>("txtvalue")->text();
            e->findChild<QLineEdit*>("txtvalue")->setText(uri);
            QTest::mouseClick(e->findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
        });
        office.ui().onDialog("LOGINP", [&](QDialog* d) {
            if (r.label)
                QTest::mouseDClick(d->findChild<QLabel*>("lblDBName"), Qt::LeftButton);
            if (!r.inIni) {
                auto* tree = d->findChild<QTreeWidget*>("TreeView1");
                emit tree->itemClicked(tree->topLevelItem(0)->child(0), 0);  // the DataBase entry
            }
            shown = d->findChild<QLabel*>("lblDBName")->text();
            QTest::keyClicks(d->findChild<QLineEdit*>("txtPassword"), "ADMIN");
            QTest::mouseClick(d->findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
        });
        startUp.firstActivation();

        EXPECT_EQ(shown, uri);
        EXPECT_EQ(edited, r.label || !r.inIni ? named : QString()) << "the editor starts from the entry";
        EXPECT_TRUE(office.ui().fileRequests.isEmpty()) << "no file chooser for a server";
        EXPECT_EQ(afterLogins, r.answers ? 1 : 0);
        EXPECT_EQ(office.state().CurrentLoginId, r.answers ? "ADMIN" : "");
        EXPECT_EQ(readFile(office.state().IniFilePath).contains("DATABASE = " + uri), r.answers || r.inIni);
        // A missing file named by the ini file is told before the URI is typed.
        EXPECT_EQ(office.ui().messages.size(), r.answers && r.inIni ? 0 : 1);
        EXPECT_TRUE(r.answers || office.ui().lastMessage().contains(uri)) << office.ui().lastMessage().toStdString();
    }
}

// An office made by an older program lacks SQL functions that the statements
// of this one rely on: the login brings them back.
TEST(ServerLogin, TheLoginBringsTheSqlHelpersUpToDate)
{
    TestOffice office(TestOffice::Engine::PostgreSQL, true);
    const QString reads = "select count(*) from car where cast(' ' as real) = 0";
    office.db().executeNative("DROP FUNCTION jet_real(text) CASCADE");
    EXPECT_THROW(office.db().execute(reads), AppError);
    office.state().DatabasePath = office.databasePath();
    ASSERT_TRUE(LoginDatabase(office.state(), NewDatabase::history()).open(nullptr)) << office.ui().lastMessage().toStdString();
    EXPECT_NO_THROW(office.db().execute(reads));
}
