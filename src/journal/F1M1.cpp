#include "journal/F1M1.h"
#include "ui_F1M1.h"

F1M1::F1M1(RunState& state, QWidget* parent) : ArchiveScreen(state, parent), m_ui(std::make_unique<Ui::F1M1>())
{
    m_ui->setupUi(this);
    wire();
}

F1M1::~F1M1() = default;

QString F1M1::searchCondition() const
{
    return QStringLiteral("where TRANSACTIONDATE BETWEEN ") + fromDate() + QStringLiteral(" AND ") + toDate()
           + QStringLiteral(" order by TRANSACTIONDATE, JOURNALID");
}
