// Two workstations on one server database, their statements interleaved: the
// second one is in the middle of its own writing when the first one acts.
#include "accounting/PostingScreen.h"
#include "accounting/cAccounting.h"
#include "core/ScreenTag.h"
#include "engine/EngineSetup.h"
#include "engine/ScreenOffice.h"
#include "rental/frmRentCar.h"
#include "support/ScreenChecks.h"

#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

// The other workstation holds the office's write lock with its changes made
// but not committed. This one waits a moment for the lock; when it asks, the
// other has just committed and the operator chooses to wait again.
struct Other {
    Other(const QString& uri, Database& mine)
    {
        db.open(uri);
        db.begin();
        mine.setBusyWait(100);
        mine.setBusyHandling({{}, [this](const QString&) {
                                  ++asked;
                                  db.commit();
                                  return true;
                              }});
    }
    Database db;
    int asked = 0;
};

qint64 count(Database& db, const QString& sql)
{
    return db.execute(sql).value(0, 0).toLongLong();
}

}

// The server ends this workstation's connection, as a restart of it does,
// while the clerk types: the save tells him to press Save again and keeps
// what he typed; the next save opens a new connection and writes it.
TEST(Workstations, AConnectionTheServerDroppedIsMadeAgainAndTheSaveKeepsTheScreen)
{
    ScreenOffice s(SyntheticScreen::Name, true);
    const qint64 key = s.addRecord({{u"NAME"_s, u"read"_s}});
    ASSERT_TRUE(s.read(key));
    s.set("txtNAME", u"typed"_s);
    Database other;
    other.open(s.office.databasePath());
    other.executeBound(u"SELECT pg_terminate_backend(?, 10000)"_s,
                       {s.db().executeBound(u"SELECT pg_backend_pid()"_s, {}).value(0, 0)});

    EXPECT_FALSE(s.save(key));
    EXPECT_EQ(s.value("txtNAME"), u"typed"_s);
    EXPECT_TRUE(s.ui().lastMessage().endsWith(u"Press Save again."_s)) << s.ui().lastMessage().toStdString();
    EXPECT_TRUE(s.save(key)) << s.errorLog().toStdString();
    EXPECT_EQ(s.stored("NAME", key), u"typed"_s);
}

// The record is changed by the other workstation while this one's save waits
// for it: the save, once its turn comes, finds the change and writes nothing.
TEST(Workstations, ASaveAfterTheOtherOnesWaitDoesNotOverwriteIt)
{
    ScreenOffice s(SyntheticScreen::Name, true);
    const qint64 key = s.addRecord({{u"NAME"_s, u"read"_s}, {u"COMMENTS"_s, u"read"_s}});
    ASSERT_TRUE(s.read(key));
    s.set("txtNAME", u"mine"_s);

    Other other(s.office.databasePath(), s.db());
    other.db.command(u"update SYNTHETIC set NAME = 'theirs' where SYNTHID = "_s + QString::number(key));
    s.ui().answers << false;  // do not read the record again
    EXPECT_FALSE(s.save(key));
    EXPECT_EQ(other.asked, 1);
    EXPECT_EQ(s.stored("NAME", key), u"theirs"_s);
    ASSERT_FALSE(s.ui().questions.isEmpty());
    EXPECT_TRUE(s.ui().questions.last().text.startsWith(u"Another user changed this record"_s))
        << s.ui().questions.last().text.toStdString();
    EXPECT_EQ(s.db().transactionDepth(), 0);
}

// The other counter is renting the same free car when this one saves its
// contract: this one waits, then finds the car gone and keeps its contract
// without it.
TEST(Workstations, TheSameFreeCarRentedAtOnceGoesOutOnce)
{
    TestOffice office;
    installEngine(office.state());
    Database& db = office.db();
    const qint64 car = db.insert("car", "carid", {{"name", "سيارة"}, {"PLATENO", "7/77"}, {"METER", 100}, {"FARE", 10},
                                                   {"rented", 0}, {"STOP", 0}});
    const qint64 customer = db.insert("Customer", "CUSTOMERID", {{"name", "عميل"}});
    const qint64 mine = db.insert("RENT", "RENTID", {{"NAME", "عقد"}, {"CUSTOMERID", customer}, {"CARNO", 0},
                                                     {"RETURNED", 0}, {"EXITDATE", 20261201}});
    frmRentCar screen(office.state(), nullptr);
    office.state().screens().adopt("frmRentCar", &screen);
    ScreenTag::set(&screen, "RENTMODE");
    screen.show();
    ASSERT_EQ(ScreenChecks::control<QLineEdit>(&screen, "txtID")->text().toLongLong(), mine);

    Other other(office.databasePath(), db);
    const qint64 theirs = other.db.insert("RENT", "RENTID", {{"NAME", "عقدهم"}, {"CUSTOMERID", customer}, {"CARNO", car},
                                                             {"RETURNED", 0}, {"EXITDATE", 20261201}});
    other.db.command("update car set rented = 1 where carid = " + QString::number(car));
    ScreenChecks::control<QLineEdit>(&screen, "dfnCarNo")->setText(QString::number(car));
    ScreenChecks::control<QLineEdit>(&screen, "dfnMETER")->setText("100");
    ScreenChecks::control<QLineEdit>(&screen, "dfnDailyRent")->setText("10");
    QTest::keyClick(&screen, Qt::Key_F12);

    EXPECT_GE(other.asked, 1);
    const RowSet holders = db.execute("select RENTID from RENT where RETURNED = 0 and CARNO = " + QString::number(car));
    ASSERT_EQ(holders.count(), 1);
    EXPECT_EQ(holders.value(0, 0).toLongLong(), theirs);
    ASSERT_EQ(office.ui().messages.size(), 1);
    EXPECT_TRUE(office.ui().lastMessage().contains(QString::number(theirs))) << office.ui().lastMessage().toStdString();
}

// The connection of the workstation that posts is cut once its journal lines
// are sent, before the commit (its server process ended by the other one):
// nothing of the posting stays, and the voucher's journal keeps its old lines.
TEST(Workstations, APostingCutHalfwayLeavesNothingHalfWritten)
{
    TestOffice office;
    Database& db = office.db();
    const qint64 rule = db.insert("_GLRULE", "GLRULEID",
                                  {{"WINDOWNAME", "frmTestVoucher"}, {"NAME", "قيد"}, {"AMOUNTFIELD", ":dfnAmount"}});
    for (const char* credit : {"4300", "4100"})
        db.insert("_GLRULEDETAIL", "GLRULEDETAILID",
                  {{"GLRULEID", rule}, {"DEBITACCOUNTFIELD", "1100"}, {"CREDITACCOUNTFIELD", QString::fromLatin1(credit)},
                   {"RELATEDDETAILDEBITFIELD", "a"}, {"RELATEDDETAILCREDITFIELD", "b"}});
    qint64 journal = db.insert("JOURNAL", "JOURNALID", {{"NAME", "سند"}});
    for (const int side : {1, 0})
        db.insert("JOURNALDETAIL", "JOURNALDETAILID",
                  {{"JOURNALID", journal}, {"ACCOUNTNUMBER", side ? 1200 : 1100}, {"DEBITORCREDIT", side},
                   {"AMOUNT", 99}, {"RELATEDDETAIL", "قديم"}});
    const qint64 journals = count(db, "select count(*) from JOURNAL");
    const qint64 pid = db.executeBound("SELECT pg_backend_pid()", {}).value(0, 0).toLongLong();

    Database other;
    other.open(office.databasePath());
    int lines = 0;
    db.setStatementHook([&](const QString& sql) {
        if (sql.contains("JOURNALDETAIL", Qt::CaseInsensitive) && sql.startsWith("INSERT", Qt::CaseInsensitive)
            && ++lines == 1)
            other.executeBound("SELECT pg_terminate_backend(?, 10000)", {pid});
    });
    PostingScreen voucher("frmTestVoucher", {{"txtNAME", ""}, {"dfsLICENSENO", ""}, {"dfgCarID", ""}, {"dfnAmount", "20"}});
    EXPECT_FALSE(office.state().service<cAccounting>().DoGLRule(journal, &voucher));
    EXPECT_GT(lines, 0);
    db.setStatementHook({});

    // The same workstation goes on, on a new connection.
    EXPECT_EQ(count(db, "select count(*) from JOURNAL"), journals);
    Database after;
    after.open(office.databasePath());
    EXPECT_EQ(count(after, "select count(*) from JOURNAL"), journals);
    EXPECT_EQ(count(after, "select count(*) from JOURNALDETAIL"), 2);
    EXPECT_EQ(count(after, "select count(*) from JOURNALDETAIL where RELATEDDETAIL = 'قديم' and JOURNALID = "
                               + QString::number(journal)),
              2);
}
