#pragma once

#include <QAbstractTableModel>
#include <QDate>
#include <QList>
#include <QString>

class Database;

// The fleet over a run of days: one row per car, one column per day, each
// cell what holds the car that day. Two statements fill it whatever its size:
// the cars, then every open contract and booked reservation touching the days.
class PlanningBoardModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class State { Free, Reserved, Out, DueBack, Overdue, Stopped, Maintenance };
    enum class Holder { None, Contract, Reservation };
    enum Role {
        StateRole = Qt::UserRole + 1,
        // Where the cell lies in the bar of its contract or reservation.
        BarIndexRole,
        BarLengthRole,
    };

    struct Cell {
        State state = State::Free;
        Holder holder = Holder::None;
        qint64 id = 0;
        QString name;
        QDate from, to;     // the holder's days
        int barIndex = 0;   // this day's place in the run of the holder's cells
        int barLength = 1;
    };

    struct Filter {
        QString carType;
        QString make;
        bool freeOnly = false;  // only cars free on every day shown
    };

    explicit PlanningBoardModel(Database& db, QObject* parent = nullptr);

    // `today` decides which open contracts are overdue.
    void load(const QDate& first, int days, const QDate& today, const Filter& filter);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    QDate firstDay() const { return m_first; }
    QDate today() const { return m_today; }
    QDate day(int column) const { return m_first.addDays(column); }
    int columnOf(const QDate& day) const;
    qint64 carId(int row) const { return m_cars.at(row).id; }
    int rowOfCar(qint64 carId) const;
    const Cell& cell(int row, int column) const { return m_cars.at(row).cells.at(column); }
    // True when every day from `first` to `last` of the row is free.
    bool allFree(int row, int first, int last) const;
    // The first car at or after `from` (wrapping) whose plate starts with
    // `typed`, spaces and case aside; -1 when none.
    int rowOfPlate(const QString& typed, int from) const;

    static QString stateCaption(State state);

private:
    struct Car {
        qint64 id = 0;
        QString plate;
        QString name;
        QList<Cell> cells;
    };

    void placeMaintenance(Car& car, const QDate& start, int everyDays) const;
    void place(Car& car, const Cell& holder, const QDate& from, const QDate& to, State state) const;
    static void markBars(Car& car);

    Database& m_db;
    QDate m_first;
    QDate m_today;
    int m_days = 0;
    QList<Car> m_cars;
};
