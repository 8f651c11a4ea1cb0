#include "core/SqlValue.h"

#include "core/AppError.h"

#include <QRegularExpression>

namespace SqlValue {

QString text(const QString& value)
{
    QString out = value;
    return out.replace(QLatin1Char('\''), QStringLiteral("''"));
}

QString quoted(const QString& value)
{
    return QLatin1Char('\'') + text(value) + QLatin1Char('\'');
}

bool isNumber(const QString& value)
{
    static const QRegularExpression re(QStringLiteral(R"(^\s*[-+]?(\d+(\.\d*)?|\.\d+)\s*$)"));
    return re.match(value).hasMatch();
}

QString number(const QString& value, const QString& what)
{
    if (!isNumber(value)) {
        const QString name = what.isEmpty() ? QStringLiteral("A value") : what;
        throw AppError(ErrorNumber::NotANumber,
                       QStringLiteral("%1 must be a number, not \"%2\"").arg(name, value.left(40)),
                       QStringLiteral("Statement"));
    }
    QString n = value.trimmed();
    if (n.startsWith(QLatin1Char('+')))
        n.remove(0, 1);
    return n;
}

QString number(qint64 value)
{
    return QString::number(value);
}

QString likeContains(const QString& value)
{
    QString v = value;
    v.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    v.replace(QLatin1Char('%'), QStringLiteral("\\%"));
    v.replace(QLatin1Char('_'), QStringLiteral("\\_"));
    return QLatin1Char('%') + text(v) + QLatin1Char('%');
}

}
