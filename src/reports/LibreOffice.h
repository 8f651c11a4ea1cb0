#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

class QWidget;
class RunState;

// LibreOffice, always started as a program of its own: it turns filled
// documents into PDF, prints them and opens them in Writer. Nothing of it is
// linked into the program, so everything but documents works without it.
class LibreOffice {
    Q_DECLARE_TR_FUNCTIONS(LibreOffice)

public:
    explicit LibreOffice(RunState& state) : m_state(state) {}

    // The soffice program, or empty when LibreOffice is not installed.
    static QString program();
    // What the operator is told when it is missing.
    static QString missingText();

    // Writes the document as a PDF beside it and gives the PDF's path; empty,
    // with `error` set, when LibreOffice is missing, fails or is cancelled.
    // The operator sees the wait with a Cancel button over `parent`.
    QString toPdf(const QString& document, QString* error, QWidget* parent = nullptr);
    // Prints the document on the default printer without any window. True
    // only once LibreOffice has handed it to the printing system; otherwise
    // `error` says why nothing was printed.
    bool print(const QString& document, QString* error, QWidget* parent = nullptr);

    // Writer windows: a document read-only, a document to edit, Writer alone.
    bool view(const QString& document, QWidget* parent);
    bool edit(const QString& document, QWidget* parent);
    bool startWriter(QWidget* parent);

    static constexpr int ConversionTimeoutMs = 120000;

private:
    // Runs LibreOffice without a window and waits for its end, showing `what`
    // with a Cancel button; empty when it ended well, else why not.
    QString runHeadless(const QStringList& arguments, const QString& what, QWidget* parent);
    bool startWindow(const QStringList& arguments, QWidget* parent);
    // Both profiles are the program's own, so that a Writer the operator has
    // open is neither disturbed nor in the way. The Writer windows have one
    // apart from the runs without a window: a Writer left open on a profile
    // would take over every later run on it.
    QString profileArgument(const QString& folder) const;

    RunState& m_state;
};
