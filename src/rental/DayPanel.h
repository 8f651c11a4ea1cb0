#pragma once

#include "rental/DayAtAGlance.h"

#include <QFrame>
#include <array>

class QLabel;
class QPushButton;
class QTimer;
class RunState;

// Today's numbers under the main window's buttons, each a button of its own:
// Tab reaches it, Enter or a click opens the rows it counts. They are read
// again after every save and every minute.
class DayPanel : public QFrame {
    Q_OBJECT
public:
    explicit DayPanel(RunState& state, QWidget* parent = nullptr);

    // After a login: the operator's rights, the numbers now, then the minute;
    // the panel shows itself then.
    void start();
    // Reads every number again; a database that refuses leaves a mark and a
    // line in the error log, never a message every minute.
    void refresh();
    void openList(DayAtAGlance::Item item);

    QPushButton* item(DayAtAGlance::Item item) const { return m_items[item]; }
    QString figure(DayAtAGlance::Item item) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFigures(const DayAtAGlance::Figures& figures);

    RunState& m_state;
    QLabel* m_heading;
    std::array<QPushButton*, DayAtAGlance::ItemCount> m_items{};
    std::array<QLabel*, DayAtAGlance::ItemCount> m_figures{};
    QTimer* m_minute;
    QTimer* m_afterSave;
};
