#include "shell/base/ErrorLog.h"
#include "support/TestOffice.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

QStringList traceLines(const RunState& state)
{
    QFile file(statementTracePath(state, QDate::currentDate()));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

}

TEST(StatementTrace, FileNamedByDay)
{
    TestOffice office(false);
    const struct { QDate day; const char* name; } rows[] = {
        {QDate(2003, 12, 31), "20031231.txt"},
        {QDate(2024, 1, 5), "20240105.txt"},
        {QDate(2000, 2, 29), "20000229.txt"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(statementTracePath(office.state(), r.day), QDir(office.home()).filePath(QString::fromUtf8(r.name)));
}

TEST(StatementTrace, OneLinePerStatementWhileOn)
{
    TestOffice office;
    office.loginAs(QStringLiteral("ADMIN"));
    office.state().config.USEROUTER = true;
    const QString statements[] = {
        QStringLiteral("select count(*) from operator"),
        QStringLiteral("update operator set operatorname = 'Admin, the first' where loginid = 'ADMIN'"),
        QStringLiteral("select * from operator where loginid = 'O''BRIEN'"),
    };
    int expected = 0;
    for (const QString& sql : statements) {
        office.db().execute(sql);
        ++expected;
        const QStringList lines = traceLines(office.state());
        ASSERT_EQ(lines.size(), expected) << sql.toStdString();
        EXPECT_TRUE(lines.last().startsWith(QStringLiteral("ADMIN,"))) << lines.last().toStdString();
        EXPECT_TRUE(lines.last().endsWith(QLatin1Char(',') + sql)) << lines.last().toStdString();
    }
    office.db().command(QStringLiteral("delete from operator where loginid = 'NOBODY'"));
    EXPECT_EQ(traceLines(office.state()).size(), expected + 1);
}

TEST(StatementTrace, NothingWhileOff)
{
    TestOffice office;
    office.state().config.USEROUTER = false;
    office.db().execute(QStringLiteral("select count(*) from operator"));
    office.db().command(QStringLiteral("update operator set operatorname = operatorname"));
    EXPECT_FALSE(QFileInfo::exists(statementTracePath(office.state(), QDate::currentDate())));
}

TEST(StatementTrace, UnwritableTraceDoesNotStopTheStatement)
{
    TestOffice office;
    office.state().config.USEROUTER = true;
    ASSERT_TRUE(QDir().mkpath(statementTracePath(office.state(), QDate::currentDate())));
    EXPECT_EQ(office.db().execute(QStringLiteral("select loginid from operator where loginid = 'ADMIN'")).count(), 1);
}
