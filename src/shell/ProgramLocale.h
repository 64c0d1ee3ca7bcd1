#pragma once
// Numbers, dates and times follow the user's locale. A system with no locale set at all
// (the plain "C" locale) would show an English date and a decimal point in the middle of
// German texts, so the program speaks German there.

void UseGermanWhenNoLocaleIsSet();
