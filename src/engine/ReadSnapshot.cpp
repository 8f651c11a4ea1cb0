#include "engine/ReadSnapshot.h"

#include <QRegularExpression>
#include <QWidget>

ReadSnapshot::ReadSnapshot(QWidget* screen, const QString& where) : QObject(screen), m_where(normalised(where))
{
}

QString ReadSnapshot::normalised(const QString& where)
{
    // "where KEY = 5" and " WHERE KEY=5" select the same row.
    static const QRegularExpression aroundEquals(QStringLiteral(" ?= ?"));
    return where.simplified().toLower().replace(aroundEquals, QStringLiteral("="));
}

ReadSnapshot* ReadSnapshot::of(QWidget* screen, const QString& where)
{
    auto* snapshot = screen->findChild<ReadSnapshot*>(QString(), Qt::FindDirectChildrenOnly);
    return snapshot && snapshot->m_where == normalised(where) ? snapshot : nullptr;
}

ReadSnapshot* ReadSnapshot::take(QWidget* screen, const QString& where)
{
    auto* snapshot = screen->findChild<ReadSnapshot*>(QString(), Qt::FindDirectChildrenOnly);
    if (!snapshot)
        return new ReadSnapshot(screen, where);
    snapshot->m_where = normalised(where);
    snapshot->stored.clear();
    snapshot->shown.clear();
    snapshot->filled.clear();
    return snapshot;
}

bool ReadSnapshot::changed(const QString& key, const QString& now) const
{
    const auto at = shown.constFind(key);
    return at == shown.cend() || *at != now || filled.contains(key);
}
