#pragma once

#include "core/RowSet.h"

#include <QHash>
#include <QList>
#include <QString>
#include <utility>

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
        // The names in lower case, as snapshots, rows and indexes look them up.
        QString controlKey = control.toLower();
        QString columnKey = column.toLower();
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

// The definitions of the screens shown so far, and the rows of their rules
// (validation, ledger rules, the chart's accounts) read so far: read again
// whenever those tables may have changed, by this connection or another one
// (the designer's, another workstation's).
class ScreenDefinitions {
public:
    ScreenDefinition of(Database& db, const QString& screenName);
    // The rows of a query of the rule tables alone.
    RowSet rows(Database& db, const QString& sql);
    // Both at one look whether the tables changed.
    std::pair<ScreenDefinition, RowSet> withRows(Database& db, const QString& screenName, const QString& sql);

private:
    void dropWhenChanged(Database& db);
    ScreenDefinition kept(Database& db, const QString& screenName);
    RowSet keptRows(Database& db, const QString& sql);

    QString m_stamp;
    QHash<QString, ScreenDefinition> m_byScreen;
    QHash<QString, RowSet> m_rows;
};
