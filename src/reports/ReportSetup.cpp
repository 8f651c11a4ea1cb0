#include "reports/ReportSetup.h"

#include "core/Database.h"

QString ReportSetup::amountText(const QString& value)
{
    const QString hundredths = QStringLiteral("cast(round((%1) * 100) as integer)").arg(value);
    return QStringLiteral("((%1 / 100) & '.' & Right('0' & (%1 % 100), 2))").arg(hundredths);
}

namespace {

void insertSteps(Database& db, const QList<QVariantList>& steps)
{
    db.insertRows(QStringLiteral("_RPTDETAIL"),
                  {QStringLiteral("RPTID"), QStringLiteral("RPTDETAILTYPE"), QStringLiteral("ONOFF"),
                   QStringLiteral("TABLENBR"), QStringLiteral("SQLStatement"), QStringLiteral("BINDVARS")},
                  steps);
}

QVariantList stepRow(qint64 report, const ReportSetup::Step& step)
{
    return {report, step.type, 1, step.table, step.sql, step.bindVariables};
}

}

void ReportSetup::add(Database& db, const QList<Report>& reports)
{
    QList<QVariantList> definitions;
    QList<QVariantList> steps;
    for (const Report& report : reports) {
        definitions.append({report.id, report.name, report.screen, 1, report.displayOrder, report.file});
        for (const Step& step : report.steps)
            steps.append(stepRow(report.id, step));
    }
    db.insertRows(QStringLiteral("_RPT"),
                  {QStringLiteral("RPTID"), QStringLiteral("RPTNAME"), QStringLiteral("WINDOWNAME"),
                   QStringLiteral("ONOFF"), QStringLiteral("displayorder"), QStringLiteral("Rptfilename")},
                  definitions);
    insertSteps(db, steps);
}

void ReportSetup::addSteps(Database& db, qint64 reportId, const QList<Step>& steps)
{
    QList<QVariantList> rows;
    for (const Step& step : steps)
        rows.append(stepRow(reportId, step));
    insertSteps(db, rows);
}

void ReportSetup::insertWhenNone(Database& db, const QList<Report>& shipped)
{
    if (db.execute(QStringLiteral("select count(*) from _RPT")).value(0, 0).toInt() == 0)
        add(db, shipped);
}
