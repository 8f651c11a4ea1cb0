#include "rental/frmEmployee.h"
#include "ui_frmEmployee.h"

#include "core/AppError.h"
#include "core/KeyRoutines.h"
#include "core/RunState.h"
#include "engine/cValidation.h"

#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>

namespace {

const QString pictureTable = QStringLiteral("EMPPICTURE");
const QString managers =
    QStringLiteral("select NAME as [الااسم ] , EMPID as [ID:] from EMPLOYEE where FLGMANAGER = 1 order by EMPID");

DataScreen::Definition employeesDefinition()
{
    DataScreen::Definition d;
    d.keyColumn = QStringLiteral("EMPID");
    d.table = QStringLiteral("Employee");
    d.condition = QStringLiteral("WHERE 1 = 1 ");
    d.openCaption = QCoreApplication::translate("frmEmployee", "Employees");
    d.openSearch.alsoSearched = {QStringLiteral("HOMEPHONE")};
    d.newCaption = QCoreApplication::translate("frmEmployee", "New Employee ");
    d.nameField = QStringLiteral("name");
    return d;
}

}

frmEmployee::frmEmployee(RunState& state, QWidget* parent)
    : DataScreen(state, employeesDefinition(), parent), m_ui(std::make_unique<Ui::frmEmployee>())
{
    m_ui->setupUi(this);
    m_picture = new PictureSlot(state, m_ui->pPicture, m_ui->txtFileName, pictureTable, QStringLiteral("OLEMODULE"),
                                tr("صورة العضو"), m_pictures.filePath(QStringLiteral("employee.pic")), this);
    connectCommands();
}

frmEmployee::~frmEmployee() = default;

void frmEmployee::fillManagers()
{
    window().FillGridCombo(this, QStringLiteral("cmbMANAGERID"), managers, 0, 1);
}

PictureSlot::Row frmEmployee::pictureRow() const
{
    const qint64 id = idText().toLongLong();
    if (id <= 0)
        return {};
    return {QStringLiteral("WHERE EMPID = ") + QString::number(id), {{QStringLiteral("EMPID"), id}}};
}

void frmEmployee::load()
{
    // The list first, so that the employee read shows his manager by name.
    run(ERROR_SOURCE, [this] { fillManagers(); });
    DataScreen::load();
    m_picture->showStored(pictureRow());
}

void frmEmployee::keyPressEvent(QKeyEvent* event)
{
    // The other screens hold Shift+F9 back; here it opens the list as F9 does.
    if (event->key() == Qt::Key_F9 && (event->modifiers() & Qt::ShiftModifier)) {
        KeyRoutines::dataScreenKey(state(), this, Qt::Key_F9);
        return;
    }
    DataScreen::keyPressEvent(event);
}

void frmEmployee::New()
{
    DataScreen::New();
    m_picture->showStored(pictureRow());
}

void frmEmployee::Open()
{
    DataScreen::Open();
    m_picture->showStored(pictureRow());
}

void frmEmployee::Save()
{
    run(ERROR_SOURCE, [this] {
        if (!state().service<cValidation>().ValidateWindow(this) || !window().Save(keyCondition(), this))
            return;
        m_picture->save(pictureRow());
        // A tick on "Is Manager" or a manager's new name shows in the list now,
        // not only when the screen is opened again.
        fillManagers();
    });
}

void frmEmployee::Print()
{
    if (idText().isEmpty())
        return;
    DataScreen::Print();
}

