#pragma once
// Marks what the shared library libbrimbelo-lernprog lets bm itself use besides the four
// functions for other programs: the shared random generator and the animation catalogue.

#define LERNPROG_API __attribute__((visibility("default")))
