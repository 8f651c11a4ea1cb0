#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QString>
#include <QVariant>

// What a screen held when its record was last read or saved: the stored value
// of every bound column and the value every bound control then showed. A save
// writes only the fields whose controls changed since, and first checks that
// the row still holds the stored values, so that an edit made meanwhile on
// another workstation is never overwritten. Lives as a child of its screen.
class ReadSnapshot : public QObject {
    Q_OBJECT
public:
    // The snapshot of the record `where` selects on `screen`, or null.
    static ReadSnapshot* of(QWidget* screen, const QString& where);
    // Replaces whatever the screen held.
    static ReadSnapshot* take(QWidget* screen, const QString& where);

    // Stored values, by table and lower-case column.
    QHash<QString, QHash<QString, QVariant>> stored;
    // Shown values in their stored form, by lower-case control name; a control
    // missing here counts as changed.
    QHash<QString, QString> shown;
    // Controls the read filled with the time of day, or whose value the screen's
    // rules changed during the read: what the operator sees is what a save stores.
    QSet<QString> filled;

    // Whether the control of that lower-case name changed since.
    bool changed(const QString& key, const QString& now) const;

private:
    explicit ReadSnapshot(QWidget* screen, const QString& where);
    static QString normalised(const QString& where);

    QString m_where;
};
