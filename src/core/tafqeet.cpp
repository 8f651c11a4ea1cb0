#include "core/tafqeet.h"

#include "core/AppError.h"
#include "core/RunState.h"

#include <QCoreApplication>
#include <array>
#include <cmath>

namespace {

// The word tables are data printed on contracts: every blank counts.
const std::array<QString, 10> Units{QString(),
                                    QStringLiteral(" One "),
                                    QStringLiteral(" Two "),
                                    QStringLiteral(" Three"),
                                    QStringLiteral(" Four"),
                                    QStringLiteral(" Five"),
                                    QStringLiteral(" Six"),
                                    QStringLiteral(" Seven"),
                                    QStringLiteral(" Eight"),
                                    QStringLiteral(" Nine")};
const std::array<QString, 10> Tens{QString(),
                                   QStringLiteral(" Ten "),
                                   QStringLiteral(" Twenty "),
                                   QStringLiteral(" Thirty "),
                                   QStringLiteral(" Fourty "),
                                   QStringLiteral(" Fifty "),
                                   QStringLiteral(" Sixty "),
                                   QStringLiteral(" Seventy "),
                                   QStringLiteral(" Eighty "),
                                   QStringLiteral(" Ninty ")};
const std::array<QString, 10> Hundreds{QString(),
                                       QStringLiteral(" Hundred "),
                                       QStringLiteral(" Two Hundred "),
                                       QStringLiteral(" Three Hundred "),
                                       QStringLiteral(" Four Hundred"),
                                       QStringLiteral(" Five Hundred "),
                                       QStringLiteral(" Six Hundred "),
                                       QStringLiteral(" Seven Hundred "),
                                       QStringLiteral(" Eight Hundred "),
                                       QStringLiteral(" Nine Hundred ")};
const QString And = QStringLiteral("و");
const QString SpacedAnd = QStringLiteral(" و");
constexpr double Limit = 100000000.0;

struct CurrencyNames {
    QString one;
    QString two;
    QString many;
    QString fraction;
};

CurrencyNames namesOf(int currency, const ConfigValues& config)
{
    const QString fils = QLatin1Char(' ') + config.FILS + QLatin1Char(' ');
    switch (currency) {
    case 1:
        return {QLatin1Char(' ') + config.POUND + QLatin1Char(' '),
                QLatin1Char(' ') + config.TWOPOUNDS + QLatin1Char(' '),
                QLatin1Char(' ') + config.POUNDS + QLatin1Char(' '), fils};
    case 2:
        return {QStringLiteral(" دولار أمريكى"), QStringLiteral(" دولاران أمريكيان"),
                QStringLiteral(" دولارات أمريكية"), fils};
    case 3:
        return {QStringLiteral(" درهم  أماراتى"), QStringLiteral(" درهامان  أماراتيان"),
                QStringLiteral(" دراهم اماراتية"), fils};
    case 4:
        return {QStringLiteral(" ريال سعودي"), QStringLiteral(" ريالان سعوديان"), QStringLiteral(" ريالات سعودية"),
                QStringLiteral("هللة")};
    case 5:
        return {QStringLiteral("جرام"), QStringLiteral("جرامان"), QStringLiteral("جرامات "),
                QStringLiteral("ملليجرام")};
    default:
        return {};
    }
}

QString thousandWord(int digit, const QString& word)
{
    if (digit == 1)
        return QStringLiteral(" Thousand ");
    if (digit == 2)
        return QStringLiteral(" Two Thousand ");
    return word + QStringLiteral("Thousands ");
}

QString millionWord(int digit, const QString& word)
{
    if (digit == 1)
        return QStringLiteral(" Million ");
    if (digit == 2)
        return QStringLiteral(" Two Million ");
    return word + QStringLiteral(" Millions ");
}

}

QString tafqeet::NumberWords(qint64 whole)
{
    const QString digits = QString::number(whole);
    const int length = int(digits.size());
    const auto digitAt = [&](int position) { return position <= length ? digits[length - position].digitValue() : 0; };

    QString result;
    QString held; // the units word of the thousands or millions, for their tens
    QString oneOrTwo; // the last units word of 1 or 2, which 11 and 12 take
    for (int position = 1; position <= length; ++position) {
        const int d = digitAt(position);
        const bool leading = position == length;
        switch ((position - 1) % 3) {
        case 0: {
            const bool bare = length == position + 1 || length == 1 || (length == 4 && position == 4) || length == 7;
            const QString word = d == 0 ? QString() : (bare ? QString() : And) + Units[d];
            if (d == 1 || d == 2)
                oneOrTwo = word;
            if (position == 1)
                result += word;
            else if (leading)
                result.prepend(position == 4 ? thousandWord(d, word) : millionWord(d, word));
            else
                held = word;
            break;
        }
        case 1: {
            const int units = digitAt(position - 1);
            if (d == 1 && (units == 1 || units == 2)) {
                held = oneOrTwo;
                if (position == 2)
                    result.clear();
            }
            QString word;
            if (d == 1)
                word = held + Tens[1];
            else if (d > 1)
                word = held + (held.isEmpty() ? QString() : SpacedAnd) + Tens[d];
            if (position == 2) {
                result += word;
            } else if (position == 5) {
                // A million with an empty thousands group has no thousand word.
                const bool emptyGroup = digitAt(4) == 0 && d == 0 && digitAt(6) == 0;
                if (!emptyGroup)
                    result.prepend((d != 0 ? word : held) + QStringLiteral(" Thousand "));
            } else {
                result.prepend(word + (units == 0 ? QStringLiteral(" Millions ") : QStringLiteral(" Million ")));
            }
            held.clear();
            break;
        }
        default:
            if (d != 0)
                result.prepend((leading ? QString() : And) + Hundreds[d]);
            break;
        }
    }
    return result;
}

QString tafqeet::AmountInWords(double amount, int currency, const ConfigValues& config)
{
    if (!(amount >= 0 && amount < Limit))
        throw AppError(ErrorNumber::NotANumber,
                       QCoreApplication::translate("tafqeet",
                                                   "The amount %1 cannot be written in words: only amounts from 0 to "
                                                   "99,999,999.99 can be.")
                           .arg(amount, 0, 'f', 2),
                       QStringLiteral("tafqeet.AmountInWords"));
    if (amount == 0)
        return {};
    const CurrencyNames names = namesOf(currency, config);
    const qint64 whole = qint64(std::floor(amount));
    // Halves go to the even hundredth.
    const qint64 hundredths = qint64(std::nearbyint((amount - double(whole)) * 100));

    QString words;
    if (whole == 1)
        words = QStringLiteral("One ") + names.one;
    else if (whole == 2)
        words = names.two;
    else if (whole >= 3 && whole <= 9)
        words = Units[whole] + names.many;
    else if (whole == 10)
        words = Tens[1] + names.many;
    else if (whole >= 11)
        words = NumberWords(whole) + names.one;

    QString fraction;
    if (hundredths != 0)
        fraction = (whole == 0 ? QString() : And + QLatin1Char(' ')) + QString::number(hundredths) + QLatin1Char(' ')
            + names.fraction;
    return QStringLiteral("    ") + words + QLatin1Char(' ') + fraction + QStringLiteral(" Only");
}
