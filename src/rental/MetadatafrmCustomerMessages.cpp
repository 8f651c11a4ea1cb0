#include "engine/MetadataWriter.h"
#include "rental/RentalShipped.h"

void ScreenMetadata::frmCustomerMessages(Database& db)
{
    MetadataWriter m(db, QStringLiteral("frmCustomerMessages"));
    const qint64 messages = m.table(QStringLiteral("CUSTOMERMESSAGE"), 1, QStringLiteral("رسائل العملاء"));
    m.identifier(messages, QStringLiteral("CUSTOMERMESSAGEID"), QStringLiteral("الرقم"), 60);
    m.field(messages, QStringLiteral("txtNAME"), QStringLiteral("name"), MetadataWriter::Text,
            QStringLiteral("اسم الرسالة"), 2, 180);
    m.field(messages, QStringLiteral("dfsHomeComments"), QStringLiteral("HOMECOMMENTS"), MetadataWriter::Text,
            QStringLiteral("نص الرسالة"), 3, 320);

    m.validation(1, QStringLiteral("txtNAME"), {}, QStringLiteral("اكتب اسم الرسالة"), QStringLiteral("txtNAME"), 0);
    // A message without a text has nothing to tell the customer.
    m.validation(1, QStringLiteral("dfsHomeComments"), {}, QStringLiteral("اكتب نص الرسالة"),
                 QStringLiteral("dfsHomeComments"), 0);
}
