// brimbelo-klasse liste: what is set up. With a class folder, its teachers' group and each
// child's folder with the account it is for; without, the workstation's entries.

#include "setup/AccountEntries.h"
#include "setup/ClassLayout.h"
#include "setup/Commands.h"
#include "setup/Refusal.h"
#include "plan/PlanFiles.h"

#include <iostream>

namespace {

std::string StandingText(const Account &account)
{
    std::string holder;
    switch (AccountStanding(account, &holder)) {
    case Standing::Present:
        return {};
    case Standing::Gone:
        return ", das Konto gibt es nicht mehr";
    case Standing::NumberTaken:
        return ", das Konto gibt es nicht mehr, seine Nummer hat jetzt " + holder;
    }
    return {};
}

void ListClass(const Folder &classFolder)
{
    std::cout << "Klasse " << classFolder.path() << ", gelesen von der Gruppe " << GroupName(classFolder.status().st_gid) << ":\n";
    classFolder.forEachEntry([&](const std::string &name, const struct stat &status) {
        if (name == PlanFolderName)
            return;
        const std::optional<Folder> folder =
            S_ISDIR(status.st_mode) && IsAccountName(name) ? classFolder.openChild(name) : std::nullopt;
        const std::optional<Account> account = folder ? FolderAccount(*folder, name) : std::nullopt;
        if (account)
            std::cout << "  " << name << " (Konto " << account->name << ", Nummer " << account->uid << StandingText(*account) << ")\n";
        else
            std::cout << "  " << name << " (nicht von brimbelo-klasse angelegt)\n";
    });
}

// The entries in the school's folder, then those an older set-up left in KONFIG/konten.
void ListEntries(const std::string &configPath)
{
    const EntryPlaces places = OpenEntryPlaces(configPath);
    int count = 0;
    ForEachEntry(places, [&](const std::string &name, const Entry &entry) {
        std::cout << name << ": " << entry.folder << " (" << entry.path << ")\n";
        ++count;
    });
    if (count == 0)
        std::cout << "In " << places.schoolPath << "/konten und " << configPath << "/konten ist kein Konto eingetragen.\n";
}

} // namespace

int ListClasses(const Arguments &arguments)
{
    const CommandLine line = ReadCommandLine(arguments, {{"--konfig", "Nach --konfig fehlt ein Ordner."}});
    if (line.words.size() > 1)
        throw Refusal("Es braucht höchstens einen Klassenordner (siehe brimbelo-klasse --help).");
    RequireRoot("Nur root darf sehen, was eingerichtet ist.");
    if (line.words.empty())
        ListEntries(CheckedFolderPath(line.value("--konfig", DefaultConfigFolder), "Der Ordner der Einstellungen"));
    else
        ListClass(ExistingClass(line.words[0]));
    return 0;
}
