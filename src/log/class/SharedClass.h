#pragma once
// A class that practises on one shared account: its log folder is the class folder, which
// holds the class list. Before a run, a child picks her name, and from then on the
// program's log folder is her folder in the class, as if she had an account of her own.

#include "log/LogSettings.h"

#include <QStringList>
#include <optional>

// The children's names when the log folder of `settings` holds a class list; nullopt on an
// account of one's own. A list that cannot be read counts as empty: a shared account
// without names must not log every child into one folder.
std::optional<QStringList> SharedClassNames(const LogSettings &settings);

// The settings while `child` practises: her folder in the class, everything else as the
// class's settings say.
LogSettings ChildLogSettings(const LogSettings &classSettings, const QString &child);
