#include "rental/BalanceText.h"

#include <QCoreApplication>
#include <QLabel>
#include <QString>
#include <cmath>

void BalanceText::show(QLabel* label, double balance, const QString& currencySuffix)
{
    // Below half a hundredth it is settled, whatever the sums left over.
    const double coin = 0.005;
    const QString amount = (QString::number(std::fabs(balance), 'f', 2) + QLatin1Char(' ') + currencySuffix).trimmed();
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
