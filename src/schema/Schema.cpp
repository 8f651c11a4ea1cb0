#include "schema/Schema.h"

#include "core/AppError.h"
#include "core/Database.h"
#include "core/JetTranslator.h"
#include "schema/AccountMonths.h"
#include "schema/PasswordUpgrade.h"
#include "schema/SchemaTables.h"
#include "schema/RulesVersion.h"
#include "schema/TableRows.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcSchema, "ijar.schema", QtWarningMsg)

const char* const Schema::VersionTable = "_SCHEMAVERSION";

static const QString Source = QStringLiteral("Schema");

QList<TableDef> Schema::tables()
{
    QList<TableDef> result;
    result << SchemaTables::shell() << SchemaTables::engine() << SchemaTables::rental()
           << SchemaTables::accounting() << SchemaTables::journal() << SchemaTables::reports()
           << SchemaTables::reminders();
    return result;
}

QStringList Schema::tableNames()
{
    const QList<TableDef> all = tables() << SchemaTables::storedLogins() << SchemaTables::reservations()
                                         << SchemaTables::receipts() << SchemaTables::taxInvoices()
                                         << SchemaTables::carDamage() << SchemaTables::fuelRates();
    QStringList names;
    for (const TableDef& table : all)
        names << table.name;
    return names << QStringLiteral("ACCOUNTMONTH") << QStringLiteral("TABLEROWS");
}

void Schema::createTables(Database& db, const QList<TableDef>& tables)
{
    for (const TableDef& table : tables) {
        for (const QString& statement : TableDdl::statements(table, db.dialect()))
            db.executeNative(statement);
    }
}

QList<SchemaStep> Schema::steps(const ShippedRows& rows)
{
    return {
        {1, QStringLiteral("first schema"),
         [](Database& db) {
             if (db.dialect() == SqlDialect::PostgreSQL)
                 db.executeNative(QStringLiteral("CREATE EXTENSION IF NOT EXISTS citext"));
             createTables(db, tables());
         }},
        {2, QStringLiteral("a contract keeps the journal it is posted to"),
         [](Database& db) { addColumn(db, QStringLiteral("RENT"), SchemaTables::col::number("JOURNALID")); }},
        {3, QStringLiteral("a journal knows the screen that made it"),
         [](Database& db) { addColumn(db, QStringLiteral("JOURNAL"), SchemaTables::col::text("WINDOWNAME")); }},
        {4, QStringLiteral("an office without reports gets the documents the program ships"),
         [reports = rows.reports](Database& db) {
             if (reports)
                 reports(db);
         }},
        {5, QStringLiteral("the validation rules the program ships cannot be passed over"),
         [screens = rows.screens](Database& db) { enforceShippedRules(db, screens); }},
        {6, QStringLiteral("passwords are kept as salted hashes, and workstations keep login tokens"),
         [](Database& db) { PasswordUpgrade::apply(db); }},
        {7, QStringLiteral("what a voucher took or paid by cheque goes through the bank"),
         [ledger = rows.ledgerRules](Database& db) {
             if (ledger)
                 ledger(db);
         }},
        {8, QStringLiteral("the due list reports what has already expired too, and opens the record it is about"),
         [due = rows.dueList](Database& db) {
             addMissingColumn(db, QStringLiteral("_Reminder"), SchemaTables::col::text("RECORDSCREEN"));
             addMissingColumn(db, QStringLiteral("reminderqueue"), SchemaTables::col::number("RECORDID"));
             if (due)
                 due(db);
         }},
        {9, QStringLiteral("the counter books cars ahead: reservations"),
         [reservations = rows.reservations](Database& db) {
             if (!db.tableExists(QStringLiteral("RESERVATION")))
                 createTables(db, {SchemaTables::reservations()});
             if (reservations)
                 reservations(db);
         }},
        {10, QStringLiteral("an account's balance is summed from its index alone"),
         [](Database& db) {
             // The main window sums the customers' account on every save:
             // hundreds of thousands of lines, read from the index without a
             // look into the table for each. It replaces the account's own index.
             const auto q = [&](const char* name) { return TableDdl::quoted(QLatin1String(name), db.dialect()); };
             db.executeNative(QStringLiteral("DROP INDEX IF EXISTS ") + q("IX_JOURNALDETAIL_ACCOUNTNUMBER"));
             db.executeNative(QStringLiteral("CREATE INDEX ") + q("IX_JOURNALDETAIL_ACCOUNTBALANCE") + QStringLiteral(" ON ")
                              + q("JOURNALDETAIL") + QStringLiteral(" (") + q("ACCOUNTNUMBER") + QStringLiteral(", ")
                              + q("TRANSACTIONDATE") + QStringLiteral(", ") + q("DEBITORCREDIT") + QStringLiteral(", ")
                              + q("AMOUNT") + QLatin1Char(')'));
         }},
        {11, QStringLiteral("money at the counter: deposits, receipts, VAT and tax invoices"),
         [counter = rows.counterMoney](Database& db) {
             using namespace SchemaTables::col;
             // The deposit taken as the car goes out, how, and what came of it at return.
             for (const ColumnDef& column : {money("DEPOSIT"), number("DEPOSITMETHOD"), text("DEPOSITREFERENCE"),
                                             number("DEPOSITJOURNALID"), money("DEPOSITKEPT"),
                                             money("DEPOSITREFUNDED"), real("VATRATE"), money("VATAMOUNT"),
                                             money("GROSSTOTAL")})
                 addMissingColumn(db, QStringLiteral("RENT"), column);
             createTables(db, {SchemaTables::receipts()});
             createTables(db, SchemaTables::taxInvoices());
             db.insert(QStringLiteral("INVOICESEQUENCE"), QStringLiteral("INVOICESEQUENCEID"),
                       {{QStringLiteral("LASTNUMBER"), 0}});
             if (counter)
                 counter(db);
         }},
        {12, QStringLiteral("a car keeps its damage marks and their photos until they are repaired"),
         [](Database& db) {
             if (!db.tableExists(QStringLiteral("CARDAMAGE")))
                 createTables(db, SchemaTables::carDamage());
         }},
        {13, QStringLiteral("the contract keeps the car's fuel and damage, and an advance is deducted on the later invoice"),
         [condition = rows.carCondition, advances = rows.advances](Database& db) {
             using namespace SchemaTables::col;
             // Fuel in eighths as the car went out and came back, and what the
             // missing fuel and the new damage cost the customer.
             for (const ColumnDef& column : {number("FUELOUT"), number("FUELIN"), money("FUELCHARGE"),
                                             money("DAMAGECHARGE")})
                 addMissingColumn(db, QStringLiteral("RENT"), column);
             addMissingColumn(db, QStringLiteral("Customer"), date("IDEXPIRYDATE"));
             // An advance's invoice names the invoice that deducted it; that
             // invoice carries the net and VAT it deducted.
             for (const ColumnDef& column : {money("ADVANCENET"), money("ADVANCEVAT"), number("DEDUCTEDBYID")})
                 addMissingColumn(db, QStringLiteral("TAXINVOICE"), column);
             if (!db.tableExists(QStringLiteral("FUELRATE")))
                 createTables(db, {SchemaTables::fuelRates()});
             if (condition)
                 condition(db);
             if (advances)
                 advances(db);
         }},
        {14, QStringLiteral("a damage found as the car came back is told from what it went out with, even on the same day"),
         [](Database& db) { addMissingColumn(db, QStringLiteral("CARDAMAGE"), SchemaTables::col::flag("ATRETURN")); }},
        {15, QStringLiteral("each account's lines are summed per month, and the longest lists counted, as they are written"),
         [](Database& db) {
             AccountMonths::create(db);
             TableRows::create(db);
         }},
        {16, QStringLiteral("the screens' rules carry a number that every change of them moves on"),
         [](Database& db) { RulesVersion::create(db); }},
    };
}

void Schema::enforceShippedRules(Database& db, const std::function<void(Database&)>& screens)
{
    addColumn(db, QStringLiteral("_WINDOWVALIDATION"), SchemaTables::col::flag("ENFORCED"));
    if (!screens || db.execute(QStringLiteral("select top 1 WINDOWVALIDATIONID from _WINDOWVALIDATION")).isEmpty())
        return;
    // The rules as the program ships them now, made aside; an office's own
    // rules, and shipped ones it has changed, stay as they are.
    Database shipped;
    shipped.open(QStringLiteral(":memory:"), true);
    create(shipped);
    screens(shipped);
    const RowSet rules = shipped.execute(
        QStringLiteral("select WINDOWNAME, VALIDATIONTYPEID, vldtnname1, vldtnname2 from _WINDOWVALIDATION"));
    for (int row = 0; row < rules.count(); ++row)
        db.executeBound(QStringLiteral("UPDATE _WINDOWVALIDATION SET ENFORCED = 1 WHERE WINDOWNAME = ? AND "
                                       "VALIDATIONTYPEID = ? AND vldtnname1 = ? AND coalesce(vldtnname2, '') = coalesce(?, '')"),
                        {rules.text(row, QStringLiteral("WINDOWNAME")), rules.value(row, QStringLiteral("VALIDATIONTYPEID")),
                         rules.text(row, QStringLiteral("vldtnname1")), rules.text(row, QStringLiteral("vldtnname2"))});
}

void Schema::addColumn(Database& db, const QString& table, const ColumnDef& column)
{
    db.executeNative(QStringLiteral("ALTER TABLE ") + TableDdl::quoted(table, db.dialect())
                     + QStringLiteral(" ADD COLUMN ") + TableDdl::columnDefinition(column, db.dialect()));
}

void Schema::addMissingColumn(Database& db, const QString& table, const ColumnDef& column)
{
    const QString sql = db.dialect() == SqlDialect::PostgreSQL
        ? QStringLiteral("SELECT count(*) FROM information_schema.columns WHERE table_schema = current_schema() "
                         "AND lower(table_name) = lower(?) AND lower(column_name) = lower(?)")
        : QStringLiteral("SELECT count(*) FROM pragma_table_info(?) WHERE lower(name) = lower(?)");
    if (db.executeBound(sql, {table, column.name}).value(0, 0).toInt() == 0)
        addColumn(db, table, column);
}

int Schema::version(Database& db)
{
    if (!db.tableExists(QString::fromLatin1(VersionTable)))
        return 0;
    const RowSet rows = db.executeBound(
        QStringLiteral("SELECT max(VERSION) AS VERSION FROM ")
            + TableDdl::quoted(QString::fromLatin1(VersionTable), db.dialect()),
        {});
    if (rows.isEmpty() || rows.value(0, 0).isNull())
        return 0;
    return rows.value(0, 0).toInt();
}

void Schema::setVersion(Database& db, int version)
{
    const QString table = TableDdl::quoted(QString::fromLatin1(VersionTable), db.dialect());
    db.executeNative(QStringLiteral("CREATE TABLE IF NOT EXISTS ") + table
                     + QStringLiteral(" (VERSION INTEGER NOT NULL)"));
    db.executeBound(QStringLiteral("DELETE FROM ") + table, {});
    db.executeBound(QStringLiteral("INSERT INTO ") + table + QStringLiteral(" (VERSION) VALUES (?)"),
                    {version});
}

void Schema::create(Database& db, const ShippedRows& rows)
{
    if (const int existing = version(db); existing != 0)
        throw AppError(ErrorNumber::DatabaseFailure,
                       QStringLiteral("The database already has a schema (version %1).").arg(existing),
                       Source);
    Transaction transaction(db);
    upgrade(db, steps(rows));
    transaction.commit();
}

void Schema::upgrade(Database& db, const ShippedRows& rows)
{
    upgrade(db, steps(rows));
}

void Schema::upgrade(Database& db, const QList<SchemaStep>& steps)
{
    // A gap or a repeat in the history is a mistake in the program, not in the data.
    for (int i = 0; i < steps.size(); ++i) {
        if (steps.at(i).version != i + 1)
            throw AppError(ErrorNumber::DatabaseFailure,
                           QStringLiteral("Schema step %1 is out of order.").arg(i + 1), Source);
    }

    const int target = int(steps.size());
    const int current = version(db);
    if (current > target)
        throw AppError(ErrorNumber::DatabaseFailure,
                       QStringLiteral("The database has schema version %1; this program knows "
                                      "versions up to %2. Use a newer program.")
                           .arg(current)
                           .arg(target),
                       Source);

    for (const SchemaStep& step : steps) {
        if (step.version <= current)
            continue;
        qCInfo(lcSchema) << "schema step" << step.version << step.description;
        Transaction transaction(db);
        try {
            step.apply(db);
            setVersion(db, step.version);
        } catch (const AppError& error) {
            throw AppError(error.number(),
                           QStringLiteral("Schema step %1 (%2) failed: %3")
                               .arg(step.version)
                               .arg(step.description, error.description()),
                           error.source().isEmpty() ? Source : error.source(), error.sqlState());
        }
        transaction.commit();
    }
}

void Schema::refreshHelpers(Database& db)
{
    if (db.dialect() != SqlDialect::PostgreSQL)
        return;
    const QStringList helpers = JetTranslator::postgresHelperFunctions();
    const RowSet present = db.executeBound(
        QStringLiteral("SELECT count(*) FROM pg_catalog.pg_proc p JOIN pg_catalog.pg_namespace n ON n.oid = "
                       "p.pronamespace WHERE n.nspname = current_schema() AND (p.proname LIKE 'jet\\_%' OR "
                       "p.proname = 'round')"),
        {});
    if (present.value(0, 0).toInt() >= helpers.size())
        return;
    Transaction transaction(db);
    for (const QString& function : helpers)
        db.executeNative(function);
    transaction.commit();
}
