#pragma once

#include "core/cUI.h"

#include <QHash>
#include <QStringList>
#include <functional>

class QDialog;

// The operator as a script: answers come from queues filled by the test,
// everything shown is recorded, and nothing ever blocks.
class ScriptedUI : public cUI {
public:
    struct Shown { QString text, title; };
    using DialogScript = std::function<void(QDialog*)>;

    // Runs `script` when a dialog or screen of that object name is shown
    // modally; a dialog still open afterwards is rejected.
    void onDialog(const QString& objectName, DialogScript script) { m_scripts[objectName.toLower()].append(std::move(script)); }

    QList<Shown> messages;        // every message, in order
    QList<Shown> questions;       // every question, in order
    QList<bool> answers;          // answers to the next questions (empty: OK)
    QStringList files;            // answers to the next file choosers (empty: cancel)
    QList<FileRequest> fileRequests;
    QStringList dialogsShown;     // object names of modal dialogs, in order
    QStringList unscripted;       // modal dialogs nobody scripted (rejected at once)
    QStringList programsStarted;  // "program arg1 arg2"
    QList<QUrl> urlsOpened;
    bool programsAvailable = true;
    bool cancelWaits = false;     // the operator presses Cancel at once
    QString printer;              // the default printer; none when empty
    // Called whenever pending events are let run, as the operator's next key would be.
    std::function<void()> onPendingEvents;
    int quitCode = -1;            // -1 while nobody asked to quit

    QString lastMessage() const { return messages.isEmpty() ? QString() : messages.last().text; }

    void message(QWidget*, const QString& text, const QString& title = {}) override { messages.append({text, title}); }
    bool question(QWidget* parent, const QString& text, const QString& title = {}) override;
    QString chooseFile(QWidget* parent, const FileRequest& request) override;
    int exec(QDialog* dialog) override;
    void show(QWidget* window) override;
    void processEvents() override;
    void wait(int) override {}
    bool startProgram(QWidget* parent, const QString& program, const QStringList& arguments) override;
    bool openUrl(QWidget* parent, const QUrl& url) override;
    bool waitWhile(QWidget* parent, const QString& text, const std::function<bool()>& running) override;
    QString defaultPrinter() override { return printer; }
    void quit(int exitCode) override { quitCode = exitCode; }

private:
    QHash<QString, QList<DialogScript>> m_scripts;
};
