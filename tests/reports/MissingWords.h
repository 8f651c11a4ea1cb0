#pragma once

#include <QRegularExpression>
#include <QSet>
#include <QStringList>

// The words (letters and digits) of `expected` that `text` lacks. Words only:
// a right-to-left line comes out of a PDF turned, its brackets and punctuation moved.
inline QStringList missingWords(const QString& expected, const QString& text)
{
    static const QRegularExpression word(QStringLiteral("[\\p{L}\\p{N}]+"));
    QSet<QString> found;
    for (const QRegularExpressionMatch& m : word.globalMatch(text))
        found.insert(m.captured());
    QStringList missing;
    for (const QRegularExpressionMatch& m : word.globalMatch(expected))
        if (!found.contains(m.captured()))
            missing.append(m.captured());
    return missing;
}
