#include "engine/NumberEdit.h"

#include <QLocale>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

NumberEdit::NumberEdit(QWidget* parent) : QLineEdit(parent)
{
    static const QRegularExpression number(QStringLiteral(R"([-+]?[0-9]*\.?[0-9]*)"));
    setValidator(new QRegularExpressionValidator(number, this));
}

void NumberEdit::setMoney(bool money)
{
    m_money = money;
    QLineEdit::setText(formatted(text()));
}

void NumberEdit::setText(const QString& text)
{
    QLineEdit::setText(formatted(text));
}

QString NumberEdit::formatted(const QString& text) const
{
    if (!m_money)
        return text;
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    // A bare zero stays as it is so that the read pass can blank it.
    if (!ok || text.trimmed() == QLatin1String("0"))
        return text;
    return QString::number(value, 'f', 2);
}
