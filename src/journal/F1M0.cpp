#include "journal/F1M0.h"
#include "ui_F1M0.h"

#include "core/AppError.h"
#include "core/RunState.h"
#include "core/SqlValue.h"
#include "engine/cJournal.h"

F1M0::F1M0(RunState& state, QWidget* parent) : ArchiveScreen(state, parent), m_ui(std::make_unique<Ui::F1M0>())
{
    m_ui->setupUi(this);
    wire();
    connect(m_ui->DataGrid1, &QAbstractItemView::doubleClicked, this, &F1M0::showEntry);
}

F1M0::~F1M0() = default;

void F1M0::load()
{
    ArchiveScreen::load();
    run(ERROR_SOURCE, [this] {
        // The set-up has emptied the list; the operators fill it afresh.
        const RowSet operators = state().db().execute(QStringLiteral("select * from operator order by LOGINID"));
        for (int i = 0; i < operators.count(); ++i)
            m_ui->dfcUser->addItem(operators.text(i, QStringLiteral("LOGINID")));
        m_ui->dfcUser->setCurrentIndex(-1);
    });
}

QString F1M0::searchCondition() const
{
    QString user = m_ui->dfcUser->currentText().trimmed();
    if (user == QLatin1String("0"))
        user.clear();
    const QString userPart = !m_ui->dffAllUsers->isChecked() && !user.isEmpty()
                                 ? QStringLiteral(" and user = '") + SqlValue::text(user) + QLatin1Char('\'')
                                 : QString();
    // The description is looked for as typed: % and _ are letters here.
    return QStringLiteral("where JOURNALDATE between  ") + fromDate() + QStringLiteral(" and ") + toDate() + userPart
         + QStringLiteral(" ") + QStringLiteral(" and JOURNALDESCRIPTION LIKE '")
         + SqlValue::likeContains(m_ui->dfsDescription->text())
         // Oldest first on every engine, not in whatever order a scan meets the rows.
         + QStringLiteral("' ESCAPE '\\' order by JOURNALDATE, JOURNALTIME, JOURNALID");
}

void F1M0::showEntry()
{
    const QAbstractItemModel* model = m_ui->DataGrid1->model();
    const QModelIndex current = m_ui->DataGrid1->currentIndex();
    if (!model || model->rowCount() == 0 || !current.isValid())
        return;
    const QModelIndex first = model->index(current.row(), 0);
    m_ui->DataGrid1->setCurrentIndex(first);
    const QString entry = model->data(first).toString().trimmed();
    if (entry.isEmpty())
        return;
    run(ERROR_SOURCE, [this, &entry] {
        state().service<cJournal>().ViewFromJournal(SqlValue::number(entry, QStringLiteral("JOURNALID")).toLongLong(),
                                                     this);
    });
}
