#pragma once

#include "engine/DataScreen.h"
#include "engine/PictureSlot.h"

#include <QList>
#include <QTemporaryDir>
#include <memory>

namespace Ui { class frmCars; }

// One record per car in car: technical data, owner, licence, insurance and
// maintenance, up to seven pictures in CARPICTURE, and its damage marks. Opened as a picker
// ("RENTMODE"), it shows free cars in service for a contract.
class frmCars : public DataScreen {
    Q_OBJECT
public:
    frmCars(RunState& state, QWidget* parent);
    ~frmCars() override;

    void New() override;
    void Open() override;
    // The record, then each picture the operator changed.
    void Save() override;
    // A rented car is refused with a message; any other goes through the
    // engine, and the screen closes once it is deleted.
    void Delete() override;
    // F6: the dialog of the car's standing damage, once the car is stored.
    void showDamage();

protected:
    // The car the opener asked for, else the first free one rather than the
    // first of the open dialog's list.
    void load() override;
    // A new car is entered today, whenever the screen was opened.
    cWindow::Fields newRecordFields() const override;
    QList<PickerCopy::Field> pickerFields() const override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Shows the stored pictures of the car on screen, forgetting changes.
    void showPictures();
    // The row of picture `sequence` (1 the main one, 2 to 7 the small ones)
    // of the car on screen, or none.
    PictureSlot::Row pictureRow(int sequence) const;

    std::unique_ptr<Ui::frmCars> m_ui;
    // Pictures pass through files here, never in the program's folder, which
    // may be read-only or shared by a second copy of the program.
    QTemporaryDir m_pictures;
    // By sequence: the main picture first, then the six small ones.
    QList<PictureSlot*> m_slots;
};
