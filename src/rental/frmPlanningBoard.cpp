#include "rental/frmPlanningBoard.h"
#include "ui_frmPlanningBoard.h"

#include "core/AppError.h"
#include "core/Database.h"
#include "core/ErrorLog.h"
#include "core/OwnerOnly.h"
#include "core/RunState.h"
#include "core/ScreenOpener.h"
#include "core/ScreenSetup.h"
#include "core/cUI.h"
#include "engine/DataScreen.h"
#include "rental/PlanningBoardDelegate.h"
#include "rental/PlanningBoardModel.h"
#include "reports/cPrint.h"
#include "reports/frmReportPreview.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSignalBlocker>

namespace {

// Typed characters closer together than this make one plate.
constexpr int TypingPauseMs = 1000;
constexpr int NarrowestDay = 28;
constexpr int PdfResolution = 96;

QString shown(const QDate& day)
{
    return day.toString(QStringLiteral("dd/MM/yyyy"));
}

// What the colours mean, along the foot of a printed page.
void printLegend(QPainter& painter, const QRect& strip, bool rtl)
{
    using State = PlanningBoardModel::State;
    const int box = strip.height() / 2;
    int at = 0;
    for (const State state : {State::Free, State::Reserved, State::Out, State::DueBack, State::Overdue,
                              State::Maintenance, State::Stopped}) {
        const QString caption = PlanningBoardModel::stateCaption(state);
        const int width = box + 6 + painter.fontMetrics().horizontalAdvance(caption) + 18;
        const QRect item = rtl ? QRect(strip.right() - at - width, strip.top(), width, strip.height())
                               : QRect(strip.left() + at, strip.top(), width, strip.height());
        const QRect swatch(rtl ? item.right() - box : item.left(), item.center().y() - box / 2, box, box);
        painter.fillRect(swatch, PlanningBoardDelegate::colour(state));
        painter.setPen(Qt::darkGray);
        painter.drawRect(swatch);
        painter.setPen(Qt::black);
        painter.drawText(item.adjusted(rtl ? 0 : box + 6, 0, rtl ? -box - 6 : 0, 0),
                         Qt::AlignVCenter | Qt::AlignAbsolute | (rtl ? Qt::AlignRight : Qt::AlignLeft), caption);
        at += width;
    }
}

}

frmPlanningBoard::frmPlanningBoard(RunState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(std::make_unique<Ui::frmPlanningBoard>()),
      m_model(new PlanningBoardModel(state.db(), this)), m_first(QDate::currentDate())
{
    m_ui->setupUi(this);
    QTableView* board = m_ui->grdBoard;
    board->setModel(m_model);
    board->setItemDelegate(new PlanningBoardDelegate(board));
    board->setShowGrid(true);
    board->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    // The days share the width; a month's header says less, so its days narrow further.
    board->horizontalHeader()->setMinimumSectionSize(NarrowestDay);
    board->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    board->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    board->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    board->installEventFilter(this);
    board->viewport()->installEventFilter(this);
    PlanningBoardDelegate::fillLegend(m_ui->layoutLegend);

    const auto again = [this] { reload(); };
    connect(m_ui->cboDays, &QComboBox::currentIndexChanged, this, [this] {
        m_days = std::max(1, m_ui->cboDays->currentData().toInt());
        reload();
    });
    connect(m_ui->cboCarType, &QComboBox::currentIndexChanged, this, again);
    connect(m_ui->cboMake, &QComboBox::currentIndexChanged, this, again);
    connect(m_ui->chkFreeOnly, &QCheckBox::toggled, this, again);
    connect(m_ui->cmdEarlier, &QPushButton::clicked, this, [this] { moveDays(-7); });
    connect(m_ui->cmdLater, &QPushButton::clicked, this, [this] { moveDays(7); });
    connect(m_ui->cmdToday, &QPushButton::clicked, this, [this] { moveDays(int(m_first.daysTo(QDate::currentDate()))); });
    connect(m_ui->cmdOpen, &QPushButton::clicked, this, &frmPlanningBoard::openCell);
    connect(m_ui->cmdPRINT, &QPushButton::clicked, this, &frmPlanningBoard::printBoard);
    connect(m_ui->command0, &QPushButton::clicked, this, &QDialog::reject);
    connect(board, &QAbstractItemView::doubleClicked, this, &frmPlanningBoard::openCell);
    reload();
}

frmPlanningBoard::~frmPlanningBoard() = default;

void frmPlanningBoard::fillChoices()
{
    const QSignalBlocker days(m_ui->cboDays);
    const QSignalBlocker types(m_ui->cboCarType);
    const QSignalBlocker makes(m_ui->cboMake);
    m_ui->cboDays->clear();
    for (const auto& [count, caption] : {std::pair{7, tr("7 days")}, {14, tr("14 days")}, {31, tr("31 days")}}) {
        m_ui->cboDays->addItem(caption, count);
        if (count == m_days)
            m_ui->cboDays->setCurrentIndex(m_ui->cboDays->count() - 1);
    }
    const auto fill = [this](QComboBox* box, const QString& column, const QString& all) {
        box->clear();
        box->addItem(all, QString());
        const RowSet rows = m_state.db().execute(QStringLiteral("select distinct ") + column + QStringLiteral(" from car where ")
                                                 + column + QStringLiteral(" <> '' order by ") + column);
        for (int r = 0; r < rows.count(); ++r)
            box->addItem(rows.text(r, column), rows.text(r, column));
    };
    fill(m_ui->cboCarType, QStringLiteral("CARTYPE"), tr("All types"));
    fill(m_ui->cboMake, QStringLiteral("MAKE"), tr("All makes"));
}

void frmPlanningBoard::reload()
{
    QTableView* board = m_ui->grdBoard;
    const QModelIndex current = board->currentIndex();
    const qint64 car = current.isValid() ? m_model->carId(current.row()) : 0;
    const int column = current.isValid() ? current.column() : 0;
    const int days = m_days;
    PlanningBoardModel::Filter filter;
    filter.carType = m_ui->cboCarType->currentData().toString();
    filter.make = m_ui->cboMake->currentData().toString();
    filter.freeOnly = m_ui->chkFreeOnly->isChecked();
    guarded(m_state, this, ERROR_SOURCE, [&] {
        m_model->load(m_first, days, QDate::currentDate(), filter);
        m_stamp = m_state.db().changeStamp();
    });
    m_ui->lblRange->setText(tr("From %1 to %2").arg(shown(m_first), shown(m_first.addDays(days - 1))));
    fitColumns();
    if (m_model->rowCount() > 0) {
        const int row = std::max(0, m_model->rowOfCar(car));
        board->setCurrentIndex(m_model->index(row, std::min(column, days - 1)));
    }
    m_ui->cmdOpen->setEnabled(m_model->rowCount() > 0);
}

void frmPlanningBoard::moveDays(int days)
{
    m_first = m_first.addDays(days);
    reload();
}

void frmPlanningBoard::fitColumns()
{
    QHeaderView* header = m_ui->grdBoard->horizontalHeader();
    const int days = std::max(1, m_model->columnCount());
    header->setDefaultSectionSize(std::max(NarrowestDay, m_ui->grdBoard->viewport()->width() / days));
}

void frmPlanningBoard::showEvent(QShowEvent* event)
{
    if (!m_loaded) {
        m_loaded = true;
        ScreenSetup::run(m_state, this);
        // The set-up empties every list of the screen: the board's are filled after it.
        guarded(m_state, this, ERROR_SOURCE, [this] { fillChoices(); });
    }
    QDialog::showEvent(event);
    fitColumns();
    m_ui->grdBoard->setFocus(Qt::OtherFocusReason);
}

bool frmPlanningBoard::event(QEvent* event)
{
    // Back from another screen or workstation's save: the board shows what changed.
    if (event->type() == QEvent::WindowActivate && m_loaded) {
        const quint64 stamp = m_state.db().changeStamp();
        if (stamp == 0 || stamp != m_stamp)
            reload();
    }
    return QDialog::event(event);
}

bool frmPlanningBoard::eventFilter(QObject* watched, QEvent* event)
{
    QTableView* board = m_ui->grdBoard;
    if (watched == board && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (boardKey(key->key(), key->modifiers(), key->text()))
            return true;
    } else if (watched == board->viewport() && event->type() == QEvent::Resize) {
        fitColumns();
    } else if (watched == board->viewport() && event->type() == QEvent::MouseButtonPress) {
        m_pressed = board->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
    } else if (watched == board->viewport() && event->type() == QEvent::MouseButtonRelease) {
        // A drag along one car's free days books them.
        const QModelIndex released = board->indexAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        const QModelIndex pressed = m_pressed;
        m_pressed = QPersistentModelIndex();
        if (pressed.isValid() && released.isValid() && pressed.row() == released.row()
            && pressed.column() != released.column()) {
            const int first = std::min(pressed.column(), released.column());
            const int last = std::max(pressed.column(), released.column());
            // After the view has taken the release, so that it ends its own drag.
            if (m_model->allFree(pressed.row(), first, last))
                QMetaObject::invokeMethod(this, [this, row = pressed.row(), first, last] { book(row, first, last); },
                                          Qt::QueuedConnection);
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool frmPlanningBoard::boardKey(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    QTableView* board = m_ui->grdBoard;
    const QModelIndex current = board->currentIndex();
    const int later = isRightToLeft() ? Qt::Key_Left : Qt::Key_Right;
    const int earlier = isRightToLeft() ? Qt::Key_Right : Qt::Key_Left;
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        openCell();
        return true;
    case Qt::Key_PageUp:
        moveDays(-7);
        return true;
    case Qt::Key_PageDown:
        moveDays(7);
        return true;
    default:
        break;
    }
    // Past the last day shown the board moves on a day, before the first back a day.
    if ((modifiers & ~Qt::KeypadModifier) == Qt::NoModifier && current.isValid()) {
        if (key == later && current.column() == m_model->columnCount() - 1) {
            moveDays(1);
            return true;
        }
        if (key == earlier && current.column() == 0) {
            moveDays(-1);
            return true;
        }
    }
    // A plate typed on the number pad counts as well.
    const bool typing = (modifiers & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == Qt::NoModifier
                     && !text.isEmpty() && text.at(0).isPrint() && !text.at(0).isSpace();
    if (!typing)
        return false;
    if (!m_typedAt.isValid() || m_typedAt.elapsed() > TypingPauseMs)
        m_typed.clear();
    m_typed += text;
    m_typedAt.start();
    const int row = m_model->rowOfPlate(m_typed, current.isValid() ? current.row() : 0);
    if (row >= 0)
        board->setCurrentIndex(m_model->index(row, current.isValid() ? current.column() : 0));
    return true;
}

void frmPlanningBoard::openCell()
{
    QTableView* board = m_ui->grdBoard;
    const QModelIndex current = board->currentIndex();
    if (!current.isValid())
        return;
    const PlanningBoardModel::Cell& cell = m_model->cell(current.row(), current.column());
    switch (cell.holder) {
    case PlanningBoardModel::Holder::Contract:
        showHolder(QStringLiteral("frmRentCar"), cell.id, tr("Rent Contracts"));
        return;
    case PlanningBoardModel::Holder::Reservation:
        showHolder(QStringLiteral("frmReservation"), cell.id, tr("Reservations"));
        return;
    case PlanningBoardModel::Holder::None:
        break;
    }
    const QString plate = m_model->headerData(current.row(), Qt::Vertical).toString();
    if (cell.state != PlanningBoardModel::State::Free) {
        m_state.ui().message(this, tr("The car %1 is not free on %2: %3.")
                                       .arg(plate, shown(m_model->day(current.column())),
                                            PlanningBoardModel::stateCaption(cell.state)));
        return;
    }
    // The days chosen on the cursor's row, Shift and an arrow having widened them.
    int first = current.column();
    int last = current.column();
    for (const QModelIndex& chosen : board->selectionModel()->selectedIndexes())
        if (chosen.row() == current.row()) {
            first = std::min(first, chosen.column());
            last = std::max(last, chosen.column());
        }
    if (!m_model->allFree(current.row(), first, last)) {
        m_state.ui().message(this, tr("The car %1 is not free on every day from %2 to %3.")
                                       .arg(plate, shown(m_model->day(first)), shown(m_model->day(last))));
        return;
    }
    book(current.row(), first, last);
}

void frmPlanningBoard::book(int row, int firstColumn, int lastColumn)
{
    const qint64 car = m_model->carId(row);
    const QDate from = m_model->day(firstColumn);
    // One day chosen is one day's rent: the car comes back the next day.
    const QDate to = lastColumn > firstColumn ? m_model->day(lastColumn) : from.addDays(1);
    openScreen(m_state, this, QStringLiteral("frmReservation"), ERROR_SOURCE, {},
               [car, from, to](QWidget* screen) {
                   if (!QMetaObject::invokeMethod(screen, "bookCar", Q_ARG(qint64, car), Q_ARG(QDate, from),
                                                  Q_ARG(QDate, to)))
                       throw AppError(ErrorNumber::UnknownScreen,
                                      QStringLiteral("frmReservation cannot book a car"), ERROR_SOURCE);
               },
               tr("Reservations"));
    reload();
}

void frmPlanningBoard::showHolder(const QString& screen, qint64 id, const QString& caption)
{
    // A contract is looked up as the Rent Contracts menu line does: no mode, and
    // nothing but Open and Print to press.
    const bool contract = screen == QLatin1String("frmRentCar");
    openScreen(m_state, this, screen, ERROR_SOURCE, {},
               [id, contract](QWidget* shown) {
                   if (contract)
                       for (QWidget* w : shown->findChildren<QWidget*>()) {
                           const QString name = w->objectName();
                           if (name.startsWith(QLatin1String("cmd"), Qt::CaseInsensitive)
                               || name.startsWith(QLatin1String("Frame"), Qt::CaseInsensitive))
                               w->setEnabled(name.compare(QLatin1String("cmdOpen"), Qt::CaseInsensitive) == 0
                                             || name.compare(QLatin1String("cmdPRINT"), Qt::CaseInsensitive) == 0);
                       }
                   if (auto* data = qobject_cast<DataScreen*>(shown))
                       data->showFirst(id);
               },
               caption);
    reload();
}

void frmPlanningBoard::printBoard()
{
    guarded(m_state, this, ERROR_SOURCE, [this] {
        const QString pdf = writePdf();
        if (pdf.isEmpty())
            return;
        frmReportPreview preview(m_state, pdf, pdf, this);
        m_state.ui().exec(&preview);
    });
}

QString frmPlanningBoard::writePdf()
{
    const QString folder = cPrint(m_state).reportsFolder();
    if (!OwnerOnly::makeFolder(folder)) {
        m_state.ui().message(this, tr("The folder %1 for the printed board could not be made.").arg(folder));
        return {};
    }
    const QString stem = QFileInfo(cPrint::workingCopyPath(folder, QDateTime::currentDateTime())).completeBaseName();
    QString path = QDir(folder).filePath(stem + QStringLiteral("-board.pdf"));
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(folder).filePath(stem + QStringLiteral("-board-%1.pdf").arg(n));

    QPdfWriter writer(path);
    writer.setResolution(PdfResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                     QPageLayout::Millimeter));
    writer.setTitle(windowTitle());
    QPainter painter(&writer);
    painter.setLayoutDirection(layoutDirection());
    const QRect page = writer.pageLayout().paintRectPixels(PdfResolution).translated(
        -writer.pageLayout().paintRectPixels(PdfResolution).topLeft());
    const bool rtl = isRightToLeft();
    const int line = painter.fontMetrics().height();
    const int rowHeight = line + 10;
    const int headerWidth = page.width() / 8;
    const int days = m_model->columnCount();
    const int dayWidth = (page.width() - headerWidth) / std::max(1, days);
    const int top = 2 * line + 2 * rowHeight;
    const int perPage = std::max(1, (page.height() - top - rowHeight) / rowHeight);
    const auto x = [&](int column) {
        return rtl ? page.right() - headerWidth - (column + 1) * dayWidth : page.left() + headerWidth + column * dayWidth;
    };
    const int plateX = rtl ? page.right() - headerWidth : page.left();
    const Qt::Alignment leading = Qt::AlignVCenter | Qt::AlignAbsolute | (rtl ? Qt::AlignRight : Qt::AlignLeft);
    for (int start = 0; start < std::max(1, m_model->rowCount()); start += perPage) {
        if (start > 0)
            writer.newPage();
        painter.drawText(QRect(page.left(), 0, page.width(), 2 * line), leading,
                         windowTitle() + QStringLiteral("  ") + m_ui->lblRange->text());
        for (int c = 0; c < days; ++c)
            painter.drawText(QRect(x(c), 2 * line, dayWidth, 2 * rowHeight), Qt::AlignCenter,
                             m_model->headerData(c, Qt::Horizontal).toString());
        for (int r = start; r < std::min(m_model->rowCount(), start + perPage); ++r) {
            const int y = top + (r - start) * rowHeight;
            painter.setPen(Qt::black);
            painter.drawText(QRect(plateX + 4, y, headerWidth - 8, rowHeight), leading,
                             m_model->headerData(r, Qt::Vertical).toString());
            for (int c = 0; c < days; ++c) {
                const QRect cell(x(c), y, dayWidth, rowHeight);
                PlanningBoardDelegate::paintCell(&painter, cell, m_model->index(r, c), layoutDirection(), false, false);
                painter.setPen(Qt::lightGray);
                painter.drawRect(cell);
            }
        }
        printLegend(painter, QRect(page.left(), page.bottom() - rowHeight, page.width(), rowHeight), rtl);
    }
    painter.end();
    QFile::setPermissions(path, OwnerOnly::ReadOnlyCopy);
    return path;
}
