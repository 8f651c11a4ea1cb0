#include "core/AppError.h"

AppError::AppError(int number, const QString& description, const QString& source,
                   const QString& sqlState)
    : std::runtime_error(description.toStdString()),
      m_number(number), m_description(description), m_source(source), m_sqlState(sqlState)
{
}
