#include "engine/ScreenDefinition.h"

#include "core/Database.h"
#include "core/SqlValue.h"
#include "schema/RulesVersion.h"

#include <QHash>
#include <QStringList>

ScreenDefinition ScreenDefinition::load(Database& db, const QString& screenName)
{
    const QString name = SqlValue::text(screenName);
    const RowSet tables = db.execute(QStringLiteral("select * from _WINDOWTABLE where WINDOWNAME = '") + name
                                     + QStringLiteral("' and ONOFF = 1 order by TABLEORDER"));
    ScreenDefinition definition;
    if (tables.isEmpty())
        return definition;
    QHash<qint64, int> position;
    for (int t = 0; t < tables.count(); ++t) {
        Table table;
        table.id = tables.value(t, QStringLiteral("WINDOWTABLEID")).toLongLong();
        table.name = tables.text(t, QStringLiteral("TableName"));
        position.insert(table.id, int(definition.m_tables.size()));
        definition.m_tables << table;
    }
    // One query for the fields of every table, in the order they were defined.
    const RowSet details = db.execute(
        QStringLiteral("select * from _WINDOWTABLEDETAILS where ONOFF = 1 and WINDOWTABLEID in "
                       "(select WINDOWTABLEID from _WINDOWTABLE where WINDOWNAME = '")
        + name + QStringLiteral("' and ONOFF = 1) order by WINDOWTABLEDETAILSID"));
    for (int d = 0; d < details.count(); ++d) {
        const auto at = position.constFind(details.value(d, QStringLiteral("WINDOWTABLEID")).toLongLong());
        if (at == position.cend())
            continue;
        const QVariant type = details.value(d, QStringLiteral("Type"));
        definition.m_tables[*at].fields << Field{details.text(d, QStringLiteral("windowcontrol")),
                                                 details.text(d, QStringLiteral("Column")).trimmed(),
                                                 type.isNull() ? -1 : type.toInt(),
                                                 details.value(d, QStringLiteral("IDENTIFIER")).toInt() == 1};
    }
    return definition;
}

const ScreenDefinition::Table* ScreenDefinition::identifierTable() const
{
    for (const Table& table : m_tables)
        for (const Field& field : table.fields)
            if (field.identifier)
                return &table;
    return nullptr;
}

const ScreenDefinition::Field* ScreenDefinition::identifier() const
{
    if (const Table* table = identifierTable())
        for (const Field& field : table->fields)
            if (field.identifier)
                return &field;
    return nullptr;
}

void ScreenDefinitions::dropWhenChanged(Database& db)
{
    const QString now = db.tablesStamp(RulesVersion::Watched, RulesVersion::Table);
    if (now != m_stamp) {
        m_byScreen.clear();
        m_rows.clear();
        m_stamp = now;
    }
}

ScreenDefinition ScreenDefinitions::kept(Database& db, const QString& screenName)
{
    const QString key = screenName.toCaseFolded();
    auto at = m_byScreen.find(key);
    if (at == m_byScreen.end())
        at = m_byScreen.insert(key, ScreenDefinition::load(db, screenName));
    return *at;
}

RowSet ScreenDefinitions::keptRows(Database& db, const QString& sql)
{
    auto at = m_rows.find(sql);
    if (at == m_rows.end())
        at = m_rows.insert(sql, db.execute(sql));
    return *at;
}

ScreenDefinition ScreenDefinitions::of(Database& db, const QString& screenName)
{
    dropWhenChanged(db);
    return kept(db, screenName);
}

RowSet ScreenDefinitions::rows(Database& db, const QString& sql)
{
    dropWhenChanged(db);
    return keptRows(db, sql);
}

std::pair<ScreenDefinition, RowSet> ScreenDefinitions::withRows(Database& db, const QString& screenName,
                                                                const QString& sql)
{
    dropWhenChanged(db);
    return {kept(db, screenName), keptRows(db, sql)};
}
