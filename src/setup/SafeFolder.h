#pragma once
// Folders opened one step at a time, never through a link, so that nothing a child made
// can turn a change by root onto another file. Every change goes through the opened
// descriptor; what a folder holds is walked the same way.

#include <sys/stat.h>

#include <functional>
#include <optional>
#include <string>

// An opened folder (or, for a file inside one, an O_PATH handle) and the path it was
// reached by, for messages only: the path is never opened again.
class Folder
{
public:
    Folder(int descriptor, std::string path);
    Folder(Folder &&other) noexcept;
    Folder &operator=(Folder &&other) noexcept;
    Folder(const Folder &) = delete;
    Folder &operator=(const Folder &) = delete;
    ~Folder();

    int descriptor() const { return m_descriptor; }
    const std::string &path() const { return m_path; }
    struct stat status() const;
    // The folder's own name in /proc, for the calls that take only a path (default access
    // lists): it names the opened folder itself, whatever happened to its path since.
    std::string procPath() const;

    // The folder `name` inside this one; nullopt when there is none. A link, a file or
    // anything else that is not a folder is refused.
    std::optional<Folder> openChild(const std::string &name) const;
    // Creates `name` (owner root, `mode`) and opens it; refuses when it was there already
    // or, opened, is not root's.
    Folder makeChild(const std::string &name, mode_t mode) const;
    // Calls `visit` for every entry but . and .., with what lstat says about it.
    void forEachEntry(const std::function<void(const std::string &, const struct stat &)> &visit) const;
    // Calls `visit` for every entry below this folder, down to `depth` folders, with the
    // folder that holds it; folders are entered by their opened handles, never by links.
    void forEachBelow(int depth, const std::function<void(const Folder &, const std::string &, const struct stat &)> &visit) const;
    // Deletes `name` and, for a folder, everything in it, without following any link.
    void removeEntry(const std::string &name) const;

private:
    int m_descriptor;
    std::string m_path;
};

// Whether an account other than root could change what the folder holds: by its owner,
// its group or other bits, or by an access list that names someone.
bool WritableByOthers(const Folder &folder);

// The absolute, checked path `path` opened folder by folder from /. Every existing folder
// on the way must be root's and writable by root alone; a root-owned folder with the
// sticky bit (such as /tmp) may be passed through, since no one else can move root's
// folders in it. Returns nullopt when the last folders do not exist yet; `create` then
// makes them (mode 0711 on the way, `lastMode` for the last one). The last folder may
// belong to another account when `ownedRightly` says so of it: a class on one shared
// account is that account's, in folders that are root's alone.
enum class Missing { Leave, Create };
std::optional<Folder> OpenTrustedPath(const std::string &path, Missing missing, mode_t lastMode = 0711,
                                      const std::function<bool(const Folder &)> &ownedRightly = {});

// Lexical checks of a folder named on the command line: absolute, only plain letters,
// digits and . _ - /, no "..". Returns it without a trailing or doubled slash.
std::string CheckedFolderPath(const std::string &path, const std::string &what);

// Whether `name` may be a single entry of a folder: no slash, not . or .., not empty.
bool IsPlainName(const std::string &name);
