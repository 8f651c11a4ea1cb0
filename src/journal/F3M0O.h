#pragma once

#include <QDialog>
#include <memory>

class RecordListModel;
class RunState;
namespace Ui { class F3M0O; }

// "Search for Customer": lists the records its definition (WINDOWTABLE rows
// of F3M0) names, narrowed by name and telephone. When the screen that opened
// it shows the same table, the chosen record is read into that screen by its
// own key column; elsewhere choosing only closes the list.
class F3M0O : public QDialog {
    Q_OBJECT
public:
    F3M0O(RunState& state, QWidget* parent);
    ~F3M0O() override;

    // Fills grdMEMBERS from the definition and the typed criteria.
    void RefreshgrdMEMBERS();
    // Takes the highlighted row and closes; nothing without a row.
    void choose();

protected:
    // Enter in the list takes the row; in the criteria it searches, and Down
    // goes from them into the list.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString statement();

    RunState& m_state;
    std::unique_ptr<Ui::F3M0O> m_ui;
    RecordListModel* m_list;
    QString m_table;  // the table listed
};
