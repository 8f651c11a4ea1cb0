#include "core/AmountWords.h"

#include "core/AppError.h"

#include <QCoreApplication>
#include <QStringList>
#include <array>
#include <cmath>

namespace {

using AmountWords::Currency;
using AmountWords::Noun;

// A currency's noun with its adjective of nationality: every form agrees.
Noun currencyNoun(const QString& singular, const QString& accusative, const QString& dual, const QString& plural,
                  bool feminine = false)
{
    return {singular, accusative, dual, dual, plural,
            singular + (feminine ? QStringLiteral(" واحدة") : QStringLiteral(" واحد")), feminine};
}

const Noun Fils = currencyNoun(QStringLiteral("فلس"), QStringLiteral("فلساً"), QStringLiteral("فلسان"),
                               QStringLiteral("فلوس"));
const Noun Thousand{QStringLiteral("ألف"),   QStringLiteral("ألفاً"), QStringLiteral("ألفان"),
                    QStringLiteral("ألفا"),  QStringLiteral("آلاف"),  QStringLiteral("ألف")};
const Noun Million{QStringLiteral("مليون"),   QStringLiteral("مليوناً"), QStringLiteral("مليونان"),
                   QStringLiteral("مليونا"),  QStringLiteral("ملايين"),  QStringLiteral("مليون")};

const QList<Currency> Currencies{
    {QStringLiteral("KWD"), QT_TRANSLATE_NOOP("AmountWords", "Kuwaiti dinar"), 3,
     currencyNoun(QStringLiteral("دينار كويتي"), QStringLiteral("ديناراً كويتياً"), QStringLiteral("ديناران كويتيان"),
                  QStringLiteral("دنانير كويتية")),
     Fils, QStringLiteral("Kuwaiti Dinar"), QStringLiteral("Kuwaiti Dinars"), QStringLiteral("Fils"),
     QStringLiteral("Fils")},
    {QStringLiteral("SAR"), QT_TRANSLATE_NOOP("AmountWords", "Saudi riyal"), 2,
     currencyNoun(QStringLiteral("ريال سعودي"), QStringLiteral("ريالاً سعودياً"), QStringLiteral("ريالان سعوديان"),
                  QStringLiteral("ريالات سعودية")),
     currencyNoun(QStringLiteral("هللة"), QStringLiteral("هللةً"), QStringLiteral("هللتان"), QStringLiteral("هللات"),
                  true),
     QStringLiteral("Saudi Riyal"), QStringLiteral("Saudi Riyals"), QStringLiteral("Halala"),
     QStringLiteral("Halalas")},
    {QStringLiteral("AED"), QT_TRANSLATE_NOOP("AmountWords", "UAE dirham"), 2,
     currencyNoun(QStringLiteral("درهم إماراتي"), QStringLiteral("درهماً إماراتياً"),
                  QStringLiteral("درهمان إماراتيان"), QStringLiteral("دراهم إماراتية")),
     Fils, QStringLiteral("UAE Dirham"), QStringLiteral("UAE Dirhams"), QStringLiteral("Fils"), QStringLiteral("Fils")},
    {QStringLiteral("BHD"), QT_TRANSLATE_NOOP("AmountWords", "Bahraini dinar"), 3,
     currencyNoun(QStringLiteral("دينار بحريني"), QStringLiteral("ديناراً بحرينياً"),
                  QStringLiteral("ديناران بحرينيان"), QStringLiteral("دنانير بحرينية")),
     Fils, QStringLiteral("Bahraini Dinar"), QStringLiteral("Bahraini Dinars"), QStringLiteral("Fils"),
     QStringLiteral("Fils")},
    {QStringLiteral("OMR"), QT_TRANSLATE_NOOP("AmountWords", "Omani rial"), 3,
     currencyNoun(QStringLiteral("ريال عماني"), QStringLiteral("ريالاً عمانياً"), QStringLiteral("ريالان عمانيان"),
                  QStringLiteral("ريالات عمانية")),
     currencyNoun(QStringLiteral("بيسة"), QStringLiteral("بيسةً"), QStringLiteral("بيستان"), QStringLiteral("بيسات"),
                  true),
     QStringLiteral("Omani Rial"), QStringLiteral("Omani Rials"), QStringLiteral("Baisa"), QStringLiteral("Baisa")},
    {QStringLiteral("QAR"), QT_TRANSLATE_NOOP("AmountWords", "Qatari riyal"), 2,
     currencyNoun(QStringLiteral("ريال قطري"), QStringLiteral("ريالاً قطرياً"), QStringLiteral("ريالان قطريان"),
                  QStringLiteral("ريالات قطرية")),
     currencyNoun(QStringLiteral("درهم"), QStringLiteral("درهماً"), QStringLiteral("درهمان"), QStringLiteral("دراهم")),
     QStringLiteral("Qatari Riyal"), QStringLiteral("Qatari Riyals"), QStringLiteral("Dirham"),
     QStringLiteral("Dirhams")},
    {QStringLiteral("JOD"), QT_TRANSLATE_NOOP("AmountWords", "Jordanian dinar"), 3,
     currencyNoun(QStringLiteral("دينار أردني"), QStringLiteral("ديناراً أردنياً"), QStringLiteral("ديناران أردنيان"),
                  QStringLiteral("دنانير أردنية")),
     Fils, QStringLiteral("Jordanian Dinar"), QStringLiteral("Jordanian Dinars"), QStringLiteral("Fils"),
     QStringLiteral("Fils")},
    {QStringLiteral("USD"), QT_TRANSLATE_NOOP("AmountWords", "US dollar"), 2,
     currencyNoun(QStringLiteral("دولار أمريكي"), QStringLiteral("دولاراً أمريكياً"),
                  QStringLiteral("دولاران أمريكيان"), QStringLiteral("دولارات أمريكية")),
     currencyNoun(QStringLiteral("سنت"), QStringLiteral("سنتاً"), QStringLiteral("سنتان"), QStringLiteral("سنتات")),
     QStringLiteral("US Dollar"), QStringLiteral("US Dollars"), QStringLiteral("Cent"), QStringLiteral("Cents")},
};

// The numerals 3 to 10 take the other gender than the noun they count;
// 1 and 2 take the noun's own.
const std::array<const char*, 10> UnitsMasculine{
    "", "واحد", "اثنان", "ثلاثة", "أربعة", "خمسة", "ستة", "سبعة", "ثمانية", "تسعة"};
const std::array<const char*, 10> UnitsFeminine{
    "", "واحدة", "اثنتان", "ثلاث", "أربع", "خمس", "ست", "سبع", "ثماني", "تسع"};
const std::array<const char*, 10> TeensMasculine{
    "عشرة", "أحد عشر", "اثنا عشر", "ثلاثة عشر", "أربعة عشر", "خمسة عشر", "ستة عشر", "سبعة عشر", "ثمانية عشر",
    "تسعة عشر"};
const std::array<const char*, 10> TeensFeminine{
    "عشر", "إحدى عشرة", "اثنتا عشرة", "ثلاث عشرة", "أربع عشرة", "خمس عشرة", "ست عشرة", "سبع عشرة", "ثماني عشرة",
    "تسع عشرة"};
const std::array<const char*, 10> Tens{
    "", "", "عشرون", "ثلاثون", "أربعون", "خمسون", "ستون", "سبعون", "ثمانون", "تسعون"};
const std::array<const char*, 10> Hundreds{
    "", "مئة", "مئتان", "ثلاثمئة", "أربعمئة", "خمسمئة", "ستمئة", "سبعمئة", "ثمانمئة", "تسعمئة"};

QString word(const char* text) { return QString::fromUtf8(text); }

// The numeral of 1 to 99 counting a noun of that gender.
QString belowHundred(int n, bool feminine)
{
    if (n < 10)
        return word((feminine ? UnitsFeminine : UnitsMasculine)[n]);
    if (n < 20)
        return word((feminine ? TeensFeminine : TeensMasculine)[n - 10]);
    const int units = n % 10;
    if (units == 0)
        return word(Tens[n / 10]);
    // Before a ten the feminine one and eight lose their ending: إحدى وعشرون، ثمانٍ وعشرون.
    QString first = word((feminine ? UnitsFeminine : UnitsMasculine)[units]);
    if (feminine && units == 1)
        first = QStringLiteral("إحدى");
    else if (feminine && units == 8)
        first = QStringLiteral("ثمان");
    return first + QStringLiteral(" و") + word(Tens[n / 10]);
}

// 1 to 999 of a noun. `before` when the noun counted by this noun follows at
// once (ألفا دينار, أحد عشر ألف دينار): a noun followed by its own genitive
// drops its ending.
QString counted(int n, const Noun& noun, bool before)
{
    if (n == 1)
        return noun.one;
    if (n == 2)
        return before ? noun.dualBefore : noun.dual;
    const int hundreds = n / 100;
    const int rest = n % 100;
    QStringList parts;
    if (hundreds > 0)
        // Two hundred before its noun is in construct too: مئتا دينار.
        parts.append(hundreds == 2 && rest == 0 ? QStringLiteral("مئتا") : word(Hundreds[hundreds]));
    if (rest > 0)
        parts.append(belowHundred(rest, noun.feminine));
    const QString numeral = parts.join(QStringLiteral(" و"));
    if (rest == 0 || rest <= 2)
        return numeral + ' ' + noun.singular;  // مئة دينار، مئة وواحد دينار
    if (rest <= 10)
        return numeral + ' ' + noun.plural;
    return numeral + ' ' + (before ? noun.singular : noun.accusative);
}

QString arabicWhole(qint64 whole, const Noun& noun)
{
    const int millions = int(whole / 1000000);
    const int thousands = int(whole / 1000 % 1000);
    const int units = int(whole % 1000);
    QStringList parts;
    if (millions > 0)
        parts.append(counted(millions, Million, thousands == 0 && units == 0));
    if (thousands > 0)
        parts.append(counted(thousands, Thousand, units == 0));
    // Only an amount of one or two alone takes the noun's own forms: above
    // that the numeral is written out (ألف وواحد دينار).
    if (units > 2 || (units > 0 && whole <= 2))
        parts.append(counted(units, noun, false));
    else if (units > 0)
        parts.append(belowHundred(units, noun.feminine) + ' ' + noun.singular);
    QString words = parts.join(QStringLiteral(" و"));
    if (units == 0)
        words += ' ' + noun.singular;
    return words;
}

const std::array<const char*, 20> EnglishOnes{
    "", "One", "Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten", "Eleven", "Twelve", "Thirteen",
    "Fourteen", "Fifteen", "Sixteen", "Seventeen", "Eighteen", "Nineteen"};
const std::array<const char*, 10> EnglishTens{
    "", "", "Twenty", "Thirty", "Forty", "Fifty", "Sixty", "Seventy", "Eighty", "Ninety"};

QString englishGroup(int n)
{
    QStringList parts;
    if (n >= 100)
        parts.append(QLatin1String(EnglishOnes[n / 100]) + QStringLiteral(" Hundred"));
    const int rest = n % 100;
    if (rest >= 20)
        parts.append(QLatin1String(EnglishTens[rest / 10])
                     + (rest % 10 ? '-' + QLatin1String(EnglishOnes[rest % 10]) : QString()));
    else if (rest > 0)
        parts.append(QLatin1String(EnglishOnes[rest]));
    return parts.join(' ');
}

QString englishWhole(qint64 whole)
{
    QStringList parts;
    if (whole >= 1000000)
        parts.append(englishGroup(int(whole / 1000000)) + QStringLiteral(" Million"));
    if (whole / 1000 % 1000 > 0)
        parts.append(englishGroup(int(whole / 1000 % 1000)) + QStringLiteral(" Thousand"));
    if (whole % 1000 > 0)
        parts.append(englishGroup(int(whole % 1000)));
    return parts.join(' ');
}

qint64 unitsPerWhole(const Currency& currency)
{
    qint64 scale = 1;
    for (int i = 0; i < currency.decimals; ++i)
        scale *= 10;
    return scale;
}

// The amount in the currency's smaller unit, refused outside what can be written.
qint64 smallUnits(double amount, const Currency& currency)
{
    const double scale = double(unitsPerWhole(currency));
    const double units = std::isfinite(amount) ? std::round(amount * scale) : -1;
    if (units < 0 || units >= 100000000.0 * scale)
        throw AppError(ErrorNumber::NotANumber,
                       QCoreApplication::translate("AmountWords",
                                                   "The amount %1 cannot be written in words: only amounts from 0 "
                                                   "up to, but not including, 100,000,000 can be.")
                           .arg(amount, 0, 'f', currency.decimals),
                       QStringLiteral("AmountWords"));
    return qint64(units);
}

// The amount split into whole units and the fraction, in the smaller unit.
struct Split {
    qint64 whole = 0;
    int fraction = 0;
};

Split split(double amount, const Currency& currency)
{
    const qint64 units = smallUnits(amount, currency);
    return {units / unitsPerWhole(currency), int(units % unitsPerWhole(currency))};
}

}

const QList<Currency>& AmountWords::currencies() { return Currencies; }

const Currency& AmountWords::currency(const QString& code)
{
    for (const Currency& c : Currencies)
        if (c.code.compare(code.trimmed(), Qt::CaseInsensitive) == 0)
            return c;
    return Currencies.first();
}

QString AmountWords::arabic(double amount, const QString& code)
{
    const Currency& money = currency(code);
    const auto [whole, fraction] = split(amount, money);
    if (whole == 0 && fraction == 0)
        return {};
    QStringList parts;
    if (whole > 0)
        parts.append(arabicWhole(whole, money.unit));
    if (fraction > 0)
        parts.append(counted(fraction, money.fraction, false));
    return QStringLiteral("فقط ") + parts.join(QStringLiteral(" و")) + QStringLiteral(" لا غير");
}

QString AmountWords::english(double amount, const QString& code)
{
    const Currency& money = currency(code);
    const auto [whole, fraction] = split(amount, money);
    if (whole == 0 && fraction == 0)
        return {};
    QStringList parts;
    if (whole > 0)
        parts.append(englishWhole(whole) + ' ' + (whole == 1 ? money.englishOne : money.englishMany));
    if (fraction > 0)
        parts.append(QString::number(fraction) + ' '
                     + (fraction == 1 ? money.englishFractionOne : money.englishFractionMany));
    return parts.join(QStringLiteral(" and ")) + QStringLiteral(" Only");
}
