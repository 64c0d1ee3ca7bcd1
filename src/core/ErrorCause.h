#pragma once
// The cause of a failed file operation in the program's own German words, for the error
// boxes; the system's own texts are English on many machines. Which box is shown, and
// when, is left to the callers.

#include <QString>

// For an errno value: "keine Berechtigung", "Datenträger voll", "Ordner nicht gefunden", ...
QString FileErrorCause(int errorNumber);
