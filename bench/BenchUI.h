#pragma once

#include "core/cUI.h"

#include <QDialog>
#include <functional>

// The operator of a benchmark: every dialog is shown, its first page drawn
// (or `inDialog` done in it), and closed at once; questions are answered OK.
class BenchUI : public cUI {
public:
    std::function<void(QDialog*)> inDialog;
    void message(QWidget*, const QString&, const QString&) override {}
    bool question(QWidget*, const QString&, const QString&) override { return true; }
    QString chooseFile(QWidget*, const FileRequest&) override { return {}; }
    int exec(QDialog* dialog) override
    {
        dialog->show();
        if (inDialog)
            inDialog(dialog);
        else
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
