#include "reports/LibreOffice.h"

#include "core/OwnerOnly.h"
#include "core/RunState.h"
#include "core/cUI.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

// A shell that lost its child to a signal ends with 128 and the signal's number.
constexpr int SignalledExit = 128;

}

QString LibreOffice::program()
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    return soffice.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("libreoffice")) : soffice;
}

QString LibreOffice::missingText()
{
    return tr("LibreOffice Writer is not installed, so reports cannot be shown or printed. "
              "Install the package libreoffice-writer (Debian, Ubuntu: sudo apt-get install "
              "libreoffice-writer).");
}

QString LibreOffice::profileArgument(const QString& folder) const
{
    return QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(m_state.homeFile(folder)).toString();
}

QString LibreOffice::runHeadless(const QStringList& arguments, const QString& what, QWidget* parent)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program(), QStringList{profileArgument(QStringLiteral("libreoffice")),
                                         QStringLiteral("--headless"), QStringLiteral("--norestore")}
                                 + arguments);
    if (!process.waitForStarted())
        return tr("LibreOffice could not be started: %1").arg(process.errorString());
    const QDeadlineTimer deadline(ConversionTimeoutMs);
    const bool waited = m_state.ui().waitWhile(parent, what, [&] {
        process.waitForFinished(100);
        return process.state() != QProcess::NotRunning && !deadline.hasExpired();
    });
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
        return waited ? tr("LibreOffice took longer than %1 seconds and was stopped.").arg(ConversionTimeoutMs / 1000)
                      : tr("LibreOffice was stopped at your request.");
    }
    const QString said = QString::fromLocal8Bit(process.readAll()).trimmed();
    QString reason;
    if (process.exitStatus() == QProcess::CrashExit)
        reason = tr("LibreOffice crashed (signal %1).").arg(process.exitCode());
    else if (process.exitCode() > SignalledExit)
        reason = tr("LibreOffice crashed (exit status %1).").arg(process.exitCode());
    else if (process.exitCode() != 0)
        reason = tr("LibreOffice ended with exit status %1.").arg(process.exitCode());
    return reason.isEmpty() || said.isEmpty() ? reason : reason + QLatin1Char(' ') + said;
}

QString LibreOffice::toPdf(const QString& document, QString* error, QWidget* parent)
{
    if (program().isEmpty()) {
        *error = missingText();
        return {};
    }
    const QFileInfo info(document);
    const QString pdf = info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
    QFile::remove(pdf);
    QString reason = runHeadless({QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"),
                                  info.absolutePath(), info.absoluteFilePath()},
                                 tr("LibreOffice is making the preview of %1 ...").arg(info.fileName()), parent);
    if (reason.isEmpty() && !QFileInfo::exists(pdf))
        reason = tr("LibreOffice ended without writing it.");
    if (!reason.isEmpty()) {
        *error = tr("LibreOffice could not make the PDF of %1: %2").arg(document, reason);
        return {};
    }
    // A report is read, not edited: its PDF is as read-only as its document.
    QFile::setPermissions(pdf, OwnerOnly::ReadOnlyCopy);
    return pdf;
}

bool LibreOffice::print(const QString& document, QString* error, QWidget* parent)
{
    const QString name = QFileInfo(document).fileName();
    QString reason;
    if (program().isEmpty())
        reason = missingText();
    // Without a printer LibreOffice prints nowhere and still ends well.
    else if (m_state.ui().defaultPrinter().isEmpty())
        reason = tr("No printer is set up on this computer.");
    else
        reason = runHeadless({QStringLiteral("-p"), document}, tr("LibreOffice is printing %1 ...").arg(name), parent);
    if (!reason.isEmpty())
        *error = tr("%1 was not printed: %2 The document is kept as %3.").arg(name, reason, document);
    return reason.isEmpty();
}

bool LibreOffice::startWindow(const QStringList& arguments, QWidget* parent)
{
    const QString soffice = program();
    if (soffice.isEmpty()) {
        m_state.ui().message(parent, missingText());
        return false;
    }
    return m_state.ui().startProgram(parent, soffice,
                                     QStringList{profileArgument(QStringLiteral("libreoffice-writer"))} + arguments);
}

bool LibreOffice::view(const QString& document, QWidget* parent)
{
    // A read-only copy has nothing to recover after a crash.
    return startWindow({QStringLiteral("--norestore"), QStringLiteral("--view"), document}, parent);
}

bool LibreOffice::edit(const QString& document, QWidget* parent)
{
    return startWindow({QStringLiteral("--writer"), document}, parent);
}

bool LibreOffice::startWriter(QWidget* parent)
{
    return startWindow({QStringLiteral("--writer")}, parent);
}
