#pragma once

#include <QObject>
#include <QString>

// Arabic-Indic digits (U+0660-0669, U+06F0-06F9) and the Arabic decimal
// separator as the Western digits and point the stored forms use; every
// other character stays.
QString westernDigits(QString text);

// Lets a date or time field take the digits of an Arabic keyboard: a typed
// Arabic-Indic digit reaches the field as its Western digit. A date or time is
// typed straight through: a separator moves to the next section, unless the
// section was full and the field moved on by itself.
class WesternDigitKeys : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_sending = false;
    bool m_movedOn = false;
};
