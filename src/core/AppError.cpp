#include "core/AppError.h"

AppError::AppError(int number, const QString& description, const QString& source,
                   const QString& sqlState)
    : std::runtime_error(description.toStdString()),
      m_number(number), m_description(description), m_source(source), m_sqlState(sqlState)
{
}

QString functionName(const char* signature)
{
    // "const QString& Screen::save(int) const": the name stands after the return
    // type and before the arguments; a lambda's own part comes after them.
    QString name = QString::fromLatin1(signature);
    const qsizetype arguments = name.indexOf(QLatin1Char('('));
    if (arguments >= 0)
        name.truncate(arguments);
    name = name.mid(name.lastIndexOf(QLatin1Char(' ')) + 1);
    name.remove(QStringLiteral("{anonymous}::"));
    return name;
}
