#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <cstdint>
#include <cstring>

// A fuzzer's bytes cut into the parts a target needs: parts are separated by
// a zero byte, and the missing ones are empty.
inline QList<QString> fuzzParts(const uint8_t* data, size_t size, int count)
{
    const QList<QByteArray> raw = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
    QList<QString> parts;
    for (int i = 0; i < count; ++i)
        parts << (i < raw.size() ? QString::fromUtf8(raw.at(i)) : QString());
    return parts;
}

// A double from the first eight bytes, as a test would never think of it.
inline double fuzzDouble(const uint8_t* data, size_t size)
{
    double value = 0;
    std::memcpy(&value, data, size < sizeof value ? size : sizeof value);
    return value;
}
