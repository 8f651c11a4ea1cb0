#include "shell/base/ScreenSetup.h"

#include "shell/base/RunState.h"
#include "shell/base/ScreenTag.h"
#include "shell/base/ShellFrame.h"
#include "shell/base/cSecurity.h"

#include <QTabWidget>
#include <QWidget>

namespace ScreenSetup {

bool isCommandName(const QString& name)
{
    return name.startsWith(QLatin1String("cmd"), Qt::CaseInsensitive)
        || name.mid(1, 6).compare(QLatin1String("ommand"), Qt::CaseInsensitive) == 0;
}

static void place(ShellFrame* frame, QWidget* screen, bool menu)
{
    if (!frame)
        return;
    const QRect area = menu ? frame->menuArea() : frame->workArea();
    if (!area.isValid())
        return;
    if (menu) {
        screen->move(area.topLeft());
        return;
    }
    const QSize size = screen->size().boundedTo(area.size());
    screen->setGeometry(QRect(QPoint(area.center().x() - size.width() / 2, area.top()), size));
}

void run(RunState& state, QWidget* screen)
{
    try {
        ShellFrame* frame = state.ui().frame();
        const bool menu = ScreenTag::get(screen) == QLatin1String("Menu");
        place(frame, screen, menu);
        if (auto* tabs = screen->findChild<QTabWidget*>(QStringLiteral("SSTab1")))
            tabs->setCurrentIndex(0);
        if (state.config.SHOWSCREENNAME == 1 && frame)
            frame->setStatusPanel(ShellFrame::ScreenPanel, screen->objectName());
        if (state.config.SHOWFIELDNAME != 0) {
            for (QWidget* w : screen->findChildren<QWidget*>())
                if (!w->objectName().isEmpty() && !isCommandName(w->objectName()))
                    w->setToolTip(w->objectName());
        }
        if (menu)
            cSecurity(state).SecureTheMenu(screen);
        for (const auto& step : state.screenSetupSteps)
            step(screen);
    } catch (...) {
        // the set-up is a convenience; the screen works without it
    }
}

}
