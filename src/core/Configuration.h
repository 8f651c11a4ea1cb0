#pragma once

#include <QString>

class Database;
class RunState;

// Office-wide settings in the _CONFIG table. A missing entry reads as "0"
// unless the reader names what it means.
class Configuration {
public:
    explicit Configuration(Database& db) : m_db(db) {}

    QString GetConfig(const QString& key);
    // The entry, or `absent` when the office has none.
    QString GetConfig(const QString& key, const QString& absent);
    void SetConfig(const QString& key, const QString& value);

    // Conversions the readers apply to the stored text.
    static int toInteger(const QString& text);
    static double toDouble(const QString& text);
    static bool toBoolean(const QString& text);

    // The suffix after amounts when the office sets none (CURRENCYSUFFIX).
    static QString defaultCurrencySuffix();

    // Reads the entries the run caches into the run state (once per login).
    static void LoadConfiguration(RunState& state);
    // Reads again only the currency, its words and suffix, after Options saves them.
    static void LoadCurrency(RunState& state);

private:
    Database& m_db;
};
