// Both writers of amounts in words, for any double and every currency.
#include "FuzzInput.h"
#include "core/AmountWords.h"
#include "core/AppError.h"
#include "core/RunState.h"
#include "core/tafqeet.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const double amount = fuzzDouble(data, size);
    const int currency = size > 8 ? data[8] % 4 : 1;
    ConfigValues config;
    config.FILS = QStringLiteral("فلس");
    config.POUND = QStringLiteral("دينار");
    config.TWOPOUNDS = QStringLiteral("ديناران");
    config.POUNDS = QStringLiteral("دنانير");
    try {
        tafqeet::AmountInWords(amount, currency, config);
        tafqeet::NumberWords(qint64(amount));
    } catch (const AppError&) {
        // An amount beyond what words hold is refused, not a fault.
    }
    for (const AmountWords::Currency& c : AmountWords::currencies()) {
        try {
            const QString arabic = AmountWords::arabic(amount, c.code);
            const QString english = AmountWords::english(amount, c.code);
            if (arabic.contains(QStringLiteral("  ")) || english.contains(QStringLiteral("  ")))
                std::abort();
        } catch (const AppError&) {
            // Likewise.
        }
    }
    return 0;
}
