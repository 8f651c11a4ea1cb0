#pragma once

#include <QString>
#include <QStringList>

class RunState;

// LibreOffice, always started as a program of its own: it turns filled
// documents into PDF, prints them and opens them in Writer. Nothing of it is
// linked into the program, so everything but documents works without it.
class LibreOffice {
public:
    explicit LibreOffice(RunState& state) : m_state(state) {}

    // The soffice program, or empty when LibreOffice is not installed.
    static QString program();
    // What the operator is told when it is missing.
    static QString missingText();

    // Writes the document as a PDF beside it and gives the PDF's path; empty,
    // with `error` set, when LibreOffice is missing or fails. Window events go
    // on while it works.
    QString toPdf(const QString& document, QString* error);

    // Arguments for printing on the default printer without any window.
    QStringList printArguments(const QString& document) const;
    // Arguments for opening a document in Writer.
    static QStringList viewArguments(const QString& document);
    static QStringList editArguments(const QString& document);

    static constexpr int ConversionTimeoutMs = 120000;

private:
    // The profile of conversions and printing is the program's own, so that a
    // Writer the operator has open is neither disturbed nor in the way.
    QString profileArgument() const;

    RunState& m_state;
};
