#include "JournalOffice.h"

#include "engine/ControlAccess.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QWidget* find(QWidget* screen, const char* name)
{
    return ControlAccess::require(screen, QLatin1String(name));
}

void type(QWidget* screen, const char* field, const QString& text)
{
    auto* edit = qobject_cast<QLineEdit*>(find(screen, field));
    edit->clear();
    QTest::keyClicks(edit, text);
}

QTableView* members(QWidget* search)
{
    return qobject_cast<QTableView*>(find(search, "grdMEMBERS"));
}

}

TEST(F3M0O, FindsCustomersByNameAndByTelephone)
{
    JournalOffice o;
    QHash<QString, QString> nameOf;
    const auto add = [&](const QString& name, const char* column, const char* tel) {
        nameOf.insert(QString::number(o.addCustomer(name, {{QLatin1String(column), QLatin1String(tel)}})), name);
    };
    add(QStringLiteral("Salem Ahmad"), "HOMETEL1", "22334455");
    add(QStringLiteral("Fahad"), "HOMEMOB", "99887766");
    add(QStringLiteral("Salem Ali"), "WORKTEL1", "11112222");
    add(QStringLiteral("Noura O'Brien"), "WORKMOB", "55550000");
    add(QStringLiteral("100% Cars"), "HOMETEL1", "77770000");

    struct Case {
        const char* name;
        const char* typedName;
        const char* typedTel;
        QStringList expected;
    };
    const Case cases[] = {
        {"no criteria", "", "", {"Salem Ahmad", "Fahad", "Salem Ali", "Noura O'Brien", "100% Cars"}},
        {"by name, any case", "salem", "", {"Salem Ahmad", "Salem Ali"}},
        {"by home mobile", "", "9988", {"Fahad"}},
        {"by work telephone", "", "1111", {"Salem Ali"}},
        {"by work mobile", "", "5555", {"Noura O'Brien"}},
        {"name and telephone together", "Salem", "2233", {"Salem Ahmad"}},
        {"a name with an apostrophe", "o'b", "", {"Noura O'Brien"}},
        {"a percent sign is a letter", "0%", "", {"100% Cars"}},
        {"nobody", "Zaid", "", {}},
    };

    const auto search = o.open(QStringLiteral("F3M0O"));
    EXPECT_EQ(search->windowTitle(), QStringLiteral("Search for Customer"));
    for (const Case& c : cases) {
        type(search.get(), "txtNAME", QString::fromUtf8(c.typedName));
        type(search.get(), "txtaddress", QString::fromUtf8(c.typedTel));
        qobject_cast<QPushButton*>(find(search.get(), "cmdSearch"))->click();
        QStringList found;
        for (const QString& id : JournalOffice::column(members(search.get()), 0))
            found << nameOf.value(id, id);
        EXPECT_EQ(found, c.expected) << c.name;  // in key order
        EXPECT_EQ(ControlAccess::text(find(search.get(), "dfrecordcount")), QString::number(c.expected.size()))
            << c.name;
    }
    EXPECT_TRUE(o.errorLog().isEmpty()) << o.errorLog().toStdString();
}

TEST(F3M0O, ShowsNothingWithoutItsDefinition)
{
    JournalOffice o;
    o.addCustomer(QStringLiteral("Salem"));
    o.db().command(QStringLiteral("delete * from WINDOWTABLEDETAILS"));
    const auto search = o.open(QStringLiteral("F3M0O"));
    qobject_cast<QPushButton*>(find(search.get(), "cmdSearch"))->click();
    EXPECT_EQ(members(search.get())->model()->rowCount(), 0);
    EXPECT_EQ(ControlAccess::text(find(search.get(), "dfrecordcount")), QStringLiteral("0"));
}

TEST(F3M0O, ReadsTheChosenCustomerIntoTheScreenThatOpenedIt)
{
    struct Case {
        const char* name;
        bool byDoubleClick;
    };
    for (const Case& c : {Case{"Ok", false}, Case{"double-click", true}}) {
        JournalOffice o;
        o.addCustomer(QStringLiteral("Salem Ahmad"), {{QStringLiteral("HOMETEL1"), QStringLiteral("22334455")}});
        const qint64 fahad = o.addCustomer(QStringLiteral("Fahad"), {{QStringLiteral("HOMEMOB"), QStringLiteral("99887766")}});
        const auto probe = o.open(ProbeScreen::Name);
        ASSERT_EQ(ControlAccess::text(find(probe.get(), "txtNAME")), QStringLiteral("Salem Ahmad")) << c.name;

        QWidget* opener = nullptr;
        bool closedAfterChoice = false;
        o.ui().onDialog(QStringLiteral("F3M0O"), [&](QDialog* search) {
            opener = search->parentWidget();
            type(search, "txtaddress", QStringLiteral("9988"));
            qobject_cast<QPushButton*>(find(search, "cmdSearch"))->click();
            QTableView* grid = members(search);
            ASSERT_EQ(grid->model()->rowCount(), 1);
            const QModelIndex cell = grid->model()->index(0, 1);
            grid->setCurrentIndex(cell);
            if (c.byDoubleClick)
                JournalOffice::doubleClick(grid, cell);
            else
                qobject_cast<QPushButton*>(find(search, "cmdOk"))->click();
            closedAfterChoice = !search->isVisible() && search->result() == QDialog::Accepted;
        });
        qobject_cast<QPushButton*>(find(probe.get(), "cmdPL"))->click();

        EXPECT_EQ(o.ui().dialogsShown, QStringList{QStringLiteral("F3M0O")}) << c.name;
        EXPECT_EQ(opener, probe.get()) << c.name;
        EXPECT_TRUE(closedAfterChoice) << c.name;
        EXPECT_EQ(o.state().CurrentRecordId, fahad) << c.name;
        EXPECT_EQ(ControlAccess::text(find(probe.get(), "txtID")), QString::number(fahad)) << c.name;
        EXPECT_EQ(ControlAccess::text(find(probe.get(), "txtNAME")), QStringLiteral("Fahad")) << c.name;
        EXPECT_TRUE(o.errorLog().isEmpty()) << c.name << o.errorLog().toStdString();
    }
}

TEST(F3M0O, OkWithoutARowStaysOpen)
{
    JournalOffice o;
    const auto search = o.open(QStringLiteral("F3M0O"));
    type(search.get(), "txtNAME", QStringLiteral("nobody by this name"));
    qobject_cast<QPushButton*>(find(search.get(), "cmdSearch"))->click();
    qobject_cast<QPushButton*>(find(search.get(), "cmdOk"))->click();
    EXPECT_TRUE(search->isVisible());
    QTest::mouseClick(members(search.get())->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(members(search.get())->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(search->isVisible());
}

TEST(F3M0O, AnOpenerWithoutAKeyColumnReadsNothing)
{
    JournalOffice o;
    const qint64 salem = o.addCustomer(QStringLiteral("Salem"));
    const auto archive = o.open(QStringLiteral("F1M0"));
    o.ui().onDialog(QStringLiteral("F3M0O"), [](QDialog* search) {
        qobject_cast<QPushButton*>(find(search, "cmdSearch"))->click();
        qobject_cast<QPushButton*>(find(search, "cmdOk"))->click();
    });
    qobject_cast<QPushButton*>(find(archive.get(), "cmdPL"))->click();
    EXPECT_EQ(o.state().CurrentRecordId, salem);
    EXPECT_TRUE(o.ui().messages.isEmpty());
    EXPECT_TRUE(o.errorLog().isEmpty()) << o.errorLog().toStdString();
}
