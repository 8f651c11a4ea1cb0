#pragma once

#include "core/Database.h"
#include "core/SqlValue.h"

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QApplication>
#include <QKeyEvent>
#include <QTableView>
#include <QWidget>
#include <gtest/gtest.h>

// Small helpers for the tests of real data screens.
namespace ScreenChecks {

// The screen's control of that name, compared without regard to case.
template <typename W = QWidget>
W* control(const QWidget* screen, const QString& name)
{
    for (W* w : screen->findChildren<W*>())
        if (w->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return w;
    return nullptr;
}

// Types the text key by key, Arabic letters too (QTest::keyClicks knows
// only the Latin keyboard).
inline void type(QWidget* field, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(field, &release);
    }
}

// Clicks the screen's button; a button the screen does not have fails the test,
// or a renamed button would turn the test into one that checks nothing.
inline void click(const QWidget* screen, const QString& button)
{
    if (auto* b = control<QAbstractButton>(screen, button))
        b->click();
    else
        ADD_FAILURE() << "screen " << qPrintable(screen->objectName()) << " has no button " << qPrintable(button);
}

// The columns of one row as text, in the order asked, a null empty; nothing when the row is missing.
inline QStringList stored(Database& db, const QString& table, const QString& key, qint64 id, const QStringList& columns)
{
    const RowSet rows = db.execute(QStringLiteral("select * from %1 where %2 = %3").arg(table, key, SqlValue::number(id)));
    QStringList values;
    for (const QString& c : columns)
        if (!rows.isEmpty())
            values << rows.text(0, c).trimmed();
    return values;
}

// Every row of the first list on the dialog, its cells as text.
inline QList<QStringList> listed(const QWidget* dialog)
{
    QList<QStringList> rows;
    const QAbstractItemModel* model = dialog->findChild<QTableView*>()->model();
    for (int r = 0; r < model->rowCount(); ++r) {
        rows.append(QStringList());
        for (int c = 0; c < model->columnCount(); ++c)
            rows.last() << model->index(r, c).data().toString().trimmed();
    }
    return rows;
}

}
