#include "shell/base/AppError.h"
#include "shell/base/Database.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.filePath(QStringLiteral("t.db"));
        db.open(path, true);
        db.executeNative(QStringLiteral(
            "CREATE TABLE item (ITEMID INTEGER PRIMARY KEY AUTOINCREMENT, NAME TEXT COLLATE NOCASE, "
            "AMOUNT REAL, PICTURE BLOB, [default] INTEGER)"));
    }

    QTemporaryDir dir;
    QString path;
    Database db;
};

TEST_F(DatabaseTest, MissingFileIsRefusedAndNotCreated)
{
    Database other;
    const QString missing = dir.filePath(QStringLiteral("missing.db"));
    EXPECT_THROW(other.open(missing), AppError);
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_FALSE(other.isOpen());
}

TEST_F(DatabaseTest, FileThatIsNotADatabaseIsRefused)
{
    const QString junk = dir.filePath(QStringLiteral("junk.db"));
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(4096, 'x'));
    f.close();
    Database other;
    EXPECT_THROW(other.open(junk), AppError);
    EXPECT_FALSE(other.isOpen());
}

TEST_F(DatabaseTest, InsertKeepsEveryValueWholeAndReturnsTheKey)
{
    const QStringList names = {QStringLiteral("a,b,,c"), QStringLiteral("O'Brien"), QStringLiteral("محمد, علي"),
                               QStringLiteral("' or 1=1 --"), QString(500, QLatin1Char('x'))};
    QList<qint64> keys;
    for (const QString& n : names)
        keys << db.insert(QStringLiteral("item"), QStringLiteral("ITEMID"),
                          {{QStringLiteral("NAME"), n}, {QStringLiteral("AMOUNT"), 1.5}});
    for (int i = 0; i < names.size(); ++i) {
        const RowSet rs = db.execute(QStringLiteral("select * from item where itemid = %1").arg(keys[i]));
        ASSERT_EQ(rs.count(), 1);
        EXPECT_EQ(rs.text(0, QStringLiteral("name")), names[i]);
        EXPECT_EQ(rs.value(0, QStringLiteral("Amount")).toDouble(), 1.5);
    }
    EXPECT_EQ(db.execute(QStringLiteral("select count(*) as n from item")).value(0, QStringLiteral("N")).toInt(),
              names.size());
}

TEST_F(DatabaseTest, InsertRefusesNamesThatCouldCarrySql)
{
    EXPECT_THROW(db.insert(QStringLiteral("item; drop table item"), QStringLiteral("ITEMID"), {}), AppError);
    EXPECT_THROW(db.insert(QStringLiteral("item"), QStringLiteral("ITEMID"),
                           {{QStringLiteral("NAME\" , \"AMOUNT"), 1}}), AppError);
    EXPECT_TRUE(db.tableExists(QStringLiteral("ITEM")));
}

TEST_F(DatabaseTest, RowSetReadsColumnsWithoutRegardToCaseAndKeepsNulls)
{
    db.insert(QStringLiteral("item"), QStringLiteral("ITEMID"), {{QStringLiteral("NAME"), QVariant()}});
    RowSet rs = db.execute(QStringLiteral("select ItemId, Name as [Car # ], amount from item"));
    ASSERT_EQ(rs.count(), 1);
    EXPECT_TRUE(rs.hasColumn(QStringLiteral("CAR # ")));
    EXPECT_TRUE(rs.value(0, QStringLiteral("car # ")).isNull());
    EXPECT_FALSE(rs.hasColumn(QStringLiteral("CAR #"))) << "an alias keeps its trailing blank";
    EXPECT_FALSE(rs.hasColumn(QStringLiteral("NAME")));
}

TEST_F(DatabaseTest, UnknownColumnAndClosedConnectionThrow)
{
    const RowSet rs = db.execute(QStringLiteral("select 1 as one"));
    EXPECT_THROW(rs.value(0, QStringLiteral("two")), AppError);
    db.close();
    EXPECT_THROW(db.execute(QStringLiteral("select 1")), AppError);
}

TEST_F(DatabaseTest, TextComparesWithoutRegardToCase)
{
    db.insert(QStringLiteral("item"), QStringLiteral("ITEMID"), {{QStringLiteral("NAME"), QStringLiteral("ADMIN")}});
    EXPECT_EQ(db.execute(QStringLiteral("select * from item where name = 'admin'")).count(), 1);
}

TEST_F(DatabaseTest, JetFormsRunThroughExecute)
{
    for (int i = 0; i < 5; ++i)
        db.insert(QStringLiteral("item"), QStringLiteral("ITEMID"),
                  {{QStringLiteral("NAME"), QStringLiteral("n%1").arg(i)}, {QStringLiteral("default"), i}});
    EXPECT_EQ(db.execute(QStringLiteral("select top 2 name from item")).count(), 2);
    EXPECT_EQ(db.execute(QStringLiteral("select default, name from item where name = 'n3'"))
                  .value(0, QStringLiteral("default")).toInt(), 3);
    EXPECT_EQ(db.execute(QStringLiteral("select name from item where name = 'x -- ; top 1'")).count(), 0);
    EXPECT_EQ(db.command(QStringLiteral("delete * from item where name = 'n0'")), 1);
    EXPECT_EQ(db.execute(QStringLiteral("select * from item")).count(), 4);
}

TEST_F(DatabaseTest, TypedNumberCannotWidenAnUpdate)
{
    for (int i = 0; i < 3; ++i)
        db.insert(QStringLiteral("item"), QStringLiteral("ITEMID"), {{QStringLiteral("AMOUNT"), 0}});
    EXPECT_THROW(db.command(QStringLiteral("update item set amount = 9 where itemid = 0 or 1=1 --")), AppError);
    EXPECT_THROW(db.command(QStringLiteral("update item set amount = 9; delete from item")), AppError);
    EXPECT_EQ(db.execute(QStringLiteral("select * from item where amount = 9")).count(), 0);
}

TEST_F(DatabaseTest, BlobsRoundTripInBlocks)
{
    const qint64 key = db.insert(QStringLiteral("item"), QStringLiteral("ITEMID"), {});
    for (int size : {0, 1, Database::BlobBlockSize - 1, Database::BlobBlockSize, Database::BlobBlockSize + 1, 100000}) {
        QByteArray data(size, Qt::Uninitialized);
        for (int i = 0; i < size; ++i)
            data[i] = char(QRandomGenerator::global()->bounded(256));
        if (size > 2)
            data[1] = '\0';
        int lastWrite = -1, lastRead = -1;
        db.writeBlob(QStringLiteral("item"), QStringLiteral("PICTURE"), QStringLiteral("ITEMID"), key, data,
                     [&](int p) { lastWrite = p; });
        const QByteArray back = db.readBlob(QStringLiteral("item"), QStringLiteral("PICTURE"), QStringLiteral("ITEMID"),
                                            key, [&](int p) { lastRead = p; });
        EXPECT_EQ(back, data) << "size " << size;
        if (size > 0) {
            EXPECT_EQ(lastWrite, 100);
            EXPECT_EQ(lastRead, 100);
        }
    }
}

TEST_F(DatabaseTest, TransactionRollsBackUnlessCommitted)
{
    {
        Transaction tx(db);
        db.insert(QStringLiteral("item"), QStringLiteral("ITEMID"), {{QStringLiteral("NAME"), QStringLiteral("lost")}});
    }
    {
        Transaction outer(db);
        db.insert(QStringLiteral("item"), QStringLiteral("ITEMID"), {{QStringLiteral("NAME"), QStringLiteral("kept")}});
        {
            Transaction inner(db);
            db.insert(QStringLiteral("item"), QStringLiteral("ITEMID"), {{QStringLiteral("NAME"), QStringLiteral("inner")}});
            EXPECT_EQ(db.transactionDepth(), 2);
        }
        outer.commit();
    }
    EXPECT_EQ(db.transactionDepth(), 0);
    const RowSet rs = db.execute(QStringLiteral("select name from item"));
    ASSERT_EQ(rs.count(), 1);
    EXPECT_EQ(rs.text(0, QStringLiteral("name")), QStringLiteral("kept"));
}

TEST_F(DatabaseTest, HookSeesEveryStatementAsWritten)
{
    QStringList seen;
    db.setStatementHook([&](const QString& s) { seen << s; });
    db.execute(QStringLiteral("select top 1 * from item"));
    EXPECT_THROW(db.execute(QStringLiteral("select * from nosuchtable")), AppError);
    db.insert(QStringLiteral("item"), QStringLiteral("ITEMID"), {{QStringLiteral("NAME"), QStringLiteral("O'k")}});
    ASSERT_EQ(seen.size(), 3);
    EXPECT_EQ(seen[0], QStringLiteral("select top 1 * from item"));
    EXPECT_EQ(seen[1], QStringLiteral("select * from nosuchtable"));
    EXPECT_TRUE(seen[2].contains(QStringLiteral("'O''k'"))) << seen[2].toStdString();
}

TEST_F(DatabaseTest, BackupIsAConsistentCheckedCopyAndNeverOverwrites)
{
    db.insert(QStringLiteral("item"), QStringLiteral("ITEMID"), {{QStringLiteral("NAME"), QStringLiteral("x")}});
    const QString target = dir.filePath(QStringLiteral("copy.db"));
    db.backupTo(target);
    Database copy;
    copy.open(target);
    EXPECT_EQ(copy.integrityCheck(), QStringLiteral("ok"));
    EXPECT_EQ(copy.execute(QStringLiteral("select * from item")).count(), 1);
    copy.close();
    const QByteArray before = [&] { QFile f(target); f.open(QIODevice::ReadOnly); return f.readAll(); }();
    db.insert(QStringLiteral("item"), QStringLiteral("ITEMID"), {{QStringLiteral("NAME"), QStringLiteral("y")}});
    EXPECT_THROW(db.backupTo(target), AppError);
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
    EXPECT_THROW(db.backupTo(dir.filePath(QStringLiteral("no/such/folder/x.db"))), AppError);
}

TEST_F(DatabaseTest, SecondConnectionSeesCommittedRows)
{
    Database second;
    second.open(path);
    db.insert(QStringLiteral("item"), QStringLiteral("ITEMID"), {{QStringLiteral("NAME"), QStringLiteral("shared")}});
    EXPECT_EQ(second.execute(QStringLiteral("select * from item where name = 'SHARED'")).count(), 1);
    EXPECT_EQ(second.execute(QStringLiteral("pragma journal_mode")).text(0, QStringLiteral("journal_mode")),
              QStringLiteral("delete"));
}

}
