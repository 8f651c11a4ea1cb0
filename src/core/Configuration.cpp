#include "core/Configuration.h"

#include "core/AmountWords.h"
#include "core/RunState.h"
#include "core/SqlValue.h"

#include <cmath>

QString Configuration::GetConfig(const QString& key)
{
    return GetConfig(key, QStringLiteral("0"));
}

QString Configuration::GetConfig(const QString& key, const QString& absent)
{
    const RowSet rs = m_db.execute(QStringLiteral("select * from _CONFIG where entry = '")
                                   + SqlValue::text(key) + QStringLiteral("'"));
    if (rs.isEmpty())
        return absent;
    return rs.text(0, QStringLiteral("entryvalue"));
}

QString Configuration::defaultCurrencySuffix()
{
    return QStringLiteral("د.ك.");
}

void Configuration::SetConfig(const QString& key, const QString& value)
{
    const RowSet rs = m_db.execute(QStringLiteral("select * from _CONFIG where entry = '")
                                   + SqlValue::text(key) + QStringLiteral("'"));
    if (!rs.isEmpty())
        m_db.command(QStringLiteral("update _CONFIG set entryvalue = '") + SqlValue::text(value)
                     + QStringLiteral("' where entry = '") + SqlValue::text(key) + QStringLiteral("'"));
    else
        m_db.command(QStringLiteral("insert into  _CONFIG (entryvalue,entry) values ('") + SqlValue::text(value)
                     + QStringLiteral("','") + SqlValue::text(key) + QStringLiteral("')"));
}

double Configuration::toDouble(const QString& text)
{
    bool ok = false;
    const double d = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(d) ? d : 0.0;
}

int Configuration::toInteger(const QString& text)
{
    // Whole-number conversion rounds, as "2.6" stored by hand still means 3.
    const double d = toDouble(text);
    if (d > 2147483647.0 || d < -2147483648.0)
        return 0;
    return int(std::lround(d));
}

bool Configuration::toBoolean(const QString& text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    return toDouble(t) != 0.0;
}

void Configuration::LoadCurrency(RunState& state)
{
    Configuration store(state.db());
    ConfigValues& c = state.config;
    c.FILS = store.GetConfig(QStringLiteral("FILS"));
    c.POUND = store.GetConfig(QStringLiteral("POUND"));
    c.TWOPOUNDS = store.GetConfig(QStringLiteral("TWOPOUNDS"));
    c.POUNDS = store.GetConfig(QStringLiteral("POUNDS"));
    c.CURRENCYCODE = AmountWords::currency(store.GetConfig(QStringLiteral("CURRENCYCODE"), QString())).code;
    // Offices made before the entry existed show the suffix they always had.
    c.CURRENCYSUFFIX = store.GetConfig(QStringLiteral("CURRENCYSUFFIX"), defaultCurrencySuffix());
}

void Configuration::LoadConfiguration(RunState& state)
{
    Configuration store(state.db());
    ConfigValues& c = state.config;
    c.USEROUTER = toBoolean(store.GetConfig(QStringLiteral("USEROUTER")));
    c.SHOWSCREENNAME = toInteger(store.GetConfig(QStringLiteral("SHOWSCREENNAME")));
    c.SHOWFIELDNAME = toInteger(store.GetConfig(QStringLiteral("SHOWFIELDNAME")));
    c.APPTITLE = store.GetConfig(QStringLiteral("APPTITLE"));
    c.EMAILADDRESS = store.GetConfig(QStringLiteral("EMAILADDRESS"));
    c.WEBSITEADDRESS = store.GetConfig(QStringLiteral("WEBSITEADDRESS"));
    c.SHOWERRORS = toInteger(store.GetConfig(QStringLiteral("SHOWERRORS")));
    LoadCurrency(state);
    c.HIJRIDATES = toBoolean(store.GetConfig(QStringLiteral("HIJRIDATES")));
    c.LICENSEDESCRIPTION = store.GetConfig(QStringLiteral("LICENSEDESCRIPTION"));
    c.localeName = QStringLiteral("ar-eg");
}
