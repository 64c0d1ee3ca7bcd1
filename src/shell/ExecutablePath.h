#pragma once
// The full path of the running executable, known before the toolkit is started (the
// configuration and the single-instance guard need it first).

#include <QString>

QString ExecutableFilePath(const char *argv0);
