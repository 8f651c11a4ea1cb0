#include "core/ScreenOpener.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/RunState.h"

#include <QCoreApplication>
#include <QRegularExpression>

QString notInThisVersion(const QString& caption)
{
    // A menu caption's leading "4- " is its key, not its name.
    static const QRegularExpression key(QStringLiteral("^\\s*\\d+\\s*-\\s*"));
    const QString shown = QString(caption).remove(key).remove(QLatin1Char('&')).trimmed();
    if (shown.isEmpty())
        return QCoreApplication::translate("ScreenOpener", "This screen is not available in this version of the program.");
    return QCoreApplication::translate("ScreenOpener", "\"%1\" is not available in this version of the program.")
        .arg(shown);
}

void openScreen(RunState& state, QWidget* parent, const QString& name, const QString& where,
                const QString& mode, const std::function<void(QWidget*)>& prepare, const QString& caption)
{
    guarded(state, parent, where, [&] {
        try {
            state.screens().open(name, parent, mode, prepare);
        } catch (const AppError& e) {
            if (e.number() != ErrorNumber::UnknownScreen)
                throw;
            state.ui().message(parent, notInThisVersion(caption));
        }
    });
}
