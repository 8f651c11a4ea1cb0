#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QPointF>
#include <QString>

class Database;
class RowSet;

// The damage a car carries: marks drawn on its diagram (CARDAMAGE), each with
// any number of photos (CARDAMAGEPHOTO). A mark stands on the car until it is
// repaired; what stands is what the next contract starts from.
namespace CarDamage {

// Where on the diagram: the views of the car.
enum class Zone { Top = 0, LeftSide = 1, RightSide = 2, Front = 3, Back = 4 };
constexpr int ZoneCount = 5;

enum class Kind { Scratch = 1, Dent = 2, Crack = 3, MissingPart = 4 };
constexpr int KindCount = 4;

struct Mark {
    qint64 id = 0;  // 0 until stored
    Zone zone = Zone::Top;
    // The spot within the zone's view, 0 to 1 across and down.
    QPointF spot{0.5, 0.5};
    Kind kind = Kind::Scratch;
    int size = 0;  // centimetres
    QString note;
    qint64 rentId = 0;  // the contract it was found on; 0 when none
    QDate found;
    int photos = 0;
    // Found as the car came back on its contract, even on the day it left.
    bool atReturn = false;
};

struct Photo {
    qint64 id = 0;
    QString name;
};

QString kindName(Kind kind);
QString zoneName(Zone zone);

// The car's marks not yet repaired, oldest first, with their photo counts.
QList<Mark> standing(Database& db, qint64 carId);
// The marks of rows read from CARDAMAGE; a column PHOTOS gives their photo counts.
QList<Mark> marks(const RowSet& rows);
// Stores a new mark on the car and gives its key.
qint64 add(Database& db, qint64 carId, const Mark& mark);
// Writes the mark's place, kind, size and note.
void update(Database& db, const Mark& mark);
// The mark leaves the car's standing damage; `voucherId` names the
// maintenance voucher that repaired it, 0 for a tick on the car.
void markRepaired(Database& db, qint64 markId, const QDate& when, qint64 voucherId = 0);

// Takes away a mark made by mistake, with its photos.
void remove(Database& db, qint64 markId);

// Photos: kept whole in the database, in blocks.
qint64 addPhoto(Database& db, qint64 markId, const QString& name, const QByteArray& bytes);
QList<Photo> photos(Database& db, qint64 markId);
QByteArray photo(Database& db, qint64 photoId);
void removePhoto(Database& db, qint64 photoId);

}
