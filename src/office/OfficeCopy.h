#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

class Database;

// Moves a whole office from one database to another, SQLite file or
// PostgreSQL server either way: the schema is made afresh on the target,
// then every table's rows, pictures and keys are copied, and a server's
// identity sequences are set past the highest key. The target must be empty;
// the copy is one transaction on it, so a failure leaves it empty again.
// It ends by comparing each table's row count and checksum on both sides.
class OfficeCopy {
public:
    // Error numbers: a target that already has tables, a source of another
    // schema version than this program's, and a copy that does not compare equal.
    static constexpr int TargetHasTables = 5101;
    static constexpr int OtherVersion = 5102;
    static constexpr int Differs = 5103;

    // What one table came to on each side.
    struct TableCheck {
        QString table;
        qint64 sourceRows = 0;
        qint64 targetRows = 0;
        QByteArray sourceSum;
        QByteArray targetSum;
        bool same() const { return sourceRows == targetRows && sourceSum == targetSum; }
    };

    using Progress = std::function<void(const QString& line)>;

    // Copies `from` into `to` (a file that need not exist yet, or a
    // postgresql:// URI of an existing database). Throws AppError; on
    // success gives the comparison of every table.
    static QList<TableCheck> copy(const QString& from, const QString& to, const Progress& progress = {});

    struct Sum {
        qint64 rows = 0;
        QByteArray hash;
    };
    // Row count and checksum of one table, the same on either engine for the
    // same rows in any order.
    static Sum checksum(Database& db, const QString& table);
};
