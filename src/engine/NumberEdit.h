#pragma once

#include <QLineEdit>

// The numeric edit field of the data screens: an optional sign, digits and one
// decimal point, and it may stay empty (an empty field is "", never 0), so that
// the read pass can blank a zero. A money field shows two decimals once a value
// is put into it from outside (a bare 0 excepted, which the read pass blanks).
class NumberEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(bool money READ isMoney WRITE setMoney)

public:
    explicit NumberEdit(QWidget* parent = nullptr);

    bool isMoney() const { return m_money; }
    void setMoney(bool money);

    // Hides QLineEdit::setText so that values put in by code are formatted.
    void setText(const QString& text);

private:
    QString formatted(const QString& text) const;

    bool m_money = false;
};
