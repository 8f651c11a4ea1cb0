#pragma once

#include "engine/NumberRange.h"

#include <QLineEdit>

// The numeric edit field of the data screens: an optional sign, digits and one
// decimal point within the range of the column it is stored in, and it may
// stay empty (an empty field is "", never 0), so that the read pass can blank
// a zero. A key the range refuses is not taken, and the field says what it
// takes. A money field shows two decimals once a value is put into it from
// outside or the clerk leaves it (a bare 0 excepted, which the read pass
// blanks), and the office's
// currency suffix after a non-empty amount; the suffix is drawn, never part
// of the text.
class NumberEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(bool money READ isMoney WRITE setMoney)
    // The text, put in through the formatting setText.
    Q_PROPERTY(QString value READ text WRITE setText USER true)

public:
    explicit NumberEdit(QWidget* parent = nullptr);

    bool isMoney() const { return m_money; }
    void setMoney(bool money);

    const NumberRange& range() const { return m_range; }
    void setRange(const NumberRange& range) { m_range = range; }

    void setCurrencySuffix(const QString& suffix);
    // What the field shows after its text: the suffix for a money field
    // holding an amount, else nothing.
    QString suffixShown() const;

    // Hides QLineEdit::setText so that values put in by code are formatted.
    void setText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QString formatted(const QString& text) const;
    void tellRange();
    // Keeps room for the suffix at the trailing end, so that the amount never
    // runs under it.
    void reserveSuffixRoom();

    bool m_money = false;
    QString m_suffix;
    NumberRange m_range = NumberRange::anyNumber();
};
