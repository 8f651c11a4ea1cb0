#pragma once

#include "journal/ArchiveScreen.h"

#include <memory>

namespace Ui { class F1M0; }

// "Archive": the change journal over a date range, narrowed by operator and
// description. A double-click shows the entry on the screen it was saved from.
class F1M0 : public ArchiveScreen {
    Q_OBJECT
public:
    F1M0(RunState& state, QWidget* parent);
    ~F1M0() override;

    QString searchCondition() const override;
    // Shows the journal entry of the current row, if it names one.
    void showEntry();

protected:
    void load() override;

private:
    std::unique_ptr<Ui::F1M0> m_ui;
};
