#pragma once

#include "engine/DataScreen.h"

#include <memory>

namespace Ui {
class frmGLEntry;
}
class cAccounting;

// A manual ledger entry: a row of JOURNAL whose one debit and one credit line
// move its amount from one account to another. Any journal opens here, and
// shows its last debit and last credit line.
class frmGLEntry : public DataScreen {
    Q_OBJECT
public:
    frmGLEntry(RunState& state, QWidget* parent);
    ~frmGLEntry() override;

    void New() override;
    void Open() override;
    // The entry and its pair of lines, together or not at all.
    void Save() override;
    // The entry and its lines.
    void Delete() override;

protected:
    void load() override;
    // A new entry is dated today.
    cWindow::Fields newRecordFields() const override;

private:
    void fillAccountLists();
    void showLines();
    // Posts the fields on screen as the entry's lines.
    bool post(qint64 journal);
    cAccounting& accounting();

    std::unique_ptr<Ui::frmGLEntry> m_ui;
};
