// The planning board: what a car's cell says on each kind of day, the
// filters, and the keys a clerk books and looks up with.
#include "core/ScreenRegistry.h"
#include "engine/ControlAccess.h"
#include "engine/EngineSetup.h"
#include "rental/PlanningBoardModel.h"
#include "rental/RentalScreens.h"
#include "rental/frmPlanningBoard.h"
#include "reports/frmReportPreview.h"
#include "support/Clerk.h"
#include "support/TestOffice.h"

#include <QDate>
#include <QDialog>
#include <QTableView>
#include <gtest/gtest.h>
#include <climits>
#include <memory>

using namespace Qt::StringLiterals;
using State = PlanningBoardModel::State;
using Holder = PlanningBoardModel::Holder;

namespace {

const QDate Today = QDate::currentDate();

qint64 stored(int day) { return Today.addDays(day).toString(u"yyyyMMdd"_s).toLongLong(); }

qint64 car(Database& db, const QString& plate, const QString& type = u"صالون"_s, const QString& make = u"تويوتا"_s)
{
    return db.insert(u"car"_s, u"carid"_s, {{u"name"_s, u"سيارة"_s}, {u"PLATENO"_s, plate}, {u"CARTYPE"_s, type},
                                            {u"MAKE"_s, make}, {u"FARE"_s, 20.0}, {u"STOP"_s, 0}});
}

// An open contract from `exit` to `back`, days counted from today; no `back` with INT_MIN.
qint64 contract(Database& db, qint64 carId, int exit, int back, int returned = 0)
{
    return db.insert(u"RENT"_s, u"RENTID"_s, {{u"NAME"_s, u"عقد"_s}, {u"CARNO"_s, carId}, {u"CUSTOMERNAME"_s, u"سالم"_s},
                                              {u"EXITDATE"_s, stored(exit)},
                                              {u"RETURNDATE"_s, back == INT_MIN ? QVariant() : QVariant(stored(back))},
                                              {u"RETURNED"_s, returned}});
}

qint64 reservation(Database& db, qint64 carId, int pickUp, int back, int state = 0)
{
    return db.insert(u"RESERVATION"_s, u"RESERVATIONID"_s,
                     {{u"NAME"_s, u"حجز"_s}, {u"CARNO"_s, carId}, {u"CUSTOMERNAME"_s, u"نورة"_s},
                      {u"PICKUPDATE"_s, stored(pickUp)}, {u"RETURNDATE"_s, stored(back)}, {u"STATE"_s, state}});
}

// Maintenance schedule `n` of a car: every `days` days from `start`, counted from today.
qint64 schedule(Database& db, qint64 carId, int n, int days, int start)
{
    db.command(u"update car set EVERYDAYS%1 = %2, MAINTSTART%1 = %3 where carid = %4"_s.arg(n).arg(days).arg(stored(start)).arg(carId));
    return 0;
}

struct StateRow {
    const char* name;
    // What holds the car; gives the number of the contract or reservation the cell names, else 0.
    qint64 (*setUp)(Database& db, qint64 car);
    int day;  // counted from today
    State state;
    Holder holder;
};

const StateRow stateRows[] = {
    {"nothing holds it", [](Database&, qint64) -> qint64 { return 0; }, 0, State::Free, Holder::None},
    {"a booked reservation's day", [](Database& db, qint64 c) { return reservation(db, c, 1, 3); }, 2, State::Reserved, Holder::Reservation},
    {"a reservation's return day", [](Database& db, qint64 c) { return reservation(db, c, 1, 3); }, 3, State::Reserved, Holder::Reservation},
    {"the day after a reservation", [](Database& db, qint64 c) { reservation(db, c, 1, 3); return qint64(0); }, 4, State::Free, Holder::None},
    {"a cancelled reservation", [](Database& db, qint64 c) { reservation(db, c, 0, 3, 2); return qint64(0); }, 1, State::Free, Holder::None},
    {"a no-show", [](Database& db, qint64 c) { reservation(db, c, 0, 3, 3); return qint64(0); }, 1, State::Free, Holder::None},
    {"a picked-up reservation", [](Database& db, qint64 c) { reservation(db, c, 0, 3, 1); return qint64(0); }, 1, State::Free, Holder::None},
    {"a reservation without a car", [](Database& db, qint64) { reservation(db, 0, 0, 3); return qint64(0); }, 1, State::Free, Holder::None},
    {"an open contract's exit day", [](Database& db, qint64 c) { return contract(db, c, 0, 2); }, 0, State::Out, Holder::Contract},
    {"an open contract's day out", [](Database& db, qint64 c) { return contract(db, c, -1, 2); }, 1, State::Out, Holder::Contract},
    {"an open contract's return day", [](Database& db, qint64 c) { return contract(db, c, -1, 2); }, 2, State::DueBack, Holder::Contract},
    {"the day after a return due today", [](Database& db, qint64 c) { contract(db, c, -1, 0); return qint64(0); }, 1, State::Free, Holder::None},
    {"a returned contract", [](Database& db, qint64 c) { contract(db, c, -1, 2, 1); return qint64(0); }, 0, State::Free, Holder::None},
    {"another car's contract", [](Database& db, qint64) { contract(db, car(db, u"9/9"_s), -1, 2); return qint64(0); }, 0, State::Free, Holder::None},
    {"an overdue contract's return day", [](Database& db, qint64 c) { return contract(db, c, -5, -2); }, -2, State::DueBack, Holder::Contract},
    {"the day after the return was due", [](Database& db, qint64 c) { return contract(db, c, -5, -2); }, -1, State::Overdue, Holder::Contract},
    {"overdue today", [](Database& db, qint64 c) { return contract(db, c, -5, -2); }, 0, State::Overdue, Holder::Contract},
    {"an overdue car is held after today", [](Database& db, qint64 c) { return contract(db, c, -5, -2); }, 6, State::Out, Holder::Contract},
    {"a contract without a return date", [](Database& db, qint64 c) { return contract(db, c, -1, INT_MIN); }, 8, State::Out, Holder::Contract},
    {"a contract over a reservation", [](Database& db, qint64 c) { reservation(db, c, 0, 4); return contract(db, c, -1, 2); }, 1, State::Out, Holder::Contract},
    {"a reservation's day after a contract", [](Database& db, qint64 c) { contract(db, c, -1, 2); return reservation(db, c, 0, 4); }, 3, State::Reserved, Holder::Reservation},
    {"a stopped car", [](Database& db, qint64 c) { db.command(u"update car set STOP = 1 where carid = "_s + QString::number(c)); return qint64(0); }, 0, State::Stopped, Holder::None},
    {"a maintenance falling due", [](Database& db, qint64 c) { return schedule(db, c, 2, 30, -60); }, 0, State::Maintenance, Holder::None},
    {"between two maintenances", [](Database& db, qint64 c) { return schedule(db, c, 2, 30, -60); }, 1, State::Free, Holder::None},
    {"the day a schedule starts", [](Database& db, qint64 c) { return schedule(db, c, 1, 30, 0); }, 0, State::Free, Holder::None},
    {"a maintenance falling due ahead", [](Database& db, qint64 c) { return schedule(db, c, 3, 7, -10); }, 4, State::Maintenance, Holder::None},
};

TEST(PlanningBoard, EachKindOfDay)
{
    TestOffice office;
    Database& db = office.db();
    for (const StateRow& row : stateRows) {
        SCOPED_TRACE(row.name);
        for (const char* table : {"RENT", "RESERVATION", "car"})
            db.command(u"delete from "_s + QLatin1String(table));
        const qint64 carId = car(db, u"1/1"_s);
        const qint64 holder = row.setUp(db, carId);
        PlanningBoardModel board(db);
        board.load(Today.addDays(-3), 14, Today, {});
        const int line = board.rowOfCar(carId);
        ASSERT_GE(line, 0);
        const PlanningBoardModel::Cell& cell = board.cell(line, board.columnOf(Today.addDays(row.day)));
        EXPECT_EQ(cell.state, row.state);
        EXPECT_EQ(cell.holder, row.holder);
        EXPECT_EQ(cell.id, holder);
    }
}

TEST(PlanningBoard, Filters)
{
    TestOffice office;
    Database& db = office.db();
    car(db, u"1/1"_s, u"صالون"_s, u"تويوتا"_s);
    contract(db, car(db, u"2/2"_s, u"جيب"_s, u"نيسان"_s), 5, 6);
    const struct {
        PlanningBoardModel::Filter filter;
        QStringList plates;
    } rows[] = {
        {{}, {u"1/1"_s, u"2/2"_s}},
        {{u"صالون"_s, {}, false}, {u"1/1"_s}},
        {{{}, u"نيسان"_s, false}, {u"2/2"_s}},
        {{u"صالون"_s, u"نيسان"_s, false}, {}},
        {{{}, {}, true}, {u"1/1"_s}},
    };
    for (const auto& row : rows) {
        PlanningBoardModel board(db);
        board.load(Today, 7, Today, row.filter);
        QStringList plates;
        for (int r = 0; r < board.rowCount(); ++r)
            plates << board.headerData(r, Qt::Vertical).toString();
        EXPECT_EQ(plates, row.plates) << row.filter.carType.toStdString() << row.filter.make.toStdString();
    }
}

// The reservation screen as far as the board needs it: what it was asked to book.
class BookingScreen : public QDialog {
    Q_OBJECT
public:
    explicit BookingScreen(QList<QVariantList>& booked) : m_booked(booked) {}
    Q_INVOKABLE void bookCar(qint64 carId, QDate from, QDate to) { m_booked.append({carId, from, to}); }

private:
    QList<QVariantList>& m_booked;
};

enum class Key { Later, ShiftLater, Down, PageDown, TypeB };

struct KeyRow {
    const char* name;
    QList<Key> keys;
    const char* screen;  // opened by Enter
    int car;             // 0 the first, 1 the second
    int from, to;        // days booked, counted from today
};

const KeyRow keyRows[] = {
    {"Enter on a day out opens its contract", {}, "frmRentCar", 0, 0, 0},
    {"Enter on a free day books it", {Key::Later, Key::Later, Key::Later}, "frmReservation", 0, 3, 4},
    {"Shift widens the days booked", {Key::Later, Key::Later, Key::Later, Key::ShiftLater, Key::ShiftLater}, "frmReservation", 0, 3, 5},
    {"Page Down moves a week", {Key::PageDown}, "frmReservation", 0, 7, 8},
    {"Down goes to the next car", {Key::Down}, "frmReservation", 1, 0, 1},
    {"a plate typed goes to its car", {Key::TypeB}, "frmReservation", 1, 0, 1},
};

TEST(PlanningBoard, KeysOpenAndBook)
{
    TestOffice office;
    RunState& state = office.state();
    installEngine(state);
    QList<QVariantList> booked;
    state.screens().add(u"frmReservation"_s, [&booked](RunState&, QWidget*) { return new BookingScreen(booked); });
    registerRentalScreens(state.screens());
    const qint64 cars[] = {car(office.db(), u"A-1"_s), car(office.db(), u"B-2"_s)};
    const qint64 out = contract(office.db(), cars[0], 0, 2);
    QString contractShown;
    office.ui().onDialog(u"frmRentCar"_s, [&](QDialog* screen) {
        contractShown = ControlAccess::value(ControlAccess::require(screen, u"txtID"_s));
    });

    for (const KeyRow& row : keyRows) {
        SCOPED_TRACE(row.name);
        booked.clear();
        contractShown.clear();
        std::unique_ptr<QWidget> board(state.screens().instance(u"frmPlanningBoard"_s, nullptr));
        ASSERT_TRUE(Clerk::showActive(board.get()));
        EXPECT_EQ(Clerk::focused(), "grdBoard");
        const Qt::Key later = board->isRightToLeft() ? Qt::Key_Left : Qt::Key_Right;
        for (const Key key : row.keys)
            switch (key) {
            case Key::Later: Clerk::press(later); break;
            case Key::ShiftLater: Clerk::press(later, Qt::ShiftModifier); break;
            case Key::Down: Clerk::press(Qt::Key_Down); break;
            case Key::PageDown: Clerk::press(Qt::Key_PageDown); break;
            case Key::TypeB: Clerk::type(u"b"_s); break;
            }
        Clerk::press(Qt::Key_Return);
        ASSERT_FALSE(office.ui().dialogsShown.isEmpty()) << office.ui().lastMessage().toStdString() << Clerk::focused();
        EXPECT_EQ(office.ui().dialogsShown.last().toStdString(), row.screen);
        if (QLatin1String(row.screen) == u"frmRentCar"_s) {
            EXPECT_EQ(contractShown, QString::number(out));
            EXPECT_TRUE(booked.isEmpty());
        } else {
            ASSERT_EQ(booked.size(), 1);
            EXPECT_EQ(booked[0], (QVariantList{cars[row.car], Today.addDays(row.from), Today.addDays(row.to)}));
        }
        office.ui().dialogsShown.clear();
    }
}

// Print makes a PDF of the board, a page for a few cars, more pages for a fleet.
TEST(PlanningBoard, PrintsThePdf)
{
    TestOffice office;
    int pages = 0;
    office.ui().onDialog(u"frmReportPreview"_s, [&](QDialog* preview) { pages = static_cast<frmReportPreview*>(preview)->pageCount(); });
    car(office.db(), u"0/1"_s);
    frmPlanningBoard(office.state(), nullptr).printBoard();
    EXPECT_EQ(pages, 1) << office.ui().lastMessage().toStdString();
    for (int i = 1; i < 80; ++i)
        car(office.db(), u"%1/1"_s.arg(i));
    frmPlanningBoard(office.state(), nullptr).printBoard();
    EXPECT_GT(pages, 1);
}

}

#include "PlanningBoardTest.moc"
