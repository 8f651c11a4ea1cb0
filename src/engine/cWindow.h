#pragma once

#include "core/Database.h"
#include "engine/ControlAccess.h"
#include "engine/ScreenDefinition.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QVariant>
#include <functional>

class QComboBox;
class QWidget;
class ReadSnapshot;
class RunState;

// The window engine: moves one record between a screen's controls and the
// tables its metadata names. Every call reads the metadata again. What a
// screen read is kept with the screen (ReadSnapshot), so that a save writes
// only what the operator changed. A null screen means the active window.
class cWindow {
public:
    using Fields = QList<Database::Field>;

    explicit cWindow(RunState& state);

    // Record binding.
    bool Read(QString& where, QWidget* screen = nullptr);
    bool Read(const QString& where, QWidget* screen = nullptr);
    bool Save(const QString& where, QWidget* screen = nullptr);
    // A save with more work of the screen's own in the same transaction, run
    // after the record is written: a non-empty answer refuses the save, rolls
    // everything back and is told to the operator; a failure is reported like
    // the save's own.
    using AlsoInTransaction = std::function<QString()>;
    bool Save(const QString& where, QWidget* screen, const AlsoInTransaction& also);
    qint64 Insert(const QString& table, const QString& keyColumn, const Fields& fields);
    bool Delete(const QString& where, QWidget* screen = nullptr);
    // The first row's value of `column`, 0 when there is no row; a statement
    // the database refuses throws, so that no 0 stands in for a value the
    // table may hold.
    qint64 ReadOneValueFromTable(const QString& column, const QString& table, const QString& condition);
    QString GetTableIdentifier(QWidget* screen);
    QString GetTableName(QWidget* screen);
    bool InsertPicture(const QString& fileName, const QString& table, const QString& column,
                       const QString& where, const Fields& fields);
    QString ReadPicture(const QString& table, const QString& column, const QString& where,
                        QString fileName = {});

    // Dialogs and lists.
    void ShowNew(QWidget* screen, const QString& caption, const QString& nameField, const Fields& otherFields = {});
    // What the open dialog searches besides the columns it shows, and shown
    // columns that give way to another where they are empty (a telephone to
    // the mobile); column names as the table has them, in any case.
    struct OpenSearch {
        QStringList alsoSearched;
        QHash<QString, QString> orElse;
    };
    bool ShowOpen(QWidget* screen, const QString& caption, const QString& condition, const OpenSearch& search = {});
    // A grid column shows as a date or a time when a screen binds its column
    // with that type, or when `columnTypes` (column name to type code) says so.
    bool ReadGrid(QWidget* screen, const QString& gridName, const QString& condition,
                  const QHash<QString, int>& columnTypes = {});
    void FillComboBoxes(QWidget* screen);
    // Fills a list from a table (GridCombo) with the rows of `statement`.
    void FillGridCombo(QWidget* screen, const QString& control, const QString& statement, int shownColumn,
                       int valueColumn);
    void ComboBoxOnChange(QComboBox* box);
    // The operator's favourite screen, opened by `openFromMenus` as his
    // menus would open it; the menus decide whether he may.
    void ShowFavouriteWindow(QWidget* parent,
                             const std::function<void(QWidget* parent, const QString& screen)>& openFromMenus);

    static QWidget* activeScreen(QWidget* screen);
    // The screen's fields in force. Throws AppError when the metadata cannot be read.
    ScreenDefinition definitionOf(const QWidget* screen);
    // The rows of a query of the screens' rule tables (validation, ledger
    // rules, the chart's accounts), read again only when those may have changed.
    RowSet ruleRows(const QString& sql);
    std::pair<ScreenDefinition, RowSet> definitionAndRules(const QWidget* screen, const QString& sql);

private:
    enum class Outcome { Saved, Conflict, Gone, Refused };
    void completeTyping(QComboBox* box);
    QList<int> gridTypes(const QString& table, const RowSet& details, const QHash<QString, int>& columnTypes);
    void remember(QWidget* screen, const ControlAccess::Index& controls, const QString& where,
                  const ScreenDefinition& definition, const QHash<QString, QHash<QString, QVariant>>& stored,
                  const QSet<QString>& filled);
    Outcome checkUnchanged(const ScreenDefinition& definition, const QString& where, const ReadSnapshot& snapshot,
                           RowSet& row);

    RunState& m_state;
    bool m_comboChanging = false;
    bool m_saving = false;
    ScreenDefinitions m_definitions;
};
