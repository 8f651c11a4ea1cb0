#include "core/ScreenSetup.h"

#include "core/ReaderNames.h"
#include "core/RunState.h"
#include "core/ScreenTag.h"
#include "core/ShellFrame.h"
#include "core/cSecurity.h"

#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QLayout>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTabWidget>
#include <QTextEdit>
#include <QWidget>

#include <limits>

namespace ScreenSetup {

bool isCommandName(const QString& name)
{
    return name.startsWith(QLatin1String("cmd"), Qt::CaseInsensitive)
        || name.mid(1, 6).compare(QLatin1String("ommand"), Qt::CaseInsensitive) == 0;
}

// A screen taller than the room it gets scrolls its pages, so that its
// command buttons stay on the screen.
static void scrollPages(QWidget* screen, int room)
{
    auto* tabs = screen->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    if (!tabs || screen->minimumSizeHint().height() <= room)
        return;
    const int current = tabs->currentIndex();
    for (int i = 0; i < tabs->count(); ++i) {
        QWidget* page = tabs->widget(i);
        if (qobject_cast<QScrollArea*>(page))
            continue;
        const QString title = tabs->tabText(i);
        tabs->removeTab(i);
        auto* scroll = new QScrollArea;
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setWidgetResizable(true);
        scroll->setFocusPolicy(Qt::NoFocus);
        scroll->setWidget(page);
        tabs->insertTab(i, scroll, title);
    }
    tabs->setCurrentIndex(current);
    // The window's least size follows at once, before it is fitted.
    if (QLayout* layout = screen->layout()) {
        layout->invalidate();
        layout->activate();
    }
}

static void place(ShellFrame* frame, QWidget* screen, bool menu)
{
    if (!frame)
        return;
    const QRect area = menu ? frame->menuArea() : frame->workArea();
    if (!area.isValid())
        return;
    if (menu) {
        screen->setGeometry(QRect(area.topLeft(), screen->size()));
        return;
    }
    scrollPages(screen, area.height());
    const QSize size = screen->size().boundedTo(area.size());
    screen->setGeometry(QRect(QPoint(area.center().x() - size.width() / 2, area.top()), size));
}

// A part Qt builds inside a control (qt_spinbox_lineedit, qt_scrollarea_viewport)
// or a widget without a name of its own.
static bool isPart(const QWidget* w)
{
    return w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"));
}

// Every part of a control names the control itself, wherever the mouse rests.
static void showFieldNames(QWidget* screen)
{
    for (QWidget* w : screen->findChildren<QWidget*>()) {
        const QWidget* control = w;
        while (control != screen && isPart(control))
            control = control->parentWidget();
        if (control != screen && !isCommandName(control->objectName()))
            w->setToolTip(control->objectName());
    }
}

static void prepareFields(QWidget* screen)
{
    // Tab moves on from a text area; a record never stores a tab typed there.
    for (auto* text : screen->findChildren<QPlainTextEdit*>())
        text->setTabChangesFocus(true);
    for (auto* text : screen->findChildren<QTextEdit*>())
        text->setTabChangesFocus(true);
    // A stored text longer than QLineEdit's default limit is shown whole, not cut.
    for (auto* line : screen->findChildren<QLineEdit*>())
        if (!qobject_cast<QAbstractSpinBox*>(line->parentWidget()))
            line->setMaxLength(std::numeric_limits<int>::max());
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
        prepareFields(screen);
        ReaderNames::give(screen);
        if (state.config.SHOWFIELDNAME != 0)
            showFieldNames(screen);
        if (menu)
            cSecurity(state).SecureTheMenu(screen);
        for (const auto& step : state.screenSetupSteps)
            step(screen);
    } catch (...) {
        // the set-up is a convenience; the screen works without it
    }
}

}
