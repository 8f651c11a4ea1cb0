#pragma once

#include "shell/base/ErrorLog.h"
#include "shell/base/ShellFrame.h"
#include "shell/windows/StartUp.h"
#include "support/TestOffice.h"

#include <QDialog>
#include <QFile>
#include <QHash>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QWidget>

// A main window that remembers what its status panels were told.
class PanelFrame : public ShellFrame {
public:
    QWidget* frameWidget() override { return &m_window; }
    void setStatusPanel(int panel, const QString& text) override { m_panels[panel] = text; }
    QString statusPanel(int panel) const override { return m_panels.value(panel); }
    void setProgress(int) override {}
    QRect workArea() const override { return {}; }
    QRect menuArea() const override { return {}; }

private:
    QWidget m_window;
    QHash<int, QString> m_panels;
};

// A start of the program over a temporary home folder whose database exists
// but is not open yet, as it is before the login.
struct LoginRun {
    TestOffice office{false};
    PanelFrame frame;
    int afterLogins = 0;
    int registrations = 0;
    StartUp startUp{office.state(), [this](ScreenRegistry&) { ++registrations; }, [this] { ++afterLogins; }};

    LoginRun()
    {
        office.ui().setFrame(&frame);
        // Nothing is known of the database before the ini file is read.
        office.state().DatabasePath.clear();
    }

    RunState& state() { return office.state(); }
    ScriptedUI& ui() { return office.ui(); }
    QString home() const { return office.home(); }
    QString iniPath() { return state().IniFilePath; }

    // "{H}" in the text stands for the home folder.
    void writeIni(const QString& text)
    {
        QFile file(iniPath());
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(QString(text).replace(QStringLiteral("{H}"), home()).toUtf8());
    }
    QString ini() { return readFile(iniPath()); }
    QString errorLog() { return readFile(errorLogPath(state())); }

    static QString readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
};

namespace LoginKeys {

inline QLineEdit* edit(QDialog* d, const char* name)
{
    return d->findChild<QLineEdit*>(QString::fromLatin1(name));
}

inline QPushButton* button(QDialog* d, const char* name)
{
    return d->findChild<QPushButton*>(QString::fromLatin1(name));
}

// Types the login id (Enter moves on) and the password, then presses OK.
inline void typeLogin(QDialog* d, const QString& loginId, const QString& password)
{
    QLineEdit* user = edit(d, "txtUserName");
    user->clear();
    QTest::keyClicks(user, loginId);
    QTest::keyClick(user, Qt::Key_Return);
    QLineEdit* secret = edit(d, "txtPassword");
    secret->clear();
    QTest::keyClicks(secret, password);
    QTest::mouseClick(button(d, "cmdOk"), Qt::LeftButton);
}

}
