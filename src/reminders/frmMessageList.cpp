#include "reminders/frmMessageList.h"
#include "ui_frmMessageList.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/RunState.h"
#include "core/ScreenOpener.h"
#include "core/ScreenSetup.h"
#include "engine/DataScreen.h"
#include "engine/RecordListModel.h"
#include "engine/StoredValue.h"
#include "reminders/cReminder.h"

#include <QKeyEvent>

namespace {

// The list's columns; those past Shown are read, not shown.
enum Column { Id, Title, Record, Queued, Shown, Body = Shown, RecordId, RecordScreen };

QString label(const QString& text)
{
    return QLatin1Char('[') + QString(text).remove(QLatin1Char(']')) + QLatin1Char(']');
}

}

frmMessageList::frmMessageList(RunState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(std::make_unique<Ui::frmMessageList>()),
      m_list(new RecordListModel(state.db(), this))
{
    m_ui->setupUi(this);
    m_ui->DataGrid1->setModel(m_list);
    m_ui->DataGrid1->installEventFilter(this);
    connect(m_ui->DataGrid1, &QAbstractItemView::doubleClicked, this, &frmMessageList::openRecord);
    connect(m_ui->cmdOpen, &QPushButton::clicked, this, &frmMessageList::openRecord);
    connect(m_ui->cmdDelete, &QPushButton::clicked, this, &frmMessageList::dropMessage);
    connect(m_ui->cmdOneByOne, &QPushButton::clicked, this, &frmMessageList::showOneByOne);
    connect(m_ui->command0, &QPushButton::clicked, this, &QDialog::reject);
    m_list->setColumnTypes({-1, -1, -1, StoredValue::Date});
    refresh(0);
}

frmMessageList::~frmMessageList() = default;

void frmMessageList::showEvent(QShowEvent* event)
{
    if (!m_loaded) {
        m_loaded = true;
        ScreenSetup::run(m_state, this);
    }
    QDialog::showEvent(event);
    m_ui->DataGrid1->setFocus(Qt::OtherFocusReason);
}

void frmMessageList::refresh(int row)
{
    // What follows the rule's name in the title is the record the message is about.
    const QString name = QStringLiteral("Nz(r.REMINDERRULENAME)");
    const QString record = QStringLiteral("IIf(Left(q.message, Len(%1)) = %1, Mid(q.message, Len(%1) + 1), '')").arg(name);
    guarded(m_state, this, ERROR_SOURCE, [&] {
        m_list->setStatement(QStringLiteral("select q.reminderqueueid, ") + name + QStringLiteral(" as ")
                             + label(tr("Message")) + QStringLiteral(", ") + record + QStringLiteral(" as ")
                             + label(tr("Record")) + QStringLiteral(", q.RELEASEDATE as ") + label(tr("Queued on"))
                             + QStringLiteral(", q.ERRORMESSAGE, q.RECORDID, r.RECORDSCREEN from reminderqueue q"
                                              " left join _Reminder r on r.reminderid = q.reminderid"
                                              " order by q.reminderqueueid"));
    });
    QTableView* grid = m_ui->DataGrid1;
    for (int c = 0; c < m_list->columnCount(); ++c)
        grid->setColumnHidden(c, c == Id || c >= Shown);
    grid->setColumnWidth(Title, 260);
    grid->setColumnWidth(Record, 260);
    connect(grid->selectionModel(), &QItemSelectionModel::currentRowChanged, this, &frmMessageList::rowChanged,
            Qt::UniqueConnection);
    const int rows = m_list->rowCount();
    if (rows > 0)
        grid->setCurrentIndex(m_list->index(std::clamp(row, 0, rows - 1), Title));
    rowChanged();
    for (QPushButton* command : {m_ui->cmdOpen, m_ui->cmdDelete, m_ui->cmdOneByOne})
        command->setEnabled(rows > 0);
}

QString frmMessageList::cell(int column) const
{
    const QModelIndex current = m_ui->DataGrid1->currentIndex();
    return current.isValid() ? m_list->data(m_list->index(current.row(), column), Qt::EditRole).toString() : QString();
}

void frmMessageList::rowChanged()
{
    m_ui->txtmessage->setPlainText(cell(Body));
}

void frmMessageList::openRecord()
{
    const QString screen = cell(RecordScreen).trimmed();
    const qint64 id = cell(RecordId).toLongLong();
    if (screen.isEmpty() || id <= 0) {
        m_state.ui().message(this, tr("This message is about no record that a screen could open."));
        return;
    }
    openScreen(m_state, this, screen, ERROR_SOURCE, {}, [id](QWidget* opened) {
        if (auto* data = qobject_cast<DataScreen*>(opened))
            data->showFirst(id);
    });
}

void frmMessageList::dropMessage()
{
    const QModelIndex current = m_ui->DataGrid1->currentIndex();
    if (!current.isValid())
        return;
    const qint64 queueId = cell(Id).toLongLong();
    guarded(m_state, this, ERROR_SOURCE,
            [&] { m_state.service<cReminder>().DeleteQueueMessage(queueId); });
    refresh(current.row());
}

void frmMessageList::showOneByOne()
{
    const int row = m_ui->DataGrid1->currentIndex().row();
    guarded(m_state, this, ERROR_SOURCE,
            [&] { m_state.service<cReminder>().ShowReminders(); });
    refresh(row);
    m_ui->DataGrid1->setFocus(Qt::OtherFocusReason);
}

bool frmMessageList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_ui->DataGrid1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            openRecord();
            return true;
        }
        if (key == Qt::Key_Delete) {
            dropMessage();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
