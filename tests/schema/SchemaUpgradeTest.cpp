#include "SchemaFixture.h"

#include "shell/base/AppError.h"

#include <map>

namespace {

// A history of four versions whose later steps count their runs; `failAt`
// makes that step fail after it has changed something.
struct History {
    std::map<int, int> runs;
    int failAt = 0;

    QList<SchemaStep> steps()
    {
        QList<SchemaStep> result = Schema::steps();
        result << step(2, [](Database& db) {
            db.executeNative(QStringLiteral("ALTER TABLE [car] ADD COLUMN [VIN] TEXT COLLATE NOCASE"));
        });
        result << step(3, [](Database& db) {
            db.executeNative(QStringLiteral("CREATE TABLE [FUELLOG] ([FUELLOGID] INTEGER PRIMARY KEY "
                                            "AUTOINCREMENT, [CARID] INTEGER, [LITRES] REAL)"));
        });
        result << step(4, [](Database& db) {
            db.executeNative(QStringLiteral("CREATE INDEX [IX_FUELLOG_CARID] ON [FUELLOG] ([CARID])"));
        });
        return result;
    }

    SchemaStep step(int version, std::function<void(Database&)> change)
    {
        return {version, QStringLiteral("step %1").arg(version), [this, version, change](Database& db) {
                    ++runs[version];
                    change(db);
                    if (version == failAt)
                        throw AppError(ErrorNumber::DatabaseFailure, QStringLiteral("boom"),
                                       QStringLiteral("test"));
                }};
    }
};

bool hasColumn(Database& db, const QString& table, const QString& column)
{
    return db.columnsOf(table).contains(column, Qt::CaseInsensitive);
}

} // namespace

TEST_F(SchemaFixture, anEmptyDatabaseHasVersionZero)
{
    EXPECT_EQ(Schema::version(db()), 0);
}

TEST_F(SchemaFixture, upgradingAnEmptyDatabaseBuildsTheCurrentSchema)
{
    Schema::upgrade(db());
    EXPECT_EQ(Schema::version(db()), Schema::CurrentVersion);
    for (const TableDef& table : Schema::tables())
        EXPECT_TRUE(db().tableExists(table.name)) << qPrintable(table.name);
}

TEST_F(SchemaFixture, theHistoryEndsAtTheCurrentVersion)
{
    const QList<SchemaStep> steps = Schema::steps();
    ASSERT_FALSE(steps.isEmpty());
    EXPECT_EQ(steps.last().version, Schema::CurrentVersion);
}

TEST_F(CreatedSchema, aNewSchemaIsAtTheCurrentVersion)
{
    EXPECT_EQ(Schema::version(db()), Schema::CurrentVersion);
    // Nothing is left to do.
    Schema::upgrade(db());
    EXPECT_EQ(Schema::version(db()), Schema::CurrentVersion);
    EXPECT_EQ(db().execute(QStringLiteral("select * from _SCHEMAVERSION")).count(), 1);
}

TEST_F(CreatedSchema, createRefusesADatabaseThatHasASchema)
{
    EXPECT_THROW(Schema::create(db()), AppError);
    EXPECT_EQ(Schema::version(db()), Schema::CurrentVersion);
}

TEST_F(CreatedSchema, upgradeRunsEachMissingStepOnceInOrder)
{
    History history;
    Schema::upgrade(db(), history.steps());
    EXPECT_EQ(Schema::version(db()), 4);
    EXPECT_EQ(history.runs, (std::map<int, int>{{2, 1}, {3, 1}, {4, 1}}));
    EXPECT_TRUE(hasColumn(db(), QStringLiteral("car"), QStringLiteral("VIN")));
    EXPECT_TRUE(db().tableExists(QStringLiteral("FUELLOG")));

    // A second run finds nothing to do.
    Schema::upgrade(db(), history.steps());
    EXPECT_EQ(history.runs, (std::map<int, int>{{2, 1}, {3, 1}, {4, 1}}));
}

TEST_F(CreatedSchema, aFailingStepIsUndoneAndTheVersionStaysAtTheLastGoodStep)
{
    History history;
    history.failAt = 3;
    try {
        Schema::upgrade(db(), history.steps());
        ADD_FAILURE() << "the failing step did not throw";
    } catch (const AppError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("boom"))) << qPrintable(e.description());
    }
    EXPECT_EQ(Schema::version(db()), 2);
    EXPECT_TRUE(hasColumn(db(), QStringLiteral("car"), QStringLiteral("VIN")));
    EXPECT_FALSE(db().tableExists(QStringLiteral("FUELLOG")));
    EXPECT_EQ(history.runs.count(4), 0u);
    EXPECT_EQ(db().transactionDepth(), 0);

    // Once mended, the upgrade carries on from where it stopped.
    history.failAt = 0;
    Schema::upgrade(db(), history.steps());
    EXPECT_EQ(Schema::version(db()), 4);
    EXPECT_EQ(history.runs, (std::map<int, int>{{2, 1}, {3, 2}, {4, 1}}));
}

TEST_F(CreatedSchema, aFirstStepFailingLeavesTheVersionUnchanged)
{
    History history;
    history.failAt = 2;
    EXPECT_THROW(Schema::upgrade(db(), history.steps()), AppError);
    EXPECT_EQ(Schema::version(db()), 1);
    EXPECT_FALSE(hasColumn(db(), QStringLiteral("car"), QStringLiteral("VIN")));
}

TEST_F(CreatedSchema, aDatabaseNewerThanTheProgramIsRefused)
{
    History history;
    Schema::upgrade(db(), history.steps());
    ASSERT_EQ(Schema::version(db()), 4);
    EXPECT_THROW(Schema::upgrade(db()), AppError);
    EXPECT_EQ(Schema::version(db()), 4);
}

TEST_F(CreatedSchema, aHistoryWithAGapIsRefusedBeforeAnythingRuns)
{
    History history;
    QList<SchemaStep> steps = history.steps();
    steps.removeAt(2); // 1, 2, 4
    EXPECT_THROW(Schema::upgrade(db(), steps), AppError);
    EXPECT_TRUE(history.runs.empty());
    EXPECT_EQ(Schema::version(db()), 1);
}
