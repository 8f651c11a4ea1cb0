#include "core/AppError.h"
#include "core/JetTranslator.h"

#include <gtest/gtest.h>

namespace {

// What each engine gets; sqlite nullptr: the text runs unchanged; postgres nullptr: as for SQLite.
struct Rewrite { const char* jet; const char* sqlite; const char* postgres; };

const Rewrite rewrites[] = {
    // select top N at every select level (an inner order is not the outer one), delete * from, reserved names
    {"select top 1 name from car where carid = 5", "select name from car where carid = 5 ORDER BY 1 LIMIT 1", nullptr},
    {"select distinct top 2 name from customer", "select distinct name from customer ORDER BY 1 LIMIT 2", nullptr},
    {"select * from r where c in (select top 2 c from car order by c desc ) and d = (select top 1 d from u)",
     "select * from r where c in (select c from car order by c desc LIMIT 2 ) and d = (select d from u ORDER BY 1 LIMIT 1)",
     nullptr},
    {"select top 1 a from (select top 5 a from t) order by a",
     "select a from (select a from t ORDER BY 1 LIMIT 5) order by a LIMIT 1",
     "select a from (select a from t ORDER BY 1 LIMIT 5) AS jet_sub1 order by a LIMIT 1"},
    {"select top 1 a from t where b in (select c from u order by c)",
     "select a from t where b in (select c from u order by c) ORDER BY 1 LIMIT 1", nullptr},
    {"delete * from group_func where operatorid = 3", "delete from group_func where operatorid = 3", nullptr},
    {"delete rent.* from rent where rentid = 7", "delete from rent where rentid = 7", nullptr},
    {"select default, value from t", "select [default], value from t", "select \"default\", value from t"},
    {"select c.Default from t c", "select c.[Default] from t c", "select c.\"default\" from t c"},
    {"select User, column from t", nullptr, "select \"user\", \"column\" from t"},
    // bracketed and backtick names: aliases keep their spelling, names fold like PostgreSQL's
    {"select NAME as [الاسم ] from EMPLOYEE", nullptr, "select NAME as \"الاسم \" from EMPLOYEE"},
    {"select w as  [Name:] from t  order by [Name:]", nullptr, "select w as  \"Name:\" from t  order by \"Name:\""},
    {"select [Car # ] as [Car # ] from car", nullptr, "select \"car # \" as \"Car # \" from car"},
    {"SELECT * FROM `tempmessages`", nullptr, "SELECT * FROM \"tempmessages\""},
    {"select [a\"b] as [x\"y] from t", nullptr, "select \"a\"\"b\" as \"x\"\"y\" from t"},
    // numbers glued to words, comment openers split apart, a last semicolon, the stored-query forms
    {"select * from r where id = 15order by id", "select * from r where id = 15 order by id", nullptr},
    {"update car set a = 0 where 1=1 -- WHERE carid = 5", "update car set a = 0 where 1=1 - - WHERE carid = 5", nullptr},
    {"select a/*b*/ from t", "select a/ *b*/ from t", nullptr}, {"select * from car ;  \n", "select * from car ", nullptr},
    {"select name & ' ' & surname from customer", "select name || ' ' || surname from customer", nullptr},
    {"select \"it's\" from t where a = \"x\"\"y\"", "select 'it''s' from t where a = 'x\"y'", nullptr},
    {"select IIF(a > 1, 'x', 'y'), Nz(b, 0), UCase(c), lcase(d), LEN(e), Mid(f, 2, 3), InStr(g, 'x'), Left(h, 2), "
     "Right(i, 2), Now(), Date() from t",
     "select jet_iif(a > 1, 'x', 'y'), jet_nz(b, 0), jet_ucase(c), jet_lcase(d), jet_len(e), "
     "jet_mid(f, 2, 3), jet_instr(g, 'x'), jet_left(h, 2), jet_right(i, 2), jet_now(), jet_date() from t", nullptr},
    {"select 1 where cast(':1 ' as real) <= 0 and cast(round((a) * 100) as integer) > cast(b as text)", nullptr,
     "select 1 where jet_real(':1 '    ) <= 0 and jet_int(round((a) * 100)    ) > cast(b as text)"},
    {"select count(*) from (select a from t group by a) where 1 = 1 and b in (select c from (select c from u))", nullptr,
     "select count(*) from (select a from t group by a) AS jet_sub1 where 1 = 1 and b in (select c from (select c from u) AS jet_sub2)"},
    {"select x.a from (select a from t) x join (select b from u) as y on 1=1", nullptr, nullptr},
    {"SELECT a, b INTO tmp FROM car WHERE c = 1", "CREATE TABLE tmp AS SELECT a, b FROM car WHERE c = 1", nullptr},
    {"select * into [Tmp] from car", "CREATE TABLE [Tmp] AS select * from car", "CREATE TABLE \"tmp\" AS select * from car"},
    {"select top 2 * into tmp from car", "CREATE TABLE tmp AS select * from car ORDER BY 1 LIMIT 2", nullptr},
    // look-alikes that stay, and literals exactly as typed
    {"select top from t", nullptr, nullptr}, {"select * from t where a = 2 * 3", nullptr, nullptr},
    {"insert into t default values", nullptr, nullptr}, {"create table t (a integer default 0, \"user\" text)", nullptr, nullptr},
    {"select 1e5, 2.5E-3 from t", nullptr, nullptr}, {"select * from a left join b on 1=1 right join c on 1=1", nullptr, nullptr},
    {"select date, left from t", nullptr, nullptr}, {"insert into t (a) select a from u", nullptr, nullptr},
    {"select a from t where b in (select c into x from u)", nullptr, nullptr}, {"", nullptr, nullptr},
    {"select name from t where name = 'select top 5 & [x] -- ; delete * from'", nullptr, nullptr},
    {"update t set a = 'it''s; #1/1/2003# \\ \"q\" /* default' where b = 'x'", nullptr, nullptr},
    {"select \"top 1 & -- [y]\" from t", "select 'top 1 & -- [y]' from t", nullptr},
    {"select [a -- b] as [c;d] from t", nullptr, "select \"a -- b\" as \"c;d\" from t"},
};

// Each refusal names a word the operator's message must contain.
const struct { const char* jet; const char* mentions; } refusals[] = {
    {"select * from car; delete from car", "one statement"}, {"select 1;;", "one statement"},
    {"select * from rent where rentdate > #1/1/2003#", "yyyymmdd"}, {"select top 10 percent * from car", "PERCENT"},
    {"select 7 \\ 2", "\\"}, {"select * from car where name = 'abc", "never closed"},
    {"select * from car where name = \"abc", "never closed"}, {"select [name from car", "never closed"},
    {"select `name from car", "never closed"}, {"select top 1 a from t union select b from u", "UNION"},
    {"select a into t in 'other.db' from b", "another database"},
};

std::string translated(const char* jet, SqlDialect d) { return JetTranslator::translate(QString::fromUtf8(jet), d).toStdString(); }

}  // namespace

TEST(JetTranslator, RewritesJetFormsForEachEngine)
{
    for (const Rewrite& r : rewrites) {
        SCOPED_TRACE(r.jet);
        const char* sqlite = r.sqlite ? r.sqlite : r.jet;
        EXPECT_EQ(translated(r.jet, SqlDialect::SQLite), sqlite);
        EXPECT_EQ(translated(r.jet, SqlDialect::PostgreSQL), r.postgres ? r.postgres : sqlite);
    }
    // Every helper a translated statement can call exists on PostgreSQL too.
    const QString helpers = JetTranslator::postgresHelperFunctions().join(u'\n');
    for (const char* name : {"iif", "nz", "ucase", "lcase", "len", "mid", "instr", "left", "right", "now", "date"})
        EXPECT_TRUE(helpers.contains(QStringLiteral("FUNCTION jet_") + QLatin1String(name) + u'(')) << name;
}

TEST(JetTranslator, RefusesFormsThatCannotRunSafely)
{
    for (const auto& r : refusals)
        for (SqlDialect dialect : {SqlDialect::SQLite, SqlDialect::PostgreSQL}) {
            SCOPED_TRACE(r.jet);
            try {
                ADD_FAILURE() << "not refused, translated to: " << translated(r.jet, dialect);
            } catch (const AppError& e) {
                EXPECT_TRUE(e.number() == ErrorNumber::RefusedStatement
                            && e.description().contains(QString::fromUtf8(r.mentions), Qt::CaseInsensitive))
                    << e.description().toStdString();
            }
        }
}
