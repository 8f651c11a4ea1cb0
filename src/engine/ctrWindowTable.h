#pragma once

#include <QDialog>
#include <functional>
#include <memory>

class RunState;
class cDevelper;
namespace Ui { class ctrWindowTable; }

// The designer's window: page 0 the screen's definition rows in an editable
// grid, page 1 its fixed combo lists. Each button runs one cDevelper
// operation; a failure is reported and leaves the window open.
class ctrWindowTable : public QDialog {
    Q_OBJECT
public:
    ctrWindowTable(RunState& state, cDevelper& developer, QWidget* parent);
    ~ctrWindowTable() override;

private:
    bool run(const QString& where, const std::function<void()>& work);
    void showRowCount();
    void copyCell(const QModelIndex& index);
    void reloadCombos();
    void showValues();
    void addValue();

    RunState& m_state;
    cDevelper& m_developer;
    std::unique_ptr<Ui::ctrWindowTable> m_ui;
};
