#include "SchemaFixture.h"

#include "shell/base/AppError.h"

#include <QSet>

namespace {

struct TableColumns {
    const char* table;
    const char* columns; // blank-separated
};

// Every table and column that the program's own statements and field accesses
// name, spelled as they spell them.
const TableColumns NamedByStatements[] = {
    {"OPERATOR", "OPERATORID LOGINID PASSWRD operatorname storepassword OPERATORSUSPENDED "
                 "FavouriteWindow EXPIRATIONDATE DISCOUNTPERCENTAGE"},
    {"group_func", "operatorid menu_name command1 command2 command3 command4 command5 command6 "
                   "command7 command8 command9"},
    {"_CONFIG", "entry entryvalue"},
    {"_WINDOWTABLE", "WINDOWTABLEID WINDOWNAME TABLENAME ONOFF TABLEORDER OPENWINDOWDESC"},
    {"_WINDOWTABLEDETAILS", "WINDOWTABLEID WINDOWCONTROL COLUMN TYPE COLUMNLABEL ONOFF IDENTIFIER "
                            "GRIDORDER gridwidth"},
    {"_GRIDTABLE", "GRIDTABLEID WINDOWNAME GRIDNAME TABLENAME ONOFF"},
    {"_GRIDTABLEDETAILS", "GRIDTABLEID GRIDCOLUMNNUMBER Column GRIDLABEL ColumnWidth ONOFF"},
    {"_SCREENCOMBOBOX", "WINDOWNAME COLUMNNAME COMBOBOXVALUE DEFAULT DISPLAYORDER ONOFF"},
    {"_WINDOWVALIDATION", "WINDOWVALIDATIONID WINDOWNAME VALIDATIONTYPEID vldtnname1 vldtnname2 "
                          "ErrorMessage FOCUSFIELDNAME TABNBR ONOFF"},
    {"_screencontrol", "WINDOWNAME CONTROLNAME CONTROLINDEX CONTROLTYPE CONTROLVALUE DIMTOP DIMLEFT "
                       "DIMWIDTH DIMHEIGHT ENABLE HIDE LANGUAGE ONOFF"},
    {"WINDOWTABLE", "WINDOWTABLEID WINDOWNAME TableName"},
    {"WINDOWTABLEDETAILS", "WINDOWTABLEID Column COLUMNLABEL ONOFF DETAILSORDER"},
    {"car", "carid name CREATEDT rented STOP METER PRINTINCONTRACT1 PRINTINCONTRACT2 "
            "PRINTINCONTRACT3 PRINTINCONTRACT4 PRINTINCONTRACT5 PRINTINCONTRACT6"},
    {"CARPICTURE", "CARID PICTURESEQUENCE CARPICTURE"},
    {"Customer", "CUSTOMERID name CREATEDT"},
    {"CUSTOMERPICTURE", "CUSTOMERID CUSTOMERPICTURE"},
    {"EMPLOYEE", "EMPID NAME FLGMANAGER"},
    {"EMPPICTURE", "EMPID OLEMODULE"},
    {"RENT", "RENTID NAME EXITDATE RETURNED"},
    {"CUSTOMERMESSAGE", "CUSTOMERMESSAGEID name"},
    {"_Reminder", "reminderid onoff REMINDERRULENAME Message REMINDERDATE SQLREMINDERLIST "
                  "REMINDERTYPE"},
    {"reminderqueue", "reminderqueueid ERRORMESSAGE reminderid message RELEASEDATE DATEACTIONED"},
    {"_GLRULE", "GLRULEID WINDOWNAME NAME AMOUNTFIELD"},
    {"_GLRULEDETAIL", "GLRULEID DEBITACCOUNTFIELD CREDITACCOUNTFIELD RELATEDDETAILDEBITFIELD "
                      "RELATEDDETAILCREDITFIELD"},
    {"JOURNAL", "JOURNALID AMOUNT NAME TRANSACTIONDATE"},
    {"JOURNALDETAIL", "JOURNALDETAILID TRANSACTIONDATE AMOUNT JOURNALID ACCOUNTNUMBER "
                      "RELATEDDETAIL DEBITORCREDIT"},
    {"chartofaccount", "CHARTOFACCOUNTID NAME ACCOUNTNUMBER ACCOUNTCATEGORYID DESCRIPTION"},
    {"ACCOUNTCATEGORY", "ACCOUNTCATEGORYID NAME"},
    {"_JOURNAL", "JOURNALID USER JOURNALDATE JOURNALTIME JOURNALDESCRIPTION FORM FORMNAME "
                 "MODIFICATIONDESCRIPTION"},
    {"_JOURNALDETAILS", "JOURNALDETAILSID JOURNALID OLDVALUE NEWVALUE CONTROLTYPE CONTROLNAME "
                        "MODIFIED"},
    {"_RPT", "RPTID RPTNAME WINDOWNAME ONOFF displayorder Rptfilename"},
    {"_RPTDETAIL", "RPTID RPTDETAILTYPE ONOFF TABLENBR SQLStatement BINDVARS"},
    {"_SCHEMAVERSION", "VERSION"},
};

// Bound controls of the screens whose columns follow the designer's rule
// (the control name from its fourth character).
const TableColumns BoundControls[] = {
    {"car", "dfcCARTYPE dfsPLATENO dfsBRAND dfcColor dfcSHAPE dfcMAKE dfcGEAR dfsMOTORNO "
            "dfsCHASSISNO dfnMETER dfnFARE dfsComments dfsOWNERNAME dfsOWNERJOB dfsAddress dfsCity "
            "dfsGovern dfsCountry dfsPostalCode dfsTel1 dfsTel2 dfsTel3 dfsMob dfsExt dfsFax "
            "dfsOWNERComments dfcTRAFFIC dfsLICENSENO dfdLICENSEEXPIRY dfcINSURANCETYPE1 "
            "dfsINSURANCE1 dfdINSURANCE1FROM dfdINSURANEDC1DATETTO dfcINSURANCETYPE2 dfsINSURANCE2 "
            "dfdINSURANCE2DATEFROM dfdINSURANCE2DATETO dfsINSURANCECOMMENTS dfcMainType1 "
            "dfnMaintMiles1 dfnEveryDays1 dfnMaintMilesStart1 dfdMaintStart1 dfcMainType2 "
            "dfnMaintMiles2 dfnEveryDays2 dfnMaintMilesStart2 dfdMaintStart2 dfcMainType3 "
            "dfnMaintMiles3 dfnEveryDays3 dfnMaintMilesStart3 dfdMaintStart3 dffRented dffSTOP "
            "dfdCREATEDT dfdLASTTRAN dffPrintinContract1 dffPrintinContract2 dffPrintinContract3 "
            "dffPrintinContract4 dffPrintinContract5 dffPrintinContract6"},
    {"Customer", "dfcTITLE dfsLASTNAME dfsNICKNAME dfcIDType dfnIDNumber dfsIssuePlace "
                 "dfdIssueDate dfcLicenseType dfsHomeCarLicense dfcTrafficDepart "
                 "dfdHomeLicenseExpiry dfcNationality dfcSex dffBlackList dffStopTransaction "
                 "dfdCreationDate dfdLastTransaction dfnBalance dfcReligin dfcMaritalStatus "
                 "dfsReferedBy dfdBirthDate dfsChildren dfsSpouse dfsHomeAddress dfsHomeCity "
                 "dfsHomeGovern dfsHomeCountry dfsHomePostalCode dfsHomeTel1 dfsHomeTel2 "
                 "dfsHomeTel3 dfsHomeMob dfsHomeExt dfsHomeFax dfsHomeEmail dfsHomeWebSite "
                 "dfsHomeComments dfsWorkCompany dfsWorkJob dfsWorkDepartment dfsWorkAssistant "
                 "dfsWorkAddress dfsWorkCity dfsWorkGovern dfsWorkCountry dfsWorkPostalCode "
                 "dfsWorkTel1 dfsWorkTel2 dfsWorkTel3 dfsWorkMob dfsWorkExt dfsWorkFax "
                 "dfsWorkEmail dfsWorkWebsite dfsWorkCarNo dfsWorkCarLicenseNo dfsWorkCarTraffic "
                 "dfsWorkComments"},
    {"RENT", "dfnCustomerid dfcTITLE dfsCustomerNAME dfcIDType dfnIDNumber dfsIssuePlace "
             "dfdIssueDate dfsLICENSENO dfdLicenseExpiryDate dfsLicenseIssuePlace dfcNationality "
             "dfsJob dfsWorkPlace dfsAddress dfsCity dfsGovern dfsTel1 dfsTel2 dfsTel3 dfsMob "
             "dfsExt dfsFax dfnCarNo dfcCARTYPE dfsPlatNo dfsModel dfsCOLOR dfnMETER "
             "dfnDailyRent dfsComments dfdExitDate dftExitTime dfnRentPeriod dfdReturnDate "
             "dfnInsurance dfsDailyRentText dfsInsuranceText dffOpenMeter dffPrintComments "
             "dfdActualReturnDate dftActualReturnTime dfnActualPeriod dfnReturnMeter "
             "dfnPermitted dfnMeterDifference dfnRequiredKilometersDiff dfnRequiredAmount "
             "dfnOtherAmounts dfnTotal dfnPaid dfnRemainder dffReturned dfsSurrenderComments"},
    {"CUSTOMERMESSAGE", "dfsHomeComments"},
    {"_Reminder", "dfdReminderDate dfcFrequency dfnONOFF dfsComments"},
    {"OPERATOR", "dfsLoginId dfgFAVOURITEWINDOW dffStorePassword dffOPERATORSUSPENDED "
                 "dfdEXPIRATIONDATE dfnDISCOUNTPERCENTAGE"},
    {"chartofaccount", "dfnACCOUNTNUMBER dfgACCOUNTCATEGORYID dfsDescription"},
    {"JOURNAL", "dfdTransactionDate dfnAmount dfsNarrative dfgCarID dfsLICENSENO "
                "dfsRelatedDetailDebit dfsRelatedDetailCredit dfgFromAccount dfgToAccount"},
};

// The employee screen's short prefixes: df, cmb, dt, cb.
const char* const EmployeeControls =
    "dfIDNUM dfISSUEEDFROM dtBIRTHDATE dfBIRTHPLACE cmbSEX cmbMARITALSTATUS dfnNOCHILDREN "
    "cmbMILITARYSTATUS cmbQUALIFICATION dfMAJOR dfADDRESS dfHOMEPHONE dfNEARESTPHONE dfMOBILE "
    "cmbDEPARTMENT cmbJOB cmbWORKTYPE dfTIMECARDNO cbFLGMANAGER cmbMANAGERID dtDATEJOINED "
    "dtHIREJOINED dtTERMINATIONDATE dfHeight dfWeight dfDress dfGlove dfHat dfPants dfJacket "
    "dfShirt dfShoe dfChest dfHead dfHeight2 dfNeck dfShoulder dfWaist";

QStringList words(const char* text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QSet<QString> lowerColumns(Database& db, const QString& table)
{
    QSet<QString> result;
    for (const QString& c : db.columnsOf(table))
        result.insert(c.toLower());
    return result;
}

QString employeeColumn(const QString& control)
{
    for (const char* prefix : {"cmb", "dfn", "dt", "cb", "df"}) {
        if (control.startsWith(QLatin1String(prefix)))
            return control.mid(int(qstrlen(prefix))).toUpper();
    }
    return control.toUpper();
}

} // namespace

TEST_F(CreatedSchema, everyTableNamedByTheStatementsHasItsColumns)
{
    for (const TableColumns& entry : NamedByStatements) {
        const QString table = QString::fromLatin1(entry.table);
        ASSERT_TRUE(db().tableExists(table)) << entry.table;
        const QSet<QString> columns = lowerColumns(db(), table);
        for (const QString& column : words(entry.columns))
            EXPECT_TRUE(columns.contains(column.toLower())) << entry.table << "." << qPrintable(column);
    }
}

TEST_F(CreatedSchema, boundControlsFindTheirColumnByTheDesignersRule)
{
    for (const TableColumns& entry : BoundControls) {
        const QSet<QString> columns = lowerColumns(db(), QString::fromLatin1(entry.table));
        for (const QString& control : words(entry.columns))
            EXPECT_TRUE(columns.contains(control.mid(3).toLower()))
                << entry.table << ": " << qPrintable(control);
    }
    const QSet<QString> employee = lowerColumns(db(), QStringLiteral("EMPLOYEE"));
    for (const QString& control : words(EmployeeControls))
        EXPECT_TRUE(employee.contains(employeeColumn(control).toLower())) << qPrintable(control);
}

TEST_F(CreatedSchema, everyTableHasOneIntegerKeyForGrids)
{
    for (const TableDef& table : Schema::tables()) {
        const RowSet info = db().executeBound(
            QStringLiteral("SELECT name, type, pk FROM pragma_table_info(?) WHERE pk > 0"),
            {table.name});
        ASSERT_EQ(info.count(), 1) << qPrintable(table.name);
        EXPECT_EQ(info.text(0, QStringLiteral("type")).toUpper(), QStringLiteral("INTEGER"))
            << qPrintable(table.name);
        EXPECT_EQ(info.text(0, QStringLiteral("name")), table.keyColumn()) << qPrintable(table.name);
    }
}

TEST_F(CreatedSchema, ledgerRuleColumnsLiveInOnlyOneOfTheJoinedTables)
{
    // The posting reads header and detail as one row by column name.
    const QSet<QString> header = lowerColumns(db(), QStringLiteral("_GLRULE"));
    const QSet<QString> detail = lowerColumns(db(), QStringLiteral("_GLRULEDETAIL"));
    for (const char* column : {"amountfield", "name", "debitaccountfield", "creditaccountfield",
                               "relateddetaildebitfield", "relateddetailcreditfield"})
        EXPECT_NE(header.contains(QLatin1String(column)), detail.contains(QLatin1String(column)))
            << column;
}

TEST_F(CreatedSchema, theStatementsOfTheProgramRunOnANewDatabase)
{
    // Word for word as the screens and services send them (values filled in).
    const char* const statements[] = {
        "select * from operator WHERE loginid  = 'ADMIN'",
        "select OPERATORID FROM OPERATOR WHERE LOGINID = 'ADMIN'",
        "select operatorname FROM OPERATOR WHERE operatorid = 1 ",
        "select favouritewindow from operator where loginid = 'ADMIN'",
        "select count(*) as CountOp from operator",
        "select * from _CONFIG where entry = 'APPTITLE'",
        "insert into  _CONFIG (entryvalue,entry) values ('x','NEWENTRY')",
        "update _CONFIG set entryvalue = 'y' where entry = 'NEWENTRY'",
        "select * from group_func where operatorid  = 1 and menu_name = 'F3M'",
        "select * from group_func where operatorid = 1 order by menu_name asc",
        "delete from group_func where operatorid = 99",
        "select windowname as  [Name:], OPENWINDOWDESC as [Description] from _windowtable  order by OPENWINDOWDESC",
        "select * from _WINDOWTABLE where WINDOWNAME = 'frmCars' and ONOFF = 1 order by TABLEORDER",
        "select * from _WINDOWTABLEDETAILS where WINDOWTABLEID =  1 and ONOFF = 1 and IDENTIFIER = 0 ",
        "select WT.TABLENAME , WTD.* from _WINDOWTABLE WT , _WINDOWTABLEDETAILS WTD WHERE WTD.WINDOWTABLEID = WT.WINDOWTABLEID and WT.WINDOWNAME = 'frmCars' AND WTD.ONOFF = 1 and gridorder > 0 ORDER BY GRIDORDER ASC",
        "select * from _GRIDTABLE where WINDOWNAME = 'F1M0' and  GRIDNAME = 'datagrid1' and ONOFF = 1 ",
        "select * from _GRIDTABLEDETAILS WHERE ONOFF = 1 AND GRIDTABLEID = 1 ORDER BY GRIDCOLUMNNUMBER",
        "select default, comboboxvalue,displayorder from _screencombobox where columnname = 'dfcCARTYPE' and windowname = 'frmCars'  and onoff = 1 order by displayorder",
        "select * from _WINDOWVALIDATION where WINDOWNAME = 'frmCars' and onoff = 1",
        "select *  FROM _WINDOWVALIDATION WHERE WINDOWVALIDATIONID = 1",
        "select * from _windowtabledetails where windowtableid = (select windowtableid from _windowtable where windowname = 'frmCars' ) order by gridorder  desc",
        "delete * from _screencontrol where windowname = 'frmCars'",
        "select top 1 RENTID from RENT Where Returned = 0",
        "update car set rented = 1 , METER =  100 where carid = 1",
        "update RENT set  RETURNED = 1 WHERE RENTID = 1",
        "select top 1 carid from car WHERE RENTED = 0  and STOP = 0 order by carid,name",
        "select PRINTINCONTRACT1,PRINTINCONTRACT2,PRINTINCONTRACT3,PRINTINCONTRACT4,PRINTINCONTRACT5,PRINTINCONTRACT6 from car where carid = 1",
        "select * from CARPICTURE  WHERE PICTURESEQUENCE = 1 AND CARID = 1",
        "select * from CUSTOMERPICTURE  WHERE CUSTOMERID = 1",
        "select * from EMPPICTURE  WHERE EMPID = 1",
        "select NAME as [الااسم ] , EMPID as [ID:] from EMPLOYEE where FLGMANAGER = 1 ",
        "select top 1 CUSTOMERMESSAGEID from CUSTOMERMESSAGE ",
        "select * from _Reminder where onoff = 1",
        "insert into reminderqueue (ERRORMESSAGE,reminderid,message,RELEASEDATE,DATEACTIONED) values ('m',1,'  rule',20030101,20030101)",
        "select * from REMINDERQUEUE  ",
        "delete from reminderqueue where reminderqueueid = 1",
        "SELECT [_GLRULEDETAIL].*, [_GLRULE].*  FROM _GLRULE INNER JOIN _GLRULEDETAIL ON [_GLRULE].GLRULEID = [_GLRULEDETAIL].GLRULEID  WHERE ((([_GLRULE].WINDOWNAME)= 'frmIncomeRent'))",
        "delete from journaldetail where journalid = 1",
        "select * from JOURNALDETAIL WHERE JOURNALID = 1",
        "select max(accountnumber) + 1 as acctnbr from chartofaccount ",
        "select  ACCOUNTCATEGORYID as [كود النوع] , NAME as [نوع الحساب ]  from ACCOUNTCATEGORY ",
        "select  name as [اسم الحساب] , accountnumber as [رقم الحساب]  from chartofaccount ",
        "select  name as [Car] , carid as [Car # ]  from car ",
        "select * from JOURNAL where TRANSACTIONDATE BETWEEN 20030101 AND 20031231",
        "select * from _journal j, _journaldetails jd where j.journalid = jd.journalid  and j.journalid = 1",
        "select * from _JOURNAL where JOURNALDATE between  20030101 and 20031231 and user = 'ADMIN'  and JOURNALDESCRIPTION LIKE '%%'",
        "select rptid, RPTNAME FROM _RPT where onoff = 1 and windowname = 'frmRentCar' order by displayorder",
        "SELECT * FROM _RPTDETAIL WHERE RPTDETAILTYPE < 0 and RPTID = 1 AND ONOFF = 1  ORDER BY RPTDETAILTYPE ",
        "SELECT * FROM _RPTDETAIL WHERE RPTDETAILTYPE = 0 and RPTID = 1 AND ONOFF = 1  ORDER BY TABLENBR ",
        "select WT.TABLENAME , WTD.* from WINDOWTABLE WT , WINDOWTABLEDETAILS WTD WHERE WTD.WINDOWTABLEID = WT.WINDOWTABLEID and WT.WINDOWNAME = 'F3M0' AND WTD.ONOFF = 1 ORDER BY DETAILSORDER",
    };
    for (const char* statement : statements) {
        try {
            db().execute(QString::fromUtf8(statement));
        } catch (const AppError& e) {
            ADD_FAILURE() << statement << "\n  " << qPrintable(e.description());
        }
    }
}

TEST_F(CreatedSchema, textComparesWithoutRegardToCase)
{
    db().insert(QStringLiteral("OPERATOR"), QStringLiteral("OPERATORID"),
                {{QStringLiteral("LOGINID"), QStringLiteral("ADMIN")}});
    db().insert(QStringLiteral("_CONFIG"), QStringLiteral("CONFIGID"),
                {{QStringLiteral("entry"), QStringLiteral("APPTITLE")},
                 {QStringLiteral("entryvalue"), QStringLiteral("x")}});

    const struct {
        const char* statement;
        int rows;
    } cases[] = {
        {"select * from operator WHERE loginid  = 'admin'", 1},
        {"select * from OPERATOR where LOGINID = 'Admin'", 1},
        {"select * from _CONFIG where entry = 'apptitle'", 1},
        {"select * from operator where loginid like 'adm%'", 1},
        {"select * from operator WHERE loginid  = 'admin2'", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(db().execute(QString::fromLatin1(c.statement)).count(), c.rows) << c.statement;
}

TEST_F(CreatedSchema, aRowMadeByTheNewRecordDialogStartsNotReturnedAndNotRented)
{
    // New inserts only the name and a date; the load and open filters
    // (RETURNED = 0, RENTED = 0 and STOP = 0) must find the new row.
    db().insert(QStringLiteral("RENT"), QStringLiteral("RENTID"),
                {{QStringLiteral("NAME"), QStringLiteral("c1")},
                 {QStringLiteral("EXITDATE"), 20240101}});
    db().insert(QStringLiteral("car"), QStringLiteral("carid"),
                {{QStringLiteral("name"), QStringLiteral("a car")}});
    EXPECT_EQ(db().execute(QStringLiteral("select * from RENT Where Returned = 0")).count(), 1);
    EXPECT_EQ(db().execute(QStringLiteral("select * from car WHERE RENTED = 0  and STOP = 0")).count(), 1);

    // A metadata row is in force unless switched off.
    db().insert(QStringLiteral("_WINDOWTABLE"), QStringLiteral("WINDOWTABLEID"),
                {{QStringLiteral("WINDOWNAME"), QStringLiteral("frmCars")},
                 {QStringLiteral("TABLENAME"), QStringLiteral("car")}});
    EXPECT_EQ(db().execute(QStringLiteral("select TABLENAME from _WINDOWTABLE where WINDOWNAME = "
                                          "'frmCars' and onoff = 1"))
                  .count(),
              1);
}

TEST_F(CreatedSchema, storedFormsSurviveTheRoundTrip)
{
    const qint64 id = db().insert(
        QStringLiteral("_JOURNAL"), QStringLiteral("JOURNALID"),
        {{QStringLiteral("USER"), QStringLiteral("ADMIN")},
         {QStringLiteral("JOURNALDATE"), 20031231},
         {QStringLiteral("JOURNALTIME"), QStringLiteral("093000")}});
    const RowSet row = db().execute(QStringLiteral("select * from _JOURNAL where JOURNALID = %1").arg(id));
    ASSERT_EQ(row.count(), 1);
    // A time keeps its leading zero; a date compares as a number.
    EXPECT_EQ(row.text(0, QStringLiteral("JOURNALTIME")), QStringLiteral("093000"));
    EXPECT_EQ(db().execute(QStringLiteral("select * from _JOURNAL where JOURNALDATE between  "
                                          "20030101 and 20031231"))
                  .count(),
              1);
    EXPECT_EQ(db().execute(QStringLiteral("select * from _JOURNAL where JOURNALDATE > 20031230 + 1"))
                  .count(),
              0);

    db().insert(QStringLiteral("JOURNALDETAIL"), QStringLiteral("JOURNALDETAILID"),
                {{QStringLiteral("AMOUNT"), 12.345}, {QStringLiteral("JOURNALID"), id}});
    EXPECT_DOUBLE_EQ(db().execute(QStringLiteral("select AMOUNT from JOURNALDETAIL")).value(0, 0).toDouble(),
                     12.345);
}

TEST_F(CreatedSchema, keysGoBeyondSixteenAndThirtyTwoBits)
{
    const qint64 big = Q_INT64_C(5000000000);
    db().insert(QStringLiteral("JOURNAL"), QStringLiteral("JOURNALID"),
                {{QStringLiteral("JOURNALID"), big}, {QStringLiteral("NAME"), QStringLiteral("a")}});
    const qint64 next = db().insert(QStringLiteral("JOURNAL"), QStringLiteral("JOURNALID"),
                                    {{QStringLiteral("NAME"), QStringLiteral("b")}});
    EXPECT_EQ(next, big + 1);
}

TEST_F(CreatedSchema, deletedKeysAreNotHandedOutAgain)
{
    // A journal entry names its record's screen by key; a reused key would
    // point old entries at a new record.
    const qint64 first = db().insert(QStringLiteral("car"), QStringLiteral("carid"),
                                     {{QStringLiteral("name"), QStringLiteral("a")}});
    db().command(QStringLiteral("delete * from car where carid = %1").arg(first));
    const qint64 second = db().insert(QStringLiteral("car"), QStringLiteral("carid"),
                                      {{QStringLiteral("name"), QStringLiteral("b")}});
    EXPECT_GT(second, first);
}

TEST_F(CreatedSchema, theFiltersOfTheScreensHaveIndexes)
{
    const struct {
        const char* table;
        const char* column;
    } filtered[] = {
        {"OPERATOR", "LOGINID"},        {"group_func", "operatorid"},
        {"_CONFIG", "entry"},           {"_WINDOWTABLE", "WINDOWNAME"},
        {"_WINDOWTABLEDETAILS", "WINDOWTABLEID"}, {"_GRIDTABLEDETAILS", "GRIDTABLEID"},
        {"_SCREENCOMBOBOX", "WINDOWNAME"}, {"_WINDOWVALIDATION", "WINDOWNAME"},
        {"JOURNALDETAIL", "JOURNALID"}, {"_JOURNALDETAILS", "JOURNALID"},
        {"_JOURNAL", "JOURNALDATE"},    {"_RPTDETAIL", "RPTID"},
        {"CARPICTURE", "CARID"},        {"RENT", "RETURNED"},
    };
    for (const auto& f : filtered) {
        // The column leads one of the table's indexes.
        const RowSet rows = db().executeBound(
            QStringLiteral("SELECT ii.name FROM pragma_index_list(?) il, pragma_index_info(il.name) ii "
                           "WHERE ii.seqno = 0 AND ii.name = ? COLLATE NOCASE"),
            {QString::fromLatin1(f.table), QString::fromLatin1(f.column)});
        EXPECT_FALSE(rows.isEmpty()) << f.table << "." << f.column;
    }
}
