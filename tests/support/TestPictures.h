#pragma once

#include <QBuffer>
#include <QImage>
#include <QRandomGenerator>

// Pictures for the tests of screens that store them.
namespace TestPictures {

inline QByteArray encoded(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A small PNG of one colour.
inline QByteArray png(const QColor& colour)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(colour);
    return encoded(image);
}

// A PNG of noise, which does not compress: over 5 MB.
inline QByteArray largePng()
{
    QImage noise(1400, 1300, QImage::Format_RGB32);
    QRandomGenerator random(8);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, random.generate());
    return encoded(noise);
}

}
