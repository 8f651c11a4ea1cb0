#include "core/AppError.h"
#include "core/Cipher.h"
#include "core/Configuration.h"
#include "core/Database.h"
#include "core/ErrorLog.h"
#include "core/HomeFolder.h"
#include "core/IniFile.h"
#include "core/OwnerOnly.h"
#include "core/PasswordHash.h"
#include "core/ScreenRegistry.h"
#include "core/ScreenSetup.h"
#include "core/ScreenTag.h"
#include "core/SqlValue.h"
#include "core/cSecurity.h"
#include "support/PanelFrame.h"
#include "support/TestOffice.h"

#include <QDate>
#include <QDateEdit>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFormLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <cmath>
#include <csignal>
#include <memory>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

QByteArray bytesOf(const QString& path) { QFile f(path); return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(); }

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.open(path, true);
        db.executeNative(u"CREATE TABLE item (ITEMID INTEGER PRIMARY KEY AUTOINCREMENT, NAME TEXT COLLATE NOCASE, "
                         "AMOUNT REAL, PICTURE BLOB, [default] INTEGER)"_s);
    }
    qint64 add(const QVariant& name, const QVariant& amount = {}, const QVariant& dflt = {})
    {
        return db.insert(u"item"_s, u"ITEMID"_s, {{u"NAME"_s, name}, {u"AMOUNT"_s, amount}, {u"default"_s, dflt}});
    }
    int rows(const QString& sql) { return db.execute(sql).count(); }
    QVariant value(const char* jetExpression) { return db.execute(u"select "_s + jetExpression).value(0, 0); }

    QTemporaryDir dir;
    QString path = dir.filePath(u"t.db"_s);
    Database db;
};

}  // namespace

// Every value stays whole and nothing typed widens a statement: a number field typed as "0 where 1=1 --"
// does not turn one update into an update of every row, and a misspelt "column" in native SQL is no
// text 'column'. A missing file is refused, not made.
TEST_F(DatabaseTest, KeepsEveryValueWholeAndRefusesWhatCouldCarrySql)
{
    const QStringList names = {u"a,b,,c"_s, u"O'Brien"_s, u"محمد, علي"_s, u"' or 1=1 --"_s, QString(500, u'x')};
    for (const QString& n : names) {
        const RowSet rs = db.execute(u"select * from item where itemid = %1"_s.arg(add(n, 1.5)));
        ASSERT_EQ(rs.count(), 1);
        EXPECT_EQ(rs.text(0, u"name"_s), n);
        EXPECT_EQ(rs.value(0, u"Amount"_s).toDouble(), 1.5);
    }
    EXPECT_THROW(db.insert(u"item; drop table item"_s, u"ITEMID"_s, {}), AppError);
    EXPECT_THROW(db.insert(u"item"_s, u"ITEMID"_s, {{u"NAME\" , \"AMOUNT"_s, 1}}), AppError);
    EXPECT_THROW(db.command(u"update item set amount = 0 where 1=1 -- WHERE itemid = 2"_s), AppError);
    EXPECT_THROW(db.command(u"update item set amount = 9; delete from item"_s), AppError);
    EXPECT_EQ(rows(u"select * from item where amount = 1.5"_s), names.size());
    EXPECT_THROW(db.executeBound(u"select \"nmae\" from item"_s, {}), AppError);
    EXPECT_EQ(db.executeBound(u"select \"name\" from item order by itemid"_s, {}).value(0, 0).toString(), names[0]);
    Database other;
    EXPECT_THROW(other.open(dir.filePath(u"missing.db"_s)), AppError);
    EXPECT_FALSE(other.isOpen() || QFile::exists(dir.filePath(u"missing.db"_s)));
}

// A list of rows goes with its values written into the statement: each is stored as the
// same value of the same type as when bound on its own, and no text reaches the SQL.
TEST_F(DatabaseTest, ManyRowsAtOnceStoreWhatOneRowBoundStores)
{
    db.executeNative(u"CREATE TABLE loose (LOOSEID INTEGER PRIMARY KEY, V)"_s);
    const QVariantList values = {-3, 7LL, 33.0, -0.5, 1e20, 0.1, u"5"_s, u"O'Brien"_s, u"a ? b"_s,
                                 u"1); delete from item; --"_s, QVariant(), u"محمد"_s, true, 4000000000U,
                                 QByteArray("\x00\x01", 2), QString()};
    QList<QVariantList> list;
    for (const QVariant& v : values) {
        list.append({v});
        db.insert(u"loose"_s, u"LOOSEID"_s, {{u"V"_s, v}});
    }
    db.insertRows(u"loose"_s, {u"V"_s}, list);
    const RowSet stored = db.executeBound(u"select typeof(V) as T, V from loose order by LOOSEID"_s, {});
    ASSERT_EQ(stored.count(), 2 * values.size());
    for (int i = 0; i < values.size(); ++i) {
        SCOPED_TRACE(values.at(i).toString().toStdString());
        EXPECT_EQ(stored.text(i + values.size(), u"T"_s), stored.text(i, u"T"_s));
        EXPECT_EQ(stored.value(i + values.size(), u"V"_s), stored.value(i, u"V"_s));
    }
    EXPECT_EQ(stored.text(2, u"T"_s), u"real"_s);
    // A null text is a null either way, as the driver binds it.
    EXPECT_EQ(db.executeBound(u"select count(*) from loose where V is null"_s, {}).value(0, 0).toInt(), 4);
    // A null character would end the statement's text: such a list stays bound.
    const QString withNull = u"a"_s + QChar(0) + u"b"_s;
    db.insertRows(u"loose"_s, {u"V"_s}, {{withNull}, {1}});
    EXPECT_EQ(db.executeBound(u"select V from loose where typeof(V) = 'text' order by LOOSEID desc"_s, {}).text(0, u"V"_s), withNull);
    // A row the table refuses leaves none of the list behind.
    db.executeNative(u"CREATE TABLE strict (S TEXT NOT NULL)"_s);
    EXPECT_THROW(db.insertRows(u"strict"_s, {u"S"_s}, {{u"a"_s}, {QVariant()}, {u"c"_s}}), AppError);
    EXPECT_EQ(db.executeBound(u"select count(*) from strict"_s, {}).value(0, 0).toInt(), 0);
}

// Transactions nest, each level keeping or undoing its own part: "(" begins, ")" commits, "!" rolls back,
// a letter adds a row of that name, a capital one held for the next statement, a digit as a list of rows,
// "x" is a statement the table refuses, which rolls its level back, "y" one whose refusal is let pass. On a
// server the savepoints and the held rows ride with the next statement: a savepoint with nothing in it is
// never sent.
TEST(Transactions, NestKeepingOrUndoingTheirOwnPartOnly)
{
    const struct { QString script, kept; int sentSavepoints; } rows[] = {
        {u"(a(b)c)"_s, u"abc"_s, 1},     {u"(a(b!c)"_s, u"ac"_s, 1},    {u"(a(bxc)"_s, u"ac"_s, 1},
        {u"(()(!a)"_s, u"a"_s, 0},       {u"(a((b)xc)"_s, u"ac"_s, 2},  {u"(a(b)!"_s, u""_s, 1},
        {u"(a(b)x"_s, u""_s, 1},         {u"((a)(b!(c))"_s, u"ac"_s, 3}, {u"(a(x(b))"_s, u"ab"_s, 2},
        {u"((()b))"_s, u"b"_s, 1},       {u"(a(y)!"_s, u""_s, 1},       {u"(A(b)c)"_s, u"abc"_s, 1},
        {u"(a(B!c)"_s, u"ac"_s, 0},      {u"(A(b!c)"_s, u"ac"_s, 1},    {u"(A(!c)"_s, u"ac"_s, 0},
        {u"(aB)"_s, u"ab"_s, 0},         {u"(A!"_s, u""_s, 0},          {u"A"_s, u"a"_s, 0},
        {u"(a(1!c)"_s, u"ac"_s, 1},      {u"(A(1)B)"_s, u"1ab"_s, 1},   {u"(a(B1)!"_s, u""_s, 1},
    };
    TestOffice office;
    Database& db = office.db();
    db.executeNative(u"CREATE TABLE nest (NAME VARCHAR(10) NOT NULL UNIQUE)"_s);
    const auto add = [&db](const QString& name) { db.command(u"insert into nest (NAME) values ('%1')"_s.arg(name)); };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.script.toStdString());
        db.command(u"delete from nest"_s);
        add(u"taken"_s);
        QStringList sent;
        db.setStatementHook([&sent](const QString& sql) { sent << sql; });
        std::vector<std::unique_ptr<Transaction>> open;
        for (const QChar c : r.script) {
            if (c == u'(') {
                open.push_back(std::make_unique<Transaction>(db));
            } else if (c == u')') {
                open.back()->commit();
                open.pop_back();
            } else if (c == u'!') {
                open.pop_back();
            } else if (c == u'x' || c == u'y') {
                EXPECT_THROW(add(u"taken"_s), AppError);
                if (c == u'x')
                    open.pop_back();
            } else if (c.isUpper()) {
                db.commandWithNext(u"insert into nest (NAME) values ('%1')"_s.arg(c.toLower()));
            } else if (c.isDigit()) {
                db.insertRows(u"nest"_s, {u"NAME"_s}, {{QString(c)}});
            } else {
                add(QString(c));
            }
        }
        db.setStatementHook({});
        EXPECT_EQ(db.transactionDepth(), 0);
        QString kept;
        const RowSet names = db.execute(u"select NAME from nest where NAME <> 'taken' order by NAME"_s);
        for (int i = 0; i < names.count(); ++i)
            kept += names.text(i, u"NAME"_s);
        EXPECT_EQ(kept, r.kept);
        if (db.dialect() == SqlDialect::PostgreSQL) {
            EXPECT_EQ(sent.filter(QRegularExpression(u"^SAVEPOINT"_s)).size(), r.sentSavepoints);
        }
    }
}

// Values written into a server's statement come back exactly as given: texts whatever quotes, backslashes
// or statement text they hold, numbers of every kind, in a list of rows as in a row of their own; also on a
// server that still reads a backslash in quotes as an escape.
TEST(DatabaseValues, TextsComeBackAsWrittenWhateverTheyHold)
{
    const QStringList texts = {u"O'Brien"_s, u"a\\b"_s, u"\\'; drop table kept; --"_s, u"''"_s, u"'"_s, u"\\"_s,
                               u"محمد's \\n"_s, u"a ? b $1"_s, u"E'x'"_s, u"-- /*"_s, u"line\nnext\ttab"_s, u"\\\\'"_s};
    TestOffice office;
    Database& db = office.db();
    if (db.dialect() == SqlDialect::PostgreSQL) {
        db.executeNative(u"ALTER DATABASE \"%1\" SET standard_conforming_strings = off"_s
                             .arg(db.execute(u"select current_database() as D"_s).text(0, u"D"_s)));
        db.close();
        db.open(office.databasePath());
        ASSERT_EQ(db.execute(u"select current_setting('standard_conforming_strings') as S"_s).text(0, u"S"_s), u"off"_s);
    }
    const QVariantList numbers = {-3, 4000000000U, 0.1, 1e20, -7LL, 0};
    db.executeNative(u"CREATE TABLE kept (KEPTID INTEGER PRIMARY KEY, T VARCHAR(40), N DOUBLE PRECISION)"_s);
    QList<QVariantList> rows;
    for (int i = 0; i < texts.size(); ++i) {
        const QVariant number = numbers.at(i % numbers.size());
        rows.append({i + 1, texts.at(i), number});
        db.insert(u"kept"_s, u"KEPTID"_s, {{u"KEPTID"_s, 101 + i}, {u"T"_s, texts.at(i)}, {u"N"_s, number}});
    }
    db.insertRows(u"kept"_s, {u"KEPTID"_s, u"T"_s, u"N"_s}, rows);
    const RowSet back = db.execute(u"select KEPTID, T, N from kept order by KEPTID"_s);
    ASSERT_EQ(back.count(), 2 * texts.size());
    for (int i = 0; i < back.count(); ++i) {
        const int given = i % texts.size();
        EXPECT_EQ(back.text(i, u"T"_s), texts.at(given)) << i;
        EXPECT_EQ(back.value(i, u"N"_s).toDouble(), numbers.at(given % numbers.size()).toDouble()) << i;
    }
}

TEST_F(DatabaseTest, JetFormsAndFunctionsRunThroughExecute)
{
    for (int i = 0; i < 5; ++i)
        add(u"n%1"_s.arg(i), {}, i);
    EXPECT_EQ(value("name from item where itemid = (select top 1 itemid from item order by itemid desc)").toString(), u"n4"_s);
    EXPECT_EQ(value("default from item where name = \"N3\"").toInt(), 3);
    EXPECT_EQ(db.command(u"delete * from item where name = 'n0';"_s), 1);
    db.execute(u"select itemid, name into tempmessages from item where [default] > 2"_s);
    EXPECT_EQ(rows(u"select top 5 * from tempmessages"_s), 2);

    const struct { const char* jet; const char* expected; } cases[] = {  // expected nullptr: SQL NULL
        {"IIF(2 > 1, 'yes', 'no')", "yes"}, {"iif(null, 'yes', 'no')", "no"}, {"Nz(null)", ""}, {"Nz(null, 5)", "5"},
        {"Mid('abcdef', 2, 3)", "bcd"}, {"Mid('abcdef', 3)", "cdef"}, {"Mid('abc', 5, 2)", ""}, {"Mid('كتابة', 2, 2)", "تا"},
        {"InStr(4, 'Hello', 'l')", "4"}, {"InStr('Hello', 'z')", "0"}, {"InStr('Hello', 'LL')", "3"},
        {"InStr('إيجار سيارة', 'سيارة')", "7"}, {"InStr(null, 'a')", nullptr}, {"Len('a😀b')", "3"}, {"Len(null)", nullptr},
        {"UCase('Ärger mit Öl')", "ÄRGER MIT ÖL"}, {"LCase('ÄRGER إيجار')", "ärger إيجار"}, {"Left('abcdef', 2)", "ab"},
        {"Right('ab', 5)", "ab"}, {"'a' & 'b'", "ab"}, {"\"it's\" & 1", "it's1"},
        {"LCase(280000000001) & UCase(2.5)", "2800000000012.5"},  // a number has no case: its text
        {"length(Now()) = 19 and Now() like '____-__-__ __:__:__'", "1"}, {"Date() between 20240101 and 99991231", "1"},
        {"DateAdd('d', 30, 20261215)", "20270114"}, {"DateAdd('m', 1, 20240131)", "20240229"},
        {"DateAdd('yyyy', -1, 20240229)", "20230228"}, {"DateAdd('w', 1, 20240101)", nullptr},
        {"DateAdd('d', 1, 20241340)", nullptr},
    };
    for (const auto& c : cases) {
        const QVariant v = value(c.jet);
        EXPECT_EQ(v.isNull() ? "(null)" : v.toString().toStdString(), c.expected ? c.expected : "(null)") << c.jet;
    }
    for (const char* bad : {"Mid('abc', 0, 1)", "Mid('abc', 1, -1)", "InStr(0, 'abc', 'a')", "Left('abc', -1)"})
        EXPECT_THROW(value(bad), AppError) << bad;
}

// A backup is a checked copy for its owner's eyes only, and never replaces a
// file. A database whose index no longer matches its table copies page for
// page and the copy fails its check: the copy is all there is, so it is kept
// under a name that says so, and the failure says the database is damaged.
TEST_F(DatabaseTest, ABackupIsACheckedCopyThatNeverOverwritesAndADamagedOneIsKeptApart)
{
    db.executeNative(u"CREATE INDEX item_amount ON item (AMOUNT)"_s);
    for (int i = 0; i < 50; ++i)
        add(u"car %1"_s.arg(i), i);
    const QString good = dir.filePath(u"copy.db"_s), damaged = dir.filePath(u"03122026-140509"_s);
    const QString kept = Database::failedCheckName(damaged);
    const struct { const char* what; QString target; bool damage; int refusal; QString made; } rows[] = {
        {"a sound database", good, false, 0, good},
        {"onto an earlier backup", good, false, ErrorNumber::BackupFailure, good},
        {"into no folder", dir.filePath(u"no/such/folder/x.db"_s), false, ErrorNumber::BackupFailure, {}},
        {"a damaged database", damaged, true, Database::DamagedDatabase, kept},
        {"a damaged database again", damaged, true, ErrorNumber::BackupFailure, kept},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        if (r.damage && db.integrityCheck() == u"ok"_s) {
            db.executeNative(u"PRAGMA writable_schema = ON"_s);
            db.executeNative(u"UPDATE sqlite_master SET sql = 'CREATE INDEX item_amount ON item (NAME)' "
                             "WHERE name = 'item_amount'"_s);
            db.executeNative(u"PRAGMA writable_schema = OFF"_s);
            db.close();
            db.open(path);
        }
        const QByteArray before = bytesOf(r.made);
        try {
            db.backupTo(r.target);
            EXPECT_EQ(r.refusal, 0);
        } catch (const AppError& e) {
            EXPECT_EQ(e.number(), r.refusal) << e.description().toStdString();
            EXPECT_TRUE(!r.damage || e.description().contains(kept)) << e.description().toStdString();
        }
        EXPECT_TRUE(before.isEmpty() || bytesOf(r.made) == before) << "nothing is overwritten";
        EXPECT_EQ(QFile::exists(damaged), false);
        if (r.made.isEmpty())
            continue;
        EXPECT_EQ(OwnerOnly::mode(r.made), OwnerOnly::File) << "a backup holds the office's data";
        Database copy;
        copy.open(r.made);
        EXPECT_EQ(copy.integrityCheck() == u"ok"_s, !r.damage);
        EXPECT_EQ(copy.execute(u"select count(*) as n from item"_s).value(0, u"n"_s).toInt(), 50) << "every row is in it";
    }
}

// A run killed half-way through a backup (here by the system, at a file size
// limit) leaves no file under the backup's name, only an unfinished one that
// the next start clears away.
TEST_F(DatabaseTest, ABackupKilledHalfWayLeavesNothingUnderItsName)
{
    for (int i = 0; i < 16; ++i)
        db.writeBlob(u"item"_s, u"PICTURE"_s, u"ITEMID"_s, add(u"car %1"_s.arg(i)), QByteArray(256 * 1024, char('a' + i)));
    const QString folder = dir.filePath(u"backup"_s), target = folder + u"/03122026-140509"_s;
    ASSERT_TRUE(QDir().mkpath(folder));
    const pid_t child = ::fork();
    if (child == 0) {
        const rlimit noCore{0, 0}, limit{1 << 20, 1 << 20};
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, SIG_DFL);
        try {
            db.backupTo(target);
        } catch (...) {
            // a failure, like the end, is not the kill this test is about
        }
        ::_exit(0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the copy outgrew the limit";
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_TRUE(QFile::exists(Database::unfinishedName(target)));
    EXPECT_GT(Database::removeUnfinishedBackups(folder), 0);
    EXPECT_TRUE(QDir(folder).isEmpty());
}

TEST(SqlValue, QuotesAreDoubledAndOnlyNumbersPassUnquoted)
{
    for (const QString& in : {u"O'Brien"_s, u"''"_s, u"ZZ' union select 99,'ZZ"_s, QString()})
        EXPECT_EQ(SqlValue::quoted(in), u'\'' + QString(in).replace(u'\'', u"''"_s) + u'\'') << in.toStdString();
    for (const char* good : {"15", "-3", "1.5", ".5", " 12 ", "9223372036854775807"})
        EXPECT_EQ(SqlValue::number(QString::fromUtf8(good)), QString::fromUtf8(good).trimmed()) << good;
    EXPECT_EQ(SqlValue::number(u"+7"_s), u"7"_s);
    for (const char* bad : {"", " ", "abc", "1,5", "0 where 1=1 --", "1e5", "1.2.3", "--1", "0x10", "1;"}) {
        EXPECT_FALSE(SqlValue::isNumber(QString::fromUtf8(bad))) << bad;
        EXPECT_THROW(SqlValue::number(QString::fromUtf8(bad), u"txtID"_s), AppError) << bad;
    }
    EXPECT_EQ(SqlValue::likeContains(u"50%_a'b"_s), u"%50\\%\\_a''b%"_s);
    // A number reads bit for bit as Qt reads it, however long; anything else reads as none.
    for (const char* text : {"60", "+7", " -0 ", "5.", ".5", "0.1", "1100.005", "-12345678901234567890.123456789",
                             "0.30000000000000004", "99999999999999999999999999999999999999999999999999999999999999999"})
        EXPECT_EQ(SqlValue::decimal(QString::fromUtf8(text)), QString::fromUtf8(text).toDouble()) << text;
    EXPECT_TRUE(std::signbit(*SqlValue::decimal(u"-0"_s)));
    for (const char* text : {"", ".", "1e5", "١٢", "12a", "inf", "nan", "--1"})
        EXPECT_FALSE(SqlValue::decimal(QString::fromUtf8(text))) << text;
}

// A write to a table a cache watches tells the cache, however it names the
// table; a read, or a write elsewhere that only mentions it, does not.
TEST_F(DatabaseTest, AWriteToAWatchedTableMovesItsStamp)
{
    db.executeNative(u"CREATE TABLE other (NAME TEXT)"_s);
    const struct { const char* sql; bool moves; } rows[] = {
        {"insert into item (NAME) values ('a')", true},
        {"INSERT INTO item(NAME) VALUES ('b')", true},
        {"  update ITEM set NAME = 'c'", true},
        {"update \"item\" set AMOUNT = 1", true},
        {"delete from Item where NAME = 'zz'", true},
        {"insert or replace into item (ITEMID, NAME) values (1, 'd')", true},
        {"select * from item", false},
        {"insert into other (NAME) values ('item')", false},
        {"update other set NAME = (select NAME from item limit 1)", false},
    };
    for (const auto& r : rows) {
        const QString before = db.tablesStamp({u"item"_s}, {});
        db.executeNative(QString::fromUtf8(r.sql));
        EXPECT_EQ(db.tablesStamp({u"item"_s}, {}) != before, r.moves) << r.sql;
    }
}

// Another workstation holds the file: a statement waits one short try, with
// the operator told, and then he is asked whether to wait again. Inside a
// transaction nobody is asked. The failure never reads "database is locked".
TEST_F(DatabaseTest, ABusyFileWaitsAShortTryThenTheOperatorChooses)
{
    enum Hold { Writing, Reading };
    const struct { const char* what; Hold hold; bool inTransaction; QList<bool> answers; bool written; QStringList seen; } rows[] = {
        {"gives up", Writing, false, {false}, false, {u"wait"_s, u"ask"_s, u"end"_s}},
        {"waits twice, then the other ends", Writing, false, {true, true}, true,
         {u"wait"_s, u"ask"_s, u"ask"_s, u"end"_s}},
        {"a commit waiting for a reader asks nobody", Reading, true, {}, false, {u"wait"_s, u"end"_s}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        db.command(u"delete from item"_s);
        Database other;
        other.open(path);
        other.executeNative(u"BEGIN"_s);
        if (r.hold == Writing)
            other.executeNative(u"INSERT INTO item (NAME) VALUES ('theirs')"_s);
        else
            other.execute(u"select * from item"_s);
        QStringList seen;
        QList<bool> answers = r.answers;
        db.setBusyWait(30);
        db.setBusyHandling({[&](bool waiting) { seen << (waiting ? u"wait"_s : u"end"_s); },
                            [&](const QString& file) {
                                EXPECT_EQ(file, path);
                                seen << u"ask"_s;
                                const bool again = answers.takeFirst();
                                if (again && answers.isEmpty())
                                    other.executeNative(u"COMMIT"_s);
                                return again;
                            }});
        try {
            if (r.inTransaction) {
                Transaction tx(db);
                add(u"ours"_s);
                tx.commit();
            } else {
                add(u"ours"_s);
            }
            EXPECT_TRUE(r.written);
        } catch (const AppError& e) {
            EXPECT_FALSE(r.written);
            EXPECT_FALSE(e.description().contains(u"locked"_s, Qt::CaseInsensitive)) << e.description().toStdString();
            EXPECT_TRUE(e.description().contains(path)) << e.description().toStdString();
            EXPECT_EQ(e.number() & 0xff, Database::Busy);
        }
        EXPECT_EQ(seen, r.seen);
        EXPECT_EQ(db.transactionDepth(), 0);
        db.setBusyHandling({});
    }
}

namespace {

QString readAll(const QString& p) { QFile f(p); return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString(); }
bool writeText(const QString& p, const QByteArray& text) { QFile f(p); return f.open(QIODevice::WriteOnly) && f.write(text) == text.size(); }

}  // namespace

// A password is kept as a salted hash: two operators with one password store
// different texts, neither of which holds the password or gives it back. The
// old cipher still reads what earlier versions stored, and refuses an altered text.
TEST(PasswordHash, OnlyItsOwnPasswordMatchesAndNothingElseStoredDoes)
{
    const QString hash = PasswordHash::make(u"ADMIN"_s);
    EXPECT_NE(PasswordHash::make(u"ADMIN"_s), hash);
    EXPECT_FALSE(hash.contains(u"ADMIN"_s) || hash.contains(Cipher::Encrypt(u"ADMIN"_s)));
    const QString altered = hash.left(hash.size() - 3) + (hash.endsWith(u"A="_s) ? u"B="_s : u"A="_s);
    QStringList costly = hash.split(u'$');
    costly[1] = u"40"_s;  // minutes and gigabytes: refused, not tried
    const struct { QString password, stored; bool matches; } rows[] = {
        {u"ADMIN"_s, hash, true}, {u"admin"_s, hash, false}, {QString(), hash, false}, {u"ADMIN"_s, altered, false},
        {u"ADMIN"_s, Cipher::Encrypt(u"ADMIN"_s), false}, {u"ADMIN"_s, QString(), false},
        {u"ADMIN"_s, costly.join(u'$'), false},
    };
    for (const auto& r : rows)
        EXPECT_EQ(PasswordHash::matches(r.password, r.stored), r.matches) << r.stored.toStdString();
    const QString old = Cipher::Encrypt(u"كلمة السر"_s);
    EXPECT_EQ(Cipher::Decrypt(old), u"كلمة السر"_s);
    for (const QString& altered : {old.chopped(4), old.mid(4), u"not base64 at all!"_s})
        EXPECT_THROW(Cipher::Decrypt(altered), AppError) << altered.toStdString();
}

// Saving is the options screen's test; here an entry never stored reads 0 and stored texts convert.
TEST(Configuration, AMissingEntryIsZeroAndStoredTextsConvert)
{
    TestOffice office;
    EXPECT_EQ(Configuration(office.db()).GetConfig(u"NOSUCHENTRY"_s), u"0"_s);
    const struct { const char* stored; bool boolean; int integer; double number; } rows[] = {
        {"1", true, 1, 1}, {"0", false, 0, 0}, {"abc", false, 0, 0}, {"-1", true, -1, -1}, {" 2 ", true, 2, 2}, {"2.6", true, 3, 2.6},
        {"true", true, 0, 0}, {"99999999999999", true, 0, 99999999999999.0}, {"nan", false, 0, 0}, {"1e999", false, 0, 0},
    };
    for (const auto& r : rows) {
        const QString text = QString::fromUtf8(r.stored);
        EXPECT_EQ(std::tuple(Configuration::toBoolean(text), Configuration::toInteger(text), Configuration::toDouble(text)),
                  std::tuple(r.boolean, r.integer, r.number)) << r.stored;
    }
}

// Keys in any case anywhere in a field, a field cut at a comma unless quoted, the value after the first "=".
TEST(IniFile, ReadsEntriesByTheirRules)
{
    const struct { const char* text; const char* database; const char* lastUser; const char* password; const char* token = ""; } rows[] = {
        {"[CONFIG]\nDATABASE = /a/b.db\nLASTUSER = ADMIN\nPASSWORD = abc==\n", "/a/b.db", "ADMIN", "abc=="},
        {"[CONFIG]\nLASTUSER = ADMIN\nLOGINTOKEN = t0-k_n\n", "", "ADMIN", "", "t0-k_n"},
        {"[config]\r\n   \tdatabase = /a/b.db\r\nlastuser = admin\r\n", "/a/b.db", "admin", ""},
        {"LASTUSER_DATABASE = /x.db\nPASSWORD LASTUSER = BOB\n", "/x.db", "BOB", ""}, {"LASTUSER =   A=B  \n", "", "A=B", ""},
        {"DATABASE=/a/my,office.db\n", "/a/my", "", ""}, {"DATABASE = /a.db,LASTUSER = BOB\n", "/a.db", "BOB", ""},
        {"\"DATABASE = /a/my,office.db\"\n", "/a/my,office.db", "", ""}, {"DATABASE = /1.db\nDATABASE = /2.db\n", "/2.db", "", ""},
        {"  \"LASTUSER = x,y\" ignored, DATABASE = /a\n", "/a", "x,y", ""}, {"\"LASTUSER = a, b\nDATABASE = /b", "/b", "a, b", ""},
        {"  /home/DataBase.db  \nSOMETHING = else\n", "/home/DataBase.db", "", ""},
    };
    for (const auto& r : rows) {
        const IniFile::Contents c = IniFile::parse(QString::fromUtf8(r.text));
        EXPECT_EQ(c.database + u'|' + c.lastUser + u'|' + c.password + u'|' + c.token,
                  u"%1|%2|%3|%4"_s.arg(r.database, r.lastUser, r.password, r.token));
        EXPECT_FALSE(QString::fromUtf8(r.text).contains(u"LOGINTOKEN"_s) && c.entries.size() != 1) << "the token is not shown";
    }
}

// The whole file is written anew, for its owner's eyes only. A write that
// cannot finish (a full disk, a folder in the file's place) leaves the old
// file as it was, nothing half-written beside it, and the login's rewrite
// logs why.
TEST(IniFile, WritesTheWholeFileForItsOwnerOnlyOrKeepsTheOldOne)
{
    using P = QFileDevice;
    const QByteArray longer = "old text that is much longer than the new text, all of it replaced\n";
    const struct {
        const char* what; const char* before; P::Permissions permissions; const char* token;
        rlim_t limit = RLIM_INFINITY; bool folder = false;
    } rows[] = {
        {"a new file", nullptr, {}, ""},
        {"one others could write", "x", P::ReadOwner | P::WriteOwner | P::ReadOther | P::WriteOther, ""},
        {"a longer one, with a token", longer.constData(), P::ReadOwner | P::ReadOther, "SECRET=="},
        {"a full disk", longer.constData(), P::ReadOwner | P::WriteOwner, "", 250},
        {"a folder in its place", nullptr, {}, "", RLIM_INFINITY, true},
    };
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        office.loginAs(u"ADMIN"_s);
        const QString ini = office.state().IniFilePath;
        QFile::remove(ini);
        ASSERT_TRUE(!r.before || (writeText(ini, r.before) && QFile::setPermissions(ini, r.permissions)));
        ASSERT_TRUE(!r.folder || QDir(office.home()).mkdir(u"ijar.ini"_s));
        const bool fails = r.folder || r.limit != RLIM_INFINITY;
        // Longer than the disk takes, unlike the log line that reports it.
        const QString database = fails ? u"/office/"_s + QString(300, u'a') + u".db"_s : u"/home/o'brien/fdk.db"_s;
        // A full disk, as far as this process goes: no file grows beyond the limit.
        rlimit unlimited{};
        getrlimit(RLIMIT_FSIZE, &unlimited);
        const rlimit full{r.limit, unlimited.rlim_max};
        setrlimit(RLIMIT_FSIZE, &full);
        if (fails) {
            EXPECT_THROW(IniFile::write(ini, database, u"ADMIN"_s, {}), AppError);
            office.state().DatabasePath = database;
            IniFile::WriteIniFile(office.state());
        } else {
            IniFile::write(ini, database, u"O'BRIEN"_s, QString::fromUtf8(r.token));
        }
        setrlimit(RLIMIT_FSIZE, &unlimited);
        const QString expected = fails ? QString::fromUtf8(r.before ? r.before : "")
                                       : u"[CONFIG]\nDATABASE = /home/o'brien/fdk.db\nLASTUSER = O'BRIEN\n"_s
                                             + (*r.token ? u"LOGINTOKEN = %1\n"_s.arg(QString::fromUtf8(r.token)) : QString());
        EXPECT_EQ(readAll(ini), expected);
        EXPECT_EQ(QDir(office.home()).entryList({u"ijar.ini*"_s}, QDir::AllEntries | QDir::Hidden), QStringList{u"ijar.ini"_s})
            << "nothing half-written is left beside it";
        const P::Permissions p = QFile::permissions(ini);
        EXPECT_TRUE(fails || (p.testFlags(P::ReadOwner | P::WriteOwner) && !(p & P::Permissions(0x0077))));
        const QString log = readAll(QDir(office.home()).filePath(u"ijar.log"_s));
        EXPECT_EQ(log.contains(u",75,WriteIniFile,"_s) && log.contains(ini), fails) << log.toStdString();
    }
    std::signal(SIGXFSZ, signal);
    EXPECT_THROW(IniFile::read(QDir::temp().filePath(u"no-such-folder/ijar.ini"_s)), AppError);
}

// A workstation keeps a login as a random token, never the password; each
// login replaces it, and a login no longer kept takes it away.
TEST(IniFile, WriteIniFileKeepsALoginOnlyWhenAsked)
{
    const struct { const char* login; int storePassword; bool kept; } rows[] = {
        {"ADMIN", 0, false}, {"ADMIN", 1, true}, {"ADMIN", 2, false}, {"O'BRIEN", 1, true}, {"NOBODY", 1, false},
    };
    for (const auto& r : rows) {
        TestOffice office;
        office.db().insert(u"OPERATOR"_s, u"OPERATORID"_s, {{u"LOGINID"_s, u"O'BRIEN"_s}, {u"operatorname"_s, u"Pat"_s}});
        office.db().command(u"update OPERATOR set storepassword = 1"_s);
        const QString login = QString::fromUtf8(r.login);
        office.loginAs(login);
        IniFile::WriteIniFile(office.state());
        const QString before = IniFile::read(office.state().IniFilePath).token;
        office.db().command(u"update OPERATOR set storepassword = %1"_s.arg(r.storePassword));
        IniFile::WriteIniFile(office.state());
        const IniFile::Contents c = IniFile::read(office.state().IniFilePath);
        EXPECT_EQ(QStringList({c.database, c.lastUser}), QStringList({office.databasePath(), login}));
        cSecurity security(office.state());
        EXPECT_EQ(security.IsValidKeptLogin(login, c.token), r.kept) << r.login << r.storePassword;
        EXPECT_FALSE(security.IsValidKeptLogin(login, before)) << "the earlier token is forgotten";
        EXPECT_FALSE(readAll(office.state().IniFilePath).contains(u"PASSWORD"_s));
    }
}

TEST(HomeFolder, CommandLineThenEnvironmentThenPortableInstallThenUserData)
{
    QStandardPaths::setTestModeEnabled(true);  // keeps the real per-user folder out of it
    QTemporaryDir dir;
    const QString withIni = dir.filePath(u"portable-ini"_s), withDb = dir.filePath(u"portable-db"_s);
    const QString bare = dir.filePath(u"installed"_s), file = dir.filePath(u"plain-file"_s);
    ASSERT_TRUE(QDir().mkpath(withIni) && QDir().mkpath(withDb) && QDir().mkpath(bare));
    ASSERT_TRUE(writeText(withIni + u"/ijar.ini"_s, {}) && writeText(withDb + u"/fdk.db"_s, {}) && writeText(file, {}));
    const QString cmd = dir.filePath(u"from-command-line"_s), env = dir.filePath(u"from-environment"_s);
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const struct { QString commandLine, environment, executable, expected; } rows[] = {
        {cmd, env, withIni, cmd}, {{}, env, withIni, env}, {u"  "_s, env, withIni, env}, {{}, {}, withIni, withIni},
        {{}, {}, withDb, withDb}, {{}, {}, bare, userData}, {{}, {}, dir.filePath(u"missing"_s), userData},
    };
    for (const auto& r : rows) {
        const QString home = HomeFolder::resolve(r.commandLine, r.environment, r.executable);
        EXPECT_EQ(home, QDir::cleanPath(r.expected)) << r.commandLine.toStdString() << "|" << r.executable.toStdString();
        EXPECT_TRUE(QFileInfo(home).isDir()) << home.toStdString();
        EXPECT_TRUE(home != cmd || OwnerOnly::mode(home) == OwnerOnly::Folder) << "a folder it makes is its owner's";
    }
    EXPECT_THROW(HomeFolder::resolve(file + u"/home"_s, {}, {}), AppError) << "a folder inside a file";
    QStandardPaths::setTestModeEnabled(false);
}

namespace {

QStringList linesOf(const QString& path)
{
    return readAll(path).split(u'\n', Qt::SkipEmptyParts);
}

// A shown screen with one named control that has the focus (none when control is empty).
struct Screen {
    Screen(const char* name, const char* control)
    {
        dialog.setObjectName(QString::fromUtf8(name));
        auto* edit = new QLineEdit(&dialog);
        edit->setObjectName(*control ? QString::fromUtf8(control) : u"dfsOther"_s);
        dialog.show();
        if (*control)
            edit->setFocus();
    }
    QDialog dialog;
};

}  // namespace

// One line per error with every field whole, a new log for its owner's eyes
// only; the dialog, only with SHOWERRORS 1, names what failed, where and for whom.
TEST(ErrorLog, AppendsOneLinePerErrorWithEveryFieldWholeAndShowsItWhenAsked)
{
    const struct { const char* login; const char* screen; const char* control; const char* description; int showErrors;
                   bool older = true; } rows[] = {
        {"", "LOGINP", "txtPassword", "Could not find file", 0},  // before login nothing of the office is loaded
        {"ADMIN", "frmCars", "", "Type mismatch", 2},               // no active control
        {"ADMIN", nullptr, "", "disk full", -1},                    // no screen
        {"ADMIN", "frmCars", "", "the first line of a new log", 0, false},
        {"ADMIN", "frmRentCar", "dfsComments", "Syntax error, missing operator, in query: تعذر القراءة", 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.description);
        TestOffice office(*r.login != 0);
        if (*r.login)
            office.loginAs(QString::fromUtf8(r.login));
        office.state().config.SHOWERRORS = r.showErrors;
        const QString path = office.file(u"ijar.log"_s);
        QFile older(path);
        ASSERT_TRUE(!r.older || (older.open(QIODevice::WriteOnly) && older.write("an older line\n") > 0 && older.flush()));
        std::unique_ptr<Screen> screen(r.screen ? new Screen(r.screen, r.control) : nullptr);
        QString seen;
        office.ui().onDialog(u"dlgError"_s, [&](QDialog* d) {
            seen = d->windowTitle();
            for (const QWidget* w : d->findChildren<QWidget*>())
                seen += w->property("text").toString() + u'|' + w->property("plainText").toString() + u'|';
        });
        ReportError(office.state(), screen ? &screen->dialog : nullptr, u"3075"_s, QString::fromUtf8(r.description),
                    u"cWindow, ReadWindow"_s);
        QStringList lines = linesOf(path);
        EXPECT_TRUE(r.older || OwnerOnly::mode(path) == OwnerOnly::File) << "a new log is its owner's only";
        if (!r.older)
            lines.prepend(u"an older line"_s);
        ASSERT_EQ(lines.size(), 2);
        const QString head = QString::fromUtf8(r.login) + u',', tail = u",%1,%2,3075,cWindow, ReadWindow,%3"_s.arg(
            QString::fromUtf8(r.screen ? r.screen : ""), QString::fromUtf8(r.control), QString::fromUtf8(r.description));
        ASSERT_TRUE(lines[0] == u"an older line"_s && lines[1].startsWith(head) && lines[1].endsWith(tail)) << lines[1].toStdString();
        const QString when = lines[1].mid(head.size(), lines[1].size() - head.size() - tail.size());
        EXPECT_TRUE(QLocale::system().toDateTime(when, QLocale::ShortFormat).isValid()) << when.toStdString();
        EXPECT_EQ(office.ui().dialogsShown.size(), r.showErrors == 1 ? 1 : 0);
        for (const char* part : {"3075", r.description, "cWindow, ReadWindow", r.control, r.screen ? r.screen : "", r.login})
            EXPECT_TRUE(r.showErrors != 1 || seen.contains(QString::fromUtf8(part))) << part;
    }
}

// A guarded handler reports what was thrown and returns false. The statement trace, while it is on,
// writes one line per statement to the day's file, for its owner's eyes only.
TEST(ErrorLog, GuardedReportsWhatWasThrownAndTheTraceEveryStatementWhileOn)
{
    TestOffice office;
    office.loginAs(u"ADMIN"_s);
    Screen screen("frmCars", "cmdSave");
    const auto run = [&](void (*work)()) { return guarded(office.state(), &screen.dialog, u"frmCars.cmdSave_Click"_s, work); };
    EXPECT_TRUE(run([] {}));
    EXPECT_FALSE(run([] { throw AppError(3021, u"gone"_s, u"cWindow"_s); }));
    EXPECT_FALSE(run([] { throw std::runtime_error("vector too long"); }));
    EXPECT_FALSE(run([] { throw 42; }));
    EXPECT_EQ(linesOf(errorLogPath(office.state())).replaceInStrings(QRegularExpression(u"^.*,frmCars,cmdSave,"_s), {}),
              QStringList({u"3021,frmCars.cmdSave_Click - cWindow,gone"_s, u"5009,frmCars.cmdSave_Click,vector too long"_s,
                           u"5009,frmCars.cmdSave_Click,Unknown failure"_s}));
    EXPECT_EQ(statementTracePath(office.state(), QDate(2024, 1, 5)), office.file(u"20240105.txt"_s));
    const QString trace = statementTracePath(office.state(), QDate::currentDate());
    office.state().config.USEROUTER = false;
    office.db().execute(u"select count(*) from operator"_s);
    EXPECT_FALSE(QFile::exists(trace));
    office.state().config.USEROUTER = true;
    const QString statements[] = {u"update operator set operatorname = 'Admin, the first' where loginid = 'ADMIN'"_s,
                                  u"select * from operator where loginid = 'O''BRIEN'"_s};
    for (int i = 0; i < 2; ++i) {
        office.db().execute(statements[i]);
        const QStringList lines = linesOf(trace);
        EXPECT_TRUE(lines.size() == i + 1 && lines.last().startsWith(u"ADMIN,"_s) && lines.last().endsWith(u',' + statements[i]))
            << lines.join(u'\n').toStdString();
        EXPECT_EQ(OwnerOnly::mode(trace), OwnerOnly::File);
    }
}

// A screen opens by its name in any case, with its mode, and waits; the first
// registration of a name stands; an unknown name is refused. A screen shown
// without waiting and then closed, by a key or by its own code, is no open
// screen: nobody finds it, and the next showing is a new one.
TEST(ScreenRegistry, OpensByNameAndAClosedScreenIsNotFound)
{
    TestOffice office;
    ScreenRegistry& screens = office.state().screens();
    screens.add(u"frmCars"_s, [](RunState&, QWidget* parent) {
        auto* d = new QDialog(parent);
        d->setObjectName(u"frmCars"_s);
        return d;
    });
    screens.add(u"FRMCARS"_s, [](RunState&, QWidget*) -> QWidget* { throw AppError(1, u"second"_s, u"test"_s); });
    office.ui().onDialog(u"frmCars"_s, [&](QDialog* d) {
        EXPECT_EQ(ScreenTag::get(d), u"RENTMODE"_s);
        EXPECT_EQ(screens.find(u"frmcars"_s), d);
        d->accept();
    });
    EXPECT_EQ(screens.open(u"frmcars"_s, nullptr, u"RENTMODE"_s), QDialog::Accepted);
    EXPECT_EQ(screens.find(u"frmCars"_s), nullptr) << "a closed screen is gone";
    EXPECT_THROW(screens.open(u"frmNothing"_s, nullptr), AppError);
    QWidget parent;
    for (void (*close)(QDialog*) : {+[](QDialog* d) { d->close(); }, +[](QDialog* d) { d->reject(); },
                                    +[](QDialog* d) { d->accept(); }}) {
        QPointer<QWidget> first = screens.instance(u"frmCars"_s, &parent);
        first->show();
        EXPECT_EQ(screens.find(u"frmCars"_s), first.data());
        close(static_cast<QDialog*>(first.data()));
        EXPECT_EQ(screens.find(u"frmCars"_s), nullptr);
        QWidget* second = screens.instance(u"frmCars"_s, &parent);
        EXPECT_NE(second, first.data());
        EXPECT_EQ(screens.find(u"frmCars"_s), second);
        static_cast<QDialog*>(second)->close();
    }
}

// The first tab shows; the name goes to the status bar only with SHOWSCREENNAME 1; with SHOWFIELDNAME
// every control but the command buttons shows its name; the set-up steps of other subsystems run. A screen
// taller than the room the main window gives it scrolls its pages, its buttons stay in view and its fields
// keep their names; a screen that fits is left as it is.
TEST(ScreenSetup, FirstTabNamesTipsAndScrollingFollowTheSettingsAndTheRoom)
{
    for (const auto& [showScreen, showField, fields] : {std::tuple{1, 2, 3}, {2, 0, 40}, {0, 1, 3}}) {
        PanelFrame frame;  // outlives the office that shows it
        frame.area = QRect(0, 0, 800, 600);
        TestOffice office;
        office.ui().setFrame(&frame);
        office.state().config.SHOWSCREENNAME = showScreen;
        office.state().config.SHOWFIELDNAME = showField;
        QStringList seen;
        office.state().screenSetupSteps.push_back([&](QWidget* w) { seen << w->objectName(); });
        office.state().screenSetupSteps.push_back([](QWidget*) { throw AppError(1, u"x"_s, u"y"_s); });
        QDialog screen;
        screen.setObjectName(u"frmCars"_s);
        auto* layout = new QVBoxLayout(&screen);
        auto* tabs = new QTabWidget;
        tabs->setObjectName(u"SSTab1"_s);
        auto* page = new QWidget;
        auto* form = new QFormLayout(page);
        for (int i = 0; i < fields; ++i) {
            auto* edit = new QLineEdit;
            edit->setObjectName(u"dfsField%1"_s.arg(i));
            form->addRow(u"%1"_s.arg(i), edit);
        }
        // Controls Qt builds of parts: the mouse may rest on any of them.
        form->addRow(new QDateEdit);
        form->addRow(new QPlainTextEdit);
        form->itemAt(fields, QFormLayout::SpanningRole)->widget()->setObjectName(u"dfdDay"_s);
        form->itemAt(fields + 1, QFormLayout::SpanningRole)->widget()->setObjectName(u"dfxNotes"_s);
        tabs->addTab(page, u"a"_s);
        tabs->setCurrentIndex(tabs->addTab(new QWidget, u"b"_s));
        layout->addWidget(tabs);
        for (const QString& name : {u"cmdSave"_s, u"Command0"_s}) {
            layout->addWidget(new QPushButton(name));
            layout->itemAt(layout->count() - 1)->widget()->setObjectName(name);
        }
        // Data screens set themselves up as they are first shown.
        screen.show();
        ScreenSetup::run(office.state(), &screen);
        EXPECT_EQ(tabs->currentIndex(), 0);
        EXPECT_EQ(frame.panels.value(ShellFrame::ScreenPanel) == u"frmCars"_s, showScreen == 1) << showScreen;
        EXPECT_EQ(qobject_cast<QScrollArea*>(tabs->widget(0)) != nullptr, fields == 40) << fields;
        EXPECT_LE(screen.height(), frame.area.height()) << fields;
        for (const char* button : {"cmdSave", "Command0"}) {
            const QWidget* w = screen.findChild<QWidget*>(QString::fromUtf8(button));
            EXPECT_TRUE(screen.rect().contains(w->geometry())) << button;
            EXPECT_EQ(w->toolTip(), QString()) << button;
        }
        for (int i = 0; i < fields; ++i) {
            const QString name = u"dfsField%1"_s.arg(i);
            EXPECT_EQ(screen.findChild<QLineEdit*>(name)->toolTip(), showField ? name : QString()) << i;
        }
        for (const QString& name : {u"dfdDay"_s, u"dfxNotes"_s})
            for (const QWidget* part : screen.findChild<QWidget*>(name)->findChildren<QWidget*>())
                EXPECT_EQ(part->toolTip(), showField ? name : QString()) << part->objectName().toStdString();
        EXPECT_EQ(seen, QStringList{u"frmCars"_s});
    }
}
