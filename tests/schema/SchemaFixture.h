#pragma once

#include "schema/Schema.h"
#include "shell/base/Database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

// An open database file in a temporary folder, empty or with the schema.
class SchemaFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        m_db.open(path(), /*create=*/true);
    }
    void TearDown() override { m_db.close(); }

    QString path() const { return m_dir.filePath(QStringLiteral("schema.db")); }
    Database& db() { return m_db; }

    QTemporaryDir m_dir;
    Database m_db;
};

// The same with the current schema already made.
class CreatedSchema : public SchemaFixture {
protected:
    void SetUp() override
    {
        SchemaFixture::SetUp();
        Schema::create(m_db);
    }
};
