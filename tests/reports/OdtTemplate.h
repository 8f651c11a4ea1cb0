#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

class Database;
class TestOffice;

// Writes a small .odt whose body is `body` (ODF elements with the office,
// style, text, table, fo, draw and xlink prefixes declared) and returns its path.
QString writeTemplate(const QString& path, const QString& body);

// Replaces the reports a new office starts with by the test's own: _RPT rows
// (RPTID, RPTNAME, WINDOWNAME, ONOFF, displayorder, Rptfilename) and
// _RPTDETAIL rows (RPTDETAILID, RPTID, RPTDETAILTYPE, ONOFF, TABLENBR,
// SQLStatement, BINDVARS).
void defineReports(Database& db, const QList<QVariantList>& reports, const QList<QVariantList>& steps = {});

// A step of a report: its type (-3 drop, -2 build the work table, -1 the
// contract's pictures, 0 data, 1 mail merge), its table number and statement.
struct Step {
    int type;
    int table;
    QString sql;
    int onoff = 1;
    QString bindVariables = "0";
};

// Report 1, "Letter" on the customers' screen: templates/letter.odt with
// `body`, filled by `steps`.
void defineLetter(TestOffice& office, const QString& body, const QList<Step>& steps);
