#include "accounting/AccountingShipped.h"
#include "core/AppError.h"
#include "core/Cipher.h"
#include "core/Configuration.h"
#include "core/Database.h"
#include "core/SqlValue.h"
#include "core/cSecurity.h"
#include "office/NewDatabase.h"
#include "rental/RentalShipped.h"
#include "schema/Schema.h"
#include "support/TestOffice.h"

#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

using namespace Qt::StringLiterals;

namespace {

// One bound control of a screen's definition rows that are in force.
struct Bound {
    QString screen, table, control, column;
    int type = 0;
    bool identifier = false;
};

QList<Bound> boundControls(Database& db)
{
    const RowSet rows = db.execute(u"select WT.WINDOWNAME , WT.TABLENAME , WTD.* from _WINDOWTABLE WT , "
                                   "_WINDOWTABLEDETAILS WTD WHERE WTD.WINDOWTABLEID = WT.WINDOWTABLEID and "
                                   "WT.ONOFF = 1 and WTD.ONOFF = 1"_s);
    QList<Bound> bound;
    for (int i = 0; i < rows.count(); ++i)
        bound << Bound{rows.text(i, u"WINDOWNAME"_s), rows.text(i, u"TABLENAME"_s).trimmed(),
                       rows.text(i, u"WINDOWCONTROL"_s), rows.text(i, u"Column"_s).trimmed(),
                       rows.value(i, u"TYPE"_s).toInt(), rows.value(i, u"IDENTIFIER"_s).toInt() == 1};
    return bound;
}

QByteArray bytesOf(const QString& path) { QFile f(path); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); }

// A new database file (no demo rows), open.
class NewDatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        NewDatabase::create(path, false);
        db.open(path);
    }
    int count(const QString& sql) { return db.execute(sql).count(); }

    QTemporaryDir dir;
    QString path = dir.filePath(u"fdk.db"_s);
    Database db;
};

}  // namespace

TEST_F(NewDatabaseTest, everyTableAndColumnTheScreensNameExistsAndTheirIdentifierIsTheKey)
{
    const QList<Bound> bound = boundControls(db);
    ASSERT_FALSE(bound.isEmpty());
    for (const Bound& b : bound) {
        const QString where = b.screen + u'.' + b.control + u' ' + b.table + u'.' + b.column;
        ASSERT_TRUE(db.tableExists(b.table)) << qPrintable(where);
        EXPECT_TRUE(db.columnsOf(b.table).contains(b.column, Qt::CaseInsensitive)) << qPrintable(where);
        // Open, read and save find the record by its identifier.
        if (b.identifier) {
            EXPECT_EQ(db.primaryKeyOf(b.table).toLower(), b.column.toLower()) << qPrintable(where);
        }
    }
    // The customer search's definition rows, and the grids' tables and column expressions.
    const RowSet searched = db.execute(u"select WT.TABLENAME , WTD.* from WINDOWTABLE WT , WINDOWTABLEDETAILS WTD "
                                       "WHERE WTD.WINDOWTABLEID = WT.WINDOWTABLEID and WTD.ONOFF = 1"_s);
    for (int i = 0; i < searched.count(); ++i)
        EXPECT_TRUE(db.columnsOf(searched.text(i, u"TABLENAME"_s).trimmed())
                        .contains(searched.text(i, u"Column"_s).trimmed(), Qt::CaseInsensitive))
            << qPrintable(searched.text(i, u"TABLENAME"_s) + u'.' + searched.text(i, u"Column"_s));
    const RowSet grids = db.execute(u"select G.GRIDNAME , G.TABLENAME , GD.* from _GRIDTABLE G , _GRIDTABLEDETAILS GD "
                                    "WHERE GD.GRIDTABLEID = G.GRIDTABLEID and G.ONOFF = 1 and GD.ONOFF = 1"_s);
    for (int i = 0; i < grids.count(); ++i) {
        const QString sql = u"SELECT "_s + grids.text(i, u"Column"_s) + u" AS [c] FROM "_s + grids.text(i, u"TABLENAME"_s)
                          + u" WHERE 1 = 0"_s;
        EXPECT_NO_THROW(db.execute(sql)) << qPrintable(grids.text(i, u"GRIDNAME"_s) + u": "_s + sql);
    }
    for (const TableDef& table : Schema::tables()) {
        const RowSet key = db.executeBound(u"SELECT name, type FROM pragma_table_info(?) WHERE pk > 0"_s, {table.name});
        EXPECT_TRUE(key.count() == 1 && key.text(0, u"type"_s).toUpper() == u"INTEGER"_s
                    && key.text(0, u"name"_s) == table.keyColumn()) << qPrintable(table.name);
    }
    // The ledger posting reads a rule's header and detail as one row by column name.
    const QStringList header = db.columnsOf(u"_GLRULE"_s), detail = db.columnsOf(u"_GLRULEDETAIL"_s);
    for (const QString& column : detail)
        EXPECT_TRUE(column.compare(u"GLRULEID"_s, Qt::CaseInsensitive) == 0 || !header.contains(column, Qt::CaseInsensitive))
            << qPrintable(column);
}

TEST_F(NewDatabaseTest, everyScreenTableTakesNewRecordsAndKeepsWhatTheirFieldsSave)
{
    // Values of each field type in the form a save writes them (texts quoted), what
    // must come back, and the storage class that keeps numbers and dates comparable.
    struct Sample { QString value; bool quoted; const char* storage; };
    const std::map<int, QList<Sample>> samples{
        {0, {{u"42"_s, false, "integer"}, {u"-3.5"_s, false, "real"}}},                // number
        {1, {{u"007"_s, true, "text"}, {u"قيد 'أول'\r\nسطر ثان"_s, true, "text"}}},  // text
        {2, {{u"20240229"_s, false, "integer"}}},                                     // date
        {3, {{u"1"_s, false, "integer"}, {u"0"_s, false, "integer"}}},               // flag
        {4, {{u"0"_s, true, "text"}, {u"شهري"_s, true, "text"}}},                    // list text
        {5, {{u"093000"_s, true, "text"}}},                                           // time
    };
    std::map<QString, QList<Bound>> byTable;
    for (const Bound& b : boundControls(db))
        if (!b.identifier)
            byTable[b.table.toLower()] << b;
    ASSERT_FALSE(byTable.empty());
    for (const auto& [name, fields] : byTable) {
        const QString table = fields.first().table, key = db.primaryKeyOf(table);
        for (int record = 0; record < 2; ++record) {
            // The new-record dialog inserts a row, then the screen's save sets its fields.
            qint64 id = 0;
            ASSERT_NO_THROW(id = db.insert(table, key, {})) << qPrintable(table);
            const QString where = u" where "_s + key + u" = "_s + QString::number(id);
            QStringList assignments;
            for (const Bound& b : fields) {
                ASSERT_TRUE(samples.count(b.type)) << qPrintable(b.screen + u'.' + b.control) << " type " << b.type;
                const QList<Sample>& kinds = samples.at(b.type);
                const Sample& sample = kinds[record % kinds.size()];
                assignments << b.column + u" = "_s + (sample.quoted ? SqlValue::quoted(sample.value) : sample.value);
            }
            const QString update = u"update "_s + table + u" set "_s + assignments.join(u" , "_s) + where;
            ASSERT_NO_THROW(EXPECT_EQ(db.command(update), 1)) << qPrintable(update);
            for (const Bound& b : fields) {
                const QList<Sample>& kinds = samples.at(b.type);
                const Sample& sample = kinds[record % kinds.size()];
                const RowSet row = db.execute(u"select "_s + b.column + u" as [v] , typeof("_s + b.column
                                              + u") as [t] from "_s + table + where);
                const QString field = b.screen + u'.' + b.control + u' ' + table + u'.' + b.column;
                ASSERT_EQ(row.count(), 1) << qPrintable(field);
                EXPECT_EQ(row.text(0, u"v"_s).toStdString(), sample.value.toStdString()) << qPrintable(field);
                // Amounts live in REAL columns, where a whole number is kept as a real one.
                const bool real = db.execute(u"select type from pragma_table_info('"_s + table + u"') where name = '"_s
                                             + b.column + u"' collate nocase"_s).text(0, u"type"_s) == u"REAL"_s;
                EXPECT_EQ(row.text(0, u"t"_s).toStdString(), b.type == 0 && real ? "real" : sample.storage)
                    << qPrintable(field);
            }
        }
    }
}

TEST(NewOffice, everyConfigurationEntryTheProgramReadsIsThere)
{
    TestOffice office;
    Database& db = office.db();
    QStringList asked;
    db.setStatementHook([&asked](const QString& sql) {
        static const QRegularExpression entry(u"_CONFIG\\s+where\\s+entry\\s*=\\s*'([^']*)'"_s,
                                              QRegularExpression::CaseInsensitiveOption);
        if (const QRegularExpressionMatch m = entry.match(sql); m.hasMatch())
            asked << m.captured(1);
    });
    Configuration::LoadConfiguration(office.state());
    db.setStatementHook({});
    asked.removeDuplicates();
    ASSERT_FALSE(asked.isEmpty());
    for (const QString& entry : asked) {
        // A missing or null entry would silently read as "0".
        const RowSet rows = db.execute(u"select entryvalue from _CONFIG where entry = '%1'"_s.arg(SqlValue::text(entry)));
        EXPECT_TRUE(rows.count() == 1 && !rows.value(0, u"entryvalue"_s).isNull()) << qPrintable(entry);
    }
    const ConfigValues& config = office.state().config;
    EXPECT_TRUE(config.APPTITLE.contains(u"إيجار"_s)) << qPrintable(config.APPTITLE);
    EXPECT_EQ(config.SHOWERRORS, 1) << "a new office shows its errors";
}

TEST(NewOffice, theOneOperatorAdminLogsInWithAdminAndMayUseEveryMenuCommand)
{
    TestOffice office;
    Database& db = office.db();
    cSecurity security(office.state());
    EXPECT_FALSE(security.IsValidUserPassword(u"ADMIN"_s, u"ADMIN2"_s));
    EXPECT_TRUE(security.IsValidUserPassword(u"ADMIN"_s, u"ADMIN"_s));
    const RowSet operators = db.execute(u"select * from OPERATOR"_s);
    ASSERT_EQ(operators.count(), 1);
    EXPECT_EQ(operators.value(0, u"storepassword"_s).toInt() + operators.value(0, u"OPERATORSUSPENDED"_s).toInt(), 0);

    office.loginAs(u"ADMIN"_s);
    for (int menu = 1; menu <= 5; ++menu) {
        QWidget screen;
        screen.setObjectName(u"F%1M"_s.arg(menu));
        QList<QPushButton*> buttons;
        for (int i = 0; i <= 9; ++i) {
            buttons << new QPushButton(&screen);
            buttons.last()->setObjectName(u"command%1"_s.arg(i));
            buttons.last()->setEnabled(false);
        }
        security.SecureTheMenu(&screen);
        for (int i = 1; i <= 9; ++i)
            EXPECT_TRUE(buttons[i]->isEnabled()) << "menu F" << menu << " command" << i;
    }
}

// An office whose passwords an older program kept by a reversible cipher:
// the upgrade hashes them, each operator logs in with his password as before,
// and neither the journal nor the screens keep the cipher's texts.
TEST(NewOffice, theUpgradeHashesStoredPasswordsAndTheyLogInAsBefore)
{
    TestOffice office;
    Database& db = office.db();
    db.executeBound(u"UPDATE operator SET passwrd = ?"_s, {Cipher::Encrypt(u"ADMIN"_s)});
    for (const auto& [login, stored] : {std::pair(u"O'BRIEN"_s, Cipher::Encrypt(u"PW"_s)), std::pair(u"JUNK"_s, u"x"_s)})
        db.insert(u"OPERATOR"_s, u"OPERATORID"_s, {{u"LOGINID"_s, login}, {u"PASSWRD"_s, stored}});
    const qint64 entry = db.insert(u"_JOURNAL"_s, u"JOURNALID"_s, {{u"FORM"_s, u"F2M0"_s}});
    db.insert(u"_JOURNALDETAILS"_s, u"JOURNALDETAILSID"_s,
              {{u"JOURNALID"_s, entry}, {u"CONTROLNAME"_s, u"dfsEncryptedPassword"_s}, {u"NEWVALUE"_s, Cipher::Encrypt(u"PW"_s)}});
    db.insert(u"_WINDOWTABLEDETAILS"_s, u"WINDOWTABLEDETAILSID"_s,
              {{u"WINDOWTABLEID"_s, 1}, {u"WINDOWCONTROL"_s, u"dfsEncryptedPassword"_s}, {u"COLUMN"_s, u"PASSWRD"_s}});
    db.executeNative(u"DROP TABLE _storedlogin"_s);
    db.command(u"update _SCHEMAVERSION set VERSION = 5"_s);
    Schema::upgrade(db);

    cSecurity security(office.state());
    const struct { const char* login; const char* password; bool valid; } rows[] = {
        {"ADMIN", "ADMIN", true}, {"O'BRIEN", "PW", true}, {"O'BRIEN", "ADMIN", false}, {"JUNK", "x", false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(security.IsValidUserPassword(QString::fromUtf8(r.login), QString::fromUtf8(r.password)), r.valid) << r.login;
    EXPECT_EQ(db.execute(u"select * from _JOURNALDETAILS where CONTROLNAME = 'dfsEncryptedPassword'"_s).count()
                  + db.execute(u"select * from _WINDOWTABLEDETAILS where WINDOWCONTROL = 'dfsEncryptedPassword'"_s).count(),
              0);
    EXPECT_TRUE(db.tableExists(u"_STOREDLOGIN"_s));
}

TEST_F(NewDatabaseTest, currentSchemaWithoutBusinessRowsAndTheDemoOfficeHasCarsToRent)
{
    EXPECT_EQ(Schema::version(db), Schema::CurrentVersion);
    EXPECT_EQ(db.integrityCheck(), u"ok"_s);
    for (const char* table : {"car", "Customer", "EMPLOYEE", "RENT", "JOURNAL"})
        EXPECT_EQ(count(u"select * from "_s + QLatin1String(table)), 0) << table;
    const QString demoPath = dir.filePath(u"demo.db"_s);
    NewDatabase::create(demoPath, true);
    Database demo;
    demo.open(demoPath);
    const int cars = demo.execute(u"select * from car"_s).count();
    EXPECT_GE(cars, 10);
    EXPECT_EQ(demo.execute(u"select * from car where STOP = 1"_s).count(), 2);
    EXPECT_GT(demo.execute(u"select * from car WHERE RENTED = 0  and STOP = 0"_s).count(), 0);
    EXPECT_EQ(demo.execute(u"select * from CARPICTURE where PICTURESEQUENCE = 1"_s).count(), cars);
    EXPECT_GE(demo.execute(u"select NAME as [الاسم ] , EMPID as [ID:] from EMPLOYEE where FLGMANAGER = 1 "_s).count(), 1);
    EXPECT_EQ(demo.execute(u"select * from OPERATOR"_s).count(), 1);
    EXPECT_EQ(demo.execute(u"select * from Customer"_s).count(), 20);
    EXPECT_EQ(demo.execute(u"select * from Customer where BLACKLIST = 1"_s).count(), 2);
    EXPECT_EQ(demo.execute(u"select * from Customer where IDNUMBER = 0"_s).count(), 0);
}

TEST_F(NewDatabaseTest, anExistingFileIsNeverOverwrittenAndAFailedCreationLeavesNoFile)
{
    const QString other = dir.filePath(u"some.db"_s), empty = dir.filePath(u"empty.db"_s);
    for (const auto& [target, content] : {std::pair{other, QByteArray("somebody's file\n")}, {empty, QByteArray()}, {path, bytesOf(path)}}) {
        QFile f(target);
        ASSERT_TRUE(target == path || (f.open(QIODevice::WriteOnly) && f.write(content) == content.size() && f.flush()));
        try {
            NewDatabase::create(target, true);
            ADD_FAILURE() << "created over " << qPrintable(target);
        } catch (const AppError& e) {
            EXPECT_EQ(e.number(), NewDatabase::FileExists);
        }
        EXPECT_EQ(bytesOf(target), content) << qPrintable(target);
    }
    const QString unreachable = dir.filePath(u"missing/fdk.db"_s);
    EXPECT_THROW(NewDatabase::create(unreachable, false), AppError);
    EXPECT_FALSE(QFile::exists(unreachable));
}

TEST_F(NewDatabaseTest, storedRowsKeepTheirFormsCaseAndKeys)
{
    // Text compares without regard to case.
    for (const auto& [sql, rows] : {std::pair{"select * from operator WHERE loginid  = 'admin'", 1},
                                    {"select * from _CONFIG where entry = 'apptitle'", 1},
                                    {"select * from operator where loginid like 'adm%'", 1},
                                    {"select * from operator WHERE loginid  = 'admin2'", 0}})
        EXPECT_EQ(count(QString::fromUtf8(sql)), rows) << sql;
    // A new record names only a few columns; the load and open filters must still find it.
    db.insert(u"RENT"_s, u"RENTID"_s, {{u"NAME"_s, u"c1"_s}, {u"EXITDATE"_s, 20240101}});
    const qint64 car = db.insert(u"car"_s, u"carid"_s, {{u"name"_s, u"a car"_s}});
    db.insert(u"_WINDOWTABLE"_s, u"WINDOWTABLEID"_s, {{u"WINDOWNAME"_s, u"frmSample"_s}, {u"TABLENAME"_s, u"car"_s}});
    EXPECT_EQ(count(u"select * from RENT Where Returned = 0"_s), 1);
    EXPECT_EQ(count(u"select * from car WHERE RENTED = 0  and STOP = 0"_s), 1);
    EXPECT_EQ(count(u"select TABLENAME from _WINDOWTABLE where WINDOWNAME = 'frmSample' and onoff = 1"_s), 1);
    // A deleted key is not handed out again, and keys go beyond 32 bits.
    db.command(u"delete * from car where carid = %1"_s.arg(car));
    EXPECT_GT(db.insert(u"car"_s, u"carid"_s, {{u"name"_s, u"b"_s}}), car);
    db.insert(u"JOURNAL"_s, u"JOURNALID"_s, {{u"JOURNALID"_s, Q_INT64_C(5000000000)}, {u"NAME"_s, u"a"_s}});
    EXPECT_EQ(db.insert(u"JOURNAL"_s, u"JOURNALID"_s, {{u"NAME"_s, u"b"_s}}), Q_INT64_C(5000000001));
    // A time keeps its leading zero; a date compares as a number; an amount keeps its fraction.
    const qint64 id = db.insert(u"_JOURNAL"_s, u"JOURNALID"_s,
                                {{u"USER"_s, u"ADMIN"_s}, {u"JOURNALDATE"_s, 20031231}, {u"JOURNALTIME"_s, u"093000"_s}});
    EXPECT_EQ(db.execute(u"select * from _JOURNAL where JOURNALID = %1"_s.arg(id)).text(0, u"JOURNALTIME"_s), u"093000"_s);
    EXPECT_EQ(count(u"select * from _JOURNAL where JOURNALDATE between  20030101 and 20031231"_s), 1);
    EXPECT_EQ(count(u"select * from _JOURNAL where JOURNALDATE > 20031230 + 1"_s), 0);
    db.insert(u"JOURNALDETAIL"_s, u"JOURNALDETAILID"_s, {{u"AMOUNT"_s, 12.345}, {u"JOURNALID"_s, id}});
    EXPECT_DOUBLE_EQ(db.execute(u"select AMOUNT from JOURNALDETAIL"_s).value(0, 0).toDouble(), 12.345);
}

namespace {

// Later versions 2 to 4 on top of the real history; each step counts its runs, and `failAt` makes that step fail
// after it has changed something.
struct History {
    std::map<int, int> runs;
    int failAt = 0;
    // The program's own history comes first.
    static constexpr int Base = Schema::CurrentVersion;

    QList<SchemaStep> steps()
    {
        const char* const changes[] = {
            "ALTER TABLE [car] ADD COLUMN [VIN] TEXT COLLATE NOCASE",
            "CREATE TABLE [FUELLOG] ([FUELLOGID] INTEGER PRIMARY KEY AUTOINCREMENT, [CARID] INTEGER, [LITRES] REAL)",
            "CREATE INDEX [IX_FUELLOG_CARID] ON [FUELLOG] ([CARID])",
        };
        QList<SchemaStep> result = Schema::steps();
        for (int version = Base + 1; version <= Base + 3; ++version)
            result << SchemaStep{version, u"step %1"_s.arg(version), [this, version, sql = changes[version - Base - 1]](Database& db) {
                                     ++runs[version];
                                     db.executeNative(QString::fromLatin1(sql));
                                     if (version == failAt)
                                         throw AppError(ErrorNumber::DatabaseFailure, u"boom"_s, u"test"_s);
                                 }};
        return result;
    }
};

}  // namespace

TEST_F(NewDatabaseTest, upgradeRunsEachMissingStepOnceInOrderAndAFailingStepIsUndone)
{
    using Runs = std::map<int, int>;
    const auto hasVin = [&] { return db.columnsOf(u"car"_s).contains(u"VIN"_s, Qt::CaseInsensitive); };
    constexpr int Base = History::Base;
    History history;
    history.failAt = Base + 1;  // the first step fails: nothing changes
    EXPECT_THROW(Schema::upgrade(db, history.steps()), AppError);
    EXPECT_TRUE(Schema::version(db) == Base && !hasVin());
    history.failAt = Base + 2;  // a later step fails: undone, the version stays at the last good step
    try {
        Schema::upgrade(db, history.steps());
        ADD_FAILURE() << "the failing step did not throw";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.description().contains(u"boom"_s)) << qPrintable(e.description());
    }
    EXPECT_TRUE(Schema::version(db) == Base + 1 && hasVin() && !db.tableExists(u"FUELLOG"_s) && db.transactionDepth() == 0);
    EXPECT_EQ(history.runs, (Runs{{Base + 1, 2}, {Base + 2, 1}}));
    history.failAt = 0;  // once mended, the upgrade carries on from where it stopped, and a second run finds nothing
    Schema::upgrade(db, history.steps());
    Schema::upgrade(db, history.steps());
    EXPECT_EQ(Schema::version(db), Base + 3);
    EXPECT_EQ(history.runs, (Runs{{Base + 1, 2}, {Base + 2, 2}, {Base + 3, 1}}));
    EXPECT_THROW(Schema::upgrade(db), AppError) << "a database newer than the program";
    EXPECT_EQ(Schema::version(db), Base + 3);
}

TEST_F(NewDatabaseTest, aHistoryWithAGapIsRefusedAndAnEmptyDatabaseUpgradesToTheCurrentSchema)
{
    History history;
    QList<SchemaStep> steps = history.steps();
    steps.removeAt(History::Base + 1);  // a step left out
    EXPECT_THROW(Schema::upgrade(db, steps), AppError);
    EXPECT_TRUE(history.runs.empty());
    EXPECT_THROW(Schema::create(db), AppError) << "a database that has a schema";
    EXPECT_EQ(Schema::version(db), Schema::CurrentVersion);
    EXPECT_EQ(count(u"select * from _SCHEMAVERSION"_s), 1);

    Database empty;
    empty.open(dir.filePath(u"empty.db"_s), /*create=*/true);
    EXPECT_EQ(Schema::version(empty), 0);
    Schema::upgrade(empty);
    EXPECT_EQ(Schema::version(empty), Schema::CurrentVersion);
    for (const TableDef& table : Schema::tables())
        EXPECT_TRUE(empty.tableExists(table.name)) << qPrintable(table.name);
    // Columns later steps add, on a database made by the first schema alone.
    Database first;
    first.open(dir.filePath(u"first.db"_s), /*create=*/true);
    Schema::upgrade(first, Schema::steps().mid(0, 1));
    EXPECT_FALSE(first.columnsOf(u"RENT"_s).contains(u"JOURNALID"_s, Qt::CaseInsensitive));
    Schema::upgrade(first);
    EXPECT_EQ(Schema::version(first), Schema::CurrentVersion);
    EXPECT_TRUE(first.columnsOf(u"RENT"_s).contains(u"JOURNALID"_s, Qt::CaseInsensitive));
}

// An office made before the program shipped its documents gets them at the
// upgrade; one that already has reports of its own keeps just those.
TEST_F(NewDatabaseTest, anOfficeWithoutReportsGetsTheShippedOnesAtTheUpgrade)
{
    const int shipped = int(ReportSetup::rentalReports().size() + ReportSetup::ledgerReports().size());
    ASSERT_GT(shipped, 0);
    EXPECT_EQ(count(u"select * from _RPT"_s), shipped) << "a new office";
    const struct {
        bool ownReport;
        int expected;
    } rows[] = {{false, shipped}, {true, 1}};
    for (const auto& row : rows) {
        Database old;
        old.open(dir.filePath(row.ownReport ? u"own.db"_s : u"none.db"_s), /*create=*/true);
        Schema::upgrade(old, Schema::steps().mid(0, 3));
        if (row.ownReport)
            old.insertRows(u"_RPT"_s, {u"RPTID"_s, u"RPTNAME"_s, u"WINDOWNAME"_s, u"ONOFF"_s, u"Rptfilename"_s},
                           {{7, u"Own"_s, u"frmCars"_s, 1, u"own.odt"_s}});
        Schema::upgrade(old, NewDatabase::shippedRows());
        EXPECT_EQ(old.execute(u"select * from _RPT"_s).count(), row.expected) << row.ownReport;
    }
}

// At the upgrade, the rules an office has as the program ships them can no
// longer be passed over; its own rules, and shipped ones it changed, still can.
TEST_F(NewDatabaseTest, theShippedValidationRulesAreEnforcedAtTheUpgrade)
{
    EXPECT_EQ(count(u"select * from _WINDOWVALIDATION where ENFORCED = 0"_s), 0) << "a new office";
    Database old;
    old.open(dir.filePath(u"old.db"_s), /*create=*/true);
    Schema::upgrade(old, Schema::steps().mid(0, 4));
    old.insertRows(u"_WINDOWVALIDATION"_s, {u"WINDOWNAME"_s, u"VALIDATIONTYPEID"_s, u"vldtnname1"_s, u"vldtnname2"_s},
                   {{u"F2M1"_s, 5, u"txtNewPassword"_s, u"txtNewPassword2"_s}, {u"frmCars"_s, 1, u"dfsPLATENO"_s, {}},
                    {u"F2M1"_s, 5, u"txtNewPassword"_s, u"dfsLoginId"_s}, {u"frmCars"_s, 1, u"dfsMAKE"_s, {}}});
    Schema::upgrade(old, NewDatabase::shippedRows());
    const RowSet rules = old.execute(u"select ENFORCED from _WINDOWVALIDATION order by WINDOWVALIDATIONID"_s);
    QStringList enforced;
    for (int i = 0; i < rules.count(); ++i)
        enforced << rules.text(i, u"ENFORCED"_s);
    EXPECT_EQ(enforced, (QStringList{u"1"_s, u"1"_s, u"0"_s, u"0"_s}));
}

// An office made while the voucher rules took cheques into the cash box gets
// the rules of a new office at the upgrade; a rule it changed itself stays.
TEST_F(NewDatabaseTest, voucherRulesLeftAsShippedPostChequesToTheBankAfterTheUpgrade)
{
    const auto rules = [](Database& d, const QString& window) {
        const RowSet rs = d.execute(u"select r.NAME, r.AMOUNTFIELD, d.DEBITACCOUNTFIELD, d.CREDITACCOUNTFIELD, "
                                    "d.RELATEDDETAILDEBITFIELD, d.RELATEDDETAILCREDITFIELD from _GLRULE r, "
                                    "_GLRULEDETAIL d where d.GLRULEID = r.GLRULEID and r.WINDOWNAME = '"_s
                                    + window + u"' order by r.GLRULEID"_s);
        QStringList out;
        for (int r = 0; r < rs.count(); ++r)
            for (int c = 0; c < rs.columns().size(); ++c)
                out << rs.value(r, c).toString();
        return out;
    };
    Database old;
    old.open(dir.filePath(u"rules.db"_s), /*create=*/true);
    Schema::upgrade(old, Schema::steps().mid(0, 4));
    const struct {
        const char* window;
        const char* debit;
        const char* credit;
        const char* debitText;
        const char* creditText;
    } first[] = {
        {"frmIncomeRent", "1100", "4100", ":txtNAME", ":dfgCarID"},
        {"frmIncomeGeneral", "1100", "4300", ":txtNAME", ":txtNAME"},
        {"frmExpenseRent", "5100", "1100", ":dfgCarID", ":txtNAME"},
        {"frmExpenseGeneral", "5600", "1200", ":txtNAME", ":txtNAME"},  // the office pays these from the bank
    };
    for (const auto& f : first) {
        const qint64 id = old.insert(u"_GLRULE"_s, u"GLRULEID"_s,
                                     {{u"WINDOWNAME"_s, QString::fromLatin1(f.window)}, {u"NAME"_s, u"سند"_s},
                                      {u"AMOUNTFIELD"_s, u":dfnAmount"_s}});
        old.insert(u"_GLRULEDETAIL"_s, u"GLRULEDETAILID"_s,
                   {{u"GLRULEID"_s, id}, {u"DEBITACCOUNTFIELD"_s, QString::fromLatin1(f.debit)},
                    {u"CREDITACCOUNTFIELD"_s, QString::fromLatin1(f.credit)},
                    {u"RELATEDDETAILDEBITFIELD"_s, QString::fromLatin1(f.debitText)},
                    {u"RELATEDDETAILCREDITFIELD"_s, QString::fromLatin1(f.creditText)}});
    }
    const QStringList own = rules(old, u"frmExpenseGeneral"_s);
    Schema::upgrade(old, NewDatabase::shippedRows());
    for (const char* window : {"frmIncomeRent", "frmIncomeGeneral", "frmExpenseRent"}) {
        QStringList shipped = rules(db, QString::fromLatin1(window));
        shipped[0] = u"سند"_s;  // the name the office knew its rule by stays
        EXPECT_EQ(rules(old, QString::fromLatin1(window)), shipped) << window;
    }
    EXPECT_EQ(rules(old, u"frmExpenseGeneral"_s), own);
}
