#pragma once
// The entries that lead each child's bm to her folder: SCHULE/konten/KONTO names it,
// readable by her alone, in the school's folder that Klassenordner= in KONFIG/wolf.cfg
// names, so that every workstation mounting it finds them. Classes set up before had them
// in KONFIG/konten, which is still read and cleaned but never written; wolf.cfg, the
// package's own file, is only read. Every file is opened without following a link and
// replaced, never written through.

#include "setup/Accounts.h"
#include "setup/SafeFolder.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct EntryPlaces {
    std::string schoolPath;
    std::optional<Folder> school;      // nullopt until the set-up makes it
    std::optional<Folder> workstation; // KONFIG, when it exists: the older set-up's entries
};
EntryPlaces OpenEntryPlaces(const std::string &configPath);

struct Entry {
    std::string folder; // the child's folder it names
    std::string path;   // where the entry is, for messages
};
// The entry of `name` in the school's folder, else in the older place; nullopt without one.
std::optional<Entry> FindEntry(const EntryPlaces &places, const std::string &name);
// Writes the entry of `account` naming `childPath` into the school's folder, unless it is
// there; makes the school's folder with its mark first. Says what it did.
void WriteEntry(EntryPlaces &places, const Account &account, const std::string &childPath);
// Deletes the entries of `name` that name `childPath`, in both places; says so.
void RemoveEntry(const EntryPlaces &places, const std::string &name, const std::string &childPath);
// The school's folders a child passes through: the school's folder, its entries' folder,
// and the folders between it and `classPath` when the class lies in it. Nothing to list:
// each is to be PassageMode.
inline constexpr mode_t PassageMode = 0711;
std::vector<Folder> SchoolPassages(const EntryPlaces &places, const std::string &classPath);
// Sets `folder` to PassageMode unless it is; whether it changed anything.
bool SetPassageMode(const Folder &folder);
// The same, saying so.
void MendPassage(const Folder &folder);

// Every entry of `places`, the school's first, as `visit(name, entry)`.
void ForEachEntry(const EntryPlaces &places, const std::function<void(const std::string &, const Entry &)> &visit);

// The set-up's own files, also the class list of a class on one account.
// The text of a plain file of root's in `folder`; nullopt when there is none. A link, a
// pipe or a file with several names is refused. `anyOwner` takes a file of another
// account's too (a class list the teacher replaced).
std::optional<std::string> ReadPlainFile(const Folder &folder, const std::string &name, bool anyOwner = false);
// Writes `text` as `name` in `folder` (root's and `group`'s, `mode`) by a new file that
// replaces the old one at once.
void ReplaceFile(const Folder &folder, const std::string &name, const std::string &text, mode_t mode, gid_t group = 0);
// Gives the file `name` in `folder` to root and `group`, with `accessList` (setfacl's short
// form) through the opened file.
void GiveFileAccess(const Folder &folder, const std::string &name, gid_t group, const std::string &accessList);
