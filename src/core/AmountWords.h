#pragma once

#include <QList>
#include <QString>

// Amounts written out as customers read them on receipts, contracts and
// cheques: Arabic with the counted noun in the number and case its count
// asks for ("فقط أحد عشر ديناراً كويتياً وخمسون فلساً لا غير"), and English
// for the English half of bilingual documents ("Eleven Kuwaiti Dinars and 50
// Fils Only"). The older writer in tafqeet stays for the contract's stored
// texts.
namespace AmountWords {

// An Arabic noun in the forms counting needs.
struct Noun {
    QString singular;    // genitive after 100s and 1000s: مئة دينار
    QString accusative;  // after 11 to 99: أحد عشر ديناراً
    QString dual;        // ديناران
    QString dualBefore;  // the dual before the noun it counts: ألفا دينار
    QString plural;      // after 3 to 10: ثلاثة دنانير
    QString one;         // alone: دينار واحد
    bool feminine = false;
};

struct Currency {
    QString code;  // ISO 4217
    const char* name;  // shown in the options, translated in the context "AmountWords"
    int decimals;
    Noun unit;
    Noun fraction;
    QString englishOne;
    QString englishMany;
    QString englishFractionOne;
    QString englishFractionMany;
};

// The currencies of the Gulf and the US dollar, the Kuwaiti dinar first.
const QList<Currency>& currencies();
// The currency of that code; the Kuwaiti dinar for a code not in the list.
const Currency& currency(const QString& code);

// An amount of 0 gives an empty text. Amounts are rounded to the currency's
// smaller unit; negative ones and those of 100,000,000 or more throw AppError.
QString arabic(double amount, const QString& code);
QString english(double amount, const QString& code);

}
