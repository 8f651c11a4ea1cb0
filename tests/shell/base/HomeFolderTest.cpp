#include "shell/base/AppError.h"
#include "shell/base/HomeFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void touch(const QString& path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

// The per-user data folder, kept away from the real one.
class TestPaths {
public:
    TestPaths() { QStandardPaths::setTestModeEnabled(true); }
    ~TestPaths() { QStandardPaths::setTestModeEnabled(false); }
};

}

TEST(HomeFolder, Choice)
{
    TestPaths testPaths;
    QTemporaryDir dir;
    const QString commandLine = dir.filePath(QStringLiteral("from-command-line"));
    const QString environment = dir.filePath(QStringLiteral("from-environment"));
    const QString withIni = dir.filePath(QStringLiteral("portable-ini"));
    const QString withDatabase = dir.filePath(QStringLiteral("portable-db"));
    const QString bare = dir.filePath(QStringLiteral("installed"));
    for (const QString& folder : {withIni, withDatabase, bare})
        QDir().mkpath(folder);
    touch(withIni + QStringLiteral("/ijar.ini"));
    touch(withDatabase + QStringLiteral("/fdk.db"));
    const QString userData = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);

    const struct { QString commandLine, environment, executable, expected; } rows[] = {
        {commandLine, environment, withIni, commandLine},
        {{}, environment, withIni, environment},
        {QStringLiteral("  "), environment, withIni, environment},
        {{}, {}, withIni, withIni},
        {{}, {}, withDatabase, withDatabase},
        {{}, {}, bare, userData},
        {{}, {}, dir.filePath(QStringLiteral("missing")), userData},
    };
    for (const auto& r : rows) {
        const QString home = HomeFolder::resolve(r.commandLine, r.environment, r.executable);
        EXPECT_EQ(home, QDir::cleanPath(r.expected)) << r.commandLine.toStdString() << r.environment.toStdString()
                                                     << r.executable.toStdString();
        EXPECT_TRUE(QFileInfo(home).isDir()) << home.toStdString();
    }
}

TEST(HomeFolder, RelativeFolderBecomesAbsolute)
{
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QString home = HomeFolder::resolve(QStringLiteral("office/home"), {}, {});
    QDir::setCurrent(previous);
    EXPECT_EQ(home, QDir(dir.path()).filePath(QStringLiteral("office/home")));
    EXPECT_TRUE(QFileInfo(home).isDir());
}


TEST(HomeFolder, FolderThatCannotBeMade)
{
    QTemporaryDir dir;
    const QString blocker = dir.filePath(QStringLiteral("plain-file"));
    touch(blocker);
    try {
        HomeFolder::resolve(blocker + QStringLiteral("/home"), {}, {});
        FAIL() << "a folder inside a file was accepted";
    } catch (const AppError& e) {
        EXPECT_EQ(e.number(), HomeFolder::PathNotFound);
        EXPECT_TRUE(e.description().contains(blocker));
    }
}
