#pragma once
// How often a generator draws a task anew because it does not fit the task box before it
// gives up and poses the last draw. Real fonts fit within a few draws; the bound only
// keeps a window with unusual fonts from hanging.

inline constexpr int MaxLayoutRedraws = 1000;
