#include "shell/base/JetTranslator.h"
#include "shell/base/SqliteFunctions.h"

#include <QDate>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QUuid>
#include <QVariant>
#include <gtest/gtest.h>

#include <optional>

namespace {

class SqliteFunctions : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_name = QStringLiteral("jetfunctions-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(QStringLiteral(":memory:"));
        ASSERT_TRUE(db.open()) << db.lastError().text().toStdString();
        ASSERT_NE(sqliteHandle(db), nullptr);
        registerJetFunctions(sqliteHandle(db));
        run(QStringLiteral("create table car (carid integer primary key, name text, rented integer)"));
        run(QStringLiteral("insert into car values (1, 'Corolla', 0), (2, 'Sunny', 0), (3, 'Accent', 1)"));
    }

    void TearDown() override
    {
        QSqlDatabase::database(m_name, false).close();
        QSqlDatabase::removeDatabase(m_name);
    }

    QSqlDatabase db() const { return QSqlDatabase::database(m_name, false); }

    // Runs native SQL; fails the test when the engine refuses it.
    QSqlQuery run(const QString& sql)
    {
        QSqlQuery q(db());
        EXPECT_TRUE(q.exec(sql)) << sql.toStdString() << ": " << q.lastError().text().toStdString();
        return q;
    }

    // Error text when the engine refuses the statement, nothing when it runs.
    std::optional<QString> failureOf(const QString& sql)
    {
        QSqlQuery q(db());
        if (q.exec(sql))
            return std::nullopt;
        return q.lastError().text();
    }

    QString jet(const QString& sql) { return JetTranslator::translate(sql, SqlDialect::SQLite); }

    // The value of one Jet expression, run the way Database runs statements.
    QVariant value(const QString& jetExpression)
    {
        QSqlQuery q = run(jet(QStringLiteral("select ") + jetExpression));
        EXPECT_TRUE(q.next()) << jetExpression.toStdString();
        return q.value(0);
    }

    int count(const QString& nativeSql)
    {
        QSqlQuery q = run(nativeSql);
        return q.next() ? q.value(0).toInt() : -1;
    }

    QString m_name;
};

struct Expression {
    const char* jet;
    QVariant expected;  // a null QVariant for SQL NULL
};

}  // namespace

TEST_F(SqliteFunctions, JetExpressionsGiveJetResults)
{
    const Expression cases[] = {
        {"IIF(2 > 1, 'yes', 'no')", QStringLiteral("yes")},
        {"IIf(0, 'yes', 'no')", QStringLiteral("no")},
        {"iif(null, 'yes', 'no')", QStringLiteral("no")},
        {"Nz(null)", QStringLiteral("")},
        {"Nz(null, 5)", 5},
        {"Nz('a', 'b')", QStringLiteral("a")},
        {"Mid('abcdef', 2, 3)", QStringLiteral("bcd")},
        {"Mid('abcdef', 3)", QStringLiteral("cdef")},
        {"Mid('abc', 5, 2)", QStringLiteral("")},
        {"Mid('كتابة', 2, 2)", QStringLiteral("تا")},
        {"InStr('Hello', 'l')", 3},
        {"InStr(4, 'Hello', 'l')", 4},
        {"InStr('Hello', 'z')", 0},
        {"InStr('Hello', 'LL')", 3},
        {"InStr('إيجار سيارة', 'سيارة')", 7},
        {"InStr(null, 'a')", QVariant()},
        {"Len('إيجار')", 5},
        {"Len('a😀b')", 3},
        {"Len(null)", QVariant()},
        {"UCase('Ärger mit Öl')", QStringLiteral("ÄRGER MIT ÖL")},
        {"LCase('ÄRGER إيجار')", QStringLiteral("ärger إيجار")},
        {"UCase(null)", QVariant()},
        {"Left('abcdef', 2)", QStringLiteral("ab")},
        {"Right('abcdef', 2)", QStringLiteral("ef")},
        {"Right('ab', 5)", QStringLiteral("ab")},
        {"'a' & 'b'", QStringLiteral("ab")},  // a bitwise AND would give 0
        {"\"it's\" & 1", QStringLiteral("it's1")},
    };
    for (const Expression& c : cases) {
        SCOPED_TRACE(c.jet);
        const QVariant v = value(QString::fromUtf8(c.jet));
        if (c.expected.isNull()) {
            EXPECT_TRUE(v.isNull()) << v.toString().toStdString();
        } else {
            EXPECT_FALSE(v.isNull());
            EXPECT_EQ(v.toString().toStdString(), c.expected.toString().toStdString());
        }
    }
}

TEST_F(SqliteFunctions, NowAndDateFollowTheClock)
{
    const auto today = [] {
        const QDate d = QDate::currentDate();
        return d.year() * 10000LL + d.month() * 100 + d.day();
    };
    const qint64 before = today();
    const qint64 date = value(QStringLiteral("Date()")).toLongLong();
    const qint64 after = today();
    EXPECT_TRUE(date == before || date == after) << date;

    const QString now = value(QStringLiteral("Now()")).toString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$"))
                    .match(now).hasMatch())
        << now.toStdString();
    EXPECT_TRUE(now.startsWith(QString::number(before / 10000)));
}

TEST_F(SqliteFunctions, BadArgumentsAreErrors)
{
    for (const char* expr : {"Mid('abc', 0, 1)", "Mid('abc', 1, -1)", "InStr(0, 'abc', 'a')",
                             "Left('abc', -1)", "Right('abc', -1)"}) {
        SCOPED_TRACE(expr);
        EXPECT_TRUE(failureOf(jet(QStringLiteral("select ") + QString::fromUtf8(expr))).has_value());
    }
}

TEST_F(SqliteFunctions, MisspeltDoubleQuotedColumnIsAnError)
{
    const QString misspelt = QStringLiteral("select \"nmae\" from car where carid = 1");
    // SQLite's fallback reads the unknown name as the text 'nmae'.
    QSqlQuery before = run(misspelt);
    ASSERT_TRUE(before.next());
    EXPECT_EQ(before.value(0).toString(), QStringLiteral("nmae"));

    disableDoubleQuotedStrings(sqliteHandle(db()));
    const std::optional<QString> failure = failureOf(misspelt);
    ASSERT_TRUE(failure.has_value());
    EXPECT_TRUE(failure->contains(QStringLiteral("nmae"))) << failure->toStdString();
    // A correctly spelt quoted column still works.
    QSqlQuery after = run(QStringLiteral("select \"name\" from car where carid = 1"));
    ASSERT_TRUE(after.next());
    EXPECT_EQ(after.value(0).toString(), QStringLiteral("Corolla"));
}

TEST_F(SqliteFunctions, HandleIsNullWithoutAnOpenSqliteConnection)
{
    EXPECT_EQ(sqliteHandle(QSqlDatabase()), nullptr);
    const QString name = m_name + QStringLiteral("-closed");
    {
        QSqlDatabase closed = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        EXPECT_EQ(sqliteHandle(closed), nullptr);
    }
    QSqlDatabase::removeDatabase(name);
}

// The rewritten statements run on SQLite and do what the Jet text meant.
TEST_F(SqliteFunctions, TranslatedStatementsRun)
{
    disableDoubleQuotedStrings(sqliteHandle(db()));

    QSqlQuery first = run(jet(QStringLiteral("select top 1 name from car where rented = 0")));
    ASSERT_TRUE(first.next());
    EXPECT_EQ(first.value(0).toString(), QStringLiteral("Corolla"));
    EXPECT_FALSE(first.next());

    QSqlQuery nested = run(jet(QStringLiteral(
        "select name from car where carid = (select top 1 carid from car order by carid desc)")));
    ASSERT_TRUE(nested.next());
    EXPECT_EQ(nested.value(0).toString(), QStringLiteral("Accent"));

    run(QStringLiteral("create table _screencombobox (id integer primary key, \"default\" integer, "
                       "comboboxvalue text, displayorder integer)"));
    run(QStringLiteral("insert into _screencombobox values (1, 0, 'B', 2), (2, 1, 'A', 1)"));
    QSqlQuery combo = run(jet(QStringLiteral(
        "select default, comboboxvalue,displayorder from _screencombobox order by displayorder")));
    ASSERT_TRUE(combo.next());
    EXPECT_EQ(combo.value(0).toInt(), 1);
    EXPECT_EQ(combo.value(1).toString(), QStringLiteral("A"));

    run(jet(QStringLiteral("select carid, name into tempmessages from car where rented = 0")));
    EXPECT_EQ(count(QStringLiteral("select count(*) from tempmessages")), 2);
    run(jet(QStringLiteral("delete * from tempmessages where carid = 1;")));
    EXPECT_EQ(count(QStringLiteral("select count(*) from tempmessages")), 1);

    QSqlQuery text = run(jet(QStringLiteral("select name from car where name = \"Sunny\"")));
    ASSERT_TRUE(text.next());
    EXPECT_EQ(text.value(0).toString(), QStringLiteral("Sunny"));
}

// A number field typed as "0 where 1=1 --" must not turn one update into an
// update of every row.
TEST_F(SqliteFunctions, TypedCommentCannotWidenAnUpdate)
{
    const QString forged =
        QStringLiteral("update car set rented = ") + QStringLiteral("0 where 1=1 --") + QStringLiteral(" WHERE carid = 2");
    EXPECT_TRUE(failureOf(jet(forged)).has_value());
    EXPECT_EQ(count(QStringLiteral("select count(*) from car where rented = 1")), 1);
}
