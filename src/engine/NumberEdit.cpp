#include "engine/NumberEdit.h"

#include "engine/WesternDigits.h"

#include <QEvent>
#include <QLocale>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
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
    // An amount typed reads as every other amount once the clerk moves on.
    connect(this, &QLineEdit::editingFinished, this, [this] {
        const QString shown = formatted(text());
        if (shown != text())
            QLineEdit::setText(shown);
    });
}

void NumberEdit::tellRange()
{
    QToolTip::showText(mapToGlobal(rect().bottomLeft()), tr("This field takes %1.").arg(m_range.describe()), this);
}

void NumberEdit::setMoney(bool money)
{
    m_money = money;
    QLineEdit::setText(formatted(text()));
    reserveSuffixRoom();
}

void NumberEdit::setCurrencySuffix(const QString& suffix)
{
    m_suffix = suffix;
    reserveSuffixRoom();
    update();
}

QString NumberEdit::suffixShown() const
{
    return m_money && !text().isEmpty() ? m_suffix : QString();
}

void NumberEdit::reserveSuffixRoom()
{
    const int room = m_money && !m_suffix.isEmpty()
        ? fontMetrics().horizontalAdvance(m_suffix) + fontMetrics().horizontalAdvance(QLatin1Char(' '))
        : 0;
    // Text margins are not mirrored: under right to left the trailing end is the left.
    if (layoutDirection() == Qt::RightToLeft)
        setTextMargins(room, 0, 0, 0);
    else
        setTextMargins(0, 0, room, 0);
}

void NumberEdit::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange || event->type() == QEvent::FontChange)
        reserveSuffixRoom();
}

void NumberEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    const QString suffix = suffixShown();
    if (suffix.isEmpty())
        return;
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
    const int room = textMargins().left() + textMargins().right();
    QRect strip = contents;
    if (layoutDirection() == Qt::RightToLeft)
        strip.setRight(contents.left() + room - 1);
    else
        strip.setLeft(contents.right() - room + 1);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::PlaceholderText));
    painter.drawText(strip, Qt::AlignCenter, suffix);
}

void NumberEdit::setText(const QString& text)
{
    // A screen sets its sums again and again: a value shown already is not
    // laid out anew.
    const QString shown = formatted(text);
    if (shown != QLineEdit::text())
        QLineEdit::setText(shown);
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
