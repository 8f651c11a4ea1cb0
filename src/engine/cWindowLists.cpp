// The engine's lists: the open and new-record dialogs, metadata grids, the
// fixed combo-box lists with their type-ahead, and the favourite screen.
#include "engine/cWindow.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/RunState.h"
#include "core/ScreenOpener.h"
#include "core/ScreenTag.h"
#include "core/SqlValue.h"
#include "core/TextConvert.h"
#include "core/cSecurity.h"
#include "engine/ControlAccess.h"
#include "engine/GridCombo.h"
#include "engine/RecordListModel.h"
#include "engine/frmGeneralN.h"
#include "engine/frmGeneralOpen.h"

#include <QApplication>
#include <QDialog>
#include <QComboBox>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableView>

namespace {

// A label goes between [ and ], where a ] would end the name early.
QString bracketed(const QString& label)
{
    QString safe = label;
    safe.remove(QLatin1Char(']'));
    return QLatin1Char('[') + safe + QLatin1Char(']');
}

// A list comes in the same order on every engine: the screen's own order,
// else by `key`. Quoted text (a search typed by the operator) is no order.
QString ordered(const QString& condition, const QString& key)
{
    static const QRegularExpression quoted(QStringLiteral("'[^']*'"));
    static const QRegularExpression orderBy(QStringLiteral("\\border\\s+by\\b"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (QString(condition).remove(quoted).contains(orderBy))
        return condition;
    return condition + QStringLiteral(" ORDER BY ") + key;
}

QString definitionJoin(const QString& screenName)
{
    return QStringLiteral("select WT.TABLENAME , WTD.* from _WINDOWTABLE WT , _WINDOWTABLEDETAILS WTD WHERE "
                          "WTD.WINDOWTABLEID = WT.WINDOWTABLEID and WT.WINDOWNAME = '")
         + SqlValue::text(screenName);
}

}

void cWindow::ShowNew(QWidget* screen, const QString& caption, const QString& nameField, const Fields& otherFields)
{
    QWidget* target = activeScreen(screen);
    guarded(m_state, target, ERROR_SOURCE, [&] {
        const QString screenName = target ? target->objectName() : QString();
        const RowSet identifier = m_state.db().execute(
            definitionJoin(screenName) + QStringLiteral("' AND WTD.ONOFF = 1 and identifier = 1 "));
        if (identifier.isEmpty())
            return;
        frmGeneralN dialog(m_state, target);
        dialog.setCaption(caption);
        dialog.strIdentifier = identifier.text(0, QStringLiteral("Column")).trimmed();
        dialog.strTableName = identifier.text(0, QStringLiteral("TableName")).trimmed();
        dialog.strNameField = nameField;
        dialog.otherFields = otherFields;
        dialog.screen = target;
        m_state.ui().exec(&dialog);
    });
}

bool cWindow::ShowOpen(QWidget* screen, const QString& caption, const QString& condition, const OpenSearch& search)
{
    QWidget* target = activeScreen(screen);
    const QString screenName = target ? target->objectName() : QString();
    RowSet columns;
    try {
        columns = m_state.db().execute(definitionJoin(screenName)
                                       + QStringLiteral("' AND WTD.ONOFF = 1 and gridorder > 0 ORDER BY GRIDORDER ASC"));
    } catch (const AppError&) {
        // Without its grid definition the screen has nothing to list.
    }
    if (columns.isEmpty())
        return false;

    // Every step from here on is passed over when it fails: the dialog opens anyway.
    QHash<QString, QString> orElse;
    for (auto it = search.orElse.cbegin(); it != search.orElse.cend(); ++it)
        orElse.insert(it.key().toLower(), it.value());
    QString list;
    for (int i = 0; i < columns.count(); ++i) {
        const QString column = columns.text(i, QStringLiteral("Column")).trimmed();
        const QString other = orElse.value(column.toLower());
        // Written in the engines' own words rather than IIf and Nz: a search
        // reads this for every row, and SQLite then calls none of our functions.
        const QString shown = other.isEmpty()
                                ? column
                                : QStringLiteral("case when coalesce(%1, '') = '' then %2 else %1 end").arg(column, other);
        list += shown + QStringLiteral(" as ") + bracketed(columns.text(i, QStringLiteral("COLUMNLABEL")))
              + QLatin1Char(',');
    }
    // Searched but not shown: the dialog hides them. A server folds such a
    // name to lower case where the list names it again.
    for (const QString& column : search.alsoSearched)
        list += column + QStringLiteral(" as ") + bracketed(column.toLower()) + QLatin1Char(',');
    list.chop(1);

    QList<int> types;
    QString key = QStringLiteral("1");
    for (int i = 0; i < columns.count(); ++i) {
        types << columns.value(i, QStringLiteral("Type")).toInt();
        if (columns.value(i, QStringLiteral("identifier")).toInt() == 1)
            key = columns.text(i, QStringLiteral("Column"));
    }

    frmGeneralOpen dialog(m_state, target);
    dialog.list()->setColumnTypes(types);
    // A list of every row is counted by the table's kept count, not read through.
    const QString table = columns.text(0, QStringLiteral("TableName")).trimmed();
    static const QRegularExpression everyRow(QStringLiteral("^(where\\s+1\\s*=\\s*1)?\\s*(order\\s+by\\s+\\w+(\\s+(asc|desc))?)?$"),
                                             QRegularExpression::CaseInsensitiveOption);
    if (everyRow.match(condition.trimmed()).hasMatch())
        dialog.list()->setWholeTable(table);
    dialog.setList(QStringLiteral("SELECT ") + list + QStringLiteral(" FROM ") + table + QLatin1Char(' ') + ordered(condition, key));
    dialog.setShownColumns(columns.count());
    dialog.setCaption(caption);
    for (int i = 0; i < columns.count(); ++i) {
        const QString width = NullToText(columns.value(i, QStringLiteral("gridwidth")), false);
        if (SqlValue::isNumber(width) && width.toDouble() != 0)
            dialog.setColumnWidth(i, int(width.toDouble()));
    }
    // Only a row the operator chose counts: a dialog closed without a choice
    // leaves the screen on its own record.
    const qint64 before = m_state.CurrentRecordId;
    m_state.CurrentRecordId = 0;
    const bool chosen = m_state.ui().exec(&dialog) == QDialog::Accepted && m_state.CurrentRecordId != 0;
    if (!chosen)
        m_state.CurrentRecordId = before;
    return chosen;
}

bool cWindow::ReadGrid(QWidget* screen, const QString& gridName, const QString& condition,
                       const QHash<QString, int>& columnTypes)
{
    QWidget* target = activeScreen(screen);
    bool filled = false;
    guarded(m_state, target, ERROR_SOURCE, [&] {
        const QString screenName = target ? target->objectName() : QString();
        const RowSet grid = m_state.db().execute(
            QStringLiteral("select * from _GRIDTABLE where WINDOWNAME = '") + SqlValue::text(screenName)
            + QStringLiteral("' and  GRIDNAME = '") + SqlValue::text(gridName) + QStringLiteral("' and ONOFF = 1 "));
        if (grid.isEmpty())
            return;
        const RowSet details = m_state.db().execute(
            QStringLiteral("select * from _GRIDTABLEDETAILS WHERE ONOFF = 1 AND GRIDTABLEID = ")
            + SqlValue::number(grid.text(0, QStringLiteral("GRIDTABLEID")), QStringLiteral("GRIDTABLEID"))
            + QStringLiteral(" ORDER BY GRIDCOLUMNNUMBER"));
        QString list;
        for (int i = 0; i < details.count(); ++i)
            list += details.text(i, QStringLiteral("Column")) + QStringLiteral(" AS ")
                  + bracketed(details.text(i, QStringLiteral("GRIDLABEL"))) + QLatin1Char(',');
        list.chop(1);
        const QString table = grid.text(0, QStringLiteral("TableName"));
        const QList<int> types = gridTypes(table, details, columnTypes);

        auto* view = qobject_cast<QTableView*>(ControlAccess::require(target, gridName));
        if (!view)
            throw AppError(ErrorNumber::UnknownColumn,
                           QStringLiteral("The control %1 of %2 is not a grid").arg(gridName, screenName),
                           ERROR_SOURCE);
        auto* model = qobject_cast<RecordListModel*>(view->model());
        if (!model || model->parent() != view) {
            model = new RecordListModel(m_state.db(), view);
            view->setModel(model);
        }
        model->setColumnTypes(types);
        model->setStatement(QStringLiteral("SELECT ") + list + QStringLiteral(" FROM ") + table + QStringLiteral("  ")
                            + ordered(condition, QStringLiteral("1")));
        for (int i = 0; i < details.count(); ++i) {
            const QVariant width = details.value(i, QStringLiteral("ColumnWidth"));
            if (!width.isNull())
                view->setColumnWidth(i, width.toInt());
        }
        filled = true;
    });
    return filled;
}

QList<int> cWindow::gridTypes(const QString& table, const RowSet& details, const QHash<QString, int>& columnTypes)
{
    // The screens that edit the table know which of its columns hold dates and times.
    QHash<QString, int> known;
    const RowSet bound = m_state.db().execute(
        QStringLiteral("select WTD.* from _WINDOWTABLE WT , _WINDOWTABLEDETAILS WTD WHERE WTD.WINDOWTABLEID = "
                       "WT.WINDOWTABLEID and WT.TABLENAME = '")
        + SqlValue::text(table.trimmed()) + QStringLiteral("' AND WTD.ONOFF = 1 and WTD.TYPE in (2, 5)"));
    for (int i = 0; i < bound.count(); ++i)
        known.insert(bound.text(i, QStringLiteral("Column")).trimmed().toLower(),
                     bound.value(i, QStringLiteral("Type")).toInt());
    for (auto it = columnTypes.cbegin(); it != columnTypes.cend(); ++it)
        known.insert(it.key().toLower(), it.value());
    QList<int> types;
    for (int i = 0; i < details.count(); ++i)
        types << known.value(details.text(i, QStringLiteral("Column")).trimmed().toLower(), -1);
    return types;
}

void cWindow::FillComboBoxes(QWidget* screen)
{
    if (!screen || ScreenTag::get(screen) == QLatin1String("Menu"))
        return;
    const QString screenName = SqlValue::text(screen->objectName());
    for (QComboBox* box : screen->findChildren<QComboBox*>()) {
        // Lists from a table are filled by their screens.
        if (box->objectName().isEmpty() || qobject_cast<GridCombo*>(box))
            continue;
        const RowSet rows = m_state.db().execute(
            QStringLiteral("select default, comboboxvalue,displayorder from _screencombobox where columnname = '")
            + SqlValue::text(box->objectName()) + QStringLiteral("' and windowname = '") + screenName
            + QStringLiteral("'  and onoff = 1 order by displayorder"));
        // Our own text changes must not be completed again.
        m_comboChanging = true;
        const QString kept = box->currentText();
        box->clear();
        QString defaultValue;
        bool hasDefault = false;
        for (int i = 0; i < rows.count(); ++i) {
            const QString value = rows.text(i, QStringLiteral("comboboxvalue"));
            if (rows.value(i, QStringLiteral("default")).toInt() == 1) {
                defaultValue = value;
                hasDefault = true;
            } else {
                box->addItem(value, rows.value(i, QStringLiteral("displayorder")));
            }
        }
        if (hasDefault) {
            box->addItem(defaultValue);
            box->setCurrentIndex(box->count() - 1);
        }
        if (box->isEditable()) {
            // The engine completes what is typed; the list offers, it does not add.
            box->setCompleter(nullptr);
            box->setInsertPolicy(QComboBox::NoInsert);
            if (!hasDefault)
                box->setEditText(kept);
            completeTyping(box);
        }
        m_comboChanging = false;
    }
}

void cWindow::FillGridCombo(QWidget* screen, const QString& control, const QString& statement, int shownColumn,
                            int valueColumn)
{
    auto* box = qobject_cast<GridCombo*>(ControlAccess::require(activeScreen(screen), control));
    if (!box)
        throw AppError(ErrorNumber::UnknownColumn,
                       QStringLiteral("%1 is not a list filled from a table").arg(control),
                       ERROR_SOURCE);
    box->setRows(m_state.db().execute(statement), shownColumn, valueColumn);
}

void cWindow::completeTyping(QComboBox* box)
{
    // Only what the operator types is completed: a text a read puts in stays as stored.
    static const char* const wired = "ijarCompletesTyping";
    if (box->property(wired).toBool() || !box->lineEdit())
        return;
    box->setProperty(wired, true);
    QObject::connect(box->lineEdit(), &QLineEdit::textEdited, box, [this, box] { ComboBoxOnChange(box); });
}

void cWindow::ComboBoxOnChange(QComboBox* box)
{
    if (m_comboChanging)
        return;
    if (!box) {
        QWidget* focus = QApplication::focusWidget();
        box = qobject_cast<QComboBox*>(focus);
        if (!box && focus)
            box = qobject_cast<QComboBox*>(focus->parentWidget());
    }
    if (!box || !box->lineEdit())
        return;
    QLineEdit* edit = box->lineEdit();
    const QString typed = edit->text();
    const int n = int(typed.size());
    const QString beforeCursor = typed.left(edit->cursorPosition()).toUpper();

    const auto complete = [&](const QString& item, int start, int length) {
        m_comboChanging = true;
        box->setEditText(item);
        if (length > 0)
            edit->setSelection(start, length);
        else
            edit->setCursorPosition(start);
        m_comboChanging = false;
    };

    for (int i = 0; i < box->count(); ++i) {
        const QString item = box->itemText(i);
        if (item.toUpper() == beforeCursor) {
            complete(item, int(item.size()), 0);
            return;
        }
    }
    if (n == 0)
        return;
    const QString upper = typed.toUpper();
    for (int i = 0; i < box->count(); ++i) {
        const QString item = box->itemText(i);
        if (item.left(n).toUpper() == upper) {
            complete(item, n, int(item.size()) - n);
            return;
        }
    }
}

void cWindow::ShowFavouriteWindow(QWidget* parent,
                                  const std::function<void(QWidget* parent, const QString& screen)>& openFromMenus)
{
    QString name;
    guarded(m_state, parent, QStringLiteral("ShowFavouriteWindow"),
            [&] { name = cSecurity(m_state).FavouriteWindow(m_state.CurrentLoginId); });
    if (name.isEmpty() || !m_state.screens().contains(name))
        return;
    openFromMenus(parent, name);
}
