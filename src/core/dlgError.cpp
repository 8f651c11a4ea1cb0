#include "core/dlgError.h"
#include "ui_dlgError.h"

#include "core/ErrorLog.h"
#include "core/RunState.h"
#include "core/ScreenSetup.h"

#include <QDate>
#include <QDateTime>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QUrl>

dlgError::dlgError(RunState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(std::make_unique<Ui::dlgError>())
{
    m_ui->setupUi(this);
    connect(m_ui->pbHalt, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_ui->pbPrintMsgAndHalt, &QPushButton::clicked, this, &dlgError::printMessage);
    connect(m_ui->pbSybase, &QPushButton::clicked, this, [this] {
        m_state.ui().openUrl(this, QUrl::fromLocalFile(errorLogPath(m_state)));
    });
    connect(m_ui->command1, &QPushButton::clicked, this, [this] {
        m_state.ui().openUrl(this, QUrl::fromLocalFile(statementTracePath(m_state, QDate::currentDate())));
    });
}

dlgError::~dlgError() = default;

void dlgError::showError(const QString& number, const QString& description, const QString& source,
                         const QString& screenName, const QString& controlName)
{
    setWindowTitle(tr("Error #") + number);
    m_ui->txterr0->setPlainText(description);
    m_ui->txterr1->setText(source);
    m_ui->dfActiveControl->setText(tr("Active Control:") + controlName);
    m_ui->dfScreenName->setText(tr("Form: ") + screenName);
    m_ui->dfOperatorName->setText(tr("Operator:") + m_state.CurrentLoginId);
    m_ui->dtDateTime->setText(QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss")));
}

void dlgError::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (m_loaded)
        return;
    m_loaded = true;
    ScreenSetup::run(m_state, this);
}

void dlgError::printMessage()
{
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull()) {
        m_state.ui().message(this, tr("This computer has no default printer; the message could not be printed."),
                             windowTitle());
        return;
    }
    const QPixmap image = grab();
    QPrinter printer(printerInfo);
    QPainter painter;
    if (!painter.begin(&printer)) {
        m_state.ui().message(this, tr("Printing on the printer \"%1\" failed.").arg(printerInfo.printerName()),
                             windowTitle());
        return;
    }
    // The dialog at its size on the screen, shrunk only when it does not fit the page.
    const QRect page = painter.viewport();
    QSizeF size = image.deviceIndependentSize() * (qreal(printer.resolution()) / logicalDpiX());
    if (size.width() > page.width() || size.height() > page.height())
        size.scale(page.size(), Qt::KeepAspectRatio);
    painter.drawPixmap(QRectF(page.topLeft(), size), image, image.rect());
    painter.end();
}
