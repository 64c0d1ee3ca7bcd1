#include "setup/SafeFolder.h"

#include "setup/Refusal.h"

#include <acl/libacl.h>
#include <dirent.h>
#include <fcntl.h>
#include <sys/acl.h>
#include <unistd.h>

#include <cerrno>
#include <utility>
#include <vector>

namespace {

constexpr int FolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;

std::string Joined(const std::string &folder, const std::string &name)
{
    return folder == "/" ? "/" + name : folder + "/" + name;
}

std::vector<std::string> PathParts(const std::string &path)
{
    std::vector<std::string> parts;
    std::string part;
    for (char c : path + "/") {
        if (c != '/') {
            part += c;
        } else if (!part.empty()) {
            parts.push_back(part);
            part.clear();
        }
    }
    return parts;
}

// A folder on the way to a class: root's, and writable by root alone unless it is a
// root-owned sticky folder that is passed through.
void CheckOnTheWay(const Folder &folder, bool passedThrough)
{
    const struct stat status = folder.status();
    if (status.st_uid != 0)
        throw Refusal(folder.path() + " gehört nicht root; ein Klassenordner darf nur in Ordnern liegen, die root gehören.");
    const bool sticky = (status.st_mode & S_ISVTX) != 0;
    if (WritableByOthers(folder) && !(sticky && passedThrough))
        throw Refusal("In " + folder.path() + " darf außer root noch jemand schreiben; ein Klassenordner darf nur in Ordnern liegen, in die allein root schreibt.");
}

} // namespace

Folder::Folder(int descriptor, std::string path) : m_descriptor(descriptor), m_path(std::move(path)) {}

Folder::Folder(Folder &&other) noexcept : m_descriptor(std::exchange(other.m_descriptor, -1)), m_path(std::move(other.m_path)) {}

Folder &Folder::operator=(Folder &&other) noexcept
{
    std::swap(m_descriptor, other.m_descriptor);
    std::swap(m_path, other.m_path);
    return *this;
}

Folder::~Folder()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

struct stat Folder::status() const
{
    struct stat status {};
    if (::fstat(m_descriptor, &status) != 0)
        throw Refusal(m_path + " lässt sich nicht prüfen: " + Cause(errno) + ".");
    return status;
}

std::string Folder::procPath() const
{
    return "/proc/self/fd/" + std::to_string(m_descriptor);
}

std::optional<Folder> Folder::openChild(const std::string &name) const
{
    const std::string path = Joined(m_path, name);
    const int descriptor = ::openat(m_descriptor, name.c_str(), FolderFlags);
    if (descriptor >= 0)
        return Folder(descriptor, path);
    if (errno == ENOENT)
        return std::nullopt;
    if (errno == ELOOP || errno == ENOTDIR) {
        struct stat status {};
        if (::fstatat(m_descriptor, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0 && S_ISLNK(status.st_mode))
            throw Refusal(path + " ist ein Verweis; bitte den Ordner selbst angeben.");
        throw Refusal(path + " gibt es schon, aber nicht als Ordner.");
    }
    throw Refusal(path + " lässt sich nicht öffnen: " + Cause(errno) + ".");
}

Folder Folder::makeChild(const std::string &name, mode_t mode) const
{
    const std::string path = Joined(m_path, name);
    if (::mkdirat(m_descriptor, name.c_str(), 0700) != 0)
        throw Refusal(path + " lässt sich nicht anlegen: " + Cause(errno) + ".");
    std::optional<Folder> made = openChild(name);
    if (!made || made->status().st_uid != 0)
        throw Refusal(path + " wurde beim Anlegen ausgetauscht; bitte prüfen, wer in " + m_path + " schreiben darf.");
    if (::fchmod(made->descriptor(), mode) != 0)
        throw Refusal(path + " lässt sich nicht einrichten: " + Cause(errno) + ".");
    return std::move(*made);
}

void Folder::forEachEntry(const std::function<void(const std::string &, const struct stat &)> &visit) const
{
    const int copy = ::openat(m_descriptor, ".", FolderFlags);
    DIR *entries = copy >= 0 ? ::fdopendir(copy) : nullptr;
    if (!entries) {
        if (copy >= 0)
            ::close(copy);
        throw Refusal(m_path + " lässt sich nicht lesen: " + Cause(errno) + ".");
    }
    std::vector<std::string> names;
    while (const dirent *entry = ::readdir(entries)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(name);
    }
    ::closedir(entries);
    for (const std::string &name : names) {
        struct stat status {};
        if (::fstatat(m_descriptor, name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0)
            visit(name, status);
    }
}

void Folder::forEachBelow(int depth, const std::function<void(const Folder &, const std::string &, const struct stat &)> &visit) const
{
    forEachEntry([&](const std::string &name, const struct stat &status) {
        visit(*this, name, status);
        if (S_ISDIR(status.st_mode) && depth > 1) {
            if (const std::optional<Folder> inner = openChild(name))
                inner->forEachBelow(depth - 1, visit);
        }
    });
}

void Folder::removeEntry(const std::string &name) const
{
    const std::string path = Joined(m_path, name);
    const int descriptor = ::openat(m_descriptor, name.c_str(), FolderFlags);
    if (descriptor >= 0) {
        const Folder inner(descriptor, path);
        inner.forEachEntry([&](const std::string &innerName, const struct stat &) { inner.removeEntry(innerName); });
    } else if (errno != ENOTDIR && errno != ELOOP && errno != ENOENT) {
        throw Refusal(path + " lässt sich nicht löschen: " + Cause(errno) + ".");
    }
    if (::unlinkat(m_descriptor, name.c_str(), descriptor >= 0 ? AT_REMOVEDIR : 0) != 0 && errno != ENOENT)
        throw Refusal(path + " lässt sich nicht löschen: " + Cause(errno) + ".");
}

bool WritableByOthers(const Folder &folder)
{
    const struct stat status = folder.status();
    if (status.st_uid != 0 || (status.st_mode & S_IWOTH) != 0)
        return true;
    if ((status.st_mode & S_IWGRP) == 0)
        return false;
    // With an access list the group bits are its mask: a named account may write.
    return status.st_gid != 0 || ::acl_extended_fd(folder.descriptor()) != 0;
}

std::optional<Folder> OpenTrustedPath(const std::string &path, Missing missing, mode_t lastMode,
                                      const std::function<bool(const Folder &)> &ownedRightly)
{
    const int root = ::open("/", FolderFlags);
    if (root < 0)
        throw Refusal("/ lässt sich nicht öffnen: " + Cause(errno) + ".");
    Folder folder(root, "/");
    const std::vector<std::string> parts = PathParts(path);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        CheckOnTheWay(folder, true);
        const bool last = i + 1 == parts.size();
        std::optional<Folder> next = folder.openChild(parts[i]);
        if (!next) {
            if (missing == Missing::Leave)
                return std::nullopt;
            next = folder.makeChild(parts[i], last ? lastMode : 0711);
        }
        folder = std::move(*next);
    }
    if (!ownedRightly || !ownedRightly(folder))
        CheckOnTheWay(folder, false);
    return folder;
}

std::string CheckedFolderPath(const std::string &path, const std::string &what)
{
    if (path.empty() || path[0] != '/')
        throw Refusal(what + " muss als ganzer Pfad angegeben werden: " + path);
    for (char c : path) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')
            || c == '.' || c == '_' || c == '-' || c == '/';
        if (!plain)
            throw Refusal(what + " darf nur Buchstaben ohne Umlaute, Ziffern und . _ - / enthalten: " + path);
    }
    if (("/" + path + "/").find("/../") != std::string::npos)
        throw Refusal(what + " darf kein .. enthalten: " + path);
    std::string cleaned;
    for (const std::string &part : PathParts(path))
        cleaned += "/" + part;
    return cleaned.empty() ? "/" : cleaned;
}

bool IsPlainName(const std::string &name)
{
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos;
}
