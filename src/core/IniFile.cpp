#include "core/IniFile.h"

#include "core/AppError.h"
#include "core/Cipher.h"
#include "core/Configuration.h"
#include "core/ErrorLog.h"
#include "core/OwnerOnly.h"
#include "core/RunState.h"
#include "core/SqlValue.h"
#include "core/cSecurity.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

const QString IniFile::DatabaseKey = QStringLiteral("DataBase");
const QString IniFile::LastUserKey = QStringLiteral("LastUser");
const QString IniFile::PasswordKey = QStringLiteral("Password");
const QString IniFile::TokenKey = QStringLiteral("LoginToken");

namespace {

const QString ReadSource = QStringLiteral("ReadIniFile");
const QString WriteSource = QStringLiteral("WriteIniFile");

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

// The trimmed text after the first "=", or the whole trimmed field.
QString valueOf(const QString& field)
{
    const qsizetype eq = field.indexOf(QLatin1Char('='));
    return (eq < 0 ? field : field.mid(eq + 1)).trimmed();
}

void splitLine(const QString& line, QStringList& out)
{
    const qsizetype n = line.size();
    qsizetype i = 0;
    for (;;) {
        while (i < n && isBlank(line[i]))
            ++i;
        qsizetype end = 0;
        if (i < n && line[i] == QLatin1Char('"')) {
            const qsizetype close = line.indexOf(QLatin1Char('"'), i + 1);
            if (close < 0) {
                out << line.mid(i + 1);
                return;
            }
            out << line.mid(i + 1, close - i - 1);
            // Whatever follows the closing quote up to the comma is skipped.
            end = line.indexOf(QLatin1Char(','), close + 1);
        } else {
            end = line.indexOf(QLatin1Char(','), i);
            out << line.mid(i, end < 0 ? -1 : end - i);
        }
        if (end < 0)
            return;
        i = end + 1;
    }
}

}

QStringList IniFile::fields(const QString& text)
{
    QStringList out;
    for (QString line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        splitLine(line, out);
    }
    return out;
}

IniFile::Contents IniFile::parse(const QString& text)
{
    Contents c;
    for (const QString& field : fields(text)) {
        const QString value = valueOf(field);
        if (field.contains(QLatin1String("DATABASE"), Qt::CaseInsensitive)) {
            c.database = value;
            c.entries.append({DatabaseKey, value});
        } else if (field.contains(QLatin1String("LASTUSER"), Qt::CaseInsensitive)) {
            c.lastUser = value;
            c.entries.append({LastUserKey, value});
        } else if (field.contains(QLatin1String("PASSWORD"), Qt::CaseInsensitive)) {
            c.password = value;
            c.entries.append({PasswordKey, value});
        } else if (field.contains(QLatin1String("LOGINTOKEN"), Qt::CaseInsensitive)) {
            c.token = value;
        }
    }
    return c;
}

IniFile::Contents IniFile::read(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        throw AppError(FileNotFound, QStringLiteral("File not found: ") + path, ReadSource);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(FileAccessError, QStringLiteral("Path/File access error: ") + path + QStringLiteral(" (")
                                            + file.errorString() + QLatin1Char(')'),
                       ReadSource);
    return parse(QString::fromUtf8(file.readAll()));
}

void IniFile::write(const QString& path, const QString& database, const QString& lastUser,
                    const QString& token)
{
    // A file left read-only by hand must not stop the rewrite.
    if (QFileInfo::exists(path))
        QFile::setPermissions(path, OwnerOnly::File);
    QString text = QStringLiteral("[CONFIG]\nDATABASE = ") + database + QStringLiteral("\nLASTUSER = ") + lastUser
                 + QLatin1Char('\n');
    if (!token.isEmpty())
        text += QStringLiteral("LOGINTOKEN = ") + token + QLatin1Char('\n');

    // The new file is written beside the old one and replaces it only when
    // every byte is on the disk: a full disk leaves the old file as it was.
    QSaveFile file(path);
    const auto fail = [&](const QString& reason) {
        file.cancelWriting();
        throw AppError(FileAccessError, QStringLiteral("Path/File access error: ") + path + QStringLiteral(" (")
                                            + reason + QLatin1Char(')'),
                       WriteSource);
    };
    if (!file.open(QIODevice::WriteOnly))
        fail(file.errorString());
    // It may hold a kept login: nobody but the owner reads it.
    file.setPermissions(OwnerOnly::File);
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.flush() || file.error() != QFileDevice::NoError)
        fail(file.errorString());
    if (!file.commit())
        fail(file.errorString());
}

void IniFile::WriteIniFile(RunState& state)
{
    QString token;
    try {
        const RowSet rs = state.db().execute(QStringLiteral("select * from operator WHERE loginid  = '")
                                             + SqlValue::text(state.CurrentLoginId) + QStringLiteral("'"));
        cSecurity security(state);
        if (!rs.isEmpty() && Configuration::toInteger(rs.text(0, QStringLiteral("storepassword"))) == 1)
            token = security.KeepLogin(state.CurrentLoginId);
        else
            security.ForgetLogin(state.CurrentLoginId);
    } catch (const AppError&) {
        // without the row (or on a read-only database) the login is simply not kept
    }
    try {
        write(state.IniFilePath, state.DatabasePath, state.CurrentLoginId, token);
    } catch (const AppError& e) {
        // The login stands; the old file stays and the log says why.
        ReportError(state, nullptr, e);
    }
}
