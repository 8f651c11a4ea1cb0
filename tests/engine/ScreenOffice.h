#pragma once

#include "SyntheticScreen.h"
#include "engine/ControlAccess.h"
#include "engine/cWindow.h"
#include "shell/base/ErrorLog.h"
#include "shell/base/ShellFrame.h"
#include "support/TestOffice.h"

#include <QFile>
#include <QHash>
#include <memory>

// Keeps what the engine asks of the main window.
class RecordingFrame : public ShellFrame {
public:
    QWidget* frameWidget() override { return nullptr; }
    void setStatusPanel(int panel, const QString& text) override { panels[panel] = text; }
    QString statusPanel(int panel) const override { return panels.value(panel); }
    void setProgress(int percent) override { progress << percent; }
    QRect workArea() const override { return {}; }
    QRect menuArea() const override { return {}; }

    QHash<int, QString> panels;
    QList<int> progress;
};

// A test office with the synthetic screen defined and built.
struct ScreenOffice {
    explicit ScreenOffice(const QString& name = SyntheticScreen::Name, bool withNotes = true)
        : name(name)
    {
        office.loginAs(QStringLiteral("admin"));
        SyntheticScreen::install(office.db(), name, withNotes);
        screen.reset(SyntheticScreen::build(name));
    }

    Database& db() { return office.db(); }
    RunState& state() { return office.state(); }
    ScriptedUI& ui() { return office.ui(); }
    cWindow& window() { return office.state().service<cWindow>(); }

    QWidget* control(const QString& controlName) const
    {
        return ControlAccess::require(screen.get(), controlName);
    }

    QString where(qint64 key) const
    {
        return QStringLiteral("where SYNTHID = ") + QString::number(key);
    }

    qint64 count(const QString& table)
    {
        return db().execute(QStringLiteral("select count(*) as n from ") + table).value(0, 0).toLongLong();
    }

    QString errorLog()
    {
        QFile file(errorLogPath(office.state()));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    TestOffice office;
    QString name;
    std::unique_ptr<QDialog> screen;
};
