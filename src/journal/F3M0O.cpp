#include "journal/F3M0O.h"
#include "ui_F3M0O.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/RunState.h"
#include "core/ScreenSetup.h"
#include "core/SqlValue.h"
#include "engine/ControlAccess.h"
#include "engine/RecordListModel.h"
#include "engine/cWindow.h"

#include <QKeyEvent>
#include <QMap>

namespace {

// A label goes between [ and ], where a ] would end the name early.
QString bracketed(const QString& label)
{
    QString safe = label;
    safe.remove(QLatin1Char(']'));
    return QLatin1Char('[') + safe + QLatin1Char(']');
}

}

F3M0O::F3M0O(RunState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(std::make_unique<Ui::F3M0O>()), m_list(new RecordListModel(state.db(), this))
{
    m_ui->setupUi(this);
    m_ui->grdMEMBERS->setModel(m_list);
    connect(m_ui->cmdSearch, &QPushButton::clicked, this, &F3M0O::RefreshgrdMEMBERS);
    connect(m_ui->grdMEMBERS, &QAbstractItemView::doubleClicked, this, &F3M0O::choose);
    connect(m_ui->cmdOk, &QPushButton::clicked, this, &F3M0O::choose);
    connect(m_ui->command0, &QPushButton::clicked, this, &QDialog::reject);
    ScreenSetup::run(state, this);
    m_ui->txtNAME->setFocus(Qt::OtherFocusReason);
}

F3M0O::~F3M0O() = default;

QString F3M0O::statement()
{
    Database& db = m_state.db();
    const RowSet columns = db.execute(QStringLiteral(
        "select WT.TABLENAME , WTD.* from WINDOWTABLE WT , WINDOWTABLEDETAILS WTD WHERE WTD.WINDOWTABLEID = "
        "WT.WINDOWTABLEID and WT.WINDOWNAME = 'F3M0' AND WTD.ONOFF = 1 ORDER BY DETAILSORDER"));
    if (columns.isEmpty())
        return {};
    const QString table = columns.text(0, QStringLiteral("TableName")).trimmed();
    m_table = table;
    // The list's first column is the record's key, whatever the table calls it.
    QString key = db.primaryKeyOf(table);
    if (key.isEmpty())
        key = QStringLiteral("ID");

    QStringList list{key + QStringLiteral(" as [ID:]")};
    QMap<QString, QStringList> narrowed;  // criterion -> the columns it narrows
    for (int i = 0; i < columns.count(); ++i) {
        const QString column = columns.text(i, QStringLiteral("Column")).trimmed();
        list << column + QStringLiteral(" as ") + bracketed(columns.text(i, QStringLiteral("COLUMNLABEL")));
        const QString criterion = columns.text(i, QStringLiteral("SEARCHFIELD")).trimmed();
        if (!criterion.isEmpty())
            narrowed[criterion] << column;
    }

    // Each typed criterion must match one of its columns; an empty one narrows nothing.
    QStringList conditions;
    for (auto it = narrowed.cbegin(); it != narrowed.cend(); ++it) {
        const QWidget* field = ControlAccess::find(this, it.key());
        const QString typed = field ? ControlAccess::text(field).trimmed() : QString();
        if (typed.isEmpty())
            continue;
        QStringList matches;
        for (const QString& column : it.value())
            matches << column + QStringLiteral(" like '") + SqlValue::likeContains(typed) + QStringLiteral("' ESCAPE '\\'");
        conditions << QLatin1Char('(') + matches.join(QStringLiteral(" or ")) + QLatin1Char(')');
    }
    return QStringLiteral("SELECT ") + list.join(QStringLiteral(" , ")) + QStringLiteral(" FROM ") + table
         + (conditions.isEmpty() ? QString() : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" and ")))
         + QStringLiteral(" ORDER BY ") + key;
}

void F3M0O::RefreshgrdMEMBERS()
{
    guarded(m_state, this, QStringLiteral("F3M0O.RefreshgrdMEMBERS"), [this] {
        const QString sql = statement();
        if (sql.isEmpty())
            return;
        m_list->setStatement(sql);
        if (m_list->rowCount() > 0)
            m_ui->grdMEMBERS->setCurrentIndex(m_list->index(0, 0));
    });
    m_ui->dfrecordcount->setText(QString::number(m_list->rowCount()));
}

void F3M0O::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && m_ui->grdMEMBERS->hasFocus()) {
        choose();
        return;
    }
    // Down from a criterion goes into the list, onto the row found first.
    const bool inCriteria = m_ui->txtNAME->hasFocus() || m_ui->txtaddress->hasFocus();
    if (event->key() == Qt::Key_Down && inCriteria && m_list->rowCount() > 0) {
        if (!m_ui->grdMEMBERS->currentIndex().isValid())
            m_ui->grdMEMBERS->setCurrentIndex(m_list->index(0, 0));
        m_ui->grdMEMBERS->setFocus(Qt::TabFocusReason);
        return;
    }
    QDialog::keyPressEvent(event);
}

void F3M0O::choose()
{
    const QModelIndex current = m_ui->grdMEMBERS->currentIndex();
    if (!current.isValid())
        return;
    const QString key = m_list->data(m_list->index(current.row(), 0)).toString().trimmed();
    if (key.isEmpty())
        return;
    const bool chosen = guarded(m_state, this, ERROR_SOURCE, [this, &key] {
        const QString id = SqlValue::number(key, QStringLiteral("ID:"));
        QWidget* opener = parentWidget();
        if (!opener)
            return;
        // Only a list of the opener's own records reads the choice into it;
        // from any other screen the list is a look-up.
        const RowSet own = m_state.db().execute(
            QStringLiteral("select WT.TABLENAME , WTD.* from _WINDOWTABLE WT , _WINDOWTABLEDETAILS WTD WHERE "
                           "WTD.WINDOWTABLEID = WT.WINDOWTABLEID and WT.WINDOWNAME = '")
            + SqlValue::text(opener->objectName()) + QStringLiteral("' AND WTD.ONOFF = 1 and identifier = 1 "));
        if (own.isEmpty() || own.text(0, QStringLiteral("TableName")).trimmed().compare(m_table, Qt::CaseInsensitive) != 0)
            return;
        m_state.CurrentRecordId = id.toLongLong();
        m_state.service<cWindow>().Read(QStringLiteral(" WHERE ") + own.text(0, QStringLiteral("Column")).trimmed()
                                            + QStringLiteral(" = ") + id,
                                        opener);
    });
    if (chosen)
        accept();
}
