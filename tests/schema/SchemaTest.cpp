#include "core/AppError.h"
#include "core/Cipher.h"
#include "core/Database.h"
#include "core/PasswordHash.h"
#include "office/NewDatabase.h"
#include "schema/Schema.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

#include <map>

using namespace Qt::StringLiterals;

namespace {

QByteArray bytesOf(const QString& path) { QFile f(path); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); }

// The rows of a query, every value of every row in order.
QStringList valuesOf(Database& db, const QString& sql)
{
    const RowSet rs = db.execute(sql);
    QStringList out;
    for (int r = 0; r < rs.count(); ++r)
        for (int c = 0; c < rs.columns().size(); ++c)
            out << rs.value(r, c).toString();
    return out;
}

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

// Open, read and save find a record by its identifier, and the posting reads a
// rule's header and detail as one row by column name.
TEST_F(NewDatabaseTest, EveryTableIsKeyedByOneIntegerAndEveryScreenByThatKey)
{
    const RowSet ids = db.execute(u"select WT.WINDOWNAME, WT.TABLENAME, WTD.[COLUMN] from _WINDOWTABLE WT, _WINDOWTABLEDETAILS "
                                  "WTD where WTD.WINDOWTABLEID = WT.WINDOWTABLEID and WT.ONOFF = 1 and WTD.ONOFF = 1 and "
                                  "WTD.IDENTIFIER = 1"_s);
    EXPECT_GT(ids.count(), 0);
    for (int i = 0; i < ids.count(); ++i)
        EXPECT_EQ(db.primaryKeyOf(ids.text(i, u"TABLENAME"_s).trimmed()).toLower(), ids.text(i, u"Column"_s).trimmed().toLower())
            << qPrintable(ids.text(i, u"WINDOWNAME"_s));
    for (const TableDef& table : Schema::tables()) {
        const RowSet key = db.executeBound(u"SELECT name, type FROM pragma_table_info(?) WHERE pk > 0"_s, {table.name});
        EXPECT_TRUE(key.count() == 1 && key.text(0, u"type"_s).toUpper() == u"INTEGER"_s
                    && key.text(0, u"name"_s) == table.keyColumn()) << qPrintable(table.name);
    }
    const QStringList header = db.columnsOf(u"_GLRULE"_s);
    for (const QString& column : db.columnsOf(u"_GLRULEDETAIL"_s))
        EXPECT_TRUE(column.compare(u"GLRULEID"_s, Qt::CaseInsensitive) == 0 || !header.contains(column, Qt::CaseInsensitive))
            << qPrintable(column);
}

TEST_F(NewDatabaseTest, AnExistingFileIsNeverOverwrittenAndAFailedCreationLeavesNoFile)
{
    EXPECT_EQ(Schema::version(db), Schema::CurrentVersion);
    EXPECT_EQ(db.integrityCheck(), u"ok"_s);
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
    // A new user's first office makes its home folder, for him alone; a folder
    // that cannot be made (a file stands in its way) refuses and leaves nothing.
    const QString first = dir.filePath(u"new/home/fdk.db"_s);
    NewDatabase::create(first, false);
    EXPECT_TRUE(QFile::exists(first));
    EXPECT_EQ(QFileInfo(QFileInfo(first).absolutePath()).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
    const QString unreachable = other + u"/fdk.db"_s;
    EXPECT_THROW(NewDatabase::create(unreachable, false), AppError);
    EXPECT_FALSE(QFile::exists(unreachable));
}

// Two later versions on top of the real history: each step counts its runs,
// and the step `failAt` fails after it has changed something.
TEST_F(NewDatabaseTest, UpgradeRunsEachMissingStepOnceInOrderAndAFailingStepIsUndone)
{
    using Runs = std::map<int, int>;
    constexpr int Base = Schema::CurrentVersion;
    Runs runs;
    int failAt = Base + 1;
    QList<SchemaStep> history = Schema::steps();
    for (const char* sql : {"ALTER TABLE [car] ADD COLUMN [VIN] TEXT COLLATE NOCASE",
                            "CREATE TABLE [FUELLOG] ([FUELLOGID] INTEGER PRIMARY KEY AUTOINCREMENT, [CARID] INTEGER)"})
        history << SchemaStep{int(history.size()) + 1, QString::fromLatin1(sql),
                              [&, version = int(history.size()) + 1, sql](Database& d) {
                                  ++runs[version];
                                  d.executeNative(QString::fromLatin1(sql));
                                  if (version == failAt)
                                      throw AppError(ErrorNumber::DatabaseFailure, u"boom"_s, u"test"_s);
                              }};
    const auto hasVin = [&] { return db.columnsOf(u"car"_s).contains(u"VIN"_s, Qt::CaseInsensitive); };
    EXPECT_THROW(Schema::upgrade(db, history.mid(0, Base) + history.mid(Base + 1)), AppError) << "a step left out";
    EXPECT_THROW(Schema::create(db), AppError) << "a database that has a schema";
    EXPECT_THROW(Schema::upgrade(db, history), AppError);  // the first step fails: nothing changes
    EXPECT_TRUE(Schema::version(db) == Base && !hasVin());
    failAt = Base + 2;  // a later step fails: undone, the version stays at the last good step
    try {
        Schema::upgrade(db, history);
        ADD_FAILURE() << "the failing step did not throw";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.description().contains(u"boom"_s)) << qPrintable(e.description());
    }
    EXPECT_TRUE(Schema::version(db) == Base + 1 && hasVin() && !db.tableExists(u"FUELLOG"_s) && db.transactionDepth() == 0);
    EXPECT_EQ(runs, (Runs{{Base + 1, 2}, {Base + 2, 1}}));
    failAt = 0;  // once mended, the upgrade carries on from where it stopped, and a second run finds nothing
    Schema::upgrade(db, history);
    Schema::upgrade(db, history);
    EXPECT_EQ(Schema::version(db), Base + 2);
    EXPECT_EQ(count(u"select * from _SCHEMAVERSION"_s), 1);
    EXPECT_EQ(runs, (Runs{{Base + 1, 2}, {Base + 2, 2}}));
    EXPECT_THROW(Schema::upgrade(db), AppError) << "a database newer than the program";
    EXPECT_EQ(Schema::version(db), Base + 2);
}

// A database of any earlier version reaches the current one with its rows
// kept, and each step brings what it is for: rows an office left as shipped
// take the new form, rows of its own stay as they are.
TEST_F(NewDatabaseTest, AnOlderDatabaseUpgradesToTheCurrentVersionWithItsRowsKept)
{
    using Act = std::function<void(Database&)>;
    const auto rules = [](Database& d, const QString& window) {
        return valuesOf(d, u"select r.NAME, r.AMOUNTFIELD, d.DEBITACCOUNTFIELD, d.CREDITACCOUNTFIELD, "
                           "d.RELATEDDETAILDEBITFIELD, d.RELATEDDETAILCREDITFIELD from _GLRULE r, _GLRULEDETAIL d "
                           "where d.GLRULEID = r.GLRULEID and r.WINDOWNAME = '"_s + window + u"' order by r.GLRULEID"_s);
    };
    const QStringList vouchers{u"frmIncomeRent"_s, u"frmIncomeGeneral"_s, u"frmExpenseRent"_s, u"frmExpenseGeneral"_s};
    const int shippedReports = count(u"select * from _RPT"_s);
    ASSERT_GT(shippedReports, 0);
    const struct { const char* what; int from; Act before; Act after; } rows[] = {
        {"empty", 0, {}, [&](Database& old) {
             for (const TableDef& table : Schema::tables())
                 EXPECT_TRUE(old.tableExists(table.name)) << qPrintable(table.name);
         }},
        {"the first schema: a contract keeps its journal, a journal its screen", 1, {}, [](Database& old) {
             EXPECT_TRUE(old.columnsOf(u"RENT"_s).contains(u"JOURNALID"_s, Qt::CaseInsensitive));
             EXPECT_TRUE(old.columnsOf(u"JOURNAL"_s).contains(u"WINDOWNAME"_s, Qt::CaseInsensitive));
         }},
        {"no reports: it gets the shipped ones", 3, {},
         [&](Database& old) { EXPECT_EQ(old.execute(u"select * from _RPT"_s).count(), shippedReports); }},
        {"reports of its own: kept alone", 3, [](Database& old) {
             old.insertRows(u"_RPT"_s, {u"RPTID"_s, u"RPTNAME"_s, u"WINDOWNAME"_s, u"ONOFF"_s, u"Rptfilename"_s},
                            {{7, u"Own"_s, u"frmCars"_s, 1, u"own.odt"_s}});
         }, [](Database& old) { EXPECT_EQ(valuesOf(old, u"select RPTNAME from _RPT"_s), QStringList{u"Own"_s}); }},
        {"the shipped contract brings the tax invoices, under numbers still free", 10, [](Database& old) {
             old.insertRows(u"_RPT"_s, {u"RPTID"_s, u"RPTNAME"_s, u"WINDOWNAME"_s, u"ONOFF"_s, u"Rptfilename"_s},
                            {{1, u"عقد"_s, u"frmRentCar"_s, 1, u"contract.odt"_s}, {40, u"Own"_s, u"frmCars"_s, 1, u"own.odt"_s}});
         }, [](Database& old) {
             EXPECT_EQ(valuesOf(old, u"select RPTID, WINDOWNAME from _RPT where Rptfilename = 'taxinvoice.odt' order by RPTID"_s),
                       (QStringList{u"41"_s, u"frmRentCar"_s, u"42"_s, u"frmReceipt"_s}));
         }},
        {"validation rules as shipped are enforced, its own are not", 4, [](Database& old) {
             old.insertRows(u"_WINDOWVALIDATION"_s, {u"WINDOWNAME"_s, u"VALIDATIONTYPEID"_s, u"vldtnname1"_s, u"vldtnname2"_s},
                            {{u"F2M1"_s, 5, u"txtNewPassword"_s, u"txtNewPassword2"_s}, {u"frmCars"_s, 1, u"dfsPLATENO"_s, {}},
                             {u"F2M1"_s, 5, u"txtNewPassword"_s, u"dfsLoginId"_s}, {u"frmCars"_s, 1, u"dfsMAKE"_s, {}}});
         }, [](Database& old) {
             EXPECT_EQ(valuesOf(old, u"select ENFORCED from _WINDOWVALIDATION order by WINDOWVALIDATIONID"_s),
                       (QStringList{u"1"_s, u"1"_s, u"0"_s, u"0"_s}));
         }},
        {"ciphered passwords are hashed and their copies dropped", 5, [](Database& old) {
             for (const auto& [login, stored] : {std::pair(u"O'BRIEN"_s, Cipher::Encrypt(u"PW"_s)), std::pair(u"JUNK"_s, u"x"_s)})
                 old.insert(u"OPERATOR"_s, u"OPERATORID"_s, {{u"LOGINID"_s, login}, {u"PASSWRD"_s, stored}});
             const qint64 entry = old.insert(u"_JOURNAL"_s, u"JOURNALID"_s, {{u"FORM"_s, u"F2M0"_s}});
             old.insert(u"_JOURNALDETAILS"_s, u"JOURNALDETAILSID"_s,
                        {{u"JOURNALID"_s, entry}, {u"CONTROLNAME"_s, u"dfsEncryptedPassword"_s}, {u"NEWVALUE"_s, Cipher::Encrypt(u"PW"_s)}});
             old.insert(u"_WINDOWTABLEDETAILS"_s, u"WINDOWTABLEDETAILSID"_s,
                        {{u"WINDOWTABLEID"_s, 1}, {u"WINDOWCONTROL"_s, u"dfsEncryptedPassword"_s}, {u"COLUMN"_s, u"PASSWRD"_s}});
         }, [](Database& old) {
             const QStringList stored = valuesOf(old, u"select PASSWRD from OPERATOR order by LOGINID"_s);  // JUNK, O'BRIEN
             ASSERT_EQ(stored.size(), 2);
             EXPECT_FALSE(PasswordHash::matches(u"x"_s, stored[0]));
             EXPECT_TRUE(PasswordHash::matches(u"PW"_s, stored[1]) && !PasswordHash::matches(u"ADMIN"_s, stored[1]));
             EXPECT_EQ(old.execute(u"select * from _JOURNALDETAILS where CONTROLNAME = 'dfsEncryptedPassword'"_s).count()
                           + old.execute(u"select * from _WINDOWTABLEDETAILS where WINDOWCONTROL = 'dfsEncryptedPassword'"_s).count(), 0);
             EXPECT_TRUE(old.tableExists(u"_STOREDLOGIN"_s));
         }},
        {"the car's condition brings its income accounts, but for a number of its own, and their rules", 12, [](Database& old) {
             old.insert(u"chartofaccount"_s, u"CHARTOFACCOUNTID"_s, {{u"ACCOUNTNUMBER"_s, 4400}, {u"NAME"_s, u"Own"_s}});
         }, [](Database& old) {
             EXPECT_EQ(valuesOf(old, u"select NAME from chartofaccount order by ACCOUNTNUMBER"_s) + valuesOf(old, u"select AMOUNTFIELD from _GLRULE"_s),
                       (QStringList{u"Own"_s, u"إيرادات الأضرار"_s, u":dfnFuelCharge"_s, u":dfnDamageCharge"_s}));
         }},
        {"the ledger's lines are summed per month, and go on being summed", 14, [](Database& old) {
             old.insertRows(u"JOURNALDETAIL"_s, {u"ACCOUNTNUMBER"_s, u"DEBITORCREDIT"_s, u"AMOUNT"_s, u"TRANSACTIONDATE"_s},
                            {{1100, 1, 10.25, 20250131}, {1100, 1, 5.0, 20250101}, {1100, 0, 2.5, 20250201}, {4100, 0, 7.0, {}}});
         }, [](Database& old) {
             old.insertRows(u"JOURNALDETAIL"_s, {u"ACCOUNTNUMBER"_s, u"DEBITORCREDIT"_s, u"AMOUNT"_s, u"TRANSACTIONDATE"_s},
                            {{1100, 0, 1.0, 20250115}});
             EXPECT_EQ(valuesOf(old, u"select ACCOUNTNUMBER, YEARMONTH, DEBIT, CREDIT from ACCOUNTMONTH order by 1, 2"_s),
                       (QStringList{u"1100"_s, u"202501"_s, u"15.25"_s, u"1"_s, u"1100"_s, u"202502"_s, u"0"_s, u"2.5"_s,
                                    u"4100"_s, u"0"_s, u"0"_s, u"7"_s}));
         }},
        {"voucher rules as shipped post cheques to the bank, its own stay", 4, [&](Database& old) {
             const char* const first[][4] = {{"1100", "4100", ":txtNAME", ":dfgCarID"},
                                             {"1100", "4300", ":txtNAME", ":txtNAME"},
                                             {"5100", "1100", ":dfgCarID", ":txtNAME"},
                                             {"5600", "1200", ":txtNAME", ":txtNAME"}};
             for (int i = 0; i < 4; ++i) {
                 const qint64 id = old.insert(u"_GLRULE"_s, u"GLRULEID"_s,
                                              {{u"WINDOWNAME"_s, vouchers[i]}, {u"NAME"_s, u"سند"_s},
                                               {u"AMOUNTFIELD"_s, u":dfnAmount"_s}});
                 old.insert(u"_GLRULEDETAIL"_s, u"GLRULEDETAILID"_s,
                            {{u"GLRULEID"_s, id}, {u"DEBITACCOUNTFIELD"_s, QString::fromLatin1(first[i][0])},
                             {u"CREDITACCOUNTFIELD"_s, QString::fromLatin1(first[i][1])},
                             {u"RELATEDDETAILDEBITFIELD"_s, QString::fromLatin1(first[i][2])},
                             {u"RELATEDDETAILCREDITFIELD"_s, QString::fromLatin1(first[i][3])}});
             }
         }, [&](Database& old) {
             for (int i = 0; i < 3; ++i) {
                 QStringList shipped = rules(db, vouchers[i]);
                 shipped[0] = u"سند"_s;  // the name the office knew its rule by stays
                 EXPECT_EQ(rules(old, vouchers[i]), shipped) << qPrintable(vouchers[i]);
             }
             EXPECT_EQ(rules(old, vouchers[3]), (QStringList{u"سند"_s, u":dfnAmount"_s, u"5600"_s, u"1200"_s, u":txtNAME"_s,
                                                            u":txtNAME"_s})) << "the office pays these from the bank";
         }},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Database old;
        old.open(dir.filePath(QString::number(&r - rows) + u".db"_s), /*create=*/true);
        if (r.from > 0) {
            Schema::upgrade(old, Schema::steps().mid(0, r.from));
            old.insert(u"Customer"_s, u"CUSTOMERID"_s, {{u"NAME"_s, u"O'Brien, kept"_s}});
        }
        if (r.before)
            r.before(old);
        Schema::upgrade(old, NewDatabase::shippedRows());
        EXPECT_EQ(Schema::version(old), Schema::CurrentVersion);
        EXPECT_EQ(old.execute(u"select * from Customer where NAME = 'O''Brien, kept'"_s).count(), r.from > 0 ? 1 : 0);
        r.after(old);
    }
}
