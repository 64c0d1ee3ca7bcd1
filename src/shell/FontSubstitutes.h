#pragma once
// Font names the program asks for that the system may not know under that name.

// Maps "MS Sans Serif" (the windows' own font) to a font installed here. Called once at
// start-up; tests call it too, so they measure text as the program does.
void InstallFontSubstitutes();
