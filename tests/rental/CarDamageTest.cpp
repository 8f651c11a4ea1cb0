// A car's damage as the counter marks it: marks made by keys on the diagram
// and stored at once, a repaired mark leaving the car's standing damage, and
// photos stored and read back byte for byte.
#include "core/Database.h"
#include "core/ScreenRegistry.h"
#include "core/StoredDate.h"
#include "engine/EngineSetup.h"
#include "rental/CarDamage.h"
#include "rental/DamageDiagram.h"
#include "rental/RentalScreens.h"
#include "rental/dlgCarDamage.h"
#include "support/Clerk.h"
#include "support/TestOffice.h"
#include "support/TestPictures.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using CarDamage::Kind;
using CarDamage::Zone;

namespace {

qint64 car(Database& db, const QString& plate)
{
    return db.insert(u"car"_s, u"carid"_s, {{u"name"_s, plate}, {u"PLATENO"_s, plate}, {u"rented"_s, 0}});
}

// Keys on the car's diagram; what stands on the car afterwards, in order,
// and the first mark's spot across its view (<0 when not looked at).
TEST(CarDamage, MarksMadeByKeysStandOnTheCar)
{
    const struct {
        const char* name;
        std::vector<int> keys;  // Qt::Key values; digits typed
        std::vector<std::pair<Zone, Kind>> marks;
        double firstAcross;
    } rows[] = {
        {"Enter marks the top view", {Qt::Key_Return}, {{Zone::Top, Kind::Scratch}}, 0.5},
        {"Tab to the right side and a crack", {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_3, Qt::Key_Return},
         {{Zone::RightSide, Kind::Crack}}, -1},
        {"a digit after Enter corrects the mark", {Qt::Key_Return, Qt::Key_2}, {{Zone::Top, Kind::Dent}}, -1},
        {"arrows move the cross", {Qt::Key_Right, Qt::Key_Right, Qt::Key_Return}, {{Zone::Top, Kind::Scratch}}, 0.6},
        {"two marks, two views", {Qt::Key_4, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return},
         {{Zone::Top, Kind::MissingPart}, {Zone::Front, Kind::MissingPart}}, -1},
        {"past the last view Tab leaves the diagram",
         {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return}, {}, -1},
        {"Delete takes back the new mark", {Qt::Key_Return, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Delete},
         {{Zone::Top, Kind::Scratch}}, -1},
        {"five is no kind", {Qt::Key_5, Qt::Key_Return}, {{Zone::Top, Kind::Scratch}}, -1},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        TestOffice office;
        const qint64 id = car(office.db(), u"12/345"_s);
        const qint64 other = car(office.db(), u"12/999"_s);
        dlgCarDamage dialog(office.state(), id, u"12/345"_s, nullptr);
        ASSERT_TRUE(Clerk::showActive(&dialog));
        ASSERT_EQ(Clerk::focused(), "diagram");
        for (const int key : r.keys) {
            if (key >= Qt::Key_0 && key <= Qt::Key_9)
                Clerk::type(QString(QChar(key)));
            else
                Clerk::press(Qt::Key(key));
        }
        const QList<CarDamage::Mark> stored = CarDamage::standing(office.db(), id);
        ASSERT_EQ(stored.size(), qsizetype(r.marks.size()));
        for (qsizetype i = 0; i < stored.size(); ++i) {
            EXPECT_EQ(stored[i].zone, r.marks[i].first) << i;
            EXPECT_EQ(stored[i].kind, r.marks[i].second) << i;
            EXPECT_EQ(stored[i].found, QDate::currentDate()) << i;
        }
        if (r.firstAcross >= 0) {
            EXPECT_NEAR(stored[0].spot.x(), r.firstAcross, 1e-9);
        }
        EXPECT_TRUE(CarDamage::standing(office.db(), other).isEmpty());
        // Each new mark is highlighted, as it is listed.
        EXPECT_EQ(dialog.diagram()->count(), qsizetype(r.marks.size()));
        for (int i = 0; i < dialog.diagram()->count(); ++i)
            EXPECT_TRUE(dialog.diagram()->isFresh(i));
    }
}

// F6 on the car screen opens the car's damage; a car not stored has none yet.
TEST(CarDamage, F6OnTheCarScreenOpensTheDamageOfTheCarShown)
{
    for (const bool stored : {true, false}) {
        SCOPED_TRACE(stored ? "a stored car" : "a car not stored yet");
        TestOffice office;
        installEngine(office.state());
        registerRentalScreens(office.state().screens());
        const qint64 id = stored ? car(office.db(), u"30/300"_s) : 0;
        if (stored)
            CarDamage::add(office.db(), id, {});
        int marksShown = -1;
        office.ui().onDialog(u"dlgCarDamage"_s, [&](QDialog* dialog) {
            marksShown = static_cast<dlgCarDamage*>(dialog)->diagram()->count();
        });
        std::unique_ptr<QWidget> screen(office.state().screens().instance(u"frmCars"_s, nullptr));
        ASSERT_TRUE(Clerk::showActive(screen.get()));
        Clerk::press(Qt::Key_F6);
        EXPECT_EQ(office.ui().dialogsShown.contains(u"dlgCarDamage"_s), stored);
        EXPECT_EQ(marksShown, stored ? 1 : -1);
        EXPECT_EQ(office.ui().messages.size(), stored ? 0 : 1);
    }
}

// The mark repaired (by index), whether the clerk confirms, and the kinds left standing.
TEST(CarDamage, ARepairedMarkLeavesTheCar)
{
    const struct {
        const char* name;
        int repaired;
        bool confirmed;
        std::vector<Kind> left;
        bool voucher = false;  // the car has a maintenance voucher, chosen as the repair
    } rows[] = {{"the middle one", 1, true, {Kind::Scratch, Kind::Crack}},
                {"the last one", 2, true, {Kind::Scratch, Kind::Dent}},
                {"not confirmed", 0, false, {Kind::Scratch, Kind::Dent, Kind::Crack}},
                {"by the car's maintenance voucher", 0, true, {Kind::Dent, Kind::Crack}, true}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        TestOffice office;
        Database& db = office.db();
        const qint64 id = car(db, u"50/100"_s);
        for (const Kind kind : {Kind::Scratch, Kind::Dent, Kind::Crack}) {
            CarDamage::Mark m;
            m.kind = kind;
            CarDamage::add(db, id, m);
        }
        dlgCarDamage dialog(office.state(), id, u"50/100"_s, nullptr);
        ASSERT_TRUE(Clerk::showActive(&dialog));
        dialog.diagram()->setSelected(r.repaired);
        qint64 voucher = 0;
        if (r.voucher) {
            voucher = db.insert(u"JOURNAL"_s, u"JOURNALID"_s, {{u"CARID"_s, id}, {u"NARRATIVE"_s, u"سمكرة"_s},
                                                               {u"TRANSACTIONDATE"_s, StoredDate::number(QDate::currentDate())}});
            db.insert(u"JOURNALDETAIL"_s, u"JOURNALDETAILID"_s, {{u"JOURNALID"_s, voucher}, {u"ACCOUNTNUMBER"_s, 5300},
                                                                 {u"DEBITORCREDIT"_s, 1}, {u"AMOUNT"_s, 40}});
            office.ui().onDialog(u"dlgRepairedBy"_s, [](QDialog* choice) { choice->accept(); });
        }
        office.ui().answers << r.confirmed;
        dialog.markRepaired();
        ASSERT_EQ(office.ui().questions.size(), r.voucher ? 0 : 1);
        const QList<CarDamage::Mark> standing = CarDamage::standing(db, id);
        ASSERT_EQ(standing.size(), qsizetype(r.left.size()));
        for (qsizetype i = 0; i < standing.size(); ++i)
            EXPECT_EQ(standing[i].kind, r.left[i]);
        EXPECT_EQ(dialog.diagram()->count(), standing.size());
        EXPECT_EQ(dialog.findChild<QTableWidget*>(u"lstMarks"_s)->rowCount(), standing.size());
        // The repaired mark is kept, with the day it was repaired.
        const RowSet repaired = db.execute(u"select REPAIREDDATE, MAINTENANCEID from CARDAMAGE where REPAIRED = 1"_s);
        ASSERT_EQ(repaired.count(), r.confirmed ? 1 : 0);
        if (r.confirmed) {
            EXPECT_EQ(StoredDate::parse(repaired.text(0, u"REPAIREDDATE"_s)), QDate::currentDate());
            EXPECT_EQ(repaired.value(0, u"MAINTENANCEID"_s).toLongLong(), voucher);
        }
    }
}

// A small picture, a five-megabyte one, and a file that is no picture.
TEST(CarDamage, PhotosStoredAndReadBackByteForByte)
{
    const struct {
        const char* name;
        int bytes;  // random bytes; 0: a small picture; -1: a large picture
        bool picture;
    } rows[] = {{"small picture", 0, true}, {"five-megabyte picture", -1, true}, {"no picture", 40000, false}};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        TestOffice office;
        Database& db = office.db();
        const qint64 id = car(db, u"70/700"_s);
        const qint64 mark = CarDamage::add(db, id, {});
        QByteArray bytes;
        if (r.bytes == 0)
            bytes = TestPictures::png(Qt::red);
        else if (r.bytes < 0)
            bytes = TestPictures::largePng();
        else {
            bytes.resize(r.bytes);
            QRandomGenerator(r.bytes).fillRange(reinterpret_cast<quint32*>(bytes.data()), r.bytes / 4);
        }
        const QString path = office.file(u"photo.png"_s);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        dlgCarDamage dialog(office.state(), id, u"70/700"_s, nullptr);
        dialog.diagram()->setSelected(0);
        office.ui().files << path;
        dialog.addPhoto();

        const QList<CarDamage::Photo> photos = CarDamage::photos(db, mark);
        if (!r.picture) {
            EXPECT_TRUE(photos.isEmpty());
            EXPECT_TRUE(office.ui().lastMessage().contains(path));
            continue;
        }
        ASSERT_EQ(photos.size(), 1);
        EXPECT_EQ(photos[0].name, u"photo.png"_s);
        EXPECT_EQ(CarDamage::photo(db, photos[0].id), bytes);
        EXPECT_EQ(CarDamage::standing(db, id).value(0).photos, 1);
    }
}

// Blocks of the database's blob writing: a photo ending on, before and after
// a block's edge comes back whole.
TEST(CarDamage, PhotosEndingAtABlockEdgeComeBackWhole)
{
    TestOffice office;
    Database& db = office.db();
    const qint64 mark = CarDamage::add(db, car(db, u"1"_s), {});
    for (const int size : {1, Database::BlobBlockSize - 1, Database::BlobBlockSize, Database::BlobBlockSize + 1,
                           3 * Database::BlobBlockSize + 7}) {
        QByteArray bytes(size, Qt::Uninitialized);
        for (int i = 0; i < bytes.size(); ++i)
            bytes[i] = char(QRandomGenerator::global()->bounded(256));
        const qint64 photo = CarDamage::addPhoto(db, mark, u"p.jpg"_s, bytes);
        EXPECT_EQ(CarDamage::photo(db, photo), bytes) << size;
    }
}

}
