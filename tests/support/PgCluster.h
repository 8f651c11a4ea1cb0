#pragma once

#include <QString>

// A PostgreSQL server of the tests' own: initdb and pg_ctl in a temporary
// folder, reached through a Unix socket there and no network port. One per
// test program, started on first use and stopped when the program ends; or,
// under ctest, the one the pg_cluster fixture started for the whole run, named
// by the file in IJAR_TEST_PGCLUSTER. When started as root, the server runs
// as the postgres user, since initdb refuses root.
class PgCluster {
public:
    // The running cluster; starts it on first use. Throws AppError when
    // PostgreSQL is not installed or does not start.
    static PgCluster& shared();

    // Starts a cluster in a new folder under `parent` and leaves it running.
    static PgCluster start(const QString& parent);
    // Stops the cluster and removes its folder.
    void stop();

    // The cluster whose folder is named by the file written by writeTo().
    static PgCluster readFrom(const QString& file);
    void writeTo(const QString& file) const;

    QString socketFolder() const { return m_folder + QStringLiteral("/socket"); }
    static QString user() { return QStringLiteral("ijar"); }
    // The URI of one database of the cluster.
    QString uri(const QString& database) const;

    // A new database with a name of its own, empty or a copy of the template
    // database `from`; gives its URI.
    QString createDatabase(const QString& from = {});
    // A new database holding a new office (with the demo office on request),
    // copied from a template made once per cluster; gives its URI.
    QString createOffice(bool demo);
    void dropDatabase(const QString& uri);

    // The folder of the server's programs (initdb, pg_ctl, pg_dump…).
    static QString binFolder();

private:
    QString templateFor(bool demo);
    void admin(const QString& sql) const;

    QString m_folder;
    int m_port = 5432;
};
