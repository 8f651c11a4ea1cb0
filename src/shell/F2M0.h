#pragma once

#include "engine/DataScreen.h"

#include <memory>

class NewPasswordFields;
namespace Ui { class F2M0; }

// The operator changes his own password, favourite screen and whether this
// workstation keeps his password. The current password must be right.
class F2M0 : public DataScreen {
    Q_OBJECT
public:
    F2M0(RunState& state, QWidget* parent);
    ~F2M0() override;

    void Save() override;

protected:
    void load() override;

private:
    std::unique_ptr<Ui::F2M0> m_ui;
    NewPasswordFields* m_password;
};
