// The translator of stored queries to each engine's SQL: any text, either engine.
#include "FuzzInput.h"
#include "core/AppError.h"
#include "core/JetTranslator.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString sql = fuzzParts(data, size, 1).first();
    for (SqlDialect dialect : {SqlDialect::SQLite, SqlDialect::PostgreSQL}) {
        try {
            JetTranslator::translate(sql, dialect);
            JetTranslator::isSingleSelect(sql);
        } catch (const AppError&) {
            // A statement the translator refuses is told, not a fault.
        }
    }
    return 0;
}
