#pragma once

#include <QDialog>
#include <memory>

class RecordListModel;
class RunState;
namespace Ui { class F3M0O; }

// "Search for Customer": lists the records its definition (WINDOWTABLE rows
// of F3M0) names, narrowed by name and telephone, and reads the chosen one
// into the screen that opened it, by that screen's own key column.
class F3M0O : public QDialog {
    Q_OBJECT
public:
    F3M0O(RunState& state, QWidget* parent);
    ~F3M0O() override;

    // Fills grdMEMBERS from the definition and the typed criteria.
    void RefreshgrdMEMBERS();
    // Reads the highlighted row into the opener and closes; nothing without a row.
    void choose();

private:
    QString statement();

    RunState& m_state;
    std::unique_ptr<Ui::F3M0O> m_ui;
    RecordListModel* m_list;
};
