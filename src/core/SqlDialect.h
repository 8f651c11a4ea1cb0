#pragma once

enum class SqlDialect { SQLite, PostgreSQL };
