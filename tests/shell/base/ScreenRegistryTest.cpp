#include "shell/base/AppError.h"
#include "shell/base/ScreenRegistry.h"
#include "shell/base/ScreenSetup.h"
#include "shell/base/ScreenTag.h"
#include "shell/base/ShellFrame.h"
#include "support/TestOffice.h"

#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

namespace {

QDialog* makeScreen(const QString& name, QWidget* parent)
{
    auto* d = new QDialog(parent);
    d->setObjectName(name);
    return d;
}

class PanelFrame : public ShellFrame {
public:
    QWidget* frameWidget() override { return nullptr; }
    void setStatusPanel(int panel, const QString& text) override { panels[panel] = text; }
    QString statusPanel(int panel) const override { return panels.value(panel); }
    void setProgress(int percent) override { progress = percent; }
    QRect workArea() const override { return {}; }
    QRect menuArea() const override { return {}; }
    QHash<int, QString> panels;
    int progress = 0;
};

}

TEST(ScreenRegistry, OpensByNameWithModeAndKeepsTheFirstRegistration)
{
    TestOffice office;
    ScreenRegistry& screens = office.state().screens();
    int built = 0;
    screens.add(QStringLiteral("frmCars"), [&](RunState&, QWidget* p) { ++built; return makeScreen(QStringLiteral("frmCars"), p); });
    screens.add(QStringLiteral("FRMCARS"), [&](RunState&, QWidget* p) { return makeScreen(QStringLiteral("other"), p); });
    QString seenMode;
    office.ui().onDialog(QStringLiteral("frmCars"), [&](QDialog* d) {
        seenMode = ScreenTag::get(d);
        EXPECT_EQ(office.state().screens().find(QStringLiteral("frmcars")), d);
        d->accept();
    });
    EXPECT_EQ(screens.open(QStringLiteral("frmcars"), nullptr, QStringLiteral("RENTMODE")), QDialog::Accepted);
    EXPECT_EQ(seenMode, QStringLiteral("RENTMODE"));
    EXPECT_EQ(built, 1);
    EXPECT_EQ(screens.names(), QStringList{QStringLiteral("frmCars")});
    EXPECT_EQ(screens.find(QStringLiteral("frmCars")), nullptr) << "a closed screen is gone";
}

TEST(ScreenRegistry, UnknownNameGivesAClearError)
{
    TestOffice office;
    try {
        office.state().screens().open(QStringLiteral("frmNothing"), nullptr);
        FAIL() << "expected an error";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::UnknownScreen);
        EXPECT_TRUE(e.description().contains(QStringLiteral("frmNothing")));
    }
    EXPECT_TRUE(office.ui().dialogsShown.isEmpty());
}

TEST(ScreenSetup, NamesTipsAndFirstTabFollowTheSettings)
{
    const struct { int showScreen; int showField; bool panelSet; bool tips; } rows[] = {
        {1, 0, true, false}, {2, 0, false, false}, {0, 2, false, true}, {0, 1, false, true}, {0, 0, false, false},
    };
    for (const auto& r : rows) {
        TestOffice office;
        PanelFrame frame;
        office.ui().setFrame(&frame);
        office.state().config.SHOWSCREENNAME = r.showScreen;
        office.state().config.SHOWFIELDNAME = r.showField;
        QDialog screen;
        screen.setObjectName(QStringLiteral("frmCars"));
        auto* tabs = new QTabWidget(&screen);
        tabs->setObjectName(QStringLiteral("SSTab1"));
        tabs->addTab(new QWidget, QStringLiteral("a"));
        tabs->addTab(new QWidget, QStringLiteral("b"));
        tabs->setCurrentIndex(1);
        auto* field = new QLineEdit(&screen);
        field->setObjectName(QStringLiteral("dfsComments"));
        auto* save = new QPushButton(&screen);
        save->setObjectName(QStringLiteral("cmdSave"));
        auto* back = new QPushButton(&screen);
        back->setObjectName(QStringLiteral("Command0"));
        ScreenSetup::run(office.state(), &screen);
        EXPECT_EQ(tabs->currentIndex(), 0);
        EXPECT_EQ(frame.panels.value(ShellFrame::ScreenPanel) == QStringLiteral("frmCars"), r.panelSet) << r.showScreen;
        EXPECT_EQ(field->toolTip() == QStringLiteral("dfsComments"), r.tips) << r.showField;
        EXPECT_TRUE(save->toolTip().isEmpty());
        EXPECT_TRUE(back->toolTip().isEmpty());
    }
}

TEST(ScreenSetup, RunsTheStepsOfOtherSubsystems)
{
    TestOffice office;
    QStringList seen;
    office.state().screenSetupSteps.push_back([&](QWidget* w) { seen << w->objectName(); });
    office.state().screenSetupSteps.push_back([&](QWidget*) { throw AppError(1, QStringLiteral("x"), QStringLiteral("y")); });
    QDialog screen;
    screen.setObjectName(QStringLiteral("frmReminder"));
    ScreenSetup::run(office.state(), &screen);
    EXPECT_EQ(seen, QStringList{QStringLiteral("frmReminder")});
}
