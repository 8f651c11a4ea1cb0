#pragma once

#include "ProbeScreen.h"
#include "engine/EngineSetup.h"
#include "journal/JournalScreens.h"
#include "shell/base/ErrorLog.h"
#include "support/TestOffice.h"

#include <QAbstractItemModel>
#include <QDate>
#include <QFile>
#include <QStringList>
#include <QTableView>
#include <QTest>
#include <QWidget>
#include <memory>
#include <ostream>

// Failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// A test office with the journal screens and the probe customer screen
// registered, the engine installed and ADMIN logged in.
struct JournalOffice {
    JournalOffice()
    {
        office.loginAs(QStringLiteral("ADMIN"));
        installEngine(state());
        registerJournalScreens(state().screens());
        ProbeScreen::install(db());
        state().screens().add(ProbeScreen::Name,
                              [](RunState& s, QWidget* parent) { return new ProbeScreen(s, parent); });
    }

    Database& db() { return office.db(); }
    RunState& state() { return office.state(); }
    ScriptedUI& ui() { return office.ui(); }

    // The registered screen, built and shown (so it runs its loading).
    std::unique_ptr<QWidget> open(const QString& name)
    {
        std::unique_ptr<QWidget> screen(state().screens().instance(name, nullptr));
        ui().show(screen.get());
        return screen;
    }

    static QString stored(const QDate& day) { return day.toString(QStringLiteral("yyyyMMdd")); }

    qint64 addEntry(const QString& user, const QDate& day, const QString& description)
    {
        return db().insert(QStringLiteral("_JOURNAL"), QStringLiteral("JOURNALID"),
                           {{QStringLiteral("USER"), user},
                            {QStringLiteral("JOURNALDATE"), stored(day).toLongLong()},
                            {QStringLiteral("JOURNALTIME"), QStringLiteral("101500")},
                            {QStringLiteral("JOURNALDESCRIPTION"), description},
                            {QStringLiteral("FORM"), ProbeScreen::Name},
                            {QStringLiteral("FORMNAME"), ProbeScreen::Caption},
                            {QStringLiteral("MODIFICATIONDESCRIPTION"), QStringLiteral("تعديل")}});
    }

    qint64 addCustomer(const QString& name, const QList<Database::Field>& more = {})
    {
        return db().insert(QStringLiteral("Customer"), QStringLiteral("CUSTOMERID"),
                           QList<Database::Field>{{QStringLiteral("name"), name}} + more);
    }

    // The texts of one column of a grid, top to bottom.
    static QStringList column(const QTableView* grid, int number)
    {
        QStringList texts;
        const QAbstractItemModel* model = grid->model();
        for (int row = 0; model && row < model->rowCount(); ++row)
            texts << model->data(model->index(row, number)).toString();
        return texts;
    }

    // A double-click as the operator makes it: a click first, so the grid
    // knows the cell pressed.
    static void doubleClick(QTableView* grid, const QModelIndex& cell)
    {
        const QPoint at = grid->visualRect(cell).center();
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
    }

    QString errorLog()
    {
        QFile file(errorLogPath(state()));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    TestOffice office;
};
