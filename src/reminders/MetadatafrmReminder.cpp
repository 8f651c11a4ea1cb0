#include "engine/MetadataWriter.h"
#include "reminders/ReminderShipped.h"

void ScreenMetadata::frmReminder(Database& db)
{
    MetadataWriter m(db, QStringLiteral("frmReminder"));
    const qint64 rules = m.table(QStringLiteral("_Reminder"), 1, QStringLiteral("المفكرة"));
    m.identifier(rules, QStringLiteral("REMINDERID"), QStringLiteral("الرقم"), 60);
    m.field(rules, QStringLiteral("txtNAME"), QStringLiteral("REMINDERRULENAME"), MetadataWriter::Text,
            QStringLiteral("الاسم"), 2, 180);
    m.field(rules, QStringLiteral("dfdReminderDate"), QStringLiteral("REMINDERDATE"), MetadataWriter::Date,
            QStringLiteral("التاريخ"), 3, 90);
    m.field(rules, QStringLiteral("dfcFrequency"), QStringLiteral("FREQUENCY"), MetadataWriter::Text,
            QStringLiteral("التكرار"), 4, 90);
    m.field(rules, QStringLiteral("dfnONOFF"), QStringLiteral("ONOFF"), MetadataWriter::Number,
            QStringLiteral("فعال"));
    // The notes are what the reminder engine shows the operator.
    m.field(rules, QStringLiteral("dfsComments"), QStringLiteral("Message"), MetadataWriter::Text,
            QStringLiteral("الرسالة"), 5, 260);
    m.field(rules, QStringLiteral("dfsSQLREMINDERLIST"), QStringLiteral("SQLREMINDERLIST"), MetadataWriter::Text,
            QStringLiteral("الاستعلام"));

    m.combo(QStringLiteral("dfcFrequency"),
            {QStringLiteral("مرة واحدة"), QStringLiteral("يومي"), QStringLiteral("أسبوعي"),
             QStringLiteral("شهري"), QStringLiteral("سنوي")});

    m.validation(1, QStringLiteral("dfsComments"), {}, QStringLiteral("اكتب نص رسالة التذكير"),
                 QStringLiteral("dfsComments"), 0);
}
