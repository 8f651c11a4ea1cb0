#pragma once

#include <QRect>
#include <QString>

class QWidget;

// What the screens of every subsystem may ask of the main window, without
// knowing it: the main window implements this and hands itself to cUI.
class ShellFrame {
public:
    enum Panel { MessagePanel = 1, HostPanel = 2, ScreenPanel = 3, LoginPanel = 4,
                 WebPanel = 5, PicturePanel = 6, DatePanel = 7 };

    virtual ~ShellFrame() = default;
    virtual QWidget* frameWidget() = 0;
    virtual void setStatusPanel(int panel, const QString& text) = 0;
    virtual QString statusPanel(int panel) const = 0;
    // 1 to 100 shows the bar at that value; 0 or less hides it.
    virtual void setProgress(int percent) = 0;
    // The area of the main window that screens are placed over, in global coordinates.
    virtual QRect workArea() const = 0;
    // Where a menu screen is placed, beside the menu buttons.
    virtual QRect menuArea() const = 0;
};
