#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <functional>

class Database;
class RunState;

// Pictures a report asks the layers above it to draw: a data step's column
// named like a registered picture holds what to draw it of (a contract's
// number), and the picture goes into the document's frame of that name.
// The subsystem that knows the drawing registers it as the program starts.
class ReportPictures {
public:
    // The encoded picture (PNG, JPEG) of `of`; empty for none, and the frame goes.
    using Drawing = std::function<QByteArray(Database& db, const QString& of)>;

    explicit ReportPictures(RunState&) {}

    void add(const QString& column, Drawing drawing);
    // The drawing registered for the column, whatever its case; null for none.
    const Drawing* find(const QString& column) const;

private:
    QHash<QString, Drawing> m_drawings;  // by upper-case column
};
