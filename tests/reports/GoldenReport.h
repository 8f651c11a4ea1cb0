#pragma once

#include <QString>
#include <QStringList>

class TestOffice;

// A shipped report run on a test office, as the operator would get it.
struct FilledReport {
    QString copy;         // the filled .odt, empty when the run failed
    QString text;         // its text, one line per paragraph
    int placesLeft = 0;   // user fields the report's queries left unfilled
    QString message;      // what the operator was told, if anything
};

// Installs the shipped templates into the office's home and runs the report.
FilledReport runShippedReport(TestOffice& office, qint64 reportId);

// The text against tests/reports/golden/<name>.txt. With IJAR_UPDATE_GOLDEN=1
// in the environment the file is written instead (review the diff).
void expectGolden(const QString& text, const QString& name);

// The text of every page of a PDF, blanks simplified. A right-to-left line
// comes out in visual order, so look for its words one by one.
QString pdfText(const QString& path);
// The words (letters and digits) of `expected` that `text` lacks.
QStringList missingWords(const QString& expected, const QString& text);
