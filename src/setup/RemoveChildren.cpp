// brimbelo-klasse entfernen: a child leaves the class. Her folder goes with everything in
// it, and with it every access entry that named her; so does the workstation's entry. It
// works also when her account is gone already, or its number belongs to someone else now.
// With --archiv, her folders are first packed into a file only root reads.

#include "setup/AccountEntries.h"
#include "setup/Archive.h"
#include "setup/ClassLayout.h"
#include "setup/Accounts.h"
#include "setup/Commands.h"
#include "setup/Refusal.h"
#include "setup/plan/PlanFolder.h"
#include "setup/shared/SharedLayout.h"

#include <iostream>

int RemoveChildren(const Arguments &arguments)
{
    const CommandLine line = ReadCommandLine(arguments, {{"--konfig", "Nach --konfig fehlt ein Ordner."},
                                                         {"--archiv", "Nach --archiv fehlt der Name der Datei."}});
    if (line.words.empty())
        throw Refusal("Der Klassenordner fehlt (siehe brimbelo-klasse --help).");
    if (line.words.size() < 2)
        throw Refusal("Es fehlt mindestens ein Konto eines Kindes.");
    RequireRoot("Nur root darf Kinder aus einer Klasse entfernen.");
    const Folder classFolder = ExistingClass(line.words[0]);
    RefuseSharedClass(classFolder, StrikeInstead(classFolder));
    const std::string configPath = CheckedFolderPath(line.value("--konfig", DefaultConfigFolder), "Der Ordner der Einstellungen");
    const EntryPlaces entries = OpenEntryPlaces(configPath);
    const std::vector<std::string> names = line.accounts(1);
    for (const std::string &name : names) {
        if (!IsAccountName(name))
            throw Refusal("Ungültiger Kontoname: " + name);
        const std::optional<Folder> folder = classFolder.openChild(name);
        if (!folder || !MadeForChild(*folder, name))
            throw Refusal("In " + classFolder.path() + " gibt es keinen Protokollordner von " + name + ".");
    }
    const std::string archivePath = line.value("--archiv");
    if (!archivePath.empty()) {
        Archive::CheckPath(archivePath);
        Archive archive(archivePath);
        for (const std::string &name : names)
            archive.add(*classFolder.openChild(name), name);
        archive.finish();
        std::cout << "Archiv " << CheckedFolderPath(archivePath, "Das Archiv") << " geschrieben: nur root liest es.\n";
    }
    for (const std::string &name : names) {
        classFolder.removeEntry(name);
        RemoveChildPlan(classFolder, name);
        std::cout << "Protokollordner " << classFolder.path() << "/" << name << " gelöscht, mit allem darin.\n";
        RemoveEntry(entries, name, classFolder.path() + "/" + name);
    }
    return 0;
}
