#include "schema/NewDatabase.h"
#include "schema/Schema.h"
#include "shell/base/AppError.h"
#include "shell/base/Cipher.h"
#include "shell/base/Database.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>

using namespace Qt::StringLiterals;

namespace {

// Every table and its columns that the program's statements and the screens' bound controls name, as they spell them.
const char* const NamedColumns =
    "OPERATOR: OPERATORID LOGINID PASSWRD operatorname storepassword OPERATORSUSPENDED FavouriteWindow EXPIRATIONDATE "
    "DISCOUNTPERCENTAGE; group_func: operatorid menu_name command1 command2 command3 command4 command5 command6 command7 "
    "command8 command9; _CONFIG: entry entryvalue; _WINDOWTABLE: WINDOWTABLEID WINDOWNAME TABLENAME ONOFF TABLEORDER "
    "OPENWINDOWDESC; _WINDOWTABLEDETAILS: WINDOWTABLEID WINDOWCONTROL COLUMN TYPE COLUMNLABEL ONOFF IDENTIFIER GRIDORDER "
    "gridwidth; _GRIDTABLE: GRIDTABLEID WINDOWNAME GRIDNAME TABLENAME ONOFF; _GRIDTABLEDETAILS: GRIDTABLEID "
    "GRIDCOLUMNNUMBER Column GRIDLABEL ColumnWidth ONOFF; _SCREENCOMBOBOX: WINDOWNAME COLUMNNAME COMBOBOXVALUE DEFAULT "
    "DISPLAYORDER ONOFF; _WINDOWVALIDATION: WINDOWVALIDATIONID WINDOWNAME VALIDATIONTYPEID vldtnname1 vldtnname2 "
    "ErrorMessage FOCUSFIELDNAME TABNBR ONOFF; _screencontrol: WINDOWNAME CONTROLNAME CONTROLINDEX CONTROLTYPE "
    "CONTROLVALUE DIMTOP DIMLEFT DIMWIDTH DIMHEIGHT ENABLE HIDE LANGUAGE ONOFF; WINDOWTABLE: WINDOWTABLEID WINDOWNAME "
    "TableName; WINDOWTABLEDETAILS: WINDOWTABLEID Column COLUMNLABEL ONOFF DETAILSORDER; car: carid name CREATEDT rented "
    "STOP METER PRINTINCONTRACT1 PRINTINCONTRACT2 PRINTINCONTRACT3 PRINTINCONTRACT4 PRINTINCONTRACT5 PRINTINCONTRACT6 "
    "CARTYPE PLATENO BRAND Color SHAPE MAKE GEAR MOTORNO CHASSISNO FARE Comments OWNERNAME OWNERJOB Address City Govern "
    "Country PostalCode Tel1 Tel2 Tel3 Mob Ext Fax OWNERComments TRAFFIC LICENSENO LICENSEEXPIRY INSURANCETYPE1 "
    "INSURANCE1 INSURANCE1FROM INSURANEDC1DATETTO INSURANCETYPE2 INSURANCE2 INSURANCE2DATEFROM INSURANCE2DATETO "
    "INSURANCECOMMENTS MainType1 MaintMiles1 EveryDays1 MaintMilesStart1 MaintStart1 MainType2 MaintMiles2 EveryDays2 "
    "MaintMilesStart2 MaintStart2 MainType3 MaintMiles3 EveryDays3 MaintMilesStart3 MaintStart3 LASTTRAN; CARPICTURE: "
    "CARID PICTURESEQUENCE CARPICTURE; Customer: CUSTOMERID name CREATEDT TITLE LASTNAME NICKNAME IDType IDNumber "
    "IssuePlace IssueDate LicenseType HomeCarLicense TrafficDepart HomeLicenseExpiry Nationality Sex BlackList "
    "StopTransaction CreationDate LastTransaction Balance Religin MaritalStatus ReferedBy BirthDate Children Spouse "
    "HomeAddress HomeCity HomeGovern HomeCountry HomePostalCode HomeTel1 HomeTel2 HomeTel3 HomeMob HomeExt HomeFax "
    "HomeEmail HomeWebSite HomeComments WorkCompany WorkJob WorkDepartment WorkAssistant WorkAddress WorkCity WorkGovern "
    "WorkCountry WorkPostalCode WorkTel1 WorkTel2 WorkTel3 WorkMob WorkExt WorkFax WorkEmail WorkWebsite WorkCarNo "
    "WorkCarLicenseNo WorkCarTraffic WorkComments; CUSTOMERPICTURE: CUSTOMERID CUSTOMERPICTURE; EMPLOYEE: EMPID NAME "
    "FLGMANAGER IDNUM ISSUEEDFROM BIRTHDATE BIRTHPLACE SEX MARITALSTATUS NOCHILDREN MILITARYSTATUS QUALIFICATION MAJOR "
    "ADDRESS HOMEPHONE NEARESTPHONE MOBILE DEPARTMENT JOB WORKTYPE TIMECARDNO MANAGERID DATEJOINED HIREJOINED "
    "TERMINATIONDATE HEIGHT WEIGHT DRESS GLOVE HAT PANTS JACKET SHIRT SHOE CHEST HEAD HEIGHT2 NECK SHOULDER WAIST; "
    "EMPPICTURE: EMPID OLEMODULE; RENT: RENTID NAME EXITDATE RETURNED Customerid TITLE CustomerNAME IDType IDNumber "
    "IssuePlace IssueDate LICENSENO LicenseExpiryDate LicenseIssuePlace Nationality Job WorkPlace Address City Govern "
    "Tel1 Tel2 Tel3 Mob Ext Fax CarNo CARTYPE PlatNo Model COLOR METER DailyRent Comments ExitTime RentPeriod ReturnDate "
    "Insurance DailyRentText InsuranceText OpenMeter PrintComments ActualReturnDate ActualReturnTime ActualPeriod "
    "ReturnMeter Permitted MeterDifference RequiredKilometersDiff RequiredAmount OtherAmounts Total Paid Remainder "
    "SurrenderComments; CUSTOMERMESSAGE: CUSTOMERMESSAGEID name HomeComments; _Reminder: reminderid onoff "
    "REMINDERRULENAME Message REMINDERDATE SQLREMINDERLIST REMINDERTYPE Frequency Comments; reminderqueue: "
    "reminderqueueid ERRORMESSAGE reminderid message RELEASEDATE DATEACTIONED; _GLRULE: GLRULEID WINDOWNAME NAME "
    "AMOUNTFIELD; _GLRULEDETAIL: GLRULEID DEBITACCOUNTFIELD CREDITACCOUNTFIELD RELATEDDETAILDEBITFIELD "
    "RELATEDDETAILCREDITFIELD; JOURNAL: JOURNALID AMOUNT NAME TRANSACTIONDATE Narrative CarID LICENSENO "
    "RelatedDetailDebit RelatedDetailCredit FromAccount ToAccount; JOURNALDETAIL: JOURNALDETAILID TRANSACTIONDATE AMOUNT "
    "JOURNALID ACCOUNTNUMBER RELATEDDETAIL DEBITORCREDIT; chartofaccount: CHARTOFACCOUNTID NAME ACCOUNTNUMBER "
    "ACCOUNTCATEGORYID DESCRIPTION; ACCOUNTCATEGORY: ACCOUNTCATEGORYID NAME; _JOURNAL: JOURNALID USER JOURNALDATE "
    "JOURNALTIME JOURNALDESCRIPTION FORM FORMNAME MODIFICATIONDESCRIPTION; _JOURNALDETAILS: JOURNALDETAILSID JOURNALID "
    "OLDVALUE NEWVALUE CONTROLTYPE CONTROLNAME MODIFIED; _RPT: RPTID RPTNAME WINDOWNAME ONOFF displayorder Rptfilename; "
    "_RPTDETAIL: RPTID RPTDETAILTYPE ONOFF TABLENBR SQLStatement BINDVARS; _SCHEMAVERSION: VERSION";

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

TEST_F(NewDatabaseTest, everyNamedColumnExistsAndEveryTableHasOneIntegerKey)
{
    for (const QString& entry : QString::fromLatin1(NamedColumns).split(u';')) {
        const QStringList named = entry.split(u' ', Qt::SkipEmptyParts), columns = db.columnsOf(named[0].chopped(1));
        ASSERT_FALSE(columns.isEmpty()) << qPrintable(named[0]);
        for (const QString& column : named.mid(1))
            EXPECT_TRUE(columns.contains(column, Qt::CaseInsensitive)) << qPrintable(named[0] + column);
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

TEST_F(NewDatabaseTest, configurationDefaultsAndAdminWithEveryMenuRight)
{
    const struct { const char* entry; const char* value; } defaults[] = {
        {"APPTITLE", "إيجار - تأجير السيارات"}, {"LICENSEDESCRIPTION", "Ijar - car rental front office"}, {"EMAILADDRESS", ""},
        {"WEBSITEADDRESS", ""}, {"SHOWERRORS", "1"}, {"USEROUTER", "0"}, {"SHOWSCREENNAME", "0"}, {"SHOWFIELDNAME", "0"},
        {"EXTRAMILESFLAT", "0"}, {"EXTRAMILESPERCENT", "0"}, {"POUND", "دينار كويتي"}, {"TWOPOUNDS", "ديناران كويتيان"},
        {"POUNDS", "دنانير كويتية"}, {"FILS", "فلس"},
    };
    for (const auto& e : defaults) {
        const RowSet rows = db.execute(u"select * from _CONFIG where entry = '%1'"_s.arg(QLatin1String(e.entry)));
        const bool one = rows.count() == 1 && !rows.value(0, u"entryvalue"_s).isNull();  // a null would read as "0"
        EXPECT_EQ(one ? rows.text(0, u"entryvalue"_s) : u"(missing)"_s, QString::fromUtf8(e.value)) << e.entry;
    }
    EXPECT_EQ(count(u"select * from _CONFIG"_s), int(std::size(defaults)));

    const RowSet admin = db.execute(u"select * from operator WHERE loginid  = 'ADMIN'"_s);
    ASSERT_EQ(admin.count(), 1);
    EXPECT_EQ(count(u"select * from OPERATOR"_s), 1);
    EXPECT_EQ(Cipher::Decrypt(admin.text(0, u"PASSWRD"_s)), u"ADMIN"_s);
    EXPECT_EQ(admin.value(0, u"storepassword"_s).toInt() + admin.value(0, u"OPERATORSUSPENDED"_s).toInt(), 0);
    const RowSet rights = db.execute(u"select * from group_func where operatorid = %1 order by menu_name asc"_s
                                         .arg(admin.value(0, u"OPERATORID"_s).toLongLong()));
    ASSERT_EQ(rights.count(), 5);
    for (int row = 0; row < 5; ++row) {
        EXPECT_EQ(rights.text(row, u"menu_name"_s), u"F%1M"_s.arg(row + 1));
        for (int button = 1; button <= 9; ++button)
            EXPECT_EQ(rights.value(row, u"command%1"_s.arg(button)).toInt(), 1) << "row " << row << " button " << button;
    }
}

TEST_F(NewDatabaseTest, currentSchemaWithoutBusinessRowsAndTheDemoOfficeCanRentEveryCar)
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
    EXPECT_TRUE(cars >= 3 && demo.execute(u"select * from car WHERE RENTED = 0  and STOP = 0"_s).count() == cars) << cars;
    EXPECT_GE(demo.execute(u"select NAME as [الاسم ] , EMPID as [ID:] from EMPLOYEE where FLGMANAGER = 1 "_s).count(), 1);
    EXPECT_EQ(demo.execute(u"select * from OPERATOR"_s).count(), 1);
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
    db.insert(u"_WINDOWTABLE"_s, u"WINDOWTABLEID"_s, {{u"WINDOWNAME"_s, u"frmCars"_s}, {u"TABLENAME"_s, u"car"_s}});
    EXPECT_EQ(count(u"select * from RENT Where Returned = 0"_s), 1);
    EXPECT_EQ(count(u"select * from car WHERE RENTED = 0  and STOP = 0"_s), 1);
    EXPECT_EQ(count(u"select TABLENAME from _WINDOWTABLE where WINDOWNAME = 'frmCars' and onoff = 1"_s), 1);
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

    QList<SchemaStep> steps()
    {
        const char* const changes[] = {
            "ALTER TABLE [car] ADD COLUMN [VIN] TEXT COLLATE NOCASE",
            "CREATE TABLE [FUELLOG] ([FUELLOGID] INTEGER PRIMARY KEY AUTOINCREMENT, [CARID] INTEGER, [LITRES] REAL)",
            "CREATE INDEX [IX_FUELLOG_CARID] ON [FUELLOG] ([CARID])",
        };
        QList<SchemaStep> result = Schema::steps();
        for (int version = 2; version <= 4; ++version)
            result << SchemaStep{version, u"step %1"_s.arg(version), [this, version, sql = changes[version - 2]](Database& db) {
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
    History history;
    history.failAt = 2;  // the first step fails: nothing changes
    EXPECT_THROW(Schema::upgrade(db, history.steps()), AppError);
    EXPECT_TRUE(Schema::version(db) == 1 && !hasVin());
    history.failAt = 3;  // a later step fails: undone, the version stays at the last good step
    try {
        Schema::upgrade(db, history.steps());
        ADD_FAILURE() << "the failing step did not throw";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.description().contains(u"boom"_s)) << qPrintable(e.description());
    }
    EXPECT_TRUE(Schema::version(db) == 2 && hasVin() && !db.tableExists(u"FUELLOG"_s) && db.transactionDepth() == 0);
    EXPECT_EQ(history.runs, (Runs{{2, 2}, {3, 1}}));
    history.failAt = 0;  // once mended, the upgrade carries on from where it stopped, and a second run finds nothing
    Schema::upgrade(db, history.steps());
    Schema::upgrade(db, history.steps());
    EXPECT_EQ(Schema::version(db), 4);
    EXPECT_EQ(history.runs, (Runs{{2, 2}, {3, 2}, {4, 1}}));
    EXPECT_THROW(Schema::upgrade(db), AppError) << "a database newer than the program";
    EXPECT_EQ(Schema::version(db), 4);
}

TEST_F(NewDatabaseTest, aHistoryWithAGapIsRefusedAndAnEmptyDatabaseUpgradesToTheCurrentSchema)
{
    History history;
    QList<SchemaStep> steps = history.steps();
    steps.removeAt(2);  // 1, 2, 4
    EXPECT_THROW(Schema::upgrade(db, steps), AppError);
    EXPECT_TRUE(history.runs.empty());
    EXPECT_THROW(Schema::create(db), AppError) << "a database that has a schema";
    EXPECT_EQ(Schema::version(db), 1);
    EXPECT_EQ(count(u"select * from _SCHEMAVERSION"_s), 1);

    Database empty;
    empty.open(dir.filePath(u"empty.db"_s), /*create=*/true);
    EXPECT_EQ(Schema::version(empty), 0);
    Schema::upgrade(empty);
    EXPECT_EQ(Schema::version(empty), Schema::CurrentVersion);
    for (const TableDef& table : Schema::tables())
        EXPECT_TRUE(empty.tableExists(table.name)) << qPrintable(table.name);
}
