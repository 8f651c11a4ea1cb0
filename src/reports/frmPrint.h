#pragma once

#include <QDialog>
#include <memory>

class RunState;
namespace Ui { class frmPrint; }

// The report dialog of every data screen (F7): the reports that screen
// offers, a date range the reports' queries can bind to, and where the
// filled document goes.
class frmPrint : public QDialog {
    Q_OBJECT
public:
    frmPrint(RunState& state, QWidget* parent);
    ~frmPrint() override;

    // Lists the offered reports of `screenName`, numbered from 1 in display
    // order; OK is disabled when there are none.
    void ShowReportList(const QString& screenName);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFileName();
    void runSelected();
    // Shows the filled copy as a PDF preview or prints it through
    // LibreOffice, or says what to install when it is missing; the copy is
    // kept either way.
    void output(const QString& document);
    void editSelected();
    void startWriter();

    RunState& m_state;
    std::unique_ptr<Ui::frmPrint> m_ui;
};
