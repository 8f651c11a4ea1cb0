#include "ScreenOffice.h"

#include "engine/DataScreen.h"
#include "engine/cJournal.h"

#include <QDate>
#include <QEvent>
#include <QPalette>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString Screen = QStringLiteral("frmJournalled");

class LoadOnShow : public QObject {
public:
    LoadOnShow(RunState& state, QWidget* screen) : QObject(screen), m_state(state) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && !m_loaded) {
            m_loaded = true;
            m_state.service<cWindow>().Read(QString(), static_cast<QWidget*>(watched));
        }
        return false;
    }

private:
    RunState& m_state;
    bool m_loaded = false;
};

// A one-table screen over a stored record whose every field reads back as stored.
struct JournalOffice : ScreenOffice {
    JournalOffice() : ScreenOffice(Screen, false)
    {
        first = SyntheticScreen::addRecord(db(), {{QStringLiteral("NAME"), QStringLiteral("first record")}});
        key = SyntheticScreen::addRecord(
            db(), {{QStringLiteral("NAME"), QStringLiteral("stored name")}, {QStringLiteral("METER"), 10},
                   {QStringLiteral("AMOUNT"), 12.5}, {QStringLiteral("COMMENTS"), QStringLiteral("c")},
                   {QStringLiteral("ISSUEDATE"), 20030105}, {QStringLiteral("RETURNED"), 0},
                   {QStringLiteral("CARTYPE"), QStringLiteral("van")}, {QStringLiteral("EXITTIME"), QStringLiteral("143000")},
                   {QStringLiteral("COLOUR"), QStringLiteral("red")}, {QStringLiteral("PADDED"), QStringLiteral("p")},
                   {QStringLiteral("IGNORED"), QString()}, {QStringLiteral("HIDDEN"), QStringLiteral(" ")}});
        EXPECT_TRUE(window().Read(where(key), screen.get()));
    }

    RowSet lines(qint64 entry)
    {
        return db().execute(QStringLiteral("select * from _JOURNALDETAILS where JOURNALID = ") + QString::number(entry)
                            + QStringLiteral(" order by JOURNALDETAILSID"));
    }

    qint64 lastEntry()
    {
        return db().execute(QStringLiteral("select max(JOURNALID) from _JOURNAL")).value(0, 0).toLongLong();
    }

    // The screen as a data screen behaves: the first time it is shown it reads
    // the table's first record.
    void registerScreen()
    {
        state().screens().add(Screen, [](RunState& st, QWidget* parent) {
            QDialog* built = SyntheticScreen::build(Screen, parent);
            built->installEventFilter(new LoadOnShow(st, built));
            return built;
        });
    }

    qint64 first = 0;
    qint64 key = 0;
};

}

TEST(Journal, SavingUnchangedValuesWritesNoEntry)
{
    JournalOffice j;
    ASSERT_TRUE(j.window().Save(j.where(j.key), j.screen.get()));
    EXPECT_EQ(j.count(QStringLiteral("_JOURNAL")), 0);
    EXPECT_EQ(j.count(QStringLiteral("_JOURNALDETAILS")), 0);
    EXPECT_TRUE(j.errorLog().isEmpty()) << j.errorLog().toStdString();
}

TEST(Journal, OneChangedFieldGivesOneEntryWithALineForEveryField)
{
    const struct {
        const char* control;
        const char* typed;
        int type;
        const char* oldValue;
        const char* newValue;
    } cases[] = {
        {"txtNAME", "new name", 1, "stored name", "new name"},
        {"dfnMETER", "15", 0, "10", "15"},
        {"dfnMETER", "", 0, "10", "0"},
        {"dfnAMOUNT", "12.75", 0, "12.5", "12.75"},
        {"dfdISSUEDATE", "06/01/2003", 2, "20030105", "20030106"},
        {"dffRETURNED", "1", 3, "0", "1"},
        {"dfgCARTYPE", "", 4, "van", "0"},
        {"dftEXITTIME", "15:45:10", 5, "143000", "154500"},
        {"dfsCOMMENTS", "O'Brien, a,,b", 1, "c", "O'Brien, a,,b"},
        {"dfsPADDED", "", 1, "p", " "},
        {"dfxIGNORED", "changed", 9, "", "changed"},
    };
    for (const auto& c : cases) {
        JournalOffice j;
        const int fields = int(SyntheticScreen::mainBindings().size());
        ControlAccess::setValue(j.control(QString::fromLatin1(c.control)), QString::fromUtf8(c.typed));
        ASSERT_TRUE(j.window().Save(j.where(j.key), j.screen.get())) << c.control;

        ASSERT_EQ(j.count(QStringLiteral("_JOURNAL")), 1) << c.control;
        const qint64 entry = j.lastEntry();
        EXPECT_EQ(j.state().CurrentRecordId, entry);
        const RowSet lines = j.lines(entry);
        ASSERT_EQ(lines.count(), fields) << c.control;
        int modified = 0;
        for (int i = 0; i < lines.count(); ++i) {
            if (lines.text(i, QStringLiteral("CONTROLNAME")) == QString::fromLatin1(c.control)) {
                ++modified;
                EXPECT_EQ(lines.value(i, QStringLiteral("MODIFIED")).toInt(), 1) << c.control;
                EXPECT_EQ(lines.text(i, QStringLiteral("OLDVALUE")), QString::fromUtf8(c.oldValue)) << c.control;
                EXPECT_EQ(lines.text(i, QStringLiteral("NEWVALUE")), QString::fromUtf8(c.newValue)) << c.control;
                EXPECT_EQ(lines.value(i, QStringLiteral("CONTROLTYPE")).toInt(), c.type) << c.control;
            } else {
                EXPECT_EQ(lines.value(i, QStringLiteral("MODIFIED")).toInt(), 0)
                    << c.control << ": " << lines.text(i, QStringLiteral("CONTROLNAME")).toStdString();
                EXPECT_EQ(lines.text(i, QStringLiteral("OLDVALUE")), QStringLiteral("0"));
            }
        }
        EXPECT_EQ(modified, 1) << c.control;
    }
}

TEST(Journal, EntryNamesWhoWhenAndWhich)
{
    JournalOffice j;
    ControlAccess::setText(j.control(QStringLiteral("txtNAME")), QStringLiteral("changed"));
    const QDate day = QDate::currentDate();
    ASSERT_TRUE(j.window().Save(j.where(j.key), j.screen.get()));

    const RowSet entry = j.db().execute(QStringLiteral("select * from _JOURNAL"));
    ASSERT_EQ(entry.count(), 1);
    EXPECT_EQ(entry.text(0, QStringLiteral("USER")), QStringLiteral("ADMIN"));
    EXPECT_EQ(entry.value(0, QStringLiteral("JOURNALDATE")).toLongLong(), day.toString(QStringLiteral("yyyyMMdd")).toLongLong());
    EXPECT_EQ(entry.text(0, QStringLiteral("JOURNALTIME")).size(), 6);
    EXPECT_EQ(entry.text(0, QStringLiteral("JOURNALDESCRIPTION")), SyntheticScreen::Caption);
    EXPECT_EQ(entry.text(0, QStringLiteral("FORM")), Screen);
    EXPECT_EQ(entry.text(0, QStringLiteral("FORMNAME")), SyntheticScreen::Caption);
    EXPECT_EQ(entry.text(0, QStringLiteral("MODIFICATIONDESCRIPTION")), QStringLiteral("تعديل"));
}

TEST(Journal, CalledDirectlyBuildsItsOwnCondition)
{
    JournalOffice j;
    ControlAccess::setText(j.control(QStringLiteral("dfnMETER")), QStringLiteral("11"));
    j.state().service<cJournal>().JournalWindow({}, QStringLiteral("حذف"), QStringLiteral("وصف"), j.screen.get());

    const RowSet entry = j.db().execute(QStringLiteral("select * from _JOURNAL"));
    ASSERT_EQ(entry.count(), 1);
    EXPECT_EQ(entry.text(0, QStringLiteral("JOURNALDESCRIPTION")), QStringLiteral("وصف"));
    EXPECT_EQ(entry.text(0, QStringLiteral("FORMNAME")), SyntheticScreen::Caption);
    EXPECT_EQ(entry.text(0, QStringLiteral("MODIFICATIONDESCRIPTION")), QStringLiteral("حذف"));
    EXPECT_EQ(SyntheticScreen::stored(j.db(), SyntheticScreen::Table, QStringLiteral("METER"), j.key), 10);
}

TEST(Journal, NothingIsJournalledWhereNothingCanBeCompared)
{
    const struct {
        const char* what;
        std::function<void(JournalOffice&)> arrange;
    } cases[] = {
        {"screen with two tables", [](JournalOffice& j) {
             SyntheticScreen::addTable(j.db(), Screen, SyntheticScreen::NotesTable, 2, SyntheticScreen::notesBindings());
         }},
        {"record not stored", [](JournalOffice& j) {
             j.db().command(QStringLiteral("delete from SYNTHETIC where SYNTHID = ") + QString::number(j.key));
         }},
        {"screen without table", [](JournalOffice& j) {
             j.db().command(QStringLiteral("update _WINDOWTABLE set ONOFF = 0"));
         }},
    };
    for (const auto& c : cases) {
        JournalOffice j;
        c.arrange(j);
        ControlAccess::setText(j.control(QStringLiteral("txtNAME")), QStringLiteral("changed"));
        j.state().service<cJournal>().JournalWindow(j.where(j.key), {}, {}, j.screen.get());
        EXPECT_EQ(j.count(QStringLiteral("_JOURNAL")), 0) << c.what;
        EXPECT_TRUE(j.errorLog().isEmpty()) << c.what << ": " << j.errorLog().toStdString();
    }
}

TEST(Journal, ViewShowsTheStoredVersionReadOnly)
{
    JournalOffice j;
    j.registerScreen();
    RecordingFrame frame;
    j.ui().setFrame(&frame);
    ControlAccess::setText(j.control(QStringLiteral("dfnMETER")), QStringLiteral("15"));
    ASSERT_TRUE(j.window().Save(j.where(j.key), j.screen.get()));
    const qint64 entry = j.lastEntry();
    ControlAccess::setText(j.control(QStringLiteral("dfnMETER")), QStringLiteral("20"));
    ControlAccess::setText(j.control(QStringLiteral("txtNAME")), QStringLiteral("later name"));
    ASSERT_TRUE(j.window().Save(j.where(j.key), j.screen.get()));
    ASSERT_EQ(j.count(QStringLiteral("_JOURNAL")), 2);

    bool shown = false;
    j.ui().onDialog(Screen, [&](QDialog* view) {
        shown = true;
        EXPECT_TRUE(j.state().Viewing);
        const auto at = [&](const char* name) { return ControlAccess::require(view, QString::fromLatin1(name)); };
        EXPECT_EQ(ControlAccess::text(at("txtNAME")), QStringLiteral("stored name"));
        EXPECT_EQ(ControlAccess::text(at("txtID")), QString::number(j.key));
        EXPECT_EQ(ControlAccess::text(at("dfnMETER")), QStringLiteral("15"));
        EXPECT_EQ(ControlAccess::value(at("dfdISSUEDATE")), QStringLiteral("05/01/2003"));
        EXPECT_EQ(ControlAccess::value(at("dftEXITTIME")), QStringLiteral("14:30:00"));
        EXPECT_EQ(ControlAccess::text(at("dfgCARTYPE")), QStringLiteral("van"));
        for (const char* name : {"txtNAME", "dfnMETER", "dfdISSUEDATE", "dffRETURNED", "dfgCARTYPE", "cmdSave", "dfsCOMMENTS"})
            EXPECT_FALSE(at(name)->isEnabled()) << name;
        for (const char* name : {"SSTab1", "command0", "cmdPRINT"})
            EXPECT_TRUE(at(name)->isEnabled()) << name;

        const QPalette plain = at("txtNAME")->palette();
        const QPalette changed = at("dfnMETER")->palette();
        EXPECT_EQ(changed.color(QPalette::Disabled, QPalette::Base), plain.color(QPalette::Active, QPalette::WindowText));
        EXPECT_EQ(changed.color(QPalette::Disabled, QPalette::Text), plain.color(QPalette::Active, QPalette::Window));
        EXPECT_NE(plain.color(QPalette::Disabled, QPalette::Base), changed.color(QPalette::Disabled, QPalette::Base));
        EXPECT_EQ(frame.panels.value(ShellFrame::ScreenPanel), QStringLiteral("من السجل"));

        EXPECT_FALSE(j.window().Save(j.where(j.key), view));
    });
    j.state().service<cJournal>().ViewFromJournal(entry, nullptr);
    j.ui().setFrame(nullptr);

    EXPECT_TRUE(shown);
    EXPECT_FALSE(j.state().Viewing);
    EXPECT_EQ(SyntheticScreen::stored(j.db(), SyntheticScreen::Table, QStringLiteral("METER"), j.key), 20);
    EXPECT_EQ(SyntheticScreen::stored(j.db(), SyntheticScreen::Table, QStringLiteral("NAME"), j.key), QStringLiteral("later name"));
    EXPECT_EQ(j.count(QStringLiteral("_JOURNAL")), 2);

    // Once the view is closed, saves are journalled again.
    ControlAccess::setText(j.control(QStringLiteral("dfnMETER")), QStringLiteral("21"));
    ASSERT_TRUE(j.window().Save(j.where(j.key), j.screen.get()));
    EXPECT_EQ(j.count(QStringLiteral("_JOURNAL")), 3);
}

TEST(Journal, ViewShowsEveryKindOfLine)
{
    const struct {
        const char* control;
        int type;
        QVariant newValue;
        int modified;
        const char* shown;  // the field's Value face; empty: the line is skipped
    } cases[] = {
        {"dfdISSUEDATE", 2, QString(), 1, "31/12/9999"},
        {"dfdISSUEDATE", 2, QVariant(), 0, "31/12/9999"},
        {"dfdISSUEDATE", 2, QStringLiteral("20030105"), 1, "05/01/2003"},
        {"dftEXITTIME", 5, QStringLiteral("154500"), 1, "15:45:00"},
        {"dffRETURNED", 3, QStringLiteral("1"), 1, "1"},
        {"txtNAME", 1, QStringLiteral("اسم"), 0, "اسم"},
        {"dfsGONE", 1, QStringLiteral("x"), 1, ""},
        {"dfdISSUEDATE", 2, QStringLiteral("garbage!"), 1, ""},
    };
    for (const auto& c : cases) {
        JournalOffice j;
        j.registerScreen();
        const qint64 entry = j.db().insert(QStringLiteral("_JOURNAL"), QStringLiteral("JOURNALID"),
                                           {{QStringLiteral("FORM"), Screen}, {QStringLiteral("USER"), QStringLiteral("ADMIN")}});
        for (const auto& [name, value] : QList<QPair<QString, QVariant>>{{QString::fromLatin1(c.control), c.newValue},
                                                                          {QStringLiteral("dfnMETER"), QStringLiteral("77")}})
            j.db().insert(QStringLiteral("_JOURNALDETAILS"), QStringLiteral("JOURNALDETAILSID"),
                          {{QStringLiteral("JOURNALID"), entry}, {QStringLiteral("CONTROLNAME"), name},
                           {QStringLiteral("CONTROLTYPE"), name == QLatin1String("dfnMETER") ? 0 : c.type},
                           {QStringLiteral("NEWVALUE"), value}, {QStringLiteral("OLDVALUE"), QStringLiteral("0")},
                           {QStringLiteral("MODIFIED"), c.modified}});

        bool shown = false;
        j.ui().onDialog(Screen, [&](QDialog* view) {
            shown = true;
            if (QWidget* field = ControlAccess::find(view, QString::fromLatin1(c.control))) {
                if (*c.shown) {
                    EXPECT_EQ(ControlAccess::value(field), QString::fromUtf8(c.shown)) << c.control;
                }
                EXPECT_FALSE(field->isEnabled());
            }
            // A line that cannot be shown does not stop the others.
            EXPECT_EQ(ControlAccess::text(ControlAccess::require(view, QStringLiteral("dfnMETER"))), QStringLiteral("77"));
        });
        j.state().service<cJournal>().ViewFromJournal(entry, nullptr);
        EXPECT_TRUE(shown) << c.control;
        EXPECT_FALSE(j.state().Viewing);
        EXPECT_TRUE(j.errorLog().isEmpty()) << j.errorLog().toStdString();
    }
}

TEST(Journal, ViewOfWhatCannotBeShown)
{
    JournalOffice j;
    j.registerScreen();
    const qint64 gone = j.db().insert(QStringLiteral("_JOURNAL"), QStringLiteral("JOURNALID"), {{QStringLiteral("FORM"), QStringLiteral("frmGone")}});
    j.db().insert(QStringLiteral("_JOURNALDETAILS"), QStringLiteral("JOURNALDETAILSID"),
                  {{QStringLiteral("JOURNALID"), gone}, {QStringLiteral("CONTROLNAME"), QStringLiteral("txtNAME")}});
    const qint64 empty = j.db().insert(QStringLiteral("_JOURNAL"), QStringLiteral("JOURNALID"), {{QStringLiteral("FORM"), Screen}});

    j.state().service<cJournal>().ViewFromJournal(empty, nullptr);
    ASSERT_EQ(j.ui().messages.size(), 1);
    EXPECT_EQ(j.ui().lastMessage(), QStringLiteral("لا يمكن اظهار بيانات هذه الشاشة"));
    j.state().service<cJournal>().ViewFromJournal(999, nullptr);
    EXPECT_EQ(j.ui().messages.size(), 2);

    j.state().service<cJournal>().ViewFromJournal(gone, nullptr);
    EXPECT_TRUE(j.errorLog().contains(QStringLiteral("frmGone"))) << j.errorLog().toStdString();
    EXPECT_FALSE(j.ui().dialogsShown.contains(Screen));
    EXPECT_FALSE(j.state().Viewing);
}

TEST(Journal, ViewGoesOverTheFirstReadOfADataScreen)
{
    JournalOffice j;
    j.state().screens().add(Screen, [](RunState& st, QWidget* parent) {
        DataScreen::Definition definition;
        definition.keyColumn = SyntheticScreen::Key;
        definition.table = SyntheticScreen::Table;
        auto* screen = new DataScreen(st, definition, parent);
        screen->setObjectName(Screen);
        SyntheticScreen::populate(screen);
        return screen;
    });
    ControlAccess::setText(j.control(QStringLiteral("txtNAME")), QStringLiteral("journalled name"));
    ASSERT_TRUE(j.window().Save(j.where(j.key), j.screen.get()));

    bool shown = false;
    j.ui().onDialog(Screen, [&](QDialog* view) {
        shown = true;
        EXPECT_TRUE(j.state().Viewing);
        EXPECT_EQ(ControlAccess::text(ControlAccess::require(view, QStringLiteral("txtNAME"))), QStringLiteral("journalled name"));
        EXPECT_FALSE(ControlAccess::require(view, QStringLiteral("txtNAME"))->isEnabled());
    });
    j.state().service<cJournal>().ViewFromJournal(j.lastEntry(), nullptr);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(j.state().Viewing);
}
