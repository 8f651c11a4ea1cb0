#pragma once

#include "shell/base/Database.h"
#include "shell/base/SqlValue.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QStringList>
#include <QWidget>

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

inline void click(const QWidget* screen, const QString& button)
{
    if (auto* b = control<QAbstractButton>(screen, button))
        b->click();
}

// What the screen's metadata names but the screen or the database lacks:
// bound controls and their columns, combo lists and validation rules.
inline QStringList metadataMismatches(Database& db, const QWidget* screen)
{
    QStringList problems;
    const QString name = SqlValue::quoted(screen->objectName());
    const RowSet bindings = db.execute(
        QStringLiteral("select WT.TABLENAME , WTD.* from _WINDOWTABLE WT, _WINDOWTABLEDETAILS WTD "
                       "where WTD.WINDOWTABLEID = WT.WINDOWTABLEID and WT.WINDOWNAME = ")
        + name);
    for (int i = 0; i < bindings.count(); ++i) {
        const QString control = bindings.text(i, QStringLiteral("WINDOWCONTROL"));
        const QString column = bindings.text(i, QStringLiteral("COLUMN")).trimmed();
        const QString table = bindings.text(i, QStringLiteral("TABLENAME"));
        if (!ScreenChecks::control(screen, control))
            problems << QStringLiteral("no control ") + control;
        if (!db.columnsOf(table).contains(column, Qt::CaseInsensitive))
            problems << QStringLiteral("no column ") + table + QLatin1Char('.') + column;
    }
    const RowSet combos = db.execute(
        QStringLiteral("select distinct COLUMNNAME from _SCREENCOMBOBOX where WINDOWNAME = ") + name);
    for (int i = 0; i < combos.count(); ++i)
        if (!ScreenChecks::control(screen, combos.text(i, QStringLiteral("COLUMNNAME"))))
            problems << QStringLiteral("no combo box ") + combos.text(i, QStringLiteral("COLUMNNAME"));
    const RowSet rules = db.execute(
        QStringLiteral("select vldtnname1, FOCUSFIELDNAME from _WINDOWVALIDATION where WINDOWNAME = ") + name);
    for (int i = 0; i < rules.count(); ++i)
        for (const char* column : {"vldtnname1", "FOCUSFIELDNAME"})
            if (!ScreenChecks::control(screen, rules.text(i, QLatin1String(column))))
                problems << QStringLiteral("no rule control ") + rules.text(i, QLatin1String(column));
    return problems;
}

}
