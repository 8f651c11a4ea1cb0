#include "engine/NumberEdit.h"

#include "engine/WesternDigits.h"

#include <QLocale>
#include <QToolTip>
#include <QValidator>

namespace {

// Digits typed on an Arabic keyboard become the Western digits the field shows
// and stores; what the field's range refuses is not taken.
class NumberValidator : public QValidator {
public:
    explicit NumberValidator(NumberEdit* edit) : QValidator(edit), m_edit(edit) {}

    State validate(QString& input, int&) const override
    {
        input = westernDigits(input);
        return m_edit->range().admitsTyping(input) ? Acceptable : Invalid;
    }

    void fixup(QString& input) const override { input = westernDigits(input); }

private:
    const NumberEdit* m_edit;
};

}

NumberEdit::NumberEdit(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new NumberValidator(this));
    connect(this, &QLineEdit::inputRejected, this, &NumberEdit::tellRange);
}

void NumberEdit::tellRange()
{
    QToolTip::showText(mapToGlobal(rect().bottomLeft()), tr("This field takes %1.").arg(m_range.describe()), this);
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
    // A bare zero stays as it is so that the read pass can blank it; a value
    // with more digits than a number keeps is shown as it came, not rounded.
    if (!ok || text.trimmed() == QLatin1String("0") || !NumberRange::anyNumber().admits(text))
        return text;
    return QString::number(value, 'f', 2);
}
