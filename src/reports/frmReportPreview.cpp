#include "reports/frmReportPreview.h"
#include "ui_frmReportPreview.h"

#include "core/OwnerOnly.h"
#include "core/ReaderNames.h"
#include "core/RunState.h"
#include "core/cUI.h"
#include "reports/LibreOffice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPdfDocument>
#include <QPdfPageNavigator>

frmReportPreview::frmReportPreview(RunState& state, const QString& document, const QString& pdf, QWidget* parent)
    : QDialog(parent), m_state(state), m_document(document), m_pdf(pdf),
      m_ui(std::make_unique<Ui::frmReportPreview>()), m_pdfDocument(new QPdfDocument(this))
{
    m_ui->setupUi(this);
    // The file name reads left to right inside the Arabic title.
    setWindowTitle(tr("Report %1").arg(QChar(0x2066) + QFileInfo(document).fileName() + QChar(0x2069)));
    m_pdfDocument->load(pdf);
    m_ui->pdfView->setDocument(m_pdfDocument);
    m_ui->pdfView->setPageMode(QPdfView::PageMode::MultiPage);
    m_ui->pdfView->setZoomMode(QPdfView::ZoomMode::FitToWidth);
    connect(m_ui->pdfView->pageNavigator(), &QPdfPageNavigator::currentPageChanged, this,
            &frmReportPreview::showPage);
    connect(m_ui->cmdPrint, &QPushButton::clicked, this, &frmReportPreview::printDocument);
    connect(m_ui->cmdSavePdf, &QPushButton::clicked, this, &frmReportPreview::savePdf);
    connect(m_ui->cmdWriter, &QPushButton::clicked, this, &frmReportPreview::openInWriter);
    connect(m_ui->cmdClose, &QPushButton::clicked, this, &QDialog::accept);
    m_ui->pdfView->setFocus();
    showPage();
    ReaderNames::give(this);
}

frmReportPreview::~frmReportPreview() = default;

int frmReportPreview::pageCount() const { return m_pdfDocument->pageCount(); }

QImage frmReportPreview::renderPage(int page, int width) const
{
    const QSizeF points = m_pdfDocument->pagePointSize(page);
    if (points.isEmpty())
        return {};
    return m_pdfDocument->render(page, QSize(width, qRound(width * points.height() / points.width())));
}

void frmReportPreview::showPage()
{
    m_ui->lblPages->setText(
        tr("Page %1 of %2").arg(m_ui->pdfView->pageNavigator()->currentPage() + 1).arg(pageCount()));
}

void frmReportPreview::printDocument()
{
    QString error;
    if (LibreOffice(m_state).print(m_document, &error, this))
        m_state.ui().ShowStatusMessage(tr("%1 went to the printer.").arg(QFileInfo(m_document).fileName()));
    else
        m_state.ui().message(this, error);
}

void frmReportPreview::savePdf()
{
    FileRequest request;
    request.title = tr("Save the report as PDF");
    request.filter = tr("PDF documents (*.pdf)");
    request.initialPath = QDir::home().filePath(QFileInfo(m_pdf).fileName());
    request.defaultSuffix = QStringLiteral("pdf");
    request.save = true;
    const QString target = m_state.ui().chooseFile(this, request);
    if (target.isEmpty() || QFileInfo(target).absoluteFilePath() == QFileInfo(m_pdf).absoluteFilePath())
        return;
    // The chooser has asked before replacing a file; an old read-only copy must not stop it.
    if (QFileInfo::exists(target)) {
        QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::WriteOwner);
        QFile::remove(target);
    }
    if (!QFile::copy(m_pdf, target)) {
        m_state.ui().message(this, tr("The PDF could not be saved as %1.").arg(target));
        return;
    }
    QFile::setPermissions(target, OwnerOnly::File);
}

void frmReportPreview::openInWriter()
{
    LibreOffice(m_state).view(m_document, this);
}
