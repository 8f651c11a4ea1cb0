#include "schema/AccountMonths.h"

#include "core/Database.h"

#include <QString>

namespace {

// A line's side is 1 for a debit and 0 for a credit.
QString side(const QString& prefix, int debitOrCredit)
{
    return QStringLiteral("case when %1DEBITORCREDIT = %2 then coalesce(%1AMOUNT, 0) else 0 end").arg(prefix).arg(debitOrCredit);
}

QString month(const QString& prefix)
{
    return QStringLiteral("coalesce(cast(%1TRANSACTIONDATE as integer) / 100, 0)").arg(prefix);
}

// SQLite's triggers run for each row: the line's sides added to its month
// with a sign, +1 as it comes and -1 as it goes.
QString sqliteAdd(const QString& row, int sign)
{
    const QString p = row + QLatin1Char('.');
    return QStringLiteral("INSERT INTO ACCOUNTMONTH (ACCOUNTNUMBER, YEARMONTH, DEBIT, CREDIT) VALUES (coalesce(%1ACCOUNTNUMBER, 0), "
                          "%2, %3(%4), %3(%5)) ON CONFLICT (ACCOUNTNUMBER, YEARMONTH) DO UPDATE SET "
                          "DEBIT = DEBIT + excluded.DEBIT, CREDIT = CREDIT + excluded.CREDIT; ")
        .arg(p, month(p), sign < 0 ? QStringLiteral("-") : QString(), side(p, 1), side(p, 0));
}

// PostgreSQL's run once a statement over the lines it touched, summed per
// account and month first.
QString serverAdd(const QString& lines, int sign)
{
    return QStringLiteral("INSERT INTO accountmonth AS m (accountnumber, yearmonth, debit, credit) "
                          "SELECT coalesce(accountnumber, 0), %1, %2 sum(%3), %2 sum(%4) FROM %5 GROUP BY 1, 2 ORDER BY 1, 2 "
                          "ON CONFLICT (accountnumber, yearmonth) DO UPDATE SET debit = m.debit + excluded.debit, "
                          "credit = m.credit + excluded.credit;")
        .arg(month(QString()), sign < 0 ? QStringLiteral("-") : QString(), side(QString(), 1), side(QString(), 0), lines);
}

const char* const Triggers[] = {"TR_ACCOUNTMONTH_INSERT", "TR_ACCOUNTMONTH_UPDATE", "TR_ACCOUNTMONTH_DELETE"};

}

void AccountMonths::create(Database& db)
{
    const bool server = db.dialect() == SqlDialect::PostgreSQL;
    db.executeNative(QStringLiteral("CREATE TABLE IF NOT EXISTS ACCOUNTMONTH (ACCOUNTNUMBER %1 NOT NULL, YEARMONTH integer "
                                    "NOT NULL, DEBIT %2 NOT NULL DEFAULT 0, CREDIT %2 NOT NULL DEFAULT 0, PRIMARY KEY "
                                    "(ACCOUNTNUMBER, YEARMONTH))%3")
                         .arg(server ? QStringLiteral("bigint") : QStringLiteral("INTEGER"),
                              server ? QStringLiteral("double precision") : QStringLiteral("REAL"),
                              server ? QString() : QStringLiteral(" WITHOUT ROWID")));
    rebuild(db);
}

void AccountMonths::dropTriggers(Database& db)
{
    const bool server = db.dialect() == SqlDialect::PostgreSQL;
    for (const char* name : Triggers)
        db.executeNative(QStringLiteral("DROP TRIGGER IF EXISTS %1%2").arg(QLatin1String(name),
                                                                            server ? QStringLiteral(" ON journaldetail") : QString()));
}

void AccountMonths::rebuild(Database& db)
{
    // The triggers first: on a server they hold off other writers of lines
    // until the sums below are committed with them.
    dropTriggers(db);
    createTriggers(db);
    db.executeNative(QStringLiteral("DELETE FROM ACCOUNTMONTH"));
    db.executeNative(QStringLiteral("INSERT INTO ACCOUNTMONTH (ACCOUNTNUMBER, YEARMONTH, DEBIT, CREDIT) SELECT "
                                    "coalesce(ACCOUNTNUMBER, 0), %1, sum(%2), sum(%3) FROM JOURNALDETAIL GROUP BY 1, 2")
                         .arg(month(QString()), side(QString(), 1), side(QString(), 0)));
}

void AccountMonths::createTriggers(Database& db)
{
    if (db.dialect() == SqlDialect::SQLite) {
        db.executeNative(QStringLiteral("CREATE TRIGGER %1 AFTER INSERT ON JOURNALDETAIL BEGIN %2END")
                             .arg(QLatin1String(Triggers[0]), sqliteAdd(QStringLiteral("new"), 1)));
        db.executeNative(QStringLiteral("CREATE TRIGGER %1 AFTER UPDATE OF ACCOUNTNUMBER, TRANSACTIONDATE, AMOUNT, "
                                        "DEBITORCREDIT ON JOURNALDETAIL BEGIN %2%3END")
                             .arg(QLatin1String(Triggers[1]), sqliteAdd(QStringLiteral("old"), -1), sqliteAdd(QStringLiteral("new"), 1)));
        db.executeNative(QStringLiteral("CREATE TRIGGER %1 AFTER DELETE ON JOURNALDETAIL BEGIN %2END")
                             .arg(QLatin1String(Triggers[2]), sqliteAdd(QStringLiteral("old"), -1)));
        return;
    }
    // Writers of lines take turns until they commit: each month's row is
    // then locked by one of them at a time, and two can never wait for each other.
    db.executeNative(QStringLiteral("CREATE OR REPLACE FUNCTION ijar_accountmonth() RETURNS trigger LANGUAGE plpgsql AS $f$ "
                                    "BEGIN PERFORM pg_advisory_xact_lock(%1); "
                                    "IF TG_OP <> 'INSERT' THEN %2 END IF; IF TG_OP <> 'DELETE' THEN %3 END IF; "
                                    "RETURN NULL; END $f$")
                         .arg(QString::number(0x494a4152), serverAdd(QStringLiteral("gone"), -1), serverAdd(QStringLiteral("came"), 1)));
    db.executeNative(QStringLiteral("CREATE TRIGGER %1 AFTER INSERT ON journaldetail REFERENCING NEW TABLE AS came "
                                    "FOR EACH STATEMENT EXECUTE FUNCTION ijar_accountmonth()").arg(QLatin1String(Triggers[0])));
    db.executeNative(QStringLiteral("CREATE TRIGGER %1 AFTER UPDATE ON journaldetail REFERENCING OLD TABLE AS gone NEW TABLE "
                                    "AS came FOR EACH STATEMENT EXECUTE FUNCTION ijar_accountmonth()").arg(QLatin1String(Triggers[1])));
    db.executeNative(QStringLiteral("CREATE TRIGGER %1 AFTER DELETE ON journaldetail REFERENCING OLD TABLE AS gone "
                                    "FOR EACH STATEMENT EXECUTE FUNCTION ijar_accountmonth()").arg(QLatin1String(Triggers[2])));
}
