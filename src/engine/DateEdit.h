#pragma once

#include <QDateEdit>

// The date field of the data screens: it may be empty, as a date nobody knows
// yet is (a birth date not asked, a car not yet rented). Empty shows blank;
// the first digit typed starts from today's date at its day, the calendar
// opens on this month, Delete empties the field again. Its tool tip may give
// the day in the Hijri calendar.
class DateEdit : public QDateEdit {
    Q_OBJECT
    // The field's value: a null date while it is empty; a null date empties it.
    Q_PROPERTY(QDate value READ value WRITE setValue USER true)

public:
    explicit DateEdit(QWidget* parent = nullptr);

    bool isEmpty() const;
    QDate value() const;
    void setValue(const QDate& date);
    // Empties the field.
    void clear() override;
    void stepBy(int steps) override;
    // Whether the tool tip gives the day in the Umm al-Qura calendar too, as
    // the office's HIJRIDATES option asks; the field's own tool tip stays before it.
    void setHijriShown(bool shown) { m_hijriShown = shown; }

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    StepEnabled stepEnabled() const override;
    // An empty field has no day, month and year to walk: Tab leaves it.
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void startFromToday();
    // An empty field's calendar opens on this month, not on the first day it can hold.
    void showThisMonth();

    bool m_hijriShown = false;
};
