#include "core/JetTranslator.h"

#include "core/AppError.h"
#include "core/TextConvert.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QVector>

#include <algorithm>
#include <array>
#include <string_view>

namespace {

enum class Kind {
    Space,
    Text,      // 'single quoted'
    JetText,   // "double quoted": a text literal in Jet
    Bracket,   // [name]
    Backtick,  // `name`
    Number,
    Word,
    Symbol,    // one character: operators, comma, dot, star
    Open,
    Close,
    Semicolon,
};

struct Token {
    Kind kind;
    QString text;  // as written, delimiters included
};

using Tokens = QList<Token>;

[[noreturn]] void refuse(const QString& why)
{
    throw AppError(ErrorNumber::RefusedStatement, why, QStringLiteral("Database"));
}

bool isAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

bool isWordStart(QChar c) { return c.isLetter() || c == u'_'; }

bool isWordPart(QChar c) { return c.isLetterOrNumber() || c.isMark() || c == u'_'; }

// End (exclusive) of a quoted run starting at `from`, where a doubled closing
// character stands for itself; -1 when the run never closes.
int endOfQuoted(const QString& s, int from, QChar close, bool doubling)
{
    int i = from + 1;
    while (i < s.size()) {
        if (s[i] == close) {
            if (doubling && i + 1 < s.size() && s[i + 1] == close) {
                i += 2;
                continue;
            }
            return i + 1;
        }
        ++i;
    }
    return -1;
}

// Where a refused statement goes wrong, short enough for a message box.
QString excerpt(const QString& s, int from)
{
    constexpr int shown = 30;
    return s.size() - from > shown ? s.mid(from, shown) + QStringLiteral("…") : s.mid(from);
}

// Every statement is cut into pieces, most of them one ASCII character long
// (a space, a comma, a bracket): those share their text.
const QString& asciiChar(QChar c)
{
    static const std::array<QString, 128> chars = [] {
        std::array<QString, 128> all;
        for (char16_t k = 0; k < 128; ++k)
            all[k] = QString(QChar(k));
        return all;
    }();
    return chars[c.unicode()];
}

// Borrowed pieces share the statement's own characters: it outlives them.
Tokens tokenize(const QString& s, bool borrow = false)
{
    Tokens out;
    const int n = int(s.size());
    int i = 0;
    while (i < n) {
        const QChar c = s[i];
        int j = i + 1;
        Kind kind = Kind::Symbol;
        if (c.isSpace()) {
            while (j < n && s[j].isSpace())
                ++j;
            kind = Kind::Space;
        } else if (c == u'\'' || c == u'"') {
            j = endOfQuoted(s, i, c, true);
            if (j < 0)
                refuse(QStringLiteral("The statement has a text literal that is never closed: %1")
                           .arg(excerpt(s, i)));
            kind = c == u'\'' ? Kind::Text : Kind::JetText;
        } else if (c == u'[' || c == u'`') {
            j = endOfQuoted(s, i, c == u'[' ? QChar(u']') : c, false);
            if (j < 0)
                refuse(QStringLiteral("The statement has a name that is never closed: %1")
                           .arg(excerpt(s, i)));
            kind = c == u'[' ? Kind::Bracket : Kind::Backtick;
        } else if (isAsciiDigit(c)) {
            while (j < n && isAsciiDigit(s[j]))
                ++j;
            if (j + 1 < n && s[j] == u'.' && isAsciiDigit(s[j + 1])) {
                j += 2;
                while (j < n && isAsciiDigit(s[j]))
                    ++j;
            }
            // An exponent only when digits follow, so that "15else" stays 15 + else.
            if (j < n && (s[j] == u'e' || s[j] == u'E')) {
                int k = j + 1;
                if (k < n && (s[k] == u'+' || s[k] == u'-'))
                    ++k;
                if (k < n && isAsciiDigit(s[k])) {
                    j = k;
                    while (j < n && isAsciiDigit(s[j]))
                        ++j;
                }
            }
            kind = Kind::Number;
        } else if (isWordStart(c)) {
            while (j < n && isWordPart(s[j]))
                ++j;
            kind = Kind::Word;
        } else if (c == u'(') {
            kind = Kind::Open;
        } else if (c == u')') {
            kind = Kind::Close;
        } else if (c == u';') {
            kind = Kind::Semicolon;
        } else if (c == u'#') {
            refuse(QStringLiteral("Date literals between # signs are not supported: "
                                  "write the date as a yyyymmdd number."));
        } else if (c == u'\\') {
            refuse(QStringLiteral("The integer division operator \\ is not supported."));
        } else if (c.isHighSurrogate() && j < n && s[j].isLowSurrogate()) {
            ++j;
        }
        out.append({kind, j == i + 1 && c.unicode() < 128 ? asciiChar(c)
                          : borrow                          ? QString::fromRawData(s.constData() + i, j - i)
                                                            : s.mid(i, j - i)});
        i = j;
    }
    return out;
}

bool isWord(const Token& t, QStringView word)
{
    return t.kind == Kind::Word && t.text.size() == word.size() && t.text.compare(word, Qt::CaseInsensitive) == 0;
}

bool isSymbol(const Token& t, QChar c)
{
    return t.kind == Kind::Symbol && t.text.size() == 1 && t.text[0] == c;
}

bool isName(const Token& t)
{
    return t.kind == Kind::Word || t.kind == Kind::Bracket || t.kind == Kind::Backtick;
}

int nextSig(const Tokens& toks, int i)
{
    for (++i; i < toks.size(); ++i)
        if (toks[i].kind != Kind::Space)
            return i;
    return -1;
}

int prevSig(const Tokens& toks, int i)
{
    for (--i; i >= 0; --i)
        if (toks[i].kind != Kind::Space)
            return i;
    return -1;
}

bool sigIsWord(const Tokens& toks, int i, QStringView word)
{
    return i >= 0 && i < toks.size() && isWord(toks[i], word);
}

// One past the blanks that follow index i.
int skipSpace(const Tokens& toks, int i)
{
    while (i < toks.size() && toks[i].kind == Kind::Space)
        ++i;
    return i;
}

// Only one statement per call: a second one could ride in on a typed value.
void dropTrailingSemicolon(Tokens& toks)
{
    for (int i = 0; i < toks.size(); ++i) {
        if (toks[i].kind != Kind::Semicolon)
            continue;
        if (nextSig(toks, i) >= 0)
            refuse(QStringLiteral("Only one statement can be run per call: "
                                  "text follows the ';'."));
        toks.erase(toks.begin() + i, toks.end());
        return;
    }
}

// The ")" that closes the "(" at `open`, or -1 when the statement ends first.
int closingParen(const Tokens& toks, int open)
{
    int depth = 0;
    for (int i = open; i < toks.size(); ++i) {
        if (toks[i].kind == Kind::Open)
            ++depth;
        else if (toks[i].kind == Kind::Close && --depth == 0)
            return i;
    }
    return -1;
}

// select cols into t from … (top level) -> CREATE TABLE t AS select cols from …
void rewriteSelectInto(Tokens& toks)
{
    const int first = nextSig(toks, -1);
    if (!sigIsWord(toks, first, u"select"))
        return;
    int depth = 0;
    int into = -1;
    for (int i = first + 1; i < toks.size() && into < 0; ++i) {
        const Token& t = toks[i];
        if (t.kind == Kind::Open)
            ++depth;
        else if (t.kind == Kind::Close)
            --depth;
        else if (depth == 0 && isWord(t, u"from"))
            break;
        else if (depth == 0 && isWord(t, u"into"))
            into = i;
    }
    if (into < 0)
        return;
    const int nameStart = nextSig(toks, into);
    int nameEnd = nameStart;
    while (nameEnd >= 0 && nameEnd < toks.size()
           && (isName(toks[nameEnd]) || isSymbol(toks[nameEnd], u'.')))
        ++nameEnd;
    if (nameStart < 0 || nameEnd == nameStart)
        return;  // no table name: let the engine say what is wrong
    if (sigIsWord(toks, nextSig(toks, nameEnd - 1), u"in"))
        refuse(QStringLiteral("SELECT … INTO a table of another database file is not supported."));

    Tokens prefix{{Kind::Word, QStringLiteral("CREATE")}, {Kind::Space, QStringLiteral(" ")},
                  {Kind::Word, QStringLiteral("TABLE")}, {Kind::Space, QStringLiteral(" ")}};
    prefix.append(toks.mid(nameStart, nameEnd - nameStart));
    prefix.append({Kind::Space, QStringLiteral(" ")});
    prefix.append({Kind::Word, QStringLiteral("AS")});
    prefix.append({Kind::Space, QStringLiteral(" ")});

    toks.erase(toks.begin() + into, toks.begin() + skipSpace(toks, nameEnd));
    for (int k = 0; k < prefix.size(); ++k)
        toks.insert(first + k, prefix[k]);
}

// cast(x as real) and cast(x as integer) read a text that is no number as 0
// in SQLite (and Jet's rules are written so: a blank amount is no amount);
// PostgreSQL refuses such a text, so there they become jet_real(x) and
// jet_int(x), which read it as SQLite does.
void rewriteNumberCasts(Tokens& toks)
{
    static const QSet<QString> reals{QStringLiteral("real"), QStringLiteral("double"), QStringLiteral("float"),
                                     QStringLiteral("numeric"), QStringLiteral("decimal")};
    static const QSet<QString> integers{QStringLiteral("integer"), QStringLiteral("int"), QStringLiteral("bigint"),
                                        QStringLiteral("smallint")};
    for (int c = 0; c < toks.size(); ++c) {
        const int open = nextSig(toks, c);
        if (!isWord(toks[c], u"cast") || open < 0 || toks[open].kind != Kind::Open)
            continue;
        const int close = closingParen(toks, open);
        int as = -1;
        for (int i = open + 1, depth = 1; i < close; ++i) {
            if (toks[i].kind == Kind::Open)
                ++depth;
            else if (toks[i].kind == Kind::Close)
                --depth;
            else if (depth == 1 && isWord(toks[i], u"as"))
                as = i;
        }
        const int type = as < 0 ? -1 : nextSig(toks, as);
        if (close < 0 || type < 0 || toks[type].kind != Kind::Word)
            continue;
        const QString name = toks[type].text.toLower();
        if (!reals.contains(name) && !integers.contains(name))
            continue;
        toks[c].text = reals.contains(name) ? QStringLiteral("jet_real") : QStringLiteral("jet_int");
        for (int i = as; i < close; ++i)
            toks[i] = {Kind::Space, QStringLiteral(" ")};
    }
}

// A sub-select in FROM needs a name on PostgreSQL before version 16;
// SQLite and Jet take it without one.
void nameSubselects(Tokens& toks)
{
    static const QSet<QString> followers{
        QStringLiteral("where"), QStringLiteral("group"),  QStringLiteral("order"), QStringLiteral("having"),
        QStringLiteral("limit"), QStringLiteral("union"),  QStringLiteral("on"),    QStringLiteral("join"),
        QStringLiteral("inner"), QStringLiteral("left"),   QStringLiteral("right"), QStringLiteral("cross"),
        QStringLiteral("full"),  QStringLiteral("natural"), QStringLiteral("except"), QStringLiteral("intersect"),
        QStringLiteral("offset")};
    int named = 0;
    for (int open = 0; open < toks.size(); ++open) {
        const int before = prevSig(toks, open);
        if (toks[open].kind != Kind::Open || !(sigIsWord(toks, before, u"from") || sigIsWord(toks, before, u"join"))
            || !sigIsWord(toks, nextSig(toks, open), u"select"))
            continue;
        const int close = closingParen(toks, open);
        if (close < 0)
            return;
        const int after = nextSig(toks, close);
        const bool hasName = after >= 0
            && (isName(toks[after]) && !followers.contains(toks[after].text.toLower()));
        if (!hasName)
            toks.insert(close + 1, {Kind::Word, QStringLiteral(" AS jet_sub%1").arg(++named)});
    }
}

// select top N … -> select … ORDER BY 1 LIMIT N, at every select level. A
// select level runs from its select to the parenthesis that closes its group,
// or to the end of the statement.
void rewriteTop(Tokens& toks)
{
    QVector<bool> dropped(toks.size(), false);
    QHash<int, QString> suffixAfter;

    for (int s = 0; s < toks.size(); ++s) {
        if (!isWord(toks[s], u"select"))
            continue;

        int top = nextSig(toks, s);
        if (sigIsWord(toks, top, u"distinct") || sigIsWord(toks, top, u"all"))
            top = nextSig(toks, top);
        if (!sigIsWord(toks, top, u"top"))
            continue;
        const int count = nextSig(toks, top);
        if (count < 0 || toks[count].kind != Kind::Number)
            continue;  // a column called top, not the clause
        if (sigIsWord(toks, nextSig(toks, count), u"percent"))
            refuse(QStringLiteral("SELECT TOP n PERCENT is not supported: give a number of rows."));

        bool hasOrder = false;
        int last = s;
        int depth = 0;
        for (int i = s + 1; i < toks.size(); ++i) {
            const Token& t = toks[i];
            if (t.kind == Kind::Open) {
                ++depth;
            } else if (t.kind == Kind::Close) {
                if (depth == 0)
                    break;
                --depth;
            } else if (depth == 0) {
                if (isWord(t, u"order") && sigIsWord(toks, nextSig(toks, i), u"by"))
                    hasOrder = true;
                if (isWord(t, u"union") || isWord(t, u"intersect") || isWord(t, u"except"))
                    refuse(QStringLiteral("SELECT TOP is not supported inside a UNION."));
            }
            if (t.kind != Kind::Space)
                last = i;
        }

        for (int k = top; k < skipSpace(toks, count + 1); ++k)
            dropped[k] = true;
        QString suffix;
        if (!hasOrder)
            suffix += QStringLiteral(" ORDER BY 1");
        suffix += QStringLiteral(" LIMIT ") + toks[count].text;
        suffixAfter[last] += suffix;
    }

    if (suffixAfter.isEmpty())
        return;
    Tokens out;
    for (int i = 0; i < toks.size(); ++i) {
        if (!dropped[i])
            out.append(toks[i]);
        if (suffixAfter.contains(i)) {
            const Tokens extra = tokenize(suffixAfter[i]);
            out.append(extra);
        }
    }
    toks = out;
}

// delete * from t, delete t.* from t -> delete from t
void rewriteDeleteStar(Tokens& toks)
{
    const int first = nextSig(toks, -1);
    if (!sigIsWord(toks, first, u"delete"))
        return;
    const int start = nextSig(toks, first);
    if (start < 0)
        return;
    int end = -1;  // last token of the star part
    if (isSymbol(toks[start], u'*')) {
        end = start;
    } else if (isName(toks[start]) && start + 2 < toks.size() && isSymbol(toks[start + 1], u'.')
               && isSymbol(toks[start + 2], u'*')) {
        end = start + 2;
    }
    if (end < 0 || !sigIsWord(toks, nextSig(toks, end), u"from"))
        return;
    toks.erase(toks.begin() + start, toks.begin() + skipSpace(toks, end + 1));
    if (toks[start - 1].kind != Kind::Space)  // delete*from
        toks.insert(start, {Kind::Space, QStringLiteral(" ")});
}

QString singleQuoted(const QString& jetText)
{
    QString body = jetText.mid(1, jetText.size() - 2);
    body.replace(QStringLiteral("\"\""), QStringLiteral("\""));
    body.replace(QStringLiteral("'"), QStringLiteral("''"));
    return u'\'' + body + u'\'';
}

QString doubleQuoted(QString name)
{
    name.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + name + u'"';
}

const QSet<QString>& jetFunctions()
{
    static const QSet<QString> names{
        QStringLiteral("iif"),  QStringLiteral("nz"),    QStringLiteral("ucase"),
        QStringLiteral("lcase"), QStringLiteral("len"),  QStringLiteral("mid"),
        QStringLiteral("instr"), QStringLiteral("left"), QStringLiteral("right"),
        QStringLiteral("now"),  QStringLiteral("date"),  QStringLiteral("dateadd")};
    return names;
}

bool isClauseStart(const Token& t)
{
    static constexpr std::u16string_view words[]{u"select", u"from",  u"where",     u"having",
                                                 u"limit",  u"union", u"intersect", u"except"};
    return t.kind == Kind::Word
        && std::any_of(std::begin(words), std::end(words), [&t](std::u16string_view w) { return isWord(t, w); });
}

class Writer {
public:
    // Appends one piece, keeping two pieces from opening a comment.
    void put(const QString& piece)
    {
        if (!piece.isEmpty() && !m_out.isEmpty()) {
            const QChar last = m_out.back();
            const QChar next = piece.front();
            if ((last == u'-' && next == u'-') || (last == u'/' && next == u'*'))
                m_out += u' ';
        }
        m_out += piece;
    }
    QString text() const { return m_out; }

private:
    QString m_out;
};

// isSchemaStatement: CREATE and ALTER are written for the engine already, so
// their keywords (default), functions, "names" and & keep their native meaning.
QString render(const Tokens& toks, SqlDialect dialect, bool isSchemaStatement)
{
    const bool jet = !isSchemaStatement;
    const bool pg = dialect == SqlDialect::PostgreSQL;

    // Aliases keep their exact spelling on PostgreSQL, so a later ORDER BY
    // [Alias] has to keep it too.
    QSet<QString> aliases;
    for (int i = 0; i < toks.size(); ++i)
        if ((toks[i].kind == Kind::Bracket || toks[i].kind == Kind::Backtick)
            && sigIsWord(toks, prevSig(toks, i), u"as"))
            aliases.insert(toks[i].text.mid(1, toks[i].text.size() - 2));

    Writer w;
    bool inOrderOrGroup = false;
    for (int i = 0; i < toks.size(); ++i) {
        const Token& t = toks[i];
        const int before = prevSig(toks, i);
        const int after = nextSig(toks, i);
        const bool gluedToNumber = i > 0 && toks[i - 1].kind == Kind::Number;

        if (isClauseStart(t))
            inOrderOrGroup = false;
        else if (isWord(t, u"by") && (sigIsWord(toks, before, u"order") || sigIsWord(toks, before, u"group")))
            inOrderOrGroup = true;

        switch (t.kind) {
        case Kind::JetText:
            w.put(jet ? singleQuoted(t.text) : t.text);
            break;
        case Kind::Bracket:
        case Kind::Backtick: {
            if (gluedToNumber)
                w.put(QStringLiteral(" "));
            if (!pg) {
                w.put(t.text);
                break;
            }
            const QString name = t.text.mid(1, t.text.size() - 2);
            const bool exact = sigIsWord(toks, before, u"as")
                || (inOrderOrGroup && aliases.contains(name));
            // The tables are made unquoted, so a quoted name is folded as the server folds those.
            w.put(doubleQuoted(exact ? name : AsciiLower(name)));
            break;
        }
        case Kind::Word: {
            if (gluedToNumber)  // 15order by: substituted values glue to keywords
                w.put(QStringLiteral(" "));
            const bool qualified = before >= 0 && isSymbol(toks[before], u'.');
            const bool calls = after >= 0 && toks[after].kind == Kind::Open;
            if (jet && calls && !qualified && jetFunctions().contains(t.text.toLower())
                && !sigIsWord(toks, before, u"into") && !sigIsWord(toks, before, u"table")) {
                // Renamed so they never meet LEFT/RIGHT joins or SQLite's date().
                w.put(QStringLiteral("jet_") + t.text.toLower());
            } else if (jet && isWord(t, u"default") && !sigIsWord(toks, after, u"values")) {
                w.put(pg ? QStringLiteral("\"default\"") : u'[' + t.text + u']');
            } else if (jet && pg && (isWord(t, u"column") || isWord(t, u"user"))) {
                w.put(doubleQuoted(t.text.toLower()));
            } else {
                w.put(t.text);
            }
            break;
        }
        case Kind::Symbol:
            w.put(jet && isSymbol(t, u'&') ? QStringLiteral("||") : t.text);
            break;
        default:
            w.put(t.text);
            break;
        }
    }
    return w.text();
}

}  // namespace

QString JetTranslator::translate(const QString& jetSql, SqlDialect dialect)
{
    Tokens toks = tokenize(jetSql, true);
    dropTrailingSemicolon(toks);

    const int first = nextSig(toks, -1);
    const bool isSchemaStatement =
        sigIsWord(toks, first, u"create") || sigIsWord(toks, first, u"alter");

    rewriteSelectInto(toks);
    rewriteTop(toks);
    rewriteDeleteStar(toks);
    if (dialect == SqlDialect::PostgreSQL && !isSchemaStatement) {
        rewriteNumberCasts(toks);
        nameSubselects(toks);
    }
    return render(toks, dialect, isSchemaStatement);
}

bool JetTranslator::isSingleSelect(const QString& jetSql)
{
    // A second statement is refused by translate; select … into becomes create table.
    const QString native = translate(jetSql, SqlDialect::SQLite).trimmed();
    const QLatin1String select("select");
    if (!native.startsWith(select, Qt::CaseInsensitive))
        return false;
    const QChar next = native.size() > select.size() ? native.at(select.size()) : QChar(u' ');
    return !next.isLetterOrNumber() && next != u'_';
}

QStringList JetTranslator::postgresHelperFunctions()
{
    // The same names and meanings as the SQLite helpers. Text parameters
    // accept citext through its implicit cast; counts are bigint so that
    // both integer literals and bigint columns fit.
    const QString f = QStringLiteral("CREATE OR REPLACE FUNCTION %1 LANGUAGE sql %2 AS $$ %3 $$");
    const QString imm = QStringLiteral("IMMUTABLE");
    const QString stable = QStringLiteral("STABLE");
    return {
        f.arg(QStringLiteral("jet_iif(c boolean, a anycompatible, b anycompatible) RETURNS anycompatible"),
              imm, QStringLiteral("SELECT CASE WHEN c THEN a ELSE b END")),
        // Flags are stored as 0/1 integers.
        f.arg(QStringLiteral("jet_iif(c bigint, a anycompatible, b anycompatible) RETURNS anycompatible"),
              imm, QStringLiteral("SELECT CASE WHEN c <> 0 THEN a ELSE b END")),
        f.arg(QStringLiteral("jet_nz(v anycompatible, d anycompatible) RETURNS anycompatible"), imm,
              QStringLiteral("SELECT COALESCE(v, d)")),
        f.arg(QStringLiteral("jet_nz(v text) RETURNS text"), imm,
              QStringLiteral("SELECT COALESCE(v, '')")),
        f.arg(QStringLiteral("jet_nz(v double precision) RETURNS double precision"), imm,
              QStringLiteral("SELECT COALESCE(v, 0)")),
        // The leading number of a text, 0 when it has none, as SQLite's cast reads it.
        f.arg(QStringLiteral("jet_real(v text) RETURNS double precision"), imm,
              QStringLiteral("SELECT CASE WHEN v IS NULL THEN NULL ELSE COALESCE(substring(btrim(v) FROM "
                             "'^[-+]?(?:[0-9]+[.]?[0-9]*|[.][0-9]+)(?:[eE][-+]?[0-9]+)?')::double precision, 0) END")),
        f.arg(QStringLiteral("jet_real(v double precision) RETURNS double precision"), imm, QStringLiteral("SELECT v")),
        f.arg(QStringLiteral("jet_int(v text) RETURNS bigint"), imm, QStringLiteral("SELECT trunc(jet_real(v))::bigint")),
        f.arg(QStringLiteral("jet_int(v double precision) RETURNS bigint"), imm, QStringLiteral("SELECT trunc(v)::bigint")),
        // SQLite's round(x, digits) on a real; PostgreSQL has it for numeric only.
        f.arg(QStringLiteral("round(v double precision, n integer) RETURNS double precision"), imm,
              QStringLiteral("SELECT round(v::numeric, n)::double precision")),
        f.arg(QStringLiteral("jet_ucase(s text) RETURNS text"), imm, QStringLiteral("SELECT upper(s)")),
        f.arg(QStringLiteral("jet_lcase(s text) RETURNS text"), imm, QStringLiteral("SELECT lower(s)")),
        // A number has no case: its text, as SQLite gives it. Without these a
        // number column found no text function to call.
        f.arg(QStringLiteral("jet_ucase(v bigint) RETURNS text"), imm, QStringLiteral("SELECT v::text")),
        f.arg(QStringLiteral("jet_ucase(v double precision) RETURNS text"), imm, QStringLiteral("SELECT v::text")),
        f.arg(QStringLiteral("jet_lcase(v bigint) RETURNS text"), imm, QStringLiteral("SELECT v::text")),
        f.arg(QStringLiteral("jet_lcase(v double precision) RETURNS text"), imm, QStringLiteral("SELECT v::text")),
        f.arg(QStringLiteral("jet_len(s text) RETURNS bigint"), imm,
              QStringLiteral("SELECT char_length(s)::bigint")),
        f.arg(QStringLiteral("jet_mid(s text, st bigint) RETURNS text"), imm,
              QStringLiteral("SELECT substr(s, st::int)")),
        f.arg(QStringLiteral("jet_mid(s text, st bigint, n bigint) RETURNS text"), imm,
              QStringLiteral("SELECT substr(s, st::int, n::int)")),
        f.arg(QStringLiteral("jet_instr(st bigint, s text, x text) RETURNS bigint"), imm,
              QStringLiteral("SELECT CASE WHEN s IS NULL OR x IS NULL THEN NULL"
                             " WHEN s = '' OR st > char_length(s) THEN 0"
                             " WHEN x = '' THEN st"
                             " ELSE COALESCE(NULLIF(strpos(lower(substr(s, st::int)), lower(x)), 0)"
                             " + st - 1, 0) END")),
        f.arg(QStringLiteral("jet_instr(s text, x text) RETURNS bigint"), imm,
              QStringLiteral("SELECT jet_instr(1, s, x)")),
        f.arg(QStringLiteral("jet_left(s text, n bigint) RETURNS text"), imm,
              QStringLiteral("SELECT left(s, n::int)")),
        f.arg(QStringLiteral("jet_right(s text, n bigint) RETURNS text"), imm,
              QStringLiteral("SELECT right(s, n::int)")),
        f.arg(QStringLiteral("jet_now() RETURNS text"), stable,
              QStringLiteral("SELECT to_char(localtimestamp, 'YYYY-MM-DD HH24:MI:SS')")),
        f.arg(QStringLiteral("jet_date() RETURNS integer"), stable,
              QStringLiteral("SELECT to_char(current_date, 'YYYYMMDD')::integer")),
        f.arg(QStringLiteral("jet_dateadd(i text, n bigint, d bigint) RETURNS integer"), imm,
              QStringLiteral("SELECT to_char(to_date(d::text, 'YYYYMMDD') + CASE lower(i)"
                             " WHEN 'd' THEN make_interval(days => n::int)"
                             " WHEN 'm' THEN make_interval(months => n::int)"
                             " WHEN 'yyyy' THEN make_interval(years => n::int) END, 'YYYYMMDD')::integer")),
    };
}
