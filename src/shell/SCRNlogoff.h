#pragma once

#include <QDialog>
#include <memory>

class RunState;
namespace Ui { class SCRNlogoff; }

// The orderly end of a run: optionally a backup of the database, then the
// connection closes and the program ends.
class SCRNlogoff : public QDialog {
    Q_OBJECT
public:
    SCRNlogoff(RunState& state, QWidget* parent);
    ~SCRNlogoff() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void chooseBackupFile();
    void logOff();
    // Puts a chosen backup in place of the database (asked first) and ends the run.
    void restore();
    // True when the backup was made or the operator chose to go on without it.
    bool backUp();

    RunState& m_state;
    std::unique_ptr<Ui::SCRNlogoff> m_ui;
    bool m_loaded = false;
};
