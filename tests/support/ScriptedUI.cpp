#include "support/ScriptedUI.h"

#include <QApplication>
#include <QDialog>

bool ScriptedUI::question(QWidget*, const QString& text, const QString& title)
{
    questions.append({text, title});
    return answers.isEmpty() ? true : answers.takeFirst();
}

QString ScriptedUI::chooseFile(QWidget*, const FileRequest& request)
{
    fileRequests.append(request);
    return files.isEmpty() ? QString() : files.takeFirst();
}

int ScriptedUI::exec(QDialog* dialog)
{
    const QString name = dialog->objectName();
    dialogsShown.append(name);
    auto it = m_scripts.find(name.toLower());
    if (it == m_scripts.end() || it->isEmpty()) {
        unscripted.append(name);
        dialog->reject();
        return QDialog::Rejected;
    }
    // One script per showing; the last one stays for later showings.
    DialogScript script = it->size() > 1 ? it->takeFirst() : it->first();
    dialog->setResult(QDialog::Rejected);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->show();
    QApplication::processEvents();
    script(dialog);
    QApplication::processEvents();
    if (dialog->isVisible())
        dialog->reject();
    return dialog->result();
}

void ScriptedUI::show(QWidget* window)
{
    window->show();
}

void ScriptedUI::processEvents()
{
    if (onPendingEvents)
        onPendingEvents();
    QApplication::processEvents();
}

bool ScriptedUI::startProgram(QWidget* parent, const QString& program, const QStringList& arguments)
{
    if (!programsAvailable) {
        message(parent, QCoreApplication::translate(
                            "QtUI", "The program \"%1\" could not be started: it is not installed on this computer.")
                            .arg(program));
        return false;
    }
    programsStarted.append((QStringList{program} + arguments).join(QLatin1Char(' ')));
    return true;
}

bool ScriptedUI::openUrl(QWidget* parent, const QUrl& url)
{
    if (!programsAvailable) {
        message(parent,
                QCoreApplication::translate("QtUI", "\"%1\" could not be opened: no program on this computer opens it.")
                    .arg(url.toString()));
        return false;
    }
    urlsOpened.append(url);
    return true;
}

bool ScriptedUI::waitWhile(QWidget*, const QString&, const std::function<bool()>& running)
{
    while (running()) {
        if (cancelWaits)
            return false;
        processEvents();
    }
    return true;
}
