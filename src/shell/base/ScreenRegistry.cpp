#include "shell/base/ScreenRegistry.h"

#include "shell/base/AppError.h"
#include "shell/base/RunState.h"
#include "shell/base/ScreenTag.h"

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
                       QStringLiteral("الشاشة \"%1\" غير متوفرة في هذا الإصدار").arg(name),
                       QStringLiteral("ScreenRegistry"));
    QWidget* screen = (*it)(m_state, parent);
    if (screen->objectName().isEmpty())
        screen->setObjectName(name);
    m_live.insert(key(name), screen);
    return screen;
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
    const int result = m_state.ui().exec(dialog);
    // A closed screen is gone; the next open builds it afresh and reads anew.
    if (QWidget* live = find(name)) {
        m_live.remove(key(name));
        live->deleteLater();
    }
    return result;
}
