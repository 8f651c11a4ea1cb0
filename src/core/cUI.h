#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <functional>

class QDialog;
class QWidget;
class ShellFrame;

// What a file chooser is asked for.
struct FileRequest {
    QString title;
    QString filter;          // Qt form: "Database (*.db);;All files (*)"
    QString initialPath;     // folder or file
    QString defaultSuffix;
    bool save = false;
};

// The one door between the program and the operator. Production shows Qt
// dialogs; tests install a scripted double so that nothing ever blocks.
class cUI {
public:
    virtual ~cUI() = default;

    // A message with an OK button only.
    virtual void message(QWidget* parent, const QString& text, const QString& title = {}) = 0;
    // OK/Cancel (or Yes/No) question; true for OK/Yes.
    virtual bool question(QWidget* parent, const QString& text, const QString& title = {}) = 0;
    // The chosen path, or an empty text when the operator cancelled.
    virtual QString chooseFile(QWidget* parent, const FileRequest& request) = 0;
    // Shows a dialog or screen modally and gives its result code.
    virtual int exec(QDialog* dialog) = 0;
    // Shows a window without waiting.
    virtual void show(QWidget* window) = 0;
    // Lets pending window events run during long work.
    virtual void processEvents() = 0;
    // Blocks the thread for a fixed time, drawing meanwhile (the splash).
    virtual void wait(int milliseconds) = 0;
    // Starts a desktop program; false (after telling the operator) when it cannot start.
    virtual bool startProgram(QWidget* parent, const QString& program, const QStringList& arguments) = 0;
    // Opens a document or address with the desktop's program for it.
    virtual bool openUrl(QWidget* parent, const QUrl& url) = 0;
    // Shows `text` with a Cancel button while `running` says the work goes
    // on (it is asked again and again, and may wait a moment itself); false
    // when the operator cancelled.
    virtual bool waitWhile(QWidget* parent, const QString& text, const std::function<bool()>& running) = 0;
    // The printer documents go to without a question; empty when none is set up.
    virtual QString defaultPrinter() = 0;
    // Ends the program at once.
    virtual void quit(int exitCode) = 0;

    // The main window's progress bar (0 to 100) and first status panel.
    // UpdateProgressBar lets pending events run; ShowProgress only draws the bar,
    // for work inside a transaction, where nothing the operator does may run.
    void UpdateProgressBar(int percent);
    void ShowProgress(int percent);
    void ShowStatusMessage(const QString& text);
    void setFrame(ShellFrame* frame) { m_frame = frame; }
    ShellFrame* frame() const { return m_frame; }

private:
    ShellFrame* m_frame = nullptr;
};
