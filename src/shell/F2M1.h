#pragma once

#include "engine/DataScreen.h"

#include <memory>

class NewPasswordFields;
namespace Ui { class F2M1; }

// The operators: name, login id (upper case), a new password typed twice,
// favourite screen, suspension, expiry and discount. The last operator, and
// the last one who may look after the others, cannot be deleted, nor that one
// suspended.
class F2M1 : public DataScreen {
    Q_OBJECT
public:
    F2M1(RunState& state, QWidget* parent);
    ~F2M1() override;

    void New() override;
    void Open() override;
    void Save() override;
    void Delete() override;

protected:
    void load() override;

private:
    // An operator without an expiry date shows 31/12/9999, never today: a
    // save would otherwise lock him out from tomorrow.
    void showNoExpiry();

    std::unique_ptr<Ui::F2M1> m_ui;
    NewPasswordFields* m_password;
};
