#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class RunState;

// The workstation's settings file: where the database is, who logged in last
// and, for operators who asked for it, the token of the login this
// workstation keeps for them (never the password).
class IniFile {
public:
    // Error numbers of file failures, as the error log records them.
    static constexpr int FileNotFound = 53;
    static constexpr int FileAccessError = 75;

    // Keys of the entries the program reads, as shown in the login screen's tree.
    static const QString DatabaseKey;
    static const QString LastUserKey;
    static const QString PasswordKey;
    static const QString TokenKey;

    struct Contents {
        QString database;
        QString lastUser;
        QString password;                       // as an older program stored it: encrypted
        QString token;                          // the kept login's; never shown
        QList<QPair<QString, QString>> entries; // recognised entries in file order, but the token
    };

    // The free-format fields of the text: a field ends at a comma or at the end
    // of a line, leading blanks are skipped, and a field that starts with a
    // double quote runs to the closing quote (or the end of its line).
    static QStringList fields(const QString& text);
    // The entries found in the fields; a later entry of the same key wins.
    static Contents parse(const QString& text);
    // Throws AppError when the file cannot be read.
    static Contents read(const QString& path);

    // Rewrites the file in one step, readable by its owner only; an empty
    // token leaves the LOGINTOKEN line out. The old file is replaced only
    // once the new one is whole on the disk. Throws AppError.
    static void write(const QString& path, const QString& database, const QString& lastUser,
                      const QString& token);

    // Rewrites the file for the operator who just logged in; a new kept
    // login's token is written only for operators whose storepassword is 1,
    // and the workstation's old one is forgotten either way.
    // A failure is logged and keeps the old file: the login stands.
    static void WriteIniFile(RunState& state);
};
