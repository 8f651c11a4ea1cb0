#pragma once

#include <QWidget>

// The splash screen: the program's name and version while the main window is made.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget* parent = nullptr);
};
