#pragma once
// A class that practises on one shared account: its log folder is the class folder, which
// holds the class list. Before a run, a child picks her name, and from then on the
// program's log folder is her folder in the class, as if she had an account of her own.
// The teachers add and strike names in the class overview; the folder of a name added
// there is made by the shared account when that child first practises.

#include "log/LogSettings.h"

#include <QStringList>
#include <optional>

// The children's names when the log folder of `settings` holds a class list; nullopt on an
// account of one's own. A list that cannot be read counts as empty: a shared account
// without names must not log every child into one folder.
std::optional<QStringList> SharedClassNames(const LogSettings &settings);
// The same for a class folder, as the class overview asks.
std::optional<QStringList> ClassListIn(const QString &classFolder);

// The settings while `child` practises: her folder in the class, everything else as the
// class's settings say.
LogSettings ChildLogSettings(const LogSettings &classSettings, const QString &child);

// Makes the folder of `child` when she practises for the first time after the teacher
// added her name. Empty when the folder is there now; else one sentence for the child, and
// her runs wait on this computer as any run whose log cannot be written.
QString MakeChildFolder(const LogSettings &classSettings, const QString &child);

// The teacher's changes to the class list in `classFolder`: the name typed (normalised as
// the list keeps names) added, or a listed name struck, whose folder and runs stay. Empty
// when done; else one German sentence why not.
QString AddToClassList(const QString &classFolder, const QString &typed);
QString StrikeFromClassList(const QString &classFolder, const QString &name);
