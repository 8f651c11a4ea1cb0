#include "core/ScreenTag.h"
#include "core/SqlValue.h"
#include "engine/ControlAccess.h"
#include "engine/EngineSetup.h"
#include "rental/frmCustomers.h"
#include "support/ScreenChecks.h"
#include "support/TestOffice.h"
#include "support/TestPictures.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using ScreenChecks::control;

// The customers screen as the menu shows it.
struct Customers : frmCustomers {
    explicit Customers(TestOffice& office) : frmCustomers(office.state(), nullptr) { show(); }
    QString text(const char* name) { return control<QLineEdit>(this, name)->text(); }
    void set(const char* name, const QString& value) { control<QLineEdit>(this, name)->setText(value); }
};

qint64 addCustomer(Database& db, const QString& name, const QList<Database::Field>& more = {})
{
    return db.insert("Customer", "CUSTOMERID", QList<Database::Field>{{"name", name}} + more);
}

// The columns of one customer as text, in the order asked; a null is empty, and
// so is every column when there is no customer.
QStringList stored(Database& db, qint64 key, const QStringList& columns)
{
    const RowSet rows = db.execute("select * from Customer where CUSTOMERID = " + SqlValue::number(key));
    QStringList values;
    for (const QString& c : columns)
        if (!rows.isEmpty())
            values << (rows.value(0, c).isNull() ? QString() : rows.value(0, c).toString().trimmed());
    return values;
}

// The names the open dialog lists, and its column headers.
struct Listing {
    QStringList names;
    QStringList headers;
};

Listing listing(QDialog* open)
{
    Listing l;
    const QAbstractItemModel* model = control<QTableView>(open, "DataGrid1")->model();
    for (int row = 0; row < model->rowCount(); ++row)
        l.names << model->index(row, 1).data().toString();
    for (int column = 0; column < model->columnCount(); ++column)
        l.headers << model->headerData(column, Qt::Horizontal).toString();
    return l;
}

}

// The screen opens on the first customer the table returns, every kind of
// field shown as stored.
TEST(frmCustomers, LoadShowsTheFirstCustomer)
{
    const struct {
        const char* name;
        qint64 idNumber;
        const char* tel;
        const char* nationality;
        int blackList;
        qint64 birth;  // yyyymmdd
        const char* birthShown;
    } rows[] = {
        {"محمد أحمد", 1023456789, "01-234567", "يمني", 0, 19800115, "15/01/1980"},
        {"O'Neil, Sean", 7, "+44 20 7946 0000", "بريطاني", 1, 20000229, "29/02/2000"},
        {"عبد الله \"الصغير\"", 0, "", "", 1, 19991231, "31/12/1999"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        TestOffice office;
        const qint64 key = addCustomer(office.db(), QString::fromUtf8(r.name),
                                       {{"IDNUMBER", r.idNumber}, {"HOMETEL1", QString::fromUtf8(r.tel)},
                                        {"NATIONALITY", QString::fromUtf8(r.nationality)},
                                        {"BLACKLIST", r.blackList}, {"BIRTHDATE", r.birth}});
        addCustomer(office.db(), "الثاني");
        Customers customers(office);
        EXPECT_EQ(customers.text("txtID"), QString::number(key));
        EXPECT_EQ(customers.text("txtNAME"), QString::fromUtf8(r.name));
        EXPECT_EQ(customers.text("dfnIDNumber").toLongLong(), r.idNumber);
        EXPECT_EQ(customers.text("dfsHomeTel1").trimmed(), QString::fromUtf8(r.tel));
        EXPECT_EQ(control<QComboBox>(&customers, "dfcNationality")->currentText().trimmed(),
                  QString::fromUtf8(r.nationality));
        EXPECT_EQ(control<QCheckBox>(&customers, "dffBlackList")->isChecked(), r.blackList == 1);
        EXPECT_EQ(control<QDateEdit>(&customers, "dfdBirthDate")->text(), r.birthShown);
    }
}

// New asks for the name, typed into the focused field; F12 then stores the
// fields filled in, home and work apart, with today as the creation date. The
// dates nobody gave stay empty, and no change of them is journalled.
TEST(frmCustomers, NewThenF12StoresTheFields)
{
    const QStringList columns{"name",     "IDNUMBER",  "HOMETEL1",        "WORKTEL1",     "NATIONALITY",
                              "STOPTRANSACTION", "CREATEDT", "CREATIONDATE", "BIRTHDATE", "ISSUEDATE",
                              "LASTTRANSACTION"};
    const struct {
        const char* name;
        const char* idNumber;
        const char* homeTel;
        const char* workTel;
        const char* nationality;
        bool stop;
    } rows[] = {
        {"سالم علي", "778899", "01-111", "01-222", "يمني", false},
        {"D'Arcy", "5", "1,2,3", "", "مصري", true},
        {"نورة", "123456789012", "", "04-999", "", false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        TestOffice office;
        Customers customers(office);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&customers));
        QString typedInto;
        office.ui().onDialog("frmGeneralN", [&](QDialog* dialog) {
            typedInto = QApplication::focusWidget()->objectName();
            ScreenChecks::type(QApplication::focusWidget(), QString::fromUtf8(r.name));
            ScreenChecks::click(dialog, "cmdOk");
        });
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F8);
        EXPECT_EQ(typedInto, "dfName");
        const qint64 key = customers.text("txtID").toLongLong();
        ASSERT_GT(key, 0);
        EXPECT_EQ(customers.text("txtNAME"), QString::fromUtf8(r.name));

        customers.set("dfnIDNumber", r.idNumber);
        customers.set("dfsHomeTel1", QString::fromUtf8(r.homeTel));
        customers.set("dfsWorkTel1", QString::fromUtf8(r.workTel));
        control<QComboBox>(&customers, "dfcNationality")->setCurrentText(QString::fromUtf8(r.nationality));
        control<QCheckBox>(&customers, "dffStopTransaction")->setChecked(r.stop);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&customers));
        ASSERT_TRUE(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);

        EXPECT_EQ(stored(office.db(), key, columns),
                  (QStringList{QString::fromUtf8(r.name), r.idNumber, QString::fromUtf8(r.homeTel),
                               QString::fromUtf8(r.workTel), QString::fromUtf8(r.nationality), r.stop ? "1" : "0",
                               QDate::currentDate().toString("yyyyMMdd"), QDate::currentDate().toString("yyyyMMdd"), "",
                               "", ""}));
        EXPECT_EQ(office.db()
                      .execute("select count(*) from _JOURNALDETAILS where Modified <> 0 and ControlName in "
                               "('dfdBirthDate', 'dfdIssueDate', 'dfdLastTransaction')")
                      .value(0, 0)
                      .toInt(),
                  0);
        EXPECT_TRUE(office.ui().dialogsShown.filter("dlgValidationError").isEmpty());
    }
}

// Open lists every customer, black-listed and stopped ones too, under the
// number, name, telephone and ID number. The one picked comes to the screen
// with his picture (the last customer has one); a cancel keeps the first.
TEST(frmCustomers, OpenListsEveryone)
{
    const struct {
        const char* what;
        QList<std::pair<int, int>> customers;  // black list, stop
        int pick;                              // the row picked; -1: cancelled
    } rows[] = {
        {"ordinary only, cancelled", {{0, 0}, {0, 0}}, -1},
        {"black-listed picked", {{0, 0}, {1, 0}}, 1},
        {"stopped picked", {{0, 1}, {0, 0}, {0, 1}}, 0},
        {"black-listed and stopped picked", {{1, 1}}, 0},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        QStringList names;
        QList<qint64> keys;
        for (const auto& [black, stop] : r.customers) {
            names << QStringLiteral("عميل %1").arg(names.size() + 1);
            keys << addCustomer(office.db(), names.last(), {{"BLACKLIST", black}, {"STOPTRANSACTION", stop}});
        }
        const qint64 pictureRow = office.db().insert("CUSTOMERPICTURE", "CUSTOMERPICTUREID", {{"CUSTOMERID", keys.last()}});
        office.db().writeBlob("CUSTOMERPICTURE", "CUSTOMERPICTURE", "CUSTOMERPICTUREID", pictureRow, TestPictures::png(Qt::green), {});
        Customers customers(office);
        Listing shown;
        office.ui().onDialog("frmGeneralOpen", [&](QDialog* open) {
            shown = listing(open);
            if (r.pick < 0)
                return;
            auto* grid = control<QTableView>(open, "DataGrid1");
            grid->setCurrentIndex(grid->model()->index(r.pick, 0));
            ScreenChecks::click(open, "cmdOk");
        });
        QTest::keyClick(&customers, Qt::Key_F9);
        EXPECT_EQ(shown.names, names);
        EXPECT_EQ(shown.headers, (QStringList{"الرقم", "الاسم", "الهاتف", "رقم الهوية"}));
        const int onScreen = std::max(r.pick, 0);
        EXPECT_EQ(customers.text("txtID"), QString::number(keys[onScreen]));
        EXPECT_EQ(!control<QLabel>(&customers, "pPicture")->pixmap().isNull(), onScreen == keys.size() - 1);
    }
}

// Delete asks, deletes as answered, and closes either way; with no customer
// on screen it neither asks nor closes.
TEST(frmCustomers, DeleteClosesOnceConfirmed)
{
    const struct {
        const char* what;
        bool customer;
        bool answer;
        int questions;
        int left;
        bool open;
    } rows[] = {
        {"confirmed", true, true, 1, 0, false},
        {"declined", true, false, 1, 1, true},
        {"nobody shown", false, true, 0, 0, true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        if (r.customer)
            addCustomer(office.db(), "خالد");
        office.ui().answers = {r.answer};
        Customers customers(office);
        QTest::keyClick(&customers, Qt::Key_F11);
        EXPECT_EQ(office.ui().questions.size(), r.questions);
        EXPECT_EQ(office.db().execute("select count(*) from Customer").value(0, 0).toInt(), r.left);
        EXPECT_EQ(customers.isVisible(), r.open);
    }
}

// A customer needs an ID number: without one Save shows the rule and, when
// the operator goes to the field, stores nothing.
TEST(frmCustomers, AnIdNumberIsRequired)
{
    const struct {
        const char* idNumber;
        bool fails;
    } rows[] = {
        {"", true},
        {"0", true},
        {"1", false},
        {"29001011234567", false},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.idNumber);
        TestOffice office;
        const qint64 key = addCustomer(office.db(), "قديم", {{"IDNUMBER", 42}});
        office.ui().onDialog("dlgValidationError", [](QDialog* dialog) { ScreenChecks::click(dialog, "command1"); });
        Customers customers(office);
        customers.set("txtNAME", "جديد");
        customers.set("dfnIDNumber", r.idNumber);
        QTest::keyClick(&customers, Qt::Key_F12);
        EXPECT_EQ(office.ui().dialogsShown.contains("dlgValidationError"), r.fails);
        const QStringList expected = r.fails ? QStringList{"قديم", "42"} : QStringList{"جديد", r.idNumber};
        EXPECT_EQ(stored(office.db(), key, {"name", "IDNUMBER"}), expected);
    }
}

namespace {

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

// The stored pictures of one customer.
QList<QByteArray> storedPictures(Database& db, qint64 key)
{
    const RowSet rows = db.execute("select CUSTOMERPICTUREID from CUSTOMERPICTURE where CUSTOMERID = " + SqlValue::number(key));
    QList<QByteArray> pictures;
    for (int row = 0; row < rows.count(); ++row)
        pictures << db.readBlob("CUSTOMERPICTURE", "CUSTOMERPICTURE", "CUSTOMERPICTUREID", rows.value(row, "CUSTOMERPICTUREID").toLongLong());
    return pictures;
}

}

// A double-click picks a picture and a right-click clears it; what is stored
// changes only on Save, and only when the rules pass. The stored picture comes
// back on screen through a private folder, not the program's own.
TEST(frmCustomers, ThePictureChangesOnlyOnSave)
{
    enum Action { Nothing, Pick, Cancel, Clear };
    enum Picked { Small, Large, Corrupt, Empty, OneByte };
    enum Result { None, Old, New };
    const struct {
        const char* what;
        bool stored;
        Action action;
        Picked picked;
        const char* idNumber;
        Result result;
        int messages;
    } rows[] = {
        {"picked and saved", false, Pick, Small, "11", New, 0},
        {"replaced", true, Pick, Small, "11", New, 0},
        {"a picture of 5 MB", true, Pick, Large, "11", New, 0},
        {"cancelled", true, Cancel, Small, "11", Old, 0},
        {"corrupt file refused", true, Pick, Corrupt, "11", Old, 1},
        {"empty file refused", true, Pick, Empty, "11", Old, 1},
        {"one byte refused", false, Pick, OneByte, "11", None, 1},
        {"cleared", true, Clear, Small, "11", None, 0},
        {"saved untouched", true, Nothing, Small, "11", Old, 0},
        {"no picture, untouched", false, Nothing, Small, "11", None, 0},
        {"the rules fail", true, Pick, Small, "0", Old, 0},
    };
    const QByteArray oldPicture = TestPictures::png(Qt::red), small = TestPictures::png(Qt::blue);
    const QByteArray large = TestPictures::largePng();
    ASSERT_GT(large.size(), 5 * 1024 * 1024);
    const QByteArray files[] = {small, large, small.left(20), QByteArray(), QByteArray(1, 'P')};
    for (const auto& r : rows) {
        SCOPED_TRACE(r.what);
        TestOffice office;
        const qint64 key = addCustomer(office.db(), "صاحب الصورة", {{"IDNUMBER", 11}});
        if (r.stored) {
            const qint64 row = office.db().insert("CUSTOMERPICTURE", "CUSTOMERPICTUREID", {{"CUSTOMERID", key}});
            office.db().writeBlob("CUSTOMERPICTURE", "CUSTOMERPICTURE", "CUSTOMERPICTUREID", row, oldPicture, {});
        }
        office.ui().onDialog("dlgValidationError", [](QDialog* dialog) { ScreenChecks::click(dialog, "command1"); });
        Customers customers(office);
        auto* picture = control<QLabel>(&customers, "pPicture");
        const QString shownFile = customers.text("txtFileName");
        EXPECT_EQ(!picture->pixmap().isNull(), r.stored);
        EXPECT_EQ(shownFile.isEmpty(), !r.stored);
        EXPECT_FALSE(shownFile.startsWith(office.home()));

        const QString picked = writeFile(office.file("picked.png"), files[r.picked]);
        if (r.action == Pick)
            office.ui().files = {picked};
        if (r.action == Pick || r.action == Cancel)
            QTest::mouseDClick(picture, Qt::LeftButton);
        if (r.action == Clear)
            QTest::mousePress(picture, Qt::RightButton);
        const bool taken = r.action == Pick && r.messages == 0;
        EXPECT_EQ(customers.text("txtFileName"), taken ? picked : r.action == Clear ? QString() : shownFile);
        EXPECT_EQ(office.ui().messages.size(), r.messages);
        EXPECT_EQ(storedPictures(office.db(), key), r.stored ? QList<QByteArray>{oldPicture} : QList<QByteArray>{});

        customers.set("dfnIDNumber", r.idNumber);
        QTest::keyClick(&customers, Qt::Key_F12);
        const QList<QByteArray> expected = r.result == New ? QList<QByteArray>{files[r.picked]}
                                         : r.result == Old ? QList<QByteArray>{oldPicture}
                                                           : QList<QByteArray>{};
        EXPECT_EQ(storedPictures(office.db(), key), expected);
    }
}

// Each list of the screen offers the values shipped with a new database.
TEST(frmCustomers, ListsComeWithTheDatabase)
{
    const struct {
        const char* control;
        const char* value;
    } rows[] = {
        {"dfcTITLE", "الدكتور"},       {"dfcIDType", "جواز سفر"},       {"dfcLicenseType", "عمومية"},
        {"dfcNationality", "كويتي"},    {"dfcSex", "أنثى"},              {"dfcReligin", "مسلم"},
        {"dfcMaritalStatus", "متزوج"}, {"dfcTrafficDepart", "مرور حولي"},
    };
    TestOffice office;
    installEngine(office.state());
    Customers customers(office);
    for (const auto& r : rows) {
        SCOPED_TRACE(r.control);
        auto* list = control<QComboBox>(&customers, r.control);
        ASSERT_TRUE(list);
        EXPECT_GE(list->findText(QString::fromUtf8(r.value)), 0);
    }
}

// OK saves the record and the picture picked, then closes.
TEST(frmCustomers, OkSavesAndCloses)
{
    const struct {
        const char* name;
        bool picture;
    } rows[] = {
        {"سلمى", false},
        {"Ali 'Ace', Jr.", true},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.name);
        TestOffice office;
        const qint64 key = addCustomer(office.db(), "قديم", {{"IDNUMBER", 5}});
        Customers customers(office);
        customers.set("txtNAME", QString::fromUtf8(r.name));
        const QByteArray bytes = TestPictures::png(Qt::yellow);
        if (r.picture) {
            office.ui().files = {writeFile(office.file("face.png"), bytes)};
            QTest::mouseDClick(control<QLabel>(&customers, "pPicture"), Qt::LeftButton);
        }
        ScreenChecks::click(&customers, "cmdOk");
        EXPECT_EQ(stored(office.db(), key, {"name"}), QStringList{QString::fromUtf8(r.name)});
        EXPECT_EQ(storedPictures(office.db(), key), r.picture ? QList<QByteArray>{bytes} : QList<QByteArray>{});
        EXPECT_FALSE(customers.isVisible());
    }
}

// As the contract's customer picker, the screen is read-only and OK (Enter)
// hands the customer to the screen that opened it, home contact data only, in the
// contract's order, saving nothing; the opener is known by its controls only.
TEST(frmCustomers, OkAsPickerHandsTheCustomerToItsOpener)
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
        const qint64 key = addCustomer(office.db(), "O'Hara, Kim",
                                       {{"TITLE", "السيدة"}, {"IDNUMBER", r.idNumber[0] ? QVariant(QString(r.idNumber)) : QVariant()},
                                        {"HOMETEL1", "H1"}, {"WORKTEL1", "W1"}, {"HOMECITY", "حولي"}, {"WORKCITY", "الشويخ"},
                                        {"HOMEADDRESS", "شارع 5"}, {"WORKADDRESS", "برج 9"}, {"HOMELICENSEEXPIRY", 20280131},
                                        {"WORKJOB", "محاسبة"}, {"WORKCOMPANY", "بنك"}});
        QDialog opener;
        QStringList order;
        for (const QString& name : r.targets.isEmpty() ? handed : r.targets) {
            QWidget* target = nullptr;
            if (name.startsWith("dfc")) {
                auto* box = new QComboBox(&opener);
                box->setEditable(true);
                QObject::connect(box, &QComboBox::currentTextChanged, [&order, name] { order << name; });
                target = box;
            } else if (name.startsWith("dfd")) {
                auto* date = new QDateEdit(&opener);
                date->setDisplayFormat("dd/MM/yyyy");
                QObject::connect(date, &QDateEdit::dateChanged, [&order, name] { order << name; });
                target = date;
            } else {
                auto* edit = new QLineEdit(&opener);
                QObject::connect(edit, &QLineEdit::textChanged, [&order, name] { order << name; });
                target = edit;
            }
            target->setObjectName(name);
        }
        // The screen's own controls of the same names (dfcTITLE) are not the opener's.
        frmCustomers picker(office.state(), &opener);
        ScreenTag::set(&picker, "RENTMODE");
        picker.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
        EXPECT_TRUE(control<QLineEdit>(&picker, "txtNAME")->isReadOnly());
        QTest::mouseDClick(control<QLabel>(&picker, "pPicture"), Qt::LeftButton);
        EXPECT_TRUE(office.ui().dialogsShown.isEmpty());
        control<QLineEdit>(&picker, "dfsHomeTel2")->setText("H2 typed here");
        ASSERT_TRUE(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

        EXPECT_FALSE(picker.isVisible());
        EXPECT_EQ(stored(office.db(), key, {"HOMETEL2", "name"}), (QStringList{"", "O'Hara, Kim"}));
        const auto value = [&](const char* name) {
            QWidget* w = control(&opener, name);
            return w ? ControlAccess::value(w) : QString();
        };
        if (r.targets.isEmpty()) {
            // The contract reacts to each field as it comes, so the order counts.
            QList<qsizetype> positions;
            for (const QString& name : order)
                positions << handed.indexOf(name);
            EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end())) << order.join(' ').toStdString();
            EXPECT_GE(positions.size(), 10);
            EXPECT_EQ(value("dfnIDNumber"), r.idHanded);
            EXPECT_EQ(value("dfcTITLE"), "السيدة");
            EXPECT_EQ(value("dfsCustomerNAME"), "O'Hara, Kim");
            EXPECT_EQ(value("dfdLicenseExpiryDate"), "31/01/2028");
            EXPECT_EQ(value("dfsAddress"), "شارع 5");
            EXPECT_EQ(value("dfsTel2"), "H2 typed here");
            EXPECT_EQ(value("dfsJob"), "محاسبة");
        }
        EXPECT_EQ(value("dfnCustomerid"), QString::number(key));
        EXPECT_EQ(value("dfsTel1"), "H1");
        EXPECT_EQ(value("dfsCity"), "حولي");
    }
}
