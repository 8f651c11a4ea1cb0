#include "rental/PlanningBoardModel.h"

#include "core/Database.h"
#include "core/SqlValue.h"
#include "core/StoredDate.h"

#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QLocale>

#include <algorithm>

namespace {

QDate storedDay(const QVariant& value)
{
    const qint64 n = value.toLongLong();
    return n > 0 ? StoredDate::parse(QString::number(n)) : QDate();
}

QString shownDay(const QDate& day)
{
    return day.isValid() ? day.toString(QStringLiteral("dd/MM/yyyy")) : QString();
}

QString plateKey(const QString& text)
{
    return QString(text).remove(QLatin1Char(' ')).toCaseFolded();
}

}

PlanningBoardModel::PlanningBoardModel(Database& db, QObject* parent) : QAbstractTableModel(parent), m_db(db) {}

QString PlanningBoardModel::stateCaption(State state)
{
    switch (state) {
    case State::Free: return tr("Free");
    case State::Reserved: return tr("Reserved");
    case State::Out: return tr("Out");
    case State::DueBack: return tr("Due back");
    case State::Overdue: return tr("Overdue");
    case State::Stopped: return tr("Stopped");
    case State::Maintenance: return tr("Maintenance");
    }
    return {};
}

void PlanningBoardModel::load(const QDate& first, int days, const QDate& today, const Filter& filter)
{
    const QDate last = first.addDays(days - 1);
    const QString from = SqlValue::number(StoredDate::number(first));
    const QString to = SqlValue::number(StoredDate::number(last));

    QString cars = QStringLiteral("select carid, PLATENO, name, STOP, MAINTSTART1, EVERYDAYS1, MAINTSTART2, "
                                  "EVERYDAYS2, MAINTSTART3, EVERYDAYS3 from car where 1 = 1");
    if (!filter.carType.isEmpty())
        cars += QStringLiteral(" and CARTYPE = ") + SqlValue::quoted(filter.carType);
    if (!filter.make.isEmpty())
        cars += QStringLiteral(" and MAKE = ") + SqlValue::quoted(filter.make);
    cars += QStringLiteral(" order by PLATENO, carid");
    const RowSet carRows = m_db.execute(cars);

    // An overdue contract holds its car until it comes back, whatever the days shown.
    // A row without a car finds no car below; asking for CARNO here would lead
    // the engine to that column's index instead of the few open contracts.
    const RowSet holders = m_db.execute(
        QStringLiteral("select 1 as kind, RENTID as id, CARNO, CUSTOMERNAME, EXITDATE as fromday, "
                       "RETURNDATE as untilday from RENT where RETURNED = 0 and EXITDATE <= ")
        + to + QStringLiteral(" and (RETURNDATE >= ") + from + QStringLiteral(" or RETURNDATE < ")
        + SqlValue::number(StoredDate::number(today))
        + QStringLiteral(" or RETURNDATE is null) union all select 2, RESERVATIONID, CARNO, CUSTOMERNAME, PICKUPDATE, "
                         "RETURNDATE from RESERVATION where STATE = 0 and PICKUPDATE <= ")
        + to + QStringLiteral(" and (RETURNDATE >= ") + from + QStringLiteral(" or RETURNDATE is null)"));

    beginResetModel();
    m_first = first;
    m_today = today;
    m_days = days;
    m_cars.clear();
    QHash<qint64, int> rowOf;
    for (int r = 0; r < carRows.count(); ++r) {
        Car car;
        car.id = carRows.value(r, 0).toLongLong();
        car.plate = carRows.text(r, QStringLiteral("PLATENO"));
        car.name = carRows.text(r, QStringLiteral("name"));
        const State base = carRows.value(r, QStringLiteral("STOP")).toInt() == 1 ? State::Stopped : State::Free;
        car.cells = QList<Cell>(days);
        for (Cell& c : car.cells)
            c.state = base;
        if (base == State::Free)
            for (int n = 1; n <= 3; ++n)
                placeMaintenance(car, storedDay(carRows.value(r, QStringLiteral("MAINTSTART%1").arg(n))),
                                 carRows.value(r, QStringLiteral("EVERYDAYS%1").arg(n)).toInt());
        rowOf.insert(car.id, int(m_cars.size()));
        m_cars.append(car);
    }
    // Reservations first, so that a contract on the same day shows over them.
    for (const int kind : {2, 1})
        for (int r = 0; r < holders.count(); ++r) {
            if (holders.value(r, 0).toInt() != kind)
                continue;
            const auto row = rowOf.constFind(holders.value(r, QStringLiteral("CARNO")).toLongLong());
            if (row == rowOf.constEnd())
                continue;
            Cell holder;
            holder.holder = kind == 1 ? Holder::Contract : Holder::Reservation;
            holder.id = holders.value(r, 1).toLongLong();
            holder.name = holders.text(r, QStringLiteral("CUSTOMERNAME"));
            holder.from = storedDay(holders.value(r, QStringLiteral("fromday")));
            holder.to = storedDay(holders.value(r, QStringLiteral("untilday")));
            const QDate start = holder.from.isValid() ? holder.from : first;
            Car& car = m_cars[*row];
            if (kind == 2) {
                place(car, holder, start, holder.to.isValid() ? holder.to : start, State::Reserved);
            } else if (!holder.to.isValid()) {
                place(car, holder, start, last, State::Out);
            } else {
                place(car, holder, start, holder.to.addDays(-1), State::Out);
                place(car, holder, holder.to, holder.to, State::DueBack);
                if (holder.to < today) {
                    place(car, holder, holder.to.addDays(1), today, State::Overdue);
                    place(car, holder, today.addDays(1), last, State::Out);
                }
            }
        }
    for (Car& car : m_cars)
        markBars(car);
    if (filter.freeOnly)
        m_cars.removeIf([](const Car& car) {
            return std::any_of(car.cells.cbegin(), car.cells.cend(), [](const Cell& c) { return c.state != State::Free; });
        });
    endResetModel();
}

void PlanningBoardModel::placeMaintenance(Car& car, const QDate& start, int everyDays) const
{
    if (!start.isValid() || everyDays <= 0)
        return;
    // The first day a schedule falls due inside the days shown, counted from its start.
    const qint64 since = start.daysTo(m_first);
    qint64 offset = since <= 0 ? everyDays - since : (everyDays - since % everyDays) % everyDays;
    for (; offset < m_days; offset += everyDays)
        if (car.cells[offset].state == State::Free)
            car.cells[offset].state = State::Maintenance;
}

void PlanningBoardModel::place(Car& car, const Cell& holder, const QDate& from, const QDate& to, State state) const
{
    const qint64 begin = std::max<qint64>(0, m_first.daysTo(from));
    const qint64 end = std::min<qint64>(m_days - 1, m_first.daysTo(to));
    for (qint64 i = begin; i <= end; ++i) {
        Cell& c = car.cells[i];
        c = holder;
        c.state = state;
    }
}

void PlanningBoardModel::markBars(Car& car)
{
    for (int i = 0; i < car.cells.size();) {
        int j = i + 1;
        if (car.cells[i].holder != Holder::None)
            while (j < car.cells.size() && car.cells[j].holder == car.cells[i].holder && car.cells[j].id == car.cells[i].id)
                ++j;
        for (int k = i; k < j; ++k) {
            car.cells[k].barIndex = k - i;
            car.cells[k].barLength = j - i;
        }
        i = j;
    }
}

int PlanningBoardModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_cars.size());
}

int PlanningBoardModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_days;
}

int PlanningBoardModel::columnOf(const QDate& day) const
{
    const qint64 column = m_first.daysTo(day);
    return column >= 0 && column < m_days ? int(column) : -1;
}

int PlanningBoardModel::rowOfCar(qint64 carId) const
{
    for (int r = 0; r < m_cars.size(); ++r)
        if (m_cars[r].id == carId)
            return r;
    return -1;
}

bool PlanningBoardModel::allFree(int row, int first, int last) const
{
    for (int c = first; c <= last; ++c)
        if (cell(row, c).state != State::Free)
            return false;
    return true;
}

int PlanningBoardModel::rowOfPlate(const QString& typed, int from) const
{
    const QString wanted = plateKey(typed);
    if (wanted.isEmpty())
        return -1;
    const int n = int(m_cars.size());
    for (int i = 0; i < n; ++i) {
        const int r = (std::max(0, from) + i) % n;
        if (plateKey(m_cars[r].plate).startsWith(wanted))
            return r;
    }
    return -1;
}

QVariant PlanningBoardModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const Cell& c = cell(index.row(), index.column());
    switch (role) {
    case Qt::DisplayRole:
        return c.name;
    case StateRole:
        return int(c.state);
    case BarIndexRole:
        return c.barIndex;
    case BarLengthRole:
        return c.barLength;
    case Qt::ToolTipRole:
    case Qt::AccessibleTextRole: {
        QString text = stateCaption(c.state);
        if (c.holder == Holder::Contract)
            text = tr("%1: contract %2, %3, %4 to %5");
        else if (c.holder == Holder::Reservation)
            text = tr("%1: reservation %2, %3, %4 to %5");
        else
            return tr("%1, %2", "a free day: its state and date").arg(text, shownDay(day(index.column())));
        return text.arg(stateCaption(c.state)).arg(c.id).arg(c.name, shownDay(c.from), shownDay(c.to));
    }
    default:
        return {};
    }
}

QVariant PlanningBoardModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (section < 0 || section >= m_cars.size())
            return {};
        if (role == Qt::DisplayRole)
            return m_cars[section].plate;
        if (role == Qt::ToolTipRole)
            return m_cars[section].name;
        return {};
    }
    const QDate d = day(section);
    switch (role) {
    case Qt::DisplayRole:
        // An Arabic board names its days in Arabic; a month's days leave room for a letter only.
        return (QGuiApplication::isRightToLeft() ? QLocale(QLocale::Arabic, QLocale::Kuwait) : QLocale())
                   .dayName(d.dayOfWeek(), m_days > 14 ? QLocale::NarrowFormat : QLocale::ShortFormat)
             + QLatin1Char('\n')
             + d.toString(m_days > 14 ? QStringLiteral("dd") : QStringLiteral("dd/MM"));
    case Qt::ToolTipRole:
        return shownDay(d);
    case Qt::FontRole:
        if (d == m_today) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    default:
        return {};
    }
}
