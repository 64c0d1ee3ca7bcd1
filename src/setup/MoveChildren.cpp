// brimbelo-klasse verschieben: a child changes class. Her folder moves as it is, the new
// class's teachers read it, and nothing of hers stays in the old class.

#include "setup/AccountEntries.h"
#include "setup/ClassLayout.h"
#include "setup/Commands.h"
#include "setup/Refusal.h"
#include "setup/plan/PlanFolder.h"
#include "setup/shared/SharedLayout.h"

#include <fcntl.h>
#include <stdio.h>

#include <cerrno>
#include <iostream>

namespace {

// The child `name` of `from`, checked: her folder is there and set up for her, and the new
// class has none of that name.
Account CheckedMove(const Folder &from, const Folder &to, const std::string &name, gid_t teachers)
{
    const std::optional<Folder> folder = from.openChild(name);
    if (!folder || !MadeForChild(*folder, name))
        throw Refusal("In " + from.path() + " gibt es keinen Protokollordner von " + name + ".");
    const Account child = ChildAccount(name, teachers, GroupName(teachers));
    RefuseOtherChildsFolder(*folder, child, from.path());
    if (to.openChild(name))
        throw Refusal("In " + to.path() + " gibt es schon einen Ordner " + name + ".");
    return child;
}

} // namespace

int MoveChildren(const Arguments &arguments)
{
    const CommandLine line = ReadCommandLine(arguments, {{"--konfig", "Nach --konfig fehlt ein Ordner."}});
    if (line.words.size() < 2)
        throw Refusal("Es fehlen die Klassenordner VON und NACH (siehe brimbelo-klasse --help).");
    if (line.words.size() < 3)
        throw Refusal("Es fehlt mindestens ein Konto eines Kindes.");
    RequireRoot("Nur root darf Kinder in eine andere Klasse verschieben.");
    const Folder from = ExistingClass(line.words[0]);
    const Folder to = ExistingClass(line.words[1]);
    RefuseSharedClass(from, StrikeInstead(from));
    RefuseSharedClass(to, StrikeInstead(to));
    const gid_t teachers = to.status().st_gid;
    if (!HasRights(to, ClassFolderRights(teachers)))
        throw Refusal(to.path() + " ist nicht als Klasse eingerichtet; erst: brimbelo-klasse einrichten " + to.path() + " --gruppe GRUPPE KONTO...");
    if (from.status().st_dev != to.status().st_dev)
        throw Refusal(from.path() + " und " + to.path() + " liegen auf verschiedenen Dateisystemen; ein Ordner lässt sich nur innerhalb eines verschieben.");
    ChildFolders(to);
    const std::string configPath = CheckedFolderPath(line.value("--konfig", DefaultConfigFolder), "Der Ordner der Einstellungen");
    EntryPlaces entries = OpenEntryPlaces(configPath);
    std::vector<Account> children;
    for (const std::string &name : line.accounts(2))
        children.push_back(CheckedMove(from, to, name, teachers));

    for (const Account &child : children) {
        if (::renameat2(from.descriptor(), child.name.c_str(), to.descriptor(), child.name.c_str(), RENAME_NOREPLACE) != 0)
            throw Refusal(from.path() + "/" + child.name + " lässt sich nicht verschieben: " + Cause(errno) + ".");
        const Folder moved = *to.openChild(child.name);
        // Her own plan was the old teacher's for the old class; the new class's plan counts.
        RemoveChildPlan(from, child.name);
        NoteAccount(moved, child);
        GiveRights(moved, OwnFolderRights(teachers, child.uid));
        RegroupTree(moved, teachers);
        std::cout << "Protokollordner " << from.path() << "/" << child.name << " nach " << moved.path() << " verschoben: "
                  << GroupName(teachers) << " liest, in " << from.path() << " bleibt nichts von " << child.name << ".\n";
        // An entry of the older set-up moves into the school's folder with her.
        if (FindEntry(entries, child.name)) {
            RemoveEntry(entries, child.name, from.path() + "/" + child.name);
            WriteEntry(entries, child, moved.path());
        }
    }
    return 0;
}
