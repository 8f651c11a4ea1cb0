#include "office/OfficeCopy.h"

#include "core/AppError.h"
#include "core/Database.h"
#include "core/JetTranslator.h"
#include "core/ServerAddress.h"
#include "schema/AccountMonths.h"
#include "schema/Schema.h"
#include "schema/TableDef.h"
#include "schema/RulesVersion.h"
#include "schema/TableRows.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>

namespace {

const QString Source = QStringLiteral("OfficeCopy");

// Rows per read; fewer for a table of pictures, which may be megabytes each.
constexpr int PageRows = 2000;
constexpr int PictureRows = 20;

// The four kinds of value both engines store alike.
enum class Storage { Integer, Real, Text, Blob };

struct Column {
    QString name;  // as the catalog spells it
    Storage storage;
    bool key = false;
};

struct Table {
    QString name;  // as the catalog spells it
    QList<Column> columns;
    QString key;  // the whole-number key column; empty when there is none
    bool hasPictures = false;
};

[[noreturn]] void refuse(int number, const QString& text)
{
    throw AppError(number, text, Source);
}

Storage storageOf(const QString& declared)
{
    const QString t = declared.toLower();
    if (t.contains(QLatin1String("int")))
        return Storage::Integer;
    if (t.contains(QLatin1String("real")) || t.contains(QLatin1String("float")) || t.contains(QLatin1String("double"))
        || t.contains(QLatin1String("numeric")))
        return Storage::Real;
    if (t.contains(QLatin1String("blob")) || t.contains(QLatin1String("bytea")))
        return Storage::Blob;
    return Storage::Text;
}

Table describe(Database& db, const QString& name)
{
    const RowSet r = db.dialect() == SqlDialect::PostgreSQL
        ? db.executeBound(QStringLiteral("SELECT column_name::text, udt_name::text, (is_identity = 'YES')::int "
                                         "FROM information_schema.columns WHERE table_schema = current_schema() "
                                         "AND table_name = ? ORDER BY ordinal_position"),
                          {name})
        : db.executeBound(QStringLiteral("SELECT name, type, pk FROM pragma_table_info(?)"), {name});
    Table t{name, {}, {}, false};
    for (int i = 0; i < r.count(); ++i) {
        const Column c{r.value(i, 0).toString(), storageOf(r.value(i, 1).toString()), r.value(i, 2).toInt() > 0};
        if (c.key && c.storage == Storage::Integer && t.key.isEmpty())
            t.key = c.name;
        t.hasPictures = t.hasPictures || c.storage == Storage::Blob;
        t.columns << c;
    }
    // Both engines list the columns in the order they were made; the
    // comparison must not depend on it.
    std::sort(t.columns.begin(), t.columns.end(), [](const Column& a, const Column& b) {
        return a.name.toLower() < b.name.toLower();
    });
    return t;
}

QString quotedName(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// Reads a table page by page, in key order when it has a key.
class Reader {
public:
    Reader(Database& db, const Table& table) : m_db(db), m_table(table)
    {
        QStringList names;
        for (const Column& c : table.columns)
            names << quotedName(c.name);
        m_select = QStringLiteral("SELECT %1 FROM %2").arg(names.join(QLatin1Char(',')), quotedName(table.name));
        m_limit = table.hasPictures ? PictureRows : PageRows;
        m_keyPosition = -1;
        for (int i = 0; i < table.columns.size(); ++i)
            if (table.columns[i].name == table.key)
                m_keyPosition = i;
    }

    // The next rows; empty at the end.
    QList<QVariantList> next()
    {
        RowSet r;
        if (m_keyPosition >= 0) {
            const QString k = quotedName(m_table.key);
            r = m_lastKey.isNull()
                ? m_db.executeBound(m_select + QStringLiteral(" ORDER BY %1 LIMIT ?").arg(k), {m_limit})
                : m_db.executeBound(m_select + QStringLiteral(" WHERE %1 > ? ORDER BY %1 LIMIT ?").arg(k),
                                    {m_lastKey, m_limit});
        } else {
            r = m_db.executeBound(m_select + QStringLiteral(" LIMIT ? OFFSET ?"), {m_limit, m_offset});
            m_offset += m_limit;
        }
        QList<QVariantList> rows;
        rows.reserve(r.count());
        for (int i = 0; i < r.count(); ++i) {
            QVariantList row;
            for (int c = 0; c < m_table.columns.size(); ++c)
                row << r.value(i, c);
            rows << std::move(row);
        }
        if (!rows.isEmpty() && m_keyPosition >= 0)
            m_lastKey = rows.last().at(m_keyPosition);
        return rows;
    }

private:
    Database& m_db;
    const Table& m_table;
    QString m_select;
    int m_limit = PageRows;
    int m_keyPosition = -1;
    QVariant m_lastKey;
    qint64 m_offset = 0;
};

// A value as a column of its storage holds it on either engine. SQLite keeps
// whatever was written, so a blank text may sit in a number column: there it
// meant nothing, which is 0.
QVariant converted(const QVariant& v, Storage storage, const QString& table, const QString& column)
{
    if (v.isNull())
        return v;
    const bool text = v.typeId() == QMetaType::QString;
    const auto notA = [&](const char* what) {
        refuse(ErrorNumber::DatabaseFailure, QStringLiteral("%1.%2 holds \"%3\", which is not %4; the office is not "
                                                            "copied.")
                                                 .arg(table, column, v.toString().left(40), QLatin1String(what)));
    };
    switch (storage) {
    case Storage::Integer: {
        if (text && v.toString().trimmed().isEmpty())
            return qint64(0);
        if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int)
            return v.toLongLong();
        bool ok = false;
        const double d = text ? v.toString().trimmed().toDouble(&ok) : v.toDouble(&ok);
        if (!ok || std::fmod(d, 1.0) != 0.0 || std::abs(d) > 9.0e15)
            notA("a whole number");
        return qint64(d);
    }
    case Storage::Real: {
        if (text && v.toString().trimmed().isEmpty())
            return 0.0;
        bool ok = false;
        const double d = text ? v.toString().trimmed().toDouble(&ok) : v.toDouble(&ok);
        if (!ok)
            notA("a number");
        return d;
    }
    case Storage::Text:
        return v.typeId() == QMetaType::QByteArray ? QString::fromUtf8(v.toByteArray()) : v.toString();
    case Storage::Blob:
        return text ? v.toString().toUtf8() : v.toByteArray();
    }
    return v;
}

QByteArray bytesOf(const QVariant& v, Storage storage)
{
    if (v.isNull())
        return QByteArrayLiteral("N");
    QByteArray b;
    switch (storage) {
    case Storage::Integer: b = QByteArray::number(v.toLongLong()); break;
    case Storage::Real: b = QByteArray::number(v.toDouble(), 'g', 17); break;
    case Storage::Text: b = v.toString().toUtf8(); break;
    case Storage::Blob: b = v.toByteArray(); break;
    }
    return 'V' + QByteArray::number(b.size()) + ':' + b;
}

// The table of `tables` with this name, compared without regard to case.
const Table* find(const QList<Table>& tables, const QString& name)
{
    for (const Table& t : tables)
        if (t.name.compare(name, Qt::CaseInsensitive) == 0)
            return &t;
    return nullptr;
}

// A table the schema does not know (one a user made): made on the target
// from what the source's catalog says of it.
void createLike(Database& target, const Table& table)
{
    TableDef def{table.name, {}, {}};
    for (const Column& c : table.columns) {
        ColumnKind kind = ColumnKind::Text;
        switch (c.storage) {
        case Storage::Integer: kind = c.name == table.key ? ColumnKind::Key : ColumnKind::Number; break;
        case Storage::Real: kind = ColumnKind::Real; break;
        case Storage::Text: kind = ColumnKind::Text; break;
        case Storage::Blob: kind = ColumnKind::Blob; break;
        }
        def.columns.append({c.name, kind});
    }
    for (const QString& statement : TableDdl::statements(def, target.dialect()))
        target.executeNative(statement);
}

void copyTable(Database& source, Database& target, const Table& from, const Table& to,
               const OfficeCopy::Progress& progress)
{
    // The target's spelling of each source column; a column the target lacks
    // shows as a difference at the end.
    QStringList names;
    QList<int> positions;
    QList<Storage> storages;
    for (int i = 0; i < from.columns.size(); ++i) {
        for (const Column& c : to.columns) {
            if (c.name.compare(from.columns[i].name, Qt::CaseInsensitive) == 0) {
                names << c.name;
                positions << i;
                storages << c.storage;
            }
        }
    }
    target.executeNative(QStringLiteral("DELETE FROM ") + quotedName(to.name));
    Reader reader(source, from);
    qint64 copied = 0;
    for (QList<QVariantList> rows = reader.next(); !rows.isEmpty(); rows = reader.next()) {
        QList<QVariantList> out;
        out.reserve(rows.size());
        for (const QVariantList& row : rows) {
            QVariantList values;
            for (int i = 0; i < positions.size(); ++i)
                values << converted(row.at(positions[i]), storages[i], from.name, names[i]);
            out << std::move(values);
        }
        target.insertRows(to.name, names, out);
        copied += out.size();
        if (progress && (copied % 10000 < out.size() || from.hasPictures))
            progress(QStringLiteral("  %1: %2 rows").arg(from.name).arg(copied));
    }
    if (progress)
        progress(QStringLiteral("%1: %2 rows copied").arg(from.name).arg(copied));
    // New keys on a server come from its sequence, which the copied keys did not move.
    if (target.dialect() == SqlDialect::PostgreSQL && !to.key.isEmpty())
        target.executeBound(QStringLiteral("SELECT setval(pg_get_serial_sequence(?, ?), coalesce(max(%1), 0) + 1, "
                                           "false) FROM %2")
                                .arg(quotedName(to.key), quotedName(to.name)),
                            {quotedName(to.name), to.key});
}

QList<Table> describeAll(Database& db)
{
    QList<Table> tables;
    for (const QString& name : db.tables())
        tables << describe(db, name);
    return tables;
}

// Opens the target, which must hold no tables; a file is made when missing.
// Says whether the file was made here, so that a failure can remove it.
bool openEmptyTarget(Database& target, const QString& to)
{
    const bool server = ServerAddress::isServer(to);
    const bool made = !server && !QFileInfo::exists(to);
    target.open(to, made);
    if (const QStringList found = target.tables(); !found.isEmpty()) {
        target.close();
        refuse(OfficeCopy::TargetHasTables,
               QStringLiteral("The database %1 already has tables (%2); an office is copied only into an empty "
                              "database.")
                   .arg(to, found.mid(0, 5).join(QStringLiteral(", "))));
    }
    return made;
}

void fillTarget(Database& source, Database& target, const OfficeCopy::Progress& progress)
{
    Transaction transaction(target);
    if (target.dialect() == SqlDialect::PostgreSQL) {
        for (const QString& function : JetTranslator::postgresHelperFunctions())
            target.executeNative(function);
    }
    Schema::create(target);
    // The months' sums and the lists' counts come over as they are, not added up again.
    AccountMonths::dropTriggers(target);
    TableRows::dropTriggers(target);
    RulesVersion::dropTriggers(target);
    const QList<Table> made = describeAll(target);
    for (const Table& from : describeAll(source)) {
        const Table* to = find(made, from.name);
        if (!to) {
            createLike(target, from);
            const Table created = describe(target, target.dialect() == SqlDialect::PostgreSQL ? from.name.toLower()
                                                                                               : from.name);
            copyTable(source, target, from, created, progress);
        } else {
            copyTable(source, target, from, *to, progress);
        }
    }
    AccountMonths::createTriggers(target);
    TableRows::createTriggers(target);
    RulesVersion::createTriggers(target);
    transaction.commit();
}

}

OfficeCopy::Sum OfficeCopy::checksum(Database& db, const QString& table)
{
    const Table t = describe(db, table);
    QList<QByteArray> rowSums;
    Reader reader(db, t);
    for (QList<QVariantList> rows = reader.next(); !rows.isEmpty(); rows = reader.next()) {
        for (const QVariantList& row : rows) {
            QCryptographicHash h(QCryptographicHash::Sha256);
            for (int i = 0; i < t.columns.size(); ++i) {
                h.addData(t.columns[i].name.toLower().toUtf8() + '=');
                h.addData(bytesOf(converted(row.at(i), t.columns[i].storage, t.name, t.columns[i].name),
                                  t.columns[i].storage));
            }
            rowSums << h.result();
        }
    }
    // Rows in any order: the engines sort text differently.
    std::sort(rowSums.begin(), rowSums.end());
    QCryptographicHash all(QCryptographicHash::Sha256);
    for (const QByteArray& s : rowSums)
        all.addData(s);
    return {rowSums.size(), all.result().toHex()};
}

QList<OfficeCopy::TableCheck> OfficeCopy::copy(const QString& from, const QString& to, const Progress& progress)
{
    Database source;
    source.open(from);
    if (const int version = Schema::version(source); version != Schema::CurrentVersion)
        refuse(OtherVersion, QStringLiteral("The office in %1 has schema version %2; this program copies version %3. "
                                            "Open it once with this program first.")
                                 .arg(from)
                                 .arg(version)
                                 .arg(Schema::CurrentVersion));
    Database target;
    const bool made = openEmptyTarget(target, to);
    try {
        // Nobody writes to the source while it is copied.
        Transaction reading(source);
        fillTarget(source, target, progress);
        reading.commit();
    } catch (...) {
        target.close();
        if (made)
            for (const char* suffix : {"", "-journal"})
                QFile::remove(to + QString::fromLatin1(suffix));
        throw;
    }

    QList<TableCheck> checks;
    for (const QString& name : source.tables()) {
        TableCheck check;
        check.table = name;
        const Sum s = checksum(source, name);
        const QString targetName = target.dialect() == SqlDialect::PostgreSQL ? name.toLower() : name;
        const Sum t = target.tableExists(targetName) ? checksum(target, targetName) : Sum{};
        check.sourceRows = s.rows;
        check.sourceSum = s.hash;
        check.targetRows = t.rows;
        check.targetSum = t.hash;
        checks << check;
        if (progress)
            progress(QStringLiteral("%1 %2 rows %3 %4").arg(check.same() ? QStringLiteral("same") : QStringLiteral("DIFFERS"),
                                                            name)
                         .arg(s.rows)
                         .arg(QString::fromLatin1(s.hash.left(16))));
    }
    return checks;
}
