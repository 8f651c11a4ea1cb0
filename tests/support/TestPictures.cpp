#include "support/TestPictures.h"

#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>

namespace {

QByteArray encoded(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}

namespace TestPictures {

QByteArray png(const QColor& colour)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(colour);
    return encoded(image);
}

QByteArray largePng()
{
    QImage noise(1400, 1300, QImage::Format_RGB32);
    QRandomGenerator random(8);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, random.generate());
    return encoded(noise);
}

}
