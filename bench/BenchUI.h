#pragma once

#include "core/cUI.h"

#include <QDialog>

// The operator of a benchmark: every dialog is shown, its first page drawn,
// and closed at once; questions are answered OK.
class BenchUI : public cUI {
public:
    void message(QWidget*, const QString&, const QString&) override {}
    bool question(QWidget*, const QString&, const QString&) override { return true; }
    QString chooseFile(QWidget*, const FileRequest&) override { return {}; }
    int exec(QDialog* dialog) override
    {
        dialog->show();
        dialog->repaint();
        dialog->reject();
        return QDialog::Rejected;
    }
    void show(QWidget* window) override { window->show(); }
    void processEvents() override {}
    void wait(int) override {}
    bool startProgram(QWidget*, const QString&, const QStringList&) override { return false; }
    bool openUrl(QWidget*, const QUrl&) override { return false; }
    bool waitWhile(QWidget*, const QString&, const std::function<bool()>& running) override
    {
        while (running()) {
        }
        return true;
    }
    QString defaultPrinter() override { return {}; }
    void quit(int) override {}
};
