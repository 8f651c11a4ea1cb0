#pragma once

#include <QHash>
#include <QList>
#include <QString>

class Database;

// The rows in force (ONOFF = 1) that bind a screen's controls to its tables.
// Read, Save, Delete and the change journal all look a screen up here, so a
// switched-off field is neither read, written nor journalled.
class ScreenDefinition {
public:
    struct Field {
        QString control;     // windowcontrol
        QString column;      // Column, trimmed
        int type = -1;       // Type; -1 when missing
        bool identifier = false;
    };
    struct Table {
        qint64 id = 0;       // WINDOWTABLEID
        QString name;        // TABLENAME
        QList<Field> fields;
    };

    // Throws AppError when the metadata cannot be read.
    static ScreenDefinition load(Database& db, const QString& screenName);

    bool isEmpty() const { return m_tables.isEmpty(); }
    const QList<Table>& tables() const { return m_tables; }
    // The table holding the identifier row and that row; null when there is none.
    const Table* identifierTable() const;
    const Field* identifier() const;

private:
    QList<Table> m_tables;
};

// The definitions of the screens shown so far, read again whenever the
// database may have changed since: a write on this connection or a commit on
// another one (the designer's, or another workstation's).
class ScreenDefinitions {
public:
    ScreenDefinition of(Database& db, const QString& screenName);

private:
    quint64 m_stamp = 0;
    QString m_path;
    QHash<QString, ScreenDefinition> m_byScreen;
};
