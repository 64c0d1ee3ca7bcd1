#pragma once
// Numbers, dates and times follow the user's locale. A system with no locale set at all
// (the plain "C" locale) would show an English date and a decimal point in the middle of
// German texts, so the program speaks German there.

void UseGermanWhenNoLocaleIsSet();

// The toolkit's own texts (file dialog, context menus, standard buttons) in German like
// the rest of the program, whatever the user's locale. Needs the application object;
// false when the system has no German translation of the toolkit installed.
bool InstallGermanToolkitTexts();
