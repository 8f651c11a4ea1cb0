#include "accounting/VatSettings.h"

#include "core/Configuration.h"

#include <QRegularExpression>

#include <cmath>

namespace {

double rounded(double amount, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    return std::round(amount * scale) / scale;
}

}

VatSettings VatSettings::read(Database& db)
{
    Configuration store(db);
    VatSettings s;
    s.rate = Configuration::toDouble(store.GetConfig(QStringLiteral("VATRATE")));
    s.on = Configuration::toInteger(store.GetConfig(QStringLiteral("VATON"))) != 0 && s.rate > 0;
    s.number = store.GetConfig(QStringLiteral("VATNUMBER"), QString()).trimmed();
    s.nameArabic = store.GetConfig(QStringLiteral("VATNAMEAR"), QString()).trimmed();
    s.nameEnglish = store.GetConfig(QStringLiteral("VATNAMEEN"), QString()).trimmed();
    return s;
}

double VatSettings::tax(double net, int decimals) const
{
    return on ? rounded(net * rate / 100.0, decimals) : 0;
}

double VatSettings::taxWithin(double gross, int decimals) const
{
    return on ? rounded(gross * rate / (100.0 + rate), decimals) : 0;
}

bool VatSettings::isSaudiNumber(const QString& number)
{
    static const QRegularExpression saudi(QStringLiteral("^3[0-9]{13}3$"));
    return saudi.match(number).hasMatch();
}
