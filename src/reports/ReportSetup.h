#pragma once

#include <QList>
#include <QString>

class Database;

// The reports a new office starts with: one _RPT row per report and one
// _RPTDETAIL row per step. Their documents are the program's shipped
// templates.
namespace ReportSetup {

struct Step {
    int type = 0;   // -3 drop the work table, -2 command, -1 car pictures, 0 data, 1 mail merge
    int table = 0;  // data steps: 0 places, n the document's table "table" + n
    QString sql;
    QString bindVariables = QStringLiteral("0");
};

struct Report {
    qint64 id;
    QString name;
    QString screen;
    int displayOrder;
    QString file;
    QList<Step> steps;
};

void add(Database& db, const QList<Report>& reports);
// More steps for a report an office has: its template fills what it has places for.
void addSteps(Database& db, qint64 reportId, const QList<Step>& steps);

// SQL giving an amount as documents show it, with two decimals (a number
// column of its own still brings its words: <column>_InWords).
QString amountText(const QString& value);
// The shipped reports, into an office that has no report at all: one made
// before the program shipped any, or a new one. An office's own reports are
// never mixed with them.
void insertWhenNone(Database& db, const QList<Report>& shipped);

}
