#pragma once

#include "journal/ArchiveScreen.h"

#include <memory>

namespace Ui { class F1M1; }

// "Accounting Arch": the accounting journal over a date range.
class F1M1 : public ArchiveScreen {
    Q_OBJECT
public:
    F1M1(RunState& state, QWidget* parent);
    ~F1M1() override;

    QString searchCondition() const override;

private:
    std::unique_ptr<Ui::F1M1> m_ui;
};
