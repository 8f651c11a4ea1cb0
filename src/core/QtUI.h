#pragma once

#include "core/cUI.h"

#include <QCoreApplication>

// The operator door of the running program: real Qt dialogs and processes.
class QtUI : public cUI {
    Q_DECLARE_TR_FUNCTIONS(QtUI)

public:
    void message(QWidget* parent, const QString& text, const QString& title = {}) override;
    bool question(QWidget* parent, const QString& text, const QString& title = {}) override;
    QString chooseFile(QWidget* parent, const FileRequest& request) override;
    int exec(QDialog* dialog) override;
    void show(QWidget* window) override;
    void processEvents() override;
    void wait(int milliseconds) override;
    bool startProgram(QWidget* parent, const QString& program, const QStringList& arguments) override;
    bool openUrl(QWidget* parent, const QUrl& url) override;
    bool waitWhile(QWidget* parent, const QString& text, const std::function<bool()>& running) override;
    QString defaultPrinter() override;
    void quit(int exitCode) override;
};
