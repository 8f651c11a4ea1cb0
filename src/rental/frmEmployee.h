#pragma once

#include "engine/DataScreen.h"
#include "engine/PictureSlot.h"

#include <QTemporaryDir>
#include <memory>

namespace Ui { class frmEmployee; }

// The office's staff in EMPLOYEE: personal and employment data with the
// direct manager, sizes for work clothing, and one picture in EMPPICTURE.
class frmEmployee : public DataScreen {
    Q_OBJECT
public:
    frmEmployee(RunState& state, QWidget* parent);
    ~frmEmployee() override;

    void New() override;
    void Open() override;
    // The record, then the picture when the operator changed it; the manager
    // list follows at once, so a new manager can be chosen straight away.
    void Save() override;
    // Only with an employee on screen. His card takes his picture from the
    // database, so an employee without one never shows the one printed before.
    void Print() override;

protected:
    void load() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fillManagers();
    PictureSlot::Row pictureRow() const;

    std::unique_ptr<Ui::frmEmployee> m_ui;
    // Pictures pass through files here, never in the program's folder, which
    // may be read-only or shared by a second copy of the program.
    QTemporaryDir m_pictures;
    PictureSlot* m_picture = nullptr;
};
