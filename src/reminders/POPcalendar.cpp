#include "reminders/POPcalendar.h"
#include "ui_POPcalendar.h"

#include "core/AppError.h"
#include "core/KeyRoutines.h"
#include "core/ScreenSetup.h"
#include "core/StoredDate.h"
#include "core/TextConvert.h"
#include "engine/ControlAccess.h"

#include <QApplication>
#include <QDate>
#include <QKeyEvent>
#include <QLocale>

POPcalendar::POPcalendar(RunState& state, QWidget* parent)
    : QDialog(parent), m_state(state), m_ui(std::make_unique<Ui::POPcalendar>())
{
    m_ui->setupUi(this);
    // The office week starts on Saturday; an Arabic interface names its months and days in Arabic.
    if (QApplication::isRightToLeft())
        m_ui->calendar1->setLocale(QLocale(QLocale::Arabic, QLocale::Kuwait));
    m_ui->calendar1->setFirstDayOfWeek(Qt::Saturday);
    connect(m_ui->calendar1, &QCalendarWidget::clicked, this, &POPcalendar::pick);
    connect(m_ui->calendar1, &QCalendarWidget::activated, this, &POPcalendar::pick);
}

POPcalendar::~POPcalendar() = default;

bool POPcalendar::event(QEvent* event)
{
    if (event->type() == QEvent::Show && !m_loaded) {
        m_loaded = true;
        ScreenSetup::run(m_state, this);
    }
    if (event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) {
        m_ui->calendar1->setSelectedDate(QDate::currentDate());
        m_ui->calendar1->showToday();
    }
    return QDialog::event(event);
}

void POPcalendar::pick(const QDate& day)
{
    // The day goes the way of every stored date: yyyymmdd, then dd/mm/yyyy.
    const QString shown = DateText(StoredDate::text(day));
    if (m_targetScreen && !m_targetControl.isEmpty()) {
        try {
            if (QWidget* control = ControlAccess::find(m_targetScreen, m_targetControl))
                ControlAccess::setText(control, shown);
        } catch (const AppError&) {
            // A control that takes no such text keeps its own.
        }
    }
    close();
}

void POPcalendar::keyPressEvent(QKeyEvent* event)
{
    if (!KeyRoutines::dataScreenKey(m_state, this, event->key()))
        QDialog::keyPressEvent(event);
}
