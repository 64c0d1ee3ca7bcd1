#include "setup/AccountEntries.h"

#include "setup/Refusal.h"

#include "core/SchoolFolder.h"

#include <acl/libacl.h>
#include <fcntl.h>
#include <sys/acl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <iostream>
#include <sstream>
#include <vector>

namespace {

constexpr auto SettingsFile = "wolf.cfg";
// A configuration file larger than this is not one an administrator wrote.
constexpr off_t LargestSettings = 1 << 20;

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

// The value of `key` as bm reads it: lines that are no comment, blanks, brackets and line
// ends dropped, the key in any case, the last such line counting. Empty without one.
std::string ConfigValue(const std::string &text, const std::string &key)
{
    std::string value;
    for (const std::string &line : Lines(text)) {
        if (line.empty() || line[0] == ';')
            continue;
        std::string cleaned;
        std::copy_if(line.begin(), line.end(), std::back_inserter(cleaned),
                     [](char c) { return c != ' ' && c != '(' && c != ')' && c != '\r'; });
        if (const std::size_t equals = cleaned.find('=', 1); equals != std::string::npos && Lower(cleaned.substr(0, equals)) == Lower(key))
            value = cleaned.substr(equals + 1);
    }
    return value;
}

std::optional<Entry> EntryIn(const Folder &holder, const std::string &name)
{
    const std::optional<Folder> entries = holder.openChild(AccountEntriesFolder);
    const std::optional<std::string> text = entries ? ReadPlainFile(*entries, name) : std::nullopt;
    if (!text)
        return std::nullopt;
    return Entry{ConfigValue(*text, "LogFilePath"), entries->path() + "/" + name};
}

// The school's folder and its entries' folder, made (or mended) to 0711, with the mark that
// tells a child's bm that the school's folder is really there.
const Folder &SchoolFolder(EntryPlaces &places)
{
    if (!places.school)
        places.school = OpenTrustedPath(places.schoolPath, Missing::Create, 0711);
    MendPassage(*places.school);
    if (!ReadPlainFile(*places.school, SchoolMarkName)) {
        ReplaceFile(*places.school, SchoolMarkName,
                    "Ordner der Schule für Brimbelo, von brimbelo-klasse angelegt. Solange diese Datei hier ist, schreibt bm "
                    "in die Klassenordner darin.\n",
                    0644);
        std::cout << "Ordner der Schule " << places.schoolPath << ": Markierung " << SchoolMarkName << " angelegt.\n";
    }
    return *places.school;
}

} // namespace


std::optional<std::string> ReadPlainFile(const Folder &folder, const std::string &name, bool anyOwner)
{
    const int descriptor = ::openat(folder.descriptor(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0 && errno == ENOENT)
        return std::nullopt;
    const std::string path = folder.path() + "/" + name;
    if (descriptor < 0)
        throw Refusal(path + " lässt sich nicht lesen: " + Cause(errno) + ".");
    const Folder file(descriptor, path);
    const struct stat status = file.status();
    if (!S_ISREG(status.st_mode) || status.st_nlink != 1 || (status.st_uid != 0 && !anyOwner) || status.st_size > LargestSettings)
        throw Refusal(path + " ist keine gewöhnliche Datei" + (anyOwner ? "" : " von root") + "; bitte prüfen und entfernen.");
    std::string text(static_cast<std::size_t>(status.st_size), '\0');
    const ssize_t length = ::read(descriptor, text.data(), text.size());
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return text;
}

void ReplaceFile(const Folder &folder, const std::string &name, const std::string &text, mode_t mode, gid_t group)
{
    const std::string temporary = "." + name + ".brimbelo-klasse";
    ::unlinkat(folder.descriptor(), temporary.c_str(), 0);
    const int descriptor = ::openat(folder.descriptor(), temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    const std::string path = folder.path() + "/" + name;
    if (descriptor < 0)
        throw Refusal(path + " lässt sich nicht schreiben: " + Cause(errno) + ".");
    const Folder file(descriptor, path);
    const bool written = ::write(descriptor, text.data(), text.size()) == static_cast<ssize_t>(text.size())
        && ::fchown(descriptor, 0, group) == 0 && ::fchmod(descriptor, mode) == 0 && ::fsync(descriptor) == 0
        && ::renameat(folder.descriptor(), temporary.c_str(), folder.descriptor(), name.c_str()) == 0;
    if (!written) {
        const int error = errno;
        ::unlinkat(folder.descriptor(), temporary.c_str(), 0);
        throw Refusal(path + " lässt sich nicht schreiben: " + Cause(error) + ".");
    }
}

void GiveFileAccess(const Folder &folder, const std::string &name, gid_t group, const std::string &accessList)
{
    const int descriptor = ::openat(folder.descriptor(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    const Folder file(descriptor, folder.path() + "/" + name);
    acl_t readable = ::acl_from_text(accessList.c_str());
    const bool given = descriptor >= 0 && readable && ::fchown(descriptor, 0, group) == 0 && ::acl_set_fd(descriptor, readable) == 0;
    ::acl_free(readable);
    if (!given)
        throw Refusal(file.path() + " ließ sich nicht einrichten (Dateisystem ohne Zugriffslisten?).");
}

// Nothing to list: the children pass through on their way to their folders, and only root
// learns what is in them.
bool SetPassageMode(const Folder &folder)
{
    if ((folder.status().st_mode & 07777) == PassageMode)
        return false;
    if (::fchmod(folder.descriptor(), PassageMode) != 0)
        throw Refusal(folder.path() + " lässt sich nicht auf 0711 setzen: " + Cause(errno) + ".");
    return true;
}

void MendPassage(const Folder &folder)
{
    if (SetPassageMode(folder))
        std::cout << "Ordner " << folder.path() << ": Rechte auf 0711 gesetzt, niemand außer root sieht, was darin ist.\n";
}

std::vector<Folder> SchoolPassages(const EntryPlaces &places, const std::string &classPath)
{
    std::vector<Folder> passages;
    if (!places.school)
        return passages;
    passages.push_back(*OpenTrustedPath(places.schoolPath, Missing::Leave));
    if (std::optional<Folder> entries = places.school->openChild(AccountEntriesFolder))
        passages.push_back(std::move(*entries));
    const std::string prefix = places.schoolPath + "/";
    if (classPath.rfind(prefix, 0) != 0)
        return passages;
    std::string path = places.schoolPath;
    std::istringstream parts(classPath.substr(prefix.size()));
    std::vector<std::string> names;
    for (std::string name; std::getline(parts, name, '/');)
        names.push_back(name);
    // The class folder itself has rights of its own: its teachers list it.
    for (std::size_t i = 0; i + 1 < names.size(); ++i) {
        std::optional<Folder> next = (i == 0 ? *places.school : passages.back()).openChild(names[i]);
        if (!next)
            break;
        passages.push_back(std::move(*next));
    }
    return passages;
}

EntryPlaces OpenEntryPlaces(const std::string &configPath)
{
    EntryPlaces places;
    places.workstation = OpenTrustedPath(configPath, Missing::Leave);
    const std::optional<std::string> settings = places.workstation ? ReadPlainFile(*places.workstation, SettingsFile) : std::nullopt;
    const std::string named = settings ? ConfigValue(*settings, SchoolFolderKey) : std::string();
    places.schoolPath = CheckedFolderPath(named.empty() ? DefaultSchoolFolder : named, "Der Ordner der Schule (Klassenordner=)");
    places.school = OpenTrustedPath(places.schoolPath, Missing::Leave);
    return places;
}

std::optional<Entry> FindEntry(const EntryPlaces &places, const std::string &name)
{
    if (std::optional<Entry> entry = places.school ? EntryIn(*places.school, name) : std::nullopt)
        return entry;
    return places.workstation ? EntryIn(*places.workstation, name) : std::nullopt;
}

void WriteEntry(EntryPlaces &places, const Account &account, const std::string &childPath)
{
    const Folder &school = SchoolFolder(places);
    std::optional<Folder> entries = school.openChild(AccountEntriesFolder);
    if (!entries)
        entries = school.makeChild(AccountEntriesFolder, 0711);
    MendPassage(*entries);
    const std::string path = entries->path() + "/" + account.name;
    if (const std::optional<Entry> entry = EntryIn(school, account.name); entry && entry->folder == childPath) {
        std::cout << "Eintrag " << path << ": schon vorhanden, unverändert.\n";
        return;
    }
    ReplaceFile(*entries, account.name,
                "; Von brimbelo-klasse geschrieben: der Protokollordner von " + account.name + "\nLogFilePath=" + childPath + "\n", 0600);
    GiveFileAccess(*entries, account.name, 0, "u::rw-,u:" + std::to_string(account.uid) + ":r--,g::---,m::r--,o::---");
    std::cout << "Eintrag " << path << " geschrieben: nur " << account.name << " liest ihn.\n";
}

void RemoveEntry(const EntryPlaces &places, const std::string &name, const std::string &childPath)
{
    for (const std::optional<Folder> *holder : {&places.school, &places.workstation}) {
        const std::optional<Entry> entry = *holder ? EntryIn(**holder, name) : std::nullopt;
        if (!entry || entry->folder != childPath)
            continue;
        (*holder)->openChild(AccountEntriesFolder)->removeEntry(name);
        std::cout << "Eintrag " << entry->path << " gelöscht.\n";
    }
}

void ForEachEntry(const EntryPlaces &places, const std::function<void(const std::string &, const Entry &)> &visit)
{
    for (const std::optional<Folder> *holder : {&places.school, &places.workstation}) {
        const std::optional<Folder> entries = *holder ? (*holder)->openChild(AccountEntriesFolder) : std::nullopt;
        if (!entries)
            continue;
        entries->forEachEntry([&](const std::string &name, const struct stat &) {
            if (const std::optional<Entry> entry = EntryIn(**holder, name))
                visit(name, *entry);
        });
    }
}
