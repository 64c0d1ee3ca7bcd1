// brimbelo-klasse einrichten: a class folder with a folder for each child, and the
// entries in the school's folder that lead each child's bm there. Everything is checked first;
// a second run with more accounts adds them and leaves the rest as it is.

#include "setup/AccountEntries.h"
#include "setup/ClassLayout.h"
#include "setup/Commands.h"
#include "setup/Refusal.h"
#include "setup/plan/PlanFolder.h"
#include "setup/shared/SharedLayout.h"

#include <iostream>

namespace {

struct SetUp : ClassSetUp {
    std::vector<Account> children;
};

SetUp CheckedSetUp(const Arguments &arguments)
{
    const CommandLine line = ReadSetUpLine(arguments, {}, "Es fehlt mindestens ein Konto eines Kindes.");
    RequireRoot("Nur root darf eine Klasse einrichten.");
    SetUp setUp{OpenClassSetUp(line), {}};
    if (setUp.existingClass)
        RefuseSharedClass(*setUp.existingClass, "weitere Namen kommen mit brimbelo-klasse einrichten " + setUp.classPath
                                                    + " --gruppe GRUPPE --gemeinsam KONTO NAME... dazu.");
    const std::vector<ChildFolder> present =
        setUp.existingClass ? ChildFolders(*setUp.existingClass) : std::vector<ChildFolder>();
    // Other teachers for a class regroup its logs too, which is the command gruppe's work.
    if (!present.empty() && setUp.existingClass->status().st_gid != setUp.teachers)
        throw Refusal(setUp.classPath + " wird von der Gruppe " + GroupName(setUp.existingClass->status().st_gid)
                      + " gelesen; eine andere Gruppe bekommt die Klasse mit: brimbelo-klasse gruppe " + setUp.classPath + " "
                      + setUp.teachersName);
    for (const std::string &name : line.accounts(1)) {
        const Account child = ChildAccount(name, setUp.teachers, setUp.teachersName);
        if (setUp.existingClass) {
            if (const std::optional<Folder> folder = setUp.existingClass->openChild(child.name))
                RefuseOtherChildsFolder(*folder, child, setUp.classPath);
        }
        RefuseOtherEntry(setUp.entries, child.name, setUp.classPath + "/" + child.name);
        setUp.children.push_back(child);
    }
    return setUp;
}

void SetUpChild(const Folder &classFolder, const SetUp &setUp, const Account &child)
{
    std::optional<Folder> folder = classFolder.openChild(child.name);
    const bool made = !folder;
    if (made)
        folder = classFolder.makeChild(child.name, 0700);
    if (!NotedAccount(*folder))
        NoteAccount(*folder, child);
    SetUpFolder(*folder, OwnFolderRights(setUp.teachers, child.uid), made, "Protokollordner",
                child.name + " schreibt, " + setUp.teachersName + " liest");
}

} // namespace

CommandLine ReadSetUpLine(const Arguments &arguments, std::map<std::string, std::string> valueOptions,
                          const std::string &missingChildren)
{
    valueOptions.insert({{"--gruppe", "Nach --gruppe fehlt der Name der Gruppe."},
                         {"--konfig", "Nach --konfig fehlt ein Ordner."}});
    const CommandLine line = ReadCommandLine(arguments, valueOptions);
    if (line.words.empty())
        throw Refusal("Der Klassenordner fehlt (siehe brimbelo-klasse --help).");
    if (line.value("--gruppe").empty())
        throw Refusal("Die Gruppe der Lehrkräfte fehlt: --gruppe GRUPPE.");
    if (line.words.size() < 2)
        throw Refusal(missingChildren);
    return line;
}

ClassSetUp OpenClassSetUp(const CommandLine &line)
{
    ClassSetUp setUp;
    setUp.teachersName = line.value("--gruppe");
    setUp.classPath = CheckedFolderPath(line.words[0], "Der Klassenordner");
    setUp.entries = OpenEntryPlaces(CheckedFolderPath(line.value("--konfig", DefaultConfigFolder), "Der Ordner der Einstellungen"));
    setUp.existingClass = OpenTrustedPath(setUp.classPath, Missing::Leave, 0711, IsSharedClassFolder);
    RefuseHomesWithin(setUp.classPath);
    setUp.teachers = TeacherGroup(setUp.teachersName);
    return setUp;
}

void RefuseOtherEntry(const EntryPlaces &entries, const std::string &name, const std::string &folder)
{
    if (const std::optional<Entry> entry = FindEntry(entries, name); entry && entry->folder != folder)
        throw Refusal(name + " hat schon einen anderen Protokollordner (" + entry->folder + "); bitte erst " + entry->path
                      + " entfernen.");
}

int SetUpClass(const Arguments &arguments)
{
    if (AsksForSharedAccount(arguments))
        return SetUpSharedClass(arguments);
    SetUp setUp = CheckedSetUp(arguments);
    const bool made = !setUp.existingClass;
    const Folder classFolder = made ? *OpenTrustedPath(setUp.classPath, Missing::Create, 0700) : std::move(*setUp.existingClass);
    SetUpFolder(classFolder, ClassFolderRights(setUp.teachers), made, "Klassenordner",
                setUp.teachersName + " liest, Kinder sehen keine Namen darin");
    SetUpPlanFolder(classFolder, setUp.teachers, setUp.teachersName);
    for (const Account &child : setUp.children) {
        SetUpChild(classFolder, setUp, child);
        WriteEntry(setUp.entries, child, setUp.classPath + "/" + child.name);
    }
    for (const Folder &passage : SchoolPassages(setUp.entries, setUp.classPath))
        MendPassage(passage);
    if (!GroupHasMembers(setUp.teachers))
        std::cout << "Hinweis: Die Gruppe " << setUp.teachersName
                  << " hat noch keine Mitglieder. Eine Lehrerin kommt dazu mit: adduser NAME " << setUp.teachersName << "\n";
    std::cout << "Fertig. Lehrkräfte der Gruppe " << setUp.teachersName
              << " öffnen die Klasse mit „Brimbelo Klassenübersicht“ und wählen den Ordner " << setUp.classPath << ".\n";
    return 0;
}
