// brimbelo-klasse liste: what is set up. With a class folder, its teachers' group and each
// child's folder with the account it is for (on a shared account: whether her name is on
// the class list); without, the workstation's entries.

#include "setup/AccountEntries.h"
#include "setup/ClassLayout.h"
#include "setup/Commands.h"
#include "setup/Refusal.h"
#include "setup/shared/SharedLayout.h"
#include "core/ClassList.h"
#include "plan/PlanFiles.h"

#include <iostream>
#include <map>

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

// A class on one shared account: its list, and each folder with whether its name is listed
// or struck; a listed name without a folder gets it when the child first practises.
void ListSharedClass(const Folder &classFolder, const Account &shared)
{
    std::cout << "Klasse " << classFolder.path() << " auf dem gemeinsamen Konto " << shared.name << " (Nummer " << shared.uid
              << StandingText(shared) << "), gelesen von der Gruppe " << GroupName(classFolder.status().st_gid) << ":\n";
    const QStringList listed = ListedNames(classFolder);
    QStringList withoutFolder = listed;
    std::map<QString, std::string> said; // each entry's line, shown in class-list order
    classFolder.forEachEntry([&](const std::string &name, const struct stat &status) {
        const QString child = QString::fromStdString(name);
        if (name == PlanFolderName)
            return;
        if (name == ClassListFileName)
            std::cout << "  " << name << " (Klassenliste, " << listed.size() << " Namen)\n";
        else if (!IsChildsFolder(classFolder, name, status, shared))
            said[child] = " (nicht von brimbelo-klasse angelegt)";
        else if (withoutFolder.removeOne(child))
            said[child] = " (in der Klassenliste)";
        else
            said[child] = " (gestrichen; der Ordner bleibt, bis ihn jemand löscht)";
    });
    for (const QString &child : withoutFolder)
        said[child] = " (in der Klassenliste, noch ohne Ordner: er entsteht bei der ersten Übung)";
    QStringList names;
    for (const auto &[name, text] : said)
        names.append(name);
    SortAsClassList(names);
    for (const QString &name : names)
        std::cout << "  " << name.toStdString() << said[name] << "\n";
}

void ListClass(const Folder &classFolder)
{
    if (const std::optional<Account> shared = SharedClassAccount(classFolder))
        return ListSharedClass(classFolder, *shared);
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
