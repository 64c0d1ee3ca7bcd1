#pragma once
// The closed table of exercise kinds: code, window caption, generator and its level.
// The hundreds digit of a code names the menu family (1 number line, 2 writing numbers,
// 3 rounding, 4 miscellaneous).

#include "run/Generation.h"

#include <QString>

struct KindInfo
{
    qint32 code = 0;
    QString caption;                  // empty for the kind without menu entry
    GeneratorFn generator = nullptr;  // nullptr: the kind cannot pose tasks
    int level = 0;
};

// The entry of a code, or nullptr for a code outside the table.
const KindInfo *FindKind(qint32 code);

// The mixed writing kind has no menu entry and draws its sub-kind per task.
inline constexpr qint32 MixedWritingKind = 204;
// The number-line kinds whose picture is redrawn from the number line record.
inline bool RedrawsNumberLine(qint32 kind) { return kind >= 102 && kind <= 109; }
inline constexpr qint32 ShowNumberKind = 109;
inline constexpr qint32 DistanceKind = 110;
inline constexpr qint32 RomanKind = 401;
inline constexpr qint32 SequenceKind = 402;
inline constexpr qint32 CountingKind = 403;
// The rounding kinds, the menu family 3.
inline bool IsRoundingKind(qint32 kind) { return kind / 100 == 3; }
