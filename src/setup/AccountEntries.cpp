#include "setup/AccountEntries.h"

#include "setup/Refusal.h"

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

constexpr auto EntriesFolder = "konten";
constexpr auto SettingsFile = "wolf.cfg";
constexpr auto FromEnvironment = "LogFilePath=%BM_LOG%";
// A configuration file larger than this is not one the set-up wrote or should edit.
constexpr off_t LargestSettings = 1 << 20;

std::vector<std::string> Lines(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
}

// A LogFilePath line as bm reads it: not a comment, blanks and brackets dropped, the key
// in any case. Returns the line so cleaned, or nothing for any other line.
std::optional<std::string> LogFolderLine(const std::string &line)
{
    if (!line.empty() && line[0] == ';')
        return std::nullopt;
    std::string cleaned;
    std::copy_if(line.begin(), line.end(), std::back_inserter(cleaned), [](char c) { return c != ' ' && c != '(' && c != ')'; });
    std::string lower = cleaned.substr(0, 12);
    std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
    return lower == "logfilepath=" ? std::optional<std::string>(cleaned) : std::nullopt;
}

} // namespace

std::optional<std::string> ReadPlainFile(const Folder &folder, const std::string &name)
{
    const int descriptor = ::openat(folder.descriptor(), name.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0 && errno == ENOENT)
        return std::nullopt;
    const std::string path = folder.path() + "/" + name;
    if (descriptor < 0)
        throw Refusal(path + " lässt sich nicht lesen: " + Cause(errno) + ".");
    const Folder file(descriptor, path);
    const struct stat status = file.status();
    if (!S_ISREG(status.st_mode) || status.st_nlink != 1 || status.st_uid != 0 || status.st_size > LargestSettings)
        throw Refusal(path + " ist keine gewöhnliche Datei von root; bitte prüfen und entfernen.");
    std::string text(static_cast<std::size_t>(status.st_size), '\0');
    const ssize_t length = ::read(descriptor, text.data(), text.size());
    text.resize(length > 0 ? static_cast<std::size_t>(length) : 0);
    return text;
}

void ReplaceFile(const Folder &folder, const std::string &name, const std::string &text, mode_t mode)
{
    const std::string temporary = "." + name + ".brimbelo-klasse";
    ::unlinkat(folder.descriptor(), temporary.c_str(), 0);
    const int descriptor = ::openat(folder.descriptor(), temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    const std::string path = folder.path() + "/" + name;
    if (descriptor < 0)
        throw Refusal(path + " lässt sich nicht schreiben: " + Cause(errno) + ".");
    const Folder file(descriptor, path);
    const bool written = ::write(descriptor, text.data(), text.size()) == static_cast<ssize_t>(text.size())
        && ::fchown(descriptor, 0, 0) == 0 && ::fchmod(descriptor, mode) == 0 && ::fsync(descriptor) == 0
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

std::optional<std::string> EntryFolder(const Folder &config, const std::string &name)
{
    const std::optional<Folder> entries = config.openChild(EntriesFolder);
    const std::optional<std::string> text = entries ? ReadPlainFile(*entries, name) : std::nullopt;
    if (!text)
        return std::nullopt;
    for (const std::string &line : Lines(*text)) {
        if (line.rfind("LogFilePath=", 0) == 0)
            return line.substr(12);
    }
    return std::string();
}

void WriteEntry(const Folder &config, const Account &account, const std::string &childPath)
{
    std::optional<Folder> entries = config.openChild(EntriesFolder);
    if (!entries)
        entries = config.makeChild(EntriesFolder, 0711);
    const std::string path = entries->path() + "/" + account.name;
    if (ReadPlainFile(*entries, account.name)) {
        std::cout << "Eintrag " << path << ": schon vorhanden, unverändert.\n";
        return;
    }
    ReplaceFile(*entries, account.name,
                "; Von brimbelo-klasse geschrieben: der Protokollordner von " + account.name + "\nLogFilePath=" + childPath + "\n", 0600);
    GiveFileAccess(*entries, account.name, 0, "u::rw-,u:" + std::to_string(account.uid) + ":r--,g::---,m::r--,o::---");
    std::cout << "Eintrag " << path << " geschrieben: nur " << account.name << " liest ihn.\n";
}

void RemoveEntry(const Folder &config, const std::string &name, const std::string &childPath)
{
    if (EntryFolder(config, name) != childPath)
        return;
    const std::optional<Folder> entries = config.openChild(EntriesFolder);
    entries->removeEntry(name);
    std::cout << "Eintrag " << entries->path() << "/" << name << " gelöscht.\n";
}

void TakeLogFolderFromEnvironment(const Folder &config)
{
    const std::string path = config.path() + "/" + SettingsFile;
    const std::optional<std::string> text = ReadPlainFile(config, SettingsFile);
    std::vector<std::string> lines = text ? Lines(*text) : std::vector<std::string>();
    std::vector<std::string> active;
    for (const std::string &line : lines) {
        if (std::optional<std::string> cleaned = LogFolderLine(line))
            active.push_back(*cleaned);
    }
    if (active == std::vector<std::string>{FromEnvironment}) {
        std::cout << "Einstellungen " << path << ": " << FromEnvironment << " schon eingetragen, unverändert.\n";
        return;
    }
    std::string replaced;
    for (const std::string &line : lines)
        replaced += (LogFolderLine(line) ? ";" : "") + line + "\n";
    replaced += std::string(FromEnvironment) + "\n";
    struct stat status {};
    const bool existed = text && ::fstatat(config.descriptor(), SettingsFile, &status, AT_SYMLINK_NOFOLLOW) == 0;
    ReplaceFile(config, SettingsFile, replaced, existed ? (status.st_mode & 0644) : 0644);
    if (!active.empty())
        std::cout << "Einstellungen " << path << ": bisherige LogFilePath-Zeile auskommentiert.\n";
    std::cout << "Einstellungen " << path << ": " << FromEnvironment << " eingetragen.\n";
}
