#include "core/AppError.h"
#include "core/Database.h"
#include "office/OfficeCopy.h"
#include "support/PgCluster.h"
#include "support/TestOffice.h"
#include "support/TestPictures.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Every table's rows and checksum, by lower-case name.
QMap<QString, OfficeCopy::Sum> sums(const QString& path)
{
    Database db;
    db.open(path);
    QMap<QString, OfficeCopy::Sum> all;
    for (const QString& table : db.tables())
        all.insert(table.toLower(), OfficeCopy::checksum(db, table));
    return all;
}

}

// A demo office with a large picture and a blank text in a number column goes
// to the server and back to a file: every table is as it was, and each side's
// new keys come after the copied ones.
TEST(OfficeCopy, ThereAndBackLeavesTheSameOffice)
{
    TestOffice office(TestOffice::Engine::SQLite, true, true);
    const qint64 car = office.db().execute("select min(carid) from car").value(0, 0).toLongLong();
    const qint64 picture = office.db().insert("CARPICTURE", "CARPICTUREID", {{"CARID", car}, {"PICTURESEQUENCE", 9}});
    office.db().writeBlob("CARPICTURE", "CARPICTURE", "CARPICTUREID", picture, TestPictures::largePng());
    office.db().executeNative("UPDATE RENT SET CARNO = ' ' WHERE RENTID = (SELECT min(RENTID) FROM RENT)");
    // A table of the office's own making, which the schema does not know.
    office.db().executeNative("CREATE TABLE tempmessages (MSGID INTEGER PRIMARY KEY AUTOINCREMENT, MESSAGE TEXT, "
                              "AMOUNT REAL, SENT INTEGER)");
    office.db().executeNative("INSERT INTO tempmessages (MESSAGE, AMOUNT, SENT) VALUES ('مرحبا', 12.5, 1), (NULL, NULL, 0)");
    const QString file = office.databasePath();
    office.db().close();

    const QString server = PgCluster::shared().createDatabase();
    QStringList progress;
    const QList<OfficeCopy::TableCheck> there =
        OfficeCopy::copy(file, server, [&progress](const QString& line) { progress << line; });
    const QString back = office.file("back.db");
    const QList<OfficeCopy::TableCheck> andBack = OfficeCopy::copy(server, back);

    ASSERT_FALSE(there.isEmpty());
    for (const auto& checks : {there, andBack})
        for (const OfficeCopy::TableCheck& c : checks)
            EXPECT_TRUE(c.same()) << c.table.toStdString();
    EXPECT_FALSE(progress.filter("CARPICTURE", Qt::CaseInsensitive).isEmpty());

    const auto before = sums(file), after = sums(back);
    EXPECT_EQ(before.keys(), after.keys());
    for (const QString& table : before.keys()) {
        EXPECT_EQ(before[table].rows, after[table].rows) << table.toStdString();
        EXPECT_EQ(before[table].hash, after[table].hash) << table.toStdString();
    }
    EXPECT_GT(before["rent"].rows, 0);
    EXPECT_EQ(before["tempmessages"].rows, 2);

    for (const QString& path : {server, back}) {
        Database db;
        db.open(path);
        EXPECT_EQ(db.readBlob("CARPICTURE", "CARPICTURE", "CARPICTUREID", picture), TestPictures::largePng());
        const qint64 highest = db.execute("select max(carid) from car").value(0, 0).toLongLong();
        EXPECT_GT(db.insert("car", "carid", {{"name", "new"}}), highest) << path.toStdString();
        EXPECT_EQ(db.execute("select CARNO from RENT where RENTID = (select min(RENTID) from RENT)").value(0, 0).toInt(), 0);
    }
    PgCluster::shared().dropDatabase(server);
}

// A target that holds tables is refused and left as it was; so is a source of
// another schema version.
TEST(OfficeCopy, RefusesWhatItCannotCopyInto)
{
    TestOffice office(TestOffice::Engine::SQLite, false, false);
    const QString occupiedServer = PgCluster::shared().createOffice(false);
    const QString occupiedFile = office.file("occupied.db");
    {
        Database db;
        db.open(occupiedFile, true);
        db.executeNative("CREATE TABLE mine (x INTEGER)");
    }
    QTemporaryDir dir;
    const QString older = dir.filePath("older.db");
    {
        Database db;
        db.open(older, true);
        db.executeNative("CREATE TABLE _SCHEMAVERSION (VERSION INTEGER)");
        db.executeNative("INSERT INTO _SCHEMAVERSION VALUES (1)");
    }
    const struct { QString from, to; int refusal; } rows[] = {
        {office.databasePath(), occupiedServer, OfficeCopy::TargetHasTables},
        {office.databasePath(), occupiedFile, OfficeCopy::TargetHasTables},
        {older, dir.filePath("new.db"), OfficeCopy::OtherVersion},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.to.toStdString());
        try {
            OfficeCopy::copy(r.from, r.to);
            ADD_FAILURE() << "copied";
        } catch (const AppError& e) {
            EXPECT_EQ(e.number(), r.refusal) << e.description().toStdString();
        }
    }
    Database db;
    db.open(occupiedFile);
    EXPECT_EQ(db.tables(), QStringList{"mine"});
    EXPECT_FALSE(QFile::exists(dir.filePath("new.db")));
    PgCluster::shared().dropDatabase(occupiedServer);
}
