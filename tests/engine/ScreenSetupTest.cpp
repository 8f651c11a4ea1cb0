#include "engine/ControlAccess.h"
#include "engine/EngineSetup.h"
#include "reminders/frmReminder.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The tool tip shown when the mouse rests on the middle of `control`, over
// whatever part of it lies there.
QString tipOver(QWidget* control)
{
    const QPoint middle = control->rect().center();
    QWidget* part = control->childAt(middle);
    if (!part)
        part = control;
    const QPoint at = part->mapFrom(control, middle);
    QHelpEvent hover(QEvent::ToolTip, at, part->mapToGlobal(at));
    QApplication::sendEvent(part, &hover);
    const QString tip = QToolTip::text();
    QToolTip::hideText();
    return tip;
}

}

// With SHOWFIELDNAME on, every part of a bound control names the control.
TEST(ScreenSetup, FieldNamesCoverEveryPartOfAControl)
{
    TestOffice office;
    office.state().config.SHOWFIELDNAME = 1;
    installEngine(office.state());
    frmReminder diary(office.state(), nullptr);
    diary.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&diary));
    for (const char* name : {"txtNAME", "dfdReminderDate", "dfcFrequency", "dfnONOFF", "dfsComments"}) {
        QWidget* control = ControlAccess::require(&diary, QLatin1String(name));
        EXPECT_EQ(tipOver(control).toStdString(), name);
    }
}
