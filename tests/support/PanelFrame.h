#pragma once

#include "core/ShellFrame.h"

#include <QHash>
#include <QString>

// The main window's status panels, and nothing else of it.
struct PanelFrame : ShellFrame {
    QWidget* frameWidget() override { return nullptr; }
    void setStatusPanel(int panel, const QString& text) override { panels[panel] = text; }
    QString statusPanel(int panel) const override { return panels.value(panel); }
    void setProgress(int) override {}
    QRect workArea() const override { return area; }
    QRect menuArea() const override { return {}; }
    QHash<int, QString> panels;
    QRect area;  // where screens go; none by default
};
