#pragma once

#include <QStringList>

class Database;

// A number in the table RULESVERSION (VERSION) that the engine's own triggers
// move on with every write of the screens' definitions, their checks, the
// ledger's rules and the chart, in the same transaction, whoever writes. A
// cache of those rows asks this one number whether it still holds, however
// much else is written.
class RulesVersion {
public:
    static const QString Table;
    static const QStringList Watched;

    static void create(Database& db);
    // A copy brings the number over as it is: without the triggers meanwhile.
    static void dropTriggers(Database& db);
    static void createTriggers(Database& db);
};
