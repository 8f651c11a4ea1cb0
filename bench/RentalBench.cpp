// What the counter waits for on a contract: one surrender save (the
// contract's changed fields with the check against other workstations and the
// change journal, the car back with its meter, the ledger posting replaced)
// against its statements sent raw in one transaction; the ripple of one
// changed agreed return date through every rule it fires; and a car with
// seven pictures of 1 MB opened on the fleet screen (the record and every
// picture read and shown) against one raw select of the same pictures; and a
// damage mark with five photos of 5 MB stored and opened.
#include "BenchUI.h"

#include "core/Configuration.h"
#include "core/RunState.h"
#include "core/ScreenRegistry.h"
#include "core/ScreenTag.h"
#include "engine/EngineSetup.h"
#include "engine/cWindow.h"
#include "office/NewDatabase.h"
#include "rental/CarDamage.h"
#include "rental/DamageDiagram.h"
#include "rental/dlgCarDamage.h"
#include "rental/frmCars.h"
#include "rental/frmRentCar.h"

#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>
#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

struct Office {
    QTemporaryDir dir;
    RunState state{dir.path(), std::make_unique<BenchUI>()};
    QSqlDatabase raw;
    qint64 car = 0;
    qint64 rent = 0;

    Office()
    {
        const QString path = dir.filePath(QStringLiteral("fdk.db"));
        NewDatabase::create(path, false);
        state.db().open(path);
        Configuration::LoadConfiguration(state);
        installEngine(state);
        Database& db = state.db();
        const qint64 customer = db.insert(QStringLiteral("Customer"), QStringLiteral("CUSTOMERID"),
                                          {{QStringLiteral("name"), QStringLiteral("عميل")}, {QStringLiteral("IDNUMBER"), 1}});
        car = db.insert(QStringLiteral("car"), QStringLiteral("carid"),
                        {{QStringLiteral("name"), QStringLiteral("سيارة")}, {QStringLiteral("METER"), 1000},
                         {QStringLiteral("FARE"), 20.0}, {QStringLiteral("rented"), 1}});
        rent = db.insert(QStringLiteral("RENT"), QStringLiteral("RENTID"),
                         {{QStringLiteral("NAME"), QStringLiteral("عقد")}, {QStringLiteral("CUSTOMERID"), customer},
                          {QStringLiteral("CUSTOMERNAME"), QStringLiteral("عميل")}, {QStringLiteral("CARNO"), car},
                          {QStringLiteral("METER"), 1000}, {QStringLiteral("DAILYRENT"), 20.0},
                          {QStringLiteral("EXITDATE"), 20261201}, {QStringLiteral("RENTPERIOD"), 3},
                          {QStringLiteral("RETURNDATE"), 20261204}, {QStringLiteral("RETURNED"), 0}});
        raw = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench-raw"));
        raw.setDatabaseName(path);
        raw.open();
    }
};

struct Contract : frmRentCar {
    explicit Contract(RunState& state) : frmRentCar(state, nullptr)
    {
        // The contract's rules name its fields through the live screen.
        state.screens().adopt(QStringLiteral("frmRentCar"), this);
        ScreenTag::set(this, QStringLiteral("SURRENDMODE"));
        show();
    }
};

// The statements of a surrender save, as a hand-written program would send them.
void rawSurrender(QSqlDatabase& db, qint64 rent, qint64 car, int paid)
{
    db.transaction();
    QSqlQuery q(db);
    q.exec(QStringLiteral("select * from RENT where RENTID = %1").arg(rent));
    q.exec(QStringLiteral("update RENT set PAID = %1, REMAINDER = %2 where RENTID = %3").arg(paid).arg(100 - paid).arg(rent));
    q.exec(QStringLiteral("update RENT set RETURNED = 1 where RENTID = %1").arg(rent));
    q.exec(QStringLiteral("update car set rented = 0, METER = 1420 where carid = %1").arg(car));
    q.exec(QStringLiteral("delete from JOURNALDETAIL where JOURNALID = 999999"));
    for (int i = 0; i < 8; ++i)
        q.exec(QStringLiteral("insert into JOURNALDETAIL (TRANSACTIONDATE, AMOUNT, JOURNALID, ACCOUNTNUMBER, "
                              "RELATEDDETAIL, DEBITORCREDIT) values (20261207, 60, 999999, 1100, 'line', %1)")
                   .arg(i % 2));
    db.commit();
}

void BM_SurrenderSaveAgainstRawStatements(benchmark::State& s)
{
    static Office o;
    static Contract screen(o.state);
    auto* paid = screen.findChild<QLineEdit*>(QStringLiteral("dfnPaid"));
    const QString where = QStringLiteral("where RENTID = ") + QString::number(o.rent);
    Clock::duration saving{}, raw{};
    int i = 0;
    for (auto _ : s) {
        screen.findChild<QLineEdit*>(QStringLiteral("dfnReturnMeter"))->setText(QStringLiteral("1420"));
        screen.findChild<QCheckBox*>(QStringLiteral("dffReturned"))->setChecked(true);
        paid->setText(QString::number(10 + (++i % 50)));
        const auto t0 = Clock::now();
        screen.Save();
        const auto t1 = Clock::now();
        rawSurrender(o.raw, o.rent, o.car, 10 + i % 50);
        saving += t1 - t0;
        raw += Clock::now() - t1;
        // The raw round changed the contract too: the screen reads it again, untimed.
        s.PauseTiming();
        o.state.service<cWindow>().Read(where, &screen);
        s.ResumeTiming();
    }
    s.counters["save/raw"] = double(saving.count()) / double(std::max<Clock::rep>(1, raw.count()));
    s.counters["save ms"] = benchmark::Counter(std::chrono::duration<double, std::milli>(saving).count(),
                                               benchmark::Counter::kAvgIterations);
}

void BM_RippleOfOneReturnDate(benchmark::State& s)
{
    static Office o;
    static Contract screen(o.state);
    auto* returnDate = screen.findChild<QDateEdit*>(QStringLiteral("dfdReturnDate"));
    int i = 0;
    for (auto _ : s)
        returnDate->setDate(QDate(2026, 12, 5).addDays(++i % 2));
}

// A picture of about 1 MB: noise does not compress.
QByteArray megabytePicture(quint32 seed)
{
    QImage noise(640, 520, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, random.generate());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    noise.save(&buffer, "PNG");
    return bytes;
}

void BM_OpenCarWithSevenPictures(benchmark::State& s)
{
    static Office o;
    for (int sequence = 1; sequence <= 7; ++sequence) {
        const qint64 row = o.state.db().insert(QStringLiteral("CARPICTURE"), QStringLiteral("CARPICTUREID"),
                                               {{QStringLiteral("CARID"), o.car}, {QStringLiteral("PICTURESEQUENCE"), sequence}});
        o.state.db().writeBlob(QStringLiteral("CARPICTURE"), QStringLiteral("CARPICTURE"), QStringLiteral("CARPICTUREID"),
                               row, megabytePicture(quint32(sequence)), {});
    }
    o.state.db().command(QStringLiteral("update car set rented = 0"));
    frmCars screen(o.state, nullptr);
    screen.show();
    Clock::duration opening{}, raw{};
    qint64 bytes = 0;
    for (auto _ : s) {
        const auto t0 = Clock::now();
        screen.Open();
        const auto t1 = Clock::now();
        QSqlQuery q(o.raw);
        q.exec(QStringLiteral("select CARPICTURE from CARPICTURE where CARID = %1").arg(o.car));
        while (q.next())
            bytes += q.value(0).toByteArray().size();
        opening += t1 - t0;
        raw += Clock::now() - t1;
    }
    benchmark::DoNotOptimize(bytes);
    s.counters["open/raw"] = double(opening.count()) / double(std::max<Clock::rep>(1, raw.count()));
    s.counters["open ms"] = benchmark::Counter(std::chrono::duration<double, std::milli>(opening).count(),
                                               benchmark::Counter::kAvgIterations);
}

// A damage mark with five camera photos of 5 MB: stored (the mark and its
// photos in one transaction), then the car's damage opened with the mark
// picked (marks read, photos read and their thumbnails made), against the
// raw inserts of the same photos.
void BM_DamageMarkWithFivePhotos(benchmark::State& s)
{
    static Office o;
    QList<QByteArray> photos;
    for (quint32 i = 1; i <= 5; ++i) {
        QImage noise(1700, 1560, QImage::Format_RGB32);
        QRandomGenerator random(i);
        for (int y = 0; y < noise.height(); ++y)
            for (int x = 0; x < noise.width(); ++x)
                noise.setPixel(x, y, random.generate());
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        noise.save(&buffer, "JPG", 100);
        photos << bytes;
    }
    Database& db = o.state.db();
    Clock::duration saving{}, opening{}, raw{};
    for (auto _ : s) {
        db.command(QStringLiteral("delete from CARDAMAGEPHOTO"));
        db.command(QStringLiteral("delete from CARDAMAGE"));
        const auto t0 = Clock::now();
        {
            Transaction transaction(db);
            const qint64 mark = CarDamage::add(db, o.car, {});
            for (const QByteArray& photo : std::as_const(photos))
                CarDamage::addPhoto(db, mark, QStringLiteral("photo.jpg"), photo);
            transaction.commit();
        }
        const auto t1 = Clock::now();
        {
            dlgCarDamage dialog(o.state, o.car, QStringLiteral("car"), nullptr);
            dialog.diagram()->setSelected(0);
        }
        const auto t2 = Clock::now();
        QSqlQuery q(o.raw);
        o.raw.transaction();
        q.prepare(QStringLiteral("insert into CARDAMAGEPHOTO (CARDAMAGEID, NAME, PHOTO) values (0, 'raw', ?)"));
        for (const QByteArray& photo : std::as_const(photos)) {
            q.addBindValue(photo);
            q.exec();
        }
        o.raw.commit();
        raw += Clock::now() - t2;
        saving += t1 - t0;
        opening += t2 - t1;
    }
    s.counters["save/raw"] = double(saving.count()) / double(std::max<Clock::rep>(1, raw.count()));
    s.counters["save ms"] = benchmark::Counter(std::chrono::duration<double, std::milli>(saving).count(),
                                               benchmark::Counter::kAvgIterations);
    s.counters["open ms"] = benchmark::Counter(std::chrono::duration<double, std::milli>(opening).count(),
                                               benchmark::Counter::kAvgIterations);
    s.counters["MB"] = double(photos[0].size() + photos[1].size() + photos[2].size() + photos[3].size()
                              + photos[4].size()) / 1e6;
}

BENCHMARK(BM_OpenCarWithSevenPictures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DamageMarkWithFivePhotos)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SurrenderSaveAgainstRawStatements)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RippleOfOneReturnDate)->Unit(benchmark::kMicrosecond);

}
