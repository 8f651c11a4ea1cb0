#pragma once

#include "engine/DataScreen.h"

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
    // The screen closes after the question, whatever the answer was.
    void Delete() override;

protected:
    void load() override;
    // A new customer is registered today, whenever the screen was opened.
    cWindow::Fields newRecordFields() const override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void choosePicture();
    void clearPicture();
    // The stored picture of the customer on screen, or none.
    void showStoredPicture();
    void showPicture(const QString& fileName);

    std::unique_ptr<Ui::frmCustomers> m_ui;
    // Pictures pass through files here, never in the program's folder, which
    // may be read-only or shared by a second copy of the program.
    QTemporaryDir m_pictures;
    bool m_pictureChanged = false;
};
