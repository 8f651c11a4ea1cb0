#include "engine/ControlAccess.h"
#include "engine/EngineSetup.h"
#include "reminders/frmReminder.h"
#include "support/TestOffice.h"

#include <QApplication>
#include <QClipboard>
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

// A name longer than a line edit holds by default is typed (pasted) and stored whole.
TEST(ScreenSetup, LineEditsTakeLongTexts)
{
    TestOffice office;
    installEngine(office.state());
    office.db().command(u"delete from _Reminder"_s);
    const qint64 key = office.db().insert(u"_Reminder"_s, u"REMINDERID"_s,
                                          {{u"REMINDERRULENAME"_s, u"x"_s}, {u"ONOFF"_s, 1}, {u"REMINDERTYPE"_s, 1}, {u"Message"_s, u"x"_s}});
    frmReminder diary(office.state(), nullptr);
    diary.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&diary));
    // Back from the first field to the name, which Shift+Tab selects whole.
    for (int i = 0; i < 20 && QApplication::focusWidget()->objectName() != u"txtNAME"_s; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), u"txtNAME"_s);
    const QString longName(40000, QChar(0x0645));
    QApplication::clipboard()->setText(longName);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
    const RowSet stored = office.db().execute(u"select REMINDERRULENAME from _Reminder where REMINDERID = "_s + QString::number(key));
    ASSERT_EQ(stored.count(), 1);
    EXPECT_EQ(stored.text(0, u"REMINDERRULENAME"_s).size(), longName.size());
    EXPECT_TRUE(stored.text(0, u"REMINDERRULENAME"_s) == longName);
}
