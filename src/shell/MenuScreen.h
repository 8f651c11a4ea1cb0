#pragma once

#include <QDialog>
#include <memory>

class RunState;
namespace Ui { class MenuScreen; }

// One of the five menu screens F1M..F5M: a titled frame of ten numbered
// buttons, shown without waiting beside the main window's menu buttons.
class MenuScreen : public QDialog {
    Q_OBJECT
public:
    MenuScreen(RunState& state, int menuNumber, QWidget* parent);
    ~MenuScreen() override;

    int menuNumber() const { return m_menu; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void runCommand(int button);

    RunState& m_state;
    int m_menu;
    bool m_loaded = false;
    std::unique_ptr<Ui::MenuScreen> m_ui;
};
