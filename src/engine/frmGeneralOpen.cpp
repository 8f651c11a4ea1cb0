#include "engine/frmGeneralOpen.h"
#include "ui_frmGeneralOpen.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/RunState.h"
#include "core/ScreenSetup.h"
#include "core/SqlValue.h"
#include "core/TextConvert.h"
#include "engine/RecordListModel.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>

namespace {

// Longer than the gap between two keys of a clerk who types on.
constexpr int PauseMs = 300;

}

frmGeneralOpen::frmGeneralOpen(RunState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(std::make_unique<Ui::frmGeneralOpen>()),
      m_list(new RecordListModel(state.db(), this)), m_countTimer(new QTimer(this))
{
    m_ui->setupUi(this);
    m_countTimer->setSingleShot(true);
    m_countTimer->setInterval(PauseMs);
    connect(m_countTimer, &QTimer::timeout, this, &frmGeneralOpen::countListed);
    connect(m_list, &RecordListModel::counted, this, &frmGeneralOpen::showCount);
    m_ui->DataGrid1->setModel(m_list);
    m_ui->DataGrid1->installEventFilter(this);
    connect(m_ui->DataGrid1, &QAbstractItemView::doubleClicked, this, &frmGeneralOpen::choose);
    connect(m_ui->cmdOk, &QPushButton::clicked, this, &frmGeneralOpen::choose);
    connect(m_ui->cmdSearch, &QPushButton::clicked, this, &frmGeneralOpen::search);
    connect(m_ui->command0, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->txtNAME, &QLineEdit::textChanged, this, &frmGeneralOpen::searchByName);
    m_ui->txtNAME->installEventFilter(this);
    // No order until the operator asks for one: the list keeps the screen's.
    m_ui->DataGrid1->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    m_ui->DataGrid1->setSortingEnabled(true);
    connect(m_ui->DataGrid1->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            &frmGeneralOpen::listChanged);
    ScreenSetup::run(state, this);
    m_ui->DataGrid1->setFocus(Qt::OtherFocusReason);
}

frmGeneralOpen::~frmGeneralOpen() = default;

void frmGeneralOpen::setList(const QString& sql)
{
    try {
        m_list->setStatement(sql);
    } catch (const AppError& e) {
        // The empty list is no answer of the table's: the operator is told why.
        ReportError(m_state, this, e, ERROR_SOURCE);
    }
    listChanged();
}

void frmGeneralOpen::setCaption(const QString& caption)
{
    setWindowTitle(caption);
    m_ui->SSTab1->setTabText(0, caption);
}

void frmGeneralOpen::setColumnWidth(int column, int width)
{
    m_widths.insert(column, width);
    m_ui->DataGrid1->setColumnWidth(column, column == 0 ? std::max(width, keyWidth()) : width);
}

void frmGeneralOpen::setShownColumns(int count)
{
    m_shownColumns = count;
    for (int c = 0; c < m_list->columnCount(); ++c)
        m_ui->DataGrid1->setColumnHidden(c, c >= count);
}

void frmGeneralOpen::choose()
{
    const QModelIndex current = m_ui->DataGrid1->currentIndex();
    if (current.isValid()) {
        const QModelIndex key = m_list->index(current.row(), 0);
        m_ui->DataGrid1->setCurrentIndex(key);
        bool ok = false;
        const qint64 id = NullToText(m_list->data(key), false).trimmed().toLongLong(&ok);
        // Only a record number can become the current record.
        if (ok && id > 0) {
            m_state.CurrentRecordId = id;
            accept();
            return;
        }
    }
    reject();
}

void frmGeneralOpen::search()
{
    try {
        if (numberIsZero())
            m_list->clearFilter();
        else
            m_list->filterByKey(m_ui->dfnNumber->text());
    } catch (const AppError& e) {
        ReportError(m_state, this, e, QStringLiteral("frmGeneralOpen.search"));
    }
    listChanged();
}

void frmGeneralOpen::searchByName()
{
    // The key is found by its number; every other column by its text.
    QList<int> columns;
    for (int c = 1; c < m_list->columnCount(); ++c)
        columns << c;
    try {
        m_list->filterByText(columns, m_ui->txtNAME->text());
    } catch (const AppError& e) {
        ReportError(m_state, this, e, QStringLiteral("frmGeneralOpen.searchByName"));
    }
    listChanged();
}

void frmGeneralOpen::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QDialog::keyPressEvent(event);
        return;
    }
    // The list follows the typing: Enter takes the row found.
    if (focusWidget() == m_ui->txtNAME) {
        choose();
        return;
    }
    if (numberIsZero()) {
        choose();
        return;
    }
    search();
    // Cleared, the number reads as 0: the next Enter takes the row found.
    m_ui->dfnNumber->clear();
}

bool frmGeneralOpen::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    QTableView* grid = m_ui->DataGrid1;
    // Moving through the list needs no leaving the search field.
    if (watched == m_ui->txtNAME) {
        switch (key->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown: {
            QKeyEvent copy(key->type(), key->key(), key->modifiers());
            QCoreApplication::sendEvent(grid, &copy);
            return true;
        }
        default:
            return QDialog::eventFilter(watched, event);
        }
    }
    if (watched != grid)
        return QDialog::eventFilter(watched, event);
    if (key->modifiers() == Qt::ControlModifier && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
        const int column = std::max(grid->currentIndex().column(), 0);
        grid->sortByColumn(column, key->key() == Qt::Key_Up ? Qt::AscendingOrder : Qt::DescendingOrder);
        return true;
    }
    // A digit typed on the list starts the record number, any other letter the search.
    const QString text = key->text();
    const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && text.size() == 1 && text.at(0).isDigit()) {
        m_ui->dfnNumber->setFocus(Qt::OtherFocusReason);
        m_ui->dfnNumber->insert(QString::number(text.at(0).digitValue()));
        return true;
    }
    if (plain && text.size() == 1 && text.at(0).isPrint() && !text.at(0).isSpace()) {
        m_ui->txtNAME->setFocus(Qt::OtherFocusReason);
        m_ui->txtNAME->insert(text);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool frmGeneralOpen::numberIsZero() const
{
    const QString typed = m_ui->dfnNumber->text().trimmed();
    return !SqlValue::isNumber(typed) || typed.toDouble() == 0;
}

void frmGeneralOpen::setVisible(bool visible)
{
    // Sized before it is placed, so that it is placed whole on the screen.
    const bool fit = visible && !m_fitted;
    const QWidget* over = parentWidget() ? parentWidget() : this;
    const QRect room = over->screen()->availableGeometry();
    if (fit) {
        m_fitted = true;
        resize(std::clamp(widthForColumns(), std::min(width(), room.width()), room.width()), height());
    }
    QDialog::setVisible(visible);
    if (!fit)
        return;
    // Shown, the grid knows its row numbers' width too: what still scrolls sideways is added.
    QTableView* grid = m_ui->DataGrid1;
    const int rows = grid->verticalHeader()->isHidden() ? 0 : grid->verticalHeader()->width();
    const int bars = grid->verticalScrollBar()->isVisible() ? grid->verticalScrollBar()->width() : 0;
    const int missing = grid->horizontalHeader()->length() + rows + bars + 2 * grid->frameWidth() - grid->width();
    if (missing > 0 && width() < room.width()) {
        QRect g = geometry();
        g.setWidth(std::min(g.width() + missing, room.width()));
        g.moveLeft(std::clamp(g.left() - missing / 2, room.left(), room.right() - g.width() + 1));
        setGeometry(g);
    }
}

void frmGeneralOpen::showCount()
{
    m_ui->dfrecordcount->setText(m_list->isCounted() ? QString::number(m_list->rowCount()) : tr("…"));
}

void frmGeneralOpen::countListed()
{
    try {
        m_list->countAll();
    } catch (const AppError& e) {
        ReportError(m_state, this, e, ERROR_SOURCE);
    }
    showCount();
}

void frmGeneralOpen::listChanged()
{
    showCount();
    if (m_list->isCounted())
        m_countTimer->stop();
    else
        m_countTimer->start();
    // A new list comes with the grid's default widths.
    m_ui->DataGrid1->setColumnWidth(0, std::max(m_ui->DataGrid1->columnWidth(0), keyWidth()));
    for (auto it = m_widths.cbegin(); it != m_widths.cend(); ++it)
        setColumnWidth(it.key(), it.value());
    if (m_shownColumns >= 0)
        setShownColumns(m_shownColumns);
    // A sorted list keeps the column the operator sorted by.
    const QModelIndex current = m_ui->DataGrid1->currentIndex();
    const int column = std::max(current.isValid() ? current.column()
                                                  : m_ui->DataGrid1->horizontalHeader()->sortIndicatorSection(), 0);
    if (m_list->rowCount() > 0)
        m_ui->DataGrid1->setCurrentIndex(m_list->index(0, column));
}

int frmGeneralOpen::widthForColumns() const
{
    QTableView* grid = m_ui->DataGrid1;
    ensurePolished();
    int columns = 0;
    for (int c = 0; c < m_list->columnCount(); ++c)
        if (!grid->isColumnHidden(c))
            columns += grid->columnWidth(c);
    const QHeaderView* rows = grid->verticalHeader();
    const int header = rows->isHidden() ? 0 : rows->sizeHint().width();
    const int bar = grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid);
    // Laid out at its present size, the dialog shows what it spends around its grid.
    if (layout())
        layout()->activate();
    return width() - grid->width() + 2 * grid->frameWidth() + header + columns + bar;
}

int frmGeneralOpen::keyWidth() const
{
    // Six digits with the cell's margins on both sides, and room for the grid line.
    const QTableView* grid = m_ui->DataGrid1;
    const int margin = grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1;
    return grid->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 2 * margin + 2;
}
