#include "reports/LibreOffice.h"

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

QString LibreOffice::program()
{
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    return soffice.isEmpty() ? QStandardPaths::findExecutable(QStringLiteral("libreoffice")) : soffice;
}

QString LibreOffice::missingText()
{
    return QCoreApplication::translate("LibreOffice",
                                       "LibreOffice Writer is not installed, so reports cannot be shown or printed. "
                                       "Install the package libreoffice-writer (Debian, Ubuntu: sudo apt-get install "
                                       "libreoffice-writer).");
}

QString LibreOffice::profileArgument() const
{
    return QStringLiteral("-env:UserInstallation=")
        + QUrl::fromLocalFile(m_state.homeFile(QStringLiteral("libreoffice"))).toString();
}

QString LibreOffice::toPdf(const QString& document, QString* error)
{
    const QString soffice = program();
    if (soffice.isEmpty()) {
        *error = missingText();
        return {};
    }
    const QFileInfo info(document);
    const QString pdf = info.absoluteDir().filePath(info.completeBaseName() + QStringLiteral(".pdf"));
    QFile::remove(pdf);
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(soffice, {profileArgument(), QStringLiteral("--headless"), QStringLiteral("--norestore"),
                            QStringLiteral("--convert-to"), QStringLiteral("pdf"), QStringLiteral("--outdir"),
                            info.absolutePath(), info.absoluteFilePath()});
    const QDeadlineTimer deadline(ConversionTimeoutMs);
    while (!process.waitForFinished(100)) {
        if (process.state() == QProcess::NotRunning)
            break;
        if (deadline.hasExpired()) {
            process.kill();
            process.waitForFinished();
            *error = QCoreApplication::translate("LibreOffice", "LibreOffice took too long to make the PDF of %1.")
                         .arg(document);
            return {};
        }
        m_state.ui().processEvents();
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 || !QFileInfo::exists(pdf)) {
        *error = QCoreApplication::translate("LibreOffice", "LibreOffice could not make the PDF of %1: %2")
                     .arg(document, QString::fromLocal8Bit(process.readAll()).trimmed());
        return {};
    }
    // A report is read, not edited: its PDF is as read-only as its document.
    QFile::setPermissions(pdf, QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    return pdf;
}

QStringList LibreOffice::printArguments(const QString& document) const
{
    return {profileArgument(), QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("-p"),
            document};
}

QStringList LibreOffice::viewArguments(const QString& document)
{
    return {QStringLiteral("--view"), document};
}

QStringList LibreOffice::editArguments(const QString& document)
{
    return {QStringLiteral("--writer"), document};
}
