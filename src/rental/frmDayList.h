#pragma once

#include "rental/DayAtAGlance.h"

#include <QDialog>
#include <memory>

class RecordListModel;
class RunState;
namespace Ui { class frmDayList; }

// The rows behind one of the day's numbers: Enter (or a double click) opens
// the chosen row's record on its own screen; a heading sorts by its column.
class frmDayList : public QDialog {
    Q_OBJECT
public:
    frmDayList(RunState& state, DayAtAGlance::Item item, const DayAtAGlance::List& list, QWidget* parent);
    ~frmDayList() override;

    void openRecord();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RunState& m_state;
    std::unique_ptr<Ui::frmDayList> m_ui;
    RecordListModel* m_list;
    bool m_loaded = false;
};
