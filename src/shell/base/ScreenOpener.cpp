#include "shell/base/ScreenOpener.h"

#include "shell/base/AppError.h"
#include "shell/base/ErrorLog.h"
#include "shell/base/RunState.h"

void openScreen(RunState& state, QWidget* parent, const QString& name, const QString& where,
                const QString& mode, const std::function<void(QWidget*)>& prepare)
{
    guarded(state, parent, where, [&] {
        try {
            state.screens().open(name, parent, mode, prepare);
        } catch (const AppError& e) {
            if (e.number() != ErrorNumber::UnknownScreen)
                throw;
            state.ui().message(parent, e.description());
        }
    });
}
