#include "engine/DateEdit.h"

#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>

DateEdit::DateEdit(QWidget* parent) : QDateEdit(parent)
{
    // The earliest date the field holds stands for "no date" and shows blank.
    setSpecialValueText(QStringLiteral(" "));
    clear();
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
