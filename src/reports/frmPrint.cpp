#include "reports/frmPrint.h"
#include "ui_frmPrint.h"

#include "core/Database.h"
#include "core/ReaderNames.h"
#include "core/RunState.h"
#include "core/ScreenSetup.h"
#include "core/SqlValue.h"
#include "core/cUI.h"
#include "reports/LibreOffice.h"
#include "reports/cPrint.h"
#include "reports/frmReportPreview.h"

#include <QKeyEvent>
#include <QStatusBar>
#include <QFileInfo>

namespace {

constexpr int ReportIdRole = Qt::UserRole;
constexpr int FileNameRole = Qt::UserRole + 1;

}

frmPrint::frmPrint(RunState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(std::make_unique<Ui::frmPrint>())
{
    m_ui->setupUi(this);
    // Its dates are typed as on every screen, Arabic keyboard included.
    ScreenSetup::run(state, this);
    const QDate today = QDate::currentDate();
    m_ui->dtTo->setDate(today);
    m_ui->dtFrom->setDate(today.addMonths(-12));
    m_ui->List1->installEventFilter(this);
    connect(m_ui->List1, &QListWidget::currentRowChanged, this, &frmPrint::showFileName);
    connect(m_ui->List1, &QListWidget::itemDoubleClicked, this, &frmPrint::runSelected);
    connect(m_ui->cmdOk, &QPushButton::clicked, this, &frmPrint::runSelected);
    connect(m_ui->cmdEdit, &QPushButton::clicked, this, &frmPrint::editSelected);
    connect(m_ui->cmdWord, &QPushButton::clicked, this, &frmPrint::startWriter);
    connect(m_ui->cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    // The status line shows only while it says something: empty, it is a blank band.
    QStatusBar* status = m_ui->StatusBar1;
    status->hide();
    connect(status, &QStatusBar::messageChanged, status,
            [status](const QString& message) { status->setVisible(!message.isEmpty()); });
    if (parent)
        ShowReportList(parent->objectName());
    else
        showFileName();
    if (LibreOffice::program().isEmpty())
        m_ui->StatusBar1->showMessage(LibreOffice::missingText());
    ReaderNames::give(this);
}

frmPrint::~frmPrint() = default;

void frmPrint::ShowReportList(const QString& screenName)
{
    m_ui->List1->clear();
    const RowSet reports = m_state.db().execute(
        QStringLiteral("select rptid, RPTNAME, Rptfilename FROM _RPT where onoff = 1 and windowname = ")
        + SqlValue::quoted(screenName) + QStringLiteral(" order by displayorder"));
    for (int i = 0; i < reports.count(); ++i) {
        auto* item = new QListWidgetItem(QString::number(i + 1) + QStringLiteral(". ")
                                         + reports.text(i, QStringLiteral("RPTNAME")));
        item->setData(ReportIdRole, reports.value(i, QStringLiteral("rptid")));
        item->setData(FileNameRole, reports.text(i, QStringLiteral("Rptfilename")));
        m_ui->List1->addItem(item);
    }
    m_ui->cmdOk->setEnabled(m_ui->List1->count() > 0);
    m_ui->cmdEdit->setEnabled(m_ui->List1->count() > 0);
    if (m_ui->List1->count() > 0)
        m_ui->List1->setCurrentRow(0);
    showFileName();
}

void frmPrint::showFileName()
{
    const QListWidgetItem* item = m_ui->List1->currentItem();
    m_ui->lblReportFileName->setText(item ? item->data(FileNameRole).toString() : QString());
    m_ui->lblReportFileName->setVisible(!m_ui->lblReportFileName->text().isEmpty());
}

bool frmPrint::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->List1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key >= Qt::Key_1 && key <= Qt::Key_9) {
            if (key - Qt::Key_1 < m_ui->List1->count())
                m_ui->List1->setCurrentRow(key - Qt::Key_1);
            return true;
        }
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (m_ui->cmdOk->isEnabled())
                runSelected();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmPrint::runSelected()
{
    const QListWidgetItem* item = m_ui->List1->currentItem();
    if (!item)
        return;
    const QList<QWidget*> controls{m_ui->List1, m_ui->fraDate, m_ui->fraOutput, m_ui->cmdOk,
                                   m_ui->cmdEdit,  m_ui->cmdWord, m_ui->cmdCancel};
    for (QWidget* control : controls)
        control->setEnabled(false);
    const QString document = cPrint(m_state).PrintReport(
        item->data(ReportIdRole).toLongLong(), [this](int percent, const QString& status) {
            m_ui->StatusBar1->showMessage(status);
            m_state.ui().UpdateProgressBar(percent);
        });
    if (!document.isEmpty())
        output(document);
    m_state.ui().ShowProgress(0);
    for (QWidget* control : controls)
        control->setEnabled(true);
}

void frmPrint::output(const QString& document)
{
    LibreOffice office(m_state);
    if (!cPrint(m_state).StartWord(this)) {
        m_ui->StatusBar1->showMessage(tr("The filled document is kept as %1").arg(document));
        return;
    }
    QString error;
    if (m_ui->Option2->isChecked()) {
        if (office.print(document, &error, this)) {
            m_ui->StatusBar1->showMessage(tr("%1 went to the printer.").arg(QFileInfo(document).fileName()));
        } else {
            m_ui->StatusBar1->showMessage(tr("The filled document is kept as %1").arg(document));
            m_state.ui().message(this, error);
        }
        return;
    }
    m_ui->StatusBar1->showMessage(tr("Making the preview of %1").arg(QFileInfo(document).fileName()));
    const QString pdf = office.toPdf(document, &error, this);
    if (pdf.isEmpty()) {
        m_state.ui().message(this, error);
        return;
    }
    m_ui->StatusBar1->showMessage(QFileInfo(pdf).fileName());
    frmReportPreview preview(m_state, document, pdf, this);
    m_state.ui().exec(&preview);
}

void frmPrint::editSelected()
{
    if (const QListWidgetItem* item = m_ui->List1->currentItem())
        cPrint(m_state).EditReport(item->data(ReportIdRole).toLongLong(), this);
}

void frmPrint::startWriter()
{
    if (cPrint(m_state).StartWord(this))
        LibreOffice(m_state).startWriter(this);
}
