#include "rental/frmDayList.h"
#include "ui_frmDayList.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/RunState.h"
#include "core/ScreenOpener.h"
#include "core/ScreenSetup.h"
#include "engine/DataScreen.h"
#include "engine/RecordListModel.h"

#include <QHeaderView>
#include <QKeyEvent>

frmDayList::frmDayList(RunState& state, DayAtAGlance::Item item, const DayAtAGlance::List& list, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(std::make_unique<Ui::frmDayList>()),
      m_list(new RecordListModel(state.db(), this))
{
    m_ui->setupUi(this);
    setWindowTitle(DayAtAGlance::caption(item));
    QTableView* grid = m_ui->DataGrid1;
    grid->setModel(m_list);
    grid->installEventFilter(this);
    connect(grid, &QAbstractItemView::doubleClicked, this, &frmDayList::openRecord);
    connect(m_ui->cmdOpen, &QPushButton::clicked, this, &frmDayList::openRecord);
    connect(m_ui->command0, &QPushButton::clicked, this, &QDialog::reject);

    m_list->setColumnTypes(list.types);
    guarded(m_state, this, ERROR_SOURCE, [&] { m_list->setStatement(list.sql); });
    const int rows = m_list->rowCount();
    m_ui->lblRows->setText(tr("%1 (rows: %2)").arg(DayAtAGlance::caption(item)).arg(rows));
    grid->setColumnHidden(DayAtAGlance::KeyColumn, true);
    grid->setColumnHidden(DayAtAGlance::ScreenColumn, true);
    grid->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    grid->setSortingEnabled(true);
    grid->resizeColumnsToContents();
    grid->horizontalHeader()->setStretchLastSection(true);
    if (rows > 0)
        grid->setCurrentIndex(m_list->index(0, DayAtAGlance::ScreenColumn + 1));
    m_ui->cmdOpen->setEnabled(rows > 0);
}

frmDayList::~frmDayList() = default;

void frmDayList::showEvent(QShowEvent* event)
{
    if (!m_loaded) {
        m_loaded = true;
        ScreenSetup::run(m_state, this);
    }
    QDialog::showEvent(event);
    m_ui->DataGrid1->setFocus(Qt::OtherFocusReason);
}

void frmDayList::openRecord()
{
    const QModelIndex current = m_ui->DataGrid1->currentIndex();
    if (!current.isValid())
        return;
    const auto cell = [&](int column) { return m_list->data(m_list->index(current.row(), column), Qt::EditRole); };
    const qint64 id = cell(DayAtAGlance::KeyColumn).toLongLong();
    const QString screen = cell(DayAtAGlance::ScreenColumn).toString().trimmed();
    if (id <= 0 || screen.isEmpty()) {
        m_state.ui().message(this, tr("No screen shows the record of this row."));
        return;
    }
    openScreen(m_state, this, screen, ERROR_SOURCE, {}, [id](QWidget* opened) {
        if (auto* data = qobject_cast<DataScreen*>(opened))
            data->showFirst(id);
    });
}

bool frmDayList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->DataGrid1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openRecord();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
