#pragma once

#include <QDate>
#include <QDialog>
#include <QElapsedTimer>
#include <QPersistentModelIndex>
#include <memory>

class PlanningBoardModel;
class RunState;
namespace Ui { class frmPlanningBoard; }

// The fleet on a board of days: cars in rows, days in columns from today,
// each cell coloured by what holds the car. Enter opens the contract or the
// reservation under the cursor, or books the free days chosen; Page Up and
// Page Down move a week; typing a plate goes to its car.
class frmPlanningBoard : public QDialog {
    Q_OBJECT
public:
    frmPlanningBoard(RunState& state, QWidget* parent);
    ~frmPlanningBoard() override;

    PlanningBoardModel* model() const { return m_model; }
    // Reads the board again for the days and filters chosen, keeping the cursor.
    void reload();
    void moveDays(int days);
    void openCell();
    // The board as a PDF, shown in the report preview.
    void printBoard();

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A new reservation of the row's car for the days of the two columns.
    void book(int row, int firstColumn, int lastColumn);
    // Opens a contract or a reservation on its screen, then reads the board again.
    void showHolder(const QString& screen, qint64 id, const QString& caption);
    // The lists of days, car types and makes.
    void fillChoices();
    void fitColumns();
    bool boardKey(int key, Qt::KeyboardModifiers modifiers, const QString& text);
    QString writePdf();

    RunState& m_state;
    std::unique_ptr<Ui::frmPlanningBoard> m_ui;
    PlanningBoardModel* m_model;
    QDate m_first;
    int m_days = 14;
    quint64 m_stamp = 0;
    bool m_loaded = false;
    QString m_typed;
    QElapsedTimer m_typedAt;
    QPersistentModelIndex m_pressed;
};
