#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

class OdtDocument;
struct ReportRows;
class QWidget;
class RunState;

// Runs reports defined in _RPT / _RPTDETAIL: fills a working copy of the
// report's template and leaves the template untouched.
class cPrint {
public:
    // Percent done (30, 70, 100) and a line for the dialog's status bar.
    using Progress = std::function<void(int percent, const QString& status)>;

    static constexpr int KeepDays = 30;
    // Pictures a contract may show of its car, each marked "Print in Contract".
    static constexpr int CarPicturesInContract = 6;

    explicit cPrint(RunState& state) : m_state(state) {}

    // Runs the report's steps and returns the filled copy's path, or an empty
    // string once the operator has been told why not.
    QString PrintReport(qint64 reportId, const Progress& progress = {});

    // Opens the report's template itself in Writer for editing; false once
    // the operator has been told why not.
    bool EditReport(qint64 reportId, QWidget* parent);
    // True when LibreOffice is there to show, print and edit documents;
    // otherwise the operator is told which package to install.
    bool StartWord(QWidget* parent);

    // The template of a report: a name without a folder lies in the home
    // folder's "templates" folder.
    QString templatePath(const QString& fileName) const;
    QString reportsFolder() const;

    // yyyymmdd_hhmmss.odt for the moment given, then -2, -3 ... when a copy
    // of that second is already there.
    static QString workingCopyPath(const QString& folder, const QDateTime& moment);
    // Removes working copies last written more than KeepDays before `now`;
    // returns how many went.
    static int RemoveOldCopies(const QString& folder, const QDateTime& now);

private:
    // The report's template when the file is there; otherwise empty, once
    // the operator has been told which file is missing.
    QString existingTemplate(qint64 reportId, QWidget* parent);
    // Empty when the copy was written; otherwise what the operator is to be told.
    QString runSteps(qint64 reportId, const QString& templateFile, const QString& copy, const Progress& progress);
    // The pictures the layers above draw for the step's columns (ReportPictures).
    void placeDrawings(OdtDocument& document, const ReportRows& rows, const QString& copy);
    // The car of the open contract: its pictures marked for the contract go
    // into the frames P2 to P7 and beside the copy.
    void placeCarPictures(OdtDocument& document, const QString& copy);

    RunState& m_state;
};
