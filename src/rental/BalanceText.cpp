#include "rental/BalanceText.h"

#include <QCoreApplication>
#include <QLabel>
#include <cmath>

void BalanceText::show(QLabel* label, double balance, int decimals)
{
    // Below half the smallest coin it is settled, whatever the sums left over.
    const double coin = std::pow(10.0, -decimals) / 2;
    const QString amount = QString::number(std::fabs(balance), 'f', decimals);
    if (balance >= coin) {
        label->setText(QCoreApplication::translate("BalanceText", "%1 owed by the customer").arg(amount));
        label->setStyleSheet(QStringLiteral("color: #b00000;"));
    } else if (balance <= -coin) {
        label->setText(QCoreApplication::translate("BalanceText", "%1 owed to the customer").arg(amount));
        label->setStyleSheet(QStringLiteral("color: #005a9e;"));
    } else {
        label->setText(QCoreApplication::translate("BalanceText", "Settled"));
        label->setStyleSheet({});
    }
}
