#pragma once

#include "engine/DataScreen.h"
#include "engine/PictureSlot.h"

#include <QTemporaryDir>
#include <memory>

namespace Ui { class frmCustomers; }

// One record per customer in Customer: identity, licence, home and work, and
// one picture in CUSTOMERPICTURE.
class frmCustomers : public DataScreen {
    Q_OBJECT
public:
    frmCustomers(RunState& state, QWidget* parent);
    ~frmCustomers() override;

    void New() override;
    void Open() override;
    // The record, then the picture when the operator changed it.
    void Save() override;

protected:
    void load() override;
    // A new customer is registered today, whenever the screen was opened.
    cWindow::Fields newRecordFields() const override;
    QList<PickerCopy::Field> pickerFields() const override;

private:
    // The picture row of the customer on screen, or none.
    PictureSlot::Row pictureRow() const;

    std::unique_ptr<Ui::frmCustomers> m_ui;
    // Pictures pass through files here, never in the program's folder, which
    // may be read-only or shared by a second copy of the program.
    QTemporaryDir m_pictures;
    PictureSlot* m_picture = nullptr;
};
