#pragma once
// Marks what the shared library libbrimbelo-lernprog lets bm itself use besides the four
// functions for other programs: the animation catalogue, the reward draw and the stopwatch.

#include <QtGlobal>

#if defined(BM_BUILDING_EXPORTS)
#define LERNPROG_API Q_DECL_EXPORT
#else
#define LERNPROG_API Q_DECL_IMPORT
#endif
