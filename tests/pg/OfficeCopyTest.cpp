#include "core/Database.h"
#include "support/PgCluster.h"
#include "support/ProgramRun.h"
#include "support/TestOffice.h"
#include "support/TestPictures.h"

#include <gtest/gtest.h>

// From the command line: a demo office with a large picture, a blank text in a
// number column and a table of its own goes from a file to a server and back;
// every table is as it was, and each side's new keys come after the copied
// ones. A target with tables, a source of another schema version and a missing
// argument are refused, and the refused target is left as it was.
TEST(OfficeCopy, ThereAndBackFromTheCommandLineLeavesTheSameOffice)
{
    TestOffice office(TestOffice::Engine::SQLite, true, true);
    const qint64 car = office.db().execute("select min(carid) from car").value(0, 0).toLongLong();
    const qint64 picture = office.db().insert("CARPICTURE", "CARPICTUREID", {{"CARID", car}, {"PICTURESEQUENCE", 9}});
    office.db().writeBlob("CARPICTURE", "CARPICTURE", "CARPICTUREID", picture, TestPictures::largePng());
    office.db().executeNative("UPDATE RENT SET CARNO = ' ' WHERE RENTID = (SELECT min(RENTID) FROM RENT)");
    office.db().executeNative("CREATE TABLE tempmessages (MSGID INTEGER PRIMARY KEY AUTOINCREMENT, MESSAGE TEXT, "
                              "AMOUNT REAL, SENT INTEGER)");
    office.db().executeNative("INSERT INTO tempmessages (MESSAGE, AMOUNT, SENT) VALUES ('مرحبا', 12.5, 1), (NULL, NULL, 0)");
    const QString file = office.databasePath(), back = office.file("back.db"), occupied = office.file("occupied.db");
    const QString older = office.file("older.db"), never = office.file("new.db");
    office.db().close();
    for (const auto& [path, sql] : {std::pair{occupied, "CREATE TABLE mine (x INTEGER)"},
                                    {older, "CREATE TABLE _SCHEMAVERSION AS SELECT 1 AS VERSION"}}) {
        Database db;
        db.open(path, true);
        db.executeNative(sql);
    }
    PgCluster& cluster = PgCluster::shared();
    const QString server = cluster.createDatabase(), made = cluster.createDatabase();
    const struct { QStringList args; int status; const char* says; } rows[] = {
        {{"--create-database", made, "--demo"}, 0, "ADMIN"},
        {{"--create-database", made}, 1, "already has tables"},
        {{"--copy-database", file, server}, 0, "CARPICTURE"},
        {{"--copy-database", server, back}, 0, "every table compares equal"},
        {{"--copy-database", file, made}, 1, "already has tables"},
        {{"--copy-database", file, occupied}, 1, "already has tables"},
        {{"--copy-database", older, never}, 1, "schema version 1"},
        {{"--copy-database", file}, 2, "--copy-database needs FROM and TO"},
    };
    for (const auto& r : rows) {
        const ProgramRun run = runProgram(QStringLiteral(IJAR_BINARY), r.args, 300000);
        EXPECT_EQ(run.status, r.status) << r.args.join(' ').toStdString() << ": " << run.err.toStdString();
        EXPECT_TRUE((run.out + run.err).contains(QString::fromUtf8(r.says), Qt::CaseInsensitive))
            << r.args.join(' ').toStdString() << ": " << (run.out + run.err).toStdString();
    }
    // Each copy compared every table with its source (the exit status); here is what it had to carry.
    for (const QString& path : {server, back}) {
        Database db;
        db.open(path);
        EXPECT_EQ(db.execute("select count(*) from tempmessages").value(0, 0).toInt(), 2);
        EXPECT_EQ(db.readBlob("CARPICTURE", "CARPICTURE", "CARPICTUREID", picture), TestPictures::largePng());
        const qint64 highest = db.execute("select max(carid) from car").value(0, 0).toLongLong();
        EXPECT_GT(db.insert("car", "carid", {{"name", "new"}}), highest) << path.toStdString();
        EXPECT_EQ(db.execute("select CARNO from RENT where RENTID = (select min(RENTID) from RENT)").value(0, 0).toInt(), 0);
    }
    Database db;
    db.open(occupied);
    EXPECT_EQ(db.tables(), QStringList{"mine"});
    EXPECT_FALSE(QFile::exists(never));
    for (const QString& uri : {server, made})
        cluster.dropDatabase(uri);
}
