#include "ScreenOffice.h"

#include "core/AppError.h"
#include "core/RowSet.h"
#include "engine/BindVariables.h"
#include "engine/ControlAccess.h"
#include "engine/NumberRange.h"
#include "engine/DateEdit.h"
#include "engine/GridCombo.h"
#include "engine/NumberEdit.h"
#include "engine/ReadSnapshot.h"
#include "engine/cValidation.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QTime>
#include <QTimeEdit>
#include <functional>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

using namespace Qt::StringLiterals;

// Each stored encoding is shown as the operator reads it and stored again as it was, or as typed.
// What was read and is saved back unchanged stays byte for byte as stored, also when another
// field of the record is changed and saved.
TEST(RecordBinding, ReadShowsEveryFieldTypeAndSaveWritesItBack)
{
    // shown: "now" for the current time, null for a value read and saved back unchanged (an
    // unchanged save writes nothing, a save of another field leaves it, null or not); typed: null
    // to save as read; saved: null when not checked; notes: the column is in the second table.
    const struct { const char* column; QVariant stored; const char* control; const char* shown; const char* typed;
                   QVariant saved; bool notes = false; } cases[] = {
        {"NAME", u"أحمد"_s, "txtNAME", "أحمد", nullptr, u"أحمد"_s},
        {"NAME", u" "_s, "txtNAME", "", "typed", u"typed"_s},
        {"NAME", u"x"_s, "txtNAME", "x", "", u" "_s},
        {"NAME", u"x"_s, "txtNAME", "x", "x', METER = 99 where 1=1 --", u"x', METER = 99 where 1=1 --"_s},
        {"NAME", u"x"_s, "txtNAME", "x", "O'Brien's car, a,,b", u"O'Brien's car, a,,b"_s},
        {"METER", 0, "dfnMETER", "", nullptr, 0},
        {"METER", 5, "dfnMETER", "5", "-12", -12},
        {"AMOUNT", 12.5, "dfnAMOUNT", "12.50", nullptr, 12.5},
        {"COMMENTS", u"first\nsecond"_s, "dfsCOMMENTS", "first\nsecond", nullptr, u"first\nsecond"_s},
        {"ISSUEDATE", 0, "dfdISSUEDATE", "", nullptr, 0},
        {"ISSUEDATE", 20030105, "dfdISSUEDATE", "05/01/2003", "31/12/2003", 20031231},
        {"ISSUEDATE", 20030105, "dfdISSUEDATE", "05/01/2003", "", 0},
        {"ISSUEDATE", 0, "dfdISSUEDATE", "", "25/12/2027", 20271225},
        {"RETURNED", 1, "dffRETURNED", "1", "0", 0},
        {"CARTYPE", u"0"_s, "dfgCARTYPE", "", nullptr, u"0"_s},
        {"CARTYPE", u"van"_s, "dfgCARTYPE", "van", "", u"0"_s},
        {"EXITTIME", u"0"_s, "dftEXITTIME", "now", nullptr, QVariant()},
        {"EXITTIME", QVariant(), "dftEXITTIME", "00:00:00", nullptr, QVariant()},
        {"EXITTIME", u"143000"_s, "dftEXITTIME", "14:30:00", "09:05:27", u"090500"_s},
        {"PADDED", u"padded"_s, "dfsPADDED", "padded", "p", u"p"_s},
        {"IGNORED", u"stored"_s, "dfxIGNORED", "untouched", "changed", u"stored"_s},
        {"HIDDEN", u"stored"_s, "dfsHIDDEN", "untouched", "changed", u"stored"_s},
        {"NOTE", u"a note"_s, "dfsNOTE", "a note", nullptr, u"a note"_s, true},
        {"NOTE", u"a note"_s, "dfsNOTE", "a note", ",,''", u",,''"_s, true},
        {"SCORE", 0, "dfnSCORE", "", nullptr, 0, true},
        {"COMMENTS", u"first line\r\nsecond line\r\n"_s, "dfsCOMMENTS", nullptr, nullptr, {}},
        {"COMMENTS", u"\ttabbed  and trailing  "_s, "dfsCOMMENTS", nullptr, nullptr, {}},
        {"NAME", QString(40000, QLatin1Char('x')), "txtNAME", nullptr, nullptr, {}},
        {"NAME", QVariant(), "txtNAME", nullptr, nullptr, {}}, {"NAME", u"  two blanks in front"_s, "txtNAME", nullptr, nullptr, {}},
        {"METER", QVariant(), "dfnMETER", nullptr, nullptr, {}}, {"AMOUNT", 12.345, "dfnAMOUNT", nullptr, nullptr, {}},
        {"CARTYPE", QVariant(), "dfgCARTYPE", nullptr, nullptr, {}}, {"CARTYPE", u"شه"_s, "dfgCARTYPE", nullptr, nullptr, {}},
        {"EXITTIME", QVariant(), "dftEXITTIME", nullptr, nullptr, {}}, {"EXITTIME", u"143059"_s, "dftEXITTIME", nullptr, nullptr, {}},
        {"RETURNED", 7, "dffRETURNED", nullptr, nullptr, {}}, {"NOTE", QVariant(), "dfsNOTE", nullptr, nullptr, {}, true},
        {"ISSUEDATE", QVariant(), "dfdISSUEDATE", nullptr, nullptr, {}}, {"ISSUEDATE", 0, "dfdISSUEDATE", nullptr, nullptr, {}},
    };
    ScreenOffice s;
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.column) + " stored " + c.stored.toString().toStdString() + " typed " + (c.typed ? c.typed : "-"));
        // A time stored empty shows the time of day and is stored as shown: the record has one.
        QList<Database::Field> fields{{u"PADDED"_s, u"p"_s}, {u"ISSUEDATE"_s, 20030105}, {u"EXITTIME"_s, u"143000"_s}};
        const Database::Field field{QLatin1String(c.column), c.stored};
        fields.removeIf([&](const Database::Field& f) { return !c.notes && f.first == field.first; });
        const qint64 key = c.notes ? s.addRecord(fields, {field}) : s.addRecord(fields + QList{field});
        const auto column = [&] { return s.stored(c.column, key, c.notes ? SyntheticScreen::NotesTable : SyntheticScreen::Table); };
        const QVariant stored = column();
        s.set("dfxIGNORED", u"untouched"_s);
        s.set("dfsHIDDEN", u"untouched"_s);

        const QTime before = QTime::fromString(QTime::currentTime().toString(u"hh:mm:ss"_s), u"hh:mm:ss"_s);
        ASSERT_TRUE(s.read(key)) << s.errorLog().toStdString();
        const QTime after = QTime::currentTime(), now = QTime::fromString(s.value(c.control), u"hh:mm:ss"_s);
        const bool shownNow = now.isValid() && (after < before || (now >= before && now <= after));
        EXPECT_TRUE(!c.shown || (QByteArray(c.shown) == "now" ? shownNow : s.value(c.control) == QString::fromUtf8(c.shown)))
            << s.value(c.control).toStdString();
        EXPECT_EQ(s.state().CurrentRecordId, key);
        if (!c.shown) {
            const QString everything = s.snapshot();
            ASSERT_TRUE(s.save(key)) << s.errorLog().toStdString();
            EXPECT_EQ(s.snapshot().toStdString(), everything.toStdString()) << "an unchanged save wrote something";
            s.set("dfsPADDED", u"changed"_s);
        }

        if (c.typed)
            ControlAccess::setValue(s.control(QLatin1String(c.control)), QLatin1String(c.typed));
        ASSERT_TRUE(s.save(key)) << s.errorLog().toStdString();
        if (!c.saved.isNull()) {
            EXPECT_EQ(column(), c.saved);
        }
        EXPECT_TRUE(c.shown || (column() == stored && column().isNull() == stored.isNull() && s.stored("PADDED", key) == u"changed"_s));
    }

    // The key is never rewritten from txtID.
    const qint64 key = s.addRecord({});
    ASSERT_TRUE(s.read(key));
    s.set("txtID", u"999"_s);
    ASSERT_TRUE(s.save(key));
    EXPECT_EQ(s.stored("SYNTHID", key), key);

    // A where-clause that finds nothing leaves the screen and the current record alone.
    s.set("txtNAME", u"keep"_s);
    EXPECT_FALSE(s.read(-1));
    EXPECT_EQ(s.value("txtNAME"), u"keep"_s);
    EXPECT_EQ(s.state().CurrentRecordId, key);

    // Pending events (the operator's next key among them) never run while a save's transaction is
    // open, and a second save asked for meanwhile does not start inside the first.
    QList<int> depths;
    s.ui().onPendingEvents = [&] {
        depths << s.db().transactionDepth();
        s.set("txtNAME", u"second"_s);
        EXPECT_FALSE(s.save(key)) << "a save inside a save";
    };
    ASSERT_TRUE(s.save(key)) << s.errorLog().toStdString();
    s.ui().onPendingEvents = nullptr;
    EXPECT_FALSE(depths.isEmpty());
    EXPECT_EQ(depths.count(0), depths.size());
    EXPECT_EQ(s.stored("NAME", key), u"keep"_s);

    // A control bound without a value (a label, a tab set) is left out of the update.
    s.db().command(u"update _WINDOWTABLEDETAILS set WINDOWCONTROL = 'lblZero' where WINDOWCONTROL = 'txtNAME'"_s);
    s.db().command(u"update _WINDOWTABLEDETAILS set WINDOWCONTROL = 'SSTab1' where WINDOWCONTROL = 'dfsCOMMENTS'"_s);
    s.db().command(u"update SYNTHETIC set NAME = 'stored', COMMENTS = 'stored'"_s);
    s.set("dfnMETER", u"8"_s);
    delete s.screen->findChild<ReadSnapshot*>();
    ASSERT_TRUE(s.save(key)) << s.errorLog().toStdString();
    EXPECT_EQ(s.stored("METER", key), 8);
    EXPECT_EQ(s.stored("NAME", key), u"stored"_s);
    EXPECT_EQ(s.stored("COMMENTS", key), u"stored"_s);
}

// A save that cannot go through writes nothing at all and says why: another workstation saved
// or deleted the record after this screen read it (on request the screen reads it again), a
// number field holds text, a journal entry is viewed, a read stopped part-way (the fields it
// never reached are not written blank), the second table's update fails (the first is undone).
// A failing journal does not stop the save; a screen of one table journals each save made.
TEST(RecordBinding, ASaveThatCannotGoThroughWritesNothing)
{
    enum Tables { One, Two, Both };
    const QString partWay = u"update _WINDOWTABLEDETAILS set [COLUMN] = '[NOTE]' where WINDOWCONTROL = 'dfsNOTE'"_s;
    const char* const changed = "Another user changed this record";
    // other: run by another workstation once the clerk has typed (%1 the key); name: stored
    // afterwards, null when the row is gone; shown: txtNAME afterwards; told: null when nothing is.
    const struct { const char* what; Tables tables; QString beforeRead; const char* other; const char* control;
                   const char* typed; bool viewing; bool reread; bool saved; const char* name; const char* shown;
                   const char* told; } cases[] = {
        {"changed there, read again", Both, {}, "update SYNTHETIC set NAME = 'A' where SYNTHID = %1", nullptr, nullptr,
         false, true, false, "A", "A", changed},
        {"changed there, kept here", Both, {}, "update SYNTHETIC set NAME = 'A' where SYNTHID = %1", nullptr, nullptr,
         false, false, false, "A", "mine", changed},
        {"its notes changed there", Two, {}, "update SYNTHETICNOTES set NOTE = 'A' where SYNTHID = %1", nullptr, nullptr,
         false, true, false, "read", "read", changed},
        {"deleted there", Both, {}, "delete from SYNTHETIC where SYNTHID = %1", nullptr, nullptr, false, false, false,
         nullptr, "mine", "This record no longer exists"},
        {"another record changed there", Both, {}, "update SYNTHETIC set NAME = 'A' where SYNTHID <> %1", nullptr, nullptr,
         false, false, true, "mine", "mine", nullptr},
        {"the same value stored there", Both, {}, "update SYNTHETIC set NAME = 'read' where SYNTHID = %1", nullptr, nullptr,
         false, false, true, "mine", "mine", nullptr},
        {"text in a number", Two, {}, nullptr, "dfnMETER", "0 where 1=1 --", false, false, false, "read", nullptr,
         "dfnMETER must be a number"},
        {"text in a number of the second table", Two, {}, nullptr, "dfnSCORE", "7; delete from SYNTHETIC", false, false,
         false, "read", nullptr, "dfnSCORE must be a number"},
        {"a journal entry viewed", One, {}, nullptr, nullptr, nullptr, true, false, false, "read", nullptr, ""},
        {"a read stopped part-way", Two, partWay, nullptr, nullptr, nullptr, false, false, false, "read", nullptr,
         "This record could not be read completely"},
        {"the second table's update fails", Two, {},
         "update _WINDOWTABLEDETAILS set [COLUMN] = 'NOSUCH' where WINDOWCONTROL = 'dfsNOTE'", nullptr, nullptr, false,
         false, false, "read", nullptr, "SYNTHETICNOTES"},
        {"the journal fails", One, {}, "DROP TABLE _JOURNALDETAILS", nullptr, nullptr, false, false, true, "mine", nullptr,
         "cJournal::JournalWindow"},
    };
    for (const bool notes : {false, true})
    for (const auto& c : cases) {
        if (c.tables != Both && notes != (c.tables == Two))
            continue;
        SCOPED_TRACE(std::string(c.what) + (notes ? "" : " (one table)"));
        ScreenOffice s(SyntheticScreen::Name, notes);
        s.addRecord({{u"NAME"_s, u"another"_s}, {u"METER"_s, 3}});
        const qint64 key = s.addRecord({{u"NAME"_s, u"read"_s}, {u"COMMENTS"_s, u"read"_s}, {u"METER"_s, 4}}, {{u"NOTE"_s, u"kept"_s}});
        if (!c.beforeRead.isEmpty())
            s.db().command(c.beforeRead);
        EXPECT_EQ(s.read(key), c.beforeRead.isEmpty());
        s.set("txtNAME", u"mine"_s);
        s.set("dfsCOMMENTS", u"B"_s);
        s.set("dfsNOTE", u"changed"_s);
        if (c.control)
            s.set(c.control, QLatin1String(c.typed));
        s.state().Viewing = c.viewing;
        if (c.other) {
            Database other;
            other.open(s.office.databasePath());
            other.command(QString::fromLatin1(c.other).replace(u"%1"_s, QString::number(key)));
        }
        const QString before = c.saved ? QString() : s.snapshot();
        s.ui().answers = {c.reread};
        EXPECT_EQ(s.save(key), c.saved) << s.errorLog().toStdString();
        EXPECT_TRUE(c.saved || s.snapshot() == before) << "a refused save wrote something";
        EXPECT_EQ(s.stored("NAME", key), c.name ? QVariant(QString::fromUtf8(c.name)) : QVariant());
        EXPECT_EQ(s.count(u"_JOURNAL"_s), !notes && c.saved && !c.told ? 1 : 0);
        EXPECT_TRUE(!c.beforeRead.isEmpty() || s.state().CurrentRecordId == key) << "the journal's number is not the screen's";
        EXPECT_TRUE(!c.shown || s.value("txtNAME") == QString::fromUtf8(c.shown)) << s.value("txtNAME").toStdString();
        const QString told = s.errorLog() + s.ui().lastMessage() + (s.ui().questions.isEmpty() ? QString() : s.ui().questions.last().text);
        EXPECT_TRUE(c.told ? told.contains(QString::fromUtf8(c.told)) : told.isEmpty()) << told.toStdString();
        EXPECT_EQ(s.db().transactionDepth(), 0);
        if (c.reread) {
            s.set("dfsCOMMENTS", u"again"_s);
            ASSERT_TRUE(s.save(key)) << "after reading again the save goes through";
            EXPECT_EQ(s.stored("COMMENTS", key), u"again"_s);
            EXPECT_EQ(s.stored("NAME", key), QString::fromUtf8(c.name));
        }
    }
}

// Insert stores column and value pairs whole, past 32-bit keys; Delete asks first and refuses a
// key it cannot address. A picture comes back byte for byte; stored again it replaces the first;
// the file name "1" keeps it, a missing file is refused and an empty name deletes it.
TEST(RecordBinding, InsertStoresPairsAndPicturesWholeAndDeleteRefusesWhatItCannotAddress)
{
    const struct { cWindow::Fields fields; const char* name; int meter; } inserts[] = {
        {{{u"NAME"_s, QString()}}, "0", 0},
        {{{u"NAME"_s, u"a,b"_s}, {u"METER"_s, QVariant()}}, "a,b", 0},
        {{{u"NAME"_s, u"O'Neil"_s}, {u" METER "_s, 12}}, "O'Neil", 12},
    };
    ScreenOffice s;
    const qint64 other = s.db().insert(SyntheticScreen::Table, SyntheticScreen::Key, {{SyntheticScreen::Key, Q_INT64_C(5000000000)}});
    for (const auto& c : inserts) {
        const qint64 key = s.window().Insert(SyntheticScreen::Table, SyntheticScreen::Key, c.fields);
        ASSERT_GT(key, Q_INT64_C(5000000000)) << s.errorLog().toStdString();
        EXPECT_EQ(s.stored("NAME", key), QLatin1String(c.name));
        EXPECT_EQ(s.stored("METER", key).toInt(), c.meter);
    }
    EXPECT_EQ(s.window().Insert(SyntheticScreen::Table, SyntheticScreen::Key, {{u"NOSUCH"_s, 1}}), 0);
    EXPECT_EQ(s.count(SyntheticScreen::Table), 4);

    const struct { const char* id; bool answer; bool deleted; } deletes[] = {  // id typed into txtID, or the record read
        {"", false, false}, {"abc", true, false}, {"0 or 1=1", true, false}, {"", true, true}};
    const qint64 key = s.addRecord({});
    for (const auto& c : deletes) {
        ASSERT_TRUE(s.read(key));
        if (*c.id)
            s.set("txtID", QLatin1String(c.id));
        s.ui().questions.clear();
        s.ui().answers = {c.answer};
        EXPECT_EQ(s.window().Delete({}, s.screen.get()), c.deleted) << c.id;
        EXPECT_EQ(s.ui().questions.size(), *c.id ? 0 : 1) << c.id;
        EXPECT_EQ(s.stored("SYNTHID", key).isNull(), c.deleted) << c.id;
        EXPECT_EQ(s.stored("SYNTHID", other), other) << c.id;
    }

    QByteArray bytes;
    for (int i = 0; i < 70000; ++i)
        bytes += char(i * 37 % 256);  // every byte value, quotes and zeros among them
    QFile source(s.office.file(u"source.png"_s));
    ASSERT_TRUE(source.open(QIODevice::WriteOnly) && source.write(bytes) == bytes.size());
    source.close();

    const QString table = u"CUSTOMERPICTURE"_s, where = u"WHERE CUSTOMERID = 3"_s;
    const struct { QString file; bool ok; bool kept; } steps[] = {
        {source.fileName(), true, true}, {source.fileName(), true, true}, {u"1"_s, true, true},
        {s.office.file(u"missing.png"_s), false, true}, {QString(), true, false}};
    for (const auto& step : steps) {
        EXPECT_EQ(s.window().InsertPicture(step.file, table, table, where, {{u"CUSTOMERID"_s, u"3"_s}}), step.ok)
            << step.file.toStdString();
        EXPECT_EQ(s.count(table), step.kept ? 1 : 0) << step.file.toStdString();
        QFile back(s.window().ReadPicture(table, table, where));
        EXPECT_EQ(back.open(QIODevice::ReadOnly) ? back.readAll() : QByteArray(), step.kept ? bytes : QByteArray());
    }
}

namespace {

// The synthetic screen, open, under rules of its own; `script` is what the operator does with the list.
class Validation : public ::testing::Test {
protected:
    Validation()
    {
        s.screen->show();
        fill("txtID", "1");
        s.db().insert(u"Customer"_s, u"CUSTOMERID"_s, {{u"name"_s, u"O'Brien"_s}});
        s.ui().onDialog(u"dlgValidationError"_s, [this](QDialog* dialog) {
            lines.clear();
            const auto* list = dialog->findChild<QListWidget*>(u"List1"_s);
            for (int i = 0; i < list->count(); ++i)
                lines << list->item(i)->text() + u'#' + list->item(i)->data(Qt::UserRole).toString();
            if (script)
                script(dialog);
        });
    }

    bool validate() { return s.state().service<cValidation>().ValidateWindow(s.screen.get()); }
    void fill(const char* name, const char* value) { s.set(name, QString::fromUtf8(value)); }
    void clearRules() { s.db().command(u"delete from _WINDOWVALIDATION"_s); }
    // Gives the line the rule shows in the list.
    QString addRule(int kind, const QString& operand1, const QString& operand2, const QString& message,
                    const QString& focusField = {}, int tab = 0, int enforced = 0)
    {
        const qint64 id = s.db().insert(
            u"_WINDOWVALIDATION"_s, u"WINDOWVALIDATIONID"_s,
            {{u"WINDOWNAME"_s, SyntheticScreen::Name}, {u"VALIDATIONTYPEID"_s, kind}, {u"vldtnname1"_s, operand1},
             {u"vldtnname2"_s, operand2}, {u"ErrorMessage"_s, message}, {u"FOCUSFIELDNAME"_s, focusField},
             {u"TABNBR"_s, tab}, {u"ONOFF"_s, 1}, {u"ENFORCED"_s, enforced}});
        return message + u'#' + QString::number(id);
    }

    ScreenOffice s{SyntheticScreen::Name, true, true};
    QStringList lines;  // "message#rule id" of the last list shown
    std::function<void(QDialog*)> script;
};

TEST_F(Validation, EachKindPassesOrFails)
{
    const QString byName = u"select * from Customer where name = ':1 '"_s;
    const QString nameBinding = u":1frmSynthetic.txtNAME"_s;
    const QString notPositive = u"select 1 as notpositive where cast(':1 ' as real) <= 0"_s;
    const QString meterBinding = u":1frmSynthetic.dfnMETER"_s;
    const struct {
        const char* what;
        int kind;
        QString operand1, operand2;
        std::vector<std::pair<const char*, const char*>> values;
        bool fails;
        const char* logged = nullptr;  // a broken rule: reported and logged, no list shown
    } cases[] = {
        {"required number holding 0", 1, u"dfnMETER"_s, {}, {{"dfnMETER", "0"}}, true},
        {"required text holding the blank of an empty column", 1, u"txtNAME"_s, {}, {{"txtNAME", " "}}, true},
        {"required text given", 1, u"txtNAME"_s, {}, {{"txtNAME", "علي"}}, false},
        {"required flag cleared", 1, u"dffRETURNED"_s, {}, {{"dffRETURNED", "0"}}, true},
        {"number order 10 then 5", 2, u"dfnMETER"_s, u"dfnSCORE"_s, {{"dfnMETER", "10"}, {"dfnSCORE", "5"}}, true},
        {"number order 9 then 10", 2, u"dfnMETER"_s, u"dfnSCORE"_s, {{"dfnMETER", "9"}, {"dfnSCORE", "10"}}, false},
        {"date order, a day later", 3, u"dfdISSUEDATE"_s, u"dfdUNTIL"_s, {{"dfdISSUEDATE", "06/01/2024"}, {"dfdUNTIL", "05/01/2024"}}, true},
        {"date order across a year", 3, u"dfdISSUEDATE"_s, u"dfdUNTIL"_s, {{"dfdISSUEDATE", "31/12/2023"}, {"dfdUNTIL", "01/01/2024"}}, false},
        {"must not exist, nobody of that name", 4, byName, nameBinding, {{"txtNAME", "Nobody"}}, false},
        {"must not exist, a name with an apostrophe there", 4, byName, nameBinding, {{"txtNAME", "O'Brien"}}, true},
        {"not positive, 0", 4, notPositive, meterBinding, {{"dfnMETER", "0"}}, true},
        {"not positive, -0.5", 4, notPositive, meterBinding, {{"dfnMETER", "-0.5"}}, true},
        {"not positive, 20.00", 4, notPositive, meterBinding, {{"dfnMETER", "20.00"}}, false},
        {"same text differing in letter case", 5, u"txtNAME"_s, u"dfsNOTE"_s, {{"txtNAME", "abc"}, {"dfsNOTE", "aBc"}}, true},
        {"dependent flag, only the first ticked", 6, u"dffRETURNED"_s, u"dffPAID"_s, {{"dffRETURNED", "1"}, {"dffPAID", "0"}}, true},
        {"dependent flag, only the second ticked", 6, u"dffRETURNED"_s, u"dffPAID"_s, {{"dffRETURNED", "0"}, {"dffPAID", "1"}}, false},
        {"a field the screen lacks", 1, u"dfsNOSUCHFIELD"_s, {}, {{"dfnMETER", "0"}}, true, "dfsNOSUCHFIELD"},
        {"a table the office lacks", 4, u"select * from NOSUCHTABLE"_s, {}, {{"dfnMETER", "0"}}, true, "NOSUCHTABLE"},
        {"a text bound as a number", 4, u"select * from Customer where CUSTOMERID = :1 "_s, nameBinding,
         {{"dfnMETER", "0"}, {"txtNAME", "5 or 1=1"}}, true, "frmSynthetic.txtNAME"},
    };
    s.state().config.SHOWERRORS = 1;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clearRules();
        for (const auto& [name, value] : c.values)
            fill(name, value);
        // A failing rule before a broken one: the operator still sees no list.
        if (c.logged)
            addRule(1, u"dfnMETER"_s, {}, u"needed"_s);
        const QString line = addRule(c.kind, c.operand1, c.operand2, QString::fromLatin1(c.what));
        lines.clear();
        s.ui().dialogsShown.clear();
        EXPECT_EQ(validate(), !c.fails);
        EXPECT_EQ(lines, c.fails && !c.logged ? QStringList{line} : QStringList{});  // the list shown, if any
        EXPECT_EQ(s.ui().dialogsShown.contains(u"dlgError"_s), c.logged != nullptr);
        // The broken rows come last: until then nothing is logged.
        EXPECT_TRUE(c.logged ? s.errorLog().contains(QLatin1String(c.logged)) : s.errorLog().isEmpty()) << qPrintable(s.errorLog());
    }
}

// A value no column keeps exactly, and a rule the program ships, cannot be saved anyway;
// an office's own rule can. A screen showing no record says so and lists nothing.
TEST_F(Validation, WhatGuardsTheDataCannotBePassedOver)
{
    const QString nul = u"a"_s + QChar(0) + u"b"_s;
    const struct { const char* what; const char* field; QString value; int enforced; const char* line; const char* focus; } cases[] = {
        {"a NUL in a text", "txtNAME", nul, -1, "txtNAME holds a character that cannot be stored", "txtNAME 0"},
        {"a NUL in a list text", "dfgCARTYPE", nul, -1, "dfgCARTYPE holds a character that cannot be stored", "dfgCARTYPE 0"},
        {"more digits than a number keeps", "dfnMETER", u"1234567890123456"_s, -1,
         "dfnMETER takes a number of at most 15 digits, not 1234567890123456.", "dfnMETER 0"},
        {"a number with an exponent", "dfnSCORE", u"1e308"_s, -1, "dfnSCORE holds no number: \"1e308\".", "dfnSCORE 1"},
        {"a rule the program ships", "txtNAME", {}, 1, "needed#", " 0"},
        {"an office's own rule", "txtNAME", {}, 0, "needed#", " 0"},
        {"no record shown", "txtID", {}, -1, nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clearRules();
        for (const auto& [name, value] : {std::pair{"txtID", "1"}, {"txtNAME", "given"}, {"dfgCARTYPE", ""},
                                          {"dfsNOTE", ""}, {"dfnMETER", ""}, {"dfnSCORE", ""}})
            fill(name, value);
        if (c.enforced >= 0)
            addRule(1, u"txtNAME"_s, {}, u"needed"_s, {}, 0, c.enforced);
        s.set(c.field, c.value);
        lines.clear();
        bool offered = false;
        QString focus;
        script = [&](QDialog* d) {
            offered = d->findChild<QPushButton*>(u"command0"_s)->isEnabled();
            focus = d->findChild<QLineEdit*>(u"dfsFOCUSFIELDNAME"_s)->text() + u' '
                  + d->findChild<QLineEdit*>(u"dfnTabNbr"_s)->text();
            d->findChild<QPushButton*>(u"command0"_s)->click();
        };
        s.ui().messages.clear();
        EXPECT_EQ(validate(), c.enforced == 0);
        EXPECT_EQ(offered, c.enforced == 0);
        const QString shown = lines.join(u'|');
        EXPECT_TRUE(c.line ? shown.startsWith(QString::fromUtf8(c.line)) : shown.isEmpty()) << qPrintable(shown);
        EXPECT_EQ(focus, QLatin1String(c.focus));
        EXPECT_EQ(s.ui().lastMessage().startsWith(u"There is no record on this screen to save"_s), !c.line);
    }
}

// What another workstation changes in the rules and fields holds at this one's next save.
TEST_F(Validation, WhatAnotherWorkstationChangesInTheRulesHoldsAtOnce)
{
    const struct { const char* what; const char* field; const char* value; bool ownRule; const char* theirs; bool before; } cases[] = {
        {"a rule added", "txtNAME", "", false,
         "insert into _WINDOWVALIDATION (WINDOWNAME, VALIDATIONTYPEID, vldtnname1, ErrorMessage, ONOFF, ENFORCED) "
         "values ('frmSynthetic', 1, 'txtNAME', 'needed', 1, 1)", true},
        {"a rule switched off", "txtNAME", "", true, "update _WINDOWVALIDATION set ONOFF = 0", false},
        {"a field switched off", "dfnSCORE", "1e308", false,
         "update _WINDOWTABLEDETAILS set ONOFF = 0 where windowcontrol = 'dfnSCORE'", false},
    };
    Database other;
    other.open(s.office.databasePath());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        clearRules();
        for (const auto& [name, value] : {std::pair{"txtID", "1"}, {"txtNAME", "given"}, {"dfnSCORE", ""}})
            fill(name, value);
        fill(c.field, c.value);
        if (c.ownRule)
            addRule(1, u"txtNAME"_s, {}, u"needed"_s, {}, 0, 1);
        EXPECT_EQ(validate(), c.before);
        other.command(QString::fromLatin1(c.theirs));
        EXPECT_EQ(validate(), !c.before);
    }
}

// Bind variables take the values of the open screen's fields; a text goes only inside a literal.
TEST_F(Validation, BindVariablesTakeFieldValuesAndRefuseWhatCouldChangeTheStatement)
{
    const std::pair<const char*, const char*> values[] = {{"dfnMETER", "15"}, {"dfnSCORE", "-2.5"}, {"txtNAME", "O'Brien"},
                                                          {"dfsNOTE", "x:2 y"}, {"dfsCODE", "5 or 1=1"},
                                                          {"dfdISSUEDATE", "05/01/2024"}, {"txtID", ""}};
    for (const auto& [name, value] : values)
        fill(name, value);
    // expected "!name": refused, naming the field or screen.
    const struct { const char* sql; const char* list; const char* expected; } cases[] = {
        {"where RENTID = :1 order by RENTID", "0", "where RENTID = :1 order by RENTID"},
        {"where RENTID = :1 or OLDID = :1 ", ":1frmSynthetic.dfnMETER", "where RENTID = 15or OLDID = 15"},
        {"where ID = :1 and DAY >= :2 ", ":1frmSynthetic. dfnMETER ,:2frmSynthetic.dfdISSUEDATE", "where ID = 15and DAY >= 20240105"},
        {"where AMOUNT > :1 ", ":1frmSynthetic.dfnSCORE", "where AMOUNT > -2.5"},
        {"where NAME = ':1 '", ":1frmSynthetic.txtNAME", "where NAME = 'O''Brien'"},
        {"where NOTE = 'it''s :1 '", ":1frmSynthetic.txtNAME", "where NOTE = 'it''s O''Brien'"},
        {"where NOTE = ':1 ' and ID = :2 ", ":1frmSynthetic.dfsNOTE,:2frmSynthetic.dfnMETER", "where NOTE = 'x:2 y' and ID = 15"},
        {"where ID = :1 ", ":1frmSynthetic.dfsCODE", "!frmSynthetic.dfsCODE"},
        {"where NAME = 'a' and ID = :1 ", ":1frmSynthetic.dfsCODE", "!frmSynthetic.dfsCODE"},
        {"where NAME = \":1 \"", ":1frmSynthetic.txtNAME", "!frmSynthetic.txtNAME"},
        {"where ID = :1 ", ":1frmNotOpen.txtID", "!frmNotOpen"},
        {"where ID = :1 ", ":1frmSynthetic.txtID", "!frmSynthetic.txtID is empty"},
    };
    for (const auto& c : cases) {
        const QString expected = QString::fromUtf8(c.expected);
        try {
            EXPECT_EQ(PrepareSQLStatement(s.state(), QLatin1String(c.sql), QLatin1String(c.list)), expected)
                << c.sql << " / " << c.list;
        } catch (const AppError& e) {
            EXPECT_TRUE(expected.startsWith(u'!') && e.description().contains(expected.mid(1)))
                << c.sql << " / " << c.list << ": " << qPrintable(e.description());
        }
    }
}

}

// A field takes what it can hold and shows it as stored; anything else is refused.
TEST(ControlAccess, TakesWhatAFieldCanHoldAndRefusesTheRest)
{
    const auto date = [] { auto* e = new QDateEdit; e->setDisplayFormat(u"dd/MM/yyyy"_s); return e; };
    const auto fixedList = [] { auto* b = new QComboBox; b->addItems({u"أ"_s, u"ب"_s}); return b; };
    // Names shown, numbers stood for.
    const auto managers = [] {
        auto* b = new GridCombo;
        b->setRows(RowSet({u"NAME"_s, u"EMPID"_s}, {{u"أحمد"_s, 3}, {u"سارة"_s, 12}}), 0, 1);
        return b;
    };
    // shown: null when refused.
    const struct { const char* kind; std::function<QWidget*()> make; const char* put; const char* shown; } cases[] = {
        {"date yyyymmdd", date, "20031231", "31/12/2003"},
        {"date field left empty", [] { return new DateEdit; }, "", ""},
        {"fixed list", fixedList, "ب", "ب"},
        {"fixed list, no such choice", fixedList, "ج", ""},
        {"list from a table, number as stored", managers, "3.0", "3"},
        {"list from a table, a number it no longer offers is kept", managers, "7", "7"},
        {"not a date", date, "not a date", nullptr},
        {"no such day", date, "31/02/2003", nullptr},
        {"no such hour", [] { return new QTimeEdit; }, "25:00:00", nullptr},
        {"a tick", [] { return new QCheckBox; }, "yes", nullptr},
        {"a line", [] { return new QLineEdit; }, "سالم", "سالم"},
        {"a number", [] { return new NumberEdit; }, "12.5", "12.5"},
        {"a note", [] { return new QPlainTextEdit; }, "سطر", "سطر"},
    };
    for (const auto& c : cases) {
        std::unique_ptr<QWidget> w(c.make());
        if (!c.shown) {
            EXPECT_THROW(ControlAccess::setValue(w.get(), QString::fromUtf8(c.put)), AppError) << c.kind;
            continue;
        }
        ControlAccess::setDefaultValue(w.get(), QString::fromUtf8(c.put));
        EXPECT_EQ(ControlAccess::text(w.get()), QString::fromUtf8(c.shown)) << c.kind;
        EXPECT_EQ(ControlAccess::value(w.get()), QString::fromUtf8(c.shown)) << c.kind;
        ControlAccess::setValue(w.get(), QString::fromUtf8(c.put));
        EXPECT_EQ(ControlAccess::value(w.get()), QString::fromUtf8(c.shown)) << c.kind;
        // Read straight from the field or through its property, the value is one.
        const QVariant read = w->metaObject()->userProperty().read(w.get());
        EXPECT_EQ(ControlAccess::defaultValue(w.get()), read) << c.kind;
    }
}

// A number field takes what its column keeps exactly: stored, with its blanks
// trimmed and its last zeros after the point dropped; typed, as the clerk sees it.
TEST(NumberRange, TakesWhatItsColumnKeepsExactly)
{
    const NumberRange money = NumberRange::of(u"rent"_s, u"PAID"_s);  // 12 digits and 2 decimals
    const NumberRange meter = NumberRange::of(u"CAR"_s, u"meter"_s);  // whole, 9 digits, not below 0
    const struct { const NumberRange& range; const char* text; bool stored; bool typed; } rows[] = {
        {money, "123456789012.12", true, true}, {money, "1234567890123", false, false},
        {money, "-5.5", true, true},            {money, " 12.50 ", true, false},
        {money, "12.500", true, false},         {money, "0012.1", true, true},
        {money, ".", false, true},              {money, "-", false, true},
        {money, "", false, true},               {money, "1.2.3", false, false},
        {money, "1e5", false, false},           {money, "١٢", false, false},
        {meter, "999999999", true, true},       {meter, "1000000000", false, false},
        {meter, "-1", false, false},            {meter, "5.0", true, false},
        {meter, "+7", true, true},              {meter, "12\n", true, false},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(r.range.admits(QString::fromUtf8(r.text)), r.stored) << r.text;
        EXPECT_EQ(r.range.admitsTyping(QString::fromUtf8(r.text)), r.typed) << r.text;
    }
}

// Once a screen's names are kept, a control made since is found, one gone is
// not found dead and one made in its place is found instead; one renamed goes
// by its new name and one moved to another window is no longer the screen's:
// in the next round of lookups as outside any.
TEST(ControlAccess, KeptNamesFollowControlsMadeRenamedMovedAndGone)
{
    QWidget screen;
    const auto edit = [](QWidget* parent, const QString& name) {
        auto* e = new QLineEdit(parent);
        e->setObjectName(name);
        return e;
    };
    QLineEdit* first = edit(&screen, u"dfsNote"_s);
    QLineEdit* renamed = edit(&screen, u"dfsOld"_s);
    QLineEdit* moved = edit(&screen, u"dfsMoved"_s);
    {
        const ControlAccess::Index::Keep kept(&screen);
        EXPECT_EQ(ControlAccess::find(&screen, u"dfsOld"_s), renamed);
        EXPECT_EQ(ControlAccess::find(&screen, u"dfsMoved"_s), moved);
    }
    QLineEdit* later = edit(&screen, u"dfsLater"_s);
    delete first;
    QLineEdit* again = edit(&screen, u"DFSNOTE"_s);
    renamed->setObjectName(u"dfsNew"_s);
    QDialog picker(&screen);
    moved->setParent(&picker);
    const std::pair<QString, QWidget*> rows[] = {{u"dfsLater"_s, later}, {u"dfsNote"_s, again}, {u"dfsnote"_s, again},
                                                 {u"dfsNew"_s, renamed}, {u"dfsOld"_s, nullptr},
                                                 {u"dfsMoved"_s, nullptr}, {u"dfsNone"_s, nullptr}};
    for (const bool inRound : {true, false}) {
        std::optional<ControlAccess::Index::Keep> round;
        if (inRound)
            round.emplace(&screen);
        const ControlAccess::Index names(&screen);
        for (const auto& [name, control] : rows) {
            EXPECT_EQ(ControlAccess::find(&screen, name), control) << name.toStdString() << inRound;
            EXPECT_EQ(names.find(name), control) << name.toStdString() << inRound;
        }
    }
}

// A date field may be empty: the first digit starts from today at the day, a
// step from empty lands on today, the calendar opens on this month, Delete
// empties it; Backspace on an empty field keeps it empty.
TEST(DateEdit, MayBeEmptyAndIsFilledOrEmptiedByKeys)
{
    const QDate today = QDate::currentDate();
    const struct { const char* what; QDate start; std::function<void(DateEdit&)> keys; QDate shown; } cases[] = {
        {"a digit", {}, [](DateEdit& e) { QTest::keyClicks(&e, u"05"_s); }, QDate(today.year(), today.month(), 5)},
        {"a step up", {}, [](DateEdit& e) { QTest::keyClick(&e, Qt::Key_Up); }, today},
        {"Delete", QDate(2003, 1, 5), [](DateEdit& e) { QTest::keyClick(&e, Qt::Key_Delete); }, {}},
        {"Backspace on empty", {}, [](DateEdit& e) { QTest::keyClick(&e, Qt::Key_Backspace); }, {}},
        {"the calendar", {}, [](DateEdit& e) {
             QStyleOptionComboBox arrow;
             arrow.initFrom(&e);
             arrow.editable = true;
             arrow.subControls = QStyle::SC_All;
             QTest::mouseClick(&e, Qt::LeftButton, {},
                               e.style()->subControlRect(QStyle::CC_ComboBox, &arrow, QStyle::SC_ComboBoxArrow, &e).center());
             EXPECT_TRUE(e.calendarWidget()->isVisible());
             EXPECT_EQ(e.calendarWidget()->yearShown() * 100 + e.calendarWidget()->monthShown(),
                       QDate::currentDate().year() * 100 + QDate::currentDate().month());
             e.calendarWidget()->window()->close();
         }, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        // As the screens set their dates up: left to right whatever the language.
        DateEdit edit;
        edit.setLayoutDirection(Qt::LeftToRight);
        edit.setDisplayFormat(u"dd/MM/yyyy"_s);
        edit.setCalendarPopup(true);
        edit.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&edit));
        if (c.start.isValid())
            edit.setDate(c.start);
        edit.setFocus(Qt::TabFocusReason);
        c.keys(edit);
        EXPECT_EQ(edit.isEmpty() ? QDate() : edit.date(), c.shown);
        EXPECT_EQ(ControlAccess::value(&edit), c.shown.isValid() ? c.shown.toString(u"dd/MM/yyyy"_s) : QString());
    }
}
