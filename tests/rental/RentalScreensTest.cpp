// The counter's screens. First what every data screen does alike, one row per
// screen: load, New by name, Open, Delete, the rules of a save, and a picture
// slot's life; then what a car's delete and the list of available cars do of
// their own; last the contract: its field rules, its keys
// by mode and its pickers.
#include "core/Configuration.h"
#include "core/ScreenRegistry.h"
#include "core/ScreenTag.h"
#include "engine/ControlAccess.h"
#include "engine/DateEdit.h"
#include "engine/EngineSetup.h"
#include "rental/RentalScreens.h"
#include "support/Clerk.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"
#include "support/TestPictures.h"

#include <QDate>
#include <QDialog>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;
using ScreenChecks::control;

namespace {

using Fields = QList<std::pair<const char*, QString>>;  // control, value as shown
using Steps = Fields;  // a control and its value, or a key and nothing

QString shown(const QWidget* screen, const char* name)
{
    return ControlAccess::value(ControlAccess::require(screen, QLatin1String(name)));
}

// Each value into its control; a key name alone is pressed.
void run(QWidget* screen, const Steps& steps)
{
    for (const auto& [name, value] : steps)
        if (const QKeySequence key{QLatin1String(name)}; value.isNull() && key.count() == 1)
            QTest::keyClick(screen, key[0].key());
        else
            ControlAccess::setValue(ControlAccess::require(screen, QLatin1String(name)), value);
}

struct DataScreenRow {
    const char* name;  // printed by gtest
    const char* screen;
    const char* mode;  // the screen's tag
    const char* table;
    const char* key;
    const char* nameColumn;
    QList<Database::Field> record;  // with a name, a record the rules pass
    QString newName;  // typed into New
    Fields valid;     // a new record passes the rules with these
    Fields refused;   // each alone fails the rules
    Qt::KeyboardModifiers openModifiers;
};

void PrintTo(const DataScreenRow& row, std::ostream* out) { *out << row.name; }

// A record of the row's screen, named, that its rules pass.
qint64 add(Database& db, const DataScreenRow& row, const QString& name)
{
    const QList<Database::Field> named{{QLatin1String(row.nameColumn), name}};
    return db.insert(QLatin1String(row.table), QLatin1String(row.key), named + row.record);
}

// A counter's office: the engine, the rental screens and the charges for
// kilometres beyond the allowance.
struct Counter : TestOffice {
    explicit Counter(const QString& flat = u"0"_s, const QString& percent = u"0"_s)
    {
        installEngine(state());
        registerRentalScreens(state().screens());
        Configuration store(db());
        store.SetConfig(u"EXTRAMILESFLAT"_s, flat);
        store.SetConfig(u"EXTRAMILESPERCENT"_s, percent);
    }
    // The screen as the menu opens it, with the keyboard.
    std::unique_ptr<QWidget> open(const QString& name, const QString& mode = {})
    {
        std::unique_ptr<QWidget> screen(state().screens().instance(name, nullptr));
        ScreenTag::set(screen.get(), mode);
        EXPECT_TRUE(Clerk::showActive(screen.get()));
        return screen;
    }
    qint64 car(const QString& plate, int meter, double fare, int rented = 0)
    {
        return db().insert(u"car"_s, u"carid"_s, {{u"name"_s, u"سيارة "_s + plate}, {u"PLATENO"_s, plate}, {u"METER"_s, meter},
                                                  {u"FARE"_s, fare}, {u"rented"_s, rented}, {u"CARTYPE"_s, u"صالون"_s}});
    }
    // A contract that is out, as a clerk left it.
    qint64 contract(qint64 car, const QList<Database::Field>& more = {})
    {
        const qint64 customer = db().insert(u"Customer"_s, u"CUSTOMERID"_s, {{u"name"_s, u"عميل"_s}, {u"IDNUMBER"_s, 2850101}});
        return db().insert(u"RENT"_s, u"RENTID"_s, QList<Database::Field>{{u"NAME"_s, u"عقد"_s}, {u"CUSTOMERID"_s, customer},
                                                                          {u"CARNO"_s, car}, {u"RETURNED"_s, 0}} + more);
    }
    int count(const QString& sql)
    {
        const RowSet rows = db().execute(sql);
        return rows.isEmpty() ? 0 : rows.value(0, 0).toInt();
    }
};

const DataScreenRow screens[] = {
    {"Customers", "frmCustomers", "", "Customer", "CUSTOMERID", "name",
     // Black-listed and stopped customers are shown and listed all the same.
     {{u"IDNUMBER"_s, 42}, {u"BLACKLIST"_s, 1}, {u"STOPTRANSACTION"_s, 1}},
     u"O'Neil, Sean"_s, {{"dfnIDNumber", u"29001011234567"_s}, {"dfsHomeTel1", u"1,2,3"_s}},
     {{"dfnIDNumber", u""_s}, {"dfnIDNumber", u"0"_s}}, Qt::NoModifier},
    {"Cars", "frmCars", "", "car", "carid", "name",
     {{u"PLATENO"_s, u"10/1"_s}, {u"FARE"_s, 9.5}, {u"STOP"_s, 1}},
     u"كامري 2024"_s,
     {{"dfsPLATENO", u"15/12345"_s}, {"dfnFARE", u"12.50"_s}, {"dfnMETER", u""_s}, {"dfdINSURANEDC1DATETTO", u"31/05/2026"_s}},
     // A number its column cannot keep is refused as the rules are, not stored cut.
     {{"dfsPLATENO", u""_s}, {"dfnFARE", u""_s}, {"dfnFARE", u"0.00"_s}, {"dfnFARE", u"-5"_s},
      {"dfnFARE", u"12345678901234567.89"_s}, {"dfnFARE", u"1e308"_s}, {"dfnMETER", u"-99999999999999999999"_s}},
     Qt::NoModifier},
    {"Employees", "frmEmployee", "", "EMPLOYEE", "EMPID", "NAME",
     {{u"IDNUM"_s, u"285010112345"_s}},
     u"نورة \"الصغيرة\""_s, {{"dfIDNUM", u"A1234567"_s}}, {{"dfIDNUM", u""_s}, {"dfIDNUM", u"0"_s}},
     Qt::ShiftModifier},
    {"CustomerMessages", "frmCustomerMessages", "", "CUSTOMERMESSAGE", "CUSTOMERMESSAGEID", "name",
     {{u"HOMECOMMENTS"_s, u"نص"_s}},
     QString(500, QChar(0x0639)), {{"dfsHomeComments", u",first, line,,\nsecond; 'tab'\there ''today''"_s}},
     {{"dfsHomeComments", u""_s}, {"txtNAME", u""_s}}, Qt::NoModifier},
    {"Contract", "frmRentCar", "RENTMODE", "RENT", "RENTID", "NAME",
     // The customer the fixture adds; its car is not yet taken.
     {{u"CUSTOMERID"_s, 1}, {u"CARNO"_s, 0}, {u"RETURNED"_s, 0}, {u"EXITDATE"_s, 20261201}, {u"RENTPERIOD"_s, 2},
      {u"RETURNDATE"_s, 20261203}, {u"DAILYRENT"_s, 20.0}},
     u"عقد \"سالم\", O'Hara"_s, {{"dfnCustomerid", u"1"_s}, {"dfnCarNo", u"1"_s}, {"dfnDailyRent", u"12.50"_s}},
     {{"dfnCustomerid", u""_s}, {"dfnCarNo", u""_s}, {"dfnDailyRent", u""_s}, {"dfnDailyRent", u"0.00"_s},
      {"dfnDailyRent", u"-3"_s}},
     Qt::NoModifier},
    {"Reservation", "frmReservation", "", "RESERVATION", "RESERVATIONID", "NAME",
     {{u"STATE"_s, 0}, {u"CUSTOMERID"_s, 1}, {u"CARTYPE"_s, u"صالون"_s}, {u"PICKUPDATE"_s, 20261210},
      {u"RETURNDATE"_s, 20261212}, {u"DAILYRENT"_s, 20.0}},
     u"حجز \"سالم\", O'Hara"_s,
     {{"dfnCustomerid", u"1"_s}, {"dfcCARTYPE", u"فان"_s}, {"dfnDailyRent", u"12.50"_s}, {"dfdReturnDate", u"31/12/2099"_s}},
     {{"dfnCustomerid", u""_s}, {"dfnDailyRent", u"0.00"_s}, {"dfdReturnDate", u""_s}}, Qt::NoModifier},
};

class RentalScreen : public ::testing::TestWithParam<DataScreenRow> {
protected:
    RentalScreen()
    {
        office.db().command(u"delete from "_s + QLatin1String(GetParam().table));
        // A contract's customer, and a car for it to take.
        if (QByteArray(GetParam().table) == "RENT") {
            office.db().insert(u"Customer"_s, u"CUSTOMERID"_s, {{u"name"_s, u"عميل"_s}, {u"IDNUMBER"_s, 7}});
            office.car(u"1/1"_s, 0, 20);
        }
    }

    void open()
    {
        screen.reset();
        screen = office.open(QLatin1String(GetParam().screen), QLatin1String(GetParam().mode));
    }
    QString storedName(qint64 key)
    {
        const DataScreenRow& r = GetParam();
        return ScreenChecks::stored(office.db(), QLatin1String(r.table), QLatin1String(r.key), key,
                                    {QLatin1String(r.nameColumn)}).value(0);
    }

    Counter office;
    std::unique_ptr<QWidget> screen;
};

// New asks for the name where the cursor is; F12 then stores what was filled
// in, and a date nobody gave stays empty and unjournalled.
TEST_P(RentalScreen, NewThenF12StoresTheRecord)
{
    const DataScreenRow& r = GetParam();
    add(office.db(), r, u"قديم"_s);
    open();
    std::string typedInto;
    office.ui().onDialog(u"frmGeneralN"_s, [&](QDialog* dialog) {
        typedInto = Clerk::focused();
        Clerk::type(r.newName);
        ScreenChecks::click(dialog, u"cmdOk"_s);
    });
    Clerk::press(Qt::Key_F8);
    EXPECT_EQ(typedInto, "dfName");
    const qint64 key = shown(screen.get(), "txtID").toLongLong();
    ASSERT_GT(key, 0);
    EXPECT_EQ(office.state().CurrentRecordId, key);
    run(screen.get(), r.valid);
    ASSERT_TRUE(Clerk::showActive(screen.get()));
    Clerk::press(Qt::Key_F12);
    EXPECT_EQ(storedName(key), r.newName);
    const RowSet dates = office.db().executeBound(
        u"select d.WINDOWCONTROL , d.Column from _WINDOWTABLE t , _WINDOWTABLEDETAILS d where d.WINDOWTABLEID = "
        "t.WINDOWTABLEID and d.TYPE = 2 and t.TABLEORDER = 1 and t.WINDOWNAME = ?"_s, {QLatin1String(r.screen)});
    for (int i = 0; i < dates.count(); ++i) {
        // A bound date must be a field that can be left empty.
        const QString column = dates.text(i, u"Column"_s).trimmed();
        const auto* field = control<DateEdit>(screen.get(), dates.text(i, u"WINDOWCONTROL"_s).trimmed());
        ASSERT_NE(field, nullptr) << column.toStdString();
        if (!field->isEmpty())
            continue;
        EXPECT_EQ(ScreenChecks::stored(office.db(), QLatin1String(r.table), QLatin1String(r.key), key, {column}),
                  QStringList{QString()}) << column.toStdString();
        EXPECT_EQ(office.db().executeBound(u"select count(*) from _JOURNALDETAILS where Modified <> 0 and ControlName = ?"_s,
                                           {field->objectName()}).value(0, 0).toInt(), 0) << column.toStdString();
    }
    // Read again, the record shows what was typed. The list has the cursor and
    // every column shows without scrolling sideways.
    office.ui().onDialog(u"frmGeneralOpen"_s, [&](QDialog* open) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(open));
        EXPECT_EQ(Clerk::focused(), "DataGrid1");
        EXPECT_EQ(open->findChild<QTableView*>(u"DataGrid1"_s)->horizontalScrollBar()->maximum(), 0);
        EXPECT_TRUE(Clerk::pickRow(open, r.newName.left(20)));
    });
    open();
    Clerk::press(Qt::Key_F9, r.openModifiers);
    ASSERT_EQ(shown(screen.get(), "txtID"), QString::number(key));
    for (const auto& [name, value] : r.valid)
        EXPECT_EQ(shown(screen.get(), name), value) << name;
}

// Delete asks and deletes as answered; the screen closes only on a confirmed
// delete, so a declined one keeps what was typed. With nothing on screen it
// neither asks nor closes. A rented car is refused with a message and kept,
// also when another workstation rented it after it was shown, or when its
// flag cannot be read (reported, not taken for free).
TEST_P(RentalScreen, DeleteAsksFirst)
{
    enum { NoRecord = -1, Declined, Confirmed, RentedWhenShown, RentedMeanwhile, Unreadable };
    const bool car = QByteArray(GetParam().table) == "car";
    for (const int answer : {Confirmed, Declined, NoRecord, RentedWhenShown, RentedMeanwhile, Unreadable}) {
        if (answer > Confirmed && !car)
            continue;
        SCOPED_TRACE(answer);
        office.db().command(u"delete from "_s + QLatin1String(GetParam().table));
        office.ui().questions.clear();
        office.ui().messages.clear();
        const qint64 key = answer == NoRecord ? 0 : add(office.db(), GetParam(), u"خالد"_s);
        const QString rent = u"update car set rented = 1 where carid = "_s + QString::number(key);
        office.ui().answers = {answer == Confirmed};
        if (answer == RentedWhenShown)
            office.db().command(rent);
        open();
        if (answer == RentedWhenShown) {  // the screen loads free cars only: the clerk opens it
            office.ui().onDialog(u"frmGeneralOpen"_s, [](QDialog* d) { EXPECT_TRUE(Clerk::pickRow(d, u"خالد"_s)); });
            Clerk::press(Qt::Key_F9);
            ASSERT_TRUE(Clerk::showActive(screen.get()));
        }
        if (answer == RentedMeanwhile)
            office.db().command(rent);
        if (answer == Unreadable)
            office.db().command(u"alter table car rename column rented to rented_elsewhere"_s);
        Clerk::press(Qt::Key_F11);
        const bool refused = answer > Confirmed;
        EXPECT_EQ(office.ui().questions.size(), answer == Declined || answer == Confirmed ? 1 : 0);
        EXPECT_EQ(storedName(key), answer == Declined || refused ? u"خالد"_s : QString());
        EXPECT_EQ(screen->isVisible(), answer != Confirmed);
        EXPECT_EQ(office.ui().messages.size(), refused && answer != Unreadable ? 1 : 0);
        EXPECT_EQ(office.ui().dialogsShown.contains(u"dlgError"_s), answer == Unreadable);
    }
}

// A value the rules refuse stops the save, whether the clerk goes to the field
// or says "save anyway"; the same record then saves once put right, a name
// longer than a line edit holds by default whole. Shift+F9 is held back.
TEST_P(RentalScreen, TheRulesStopASave)
{
    const qint64 key = add(office.db(), GetParam(), u"قديم"_s);
    int answers = 0;
    office.ui().onDialog(u"dlgValidationError"_s, [&answers](QDialog* dialog) {
        ScreenChecks::click(dialog, answers++ % 2 ? u"command0"_s : u"command1"_s);
    });
    open();
    if (GetParam().openModifiers == Qt::NoModifier)
        Clerk::press(Qt::Key_F9, Qt::ShiftModifier);
    EXPECT_EQ(office.ui().dialogsShown, QStringList{});
    // Each refused value alone; last, the long name that saves.
    const QString longName(40000, QChar(0x0645));
    for (const auto& [field, value] : GetParam().refused + Fields{{"txtNAME", longName}}) {
        const bool refused = value != longName;
        SCOPED_TRACE(std::string(field) + " = " + value.left(20).toStdString());
        office.ui().dialogsShown.clear();
        run(screen.get(), GetParam().valid);
        run(screen.get(), {{"txtNAME", refused ? u"جديد"_s : longName}, {field, value}});
        ASSERT_TRUE(Clerk::showActive(screen.get()));
        Clerk::press(Qt::Key_F12);
        EXPECT_EQ(office.ui().dialogsShown, refused ? QStringList{u"dlgValidationError"_s} : QStringList{});
        EXPECT_EQ(storedName(key), refused ? u"قديم"_s : longName);
    }
}

INSTANTIATE_TEST_SUITE_P(Counter, RentalScreen, ::testing::ValuesIn(screens),
                         [](const auto& info) { return std::string(info.param.name); });

// The free cars in service as a list, one line each with the next
// maintenance by date (the sooner of its schedules); Enter opens the chosen
// car to look at, not to change.
TEST(AvailableCars, ListsTheFreeCarsAndEnterOpensTheOneChosen)
{
    Counter office;
    Database& db = office.db();
    const auto day = [](int fromToday) { return QDate::currentDate().addDays(fromToday).toString(u"yyyyMMdd"_s).toLongLong(); };
    // Only the first has maintenance schedules: every 30 days from 10 days ago, every 10 from today.
    QList<qint64> ids;
    for (const auto& [plate, rented, stop] :
         {std::tuple{"B-FREE", 0, 0}, {"A-RENTED", 1, 0}, {"C-STOPPED", 0, 1}, {"D-FREE", 0, 0}})
        ids << db.insert(u"car"_s, u"carid"_s,
                         {{u"PLATENO"_s, QLatin1String(plate)}, {u"MAKE"_s, u"تويوتا"_s}, {u"BRAND"_s, u"كامري"_s},
                          {u"COLOR"_s, u"أبيض"_s}, {u"FARE"_s, 15.5}, {u"METER"_s, 1200}, {u"rented"_s, rented},
                          {u"STOP"_s, stop}});
    db.command(u"update car set EVERYDAYS1 = 30, MAINTSTART1 = %1, EVERYDAYS2 = 10, MAINTSTART2 = %2 where carid = %3"_s
                   .arg(day(-10)).arg(day(0)).arg(ids.at(0)));
    QStringList opened;
    office.ui().onDialog(u"frmCars"_s, [&opened](QDialog* d) {
        opened << control<QLineEdit>(d, u"txtID"_s)->text()
               << (control<QAbstractButton>(d, u"cmdSave"_s)->isEnabled() ? u"changeable"_s : u"shown"_s);
    });

    const std::unique_ptr<QWidget> list = office.open(u"frmAvailableCars"_s);
    const QString soonest = QDate::currentDate().addDays(10).toString(u"dd/MM/yyyy"_s);
    EXPECT_EQ(ScreenChecks::listed(list.get()), (QList<QStringList>{
                  {QString::number(ids.at(0)), u"B-FREE"_s, u"تويوتا"_s, u"كامري"_s, u"أبيض"_s, u"15.50"_s, u"1200"_s, soonest},
                  {QString::number(ids.at(3)), u"D-FREE"_s, u"تويوتا"_s, u"كامري"_s, u"أبيض"_s, u"15.50"_s, u"1200"_s, QString()},
              }));
    EXPECT_EQ(Clerk::focused(), "DataGrid1");
    Clerk::press(Qt::Key_Down);
    Clerk::press(Qt::Key_Return);
    EXPECT_EQ(opened, (QStringList{QString::number(ids.at(3)), u"shown"_s}));
}

// One picture of a screen: where it shows and where it is stored.
struct Slot {
    const char* image;
    const char* fileName;
    const char* table;
    const char* blob;
    int sequence;  // 0: the table keeps one picture a record
    int row;       // of the data screens above: the screen and the owner's key
};

const Slot customerPicture{"pPicture", "txtFileName", "CUSTOMERPICTURE", "CUSTOMERPICTURE", 0, 0};
const Slot employeePicture{"pPicture", "txtFileName", "EMPPICTURE", "OLEMODULE", 0, 2};
const Slot carMain{"pPicture", "txtFileName", "CARPICTURE", "CARPICTURE", 1, 1};
const Slot carFourth{"Image1_2", "txtFileName1_2", "CARPICTURE", "CARPICTURE", 4, 1};
const Slot carLast{"Image1_5", "txtFileName1_5", "CARPICTURE", "CARPICTURE", 7, 1};

QMap<int, QByteArray> storedPictures(Database& db, const Slot& slot, qint64 owner)
{
    const RowSet rows = db.execute(u"select * from %1 where %2 = %3"_s.arg(QLatin1String(slot.table), QLatin1String(screens[slot.row].key))
                                       .arg(owner));
    QMap<int, QByteArray> pictures;
    for (int i = 0; i < rows.count(); ++i)
        pictures.insert(slot.sequence ? rows.value(i, u"PICTURESEQUENCE"_s).toInt() : 0,
                        db.readBlob(QLatin1String(slot.table), QLatin1String(slot.blob), QLatin1String(slot.table) + u"ID"_s,
                                    rows.value(i, QLatin1String(slot.table) + u"ID"_s).toLongLong()));
    return pictures;
}

// A double-click picks a picture and a right-click clears it; what is stored
// changes only on a save that passes the rules, in the slot's own place, and
// comes back byte for byte. A file that is no picture is refused with a
// message. A stored picture is shown through a private folder, not the home's.
TEST(PictureSlot, StoredOnlyOnSave)
{
    enum Action { Nothing, Pick, Cancel, Clear };
    enum File { Small, Large, Corrupt, Empty, OneByte };
    const struct {
        const char* what;
        const Slot& slot;
        bool stored;
        Action action;
        File file;
        bool taken;
        const char* save = "F12";  // "cmdOk", or "refused": the rules fail
    } rows[] = {
        {"picked and saved", customerPicture, false, Pick, Small, true},
        {"picked, then OK", customerPicture, false, Pick, Small, true, "cmdOk"},
        {"replaced", employeePicture, true, Pick, Small, true},
        {"a picture of 5 MB", carFourth, true, Pick, Large, true},
        {"cancelled", customerPicture, true, Cancel, Small, false},
        {"corrupt file refused", carMain, true, Pick, Corrupt, false},
        {"empty file refused", carLast, true, Pick, Empty, false},
        {"one byte refused", customerPicture, false, Pick, OneByte, false},
        {"cleared", carLast, true, Clear, Small, true},
        {"cleared, the main one", employeePicture, true, Clear, Small, true},
        {"saved untouched", carMain, true, Nothing, Small, false},
        {"the rules fail", customerPicture, true, Pick, Small, false, "refused"},
    };
    const QByteArray small = TestPictures::png(Qt::blue), large = TestPictures::largePng();
    ASSERT_GT(large.size(), 5 * 1024 * 1024);
    const QByteArray files[] = {small, large, small.left(20), QByteArray(), QByteArray(1, 'P')};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Counter office;
        const DataScreenRow& data = screens[r.slot.row];
        const qint64 owner = add(office.db(), data, u"صاحب الصورة"_s);
        QMap<int, QByteArray> before;
        for (int sequence = r.slot.sequence ? 1 : 0; sequence <= (r.slot.sequence ? 7 : 0); ++sequence) {
            if (!r.stored && sequence == r.slot.sequence)
                continue;
            before.insert(sequence, TestPictures::png(QColor::fromHsv(sequence * 40, 200, 200)));
            QList<Database::Field> fields{{QLatin1String(data.key), owner}};
            if (r.slot.sequence)
                fields.append({u"PICTURESEQUENCE"_s, sequence});
            office.db().writeBlob(QLatin1String(r.slot.table), QLatin1String(r.slot.blob), QLatin1String(r.slot.table) + u"ID"_s,
                                  office.db().insert(QLatin1String(r.slot.table), QLatin1String(r.slot.table) + u"ID"_s, fields),
                                  before.value(sequence));
        }
        std::unique_ptr<QWidget> screen = office.open(QLatin1String(data.screen));
        auto* image = control<QLabel>(screen.get(), QLatin1String(r.slot.image));
        auto* fileName = control<QLineEdit>(screen.get(), QLatin1String(r.slot.fileName));
        const QString shownFile = fileName->text();
        EXPECT_EQ(!image->pixmap().isNull(), r.stored);
        EXPECT_EQ(shownFile.isEmpty(), !r.stored);
        EXPECT_FALSE(shownFile.startsWith(office.home()));

        QFile picked(office.file(u"picked.png"_s));
        ASSERT_TRUE(picked.open(QIODevice::WriteOnly));
        picked.write(files[r.file]);
        picked.close();
        if (r.action == Pick)
            office.ui().files = {picked.fileName()};
        if (r.action == Pick || r.action == Cancel)
            QTest::mouseDClick(image, Qt::LeftButton);
        if (r.action == Clear)
            QTest::mousePress(image, Qt::RightButton);
        const bool refusedFile = r.action == Pick && r.file != Small && r.file != Large;
        EXPECT_EQ(office.ui().messages.size(), refusedFile ? 1 : 0);
        EXPECT_EQ(fileName->text(), r.action == Pick && !refusedFile ? picked.fileName()
                                    : r.action == Clear         ? QString()
                                                                : shownFile);
        EXPECT_EQ(storedPictures(office.db(), r.slot, owner), before);

        office.ui().onDialog(u"dlgValidationError"_s, [](QDialog* dialog) { ScreenChecks::click(dialog, u"command0"_s); });
        if (QByteArray(r.save) == "refused")
            run(screen.get(), {data.refused[0]});
        if (QByteArray(r.save) == "cmdOk")
            ScreenChecks::click(screen.get(), u"cmdOk"_s);
        else
            QTest::keyClick(screen.get(), Qt::Key_F12);
        QMap<int, QByteArray> expected = before;
        if (r.taken && r.action == Clear)
            expected.remove(r.slot.sequence);
        else if (r.taken)
            expected.insert(r.slot.sequence, files[r.file]);
        EXPECT_EQ(storedPictures(office.db(), r.slot, owner), expected);
        screen.reset();
        screen = office.open(QLatin1String(data.screen));
        QFile again(control<QLineEdit>(screen.get(), QLatin1String(r.slot.fileName))->text());
        EXPECT_EQ(again.open(QIODevice::ReadOnly) ? again.readAll() : QByteArray(), expected.value(r.slot.sequence));
    }
}

// Each change a clerk makes ripples through the form: dates and periods,
// meters and kilometres, charges, the total and the remainder. A car coming
// back with no return kept is proposed back today; a contract is read with the
// rules at rest, as stored.
TEST(ContractScreen, FieldRulesRipple)
{
    const Steps surrenderedDay{{"dfnActualPeriod", u"1"_s}, {"dfnReturnMeter", u"1300"_s}};
    const struct {
        const char* what;
        const char* mode;
        QString flat, percent;
        Steps typed;
        Steps expected;  // numbers compared as numbers
        QList<Database::Field> stored = {};  // on the contract besides its exit and rent
        double eighth = 0;  // the fuel charge of the car's type; none when 0
    } rows[] = {
        {"three days from 30 December end in the next year; the return side waits for the car", "RENTMODE", u"0"_s, u"0"_s,
         {{"dfdExitDate", u"30/12/2026"_s}, {"dfnMETER", u"1000"_s}, {"dfnRentPeriod", u"3"_s}},
         {{"dfnReturnMeter", u"0"_s}, {"dfnMeterDifference", u"0"_s}, {"dfnTotal", u"0"_s}, {"dfdReturnDate", u"02/01/2027"_s},
          {"dfdActualReturnDate", u""_s}}},
        {"an agreed return date in surrender is the proposed return, 300 km on", "SURRENDMODE", u"0"_s, u"0"_s,
         {{"dfdReturnDate", u"03/12/2026"_s}},
         {{"dfnRentPeriod", u"3"_s}, {"dfnReturnMeter", u"1300"_s}, {"dfnActualPeriod", u"3"_s},
          {"dfdActualReturnDate", u"03/12/2026"_s}}},
        {"an agreed return date gives the period back", "RENTMODE", u"0"_s, u"0"_s,
         {{"dfdExitDate", u"27/02/2028"_s}, {"dfdReturnDate", u"01/03/2028"_s}}, {{"dfnRentPeriod", u"3"_s}}},
        {"a meter under the allowance is charged by its distance too", "SURRENDMODE", u"0.5"_s, u"0"_s,
         {{"dfnActualPeriod", u"2"_s}, {"dfnReturnMeter", u"1100"_s}},
         {{"dfnPermitted", u"200"_s}, {"dfnMeterDifference", u"100"_s}, {"dfnRequiredKilometersDiff", u"50"_s},
          {"dfnRequiredAmount", u"40"_s}, {"dfnTotal", u"90"_s}}},
        {"a flat charge whatever the daily rent", "SURRENDMODE", u"0.5"_s, u"0.1"_s, surrenderedDay,
         {{"dfnMeterDifference", u"200"_s}, {"dfnRequiredKilometersDiff", u"100"_s}}},
        {"no flat charge: 10% of a daily rent of 20 per km", "SURRENDMODE", u"0"_s, u"0.1"_s, surrenderedDay,
         {{"dfnMeterDifference", u"200"_s}, {"dfnRequiredKilometersDiff", u"400"_s}, {"dfnTotal", u"420"_s}}},
        {"open meter: no kilometre charge, the total drops", "SURRENDMODE", u"0.5"_s, u"0"_s,
         surrenderedDay + Steps{{"dffOpenMeter", u"1"_s}}, {{"dfnRequiredKilometersDiff", u"0"_s}, {"dfnTotal", u"20"_s}}},
        {"unticking the open meter restores nothing until the next change", "SURRENDMODE", u"0.5"_s, u"0"_s,
         surrenderedDay + Steps{{"dffOpenMeter", u"1"_s}, {"dffOpenMeter", u"0"_s}},
         {{"dfnRequiredKilometersDiff", u"0"_s}, {"dfnTotal", u"20"_s}}},
        {"the remainder follows the paid amount only", "SURRENDMODE", u"0"_s, u"0"_s,
         {{"dfnActualPeriod", u"2"_s}, {"dfnPaid", u"15"_s}, {"dfnOtherAmounts", u"5"_s}},
         {{"dfnTotal", u"45"_s}, {"dfnRemainder", u"25"_s}}},
        {"a return before the exit runs negative", "SURRENDMODE", u"0"_s, u"0"_s, {{"dfdActualReturnDate", u"28/11/2026"_s}},
         {{"dfnActualPeriod", u"-2"_s}, {"dfnRequiredAmount", u"-40"_s}, {"dfnPermitted", u"-200"_s}}},
        {"with no return stored, surrender proposes today", "SURRENDMODE", u"0"_s, u"0"_s, {},
         {{"dfdActualReturnDate", QDate::currentDate().toString(u"dd/MM/yyyy"_s)}}},
        {"read with the rules at rest: a period and total that disagree show as stored", "SURRENDMODE", u"0"_s, u"0"_s, {},
         {{"dfnActualPeriod", u"4"_s}, {"dfnTotal", u"999"_s}, {"dfdActualReturnDate", u"05/12/2026"_s}},
         {{u"ACTUALRETURNDATE"_s, 20261205}, {u"ACTUALPERIOD"_s, 4}, {u"TOTAL"_s, 999.0}}},
        {"3 eighths of fuel missing, billed with the rent", "SURRENDMODE", u"0"_s, u"0"_s, {{"dfnActualPeriod", u"2"_s},
         {"dfnFuelIn", u"5"_s}}, {{"dfnFuelCharge", u"37.5"_s}, {"dfnTotal", u"77.5"_s}}, {{u"FUELOUT"_s, 8}}, 12.5},
        {"back with more fuel than it left: nothing", "SURRENDMODE", u"0"_s, u"0"_s, {{"dfnFuelIn", u"6"_s}},
         {{"dfnFuelCharge", u"0"_s}}, {{u"FUELOUT"_s, 4}}, 12.5},
        {"no fuel charge for its type", "SURRENDMODE", u"0"_s, u"0"_s, {{"dfnFuelIn", u"2"_s}}, {{"dfnFuelCharge", u"0"_s}}, {{u"FUELOUT"_s, 8}}},
        {"fuel not taken back yet is proposed as it left", "SURRENDMODE", u"0"_s, u"0"_s, {},
         {{"dfnFuelIn", u"6"_s}, {"dfnFuelCharge", u"0"_s}}, {{u"FUELOUT"_s, 6}}, 12.5},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Counter office(r.flat, r.percent);
        if (r.eighth > 0)
            office.db().insert(u"FUELRATE"_s, u"FUELRATEID"_s, {{u"CARTYPE"_s, u"صالون"_s}, {u"EIGHTHCHARGE"_s, r.eighth}});
        office.contract(office.car(u"1/1"_s, 1000, 20, QByteArray(r.mode) == "SURRENDMODE"), QList<Database::Field>{{u"EXITDATE"_s, 20261130}, {u"METER"_s, 1000},
                                                                               {u"DAILYRENT"_s, 20.0}, {u"RENTPERIOD"_s, 1},
                                                                               {u"RETURNDATE"_s, 20261201}} + r.stored);
        const std::unique_ptr<QWidget> contract = office.open(u"frmRentCar"_s, QLatin1String(r.mode));
        run(contract.get(), r.typed);
        for (const auto& [name, expected] : r.expected) {
            bool isNumber = false;
            const double number = expected.toDouble(&isNumber);
            if (isNumber)
                EXPECT_DOUBLE_EQ(shown(contract.get(), name).toDouble(), number) << name;
            else
                EXPECT_EQ(shown(contract.get(), name), expected) << name;
        }
    }
}

// Save, Print and Delete do by mode what the counter needs: the car goes out
// with its exit meter, comes back with its return meter, and a surrendered
// contract is posted once, into its own journal, however often it is saved;
// one with nothing to post still brings the car back. Print saves first and
// goes on only with a valid contract; Delete frees the car once the clerk
// confirms. What is saved is what the screen shows, the posting agrees with
// the row, and a contract going out keeps no close-out figures.
TEST(ContractScreen, KeysDoByMode)
{
    enum Car { None, Free, Out };  // the contract's car
    using Stored = QList<int>;  // contracts, returned, rented, meter, journals
    const auto back = [](const QString& day, const QString& meter) {
        return Steps{{"dfnMETER", u"1500"_s}, {"dfdActualReturnDate", day}, {"dfnReturnMeter", meter}, {"dfnPaid", u"30"_s}};
    };
    const Steps save{{"F12", {}}}, surrendered{{"dffReturned", u"1"_s}, {"F12", {}}};
    const Steps surrender = back(u"05/12/2026"_s, u"1730"_s) + surrendered;
    const struct {
        const char* what;
        const char* mode;
        Car car;
        Steps steps;
        Stored expected;
        int messages = 0;
        bool refused = false;
        bool open = true;
    } rows[] = {
        {"out", "RENTMODE", Free, Steps{{"dfnMETER", u"1500"_s}, {"dfnRentPeriod", u"5"_s}} + save, {1, 0, 1, 1500, 0}},
        {"out while the car is booked", "RENTMODE", Free, Steps{{"dfnMETER", u"1500"_s}} + save, {1, 0, 0, 1000, 0}, 1},
        {"back, not surrendered", "SURRENDMODE", Out, back(u"05/12/2026"_s, u"1730"_s) + save, {1, 0, 0, 1730, 0}},
        {"surrendered, saved twice", "SURRENDMODE", Out, surrender + Steps{{"dfnOtherAmounts", u"7"_s}, {"F12", {}}},
         {1, 1, 0, 1730, 1}},
        {"surrendered with nothing to post", "SURRENDMODE", Out,
         Steps{{"dfdActualReturnDate", u"01/12/2026"_s}, {"dfnReturnMeter", u"1000"_s}} + surrendered, {1, 1, 0, 1000, 0}},
        {"a return meter below the exit's", "SURRENDMODE", Out, back(u"05/12/2026"_s, u"1499"_s) + surrendered,
         {1, 0, 1, 1000, 0}, 1},
        // A period below 0, which the rules refuse first.
        {"a return before the exit", "SURRENDMODE", Out, back(u"30/11/2026"_s, u"1730"_s) + surrendered,
         {1, 0, 1, 1000, 0}, 0, true},
        {"no mode", "", Out, surrender, {1, 0, 1, 1000, 0}},
        {"print a valid contract", "RENTMODE", Free, {{"dfnMETER", u"333"_s}, {"F7", {}}}, {1, 0, 1, 333, 0}, 1},
        {"print with no car", "RENTMODE", None, {{"dfnMETER", u"333"_s}, {"F7", {}}}, {1, 0, 0, 1000, 0}, 0, true},
        {"delete confirmed", "RENTMODE", Out, {{"F11", {}}}, {0, 0, 0, 1000, 0}, 0, false, false},
        {"delete declined", "RENTMODE", Out, {{"F11", {}}}, {1, 0, 1, 1000, 0}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Counter office(u"0.25"_s);
        const qint64 car = office.car(u"2/22"_s, 1000, 20, r.car == Out);
        const qint64 rent = office.contract(r.car == None ? 0 : car, {{u"EXITDATE"_s, 20261201}, {u"METER"_s, 1000},
                                                                      {u"DAILYRENT"_s, 20.0}, {u"RENTPERIOD"_s, 2},
                                                                      {u"RETURNDATE"_s, 20261203}});
        office.ui().answers = {QByteArray(r.what) != "delete declined"};
        if (QByteArray(r.what) == "out while the car is booked")
            office.db().insert(u"RESERVATION"_s, u"RESERVATIONID"_s, {{u"STATE"_s, 0}, {u"CARNO"_s, car},
                               {u"PICKUPDATE"_s, 20261202}, {u"RETURNDATE"_s, 20261204}});
        const std::unique_ptr<QWidget> contract = office.open(u"frmRentCar"_s, QLatin1String(r.mode));
        ASSERT_EQ(shown(contract.get(), "txtID").toLongLong(), rent);
        run(contract.get(), r.steps);
        const QString ofCar = u" from car where carid = "_s + QString::number(car);
        const Stored s{office.count(u"select count(*) from RENT"_s),
                       office.count(u"select RETURNED from RENT"_s), office.count(u"select rented"_s + ofCar),
                       office.count(u"select METER"_s + ofCar), office.count(u"select count(*) from JOURNAL"_s)};
        EXPECT_EQ(s, r.expected);
        // Every journal's debits equal its credits.
        EXPECT_EQ(office.count(u"select count(*) from (select JOURNALID from JOURNALDETAIL group by JOURNALID having "
                               "abs(sum(case when DEBITORCREDIT = 1 then AMOUNT else -AMOUNT end)) > 0.000001) unbalanced"_s), 0);
        EXPECT_EQ(office.ui().messages.size(), r.messages) << office.ui().lastMessage().toStdString();
        EXPECT_EQ(office.ui().dialogsShown.contains(u"dlgValidationError"_s), r.refused);
        EXPECT_EQ(contract->isVisible(), r.open);
        EXPECT_EQ(office.count(u"select JOURNALID from RENT"_s), office.count(u"select JOURNALID from JOURNAL"_s));
        if (!r.expected[0] || r.refused || r.messages || !*r.mode)
            continue;
        const RowSet row = office.db().execute(u"select * from RENT"_s);
        // Each close-out figure is stored in the column its field names.
        for (const char* field : {"dfnActualPeriod", "dfnReturnMeter", "dfnPermitted", "dfnMeterDifference",
                                  "dfnRequiredKilometersDiff", "dfnRequiredAmount", "dfnTotal"}) {
            const double figure = shown(contract.get(), field).toDouble();
            EXPECT_DOUBLE_EQ(row.value(0, QLatin1String(field + 3).toString().toUpper()).toDouble(), figure) << field;
            EXPECT_TRUE(QByteArray(r.mode) == "SURRENDMODE" || figure == 0) << field;
        }
        // What is posted as kilometres and as rent is what the row keeps.
        for (const auto& [account, column] : {std::pair{4200, "REQUIREDKILOMETERSDIFF"}, {4100, "REQUIREDAMOUNT"}})
            EXPECT_DOUBLE_EQ(office.db().execute(u"select sum(AMOUNT) from JOURNALDETAIL where DEBITORCREDIT = 0 and "
                                                 "ACCOUNTNUMBER = "_s + QString::number(account)).value(0, 0).toDouble(),
                             s[1] ? row.value(0, QLatin1String(column)).toDouble() : 0) << column;
    }
}

// F5 and F6 open the customer and car pickers on the contract's own records.
// A picker only chooses (whoever may rent need not have the right to change
// customers or cars): its name is read-only, New, Save and Delete are hidden
// and their keys change nothing. OK hands the record to the contract as the
// picker shows it, the customer's home contact data only, and saves nothing.
TEST(ContractScreen, APickerOnlyChooses)
{
    Counter office;
    const qint64 car = office.car(u"7/77"_s, 5000, 12.5);
    office.contract(0);
    const qint64 customer = office.count(u"select CUSTOMERID from RENT"_s);
    office.db().command(u"update Customer set name = 'O''Hara, Kim', HOMETEL1 = 'H1', WORKTEL1 = 'W1', HOMECITY = 'حولي', "
                        "WORKCITY = 'الشويخ'"_s);
    for (const QString& name : {u"frmCars"_s, u"frmCustomers"_s})
        office.ui().onDialog(name, [](QDialog* picker) {
            EXPECT_TRUE(control<QLineEdit>(picker, u"txtNAME"_s)->isReadOnly());
            for (const char* command : {"cmdNew", "cmdSave", "cmdDel"})
                EXPECT_FALSE(control(picker, QLatin1String(command))->isVisible()) << command;
            // The customers' picker comes last: its keys go to it.
            if (auto* tel = control<QLineEdit>(picker, u"dfsHomeTel2"_s)) {
                tel->setText(u"H2 typed here"_s);
                ASSERT_TRUE(Clerk::showActive(picker));
                for (const Qt::Key key : {Qt::Key_F8, Qt::Key_F11, Qt::Key_F12})
                    Clerk::press(key);
            }
            ScreenChecks::click(picker, u"cmdOk"_s);
        });
    const std::unique_ptr<QWidget> out = office.open(u"frmRentCar"_s, u"RENTMODE"_s);
    for (const Qt::Key key : {Qt::Key_F6, Qt::Key_F5}) {
        ASSERT_TRUE(Clerk::showActive(out.get()));
        Clerk::press(key);
    }
    EXPECT_EQ(office.ui().dialogsShown, (QStringList{u"frmCars"_s, u"frmCustomers"_s}));
    EXPECT_TRUE(office.ui().questions.isEmpty());
    EXPECT_EQ(ScreenChecks::stored(office.db(), u"Customer"_s, u"CUSTOMERID"_s, customer, {u"name"_s, u"HOMETEL2"_s}),
              (QStringList{u"O'Hara, Kim"_s, QString()}));
    EXPECT_EQ(office.count(u"select count(*) from car"_s) + office.count(u"select count(*) from Customer"_s), 2);
    for (const auto& [name, value] :
         {std::pair{"dfnCustomerid", QString::number(customer)}, {"dfsCustomerNAME", u"O'Hara, Kim"_s},
          {"dfnIDNumber", u"2850101"_s}, {"dfsTel1", u"H1"_s}, {"dfsTel2", u"H2 typed here"_s}, {"dfsCity", u"حولي"_s},
          {"dfnCarNo", QString::number(car)}, {"dfsPlatNo", u"7/77"_s}, {"dfnDailyRent", u"12.50"_s}})
        EXPECT_EQ(shown(out.get(), name), value) << name;
}

}
