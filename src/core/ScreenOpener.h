#pragma once

#include <QString>
#include <functional>

class QWidget;
class RunState;

// Opens a screen by name and waits for it. A screen this build does not
// have is told to the operator plainly, by the caption he chose (`caption`,
// as the menu or button shows it), whatever SHOWERRORS says; any other
// failure goes to the error routine with `where`.
void openScreen(RunState& state, QWidget* parent, const QString& name, const QString& where,
                const QString& mode = {}, const std::function<void(QWidget*)>& prepare = {},
                const QString& caption = {});

// "Not in this version" for what the operator chose, named by its caption.
QString notInThisVersion(const QString& caption);
