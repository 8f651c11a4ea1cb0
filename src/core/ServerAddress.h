#pragma once

#include <QString>
#include <QStringList>

// A PostgreSQL server named the way its own tools name one:
// postgresql://user@host:port/dbname, or postgresql:///dbname?host=/socket/folder.
// The password is never part of it: libpq takes it from ~/.pgpass or PGPASSWORD,
// so that the ini file never holds one in clear.
struct ServerAddress {
    QString host;  // a name, an address, or a socket folder
    int port = -1;
    QString user;
    QString database;
    QStringList options;  // further key=value pairs for libpq (sslmode=require…)

    // True when the text is a server URI rather than a database file.
    static bool isServer(const QString& text);
    // Throws AppError for a malformed URI and for one that carries a password.
    static ServerAddress parse(const QString& text);
    // The same server as a URI, without password.
    QString uri() const;
};
