#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

class RunState;

// Screens by name. Subsystems register a factory for each screen they own;
// the shell and the engine open screens by name only. Each screen has at
// most one live instance, which others (bind variables, pickers) can find.
class ScreenRegistry {
public:
    using Factory = std::function<QWidget*(RunState& state, QWidget* parent)>;

    explicit ScreenRegistry(RunState& state) : m_state(state) {}

    // Registering a name again leaves the registry unchanged.
    void add(const QString& name, Factory factory);
    bool contains(const QString& name) const;
    QStringList names() const { return m_order; }

    // The live instance, or a new one; throws AppError (UnknownScreen) with a
    // clear message for a name nobody registered.
    QWidget* instance(const QString& name, QWidget* parent);
    // The live instance only, or nullptr.
    QWidget* find(const QString& name) const;
    // A screen built by other means (a test harness) becomes the live instance
    // of `name` until it closes.
    void adopt(const QString& name, QWidget* screen);

    // Shows the screen modally with `mode` as its tag and waits for it.
    int open(const QString& name, QWidget* parent, const QString& mode = {},
             const std::function<void(QWidget*)>& prepare = {});

private:
    QString key(const QString& name) const { return name.toLower(); }

    RunState& m_state;
    QHash<QString, Factory> m_factories;
    QHash<QString, QPointer<QWidget>> m_live;
    QStringList m_order;
};
