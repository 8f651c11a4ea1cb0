#include "engine/cString.h"

namespace cString {

QString GetWindowNameFromString(const QString& s)
{
    const qsizetype dot = s.indexOf(QLatin1Char('.'));
    return dot < 0 ? s : s.left(dot);
}

QString GetControlNameFromString(const QString& s)
{
    const qsizetype dot = s.indexOf(QLatin1Char('.'));
    return (dot < 0 ? s.left(100) : s.mid(dot + 1, 100)).trimmed();
}

QString GetStringAtToken(const QString& s, int n)
{
    qsizetype start = 0;
    for (int i = 0; i < n; ++i) {
        const qsizetype comma = s.indexOf(QLatin1Char(','), start);
        if (comma < 0)
            return {};
        start = comma + 1;
    }
    const qsizetype end = s.indexOf(QLatin1Char(','), start);
    return end < 0 ? s.mid(start, 100) : s.mid(start, end - start);
}

}
