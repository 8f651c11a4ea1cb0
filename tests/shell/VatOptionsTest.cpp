// The VAT page of the options as the clerk fills it: by keys, in reading
// order, with what a tax invoice cannot do without refused before anything
// is written.
#include "core/Configuration.h"
#include "engine/EngineSetup.h"
#include "shell/frmOptions.h"
#include "support/Clerk.h"
#include "support/TestOffice.h"

#include <QLabel>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(frmOptions, VatIsTypedInReadingOrderAndRefusedWithoutWhatAnInvoiceNeeds)
{
    const struct {
        const char *rate, *number, *arabic, *english;
        QList<bool> answers;  // to the question about a number of another country's form
        QString told;         // message or question; empty: saved without a word
        const char* cursor;   // where the cursor is afterwards
        const char* stored;   // VATON, VATRATE, VATNUMBER, VATNAMEAR, VATNAMEEN
        const char* hint;     // what the page says of the number as it is typed
    } rows[] = {
        {"15", "٣١٠١٧٥٣٩٧٤٠٠٠٠٣", "مكتب الخليج", "", {}, {}, "dfsVatNameEn", "1|15|310175397400003|مكتب الخليج|",
         "A Saudi registration number"},
        {"0", "310175397400003", "مكتب الخليج", "", {}, u"above 0 and below 100"_s, "dfnVatRate", "0|15|||",
         "A Saudi registration number"},
        {"100", "310175397400003", "مكتب الخليج", "", {}, u"above 0 and below 100"_s, "dfnVatRate", "0|15|||",
         "A Saudi registration number"},
        {"15", "", "مكتب الخليج", "", {}, u"tax registration number: write it"_s, "dfsVatNumber", "0|15|||", ""},
        {"15", "310175397400003", "", "", {}, u"carries the seller's name"_s, "dfsVatNameAr", "0|15|||",
         "A Saudi registration number"},
        {"5", "100234567800003", "", "Gulf Cars", {false}, u"not in the form of a Saudi registration"_s,
         "dfsVatNumber", "0|15|||", "Not the form of a Saudi registration"},
        {"5", "100234567800003", "", "Gulf Cars", {true}, u"not in the form of a Saudi registration"_s,
         "dfsVatNameEn", "1|5|100234567800003||Gulf Cars", "Not the form of a Saudi registration"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.rate) + ' ' + row.number + ' ' + row.english);
        TestOffice office;
        installEngine(office.state());
        frmOptions options(office.state(), nullptr);
        ASSERT_TRUE(Clerk::showActive(&options));
        auto* pages = options.findChild<QTabWidget*>("SSTab1");
        for (int i = 0; i < 3; ++i)
            Clerk::press(Qt::Key_Tab, Qt::ControlModifier);
        ASSERT_EQ(pages->currentWidget()->objectName(), "tabVat");
        ASSERT_TRUE(Clerk::tabTo("dffVATON"));
        EXPECT_FALSE(options.findChild<QWidget*>("dfsVatNumber")->isEnabled()) << "VAT off: its fields wait";
        Clerk::press(Qt::Key_Space);
        for (const char* typed : {row.rate, row.number, row.arabic, row.english}) {
            Clerk::press(Qt::Key_Tab);
            Clerk::press(Qt::Key_A, Qt::ControlModifier);
            Clerk::press(Qt::Key_Delete);
            Clerk::type(QString::fromUtf8(typed));
        }
        const QString hint = QString::fromLatin1(row.hint);
        EXPECT_EQ(options.findChild<QLabel*>("lblVatNumberCheck")->text().left(hint.size()), hint);
        office.ui().answers = row.answers;
        Clerk::press(Qt::Key_F12);
        const QString told = office.ui().questions.isEmpty() ? office.ui().lastMessage() : office.ui().questions.last().text;
        EXPECT_TRUE(row.told.isEmpty() ? told.isEmpty() : told.contains(row.told)) << told.toStdString();
        EXPECT_EQ(Clerk::focused(), row.cursor);
        Configuration store(office.db());
        QStringList stored;
        for (const char* entry : {"VATON", "VATRATE", "VATNUMBER", "VATNAMEAR", "VATNAMEEN"})
            stored << store.GetConfig(QString::fromLatin1(entry));
        EXPECT_EQ(stored.join('|'), QString::fromUtf8(row.stored));
    }
}
