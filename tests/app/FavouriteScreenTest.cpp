#include "app/Wiring.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QDialog>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

// The whole program from its start: after the login the operator's favourite
// screen opens, and stays when the main window is activated again (as the
// window manager does once the login screen has gone). A favourite nobody
// registered, none at all, or one the operator may not open from his menus
// opens nothing and says nothing.
TEST(FavouriteScreen, OpensAfterTheLoginAndStays)
{
    const struct { const char* favourite; bool opens; bool onlyCustomers = false; } rows[] = {
        {"frmOptions", true}, {"", false}, {"frmNothing", false},
        {"frmChartOfAccount", false, true}, {"frmCustomers", true, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.favourite);
        TestOffice office(false);
        {
            Database db;
            db.open(office.databasePath());
            db.command(QStringLiteral("update OPERATOR set FavouriteWindow = '%1'").arg(r.favourite));
            if (r.onlyCustomers)  // button 2 of menu F3 and nothing else
                db.command("update group_func set command1 = 0, command2 = case when menu_name = 'F3M' then 1 else 0 end, "
                           "command3 = 0, command4 = 0, command5 = 0, command6 = 0, command7 = 0, command8 = 0, command9 = 0");
        }
        {
            QFile ini(office.state().IniFilePath);
            ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
            ini.write(("[CONFIG]\nDATABASE = " + office.databasePath() + "\nLASTUSER = ADMIN\n").toUtf8());
        }
        office.ui().onDialog("LOGINP", [](QDialog* d) {
            ScreenChecks::type(ScreenChecks::control(d, "txtPassword"), "ADMIN");
            ScreenChecks::click(d, "cmdOk");
        });
        bool opened = false, stayed = false;
        office.ui().onDialog(r.favourite, [&](QDialog* d) {
            opened = true;
            // Modal, as a real wait shows it; the scripted door only shows it.
            d->hide();
            d->setWindowModality(Qt::ApplicationModal);
            d->show();
            QEvent activation(QEvent::WindowActivate);
            for (QWidget* w : QApplication::topLevelWidgets())
                if (w->objectName() == QLatin1String("MAINT"))
                    QApplication::sendEvent(w, &activation);
            stayed = d->isVisible();
            d->reject();
        });

        Wiring wiring(office.state());
        wiring.start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !office.state().FirstActivation; }));
        EXPECT_TRUE(!r.opens || QTest::qWaitFor([&] { return opened; }));
        QCoreApplication::processEvents();
        EXPECT_EQ(opened, r.opens);
        EXPECT_EQ(stayed, r.opens);
        EXPECT_EQ(office.state().screens().find("frmOptions"), nullptr) << "the closed screen is gone";
        EXPECT_TRUE(office.ui().messages.isEmpty()) << office.ui().lastMessage().toStdString();
        EXPECT_FALSE(office.ui().windowsShown.contains(r.favourite)) << "the screen is waited for, like any other";
    }
}
