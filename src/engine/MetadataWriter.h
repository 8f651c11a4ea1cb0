#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>

class Database;

// Writes the definition rows of one screen: its tables and bound controls,
// open-dialog columns, fixed combo lists, validation rules and grids.
class MetadataWriter {
public:
    // Field type codes of the bound controls.
    enum Type { Number = 0, Text = 1, Date = 2, Flag = 3, ListText = 4, Time = 5 };

    MetadataWriter(Database& db, const QString& window) : m_db(db), m_window(window) {}

    // One business table of the screen; returns its WINDOWTABLEID.
    qint64 table(const QString& tableName, int order, const QString& description);
    // The key column, bound to txtID, first column of the open dialog.
    void identifier(qint64 windowTable, const QString& column, const QString& label, int gridWidth = 0);
    // One bound control as a row of a screen's table of fields.
    struct FieldRow {
        const char* control;
        const char* column;
        Type type;
        const char* label;   // UTF-8
        int gridOrder = 0;
        int gridWidth = 0;
    };
    void fields(qint64 windowTable, std::initializer_list<FieldRow> rows);
    // A bound control; gridOrder > 0 also lists it in the open dialog.
    void field(qint64 windowTable, const QString& control, const QString& column, Type type,
               const QString& label = {}, int gridOrder = 0, int gridWidth = 0);
    // A fixed list; `defaultValue` (if any) is marked as the default.
    void combo(const QString& control, const QStringList& values, const QString& defaultValue = {});
    // A rule the program ships: it guards the data, so it cannot be passed over.
    void validation(int kind, const QString& operand1, const QString& operand2, const QString& message,
                    const QString& focusField, int tab);
    // A grid filled from a table; returns its GRIDTABLEID.
    qint64 grid(const QString& gridName, const QString& tableName);
    void gridColumn(qint64 grid, int number, const QString& column, const QString& label, int width);

private:
    Database& m_db;
    QString m_window;
};
