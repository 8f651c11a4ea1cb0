#include "core/ScreenTag.h"
#include "engine/EngineSetup.h"
#include "rental/frmCars.h"
#include "support/Clerk.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"
#include "support/TestPictures.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolTip>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using ScreenChecks::control;

namespace {

struct Office : TestOffice {
    Office() { installEngine(state()); }
};

// The fleet screen as a menu or a contract shows it, in the mode given and,
// when asked for, on that car.
struct Cars : frmCars {
    explicit Cars(TestOffice& office, const QString& mode = {}, QWidget* opener = nullptr, qint64 first = 0)
        : frmCars(office.state(), opener)
    {
        ScreenTag::set(this, mode);
        if (first)
            showFirst(first);
        office.state().screens().adopt(u"frmCars"_s, this);
        show();
    }
    QString text(const QString& name) { return control<QLineEdit>(this, name)->text().trimmed(); }
    bool shows(const QString& image) { return !control<QLabel>(this, image)->pixmap().isNull(); }
};

qint64 addCar(Database& db, const QString& name, int rented = 0, int stop = 0)
{
    return db.insert(u"car"_s, u"carid"_s, {{u"name"_s, name}, {u"rented"_s, rented}, {u"STOP"_s, stop}, {u"FARE"_s, 9.5}});
}

void addPicture(Database& db, qint64 car, int sequence)
{
    const qint64 row = db.insert(u"CARPICTURE"_s, u"CARPICTUREID"_s, {{u"CARID"_s, car}, {u"PICTURESEQUENCE"_s, sequence}});
    db.writeBlob(u"CARPICTURE"_s, u"CARPICTURE"_s, u"CARPICTUREID"_s, row, TestPictures::png(Qt::green));
}

// F9 on the screen, and the row holding `name` picked; the names listed.
QStringList openCar(TestOffice& office, Cars& cars, const QString& name)
{
    QStringList names;
    office.ui().onDialog(u"frmGeneralOpen"_s, [&](QDialog* open) {
        for (const QStringList& row : ScreenChecks::listed(open))
            names << row.value(1);
        Clerk::pickRow(open, name);
    });
    QTest::keyClick(&cars, Qt::Key_F9);
    return names;
}

}

// The screen opens on the first car that is not rented, stopped or not,
// with its picture; a contract has it open on its own car. Opened for a
// contract, the list offers only the free cars in service.
TEST(CarScreen, ACounterSeesFreeCarsFirst)
{
    const struct {
        const char* what;
        QList<std::pair<int, int>> cars;  // rented, stop
        int asked;                        // the car a contract asks for; -1: none
        int shown;                        // -1: none
        QStringList listed;
    } rows[] = {
        {"the first rented", {{1, 0}, {1, 0}, {0, 0}}, -1, 2, {"1", "2", "3"}},
        {"a stopped car is still shown", {{1, 0}, {0, 1}, {0, 0}}, -1, 1, {"1", "2", "3"}},
        {"all rented", {{1, 0}}, -1, -1, {"1"}},
        {"the contract's rented car; only free cars in service", {{0, 0}, {1, 0}, {0, 1}, {1, 1}, {0, 0}}, 1, 1,
         {"1", "5"}},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        Office office;
        QList<qint64> keys;
        for (const auto& [rented, stop] : r.cars) {
            keys << addCar(office.db(), QString::number(keys.size() + 1), rented, stop);
            addPicture(office.db(), keys.last(), 1);
        }
        Cars cars(office, r.asked < 0 ? QString() : u"RENTMODE"_s, nullptr, r.asked < 0 ? 0 : keys[r.asked]);
        EXPECT_EQ(cars.text(u"txtID"_s), r.shown < 0 ? QString() : QString::number(keys[r.shown]));
        EXPECT_EQ(cars.shows(u"pPicture"_s), r.shown >= 0);
        EXPECT_EQ(openCar(office, cars, u"none"_s), r.listed);
    }
}

// A number field takes as it is typed only what its column keeps, and says so
// when it refuses a key: money two decimals and 12 digits before the point, a
// meter whole, not negative and below 10^9.
TEST(CarScreen, NumberFieldsRefuseAsTypedWhatTheirColumnCannotKeep)
{
    const QString money = u"a number with at most 12 digits before the point and 2 after it"_s;
    const QString meter = u"a whole number from 0 to 999999999"_s;
    const struct { const char* field; const char* typed; const char* shown; QString told; } rows[] = {
        {"dfnFARE", "1e308", "1308", money},
        {"dfnFARE", "1234567890123456.789", "123456789012.78", money},
        {"dfnFARE", "-12.5", "-12.5", {}},
        {"dfnMETER", "-99999999999999999999", "999999999", meter},
        {"dfnMETER", "12.5", "125", meter},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.typed);
        Office office;
        addCar(office.db(), u"قديمة"_s);
        Cars cars(office);
        ASSERT_TRUE(Clerk::showActive(&cars));
        QToolTip::hideText();
        auto* field = control<QLineEdit>(&cars, QLatin1String(r.field));
        field->setFocus();
        field->clear();
        QTest::keyClicks(field, QLatin1String(r.typed));
        EXPECT_EQ(field->text(), QLatin1String(r.shown));
        EXPECT_EQ(QToolTip::isVisible() ? QToolTip::text() : QString(), r.told.isEmpty() ? r.told : u"This field takes "_s + r.told + u'.');
    }
}

// A rented car is refused with a message and kept, also when another
// workstation rented it after it was shown, or when its flag cannot be read
// (reported, not taken for free).
TEST(CarScreen, DeleteKeepsARentedCar)
{
    enum Rented { Opened, Meanwhile, Unreadable };
    const QString refusal = u"Can not delete the car at the time being since car is already rented, Surrend the car "
                            "first then delete."_s;
    for (const Rented rented : {Opened, Meanwhile, Unreadable}) {
        SCOPED_TRACE(rented);
        Office office;
        addCar(office.db(), u"حرة"_s);
        const qint64 key = addCar(office.db(), u"المعنية"_s, rented == Opened ? 1 : 0);
        Cars cars(office);
        openCar(office, cars, u"المعنية"_s);
        ASSERT_EQ(cars.text(u"txtID"_s), QString::number(key));
        if (rented == Meanwhile)
            office.db().command(u"update car set rented = 1 where carid = "_s + QString::number(key));
        if (rented == Unreadable)
            office.db().command(u"alter table car rename column rented to rented_elsewhere"_s);
        QTest::keyClick(&cars, Qt::Key_F11);
        EXPECT_EQ(office.ui().lastMessage(), rented == Unreadable ? QString() : refusal);
        EXPECT_EQ(office.ui().dialogsShown.contains(u"dlgError"_s), rented == Unreadable);
        EXPECT_TRUE(office.ui().questions.isEmpty());
        EXPECT_EQ(ScreenChecks::stored(office.db(), u"car"_s, u"carid"_s, key, {u"name"_s}), QStringList{u"المعنية"_s});
        EXPECT_TRUE(cars.isVisible());
    }
}

// A car opened shows its own pictures, each in its place; those of the car
// shown before (picture 2) go.
TEST(CarScreen, PicturesShowWhereTheyBelong)
{
    const QStringList images{"pPicture", "Image1_0", "Image1_1", "Image1_2", "Image1_3", "Image1_4", "Image1_5"};
    for (const QList<int>& sequences : {QList<int>{1, 4}, QList<int>{}, QList<int>{2, 3, 4, 5, 6, 7}, QList<int>{7}}) {
        Office office;
        addPicture(office.db(), addCar(office.db(), u"الأولى"_s), 2);
        const qint64 key = addCar(office.db(), u"الثانية"_s);
        for (int sequence : sequences)
            addPicture(office.db(), key, sequence);
        Cars cars(office);
        ASSERT_TRUE(cars.shows(u"Image1_0"_s));
        openCar(office, cars, u"الثانية"_s);
        for (int sequence = 1; sequence <= 7; ++sequence)
            EXPECT_EQ(cars.shows(images[sequence - 1]), sequences.contains(sequence)) << sequence;
    }
}

// A picker only shows the pictures and ticks; its OK hands the car to the
// screen that opened it, whatever that screen is, saves nothing and closes.
TEST(CarScreen, OkForAContractCopiesTheCarAndSavesNothing)
{
    const char* targets[] = {"dfnCarNo", "dfsComments", "dfnDailyRent", "dfcCARTYPE",
                             "dfsPlatNo", "dfsModel",    "dfnMETER",     "dfsCOLOR"};
    Office office;
    const qint64 key = office.db().insert(
        u"car"_s, u"carid"_s,
        {{u"name"_s, u"كامري"_s}, {u"PLATENO"_s, u"12/34567"_s}, {u"BRAND"_s, u"Camry 2023"_s}, {u"CARTYPE"_s, u"صالون"_s},
         {u"COLOR"_s, u"أبيض"_s}, {u"COMMENTS"_s, u"خدش بسيط، الباب الخلفي"_s}, {u"FARE"_s, 12.5},
         {u"METER"_s, 18250}, {u"OWNERNAME"_s, u"المكتب"_s}});
    QDialog opener;
    for (const char* name : targets) {
        auto* field = QByteArray(name) == "dfcCARTYPE" ? static_cast<QWidget*>(new QComboBox(&opener))
                                                       : new QLineEdit(&opener);
        field->setObjectName(QLatin1String(name));
    }
    control<QComboBox>(&opener, u"dfcCARTYPE"_s)->setEditable(true);
    Cars cars(office, u"RENTMODE"_s, &opener);
    QTest::mouseDClick(control<QLabel>(&cars, u"pPicture"_s), Qt::LeftButton);
    EXPECT_TRUE(office.ui().fileRequests.isEmpty());
    EXPECT_FALSE(control<QCheckBox>(&cars, u"dffPrintinContract6"_s)->isEnabled());
    control<QLineEdit>(&cars, u"dfsOWNERNAME"_s)->setText(u"غيره"_s);
    ScreenChecks::click(&cars, u"cmdOk"_s);

    QStringList copied;
    for (const char* name : targets)
        copied << (QByteArray(name) == "dfcCARTYPE" ? control<QComboBox>(&opener, QLatin1String(name))->currentText()
                                                    : control<QLineEdit>(&opener, QLatin1String(name))->text().trimmed());
    EXPECT_EQ(copied, (QStringList{QString::number(key), u"خدش بسيط، الباب الخلفي"_s, u"12.50"_s, u"صالون"_s,
                                   u"12/34567"_s, u"Camry 2023"_s, u"18250"_s, u"أبيض"_s}));
    EXPECT_EQ(ScreenChecks::stored(office.db(), u"car"_s, u"carid"_s, key, {u"OWNERNAME"_s}), QStringList{u"المكتب"_s});
    EXPECT_FALSE(cars.isVisible());
}
