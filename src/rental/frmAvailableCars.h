#pragma once

#include <QDialog>
#include <memory>

class RecordListModel;
class RunState;
namespace Ui { class frmAvailableCars; }

// The cars free to rent, one row each: plate, make, model, colour, daily
// rent, meter and the next maintenance by date. Enter opens the chosen car
// to look at; a heading sorts by its column.
class frmAvailableCars : public QDialog {
    Q_OBJECT
public:
    frmAvailableCars(RunState& state, QWidget* parent);
    ~frmAvailableCars() override;

    void openCar();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RunState& m_state;
    std::unique_ptr<Ui::frmAvailableCars> m_ui;
    RecordListModel* m_list;
    bool m_loaded = false;
};
