#pragma once

#include <QList>
#include <QString>

class QWidget;
class RunState;

// What a menu button does to its screen before it is shown, beyond the mode.
enum class MenuPreparation {
    None,
    // The contract screen for looking contracts up: only Open and Print stay usable.
    ContractLookup,
};

// One numbered button of a menu screen.
struct MenuCommand {
    int menu;       // 1 to 5: F1M to F5M
    int button;     // 1 to 9: command1 to command9
    const char* caption;    // source text; caption() shows it in the interface language
    QString screen;
    QString mode;
    MenuPreparation preparation = MenuPreparation::None;
};

// Which button of which menu opens which screen.
namespace MenuTable {
constexpr int MenuCount = 5;
constexpr int ButtonCount = 10;

QString menuName(int menu);      // "F1M" .. "F5M"
// What the operator reads, in the interface language.
QString frameTitle(int menu);
QString backCaption();           // command0 of every menu
QString caption(const MenuCommand& command);
const QList<MenuCommand>& commands();
// The command of that button, or nullptr for a button without action.
const MenuCommand* find(int menu, int button);
// The first button, in the order of the menus, that opens `screen` and that
// the operator logged in may press; nullptr when he has none.
const MenuCommand* firstAllowed(RunState& state, const QString& screen);
// Opens the command's screen as its button does.
void open(RunState& state, QWidget* parent, const MenuCommand& command, const QString& where);
void prepare(MenuPreparation preparation, QWidget* screen);
}
