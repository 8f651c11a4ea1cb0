#include "engine/NumberEdit.h"

#include "engine/WesternDigits.h"

#include <QLocale>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

// Digits typed on an Arabic keyboard become the Western digits the field shows and stores.
class NumberValidator : public QRegularExpressionValidator {
public:
    using QRegularExpressionValidator::QRegularExpressionValidator;

    State validate(QString& input, int& pos) const override
    {
        input = westernDigits(input);
        return QRegularExpressionValidator::validate(input, pos);
    }

    void fixup(QString& input) const override { input = westernDigits(input); }
};

}

NumberEdit::NumberEdit(QWidget* parent) : QLineEdit(parent)
{
    static const QRegularExpression number(QStringLiteral(R"([-+]?[0-9]*\.?[0-9]*)"));
    setValidator(new NumberValidator(number, this));
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
