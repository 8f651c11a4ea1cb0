#include "core/KeyRoutines.h"

#include "core/RunState.h"
#include "core/ShellFrame.h"

#include <QAbstractButton>
#include <QProgressBar>
#include <QWidget>

namespace KeyRoutines {

QWidget* control(const QWidget* screen, const QString& name)
{
    // A screen's controls are its own: a dialog it opened (a picker with
    // fields of the same names) is another screen.
    const QWidget* window = screen->window();
    for (QWidget* w : screen->findChildren<QWidget*>())
        if (w->objectName().compare(name, Qt::CaseInsensitive) == 0 && w->window() == window)
            return w;
    return nullptr;
}

static int digitOf(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return key - Qt::Key_0;
    // Arabic keyboards may send the Arabic-Indic digits.
    if (key >= 0x0660 && key <= 0x0669)
        return key - 0x0660;
    if (key >= 0x06F0 && key <= 0x06F9)
        return key - 0x06F0;
    return -1;
}

static bool clickIfEnabled(QWidget* screen, const QString& name, bool mustBeVisible)
{
    auto* button = qobject_cast<QAbstractButton*>(control(screen, name));
    if (!button || !button->isEnabled() || (mustBeVisible && !button->isVisibleTo(screen)))
        return false;
    button->click();
    return true;
}

bool menuKey(QWidget* menu, int key)
{
    const int digit = digitOf(key);
    if (digit < 0)
        return false;
    return clickIfEnabled(menu, QStringLiteral("command%1").arg(digit), true);
}

static QString dataScreenButton(int key)
{
    switch (key) {
    case Qt::Key_F7: return QStringLiteral("cmdPRINT");
    case Qt::Key_F8: return QStringLiteral("cmdNew");
    case Qt::Key_F9: return QStringLiteral("cmdOpen");
    case Qt::Key_F10: return QStringLiteral("cmdPL");
    case Qt::Key_F11: return QStringLiteral("cmdDel");
    case Qt::Key_F12: return QStringLiteral("cmdSave");
    default: return {};
    }
}

bool dataScreenKey(RunState& state, QWidget* screen, int key)
{
    if (ShellFrame* frame = state.ui().frame())
        if (auto* bar = frame->frameWidget()->findChild<QProgressBar*>(QStringLiteral("ProgressBar1")))
            bar->setValue(0);
    if (key == Qt::Key_Escape) {
        screen->close();
        return true;
    }
    const QString name = dataScreenButton(key);
    if (name.isEmpty())
        return false;
    clickIfEnabled(screen, name, false);
    return true;
}

void enableAll(QWidget* screen, bool enabled)
{
    // Only the screen's own controls: the unnamed and qt_ parts inside a tab
    // set or a scroll area must stay usable when their control is freed again.
    for (QWidget* w : screen->findChildren<QWidget*>()) {
        const QString name = w->objectName();
        if (!name.isEmpty() && !name.startsWith(QLatin1String("qt_")))
            w->setEnabled(enabled);
    }
}

}
