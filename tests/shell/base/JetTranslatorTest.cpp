#include "shell/base/AppError.h"
#include "shell/base/JetTranslator.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <string>

namespace {

struct Rewrite {
    const char* jet;
    const char* sqlite;
    const char* postgres;  // nullptr: same as for SQLite
};

// Every form the statements and stored queries are written in, with what each
// engine gets.
const Rewrite rewrites[] = {
    // select top N
    {"select top 1 name from car where carid = 5",
     "select name from car where carid = 5 ORDER BY 1 LIMIT 1", nullptr},
    {"SELECT TOP 3 * FROM rent ORDER BY rentid DESC", "SELECT * FROM rent ORDER BY rentid DESC LIMIT 3",
     nullptr},
    {"select top 1 accountnumber from account  ",
     "select accountnumber from account ORDER BY 1 LIMIT 1  ", nullptr},
    {"select distinct top 2 name from customer", "select distinct name from customer ORDER BY 1 LIMIT 2",
     nullptr},
    {"select * from rent where carid in (select top 2 carid from car order by carid desc ) "
     "and customerid = (select top 1 customerid from customer)",
     "select * from rent where carid in (select carid from car order by carid desc LIMIT 2 ) "
     "and customerid = (select customerid from customer ORDER BY 1 LIMIT 1)",
     nullptr},
    {"select top 1 a from (select top 5 a from t) order by a",
     "select a from (select a from t ORDER BY 1 LIMIT 5) order by a LIMIT 1", nullptr},
    // An order inside a sub-select is not the order of the outer level.
    {"select top 1 a from t where b in (select c from u order by c)",
     "select a from t where b in (select c from u order by c) ORDER BY 1 LIMIT 1", nullptr},
    {"select top 1 name from car;", "select name from car ORDER BY 1 LIMIT 1", nullptr},
    {"select top from t", "select top from t", nullptr},  // a column called top

    // delete * from
    {"delete * from group_func where operatorid = 3", "delete from group_func where operatorid = 3",
     nullptr},
    {"DELETE  *  FROM rent", "DELETE  FROM rent", nullptr},
    {"delete rent.* from rent where rentid = 7", "delete from rent where rentid = 7", nullptr},
    {"delete*from rent", "delete from rent", nullptr},
    {"select * from rent where a = 2 * 3", "select * from rent where a = 2 * 3", nullptr},

    // the reserved names
    {"select default, comboboxvalue,displayorder from _screencombobox where windowname = 'frmCars'",
     "select [default], comboboxvalue,displayorder from _screencombobox where windowname = 'frmCars'",
     "select \"default\", comboboxvalue,displayorder from _screencombobox where windowname = 'frmCars'"},
    {"select c.Default from _screencombobox c", "select c.[Default] from _screencombobox c",
     "select c.\"default\" from _screencombobox c"},
    {"update _screencombobox set DEFAULT = 1 where id = 2",
     "update _screencombobox set [DEFAULT] = 1 where id = 2",
     "update _screencombobox set \"default\" = 1 where id = 2"},
    {"insert into t default values", "insert into t default values", nullptr},
    {"select User, column from _gridtabledetails", "select User, column from _gridtabledetails",
     "select \"user\", \"column\" from _gridtabledetails"},
    {"create table t (a integer default 0, \"user\" text)",
     "create table t (a integer default 0, \"user\" text)", nullptr},
    {"ALTER TABLE t ADD COLUMN flag INTEGER DEFAULT 0", "ALTER TABLE t ADD COLUMN flag INTEGER DEFAULT 0",
     nullptr},

    // bracketed and backtick names: aliases keep their spelling, other names
    // follow PostgreSQL's folding of unquoted names
    {"select NAME as [الااسم ] , EMPID as [ID:] from EMPLOYEE where FLGMANAGER = 1 ",
     "select NAME as [الااسم ] , EMPID as [ID:] from EMPLOYEE where FLGMANAGER = 1 ",
     "select NAME as \"الااسم \" , EMPID as \"ID:\" from EMPLOYEE where FLGMANAGER = 1 "},
    {"SELECT [_GLRULEDETAIL].*, [_GLRULE].*  FROM _GLRULE INNER JOIN _GLRULEDETAIL "
     "ON [_GLRULE].GLRULEID = [_GLRULEDETAIL].GLRULEID",
     "SELECT [_GLRULEDETAIL].*, [_GLRULE].*  FROM _GLRULE INNER JOIN _GLRULEDETAIL "
     "ON [_GLRULE].GLRULEID = [_GLRULEDETAIL].GLRULEID",
     "SELECT \"_glruledetail\".*, \"_glrule\".*  FROM _GLRULE INNER JOIN _GLRULEDETAIL "
     "ON \"_glrule\".GLRULEID = \"_glruledetail\".GLRULEID"},
    {"select windowname as  [Name:], OPENWINDOWDESC as [Description] from _windowtable  order by [Name:]",
     "select windowname as  [Name:], OPENWINDOWDESC as [Description] from _windowtable  order by [Name:]",
     "select windowname as  \"Name:\", OPENWINDOWDESC as \"Description\" from _windowtable  order by \"Name:\""},
    {"select [Car # ] as [Car # ] from car", "select [Car # ] as [Car # ] from car",
     "select \"car # \" as \"Car # \" from car"},
    {"SELECT * FROM `tempmessages`", "SELECT * FROM `tempmessages`", "SELECT * FROM \"tempmessages\""},
    {"select [a\"b] as [x\"y] from t", "select [a\"b] as [x\"y] from t",
     "select \"a\"\"b\" as \"x\"\"y\" from t"},

    // numbers glued to words, comment openers
    {"select * from rent where rentid = 15order by rentid",
     "select * from rent where rentid = 15 order by rentid", nullptr},
    {"select case when a = 1 then 15else 0 end from t", "select case when a = 1 then 15 else 0 end from t",
     nullptr},
    {"select 1e5, 2.5E-3, 3.75 from t", "select 1e5, 2.5E-3, 3.75 from t", nullptr},
    {"update car set rented = 0 where 1=1 -- WHERE carid = 5",
     "update car set rented = 0 where 1=1 - - WHERE carid = 5", nullptr},
    {"select a/*b*/ from t", "select a/ *b*/ from t", nullptr},
    {"select 5--3", "select 5- -3", nullptr},
    {"select a - -b, c*-d from t", "select a - -b, c*-d from t", nullptr},

    // trailing semicolon
    {"select * from car;", "select * from car", nullptr},
    {"select * from car ;  \n", "select * from car ", nullptr},

    // stored-query forms
    {"select name & ' ' & surname from customer", "select name || ' ' || surname from customer", nullptr},
    {"select \"it's\" from t where a = \"x\"\"y\"", "select 'it''s' from t where a = 'x\"y'", nullptr},
    {"select IIF(a > 1, 'x', 'y'), Nz(b, 0), UCase(c), lcase(d), LEN(e), Mid(f, 2, 3), "
     "InStr(g, 'x'), Left(h, 2), Right(i, 2), Now(), Date() from t",
     "select jet_iif(a > 1, 'x', 'y'), jet_nz(b, 0), jet_ucase(c), jet_lcase(d), jet_len(e), "
     "jet_mid(f, 2, 3), jet_instr(g, 'x'), jet_left(h, 2), jet_right(i, 2), jet_now(), jet_date() from t",
     nullptr},
    {"select UCase (name) from t", "select jet_ucase (name) from t", nullptr},
    {"select * from a left join b on a.x = b.x right join c on 1=1",
     "select * from a left join b on a.x = b.x right join c on 1=1", nullptr},
    {"select date, left from t", "select date, left from t", nullptr},
    {"insert into date (a) values (1)", "insert into date (a) values (1)", nullptr},
    {"SELECT carid, name INTO tempmessages FROM car WHERE rented = 1",
     "CREATE TABLE tempmessages AS SELECT carid, name FROM car WHERE rented = 1", nullptr},
    {"select * into [TempMessages] from car", "CREATE TABLE [TempMessages] AS select * from car",
     "CREATE TABLE \"tempmessages\" AS select * from car"},
    {"select top 2 * into tmp from car", "CREATE TABLE tmp AS select * from car ORDER BY 1 LIMIT 2",
     nullptr},
    {"insert into t (a) select a from u", "insert into t (a) select a from u", nullptr},
    {"select a from t where b in (select c into x from u)", "select a from t where b in (select c into x from u)",
     nullptr},

    // what runs unchanged, and literals that must stay as typed
    {"select count(*) as CountOp from car", "select count(*) as CountOp from car", nullptr},
    {"select max(accountnumber) + 1 from _account", "select max(accountnumber) + 1 from _account", nullptr},
    {"select name from t where name = 'select top 5 & [x] -- ; delete * from'",
     "select name from t where name = 'select top 5 & [x] -- ; delete * from'", nullptr},
    {"update t set a = 'it''s; #1/1/2003# \\ \"q\" /* default' where b = 'x'",
     "update t set a = 'it''s; #1/1/2003# \\ \"q\" /* default' where b = 'x'", nullptr},
    {"select \"top 1 & -- [y]\" from t", "select 'top 1 & -- [y]' from t", nullptr},
    {"select [a -- b] as [c;d] from t", "select [a -- b] as [c;d] from t",
     "select \"a -- b\" as \"c;d\" from t"},
    {"", "", nullptr},
};

struct Refusal {
    const char* jet;
    const char* mentions;  // a word the operator's message must contain
};

const Refusal refusals[] = {
    {"select * from car; delete from car", "one statement"},
    {"select 1;;", "one statement"},
    {"select * from rent where rentdate > #1/1/2003#", "yyyymmdd"},
    {"select top 10 percent * from car", "PERCENT"},
    {"select 7 \\ 2", "\\"},
    {"select * from car where name = 'abc", "never closed"},
    {"select * from car where name = \"abc", "never closed"},
    {"select [name from car", "never closed"},
    {"select `name from car", "never closed"},
    {"select top 1 a from t union select b from u", "UNION"},
    {"select a into t in 'other.db' from b", "another database"},
};

std::string translated(const char* jet, SqlDialect dialect)
{
    return JetTranslator::translate(QString::fromUtf8(jet), dialect).toStdString();
}

}  // namespace

TEST(JetTranslator, RewritesJetFormsForEachEngine)
{
    for (const Rewrite& r : rewrites) {
        SCOPED_TRACE(r.jet);
        EXPECT_EQ(translated(r.jet, SqlDialect::SQLite), r.sqlite);
        EXPECT_EQ(translated(r.jet, SqlDialect::PostgreSQL), r.postgres ? r.postgres : r.sqlite);
    }
}

TEST(JetTranslator, RefusesFormsThatCannotRunSafely)
{
    for (const Refusal& r : refusals) {
        for (SqlDialect dialect : {SqlDialect::SQLite, SqlDialect::PostgreSQL}) {
            SCOPED_TRACE(r.jet);
            try {
                const std::string out = translated(r.jet, dialect);
                ADD_FAILURE() << "not refused, translated to: " << out;
            } catch (const AppError& e) {
                EXPECT_EQ(e.number(), ErrorNumber::RefusedStatement);
                EXPECT_EQ(e.source(), QStringLiteral("Database"));
                EXPECT_TRUE(e.description().contains(QString::fromUtf8(r.mentions), Qt::CaseInsensitive))
                    << e.description().toStdString();
            }
        }
    }
}

// Every helper a translated statement can call must exist on PostgreSQL too.
TEST(JetTranslator, PostgresHelpersCoverEveryRenamedFunction)
{
    const QString sql = JetTranslator::translate(
        QStringLiteral("select IIf(1,2,3), Nz(a), UCase(a), LCase(a), Len(a), Mid(a,1), "
                       "InStr(a,'b'), Left(a,1), Right(a,1), Now(), Date()"),
        SqlDialect::PostgreSQL);
    const QString helpers = JetTranslator::postgresHelperFunctions().join(u'\n');
    const QRegularExpression call(QStringLiteral("\\b(jet_[a-z]+)\\("));
    int calls = 0;
    for (auto it = call.globalMatch(sql); it.hasNext(); ++calls) {
        const QString name = it.next().captured(1);
        EXPECT_TRUE(helpers.contains(QStringLiteral("FUNCTION ") + name + u'('))
            << name.toStdString();
    }
    EXPECT_EQ(calls, 11);
}
