#pragma once
// The exercise kinds' codes that generators, pictures and the run tell apart. The hundreds
// digit of a code names the menu family (1 number line, 2 writing numbers, 3 rounding,
// 4 miscellaneous); their titles are in KindTitles.h, the table of all kinds is the run's
// (run/Kinds.h).

#include <QtGlobal>

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
