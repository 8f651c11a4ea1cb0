#include "rental/frmCustomers.h"
#include "ui_frmCustomers.h"

#include "core/AppError.h"
#include "core/RunState.h"
#include "core/ScreenOpener.h"
#include "core/StoredDate.h"
#include "core/cUI.h"
#include "engine/cValidation.h"
#include "rental/BalanceText.h"
#include "rental/CustomerBalance.h"

#include <QCoreApplication>
#include <QDate>
#include <QDateEdit>
#include <QKeyEvent>
#include <QListWidget>

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
    // A customer is often known by his mobile alone.
    d.openSearch.alsoSearched = {QStringLiteral("HOMEMOB"), QStringLiteral("HOMECARLICENSE")};
    d.openSearch.orElse = {{QStringLiteral("HOMETEL1"), QStringLiteral("HOMEMOB")}};
    d.newCaption = QCoreApplication::translate("frmCustomers", "New Customer ");
    d.nameField = QStringLiteral("name");
    d.printList = DataScreen::PrintList::ListWindow;
    return d;
}

}

frmCustomers::frmCustomers(RunState& state, QWidget* parent)
    : DataScreen(state, customersDefinition(), parent), m_ui(std::make_unique<Ui::frmCustomers>())
{
    m_ui->setupUi(this);
    m_picture = new PictureSlot(state, m_ui->pPicture, m_ui->txtFileName, pictureTable, pictureTable, tr("صورة العضو"),
                                m_pictures.filePath(QStringLiteral("customer.pic")), this);
    connect(m_ui->cmdStatement, &QPushButton::clicked, this, &frmCustomers::Statement);
    connectCommands();
}

frmCustomers::~frmCustomers() = default;

cWindow::Fields frmCustomers::newRecordFields() const
{
    // "Date Entered" shows the day the customer was made.
    const qint64 today = StoredDate::number(QDate::currentDate());
    return {{QStringLiteral("CREATEDT"), today}, {QStringLiteral("CREATIONDATE"), today}};
}

QList<PickerCopy::Field> frmCustomers::pickerFields() const
{
    // The contract takes the home contact data; the work ones stay here.
    return {{"txtID", "dfnCustomerid"},
            {"dfcTITLE", "dfcTITLE"},
            {"txtNAME", "dfsCustomerNAME"},
            {"dfcIDType", "dfcIDType"},
            {"dfnIDNumber", "dfnIDNumber", true},
            {"dfsIssuePlace", "dfsIssuePlace"},
            {"dfsHomeCarLicense", "dfsLICENSENO"},
            {"dfdHomeLicenseExpiry", "dfdLicenseExpiryDate"},
            {"dfsWorkJob", "dfsJob"},
            {"dfsWorkCompany", "dfsWorkPlace"},
            {"dfsHomeTel1", "dfsTel1"},
            {"dfsHomeTel2", "dfsTel2"},
            {"dfsHomeTel3", "dfsTel3"},
            {"dfsHomeMob", "dfsMob"},
            {"dfsHomeExt", "dfsExt"},
            {"dfsHomeFax", "dfsFax"},
            {"dfsHomeAddress", "dfsAddress"},
            {"dfsHomeGovern", "dfsGovern"},
            {"dfsHomeCity", "dfsCity"},
            {"dfcNationality", "dfcNationality"}};
}

PictureSlot::Row frmCustomers::pictureRow() const
{
    const qint64 id = idText().toLongLong();
    if (id <= 0)
        return {};
    return {QStringLiteral("WHERE CUSTOMERID = ") + QString::number(id), {{QStringLiteral("CUSTOMERID"), id}}};
}

void frmCustomers::load()
{
    DataScreen::load();
    m_picture->setReadOnly(pickerMode());
    m_picture->showStored(pictureRow());
    showBalance();
}

void frmCustomers::New()
{
    DataScreen::New();
    m_picture->showStored(pictureRow());
    showBalance();
}

void frmCustomers::Open()
{
    DataScreen::Open();
    m_picture->showStored(pictureRow());
    showBalance();
}

void frmCustomers::showBalance()
{
    m_ui->lblLedgerBalance->clear();
    const qint64 id = idText().toLongLong();
    if (id <= 0)
        return;
    run(ERROR_SOURCE, [this, id] {
        BalanceText::show(m_ui->lblLedgerBalance, CustomerBalance::of(state().db(), id), state().config.CURRENCYSUFFIX);
    });
}

void frmCustomers::Statement()
{
    if (idText().toLongLong() <= 0 || !m_ui->cmdStatement->isEnabled())
        return;
    qint64 report = 0;
    run(ERROR_SOURCE, [this, &report] {
        report = state().db().execute(QStringLiteral("select RPTID from _RPT where ONOFF = 1 and WINDOWNAME = "
                                                     "'frmCustomers' and Rptfilename = 'statement.odt'"))
                     .value(0, 0)
                     .toLongLong();
    });
    if (report == 0) {
        state().ui().message(this, tr("This office has no customer statement among its documents."));
        return;
    }
    const QDate today = QDate::currentDate();
    openScreen(state(), this, QStringLiteral("frmPrint"), ERROR_SOURCE, {},
               [report, today](QWidget* dialog) {
                   if (auto* list = dialog->findChild<QListWidget*>(QStringLiteral("List1")))
                       for (int row = 0; row < list->count(); ++row)
                           if (list->item(row)->data(Qt::UserRole).toLongLong() == report)
                               list->setCurrentRow(row);
                   auto* from = dialog->findChild<QDateEdit*>(QStringLiteral("dtFrom"));
                   auto* to = dialog->findChild<QDateEdit*>(QStringLiteral("dtTo"));
                   if (!from || !to)
                       return;
                   from->setDate(QDate(today.year(), today.month(), 1));
                   to->setDate(QDate(today.year(), today.month(), today.daysInMonth()));
                   from->setFocus();
               },
               m_ui->cmdStatement->toolTip());
}

void frmCustomers::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F6 && event->modifiers() == Qt::NoModifier) {
        Statement();
        return;
    }
    DataScreen::keyPressEvent(event);
}

void frmCustomers::Save()
{
    run(ERROR_SOURCE, [this] {
        if (!state().service<cValidation>().ValidateWindow(this) || !window().Save(keyCondition(), this))
            return;
        if (!state().Viewing)
            m_picture->save(pictureRow());
    });
    showBalance();
}

