#pragma once

#include "shell/base/ShellFrame.h"

#include <QWidget>

// A main window as far as the shell's screens see it: a plain widget with a
// known geometry, no panels and no progress bar.
class FrameDouble : public ShellFrame {
public:
    explicit FrameDouble(const QRect& geometry) { m_window.setGeometry(geometry); }

    QWidget* frameWidget() override { return &m_window; }
    void setStatusPanel(int, const QString&) override {}
    QString statusPanel(int) const override { return {}; }
    void setProgress(int) override {}
    QRect workArea() const override { return m_window.geometry(); }
    QRect menuArea() const override { return {}; }

private:
    QWidget m_window;
};
