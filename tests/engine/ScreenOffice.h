#pragma once

#include "SyntheticScreen.h"
#include "core/ErrorLog.h"
#include "engine/ControlAccess.h"
#include "engine/cWindow.h"
#include "support/TestOffice.h"

#include <QFile>
#include <memory>

// A test office with the synthetic screen defined and built, ADMIN logged in. An `open` screen
// is made through the screen registry, so that bind variables find it by name.
struct ScreenOffice {
    explicit ScreenOffice(const QString& name = SyntheticScreen::Name, bool withNotes = true, bool open = false)
    {
        office.loginAs(QStringLiteral("admin"));
        SyntheticScreen::install(db(), name, withNotes);
        if (open)
            state().screens().add(name, [name](RunState&, QWidget* parent) { return SyntheticScreen::build(name, parent); });
        screen.reset(open ? static_cast<QDialog*>(state().screens().instance(name, nullptr)) : SyntheticScreen::build(name));
    }

    Database& db() { return office.db(); }
    RunState& state() { return office.state(); }
    ScriptedUI& ui() { return office.ui(); }
    cWindow& window() { return office.state().service<cWindow>(); }
    QWidget* control(const QString& name) const { return ControlAccess::require(screen.get(), name); }
    void set(const char* name, const QString& text) { ControlAccess::setValue(control(QLatin1String(name)), text); }
    QString value(const char* name) const { return ControlAccess::value(control(QLatin1String(name))); }
    static QString where(qint64 key) { return QStringLiteral("where SYNTHID = ") + QString::number(key); }
    bool read(qint64 key) { return window().Read(where(key), screen.get()); }
    bool save(qint64 key) { return window().Save(where(key), screen.get()); }
    // A SYNTHETIC row and its SYNTHETICNOTES row with the same key; gives the key.
    qint64 addRecord(const QList<Database::Field>& fields, const QList<Database::Field>& noteFields = {})
    {
        const qint64 key = db().insert(SyntheticScreen::Table, SyntheticScreen::Key, fields);
        db().insert(SyntheticScreen::NotesTable, SyntheticScreen::Key, QList{Database::Field{SyntheticScreen::Key, key}} + noteFields);
        return key;
    }
    // One column of one row, null when the row is missing.
    QVariant stored(const char* column, qint64 key, const QString& table = SyntheticScreen::Table)
    {
        const RowSet rows = db().executeBound(QStringLiteral("select %1 from %2 where SYNTHID = ?").arg(QLatin1String(column), table),
                                              {key});
        return rows.isEmpty() ? QVariant() : rows.value(0, 0);
    }
    qint64 count(const QString& table)
    { return db().execute(QStringLiteral("select count(*) from ") + table).value(0, 0).toLongLong(); }
    // Every row of both tables and of the journal, as text.
    QString snapshot()
    {
        QString out;
        for (const char* table : {"SYNTHETIC", "SYNTHETICNOTES", "_JOURNAL", "_JOURNALDETAILS"}) {
            const RowSet rows = db().execute(QStringLiteral("select * from ") + QLatin1String(table));
            for (int i = 0; i < rows.count(); ++i)
                for (int c = 0; c < rows.columns().size(); ++c)
                    out += rows.value(i, c).toString() + QLatin1Char('|');
        }
        return out;
    }
    QString errorLog()
    {
        QFile file(errorLogPath(office.state()));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    TestOffice office;
    std::unique_ptr<QDialog> screen;
};
