// Any whole number: the words exist exactly from 10 to 999 999 999, are made of the
// letters of the German number words only, and break the line once, after the millions.

#include "generators/writing/NumberWords.h"
#include "core/TaskTypes.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

const QString WordLetters = QStringLiteral("abcdefghilMnorstuvwzöüß");

bool inDomain(qint32 n)
{
    return n >= 10 && n <= 999'999'999;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    qint32 n = 0;
    std::memcpy(&n, data, std::min(size, sizeof n));
    const QString words = NumberToWords(n);
    if (words.isEmpty() == inDomain(n))
        std::abort();
    for (const QChar c : words) {
        if (!WordLetters.contains(c) && c != CarriageReturn && c != u' ')
            std::abort();
    }
    const qsizetype millionsLines = inDomain(n) && n >= 1'000'000 ? 1 : 0;
    if (words.count(CarriageReturn) != millionsLines || words.count(u' ') != millionsLines)
        std::abort();
    return 0;
}
