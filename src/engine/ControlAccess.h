#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QVariant>

class QWidget;

// How the engine reaches a control: by name without regard to case, and through
// its three faces:
//  - the default value: the widget's user property (QLineEdit text,
//    QPlainTextEdit plainText, QDateEdit date, QTimeEdit time, QCheckBox 0/1,
//    QComboBox currentText, and the value our own fields declare: a null date
//    while a DateEdit is empty, a FuelGauge's eighths, 0 when stored empty);
//    null for kinds that have none (labels, tab sets, buttons, group boxes,
//    lists);
//  - Text (line edits, plain-text edits, combo boxes, date/time edits as shown);
//    labels, check boxes and tab sets have none;
//  - Value (date edit "dd/mm/yyyy", time edit "hh:mm:ss", check box 0/1, and the
//    default value for the other kinds).
// An empty DateEdit has an empty Text and Value, and an empty text empties it.
namespace ControlAccess {

QWidget* find(const QWidget* screen, const QString& name);
// Like find, but throws AppError naming the screen and control when missing.
QWidget* require(const QWidget* screen, const QString& name);

// The same answers as find and require, for many lookups on one screen: the
// names are gathered once.
class Index {
public:
    explicit Index(const QWidget* screen);
    QWidget* find(const QString& name) const;
    QWidget* require(const QString& name) const;

    // Once one has been made for a screen, every Index and find of it share
    // names gathered once for the screen's life: the many lookups of each
    // read, check and save of a data screen. While one lives, a control found
    // is taken as it is; outside, and in the next one, it is checked again: a
    // control made, renamed, moved to another window or gone since is walked
    // for again.
    class Keep {
    public:
        explicit Keep(const QWidget* screen);
        ~Keep();
        Keep(const Keep&) = delete;
        Keep& operator=(const Keep&) = delete;

    private:
        const QWidget* m_screen;
    };

    using Names = QHash<QString, QPointer<QWidget>>;

private:
    const QWidget* m_screen;
    Names m_byName;
    bool m_kept = false;
};

QVariant defaultValue(const QWidget* control);
void setDefaultValue(QWidget* control, const QString& text);

bool hasText(const QWidget* control);
QString text(const QWidget* control);
void setText(QWidget* control, const QString& text);

QString value(const QWidget* control);
void setValue(QWidget* control, const QString& text);

}
