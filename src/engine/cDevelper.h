#pragma once

#include <QCoreApplication>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <optional>

class EditableRowsModel;
class RunState;

// The screen-definition designer: derives a screen's _WINDOWTABLEDETAILS rows
// from its controls (dfs, dfn, dfd, dff, dfg, dft and dfc + column), edits them
// in a grid, keeps its fixed combo lists and records a snapshot of its layout.
// Every operation after ShowWindowTable works on the screen it chose and
// throws AppError when the database fails.
class cDevelper {
    Q_DECLARE_TR_FUNCTIONS(cDevelper)

public:
    explicit cDevelper(RunState& state);
    ~cDevelper();

    // Opens the designer (ctrWindowTable) modally on the screen registered
    // under `screenName`, the open one when it is open.
    void ShowWindowTable(const QString& screenName, QWidget* parent = nullptr);

    // Replaces every definition row of the screen's table by rows made from its
    // controls, after the operator agreed. False when nothing was changed.
    bool PopulateWindowTable();
    void ReadWindowTable();
    // Adds rows for the df controls that have none, hidden from the open dialog.
    void ReadPlusDifference();
    // Writes the grid's edits, unless a row names no column of its table:
    // then the operator is told and nothing is written.
    void StoreGrid();
    // The screen's controls, their captions and places, into _screencontrol.
    void CreateControlDefaults();

    // The screen's fixed-list fields (dfc) that have definition rows.
    QStringList ComboBoxes();
    QStringList ComboValues(const QString& control);
    void AddComboValue(const QString& control, int order, const QString& value, bool isDefault);

    QString screenName() const { return m_screenName; }
    EditableRowsModel& rows() { return *m_rows; }

private:
    struct WindowTable {
        qint64 id;
        QString tableName;
    };
    // The screen's _windowtable row; none (after telling the operator) when missing.
    std::optional<WindowTable> windowTable();
    // The named controls of the screen, in the order the screen holds them.
    QList<QWidget*> controls() const;
    QStringList boundControls() const;
    void insertDetail(qint64 windowTableId, const QString& control, int gridOrder);
    QString windowCondition() const;
    // Why the grid's edits cannot be stored; empty when they can.
    QString refusedColumn();

    RunState& m_state;
    QString m_screenName;
    QPointer<QWidget> m_screen;
    QPointer<QWidget> m_window;
    std::unique_ptr<EditableRowsModel> m_rows;
};
