#include "rental/frmCustomers.h"
#include "ui_frmCustomers.h"

#include "engine/cValidation.h"
#include "shell/base/RunState.h"
#include "shell/base/cUI.h"

#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QImageReader>
#include <QMouseEvent>
#include <QPixmap>

namespace {

const QString pictureTable = QStringLiteral("CUSTOMERPICTURE");

DataScreen::Definition customersDefinition()
{
    DataScreen::Definition d;
    d.keyColumn = QStringLiteral("CUSTOMERID");
    d.table = QStringLiteral("Customer");
    // Black-listed and stopped customers are listed too: nothing filters them.
    d.condition = QStringLiteral("WHERE 1 = 1 ");
    d.openCaption = QCoreApplication::translate("frmCustomers", "Customers");
    d.newCaption = QCoreApplication::translate("frmCustomers", "New Customer ");
    d.nameField = QStringLiteral("name");
    d.printList = DataScreen::PrintList::ListWindow;
    return d;
}

QString imageFilter()
{
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return QCoreApplication::translate("frmCustomers", "Pictures") + QStringLiteral(" (") + patterns.join(u' ')
        + QStringLiteral(");;") + QCoreApplication::translate("frmCustomers", "All") + QStringLiteral(" (*)");
}

}

frmCustomers::frmCustomers(RunState& state, QWidget* parent)
    : DataScreen(state, customersDefinition(), parent), m_ui(std::make_unique<Ui::frmCustomers>())
{
    m_ui->setupUi(this);
    m_ui->pPicture->installEventFilter(this);
    connectCommands();
}

frmCustomers::~frmCustomers() = default;

cWindow::Fields frmCustomers::newRecordFields() const
{
    return {{QStringLiteral("CREATEDT"), QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toLongLong()}};
}

void frmCustomers::load()
{
    DataScreen::load();
    showStoredPicture();
}

void frmCustomers::New()
{
    DataScreen::New();
    showStoredPicture();
}

void frmCustomers::Open()
{
    DataScreen::Open();
    showStoredPicture();
}

void frmCustomers::Save()
{
    run(QStringLiteral("cmdSave_Click"), [this] {
        if (!state().service<cValidation>().ValidateWindow(this) || !window().Save(keyCondition(), this))
            return;
        if (!m_pictureChanged || state().Viewing)
            return;
        const QString id = QString::number(idText().toLongLong());
        if (window().InsertPicture(m_ui->txtFileName->text(), pictureTable, pictureTable,
                                   QStringLiteral("WHERE CUSTOMERID = ") + id, {{QStringLiteral("CUSTOMERID"), id.toLongLong()}}))
            m_pictureChanged = false;
    });
}

void frmCustomers::Delete()
{
    if (idText().isEmpty())
        return;
    run(QStringLiteral("cmdDel_Click"), [this] { window().Delete(QString(), this); });
    close();
}

bool frmCustomers::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->pPicture) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            choosePicture();
            return true;
        }
        if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
            clearPicture();
            return true;
        }
    }
    return DataScreen::eventFilter(watched, event);
}

void frmCustomers::choosePicture()
{
    FileRequest request;
    request.title = tr("صورة العضو");
    request.filter = imageFilter();
    request.initialPath = m_ui->txtFileName->text();
    const QString chosen = state().ui().chooseFile(this, request);
    if (chosen.isEmpty())
        return;
    if (QImageReader(chosen).read().isNull()) {
        state().ui().message(this, tr("The picture %1 cannot be read; the customer keeps the picture he had.").arg(chosen));
        return;
    }
    showPicture(chosen);
    m_pictureChanged = true;
}

void frmCustomers::clearPicture()
{
    showPicture(QString());
    m_pictureChanged = true;
}

void frmCustomers::showStoredPicture()
{
    m_pictureChanged = false;
    const QString file = m_pictures.filePath(QStringLiteral("customer.pic"));
    QFile::remove(file);
    const qint64 id = idText().toLongLong();
    showPicture(id > 0 ? window().ReadPicture(pictureTable, pictureTable,
                                              QStringLiteral("WHERE CUSTOMERID = ") + QString::number(id), file)
                       : QString());
}

void frmCustomers::showPicture(const QString& fileName)
{
    m_ui->txtFileName->setText(fileName);
    const QPixmap picture(fileName);
    if (picture.isNull())
        m_ui->pPicture->clear();
    else
        m_ui->pPicture->setPixmap(picture.scaled(m_ui->pPicture->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
