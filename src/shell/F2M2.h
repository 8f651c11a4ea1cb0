#pragma once

#include <QDialog>
#include <array>
#include <memory>

class RunState;
class QPushButton;
namespace Ui { class F2M2; }

// The menu rights of one operator: the five menus' buttons as the menus show
// them, black where he may use a button, cyan where not; a click changes it.
// Save rewrites his five rights rows in one transaction.
class F2M2 : public QDialog {
    Q_OBJECT
public:
    F2M2(RunState& state, QWidget* parent);
    ~F2M2() override;

    void Open();
    void Save();
    // The menu (1 to 5) whose buttons are shown.
    void showMenu(int menu);
    void toggle(int button);
    // 1 when the operator may use that button of that menu.
    int right(int menu, int button) const { return m_rights[menu - 1][button - 1]; }

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void paint(int button);
    qint64 operatorId() const;

    RunState& m_state;
    std::unique_ptr<Ui::F2M2> m_ui;
    std::array<QPushButton*, 9> m_buttons{};
    std::array<std::array<int, 9>, 5> m_rights{};
    int m_menu = 5;
    bool m_loaded = false;
};
