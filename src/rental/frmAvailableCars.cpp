#include "rental/frmAvailableCars.h"
#include "ui_frmAvailableCars.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/RunState.h"
#include "core/ScreenOpener.h"
#include "core/ScreenSetup.h"
#include "engine/ControlAccess.h"
#include "engine/DataScreen.h"
#include "engine/RecordListModel.h"
#include "engine/StoredValue.h"

#include <QHeaderView>
#include <QKeyEvent>

namespace {

// No schedule by date: later than any day, so that the earliest is found.
const QString NoDay = QStringLiteral("99991231");

QString label(const QString& text)
{
    return QStringLiteral(" as [") + QString(text).remove(QLatin1Char(']')) + QLatin1Char(']');
}

// The day schedule `n` falls due next, or NoDay.
QString scheduleDay(int n)
{
    return QStringLiteral("IIf(EVERYDAYS%1 > 0 and MAINTSTART%1 > 0, DateAdd('d', EVERYDAYS%1, "
                          "IIf(MAINTSTART%1 > 0, MAINTSTART%1, 19000101)), %2) as d%1")
        .arg(n)
        .arg(NoDay);
}

}

frmAvailableCars::frmAvailableCars(RunState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(std::make_unique<Ui::frmAvailableCars>()),
      m_list(new RecordListModel(state.db(), this))
{
    m_ui->setupUi(this);
    QTableView* grid = m_ui->DataGrid1;
    grid->setModel(m_list);
    grid->installEventFilter(this);
    connect(grid, &QAbstractItemView::doubleClicked, this, &frmAvailableCars::openCar);
    connect(m_ui->cmdOpen, &QPushButton::clicked, this, &frmAvailableCars::openCar);
    connect(m_ui->command0, &QPushButton::clicked, this, &QDialog::reject);

    const QString cars = QStringLiteral("select carid, PLATENO, MAKE, BRAND, COLOR, FARE, METER, ") + scheduleDay(1)
                       + QStringLiteral(", ") + scheduleDay(2) + QStringLiteral(", ") + scheduleDay(3)
                       + QStringLiteral(" from car where RENTED = 0 and STOP = 0");
    const QString soonest = QStringLiteral("IIf(d1 <= d2 and d1 <= d3, d1, IIf(d2 <= d3, d2, d3)) as soonest");
    const QString due = QStringLiteral("select carid, PLATENO, MAKE, BRAND, COLOR, FARE, METER, ") + soonest
                      + QStringLiteral(" from (") + cars + QStringLiteral(") scheduled");
    const QString list = QStringLiteral("select carid") + label(tr("No.")) + QStringLiteral(", PLATENO")
                       + label(tr("Plate")) + QStringLiteral(", MAKE") + label(tr("Make")) + QStringLiteral(", BRAND")
                       + label(tr("Model")) + QStringLiteral(", COLOR") + label(tr("Colour")) + QStringLiteral(", FARE")
                       + label(tr("Daily rent")) + QStringLiteral(", METER") + label(tr("Meter"))
                       + QStringLiteral(", IIf(soonest = ") + NoDay + QStringLiteral(", 0, soonest)")
                       + label(tr("Next maintenance")) + QStringLiteral(" from (") + due
                       + QStringLiteral(") due order by PLATENO, carid");
    m_list->setColumnTypes({-1, -1, -1, -1, -1, RecordListModel::Money, -1, StoredValue::Date});
    guarded(m_state, this, ERROR_SOURCE, [&] { m_list->setStatement(list); });
    // The car's number is the key, not something to choose by.
    grid->setColumnHidden(0, true);
    grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    grid->setSortingEnabled(true);
    if (m_list->rowCount() > 0)
        grid->setCurrentIndex(m_list->index(0, 1));
    m_ui->cmdOpen->setEnabled(m_list->rowCount() > 0);
}

frmAvailableCars::~frmAvailableCars() = default;

void frmAvailableCars::showEvent(QShowEvent* event)
{
    if (!m_loaded) {
        m_loaded = true;
        ScreenSetup::run(m_state, this);
    }
    QDialog::showEvent(event);
    m_ui->DataGrid1->setFocus(Qt::OtherFocusReason);
}

void frmAvailableCars::openCar()
{
    const QModelIndex current = m_ui->DataGrid1->currentIndex();
    if (!current.isValid())
        return;
    const qint64 id = m_list->data(m_list->index(current.row(), 0), Qt::EditRole).toLongLong();
    // The car is shown, not changed: what the screen would change is off.
    openScreen(m_state, this, QStringLiteral("frmCars"), ERROR_SOURCE,
               QStringLiteral("RENTMODE"), [id](QWidget* car) {
                   for (const char* name : {"cmdSave", "cmdNew", "cmdPRINT", "cmdDel"})
                       if (QWidget* w = ControlAccess::find(car, QLatin1String(name)))
                           w->setEnabled(false);
                   for (QWidget* w : car->findChildren<QWidget*>())
                       if (w->objectName().startsWith(QLatin1String("Frame"), Qt::CaseInsensitive))
                           w->setEnabled(false);
                   if (auto* data = qobject_cast<DataScreen*>(car))
                       data->showFirst(id);
               });
}

bool frmAvailableCars::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->DataGrid1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openCar();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
