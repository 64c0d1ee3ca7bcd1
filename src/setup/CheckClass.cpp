// brimbelo-klasse pruefen: names what in a class is not as the set-up left it, and with
// --reparieren mends it: a folder whose account is gone (deleted with everything in it, so
// the account that gets its number never gets her data), wrong groups or rights, links.
// A class on one shared account is checked by its own layout.

#include "setup/AccountEntries.h"
#include "setup/ClassLayout.h"
#include "setup/Commands.h"
#include "setup/Refusal.h"
#include "setup/plan/PlanFolder.h"
#include "setup/shared/SharedLayout.h"
#include "core/ClassList.h"
#include "plan/PlanFiles.h"

#include <cstdio>
#include <functional>
#include <iostream>

namespace {

std::string OctalMode(mode_t mode)
{
    char text[8];
    std::snprintf(text, sizeof text, "%04o", static_cast<unsigned>(mode));
    return text;
}

// The problems found, each said in one line, and mended at once when asked to.
class Findings
{
public:
    explicit Findings(bool repair) : m_repair(repair) {}
    int count() const { return m_count; }
    bool repairs() const { return m_repair; }

    // `mended` says what `mend` does; a problem without one is left to the administrator.
    void report(const std::string &path, const std::string &problem, const std::string &mended = {},
                const std::function<void()> &mend = {})
    {
        ++m_count;
        std::cout << path << ": " << problem;
        if (!mend)
            std::cout << "; bitte selbst prüfen";
        else if (m_repair) {
            mend();
            std::cout << "; behoben: " << mended;
        }
        std::cout << ".\n";
    }

private:
    bool m_repair;
    int m_count = 0;
};

void CheckContents(const Folder &folder, gid_t teachers, Findings &findings)
{
    folder.forEachBelow(ChildFolderDepth, [&](const Folder &holder, const std::string &name, const struct stat &status) {
        const std::string path = holder.path() + "/" + name;
        const auto remove = [&holder, name] { holder.removeEntry(name); };
        if (S_ISLNK(status.st_mode))
            findings.report(path, "ein Verweis", "gelöscht", remove);
        else if (!S_ISDIR(status.st_mode) && status.st_nlink > 1)
            findings.report(path, "eine Datei mit mehreren Namen", "dieser Name gelöscht", remove);
        else if ((S_ISREG(status.st_mode) || S_ISDIR(status.st_mode)) && status.st_gid != teachers)
            findings.report(path, "gehört nicht der Gruppe " + GroupName(teachers), "der Gruppe gegeben",
                            [&holder, name, teachers] { RegroupEntry(holder, name, teachers); });
    });
}

void CheckChild(const Folder &classFolder, const std::string &name, const struct stat &status, gid_t teachers,
                Findings &findings)
{
    const std::string path = classFolder.path() + "/" + name;
    const auto remove = [&classFolder, name] { classFolder.removeEntry(name); };
    if (S_ISLNK(status.st_mode))
        return findings.report(path, "ein Verweis", "gelöscht", remove);
    const std::optional<Folder> folder =
        S_ISDIR(status.st_mode) && IsAccountName(name) ? classFolder.openChild(name) : std::nullopt;
    const std::optional<Account> account = folder ? FolderAccount(*folder, name) : std::nullopt;
    if (!account)
        return findings.report(path, "nicht von brimbelo-klasse angelegt");
    std::string holder;
    switch (AccountStanding(*account, &holder)) {
    case Standing::Gone:
        return findings.report(path, "das Konto " + account->name + " gibt es nicht mehr", "gelöscht, mit allem darin", remove);
    case Standing::NumberTaken:
        return findings.report(path, "das Konto " + account->name + " gibt es nicht mehr, seine Nummer hat jetzt " + holder,
                               "gelöscht, mit allem darin", remove);
    case Standing::Present:
        break;
    }
    const Rights rights = OwnFolderRights(teachers, account->uid);
    if (!HasRights(*folder, rights))
        findings.report(path, "Rechte oder Gruppe falsch", "neu gesetzt", [&] { GiveRights(*folder, rights); });
    CheckContents(*folder, teachers, findings);
}

// What a class on one shared account holds: its class list, the group's, and the
// children's folders, the shared account's and the group's, listed or struck alike.
void CheckSharedEntry(const Folder &classFolder, const std::string &name, const struct stat &status, const Account &shared,
                      gid_t teachers, Findings &findings)
{
    const std::string path = classFolder.path() + "/" + name;
    if (name == ClassListFileName) {
        if (!S_ISREG(status.st_mode) || status.st_nlink != 1)
            return findings.report(path, "keine gewöhnliche Datei");
        if (!ListInLayout(classFolder, teachers))
            findings.report(path, "Rechte oder Gruppe falsch", "neu geschrieben",
                            [&] { WriteClassList(classFolder, ListedNames(classFolder), teachers); });
        return;
    }
    if (S_ISLNK(status.st_mode))
        return findings.report(path, "ein Verweis", "gelöscht", [&classFolder, name] { classFolder.removeEntry(name); });
    if (!IsChildsFolder(classFolder, name, status, shared))
        return findings.report(path, "nicht von brimbelo-klasse für das Konto " + shared.name + " angelegt");
    const Folder folder = *classFolder.openChild(name);
    const Rights rights = SharedFolderRights(teachers, shared.uid);
    if (!HasRights(folder, rights))
        findings.report(path, "Rechte oder Gruppe falsch", "neu gesetzt", [&] { GiveRights(folder, rights); });
    CheckContents(folder, teachers, findings);
}

// The shared account owns the class: one that is gone, or whose number another account
// has now, is left to the administrator.
void CheckSharedAccount(const Folder &classFolder, const Account &shared, Findings &findings)
{
    std::string holder;
    switch (AccountStanding(shared, &holder)) {
    case Standing::Gone:
        return findings.report(classFolder.path(), "das gemeinsame Konto " + shared.name + " gibt es nicht mehr");
    case Standing::NumberTaken:
        return findings.report(classFolder.path(), "das gemeinsame Konto " + shared.name
                                                       + " gibt es nicht mehr, seine Nummer hat jetzt " + holder);
    case Standing::Present:
        break;
    }
}

// A plans' folder that is a link or not root's is a child's trick and is only named.
void CheckPlanFolder(const Folder &classFolder, gid_t teachers, Findings &findings)
{
    const std::string path = classFolder.path() + "/" + PlanFolderName;
    std::optional<Folder> folder;
    try {
        folder = classFolder.openChild(PlanFolderName);
    } catch (const Refusal &) {
    }
    if (!folder || folder->status().st_uid != 0) {
        findings.report(path, "kein Ordner von root");
        return;
    }
    const Rights rights = PlanFolderRights(teachers);
    if (!HasRights(*folder, rights))
        findings.report(path, "Rechte oder Gruppe falsch", "neu gesetzt", [&] { GiveRights(*folder, rights); });
}

} // namespace

int CheckClass(const Arguments &arguments)
{
    const CommandLine line = ReadCommandLine(arguments, {{"--konfig", "Nach --konfig fehlt ein Ordner."}}, {"--reparieren"});
    if (line.words.size() != 1)
        throw Refusal("Es braucht genau einen Klassenordner (siehe brimbelo-klasse --help).");
    RequireRoot("Nur root darf eine Klasse prüfen.");
    const Folder classFolder = ExistingClass(line.words[0]);
    const gid_t teachers = classFolder.status().st_gid;
    Findings findings(line.flags.count("--reparieren") != 0);
    const std::optional<Account> shared = SharedClassAccount(classFolder);
    if (shared)
        CheckSharedAccount(classFolder, *shared, findings);
    const Rights classRights = shared ? SharedFolderRights(teachers, shared->uid) : ClassFolderRights(teachers);
    if (!HasRights(classFolder, classRights))
        findings.report(classFolder.path(), "Rechte falsch", "neu gesetzt", [&] { GiveRights(classFolder, classRights); });
    const EntryPlaces places = OpenEntryPlaces(CheckedFolderPath(line.value("--konfig", DefaultConfigFolder), "Der Ordner der Einstellungen"));
    for (const Folder &passage : SchoolPassages(places, classFolder.path())) {
        if (const mode_t mode = passage.status().st_mode & 07777; mode != PassageMode)
            findings.report(passage.path(), "lässt sich auflisten (Rechte " + OctalMode(mode) + ")", "auf 0711 gesetzt",
                            [&] { SetPassageMode(passage); });
    }
    classFolder.forEachEntry([&](const std::string &name, const struct stat &status) {
        if (name == PlanFolderName)
            CheckPlanFolder(classFolder, teachers, findings);
        else if (shared)
            CheckSharedEntry(classFolder, name, status, *shared, teachers, findings);
        else
            CheckChild(classFolder, name, status, teachers, findings);
    });
    if (findings.count() == 0)
        std::cout << "Klasse " << classFolder.path() << ": keine Probleme gefunden.\n";
    else if (findings.repairs())
        std::cout << "Klasse " << classFolder.path() << ": " << findings.count() << " Probleme gefunden und behoben, soweit möglich.\n";
    else
        std::cout << "Klasse " << classFolder.path() << ": " << findings.count() << " Probleme gefunden; brimbelo-klasse pruefen "
                  << classFolder.path() << " --reparieren behebt sie, soweit möglich.\n";
    return findings.count() == 0 ? 0 : 1;
}
