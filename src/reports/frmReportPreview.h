#pragma once

#include <QDialog>
#include <memory>

class QPdfDocument;
class RunState;
namespace Ui { class frmReportPreview; }

// A filled report as the PDF LibreOffice made of it, inside the program:
// read only, with buttons to print it, keep the PDF and open the document
// in Writer.
class frmReportPreview : public QDialog {
    Q_OBJECT
public:
    // `document` is the filled .odt, `pdf` its PDF.
    frmReportPreview(RunState& state, const QString& document, const QString& pdf, QWidget* parent);
    ~frmReportPreview() override;

    int pageCount() const;
    // The page as it is shown, `width` pixels wide.
    QImage renderPage(int page, int width) const;

private:
    void showPage();
    void printDocument();
    void savePdf();
    void openInWriter();

    RunState& m_state;
    QString m_document;
    QString m_pdf;
    std::unique_ptr<Ui::frmReportPreview> m_ui;
    QPdfDocument* m_pdfDocument = nullptr;
};
