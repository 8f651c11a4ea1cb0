// The settings file reader: any text, and its free-format fields.
#include "FuzzInput.h"
#include "core/AppError.h"
#include "core/IniFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = fuzzParts(data, size, 1).first();
    try {
        IniFile::parse(text);
        IniFile::fields(text);
    } catch (const AppError&) {
        // A file that cannot be read is told, not a fault.
    }
    return 0;
}
