// Any typed text: cleaning and converting it never crashes, and cleaning twice changes
// nothing more than cleaning once would on the digits and signs the child can type.

#include "core/IntegerText.h"
#include "core/DigitGroups.h"
#include "core/TypedNumbers.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString typed = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString cleaned = NormalizeNumberText(typed);
    if (cleaned.size() > typed.size())
        std::abort();
    if (const auto value = TextToInteger(cleaned); value && FormatGrouped(*value).isEmpty())
        std::abort();
    return 0;
}
