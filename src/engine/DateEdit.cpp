#include "engine/DateEdit.h"

#include "core/HijriDate.h"

#include <QCalendarWidget>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolTip>

DateEdit::DateEdit(QWidget* parent) : QDateEdit(parent)
{
    // The earliest date the field holds stands for "no date" and shows blank.
    setSpecialValueText(QStringLiteral(" "));
    clear();
    // The mouse rests on the text part mostly, which may carry a tool tip of its own.
    installEventFilter(this);
    lineEdit()->installEventFilter(this);
}

bool DateEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ToolTip || !m_hijriShown || isEmpty())
        return QDateEdit::eventFilter(watched, event);
    auto* over = static_cast<QWidget*>(watched);
    QStringList lines{over->toolTip(), HijriDate::text(date())};
    lines.removeAll(QString());
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), lines.join(u'\n'), over);
    return true;
}

bool DateEdit::isEmpty() const
{
    return date() == minimumDate();
}

QDate DateEdit::value() const
{
    return isEmpty() ? QDate() : date();
}

void DateEdit::setValue(const QDate& date)
{
    if (date.isNull())
        clear();
    else
        setDate(date);
}

void DateEdit::clear()
{
    setDate(minimumDate());
}

void DateEdit::startFromToday()
{
    setDate(QDate::currentDate());
    setCurrentSectionIndex(0);
    setSelectedSection(sectionAt(0));
}

void DateEdit::stepBy(int steps)
{
    if (isEmpty())
        startFromToday();
    else
        QDateEdit::stepBy(steps);
}

QAbstractSpinBox::StepEnabled DateEdit::stepEnabled() const
{
    if (isEmpty() && !isReadOnly())
        return StepUpEnabled | StepDownEnabled;
    return QDateEdit::stepEnabled();
}

bool DateEdit::focusNextPrevChild(bool next)
{
    return isEmpty() ? QWidget::focusNextPrevChild(next) : QDateEdit::focusNextPrevChild(next);
}

void DateEdit::keyPressEvent(QKeyEvent* event)
{
    if (!isReadOnly()) {
        const QString selected = lineEdit()->selectedText();
        const bool allSelected = !selected.isEmpty() && selected == lineEdit()->text();
        if (event->key() == Qt::Key_Delete || (event->key() == Qt::Key_Backspace && (allSelected || isEmpty()))) {
            clear();
            event->accept();
            return;
        }
        if (isEmpty() && event->text().size() == 1 && event->text().at(0).isDigit())
            startFromToday();
    }
    QDateEdit::keyPressEvent(event);
    showThisMonth();
}

void DateEdit::mousePressEvent(QMouseEvent* event)
{
    QDateEdit::mousePressEvent(event);
    showThisMonth();
}

void DateEdit::showThisMonth()
{
    if (!isEmpty() || !calendarPopup())
        return;
    QCalendarWidget* calendar = calendarWidget();
    if (calendar && calendar->isVisible())
        calendar->setCurrentPage(QDate::currentDate().year(), QDate::currentDate().month());
}
