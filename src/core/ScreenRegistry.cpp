#include "core/ScreenRegistry.h"

#include "core/AppError.h"
#include "core/RunState.h"
#include "core/ScreenTag.h"
#include "core/ShellFrame.h"

#include <QCoreApplication>
#include <QDialog>

void ScreenRegistry::add(const QString& name, Factory factory)
{
    if (m_factories.contains(key(name)))
        return;
    m_factories.insert(key(name), std::move(factory));
    m_order << name;
}

bool ScreenRegistry::contains(const QString& name) const
{
    return m_factories.contains(key(name));
}

QWidget* ScreenRegistry::find(const QString& name) const
{
    return m_live.value(key(name)).data();
}

QWidget* ScreenRegistry::instance(const QString& name, QWidget* parent)
{
    if (QWidget* live = find(name))
        return live;
    const auto it = m_factories.constFind(key(name));
    if (it == m_factories.constEnd())
        throw AppError(ErrorNumber::UnknownScreen,
                       QCoreApplication::translate("ScreenRegistry", "The screen \"%1\" is not available in this version")
                           .arg(name),
                       QStringLiteral("ScreenRegistry"));
    QWidget* screen = (*it)(m_state, parent);
    adopt(name, screen);
    return screen;
}

void ScreenRegistry::adopt(const QString& name, QWidget* screen)
{
    if (screen->objectName().isEmpty())
        screen->setObjectName(name);
    m_live.insert(key(name), screen);
    // A closed screen is no open screen: nobody finds it any more, and the
    // next opening builds it afresh.
    if (auto* dialog = qobject_cast<QDialog*>(screen))
        QObject::connect(dialog, &QDialog::finished, dialog, [this, k = key(name), dialog] {
            if (m_live.value(k) == dialog)
                m_live.remove(k);
        });
}

int ScreenRegistry::open(const QString& name, QWidget* parent, const QString& mode,
                         const std::function<void(QWidget*)>& prepare)
{
    QWidget* screen = instance(name, parent);
    ScreenTag::set(screen, mode);
    if (prepare)
        prepare(screen);
    auto* dialog = qobject_cast<QDialog*>(screen);
    if (!dialog) {
        m_state.ui().show(screen);
        return 0;
    }
    ShellFrame* frame = m_state.ui().frame();
    const QString screenPanel = frame ? frame->statusPanel(ShellFrame::ScreenPanel) : QString();
    QPointer<QDialog> shown = dialog;
    const int result = m_state.ui().exec(dialog);
    if (shown) {
        if (m_live.value(key(name)) == shown)
            m_live.remove(key(name));
        shown->deleteLater();
    }
    if (frame)
        frame->setStatusPanel(ShellFrame::ScreenPanel, screenPanel);
    // The window the screen was opened from takes the keys again, whoever
    // closed the screen.
    if (parent && parent->window()->isVisible()) {
        parent->window()->raise();
        parent->window()->activateWindow();
    }
    return result;
}
