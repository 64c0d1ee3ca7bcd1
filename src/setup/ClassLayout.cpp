#include "setup/ClassLayout.h"

#include "setup/Refusal.h"
#include "plan/PlanFiles.h"

#include <sys/xattr.h>
#include <unistd.h>

#include <cerrno>
#include <iostream>

namespace {

// Only root reads or writes "trusted." attributes, so no child can forge the note.
constexpr auto NoteAttribute = "trusted.brimbelo.konto";

std::string EraseHint(const std::string &classPath, const std::string &name)
{
    return "erst löschen mit: brimbelo-klasse entfernen " + classPath + " " + name;
}

} // namespace

Rights ClassFolderRights(gid_t teachers)
{
    return {teachers, 0751, "u::rwx,g::r-x,o::--x", ""};
}

Rights OwnFolderRights(gid_t teachers, uid_t child)
{
    return {teachers, 02750, "u::rwx,g::r-x,o::---", "u::rwx,g::r-x,o::---", child};
}

std::optional<Account> NotedAccount(const Folder &childFolder)
{
    char text[256] = {};
    const ssize_t length = ::fgetxattr(childFolder.descriptor(), NoteAttribute, text, sizeof text - 1);
    if (length <= 0)
        return std::nullopt;
    const std::string note(text, static_cast<std::size_t>(length));
    const std::size_t colon = note.rfind(':');
    if (colon == std::string::npos)
        return std::nullopt;
    return Account{note.substr(0, colon), static_cast<uid_t>(std::stoul(note.substr(colon + 1)))};
}

void NoteAccount(const Folder &childFolder, const Account &account)
{
    const std::string note = account.name + ":" + std::to_string(account.uid);
    if (::fsetxattr(childFolder.descriptor(), NoteAttribute, note.data(), note.size(), 0) != 0)
        throw Refusal(childFolder.path() + " ließ sich nicht für " + account.name + " vermerken: " + Cause(errno) + ".");
}

std::optional<Account> FolderAccount(const Folder &childFolder, const std::string &name)
{
    const uid_t owner = childFolder.status().st_uid;
    std::optional<Account> noted = NotedAccount(childFolder);
    if (owner != 0)
        return noted && noted->uid == owner ? noted : std::nullopt;
    if (noted)
        return noted;
    if (std::optional<uid_t> named = NamedAccount(childFolder))
        return Account{name, *named};
    return std::nullopt;
}

bool MadeForChild(const Folder &folder, const std::string &name)
{
    return folder.status().st_uid == 0 || FolderAccount(folder, name).has_value();
}

Standing AccountStanding(const Account &account, std::string *holder)
{
    const std::optional<std::string> now = AccountName(account.uid);
    if (now && *now == account.name)
        return Standing::Present;
    if (holder && now)
        *holder = *now;
    return now ? Standing::NumberTaken : Standing::Gone;
}

std::vector<ChildFolder> ChildFolders(const Folder &classFolder)
{
    std::vector<ChildFolder> children;
    classFolder.forEachEntry([&](const std::string &name, const struct stat &status) {
        if (name == PlanFolderName)
            return;
        const std::string path = classFolder.path() + "/" + name;
        std::optional<Account> account;
        if (S_ISDIR(status.st_mode) && IsAccountName(name)) {
            if (std::optional<Folder> folder = classFolder.openChild(name))
                account = FolderAccount(*folder, name);
        }
        if (!account)
            throw Refusal("In " + classFolder.path() + " liegt " + name
                          + ", das brimbelo-klasse nicht angelegt hat; ein Klassenordner enthält nur die Ordner der Kinder.");
        std::string holder;
        if (AccountStanding(*account, &holder) == Standing::NumberTaken)
            throw Refusal(path + " gehört dem Konto " + account->name + " (Nummer " + std::to_string(account->uid)
                          + "), das es nicht mehr gibt; seine Nummer hat jetzt " + holder + ", das diese Daten nie bekommen darf; "
                          + EraseHint(classFolder.path(), name));
        children.push_back({name, *account});
    });
    return children;
}

void RefuseOtherChildsFolder(const Folder &childFolder, const Account &account, const std::string &classPath)
{
    const std::optional<Account> owner = FolderAccount(childFolder, account.name);
    if (owner && (owner->name != account.name || owner->uid != account.uid))
        throw Refusal(childFolder.path() + " wurde für " + owner->name + " (Nummer " + std::to_string(owner->uid)
                      + ") eingerichtet, nicht für " + account.name + " (Nummer " + std::to_string(account.uid) + "); "
                      + EraseHint(classPath, account.name));
}

int RegroupTree(const Folder &folder, gid_t group)
{
    int changed = 0;
    if (folder.status().st_gid != group) {
        if (::fchown(folder.descriptor(), static_cast<uid_t>(-1), group) != 0)
            throw Refusal(folder.path() + " lässt sich nicht der Gruppe geben: " + Cause(errno) + ".");
        changed = 1;
    }
    folder.forEachBelow(ChildFolderDepth, [&](const Folder &holder, const std::string &name, const struct stat &) {
        changed += RegroupEntry(holder, name, group) ? 1 : 0;
    });
    return changed;
}

void SetUpFolder(const Folder &folder, const Rights &rights, bool made, const std::string &what, const std::string &description)
{
    if (!made && HasRights(folder, rights)) {
        std::cout << what << " " << folder.path() << ": schon eingerichtet, unverändert.\n";
        return;
    }
    GiveRights(folder, rights);
    if (made)
        std::cout << what << " " << folder.path() << " angelegt: " << description << ".\n";
    else
        std::cout << what << " " << folder.path() << ": Rechte neu gesetzt (" << description << "); Dateien darin unverändert.\n";
}
