#include "core/ScreenTag.h"
#include "engine/ControlAccess.h"
#include "rental/frmCustomers.h"
#include "support/Clerk.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using ScreenChecks::control;

// As the contract's picker the screen is read-only and only chooses: New,
// Save and Delete are hidden and their keys do nothing (whoever may rent need
// not have the right to change customers). OK (Enter) hands the customer to
// the screen that opened it, home contact data only, in the contract's order,
// saving nothing; the opener is known by its controls only.
TEST(CustomerScreen, PickerHandsTheCustomerToItsOpener)
{
    const QStringList handed{"dfnCustomerid", "dfcTITLE", "dfsCustomerNAME", "dfcIDType", "dfnIDNumber",
                             "dfsIssuePlace", "dfsLICENSENO", "dfdLicenseExpiryDate", "dfsJob", "dfsWorkPlace",
                             "dfsTel1", "dfsTel2", "dfsTel3", "dfsMob", "dfsExt", "dfsFax", "dfsAddress",
                             "dfsGovern", "dfsCity", "dfcNationality"};
    const struct {
        const char* what;
        QStringList targets;  // the opener's controls; empty: all of them
        const char* idNumber; // as stored
        const char* idHanded;
    } rows[] = {
        {"every target", {}, "285010101234", "285010101234"},
        {"no ID number", {}, "", "0"},
        {"an opener with a few targets", {"dfsTel1", "dfsCity", "dfnCustomerid"}, "7", ""},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        const qint64 key = office.db().insert(
            u"Customer"_s, u"CUSTOMERID"_s,
            {{u"name"_s, u"O'Hara, Kim"_s}, {u"TITLE"_s, u"السيدة"_s}, {u"IDNUMBER"_s, *r.idNumber ? QVariant(r.idNumber) : QVariant()},
             {u"HOMETEL1"_s, u"H1"_s}, {u"WORKTEL1"_s, u"W1"_s}, {u"HOMECITY"_s, u"حولي"_s}, {u"WORKCITY"_s, u"الشويخ"_s},
             {u"HOMEADDRESS"_s, u"شارع 5"_s}, {u"WORKADDRESS"_s, u"برج 9"_s}, {u"HOMELICENSEEXPIRY"_s, 20280131}, {u"WORKJOB"_s, u"محاسبة"_s}});
        QDialog opener;
        QStringList order;
        for (const QString& name : r.targets.isEmpty() ? handed : r.targets) {
            // The contract reacts to each field as it comes, so the order counts.
            const auto note = [&order, name] { order << name; };
            QWidget* target = nullptr;
            if (name.startsWith(u"dfc"_s)) {
                auto* box = new QComboBox(&opener);
                box->setEditable(true);
                QObject::connect(box, &QComboBox::currentTextChanged, note);
                target = box;
            } else if (name.startsWith(u"dfd"_s)) {
                auto* date = new QDateEdit(&opener);
                date->setDisplayFormat(u"dd/MM/yyyy"_s);
                QObject::connect(date, &QDateEdit::dateChanged, note);
                target = date;
            } else {
                auto* edit = new QLineEdit(&opener);
                QObject::connect(edit, &QLineEdit::textChanged, note);
                target = edit;
            }
            target->setObjectName(name);
        }
        // The screen's own controls of the same names (dfcTITLE) are not the opener's.
        frmCustomers picker(office.state(), &opener);
        ScreenTag::set(&picker, u"RENTMODE"_s);
        ASSERT_TRUE(Clerk::showActive(&picker));
        EXPECT_TRUE(control<QLineEdit>(&picker, u"txtNAME"_s)->isReadOnly());
        for (const char* command : {"cmdNew", "cmdSave", "cmdDel"})
            EXPECT_FALSE(control(&picker, QLatin1String(command))->isVisible()) << command;
        QTest::mouseDClick(control<QLabel>(&picker, u"pPicture"_s), Qt::LeftButton);
        control<QLineEdit>(&picker, u"dfsHomeTel2"_s)->setText(u"H2 typed here"_s);
        for (const Qt::Key key : {Qt::Key_F8, Qt::Key_F11, Qt::Key_F12})
            Clerk::press(key);
        EXPECT_TRUE(office.ui().dialogsShown.isEmpty());
        EXPECT_TRUE(office.ui().questions.isEmpty());
        Clerk::press(Qt::Key_Return);

        EXPECT_FALSE(picker.isVisible());
        EXPECT_EQ(ScreenChecks::stored(office.db(), u"Customer"_s, u"CUSTOMERID"_s, key, {u"HOMETEL2"_s, u"name"_s}),
                  (QStringList{QString(), u"O'Hara, Kim"_s}));
        const auto value = [&](const char* name) {
            QWidget* w = control(&opener, QLatin1String(name));
            return w ? ControlAccess::value(w) : QString();
        };
        if (r.targets.isEmpty()) {
            QList<qsizetype> positions;
            for (const QString& name : order)
                positions << handed.indexOf(name);
            EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end())) << order.join(' ').toStdString();
            EXPECT_GE(positions.size(), 10);
            const std::pair<const char*, QString> expected[] = {
                {"dfnIDNumber", QLatin1String(r.idHanded)}, {"dfcTITLE", u"السيدة"_s}, {"dfsCustomerNAME", u"O'Hara, Kim"_s},
                {"dfdLicenseExpiryDate", u"31/01/2028"_s}, {"dfsAddress", u"شارع 5"_s}, {"dfsTel2", u"H2 typed here"_s},
                {"dfsJob", u"محاسبة"_s}};
            for (const auto& [name, shown] : expected)
                EXPECT_EQ(value(name), shown) << name;
        }
        EXPECT_EQ(value("dfnCustomerid"), QString::number(key));
        EXPECT_EQ(value("dfsTel1"), u"H1"_s);
        EXPECT_EQ(value("dfsCity"), u"حولي"_s);
    }
}
