#include "JournalOffice.h"

#include "engine/ControlAccess.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

const QDate Today = QDate::currentDate();

}

TEST(F1M1, ListsTheAccountingJournalsOfTheDateRange)
{
    JournalOffice o;
    const QDate yesterday = Today.addDays(-1);
    const QDate lastMonth = Today.addDays(-30);
    QHash<QString, QString> nameOf;
    for (const auto& [name, day] : {std::pair{"rent returned", Today}, std::pair{"fuel", yesterday},
                                    std::pair{"insurance", lastMonth}}) {
        const qint64 id = o.db().insert(QStringLiteral("JOURNAL"), QStringLiteral("JOURNALID"),
                                        {{QStringLiteral("NAME"), QLatin1String(name)},
                                         {QStringLiteral("AMOUNT"), 12.5},
                                         {QStringLiteral("TRANSACTIONDATE"), JournalOffice::stored(day).toLongLong()}});
        nameOf.insert(QString::number(id), QLatin1String(name));
    }
    struct Case {
        const char* name;
        QDate from;
        QDate to;
        QStringList expected;
    };
    const Case cases[] = {
        {"today", Today, Today, {"rent returned"}},
        {"both ends count", lastMonth, yesterday, {"fuel", "insurance"}},
        {"the whole month", lastMonth, Today, {"fuel", "insurance", "rent returned"}},
        {"from after to", Today, yesterday, {}},
    };

    const auto screen = o.open(QStringLiteral("F1M1"));
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("Accounting Arch"));
    auto* from = qobject_cast<QDateEdit*>(ControlAccess::require(screen.get(), QStringLiteral("dfdFrom")));
    auto* to = qobject_cast<QDateEdit*>(ControlAccess::require(screen.get(), QStringLiteral("dfdTo")));
    EXPECT_EQ(from->date(), Today);
    EXPECT_EQ(to->date(), Today);
    // The operator and description take no part here.
    qobject_cast<QComboBox*>(ControlAccess::require(screen.get(), QStringLiteral("dfcUser")))
        ->setCurrentText(QStringLiteral("NOBODY"));
    ControlAccess::setText(ControlAccess::require(screen.get(), QStringLiteral("dfsDescription")),
                           QStringLiteral("nothing like it"));
    auto* grid = qobject_cast<QTableView*>(ControlAccess::require(screen.get(), QStringLiteral("DataGrid1")));
    auto* search = qobject_cast<QPushButton*>(ControlAccess::require(screen.get(), QStringLiteral("cmdSearch")));
    for (const Case& c : cases) {
        from->setDate(c.from);
        to->setDate(c.to);
        search->click();
        QStringList found;
        for (const QString& id : JournalOffice::column(grid, 0))
            found << nameOf.value(id, id);
        found.sort();
        EXPECT_EQ(found, c.expected) << c.name;
    }
    EXPECT_TRUE(o.errorLog().isEmpty()) << o.errorLog().toStdString();
}

TEST(F1M1, AllUsersLocksTheOperatorList)
{
    JournalOffice o;
    const auto screen = o.open(QStringLiteral("F1M1"));
    auto* all = qobject_cast<QCheckBox*>(ControlAccess::require(screen.get(), QStringLiteral("dffAllUsers")));
    QWidget* users = ControlAccess::require(screen.get(), QStringLiteral("dfcUser"));
    all->click();
    EXPECT_FALSE(users->isEnabled());
    all->click();
    EXPECT_TRUE(users->isEnabled());
}
