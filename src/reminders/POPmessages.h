#pragma once

#include <QDialog>
#include <memory>

class RunState;
namespace Ui { class POPmessages; }

// One queued reminder: its body, a tick to drop it from the queue and a tick
// to see no more messages this time. OK (or Enter) acts on the ticks.
class POPmessages : public QDialog {
    Q_OBJECT
public:
    POPmessages(RunState& state, QWidget* parent);
    ~POPmessages() override;

    // The title goes after the design caption; the queue row travels in the
    // tag of the first tick.
    void showMessage(qint64 queueId, const QString& title, const QString& body);

    void Ok();

protected:
    void showEvent(QShowEvent* event) override;

private:
    RunState& m_state;
    std::unique_ptr<Ui::POPmessages> m_ui;
    bool m_loaded = false;
};
