#pragma once

#include <QDialog>
#include <memory>

class RecordListModel;
class RunState;
namespace Ui { class frmMessageList; }

// Every queued message at once: its title, the day it was queued and the
// record it is about. Enter opens that record, Delete drops the message from
// the queue, and "Show one by one" goes through them in the message window.
class frmMessageList : public QDialog {
    Q_OBJECT
public:
    frmMessageList(RunState& state, QWidget* parent);
    ~frmMessageList() override;

    void openRecord();
    void dropMessage();
    void showOneByOne();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Reads the queue again and stays near `row`.
    void refresh(int row);
    void rowChanged();
    // The current row's value of `column`, as stored.
    QString cell(int column) const;

    RunState& m_state;
    std::unique_ptr<Ui::frmMessageList> m_ui;
    RecordListModel* m_list;
    bool m_loaded = false;
};
