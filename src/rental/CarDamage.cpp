#include "rental/CarDamage.h"

#include "core/Database.h"
#include "core/StoredDate.h"

#include <QCoreApplication>

namespace CarDamage {

namespace {

const QString MarkTable = QStringLiteral("CARDAMAGE");
const QString MarkKey = QStringLiteral("CARDAMAGEID");
const QString PhotoTable = QStringLiteral("CARDAMAGEPHOTO");
const QString PhotoKey = QStringLiteral("CARDAMAGEPHOTOID");
const QString PhotoColumn = QStringLiteral("PHOTO");

QList<Database::Field> placeFields(const Mark& mark)
{
    return {{QStringLiteral("ZONE"), int(mark.zone)},
            {QStringLiteral("POSX"), mark.spot.x()},
            {QStringLiteral("POSY"), mark.spot.y()},
            {QStringLiteral("KIND"), int(mark.kind)},
            {QStringLiteral("SIZE"), mark.size},
            {QStringLiteral("NOTE"), mark.note}};
}

Zone zoneOf(int stored)
{
    return stored >= 0 && stored < ZoneCount ? Zone(stored) : Zone::Top;
}

Kind kindOf(int stored)
{
    return stored >= 1 && stored <= KindCount ? Kind(stored) : Kind::Scratch;
}

}

QString kindName(Kind kind)
{
    switch (kind) {
    case Kind::Dent:
        return QCoreApplication::translate("CarDamage", "Dent");
    case Kind::Crack:
        return QCoreApplication::translate("CarDamage", "Crack");
    case Kind::MissingPart:
        return QCoreApplication::translate("CarDamage", "Missing part");
    case Kind::Scratch:
        break;
    }
    return QCoreApplication::translate("CarDamage", "Scratch");
}

QString zoneName(Zone zone)
{
    switch (zone) {
    case Zone::LeftSide:
        return QCoreApplication::translate("CarDamage", "Left side");
    case Zone::RightSide:
        return QCoreApplication::translate("CarDamage", "Right side");
    case Zone::Front:
        return QCoreApplication::translate("CarDamage", "Front");
    case Zone::Back:
        return QCoreApplication::translate("CarDamage", "Back");
    case Zone::Top:
        break;
    }
    return QCoreApplication::translate("CarDamage", "From above");
}

QList<Mark> standing(Database& db, qint64 carId)
{
    return marks(db.executeBound(
        QStringLiteral("select d.CARDAMAGEID, d.ZONE, d.POSX, d.POSY, d.KIND, d.SIZE, d.NOTE, d.RENTID, d.FOUNDDATE, d.ATRETURN, "
                       "(select count(*) from CARDAMAGEPHOTO p where p.CARDAMAGEID = d.CARDAMAGEID) as PHOTOS "
                       "from CARDAMAGE d where d.CARID = ? and d.REPAIRED = 0 order by d.CARDAMAGEID"),
        {carId}));
}

QList<Mark> marks(const RowSet& rows)
{
    QList<Mark> result;
    result.reserve(rows.count());
    const bool photos = rows.hasColumn(QStringLiteral("PHOTOS"));
    for (int r = 0; r < rows.count(); ++r) {
        Mark m;
        m.id = rows.value(r, MarkKey).toLongLong();
        m.zone = zoneOf(rows.value(r, QStringLiteral("ZONE")).toInt());
        m.spot = {rows.value(r, QStringLiteral("POSX")).toDouble(), rows.value(r, QStringLiteral("POSY")).toDouble()};
        m.kind = kindOf(rows.value(r, QStringLiteral("KIND")).toInt());
        m.size = rows.value(r, QStringLiteral("SIZE")).toInt();
        m.note = rows.text(r, QStringLiteral("NOTE"));
        m.rentId = rows.value(r, QStringLiteral("RENTID")).toLongLong();
        m.found = StoredDate::parse(rows.text(r, QStringLiteral("FOUNDDATE")));
        m.atReturn = rows.value(r, QStringLiteral("ATRETURN")).toInt() == 1;
        m.photos = photos ? rows.value(r, QStringLiteral("PHOTOS")).toInt() : 0;
        result << m;
    }
    return result;
}

qint64 add(Database& db, qint64 carId, const Mark& mark)
{
    const QDate found = mark.found.isValid() ? mark.found : QDate::currentDate();
    return db.insert(MarkTable, MarkKey,
                     placeFields(mark)
                         << Database::Field{QStringLiteral("CARID"), carId}
                         << Database::Field{QStringLiteral("RENTID"), mark.rentId}
                         << Database::Field{QStringLiteral("FOUNDDATE"), StoredDate::number(found)}
                         << Database::Field{QStringLiteral("ATRETURN"), int(mark.atReturn)}
                         << Database::Field{QStringLiteral("REPAIRED"), 0});
}

void update(Database& db, const Mark& mark)
{
    const QList<Database::Field> fields = placeFields(mark);
    QStringList sets;
    QVariantList values;
    for (const Database::Field& f : fields) {
        sets << f.first + QStringLiteral(" = ?");
        values << f.second;
    }
    values << mark.id;
    db.executeBound(QStringLiteral("update CARDAMAGE set ") + sets.join(QStringLiteral(", "))
                        + QStringLiteral(" where CARDAMAGEID = ?"),
                    values);
}

void markRepaired(Database& db, qint64 markId, const QDate& when, qint64 voucherId)
{
    db.executeBound(QStringLiteral("update CARDAMAGE set REPAIRED = 1, REPAIREDDATE = ?, MAINTENANCEID = ? "
                                   "where CARDAMAGEID = ?"),
                    {StoredDate::number(when), voucherId, markId});
}

void remove(Database& db, qint64 markId)
{
    Transaction transaction(db);
    db.executeBound(QStringLiteral("delete from CARDAMAGEPHOTO where CARDAMAGEID = ?"), {markId});
    db.executeBound(QStringLiteral("delete from CARDAMAGE where CARDAMAGEID = ?"), {markId});
    transaction.commit();
}

qint64 addPhoto(Database& db, qint64 markId, const QString& name, const QByteArray& bytes)
{
    Transaction transaction(db);
    const qint64 id = db.insert(PhotoTable, PhotoKey,
                                {{QStringLiteral("CARDAMAGEID"), markId}, {QStringLiteral("NAME"), name}});
    db.writeBlob(PhotoTable, PhotoColumn, PhotoKey, id, bytes);
    transaction.commit();
    return id;
}

QList<Photo> photos(Database& db, qint64 markId)
{
    const RowSet rows = db.executeBound(
        QStringLiteral("select CARDAMAGEPHOTOID, NAME from CARDAMAGEPHOTO where CARDAMAGEID = ? order by CARDAMAGEPHOTOID"),
        {markId});
    QList<Photo> result;
    for (int r = 0; r < rows.count(); ++r)
        result << Photo{rows.value(r, PhotoKey).toLongLong(), rows.text(r, QStringLiteral("NAME"))};
    return result;
}

QByteArray photo(Database& db, qint64 photoId)
{
    return db.readBlob(PhotoTable, PhotoColumn, PhotoKey, photoId);
}

void removePhoto(Database& db, qint64 photoId)
{
    db.executeBound(QStringLiteral("delete from CARDAMAGEPHOTO where CARDAMAGEPHOTOID = ?"), {photoId});
}

}
