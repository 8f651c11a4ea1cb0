#include "rental/frmCars.h"
#include "ui_frmCars.h"

#include "core/AppError.h"
#include "core/RunState.h"
#include "core/StoredDate.h"
#include "engine/cValidation.h"
#include "rental/dlgCarDamage.h"

#include <QCoreApplication>
#include <QDate>
#include <QKeyEvent>

namespace {

const QString pictureTable = QStringLiteral("CARPICTURE");

DataScreen::Definition carsDefinition()
{
    DataScreen::Definition d;
    d.keyColumn = QStringLiteral("carid");
    d.table = QStringLiteral("car");
    d.condition = QStringLiteral("WHERE 1 = 1 order by carid,name");
    // A contract can only take a car that is free and in service.
    d.pickerCondition = QStringLiteral("WHERE RENTED = 0  and STOP = 0 order by carid,name");
    d.loadCondition = QStringLiteral("WHERE RENTED = 0");
    d.openCaption = QCoreApplication::translate("frmCars", "Cars");
    d.openSearch.alsoSearched = {QStringLiteral("LICENSENO")};
    d.newCaption = QCoreApplication::translate("frmCars", " New Car ");
    d.nameField = QStringLiteral("name");
    d.printList = DataScreen::PrintList::ListWindow;
    return d;
}

}

frmCars::frmCars(RunState& state, QWidget* parent)
    : DataScreen(state, carsDefinition(), parent), m_ui(std::make_unique<Ui::frmCars>())
{
    m_ui->setupUi(this);
    const std::pair<QLabel*, QLineEdit*> pictures[] = {
        {m_ui->pPicture, m_ui->txtFileName},     {m_ui->Image1_0, m_ui->txtFileName1_0},
        {m_ui->Image1_1, m_ui->txtFileName1_1}, {m_ui->Image1_2, m_ui->txtFileName1_2},
        {m_ui->Image1_3, m_ui->txtFileName1_3}, {m_ui->Image1_4, m_ui->txtFileName1_4},
        {m_ui->Image1_5, m_ui->txtFileName1_5},
    };
    for (const auto& [image, fileName] : pictures) {
        const qsizetype sequence = m_slots.size() + 1;
        const QString title = sequence == 1 ? tr("صورة العضو") : tr("اختر الصورة");
        m_slots << new PictureSlot(state, image, fileName, pictureTable, pictureTable, title,
                                   m_pictures.filePath(QStringLiteral("p%1.bmp").arg(sequence)), this);
    }
    connect(m_ui->cmdDamage, &QPushButton::clicked, this, &frmCars::showDamage);
    connectCommands();
}

frmCars::~frmCars() = default;

cWindow::Fields frmCars::newRecordFields() const
{
    return {{QStringLiteral("CREATEDT"), StoredDate::number(QDate::currentDate())}};
}

QList<PickerCopy::Field> frmCars::pickerFields() const
{
    return {{"txtID", "dfnCarNo"},         {"dfsComments", "dfsComments"}, {"dfnFARE", "dfnDailyRent"},
            {"dfcCARTYPE", "dfcCARTYPE"},  {"dfsPLATENO", "dfsPlatNo"},    {"dfsBRAND", "dfsModel"},
            {"dfnMETER", "dfnMETER"},      {"dfcColor", "dfsCOLOR"}};
}

PictureSlot::Row frmCars::pictureRow(int sequence) const
{
    const qint64 id = idText().toLongLong();
    if (id <= 0)
        return {};
    return {QStringLiteral("WHERE PICTURESEQUENCE = %1 AND CARID = %2").arg(sequence).arg(id),
            {{QStringLiteral("CARID"), id}, {QStringLiteral("PICTURESEQUENCE"), sequence}}};
}

void frmCars::showPictures()
{
    for (qsizetype i = 0; i < m_slots.size(); ++i)
        m_slots[i]->showStored(pictureRow(int(i) + 1));
}

void frmCars::load()
{
    DataScreen::load();
    // A picker only shows the car: its opener disables the frames of fields,
    // the pictures and ticks outside them are held here.
    const bool picker = pickerMode();
    for (PictureSlot* slot : std::as_const(m_slots))
        slot->setReadOnly(picker);
    for (QCheckBox* tick : {m_ui->dffPrintinContract1, m_ui->dffPrintinContract2, m_ui->dffPrintinContract3,
                            m_ui->dffPrintinContract4, m_ui->dffPrintinContract5, m_ui->dffPrintinContract6})
        tick->setEnabled(!picker);
    showPictures();
}

void frmCars::New()
{
    const QString shown = idText();
    DataScreen::New();
    // A new car starts without pictures; a cancelled New keeps those on screen.
    if (idText() != shown)
        showPictures();
}

void frmCars::Open()
{
    DataScreen::Open();
    // Picked or cancelled, the record was read again: so are its pictures.
    showPictures();
}

void frmCars::Save()
{
    run(ERROR_SOURCE, [this] {
        // A journal view saves nothing, so its pictures stay as stored too.
        if (!state().service<cValidation>().ValidateWindow(this) || !window().Save(keyCondition(), this))
            return;
        for (qsizetype i = 0; i < m_slots.size(); ++i)
            m_slots[i]->save(pictureRow(int(i) + 1));
    });
}

void frmCars::Delete()
{
    if (idText().isEmpty())
        return;
    // The stored flag counts too: another workstation may have rented the car
    // since it was shown.
    bool rented = m_ui->dffRented->isChecked();
    const bool checked = run(ERROR_SOURCE, [this, &rented] {
        rented = rented
            || window().ReadOneValueFromTable(QStringLiteral("rented"), QStringLiteral("car"), keyCondition()) != 0;
    });
    // A car whose flag could not be read is not taken for a free one.
    if (!checked)
        return;
    if (rented) {
        state().ui().message(this, tr("Can not delete the car at the time being since car is already rented, "
                                      "Surrend the car first then delete."));
        return;
    }
    DataScreen::Delete();
}

void frmCars::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F6 && event->modifiers() == Qt::NoModifier) {
        showDamage();
        return;
    }
    DataScreen::keyPressEvent(event);
}

void frmCars::showDamage()
{
    const qint64 id = idText().toLongLong();
    if (id <= 0) {
        state().ui().message(this, tr("Save the car first: damage is marked on a stored car."));
        return;
    }
    dlgCarDamage dialog(state(), id, m_ui->txtNAME->text(), this);
    state().ui().exec(&dialog);
}
