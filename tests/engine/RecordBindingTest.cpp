#include "ScreenOffice.h"

#include <QDate>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTime>
#include <gtest/gtest.h>

namespace {

QString today()
{
    return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
}

// "now" stands for the current time, read around the call.
bool isNow(const QString& shown, const QTime& before, const QTime& after)
{
    const QTime t = QTime::fromString(shown, QStringLiteral("hh:mm:ss"));
    const QTime from = QTime(before.hour(), before.minute(), before.second());
    return t.isValid() && (after < from || (t >= from && t <= after));
}

}

TEST(RecordBinding, ReadShowsEveryFieldType)
{
    const struct {
        const char* column;
        QVariant stored;
        const char* control;
        const char* shown;  // "today"/"now" for the current date/time
        bool notes = false;
    } cases[] = {
        {"NAME", QStringLiteral("أحمد"), "txtNAME", "أحمد"},
        {"NAME", QVariant(), "txtNAME", " "},
        {"METER", 1234, "dfnMETER", "1234"},
        {"METER", 0, "dfnMETER", ""},
        {"METER", QVariant(), "dfnMETER", ""},
        {"AMOUNT", 12.5, "dfnAMOUNT", "12.50"},
        {"AMOUNT", 0.0, "dfnAMOUNT", ""},
        {"COMMENTS", QStringLiteral("first\nsecond"), "dfsCOMMENTS", "first\nsecond"},
        {"ISSUEDATE", 20030105, "dfdISSUEDATE", "05/01/2003"},
        {"ISSUEDATE", 20031231, "dfdISSUEDATE", "31/12/2003"},
        {"ISSUEDATE", 0, "dfdISSUEDATE", "today"},
        {"ISSUEDATE", QVariant(), "dfdISSUEDATE", "today"},
        {"RETURNED", 1, "dffRETURNED", "1"},
        {"RETURNED", 0, "dffRETURNED", "0"},
        {"CARTYPE", QStringLiteral("سيدان"), "dfgCARTYPE", "سيدان"},
        {"CARTYPE", QVariant(), "dfgCARTYPE", " "},
        {"CARTYPE", QStringLiteral("0"), "dfgCARTYPE", ""},
        {"EXITTIME", QStringLiteral("143000"), "dftEXITTIME", "14:30:00"},
        {"EXITTIME", QStringLiteral("093015"), "dftEXITTIME", "09:30:15"},
        {"EXITTIME", QStringLiteral("0"), "dftEXITTIME", "now"},
        {"EXITTIME", QVariant(), "dftEXITTIME", "00:00:00"},
        {"COLOUR", QStringLiteral("أسود"), "dfcCOLOUR", "أسود"},
        {"PADDED", QStringLiteral("padded"), "dfsPADDED", "padded"},
        {"IGNORED", QStringLiteral("stored"), "dfxIGNORED", "untouched"},
        {"HIDDEN", QStringLiteral("stored"), "dfsHIDDEN", "untouched"},
        {"NOTE", QStringLiteral("a note"), "dfsNOTE", "a note", true},
        {"SCORE", 7, "dfnSCORE", "7", true},
        {"SCORE", 0, "dfnSCORE", "", true},
    };
    ScreenOffice s;
    for (const auto& c : cases) {
        const Database::Field field{QString::fromLatin1(c.column), c.stored};
        const qint64 key = c.notes ? SyntheticScreen::addRecord(s.db(), {}, {field})
                                   : SyntheticScreen::addRecord(s.db(), {field});
        ControlAccess::setText(s.control(QStringLiteral("dfxIGNORED")), QStringLiteral("untouched"));
        ControlAccess::setText(s.control(QStringLiteral("dfsHIDDEN")), QStringLiteral("untouched"));

        const QTime before = QTime::currentTime();
        ASSERT_TRUE(s.window().Read(s.where(key), s.screen.get())) << c.column << s.errorLog().toStdString();
        const QTime after = QTime::currentTime();

        const QString shown = ControlAccess::value(s.control(QString::fromLatin1(c.control)));
        const QString expected = QString::fromUtf8(c.shown);
        if (expected == QLatin1String("today"))
            EXPECT_EQ(shown, today()) << c.column;
        else if (expected == QLatin1String("now"))
            EXPECT_TRUE(isNow(shown, before, after)) << c.column << " shows " << shown.toStdString();
        else
            EXPECT_EQ(shown, expected) << c.column << " stored " << c.stored.toString().toStdString();
        EXPECT_EQ(s.state().CurrentRecordId, key);
    }
}

TEST(RecordBinding, ReadWithoutWhereShowsFirstRowAndHandsTheClauseBack)
{
    ScreenOffice s;
    const qint64 first = SyntheticScreen::addRecord(s.db(), {{QStringLiteral("NAME"), QStringLiteral("first")}});
    SyntheticScreen::addRecord(s.db(), {{QStringLiteral("NAME"), QStringLiteral("second")}});

    QString where;
    ASSERT_TRUE(s.window().Read(where, s.screen.get()));
    EXPECT_EQ(where, QStringLiteral("Where SYNTHID = ") + QString::number(first));
    EXPECT_EQ(ControlAccess::text(s.control(QStringLiteral("txtNAME"))), QStringLiteral("first"));
    EXPECT_EQ(ControlAccess::text(s.control(QStringLiteral("txtID"))), QString::number(first));
    EXPECT_EQ(s.state().CurrentRecordId, first);
}

TEST(RecordBinding, ReadThatFindsNothingReturnsFalse)
{
    const struct {
        const char* what;
        bool withNotes;
        bool notesRow;
        const char* where;
        const char* nameAfter;
    } cases[] = {
        {"no row, one table", false, false, "where SYNTHID = -%1", "keep"},
        {"first table read, second has no row", true, false, "where SYNTHID = %1", "stored"},
        {"where matching nothing", true, true, "where SYNTHID = %1 and 1 = 0", "keep"},
    };
    for (const auto& c : cases) {
        ScreenOffice s(SyntheticScreen::Name, c.withNotes);
        const qint64 key = s.db().insert(SyntheticScreen::Table, SyntheticScreen::Key,
                                         {{QStringLiteral("NAME"), QStringLiteral("stored")}});
        if (c.notesRow)
            s.db().insert(SyntheticScreen::NotesTable, SyntheticScreen::Key, {{SyntheticScreen::Key, key}});
        ControlAccess::setText(s.control(QStringLiteral("txtNAME")), QStringLiteral("keep"));
        s.state().CurrentRecordId = -5;

        EXPECT_FALSE(s.window().Read(QString::fromLatin1(c.where).arg(key), s.screen.get())) << c.what;
        EXPECT_EQ(ControlAccess::text(s.control(QStringLiteral("txtNAME"))), QString::fromLatin1(c.nameAfter)) << c.what;
        EXPECT_EQ(s.state().CurrentRecordId, -5) << c.what;
        EXPECT_TRUE(s.errorLog().isEmpty()) << c.what;
    }
}

TEST(RecordBinding, ScreenOrTableSwitchedOffIsNotRead)
{
    ScreenOffice s;
    const qint64 key = SyntheticScreen::addRecord(s.db(), {{QStringLiteral("NAME"), QStringLiteral("stored")}});
    s.db().command(QStringLiteral("update _WINDOWTABLE set ONOFF = 0 where WINDOWNAME = 'frmSynthetic'"));
    ControlAccess::setText(s.control(QStringLiteral("txtNAME")), QStringLiteral("keep"));

    EXPECT_FALSE(s.window().Read(s.where(key), s.screen.get()));
    EXPECT_EQ(ControlAccess::text(s.control(QStringLiteral("txtNAME"))), QStringLiteral("keep"));

    std::unique_ptr<QDialog> stranger(SyntheticScreen::build(QStringLiteral("frmNobody")));
    EXPECT_FALSE(s.window().Read(s.where(key), stranger.get()));
}

TEST(RecordBinding, ReadNamesTheColumnThatFailed)
{
    const struct {
        const char* control;
        const char* column;
    } cases[] = {
        {"dfsCOMMENTS", "NOSUCHCOLUMN"},
        {"dfsNOSUCHCONTROL", "COMMENTS"},
    };
    for (const auto& c : cases) {
        ScreenOffice s(SyntheticScreen::Name, false);
        SyntheticScreen::addTable(s.db(), s.name, SyntheticScreen::Table, 3,
                                  {{QString::fromLatin1(c.control), QString::fromLatin1(c.column), 1}});
        const qint64 key = SyntheticScreen::addRecord(s.db(), {});
        EXPECT_FALSE(s.window().Read(s.where(key), s.screen.get()));
        EXPECT_TRUE(s.errorLog().contains(QStringLiteral(" Error Processing Table Column :-") + QString::fromLatin1(c.column)))
            << s.errorLog().toStdString();
    }
}

TEST(RecordBinding, ZeroBlankingTouchesTextControlsOnly)
{
    ScreenOffice s;
    const qint64 key = SyntheticScreen::addRecord(s.db(), {{QStringLiteral("METER"), 0}});
    auto* unbound = new QLineEdit(QStringLiteral("0"), s.screen.get());
    unbound->setObjectName(QStringLiteral("txtUnbound"));
    auto* zeroish = new QLineEdit(QStringLiteral("00"), s.screen.get());
    zeroish->setObjectName(QStringLiteral("txtZeroish"));

    ASSERT_TRUE(s.window().Read(s.where(key), s.screen.get()));
    EXPECT_EQ(unbound->text(), QString());
    EXPECT_EQ(zeroish->text(), QStringLiteral("00"));
    EXPECT_EQ(s.screen->findChild<QLabel*>(QStringLiteral("lblZero"))->text(), QStringLiteral("0"));
    EXPECT_EQ(ControlAccess::value(s.control(QStringLiteral("dffRETURNED"))), QStringLiteral("0"));
}

TEST(RecordBinding, SaveWritesEveryFieldType)
{
    const struct {
        const char* control;
        const char* typed;
        const char* table;
        const char* column;
        QVariant stored;
    } cases[] = {
        {"txtNAME", "Ahmad", "SYNTHETIC", "NAME", QStringLiteral("Ahmad")},
        {"txtNAME", "", "SYNTHETIC", "NAME", QStringLiteral(" ")},
        {"dfnMETER", "", "SYNTHETIC", "METER", 0},
        {"dfnMETER", "-12", "SYNTHETIC", "METER", -12},
        {"dfnMETER", "+40", "SYNTHETIC", "METER", 40},
        {"dfnAMOUNT", "12.50", "SYNTHETIC", "AMOUNT", 12.5},
        {"dfsCOMMENTS", "one\ntwo", "SYNTHETIC", "COMMENTS", QStringLiteral("one\ntwo")},
        {"dfsCOMMENTS", "", "SYNTHETIC", "COMMENTS", QStringLiteral(" ")},
        {"dfdISSUEDATE", "05/01/2003", "SYNTHETIC", "ISSUEDATE", 20030105},
        {"dffRETURNED", "1", "SYNTHETIC", "RETURNED", 1},
        {"dffRETURNED", "0", "SYNTHETIC", "RETURNED", 0},
        {"dfgCARTYPE", "", "SYNTHETIC", "CARTYPE", QStringLiteral("0")},
        {"dfgCARTYPE", "فان", "SYNTHETIC", "CARTYPE", QStringLiteral("فان")},
        {"dftEXITTIME", "14:30:27", "SYNTHETIC", "EXITTIME", QStringLiteral("143000")},
        {"dftEXITTIME", "00:05:00", "SYNTHETIC", "EXITTIME", QStringLiteral("000500")},
        {"dfcCOLOUR", "red", "SYNTHETIC", "COLOUR", QStringLiteral("red")},
        {"dfsPADDED", "p", "SYNTHETIC", "PADDED", QStringLiteral("p")},
        {"dfxIGNORED", "changed", "SYNTHETIC", "IGNORED", QStringLiteral("stored")},
        {"dfsHIDDEN", "changed", "SYNTHETIC", "HIDDEN", QStringLiteral("stored")},
        {"txtID", "999", "SYNTHETIC", "SYNTHID", "key"},
        {"dfsNOTE", "n", "SYNTHETICNOTES", "NOTE", QStringLiteral("n")},
        {"dfnSCORE", "", "SYNTHETICNOTES", "SCORE", 0},
    };
    ScreenOffice s;
    for (const auto& c : cases) {
        const qint64 key = SyntheticScreen::addRecord(
            s.db(), {{QStringLiteral("IGNORED"), QStringLiteral("stored")}, {QStringLiteral("HIDDEN"), QStringLiteral("stored")},
                     {QStringLiteral("COLOUR"), QStringLiteral("أبيض")}});
        ASSERT_TRUE(s.window().Read(s.where(key), s.screen.get()));
        ControlAccess::setValue(s.control(QString::fromLatin1(c.control)), QString::fromUtf8(c.typed));

        ASSERT_TRUE(s.window().Save(s.where(key), s.screen.get())) << c.control << s.errorLog().toStdString();
        const QVariant expected = c.stored == QVariant(QStringLiteral("key")) ? QVariant(key) : c.stored;
        EXPECT_EQ(SyntheticScreen::stored(s.db(), QString::fromLatin1(c.table), QString::fromLatin1(c.column), key),
                  expected)
            << c.control << " typed \"" << c.typed << "\"";
    }
}

TEST(RecordBinding, StoredValuesComeBackAfterSaveAndRead)
{
    const struct {
        const char* column;
        QVariant stored;
        const char* control;
        const char* shown;
        QVariant saved;  // "today" for today's yyyymmdd
    } cases[] = {
        {"METER", 0, "dfnMETER", "", 0},
        {"NAME", QVariant(), "txtNAME", " ", QStringLiteral(" ")},
        {"CARTYPE", QVariant(), "dfgCARTYPE", " ", QStringLiteral(" ")},
        {"CARTYPE", QStringLiteral("0"), "dfgCARTYPE", "", QStringLiteral("0")},
        {"ISSUEDATE", 0, "dfdISSUEDATE", "today", "today"},
        {"EXITTIME", QStringLiteral("235900"), "dftEXITTIME", "23:59:00", QStringLiteral("235900")},
        {"EXITTIME", QVariant(), "dftEXITTIME", "00:00:00", QStringLiteral("000000")},
        {"AMOUNT", 7.25, "dfnAMOUNT", "7.25", 7.25},
    };
    ScreenOffice s;
    for (const auto& c : cases) {
        const qint64 key = SyntheticScreen::addRecord(s.db(), {{QString::fromLatin1(c.column), c.stored}});
        ASSERT_TRUE(s.window().Read(s.where(key), s.screen.get()));
        const QString shown = QString::fromUtf8(c.shown);
        EXPECT_EQ(ControlAccess::value(s.control(QString::fromLatin1(c.control))),
                  shown == QLatin1String("today") ? today() : shown)
            << c.column;
        ASSERT_TRUE(s.window().Save(s.where(key), s.screen.get()));
        const QVariant expected = c.saved == QVariant(QStringLiteral("today"))
            ? QVariant(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")).toLongLong())
            : c.saved;
        EXPECT_EQ(SyntheticScreen::stored(s.db(), SyntheticScreen::Table, QString::fromLatin1(c.column), key), expected)
            << c.column;
    }
}

TEST(RecordBinding, TypedTextsSurviveSaveAndRead)
{
    const QString texts[] = {
        QStringLiteral("O'Brien's car"),
        QStringLiteral("a,b"),
        QStringLiteral("a,,b"),
        QStringLiteral(",,"),
        QStringLiteral("سيارة الشركة، رقم ٣"),
        QStringLiteral("x', METER = 99 where 1=1 --"),
        QString(500, QChar(0x0633)),
        QStringLiteral("''"),
    };
    ScreenOffice s;
    for (const QString& text : texts) {
        for (const char* control : {"txtNAME", "dfsCOMMENTS", "dfgCARTYPE", "dfsNOTE"}) {
            const qint64 other = SyntheticScreen::addRecord(s.db(), {{QStringLiteral("NAME"), QStringLiteral("other")}});
            const qint64 key = SyntheticScreen::addRecord(s.db(), {{QStringLiteral("METER"), 5}});
            ASSERT_TRUE(s.window().Read(s.where(key), s.screen.get()));
            QWidget* field = s.control(QString::fromLatin1(control));
            ControlAccess::setText(field, text);
            ASSERT_TRUE(s.window().Save(s.where(key), s.screen.get())) << s.errorLog().toStdString();

            ControlAccess::setText(field, QStringLiteral("cleared"));
            ASSERT_TRUE(s.window().Read(s.where(key), s.screen.get()));
            EXPECT_EQ(ControlAccess::text(field), text) << control;
            EXPECT_EQ(SyntheticScreen::stored(s.db(), SyntheticScreen::Table, QStringLiteral("METER"), key), 5);
            EXPECT_EQ(SyntheticScreen::stored(s.db(), SyntheticScreen::Table, QStringLiteral("NAME"), other),
                      QStringLiteral("other"));
        }
    }
}

TEST(RecordBinding, NumberFieldHoldingTextIsRefusedWithNothingWritten)
{
    const struct {
        const char* control;
        const char* typed;
    } cases[] = {
        {"dfnMETER", "abc"},
        {"dfnMETER", "0 where 1=1 --"},
        {"dfnAMOUNT", "1,5"},
        {"dfnSCORE", "7; delete from SYNTHETIC"},
    };
    for (const auto& c : cases) {
        ScreenOffice s;
        const qint64 other = SyntheticScreen::addRecord(s.db(), {{QStringLiteral("NAME"), QStringLiteral("other")},
                                                                 {QStringLiteral("METER"), 3}});
        const qint64 key = SyntheticScreen::addRecord(s.db(), {{QStringLiteral("NAME"), QStringLiteral("mine")},
                                                               {QStringLiteral("METER"), 4}});
        ASSERT_TRUE(s.window().Read(s.where(key), s.screen.get()));
        ControlAccess::setText(s.control(QStringLiteral("txtNAME")), QStringLiteral("changed"));
        ControlAccess::setText(s.control(QStringLiteral("dfsNOTE")), QStringLiteral("changed"));
        ControlAccess::setText(s.control(QString::fromLatin1(c.control)), QString::fromLatin1(c.typed));

        EXPECT_FALSE(s.window().Save(s.where(key), s.screen.get())) << c.typed;
        for (qint64 row : {other, key})
            EXPECT_NE(SyntheticScreen::stored(s.db(), SyntheticScreen::Table, QStringLiteral("NAME"), row),
                      QStringLiteral("changed"));
        EXPECT_EQ(SyntheticScreen::stored(s.db(), SyntheticScreen::Table, QStringLiteral("METER"), other), 3);
        EXPECT_EQ(SyntheticScreen::stored(s.db(), SyntheticScreen::Table, QStringLiteral("METER"), key), 4);
        EXPECT_NE(SyntheticScreen::stored(s.db(), SyntheticScreen::NotesTable, QStringLiteral("NOTE"), key), QStringLiteral("changed"));
        EXPECT_EQ(s.count(QStringLiteral("_JOURNAL")), 0);
        EXPECT_TRUE(s.errorLog().contains(QString::fromLatin1(c.control) + QStringLiteral(" must be a number")))
            << s.errorLog().toStdString();
    }
}

TEST(RecordBinding, SaveWhileViewingWritesNothing)
{
    ScreenOffice s(SyntheticScreen::Name, false);
    const qint64 key = SyntheticScreen::addRecord(s.db(), {{QStringLiteral("NAME"), QStringLiteral("stored")}});
    ASSERT_TRUE(s.window().Read(s.where(key), s.screen.get()));
    ControlAccess::setText(s.control(QStringLiteral("txtNAME")), QStringLiteral("changed"));
    s.state().Viewing = true;

    EXPECT_FALSE(s.window().Save(s.where(key), s.screen.get()));
    EXPECT_EQ(SyntheticScreen::stored(s.db(), SyntheticScreen::Table, QStringLiteral("NAME"), key), QStringLiteral("stored"));
    EXPECT_EQ(s.count(QStringLiteral("_JOURNAL")), 0);
    EXPECT_EQ(s.count(QStringLiteral("_JOURNALDETAILS")), 0);

    s.state().Viewing = false;
    EXPECT_TRUE(s.window().Save(s.where(key), s.screen.get()));
    EXPECT_EQ(SyntheticScreen::stored(s.db(), SyntheticScreen::Table, QStringLiteral("NAME"), key), QStringLiteral("changed"));
    EXPECT_EQ(s.count(QStringLiteral("_JOURNAL")), 1);
}

TEST(RecordBinding, ControlWithoutValueIsLeftOutOfTheUpdate)
{
    ScreenOffice s(QStringLiteral("frmLabelled"), false);
    s.db().command(QStringLiteral("delete from _WINDOWTABLEDETAILS"));
    s.db().command(QStringLiteral("delete from _WINDOWTABLE"));
    SyntheticScreen::addTable(s.db(), s.name, SyntheticScreen::Table, 1,
                              {{QStringLiteral("txtID"), QStringLiteral("SYNTHID"), 0, true},
                               {QStringLiteral("lblFieldLabel"), QStringLiteral("NAME"), 1},
                               {QStringLiteral("SSTab1"), QStringLiteral("COMMENTS"), 1},
                               {QStringLiteral("dfnMETER"), QStringLiteral("METER"), 0}});
    const qint64 key = SyntheticScreen::addRecord(s.db(), {{QStringLiteral("NAME"), QStringLiteral("stored")},
                                                           {QStringLiteral("COMMENTS"), QStringLiteral("stored")}});
    ControlAccess::setText(s.control(QStringLiteral("dfnMETER")), QStringLiteral("42"));

    ASSERT_TRUE(s.window().Save(s.where(key), s.screen.get())) << s.errorLog().toStdString();
    EXPECT_EQ(SyntheticScreen::stored(s.db(), SyntheticScreen::Table, QStringLiteral("NAME"), key), QStringLiteral("stored"));
    EXPECT_EQ(SyntheticScreen::stored(s.db(), SyntheticScreen::Table, QStringLiteral("COMMENTS"), key), QStringLiteral("stored"));
    EXPECT_EQ(SyntheticScreen::stored(s.db(), SyntheticScreen::Table, QStringLiteral("METER"), key), 42);
}

TEST(RecordBinding, FailingSecondUpdateLeavesTheFirstTableUnchanged)
{
    ScreenOffice s;
    const qint64 key = SyntheticScreen::addRecord(s.db(), {{QStringLiteral("NAME"), QStringLiteral("stored")}});
    ASSERT_TRUE(s.window().Read(s.where(key), s.screen.get()));
    const qint64 notes = s.db().execute(QStringLiteral("select WINDOWTABLEID from _WINDOWTABLE where TABLEORDER = 2"))
                             .value(0, 0).toLongLong();
    s.db().command(QStringLiteral("update _WINDOWTABLEDETAILS set [COLUMN] = 'NOSUCH' where WINDOWCONTROL = 'dfsNOTE' and WINDOWTABLEID = ")
                   + QString::number(notes));
    ControlAccess::setText(s.control(QStringLiteral("txtNAME")), QStringLiteral("changed"));

    EXPECT_FALSE(s.window().Save(s.where(key), s.screen.get()));
    EXPECT_EQ(SyntheticScreen::stored(s.db(), SyntheticScreen::Table, QStringLiteral("NAME"), key), QStringLiteral("stored"));
    EXPECT_TRUE(s.errorLog().contains(QStringLiteral("--:--Update SYNTHETICNOTES SET NOSUCH = ' ',SCORE = 0  where SYNTHID = ")))
        << s.errorLog().toStdString();
    EXPECT_EQ(s.db().transactionDepth(), 0);
}

TEST(RecordBinding, FailingJournalStillSaves)
{
    ScreenOffice s(SyntheticScreen::Name, false);
    const qint64 key = SyntheticScreen::addRecord(s.db(), {{QStringLiteral("NAME"), QStringLiteral("stored")}});
    ASSERT_TRUE(s.window().Read(s.where(key), s.screen.get()));
    s.db().executeNative(QStringLiteral("DROP TABLE _JOURNALDETAILS"));
    ControlAccess::setText(s.control(QStringLiteral("txtNAME")), QStringLiteral("changed"));

    EXPECT_TRUE(s.window().Save(s.where(key), s.screen.get()));
    EXPECT_EQ(SyntheticScreen::stored(s.db(), SyntheticScreen::Table, QStringLiteral("NAME"), key), QStringLiteral("changed"));
    EXPECT_EQ(s.count(QStringLiteral("_JOURNAL")), 0);
    EXPECT_TRUE(s.errorLog().contains(QStringLiteral("cJournal.JournalWindow"))) << s.errorLog().toStdString();
}

TEST(RecordBinding, SaveShowsProgressAndTime)
{
    ScreenOffice s;
    RecordingFrame frame;
    s.ui().setFrame(&frame);
    const qint64 key = SyntheticScreen::addRecord(s.db(), {});
    ASSERT_TRUE(s.window().Read(s.where(key), s.screen.get()));

    const QTime before = QTime::currentTime();
    ASSERT_TRUE(s.window().Save(s.where(key), s.screen.get()));
    const QTime after = QTime::currentTime();
    s.ui().setFrame(nullptr);

    EXPECT_EQ(frame.progress, (QList<int>{3, 30, 100}));
    const QString status = frame.panels.value(ShellFrame::MessagePanel);
    ASSERT_TRUE(status.startsWith(QStringLiteral("Saved at "))) << status.toStdString();
    EXPECT_TRUE(isNow(status.mid(9), before, after)) << status.toStdString();
}

TEST(RecordBinding, InsertStoresPairsWhole)
{
    const struct {
        QList<Database::Field> fields;
        const char* name;
        QVariant meter;
    } cases[] = {
        {{{QStringLiteral("NAME"), QString()}}, "0", 0},
        {{{QStringLiteral("NAME"), QStringLiteral("x")}, {QStringLiteral("METER"), QStringLiteral("1")}}, "x", 1},
        {{{QStringLiteral("NAME"), QStringLiteral("a,b")}, {QStringLiteral("METER"), QVariant()}}, "a,b", 0},
        {{{QStringLiteral("NAME"), QStringLiteral("O'Neil")}, {QStringLiteral(" METER "), 12}}, "O'Neil", 12},
    };
    for (const auto& c : cases) {
        ScreenOffice s;
        const qint64 key = s.window().Insert(SyntheticScreen::Table, SyntheticScreen::Key, c.fields);
        ASSERT_GT(key, 0) << s.errorLog().toStdString();
        EXPECT_EQ(SyntheticScreen::stored(s.db(), SyntheticScreen::Table, QStringLiteral("NAME"), key), QString::fromLatin1(c.name));
        EXPECT_EQ(SyntheticScreen::stored(s.db(), SyntheticScreen::Table, QStringLiteral("METER"), key).toInt(), c.meter.toInt());
    }
}

TEST(RecordBinding, InsertKeysAreWide)
{
    ScreenOffice s;
    s.db().insert(SyntheticScreen::Table, SyntheticScreen::Key, {{SyntheticScreen::Key, Q_INT64_C(5000000000)}});
    EXPECT_EQ(s.window().Insert(SyntheticScreen::Table, SyntheticScreen::Key, {{QStringLiteral("NAME"), QStringLiteral("n")}}),
              Q_INT64_C(5000000001));
    EXPECT_EQ(s.window().ReadOneValueFromTable(SyntheticScreen::Key, SyntheticScreen::Table, QStringLiteral("where NAME = 'n'")),
              Q_INT64_C(5000000001));
}

TEST(RecordBinding, InsertFailureIsReportedWithItsTail)
{
    ScreenOffice s;
    EXPECT_EQ(s.window().Insert(SyntheticScreen::Table, SyntheticScreen::Key, {{QStringLiteral("NOSUCH"), QStringLiteral("1")}}), 0);
    EXPECT_TRUE(s.errorLog().contains(QStringLiteral(
        " Function: Owindow.Insert--> you may have icorrect type for the value you are trying to insert, or field name is incorrect ")))
        << s.errorLog().toStdString();
    EXPECT_EQ(s.count(SyntheticScreen::Table), 0);
}

TEST(RecordBinding, DeleteAsksFirst)
{
    const struct {
        bool answer;
        const char* where;  // empty: built from txtID
        bool deleted;
    } cases[] = {
        {false, "", false},
        {true, "", true},
        {false, "where SYNTHID = %1", false},
        {true, "where SYNTHID = %1", true},
    };
    for (const auto& c : cases) {
        ScreenOffice s;
        const qint64 other = SyntheticScreen::addRecord(s.db(), {});
        const qint64 key = SyntheticScreen::addRecord(s.db(), {});
        ASSERT_TRUE(s.window().Read(s.where(key), s.screen.get()));
        s.ui().answers << c.answer;

        const QString where = QString::fromLatin1(c.where).isEmpty() ? QString() : QString::fromLatin1(c.where).arg(key);
        EXPECT_EQ(s.window().Delete(where, s.screen.get()), c.deleted);
        ASSERT_EQ(s.ui().questions.size(), 1);
        EXPECT_EQ(s.ui().questions.first().text,
                  QStringLiteral("This record will be deleted permenantly, this operation can not be undone, are you sure?"));
        EXPECT_EQ(SyntheticScreen::stored(s.db(), SyntheticScreen::Table, SyntheticScreen::Key, key).isNull(), c.deleted);
        EXPECT_FALSE(SyntheticScreen::stored(s.db(), SyntheticScreen::Table, SyntheticScreen::Key, other).isNull());
    }
}

TEST(RecordBinding, DeleteRefusesWhatItCannotAddress)
{
    const struct {
        const char* screen;
        const char* id;
    } cases[] = {
        {"frmSynthetic", "abc"},
        {"frmSynthetic", "0 or 1=1"},
        {"frmNobody", "1"},
    };
    for (const auto& c : cases) {
        ScreenOffice s;
        const qint64 key = SyntheticScreen::addRecord(s.db(), {});
        std::unique_ptr<QDialog> screen(SyntheticScreen::build(QString::fromLatin1(c.screen)));
        ControlAccess::setText(ControlAccess::require(screen.get(), QStringLiteral("txtID")), QString::fromLatin1(c.id));

        EXPECT_FALSE(s.window().Delete({}, screen.get()));
        EXPECT_TRUE(s.ui().questions.isEmpty());
        EXPECT_EQ(s.count(SyntheticScreen::Table), 1);
        EXPECT_EQ(SyntheticScreen::stored(s.db(), SyntheticScreen::Table, SyntheticScreen::Key, key), key);
    }
}

TEST(RecordBinding, Lookups)
{
    ScreenOffice s;
    SyntheticScreen::addRecord(s.db(), {{QStringLiteral("METER"), 10}});
    const qint64 second = SyntheticScreen::addRecord(s.db(), {{QStringLiteral("METER"), 20}});
    cWindow& w = s.window();
    std::unique_ptr<QDialog> stranger(SyntheticScreen::build(QStringLiteral("frmNobody")));

    EXPECT_EQ(w.ReadOneValueFromTable(QStringLiteral("METER"), SyntheticScreen::Table, {}), 10);
    EXPECT_EQ(w.ReadOneValueFromTable(QStringLiteral("SYNTHID"), SyntheticScreen::Table, QStringLiteral("where METER = 20")), second);
    EXPECT_EQ(w.ReadOneValueFromTable(QStringLiteral("METER"), SyntheticScreen::Table, QStringLiteral("where METER = 99")), 0);
    EXPECT_EQ(w.ReadOneValueFromTable(QStringLiteral("METER"), QStringLiteral("NOSUCHTABLE"), {}), 0);
    EXPECT_EQ(w.GetTableIdentifier(s.screen.get()), QStringLiteral("SYNTHID"));
    EXPECT_EQ(w.GetTableName(s.screen.get()), SyntheticScreen::Table);
    EXPECT_EQ(w.GetTableIdentifier(stranger.get()), QStringLiteral("0"));
    EXPECT_EQ(w.GetTableName(stranger.get()), QStringLiteral("0"));
    EXPECT_TRUE(s.errorLog().isEmpty());
}

TEST(RecordBinding, PicturesGoInAndComeBackByteForByte)
{
    const struct {
        const char* format;
        int side;
    } cases[] = {{"PNG", 160}, {"JPEG", 400}, {"PNG", 4}};
    for (const auto& c : cases) {
        ScreenOffice s;
        QImage image(c.side, c.side, QImage::Format_RGB32);
        for (int y = 0; y < c.side; ++y)
            for (int x = 0; x < c.side; ++x)
                image.setPixel(x, y, qRgb((x * 37 + y * 11) % 256, (x * y) % 256, (x ^ y) % 256));
        const QString source = s.office.file(QStringLiteral("source.") + QString::fromLatin1(c.format).toLower());
        ASSERT_TRUE(image.save(source, c.format));
        QFile sourceFile(source);
        ASSERT_TRUE(sourceFile.open(QIODevice::ReadOnly));
        const QByteArray bytes = sourceFile.readAll();

        const QString where = QStringLiteral("WHERE PICTURESEQUENCE = 1 AND CARID = 7");
        const cWindow::Fields keys{{QStringLiteral("CARID"), QStringLiteral("7")}, {QStringLiteral("PICTURESEQUENCE"), QStringLiteral("1")}};
        // Stored twice: the second replaces the first.
        ASSERT_TRUE(s.window().InsertPicture(source, QStringLiteral("CARPICTURE"), QStringLiteral("CARPICTURE"), where, keys));
        ASSERT_TRUE(s.window().InsertPicture(source, QStringLiteral("CARPICTURE"), QStringLiteral("CARPICTURE"), where, keys));
        EXPECT_EQ(s.count(QStringLiteral("CARPICTURE")), 1);

        const QString written = s.window().ReadPicture(QStringLiteral("CARPICTURE"), QStringLiteral("CARPICTURE"), where);
        EXPECT_EQ(written, s.office.home() + QStringLiteral("/p.bmp"));
        QFile back(written);
        ASSERT_TRUE(back.open(QIODevice::ReadOnly));
        EXPECT_EQ(back.readAll(), bytes) << c.format;
        EXPECT_FALSE(QImage(written).isNull()) << c.format;

        const QString named = s.office.file(QStringLiteral("named.pic"));
        EXPECT_EQ(s.window().ReadPicture(QStringLiteral("CARPICTURE"), QStringLiteral("CARPICTURE"), where, named), named);
        EXPECT_EQ(QFileInfo(named).size(), bytes.size());
        EXPECT_TRUE(s.errorLog().isEmpty()) << s.errorLog().toStdString();
    }
}

TEST(RecordBinding, PictureFileNameDecidesWhatHappens)
{
    const struct {
        const char* fileName;
        int rowsAfter;
        bool ok;
    } cases[] = {
        {"1", 1, true},
        {"", 0, true},
        {"ab", 0, true},
        {"missing-file.png", 1, false},
    };
    for (const auto& c : cases) {
        ScreenOffice s;
        const QString where = QStringLiteral("WHERE CUSTOMERID = 3");
        const qint64 row = s.db().insert(QStringLiteral("CUSTOMERPICTURE"), s.db().primaryKeyOf(QStringLiteral("CUSTOMERPICTURE")),
                                         {{QStringLiteral("CUSTOMERID"), 3}});
        s.db().writeBlob(QStringLiteral("CUSTOMERPICTURE"), QStringLiteral("CUSTOMERPICTURE"),
                         s.db().primaryKeyOf(QStringLiteral("CUSTOMERPICTURE")), row, QByteArray("old picture"));

        const QString name = QString::fromLatin1(c.fileName) == QLatin1String("missing-file.png")
            ? s.office.file(QStringLiteral("missing-file.png"))
            : QString::fromLatin1(c.fileName);
        EXPECT_EQ(s.window().InsertPicture(name, QStringLiteral("CUSTOMERPICTURE"), QStringLiteral("CUSTOMERPICTURE"), where,
                                           {{QStringLiteral("CUSTOMERID"), QStringLiteral("3")}}),
                  c.ok)
            << c.fileName;
        EXPECT_EQ(s.count(QStringLiteral("CUSTOMERPICTURE")), c.rowsAfter) << c.fileName;
        if (c.rowsAfter) {
            const QString written = s.window().ReadPicture(QStringLiteral("CUSTOMERPICTURE"), QStringLiteral("CUSTOMERPICTURE"), where);
            QFile back(written);
            ASSERT_TRUE(back.open(QIODevice::ReadOnly)) << c.fileName;
            EXPECT_EQ(back.readAll(), QByteArray("old picture")) << c.fileName;
        } else {
            EXPECT_EQ(s.window().ReadPicture(QStringLiteral("CUSTOMERPICTURE"), QStringLiteral("CUSTOMERPICTURE"), where), QString());
        }
    }
}
