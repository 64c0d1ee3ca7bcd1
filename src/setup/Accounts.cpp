#include "setup/Accounts.h"

#include "setup/Refusal.h"

#include <grp.h>
#include <pwd.h>

#include <fstream>
#include <sstream>
#include <vector>

gid_t TeacherGroup(const std::string &name)
{
    const group *found = ::getgrnam(name.c_str());
    if (!found)
        throw Refusal("Die Gruppe " + name + " gibt es nicht. Anlegen mit: groupadd " + name
                      + "; eine Lehrerin kommt dazu mit: adduser NAME " + name);
    return found->gr_gid;
}

std::string GroupName(gid_t group)
{
    const struct group *found = ::getgrgid(group);
    return found ? found->gr_name : std::to_string(group);
}

bool GroupHasMembers(gid_t group)
{
    const struct group *found = ::getgrgid(group);
    return found && found->gr_mem && found->gr_mem[0];
}

bool IsAccountName(const std::string &name)
{
    if (name.empty())
        return false;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'
            || (i > 0 && (c == '.' || c == '-'));
        if (!plain)
            return false;
    }
    return true;
}

Account ChildAccount(const std::string &name, gid_t teachers, const std::string &teachersName)
{
    if (!IsAccountName(name))
        throw Refusal("Ungültiger Kontoname: " + name);
    const passwd *found = ::getpwnam(name.c_str());
    if (!found)
        throw Refusal("Das Konto " + name + " gibt es nicht. Anlegen mit: adduser " + name);
    const Account account{name, found->pw_uid};
    if (account.uid == 0)
        throw Refusal(name + " ist ein Konto des Verwalters, kein Kinderkonto.");
    const PersonUids persons = PersonUidRange();
    if (account.uid < persons.lowest || account.uid > persons.highest)
        throw Refusal(name + " ist ein Konto des Systems (Nummer " + std::to_string(account.uid) + ", Konten von Personen haben "
                      + std::to_string(persons.lowest) + " bis " + std::to_string(persons.highest) + "), kein Kinderkonto.");
    RefuseTeacher(account, teachers, teachersName);
    return account;
}

void RefuseTeacher(const Account &account, gid_t teachers, const std::string &teachersName)
{
    const passwd *found = ::getpwnam(account.name.c_str());
    if (!found)
        return;
    int count = 64;
    std::vector<gid_t> groups(count);
    while (::getgrouplist(account.name.c_str(), found->pw_gid, groups.data(), &count) < 0)
        groups.resize(count);
    groups.resize(count);
    for (gid_t group : groups) {
        if (group == teachers)
            throw Refusal(account.name + " gehört zur Gruppe " + teachersName
                          + " und könnte so die ganze Klasse lesen; das Konto eines Kindes gehört nicht dazu.");
    }
}

std::optional<std::string> AccountName(uid_t uid)
{
    const passwd *found = ::getpwuid(uid);
    return found ? std::optional<std::string>(found->pw_name) : std::nullopt;
}

PersonUids PersonUidRange(const std::string &loginDefs)
{
    PersonUids range;
    std::ifstream file(loginDefs);
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream words(line);
        std::string key;
        unsigned long value = 0;
        if (!(words >> key >> value))
            continue;
        if (key == "UID_MIN")
            range.lowest = static_cast<uid_t>(value);
        else if (key == "UID_MAX")
            range.highest = static_cast<uid_t>(value);
    }
    return range;
}

void RefuseHomesWithin(const std::string &path)
{
    ::setpwent();
    while (const passwd *account = ::getpwent()) {
        std::string home = account->pw_dir ? account->pw_dir : "";
        while (home.size() > 1 && home.back() == '/')
            home.pop_back();
        if (home == path || home.rfind(path + "/", 0) == 0) {
            const std::string name = account->pw_name;
            ::endpwent();
            throw Refusal(path + " enthält das Heimatverzeichnis von " + name + " (" + home
                          + "); ein Klassenordner darf keines enthalten.");
        }
    }
    ::endpwent();
}
