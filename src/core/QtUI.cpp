#include "core/QtUI.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QProcess>
#include <QProgressDialog>
#include <QStandardPaths>
#include <QThread>

namespace {

// After a message the window it was shown over takes the keys again, so
// that the operator goes on where he was without reaching for the mouse.
void giveBackKeys(QWidget* parent)
{
    if (!parent)
        return;
    QWidget* window = parent->window();
    if (window->isVisible()) {
        window->raise();
        window->activateWindow();
    }
}

}

void QtUI::message(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Information, title.isEmpty() ? QApplication::applicationDisplayName() : title,
                    text, QMessageBox::Ok, parent);
    box.exec();
    giveBackKeys(parent);
}

bool QtUI::question(QWidget* parent, const QString& text, const QString& title)
{
    QMessageBox box(QMessageBox::Question, title.isEmpty() ? QApplication::applicationDisplayName() : title,
                    text, QMessageBox::Ok | QMessageBox::Cancel, parent);
    const bool yes = box.exec() == QMessageBox::Ok;
    giveBackKeys(parent);
    return yes;
}

QString QtUI::chooseFile(QWidget* parent, const FileRequest& request)
{
    QFileDialog dialog(parent, request.title, request.initialPath, request.filter);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!request.defaultSuffix.isEmpty())
        dialog.setDefaultSuffix(request.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

int QtUI::exec(QDialog* dialog)
{
    return dialog->exec();
}

void QtUI::show(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

void QtUI::processEvents()
{
    QApplication::processEvents();
}

void QtUI::wait(int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
}

bool QtUI::startProgram(QWidget* parent, const QString& program, const QStringList& arguments)
{
    const QString path = QStandardPaths::findExecutable(program);
    if (path.isEmpty() || !QProcess::startDetached(path, arguments)) {
        message(parent,
                tr("The program \"%1\" could not be started: it is not installed on this computer.").arg(program));
        return false;
    }
    return true;
}

bool QtUI::openUrl(QWidget* parent, const QUrl& url)
{
    if (!QDesktopServices::openUrl(url)) {
        message(parent, tr("\"%1\" could not be opened: no program on this computer opens it.").arg(url.toString()));
        return false;
    }
    return true;
}

bool QtUI::waitWhile(QWidget* parent, const QString& text, const std::function<bool()>& running)
{
    // Shown only when the wait lasts; its own Cancel button says "Cancel" in the operator's language.
    QProgressDialog progress(parent);
    progress.setLabelText(text);
    progress.setRange(0, 0);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500);
    progress.setValue(0);
    while (running()) {
        if (progress.wasCanceled())
            return false;
        QApplication::processEvents();
    }
    return true;
}

QString QtUI::defaultPrinter()
{
    return QPrinterInfo::defaultPrinterName();
}

void QtUI::quit(int exitCode)
{
    // Every running loop, modal ones included, ends now; the queued call ends
    // the main loop too when it has not started yet. Leaving through the loops
    // lets the run state close the database and release the home folder.
    QApplication::exit(exitCode);
    QMetaObject::invokeMethod(qApp, [exitCode] { QApplication::exit(exitCode); }, Qt::QueuedConnection);
}
