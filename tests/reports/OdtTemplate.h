#pragma once

#include <QList>
#include <QString>
#include <QVariantList>

class Database;

// Writes a small .odt whose body is `body` (ODF elements with the office,
// style, text, table and fo prefixes declared) and returns its path.
QString writeTemplate(const QString& path, const QString& body);

// Replaces the reports a new office starts with by the test's own: _RPT rows
// (RPTID, RPTNAME, WINDOWNAME, ONOFF, displayorder, Rptfilename) and
// _RPTDETAIL rows (RPTDETAILID, RPTID, RPTDETAILTYPE, ONOFF, TABLENBR,
// SQLStatement, BINDVARS).
void defineReports(Database& db, const QList<QVariantList>& reports, const QList<QVariantList>& steps = {});
