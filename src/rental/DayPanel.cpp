#include "rental/DayPanel.h"

#include "core/AppError.h"
#include "core/ErrorLog.h"
#include "core/RunState.h"
#include "core/cSecurity.h"
#include "rental/frmDayList.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

constexpr int Columns = 5;
constexpr int MinuteMs = 60 * 1000;

// A number that asks for the clerk's attention as soon as it is not 0.
bool warns(DayAtAGlance::Item item)
{
    return item == DayAtAGlance::Overdue || item == DayAtAGlance::Documents;
}

}

DayPanel::DayPanel(RunState& state, QWidget* parent)
    : QFrame(parent), m_state(state), m_heading(new QLabel(this)), m_minute(new QTimer(this)),
      m_afterSave(new QTimer(this))
{
    setObjectName(QStringLiteral("DayPanel"));
    setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 4, 6, 6);
    grid->setSpacing(6);
    m_heading->setObjectName(QStringLiteral("lblToday"));
    grid->addWidget(m_heading, 0, 0, 1, Columns);

    QFont big = font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    for (int i = 0; i < DayAtAGlance::ItemCount; ++i) {
        const auto item = DayAtAGlance::Item(i);
        auto* button = new QPushButton(this);
        button->setObjectName(QStringLiteral("cmdDay%1").arg(i + 1));
        auto* lines = new QVBoxLayout(button);
        lines->setContentsMargins(4, 2, 4, 2);
        lines->setSpacing(0);
        auto* figure = new QLabel(button);
        figure->setFont(big);
        auto* caption = new QLabel(DayAtAGlance::caption(item), button);
        for (QLabel* label : {figure, caption}) {
            label->setAlignment(Qt::AlignCenter);
            label->setAttribute(Qt::WA_TransparentForMouseEvents);
            lines->addWidget(label);
        }
        button->setMinimumHeight(figure->sizeHint().height() + caption->sizeHint().height() + 8);
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, item] { openList(item); });
        grid->addWidget(button, 1 + i / Columns, i % Columns);
        m_items[i] = button;
        m_figures[i] = figure;
    }

    m_minute->setInterval(MinuteMs);
    connect(m_minute, &QTimer::timeout, this, &DayPanel::refresh);
    // A save is often one of several in a row: one reading after them all,
    // once the saving screen has let the events run.
    m_afterSave->setSingleShot(true);
    m_afterSave->setInterval(0);
    connect(m_afterSave, &QTimer::timeout, this, &DayPanel::refresh);
    connect(&m_state.saves(), &SaveNotice::saved, m_afterSave, qOverload<>(&QTimer::start));
}

void DayPanel::start()
{
    // The ledger's figures are for those who may open the ledger.
    const bool money = cSecurity(m_state).HasMenuRight(QStringLiteral("F4M"), 6);
    m_items[DayAtAGlance::MonthIncome]->setVisible(money);
    m_items[DayAtAGlance::CustomersOwe]->setVisible(money);
    refresh();
    m_minute->start();
    show();
}

void DayPanel::refresh()
{
    const QDate today = QDate::currentDate();
    m_heading->setText(tr("Today, %1").arg(today.toString(QStringLiteral("dd/MM/yyyy"))));
    try {
        showFigures(DayAtAGlance(m_state.db(), today).figures());
    } catch (const AppError& e) {
        LogError(m_state, window(), e, ERROR_SOURCE);
        for (int i = 0; i < DayAtAGlance::ItemCount; ++i) {
            m_figures[i]->setText(QStringLiteral("?"));
            m_items[i]->setAccessibleName(DayAtAGlance::caption(DayAtAGlance::Item(i)));
        }
    }
}

void DayPanel::showFigures(const DayAtAGlance::Figures& figures)
{
    for (int i = 0; i < DayAtAGlance::ItemCount; ++i) {
        const auto item = DayAtAGlance::Item(i);
        const QString text = DayAtAGlance::isMoney(item) ? QString::number(figures[i], 'f', 2)
                                                         : QString::number(qRound64(figures[i]));
        m_figures[i]->setText(text);
        // Drawn in the button's text colour, as a label inside a button is.
        QPalette palette = m_items[i]->palette();
        if (warns(item) && figures[i] > 0)
            palette.setColor(QPalette::ButtonText, QColor(0xc0, 0x1c, 0x1c));
        m_figures[i]->setPalette(palette);
        m_items[i]->setAccessibleName(DayAtAGlance::caption(item) + QStringLiteral(": ") + text);
    }
}

QString DayPanel::figure(DayAtAGlance::Item item) const
{
    return m_figures[item]->text();
}

void DayPanel::openList(DayAtAGlance::Item item)
{
    DayAtAGlance::List list;
    if (!guarded(m_state, window(), ERROR_SOURCE,
                 [&] { list = DayAtAGlance(m_state.db(), QDate::currentDate()).list(item); }))
        return;
    frmDayList rows(m_state, item, list, window());
    m_state.ui().exec(&rows);
    // What the clerk opened from the list he may have changed.
    refresh();
}

bool DayPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}
