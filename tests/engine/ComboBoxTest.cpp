#include "engine/cWindow.h"
#include "shell/base/ScreenTag.h"
#include "support/TestOffice.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace {

const QString ScreenName = QStringLiteral("frmComboProbe");

struct Choice {
    QString value;
    int order;
    int isDefault = 0;
    QString control = QStringLiteral("dfcCOLOR");
    QString window = ScreenName;
    int onoff = 1;
};

void addChoices(Database& db, const QList<Choice>& choices)
{
    for (const Choice& c : choices)
        db.insert(QStringLiteral("_SCREENCOMBOBOX"), QStringLiteral("SCREENCOMBOBOXID"),
                  {{QStringLiteral("WINDOWNAME"), c.window},
                   {QStringLiteral("COLUMNNAME"), c.control},
                   {QStringLiteral("COMBOBOXVALUE"), c.value},
                   {QStringLiteral("DEFAULT"), c.isDefault},
                   {QStringLiteral("DISPLAYORDER"), c.order},
                   {QStringLiteral("ONOFF"), c.onoff}});
}

QStringList items(const QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

// A screen with two editable combo boxes, the way the data screens have them.
class ComboScreen : public QWidget {
public:
    ComboScreen()
    {
        setObjectName(ScreenName);
        auto* layout = new QVBoxLayout(this);
        for (const char* name : {"dfcCOLOR", "dfcTITLE"}) {
            auto* box = new QComboBox(this);
            box->setObjectName(QString::fromLatin1(name));
            box->setEditable(true);
            box->addItems({QStringLiteral("design"), QStringLiteral("time")});
            box->setEditText(QStringLiteral("typed"));
            layout->addWidget(box);
        }
    }
    QComboBox* color() const { return findChild<QComboBox*>(QStringLiteral("dfcCOLOR")); }
    QComboBox* title() const { return findChild<QComboBox*>(QStringLiteral("dfcTITLE")); }
};

}

TEST(FillComboBoxes, ListsFollowTheTable)
{
    const struct {
        const char* what;
        QList<Choice> choices;
        QStringList items;
        QString text;
        QList<QVariant> tags;
    } cases[] = {
        {"default placed last and selected",
         {{QStringLiteral("Red"), 1}, {QStringLiteral("Blue"), 2, 1}},
         {QStringLiteral("Red"), QStringLiteral("Blue")}, QStringLiteral("Blue"), {1, QVariant()}},
        {"default last even when its order is smaller",
         {{QStringLiteral("Blue"), 1, 1}, {QStringLiteral("Red"), 2}, {QStringLiteral("Green"), 3}},
         {QStringLiteral("Red"), QStringLiteral("Green"), QStringLiteral("Blue")}, QStringLiteral("Blue"), {2, 3, QVariant()}},
        {"of two defaults the later one counts",
         {{QStringLiteral("Red"), 1}, {QStringLiteral("Blue"), 2, 1}, {QStringLiteral("Green"), 3, 1}},
         {QStringLiteral("Red"), QStringLiteral("Green")}, QStringLiteral("Green"), {1, QVariant()}},
        {"rows are sorted by display order",
         {{QStringLiteral("C"), 30}, {QStringLiteral("A"), 10}, {QStringLiteral("B"), 20}},
         {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")}, QStringLiteral("typed"), {10, 20, 30}},
        {"only DEFAULT = 1 marks the default",
         {{QStringLiteral("Red"), 1, 2}, {QStringLiteral("Blue"), 2, 0}},
         {QStringLiteral("Red"), QStringLiteral("Blue")}, QStringLiteral("typed"), {1, 2}},
        {"rows switched off, of another screen or another box are not listed",
         {{QStringLiteral("Off"), 1, 0, QStringLiteral("dfcCOLOR"), ScreenName, 0},
          {QStringLiteral("Elsewhere"), 2, 1, QStringLiteral("dfcCOLOR"), QStringLiteral("frmOther")},
          {QStringLiteral("Title"), 3, 0, QStringLiteral("dfcTITLE")},
          {QStringLiteral("Red"), 4}},
         {QStringLiteral("Red")}, QStringLiteral("typed"), {4}},
        {"no rows: an empty list and the text kept", {}, {}, QStringLiteral("typed"), {}},
        {"Arabic choices",
         {{QStringLiteral("أبيض"), 1}, {QStringLiteral("أسود"), 2, 1}},
         {QStringLiteral("أبيض"), QStringLiteral("أسود")}, QStringLiteral("أسود"), {1, QVariant()}},
    };
    for (const auto& c : cases) {
        TestOffice office;
        addChoices(office.db(), c.choices);
        ComboScreen screen;
        office.state().service<cWindow>().FillComboBoxes(&screen);
        QComboBox* box = screen.color();
        EXPECT_EQ(items(box), c.items) << c.what;
        EXPECT_EQ(box->currentText(), c.text) << c.what;
        QList<QVariant> tags;
        for (int i = 0; i < box->count(); ++i)
            tags << box->itemData(i);
        EXPECT_EQ(tags, c.tags) << c.what;
    }
}

TEST(FillComboBoxes, StatementIsWrittenWordForWord)
{
    TestOffice office;
    ComboScreen screen;
    QStringList statements;
    office.db().setStatementHook([&](const QString& sql) { statements << sql; });
    office.state().service<cWindow>().FillComboBoxes(&screen);
    EXPECT_EQ(statements,
              (QStringList{
                  QStringLiteral("select default, comboboxvalue,displayorder from _screencombobox where columnname = "
                                 "'dfcCOLOR' and windowname = 'frmComboProbe'  and onoff = 1 order by displayorder"),
                  QStringLiteral("select default, comboboxvalue,displayorder from _screencombobox where columnname = "
                                 "'dfcTITLE' and windowname = 'frmComboProbe'  and onoff = 1 order by displayorder")}));
}

TEST(FillComboBoxes, MenuScreensAreLeftAlone)
{
    TestOffice office;
    addChoices(office.db(), {{QStringLiteral("Red"), 1}});
    ComboScreen screen;
    ScreenTag::set(&screen, QStringLiteral("Menu"));
    office.state().service<cWindow>().FillComboBoxes(&screen);
    EXPECT_EQ(items(screen.color()), (QStringList{QStringLiteral("design"), QStringLiteral("time")}));
}

TEST(FillComboBoxes, FillingDoesNotCompleteItsOwnText)
{
    TestOffice office;
    addChoices(office.db(), {{QStringLiteral("Blueberry"), 1}, {QStringLiteral("Blue"), 2, 1}});
    ComboScreen screen;
    cWindow& window = office.state().service<cWindow>();
    QObject::connect(screen.color(), &QComboBox::editTextChanged, [&] { window.ComboBoxOnChange(screen.color()); });
    window.FillComboBoxes(&screen);
    EXPECT_EQ(screen.color()->currentText(), QStringLiteral("Blue"));
    EXPECT_FALSE(screen.color()->lineEdit()->hasSelectedText());
}

TEST(ComboBoxOnChange, TypeAheadCompletesFromTheList)
{
    const struct {
        const char* what;
        QString typed;     // key by key; empty: an Arabic prefix is pasted
        QString text;
        QString selected;
        int cursor;
    } cases[] = {
        {"a prefix completes with the rest selected", QStringLiteral("bl"), QStringLiteral("Blue"), QStringLiteral("ue"), 4},
        {"typing on replaces the selection", QStringLiteral("bla"), QStringLiteral("Black"), QStringLiteral("ck"), 5},
        {"the full text takes the list's case, cursor at the end", QStringLiteral("blue"), QStringLiteral("Blue"), {}, 4},
        {"upper case typing", QStringLiteral("RED"), QStringLiteral("Red"), {}, 3},
        {"no match keeps the text", QStringLiteral("blx"), QStringLiteral("Blx"), {}, 3},
        {"no item begins so", QStringLiteral("x"), QStringLiteral("x"), {}, 1},
        {"Arabic prefix", QString(), QStringLiteral("أبيض"), QStringLiteral("يض"), 4},
    };
    for (const auto& c : cases) {
        TestOffice office;
        ComboScreen screen;
        QComboBox* box = screen.color();
        box->clear();
        box->addItems({QStringLiteral("Red"), QStringLiteral("Blue"), QStringLiteral("Black"), QStringLiteral("أبيض")});
        box->setEditText(QString());
        cWindow& window = office.state().service<cWindow>();
        QObject::connect(box, &QComboBox::editTextChanged, [&] { window.ComboBoxOnChange(box); });
        if (c.typed.isEmpty())
            box->lineEdit()->insert(QStringLiteral("أب"));
        else
            QTest::keyClicks(box->lineEdit(), c.typed);
        EXPECT_EQ(box->currentText(), c.text) << c.what;
        EXPECT_EQ(box->lineEdit()->selectedText(), c.selected) << c.what;
        EXPECT_EQ(box->lineEdit()->cursorPosition(), c.cursor) << c.what;
    }
}

TEST(ComboBoxOnChange, DeletingTheWholeTextLeavesTheBoxEmpty)
{
    TestOffice office;
    ComboScreen screen;
    QComboBox* box = screen.color();
    box->clear();
    box->addItems({QStringLiteral("Red"), QStringLiteral("Blue")});
    box->setEditText(QString());
    cWindow& window = office.state().service<cWindow>();
    QObject::connect(box, &QComboBox::editTextChanged, [&] { window.ComboBoxOnChange(box); });
    QTest::keyClicks(box->lineEdit(), QStringLiteral("blue"));
    ASSERT_EQ(box->currentText(), QStringLiteral("Blue"));
    box->lineEdit()->selectAll();
    QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
    EXPECT_EQ(box->currentText(), QString());
}

TEST(ComboBoxOnChange, BoxWithoutListOrEditDoesNothing)
{
    TestOffice office;
    cWindow& window = office.state().service<cWindow>();
    QComboBox fixed;
    fixed.addItems({QStringLiteral("Red")});
    window.ComboBoxOnChange(&fixed);
    EXPECT_EQ(fixed.currentText(), QStringLiteral("Red"));
    QComboBox empty;
    empty.setEditable(true);
    QObject::connect(&empty, &QComboBox::editTextChanged, [&] { window.ComboBoxOnChange(&empty); });
    QTest::keyClicks(empty.lineEdit(), QStringLiteral("re"));
    EXPECT_EQ(empty.currentText(), QStringLiteral("re"));
    window.ComboBoxOnChange(nullptr);
}

TEST(FillComboBoxes, BoxThatTakesNoTypingSelectsTheDefault)
{
    TestOffice office;
    addChoices(office.db(), {{QStringLiteral("Blue"), 1, 1}, {QStringLiteral("Red"), 2}});
    ComboScreen screen;
    screen.color()->setEditable(false);
    office.state().service<cWindow>().FillComboBoxes(&screen);
    EXPECT_EQ(items(screen.color()), (QStringList{QStringLiteral("Red"), QStringLiteral("Blue")}));
    EXPECT_EQ(screen.color()->currentIndex(), 1);
}
