#include "core/ScreenTag.h"
#include "core/SqlValue.h"
#include "engine/EngineSetup.h"
#include "rental/frmCars.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"
#include "support/TestPictures.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QTableView>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

namespace {

using ScreenChecks::control;

// The fleet screen as a menu or a contract shows it, in the mode given and,
// when asked for, on that car.
struct Cars : frmCars {
    explicit Cars(TestOffice& office, const QString& mode = {}, QWidget* opener = nullptr, qint64 first = 0)
        : frmCars(office.state(), opener)
    {
        ScreenTag::set(this, mode);
        if (first)
            showFirst(first);
        office.state().screens().adopt("frmCars", this);
        show();
    }
    QString text(const QString& name) { return control<QLineEdit>(this, name)->text(); }
    void set(const char* name, const QString& value) { control<QLineEdit>(this, name)->setText(value); }
    bool shows(const QString& image) { return !control<QLabel>(this, image)->pixmap().isNull(); }
};

// The picture labels by sequence: the main one, then the six small ones.
const QStringList images{"pPicture", "Image1_0", "Image1_1", "Image1_2", "Image1_3", "Image1_4", "Image1_5"};
const QStringList fileNames{"txtFileName",    "txtFileName1_0", "txtFileName1_1", "txtFileName1_2",
                            "txtFileName1_3", "txtFileName1_4", "txtFileName1_5"};

qint64 addCar(Database& db, const QString& name, int rented = 0, int stop = 0)
{
    return db.insert("car", "carid",
                     {{"name", name}, {"rented", rented}, {"STOP", stop}, {"PLATENO", "10/" + name}, {"FARE", 9.5}});
}

void addPicture(Database& db, qint64 car, int sequence, const QByteArray& bytes)
{
    const qint64 row = db.insert("CARPICTURE", "CARPICTUREID", {{"CARID", car}, {"PICTURESEQUENCE", sequence}});
    db.writeBlob("CARPICTURE", "CARPICTURE", "CARPICTUREID", row, bytes);
}

// The stored pictures of one car by sequence.
QMap<int, QByteArray> storedPictures(Database& db, qint64 car)
{
    const RowSet rows = db.execute("select * from CARPICTURE where CARID = " + SqlValue::number(car));
    QMap<int, QByteArray> pictures;
    for (int row = 0; row < rows.count(); ++row)
        pictures.insert(rows.value(row, "PICTURESEQUENCE").toInt(),
                        db.readBlob("CARPICTURE", "CARPICTURE", "CARPICTUREID", rows.value(row, "CARPICTUREID").toLongLong()));
    return pictures;
}

QStringList stored(Database& db, qint64 car, const QStringList& columns)
{
    const RowSet rows = db.execute("select * from car where carid = " + SqlValue::number(car));
    QStringList values;
    for (const QString& c : columns)
        values << (rows.isEmpty() || rows.value(0, c).isNull() ? QString() : rows.value(0, c).toString().trimmed());
    return values;
}

// What the open dialog listed: the names and the column headers.
struct Listing {
    QStringList names;
    QStringList headers;
};

// F9 on the screen, and row `pick` of the open dialog taken (-1: cancelled).
Listing openCar(TestOffice& office, Cars& cars, int pick)
{
    Listing listed;
    office.ui().onDialog("frmGeneralOpen", [&](QDialog* open) {
        const QAbstractItemModel* model = control<QTableView>(open, "DataGrid1")->model();
        for (int row = 0; row < model->rowCount(); ++row)
            listed.names << model->index(row, 1).data().toString();
        for (int column = 0; column < model->columnCount(); ++column)
            listed.headers << model->headerData(column, Qt::Horizontal).toString();
        if (pick < 0)
            return;
        auto* grid = control<QTableView>(open, "DataGrid1");
        grid->setCurrentIndex(model->index(pick, 0));
        ScreenChecks::click(open, "cmdOk");
    });
    QTest::keyClick(&cars, Qt::Key_F9);
    return listed;
}

}

// The screen opens on the first car that is not rented, stopped or not,
// with its picture; a contract has it open on the contract's own car.
TEST(frmCars, LoadShowsTheFirstFreeCar)
{
    const struct {
        const char* what;
        QList<std::pair<int, int>> cars;  // rented, stop
        int asked;                        // the car a contract asks for; -1: none
        int shown;                        // -1: none
    } rows[] = {
        {"all free", {{0, 0}, {0, 0}}, -1, 0},
        {"the first rented", {{1, 0}, {1, 0}, {0, 0}}, -1, 2},
        {"a stopped car is still shown", {{1, 0}, {0, 1}, {0, 0}}, -1, 1},
        {"all rented", {{1, 0}}, -1, -1},
        {"the contract's rented car", {{0, 0}, {1, 0}}, 1, 1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        QList<qint64> keys;
        for (const auto& [rented, stop] : r.cars) {
            keys << addCar(office.db(), QStringLiteral("سيارة %1").arg(keys.size() + 1), rented, stop);
            addPicture(office.db(), keys.last(), 1, TestPictures::png(Qt::blue));
        }
        Cars cars(office, r.asked < 0 ? QString() : "RENTMODE", nullptr, r.asked < 0 ? 0 : keys[r.asked]);
        EXPECT_EQ(cars.text("txtID"), r.shown < 0 ? QString() : QString::number(keys[r.shown]));
        EXPECT_EQ(cars.text("dfsPLATENO").trimmed(), r.shown < 0 ? QString() : QStringLiteral("10/سيارة %1").arg(r.shown + 1));
        EXPECT_EQ(cars.shows("pPicture"), r.shown >= 0);
    }
}

// F8 and the name typed where the cursor is make a car entered today, shown
// without the pictures of the car before; F12 then stores what was filled in,
// and the dates nobody gave stay empty.
TEST(frmCars, NewThenF12StoresTheFields)
{
    const QStringList columns{"name",             "PLATENO",          "FARE",             "PRINTINCONTRACT1",
                              "PRINTINCONTRACT2", "PRINTINCONTRACT3", "PRINTINCONTRACT4", "PRINTINCONTRACT5",
                              "PRINTINCONTRACT6", "INSURANEDC1DATETTO", "CREATEDT", "LICENSEEXPIRY",
                              "INSURANCE2DATETO", "MAINTSTART3",      "LASTTRAN"};
    const struct {
        const char* name;
        const char* plate;
        const char* fare;
        int ticks;  // bit n: picture n + 2 goes into the contract
        QDate insuredTo;
    } rows[] = {
        {"كامري 2024", "15/12345", "12.5", 0b000001, QDate(2026, 5, 31)},
        {"O'Brien's van, white", "1,2/3", "7", 0b101010, QDate(2030, 12, 31)},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        TestOffice office;
        addPicture(office.db(), addCar(office.db(), "قديمة"), 1, TestPictures::png(Qt::red));
        Cars cars(office);
        ASSERT_TRUE(cars.shows("pPicture"));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&cars));
        office.ui().onDialog("frmGeneralN", [&](QDialog* dialog) {
            ScreenChecks::type(QApplication::focusWidget(), QString::fromUtf8(r.name));
            ScreenChecks::click(dialog, "cmdOk");
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8);
        const qint64 key = cars.text("txtID").toLongLong();
        ASSERT_EQ(cars.text("txtNAME"), QString::fromUtf8(r.name));
        EXPECT_FALSE(cars.shows("pPicture"));

        cars.set("dfsPLATENO", QString::fromUtf8(r.plate));
        cars.set("dfnFARE", r.fare);
        QStringList ticks;
        for (int n = 0; n < 6; ++n) {
            control<QCheckBox>(&cars, QStringLiteral("dffPrintinContract%1").arg(n + 1))->setChecked(r.ticks & (1 << n));
            ticks << QString::number((r.ticks >> n) & 1);
        }
        control<QDateEdit>(&cars, "dfdINSURANEDC1DATETTO")->setDate(r.insuredTo);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&cars));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);

        const QStringList expected = QStringList{QString::fromUtf8(r.name), QString::fromUtf8(r.plate), r.fare}
            + ticks + QStringList{r.insuredTo.toString("yyyyMMdd"), QDate::currentDate().toString("yyyyMMdd"), "", "", "", ""};
        EXPECT_EQ(stored(office.db(), key, columns), expected);
        EXPECT_TRUE(office.ui().dialogsShown.filter("dlgValidationError").isEmpty());
    }
}

// A car needs a plate number and a daily rent above 0; without them Save
// shows the rules and, when the operator goes to the field, stores nothing.
TEST(frmCars, PlateAndDailyRentAreRequired)
{
    // Save anyway is asked for and does not pass over the screen's rules, nor a
    // number its column cannot keep: the stored car stays as it was.
    const struct {
        const char* plate;
        const char* fare;
        bool fails;
        const char* meter = "";
    } rows[] = {
        {"", "10", true},     {"12/345", "", true},    {"12/345", "0", true},
        {"12/345", "0.00", true}, {"12/345", "-5", true}, {"12/345", "8.5", false},
        {"12/345", "12345678901234567.89", true}, {"12/345", "1e308", true},
        {"12/345", "8.5", true, "-99999999999999999999"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.plate) + " " + r.fare + " " + r.meter);
        TestOffice office;
        const qint64 key = addCar(office.db(), "قديمة");
        office.ui().onDialog("dlgValidationError", [](QDialog* dialog) { ScreenChecks::click(dialog, "command0"); });
        Cars cars(office);
        cars.set("dfsPLATENO", r.plate);
        cars.set("dfnFARE", r.fare);
        cars.set("dfnMETER", r.meter);
        QTest::keyClick(&cars, Qt::Key_F12);
        EXPECT_EQ(office.ui().dialogsShown, r.fails ? QStringList{"dlgValidationError"} : QStringList{});
        const QStringList expected = r.fails ? QStringList{"10/قديمة", "9.5"} : QStringList{r.plate, r.fare};
        EXPECT_EQ(stored(office.db(), key, {"PLATENO", "FARE"}), expected);
    }
}

// A number field takes as it is typed only what its column keeps, and says so
// when it refuses a key: money two decimals and 12 digits before the point, a
// meter whole, not negative and below 10^9.
TEST(frmCars, NumberFieldsRefuseAsTypedWhatTheirColumnCannotKeep)
{
    const struct { const char* field; const char* typed; const char* shown; const char* told; } rows[] = {
        {"dfnFARE", "1e308", "1308", "a number with at most 12 digits before the point and 2 after it"},
        {"dfnFARE", "1234567890123456.789", "123456789012.78", "a number with at most 12 digits before the point and 2 after it"},
        {"dfnFARE", "-12.5", "-12.5", nullptr},
        {"dfnMETER", "-99999999999999999999", "999999999", "a whole number from 0 to 999999999"},
        {"dfnMETER", "12.5", "125", "a whole number from 0 to 999999999"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.typed);
        TestOffice office;
        installEngine(office.state());
        addCar(office.db(), "قديمة");
        Cars cars(office);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&cars));
        QToolTip::hideText();
        auto* field = control<QLineEdit>(&cars, r.field);
        field->setFocus();
        field->clear();
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(r.typed));
        EXPECT_EQ(field->text(), QLatin1String(r.shown));
        EXPECT_EQ(QToolTip::isVisible() ? QToolTip::text() : QString(), r.told ? "This field takes " + QString::fromLatin1(r.told) + "." : QString());
    }
}

// A rented car is refused with a message and kept, also when another
// workstation rented it after it was shown, or when its flag cannot be read
// (reported, not taken for free); a free one goes as answered, and the screen
// closes once it is gone.
TEST(frmCars, DeleteKeepsARentedCar)
{
    enum Rented { Free, Opened, Meanwhile, Unreadable };
    const struct {
        const char* what;
        Rented rented;
        bool answer;
        int questions;
        bool left;
        bool open;
    } rows[] = {
        {"a rented car opened", Opened, true, 0, true, true},
        {"rented elsewhere since shown", Meanwhile, true, 0, true, true},
        {"free, confirmed", Free, true, 1, false, false},
        {"free, declined", Free, false, 1, true, true},
        {"its flag unreadable", Unreadable, true, 0, true, true},
    };
    const QString refusal = "Can not delete the car at the time being since car is already rented, Surrend the car "
                            "first then delete.";
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        addCar(office.db(), "حرة");
        const qint64 key = addCar(office.db(), "المعنية", r.rented == Opened ? 1 : 0);
        office.ui().answers = {r.answer};
        Cars cars(office);
        openCar(office, cars, 1);
        ASSERT_EQ(cars.text("txtID"), QString::number(key));
        if (r.rented == Meanwhile)
            office.db().command("update car set rented = 1 where carid = " + QString::number(key));
        if (r.rented == Unreadable)
            office.db().command("alter table car rename column rented to rented_elsewhere");
        QTest::keyClick(&cars, Qt::Key_F11);
        EXPECT_EQ(office.ui().lastMessage(), r.rented == Opened || r.rented == Meanwhile ? refusal : QString());
        EXPECT_EQ(office.ui().dialogsShown.contains("dlgError"), r.rented == Unreadable);
        EXPECT_EQ(office.ui().questions.size(), r.questions);
        EXPECT_EQ(!stored(office.db(), key, {"name"}).first().isEmpty(), r.left);
        EXPECT_EQ(cars.isVisible(), r.open);
    }
}

// The open dialog lists every car under number, name, plate, model and daily
// rent; opened for a contract, only the free cars in service.
TEST(frmCars, AContractIsOfferedOnlyFreeCarsInService)
{
    const struct {
        const char* mode;
        QStringList listed;
    } rows[] = {
        {"", {"free", "rented", "stopped", "rented and stopped", "free too"}},
        {"RENTMODE", {"free", "free too"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.mode);
        TestOffice office;
        addCar(office.db(), "free");
        addCar(office.db(), "rented", 1, 0);
        addCar(office.db(), "stopped", 0, 1);
        addCar(office.db(), "rented and stopped", 1, 1);
        addCar(office.db(), "free too");
        Cars cars(office, r.mode);
        const Listing listed = openCar(office, cars, -1);
        EXPECT_EQ(listed.names, r.listed);
        EXPECT_EQ(listed.headers, (QStringList{"الرقم", "الاسم", "رقم اللوحة", "الموديل", "الأجرة اليومية"}));
    }
}

// A car opened shows its own pictures, each in its place; those of the car
// shown before (picture 2) go.
TEST(frmCars, PicturesShowWhereTheyBelong)
{
    const struct {
        const char* what;
        QList<int> sequences;
    } rows[] = {
        {"main and fourth", {1, 4}},
        {"none", {}},
        {"all small ones", {2, 3, 4, 5, 6, 7}},
        {"the last only", {7}},
    };
    for (const auto& [what, sequences] : rows) {
        SCOPED_TRACE(what);
        TestOffice office;
        addPicture(office.db(), addCar(office.db(), "الأولى"), 2, TestPictures::png(Qt::red));
        const qint64 key = addCar(office.db(), "الثانية");
        for (int sequence : sequences)
            addPicture(office.db(), key, sequence, TestPictures::png(Qt::green));
        Cars cars(office);
        ASSERT_TRUE(cars.shows("Image1_0"));
        openCar(office, cars, 1);
        for (int sequence = 1; sequence <= 7; ++sequence)
            EXPECT_EQ(cars.shows(images[sequence - 1]), sequences.contains(sequence)) << sequence;
    }
}

// A picker only shows the pictures and ticks; its OK hands the car to the
// screen that opened it, whatever that screen is, saves nothing and closes.
TEST(frmCars, OkForAContractCopiesTheCarAndSavesNothing)
{
    const struct {
        const char* comments;
        double fare;
        int meter;
        const char* fareShown;
    } rows[] = {
        {"خدش بسيط، الباب الخلفي", 12.5, 18250, "12.50"},
        {"", 7, 0, "7.00"},
    };
    const char* targets[] = {"dfnCarNo", "dfsComments", "dfnDailyRent", "dfcCARTYPE",
                             "dfsPlatNo", "dfsModel",    "dfnMETER",     "dfsCOLOR"};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.comments);
        TestOffice office;
        const qint64 key = office.db().insert(
            "car", "carid",
            {{"name", "كامري"}, {"PLATENO", "12/34567"}, {"BRAND", "Camry 2023"}, {"CARTYPE", "صالون"},
             {"COLOR", "أبيض"}, {"COMMENTS", QString::fromUtf8(r.comments)}, {"FARE", r.fare}, {"METER", r.meter},
             {"OWNERNAME", "المكتب"}});
        QDialog opener;
        for (const char* name : targets) {
            auto* field = name == QLatin1String("dfcCARTYPE") ? static_cast<QWidget*>(new QComboBox(&opener))
                                                               : new QLineEdit(&opener);
            field->setObjectName(name);
        }
        control<QComboBox>(&opener, "dfcCARTYPE")->setEditable(true);
        Cars cars(office, "RENTMODE", &opener);
        QTest::mouseDClick(control<QLabel>(&cars, "pPicture"), Qt::LeftButton);
        EXPECT_TRUE(office.ui().fileRequests.isEmpty());
        EXPECT_FALSE(control<QCheckBox>(&cars, "dffPrintinContract6")->isEnabled());
        cars.set("dfsOWNERNAME", "غيره");
        ScreenChecks::click(&cars, "cmdOk");

        QStringList copied;
        for (const char* name : targets)
            copied << (name == QLatin1String("dfcCARTYPE") ? control<QComboBox>(&opener, name)->currentText()
                                                            : control<QLineEdit>(&opener, name)->text().trimmed());
        EXPECT_EQ(copied, (QStringList{QString::number(key), QString::fromUtf8(r.comments), r.fareShown, "صالون",
                                       "12/34567", "Camry 2023", r.meter ? QString::number(r.meter) : QString(),
                                       "أبيض"}));
        EXPECT_EQ(stored(office.db(), key, {"OWNERNAME"}), QStringList{"المكتب"});
        EXPECT_FALSE(cars.isVisible());
    }
}

// A picture chosen by double-click, or cleared by right-click, is stored on
// Save in its own sequence and comes back byte for byte; a file that is no
// picture is refused with a message and changes nothing.
TEST(frmCars, PictureChangesAreStoredOnSave)
{
    enum Action { Choose, Clear };
    enum File { Small, Large, Corrupt, Empty, OneByte };
    const struct {
        const char* what;
        int sequence;
        Action action;
        File file;
        bool taken;
    } rows[] = {
        {"main picture chosen", 1, Choose, Small, true},
        {"a picture of 5 MB as the third small one", 4, Choose, Large, true},
        {"corrupt PNG refused", 2, Choose, Corrupt, false},
        {"empty file refused", 7, Choose, Empty, false},
        {"one byte refused", 1, Choose, OneByte, false},
        {"main picture cleared", 1, Clear, Small, true},
        {"last small picture cleared", 7, Clear, Small, true},
    };
    const QByteArray small = TestPictures::png(Qt::yellow);
    const QByteArray large = TestPictures::largePng();
    ASSERT_GT(large.size(), 5 * 1024 * 1024);
    const QByteArray files[] = {small, large, small.left(20), QByteArray(), QByteArray(1, 'P')};

    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        const qint64 key = addCar(office.db(), "مصورة");
        QMap<int, QByteArray> before;
        for (int sequence = 1; sequence <= 7; ++sequence) {
            before.insert(sequence, TestPictures::png(QColor::fromHsv(sequence * 40, 200, 200)));
            addPicture(office.db(), key, sequence, before.value(sequence));
        }
        Cars cars(office);
        auto* image = control<QLabel>(&cars, images[r.sequence - 1]);
        const QString shownFile = cars.text(fileNames[r.sequence - 1]);
        QFile chosen(office.file("chosen.png"));
        ASSERT_TRUE(chosen.open(QIODevice::WriteOnly));
        chosen.write(files[r.file]);
        chosen.close();
        office.ui().files = {chosen.fileName()};
        if (r.action == Choose) {
            QTest::mouseDClick(image, Qt::LeftButton);
            EXPECT_EQ(office.ui().fileRequests.value(0).title, r.sequence == 1 ? "صورة العضو" : "اختر الصورة");
        } else {
            QTest::mousePress(image, Qt::RightButton);
        }
        EXPECT_EQ(office.ui().messages.size(), r.taken ? 0 : 1);
        EXPECT_EQ(cars.text(fileNames[r.sequence - 1]),
                  !r.taken ? shownFile : r.action == Clear ? QString() : chosen.fileName());
        QTest::keyClick(&cars, Qt::Key_F12);

        QMap<int, QByteArray> expected = before;
        if (r.taken && r.action == Clear)
            expected.remove(r.sequence);
        else if (r.taken)
            expected.insert(r.sequence, files[r.file]);
        EXPECT_EQ(storedPictures(office.db(), key), expected);
        Cars again(office);
        const QString shown = again.text(fileNames[r.sequence - 1]);
        QFile file(shown);
        EXPECT_EQ(!shown.isEmpty() && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(),
                  expected.value(r.sequence));
    }
}

// Each list of the screen offers the values shipped with a new database.
TEST(frmCars, ListsComeWithTheDatabase)
{
    TestOffice office;
    installEngine(office.state());
    Cars cars(office);
    for (const char* list : {"dfcCARTYPE", "dfcColor", "dfcSHAPE", "dfcMAKE", "dfcGEAR", "dfcTRAFFIC",
                             "dfcINSURANCETYPE1", "dfcINSURANCETYPE2", "dfcMainType1", "dfcMainType2", "dfcMainType3"}) {
        SCOPED_TRACE(list);
        EXPECT_GE(control<QComboBox>(&cars, list)->count(), 2);
    }
}
