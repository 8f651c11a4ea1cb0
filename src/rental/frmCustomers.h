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
    // F6: the print dialog on his statement, for this month unless the clerk changes it.
    void Statement();

protected:
    void load() override;
    // A new customer is registered today, whenever the screen was opened.
    cWindow::Fields newRecordFields() const override;
    QList<PickerCopy::Field> pickerFields() const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The picture row of the customer on screen, or none.
    PictureSlot::Row pictureRow() const;
    // What the ledger holds of him, beside the card's own balance.
    void showBalance();

    std::unique_ptr<Ui::frmCustomers> m_ui;
    // Pictures pass through files here, never in the program's folder, which
    // may be read-only or shared by a second copy of the program.
    QTemporaryDir m_pictures;
    PictureSlot* m_picture = nullptr;
};
