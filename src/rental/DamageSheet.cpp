#include "rental/DamageSheet.h"

#include "core/Database.h"
#include "core/RunState.h"
#include "core/SqlValue.h"
#include "rental/DamageDiagram.h"
#include "reports/ReportPictures.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <algorithm>

namespace DamageSheet {

namespace {

// Wide enough to stay sharp across the page.
constexpr int SheetWidth = 1700;
constexpr int CaptionHeight = 64;
constexpr int Gap = 12;

QByteArray encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 85);
    return bytes;
}

struct Shot {
    QImage image;
    QString caption;
};

// The columns that give the photos the most room, taken as 4:3.
int columnsFor(qsizetype shots, const QSizeF& sheet)
{
    int best = 1;
    double widest = 0;
    for (int columns = 1; columns <= shots; ++columns) {
        const qsizetype rows = (shots + columns - 1) / columns;
        const double width = std::min(sheet.width() / columns, (sheet.height() / rows - CaptionHeight) * 4 / 3);
        if (width > widest) {
            widest = width;
            best = columns;
        }
    }
    return best;
}

}

QString onPaper(const QString& d, const QString& r)
{
    // Standing as the car went out: found by then and not repaired before it.
    return QStringLiteral("%1.CARID = %2.CARNO and (%1.RENTID = %2.RENTID or (%1.FOUNDDATE <= %2.EXITDATE and "
                          "(%1.REPAIRED = 0 or %1.REPAIREDDATE > %2.EXITDATE)))")
        .arg(d, r);
}

QString foundAtReturn(const QString& d, const QString& r)
{
    // What was noted as the car went out carries the exit date; marks of
    // offices made before the return was flagged are told by their date.
    return QStringLiteral("(%1.RENTID = %2.RENTID and (%1.ATRETURN = 1 or %1.FOUNDDATE > %2.EXITDATE))").arg(d, r);
}

QList<Entry> marks(Database& db, qint64 rentId)
{
    const RowSet rows = db.execute(
        QStringLiteral("select d.CARDAMAGEID, d.ZONE, d.POSX, d.POSY, d.KIND, d.SIZE, d.NOTE, d.RENTID, d.FOUNDDATE, d.ATRETURN, "
                       "case when %1 then 1 else 0 end as FRESH from CARDAMAGE d, RENT r where r.RENTID = %2 and %3 "
                       "order by d.CARDAMAGEID")
            .arg(foundAtReturn(), SqlValue::number(rentId), onPaper()));
    const QList<CarDamage::Mark> read = CarDamage::marks(rows);
    QList<Entry> entries;
    for (int i = 0; i < read.size(); ++i)
        entries.append({read.at(i), rows.value(i, QStringLiteral("FRESH")).toInt() == 1});
    return entries;
}

QByteArray diagram(Database& db, qint64 rentId)
{
    DamageDiagram drawing;
    QList<CarDamage::Mark> standing;
    const QList<Entry> entries = marks(db, rentId);
    for (const Entry& e : entries)
        if (!e.fresh)
            standing.append(e.mark);
    drawing.setStanding(standing);
    for (const Entry& e : entries)
        if (e.fresh)
            drawing.addMark(e.mark, true);
    return encoded(drawing.image({SheetWidth, drawing.heightForWidth(SheetWidth)}).convertToFormat(QImage::Format_RGB32),
                   "PNG");
}

QByteArray photoSheet(Database& db, qint64 rentId)
{
    QList<Shot> shots;
    const QList<Entry> entries = marks(db, rentId);
    for (int i = 0; i < entries.size(); ++i) {
        const CarDamage::Mark& m = entries.at(i).mark;
        QString caption = QCoreApplication::translate("DamageSheet", "%1. %2, %3")
                              .arg(i + 1)
                              .arg(CarDamage::kindName(m.kind), CarDamage::zoneName(m.zone));
        if (entries.at(i).fresh)
            caption = QCoreApplication::translate("DamageSheet", "%1 (new)").arg(caption);
        for (const CarDamage::Photo& photo : CarDamage::photos(db, m.id)) {
            const QImage image = QImage::fromData(CarDamage::photo(db, photo.id));
            if (!image.isNull())
                shots.append({image.scaled(SheetWidth / 2, SheetWidth / 2, Qt::KeepAspectRatio, Qt::SmoothTransformation),
                              caption});
        }
    }
    if (shots.isEmpty())
        return {};
    QImage sheet(SheetWidth, qRound(SheetWidth * PhotosAspect), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    const int columns = columnsFor(shots.size(), sheet.size());
    const qsizetype rows = (shots.size() + columns - 1) / columns;
    const QSizeF cell(sheet.width() / double(columns), sheet.height() / double(rows));
    const bool rightToLeft = QGuiApplication::layoutDirection() == Qt::RightToLeft;
    QPainter p(&sheet);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QFont font = p.font();
    font.setPixelSize(CaptionHeight / 2);
    p.setFont(font);
    for (qsizetype i = 0; i < shots.size(); ++i) {
        const qsizetype column = rightToLeft ? columns - 1 - i % columns : i % columns;
        const QRectF box(QPointF(column * cell.width(), double(i / columns) * cell.height()), cell);
        const QRectF room = box.adjusted(Gap, Gap, -Gap, -Gap - CaptionHeight);
        QSizeF shown = shots.at(i).image.size();
        shown.scale(room.size(), Qt::KeepAspectRatio);
        const QRectF target(room.center() - QPointF(shown.width() / 2, shown.height() / 2), shown);
        p.drawImage(target, shots.at(i).image);
        p.setPen(QColor(127, 127, 127));
        p.drawRect(target);
        p.setPen(Qt::black);
        p.drawText(QRectF(box.left(), room.bottom(), box.width(), CaptionHeight), Qt::AlignCenter,
                   shots.at(i).caption);
    }
    p.end();
    return encoded(sheet, "JPEG");
}

void install(RunState& state)
{
    ReportPictures& pictures = state.service<ReportPictures>();
    pictures.add(QLatin1String(DiagramFrame),
                 [](Database& db, const QString& rent) { return diagram(db, rent.toLongLong()); });
    pictures.add(QLatin1String(PhotosFrame),
                 [](Database& db, const QString& rent) { return photoSheet(db, rent.toLongLong()); });
}

}
