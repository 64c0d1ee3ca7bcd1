#pragma once
// The workstation's own entries: for each child, KONFIG/konten/KONTO names her folder
// (readable by her alone), and KONFIG/wolf.cfg takes the folder from BM_LOG or that entry.
// Every file is opened without following a link and replaced, never written through.

#include "setup/Accounts.h"
#include "setup/SafeFolder.h"

#include <optional>
#include <string>

// The folder the entry of `name` names; nullopt without an entry.
std::optional<std::string> EntryFolder(const Folder &config, const std::string &name);
// Writes the entry of `account` naming `childPath`, unless there is one; says what it did.
void WriteEntry(const Folder &config, const Account &account, const std::string &childPath);
// Deletes the entry of `name` when it names `childPath`; says so.
void RemoveEntry(const Folder &config, const std::string &name, const std::string &childPath);
// Makes LogFilePath=%BM_LOG% the one LogFilePath line of wolf.cfg; says what it did.
void TakeLogFolderFromEnvironment(const Folder &config);

// The set-up's own files, also the class list of a class on one account.
// The text of a plain file of root's in `folder`; nullopt when there is none. A link, a
// pipe or a file with several names is refused.
std::optional<std::string> ReadPlainFile(const Folder &folder, const std::string &name);
// Writes `text` as `name` in `folder` (root's, `mode`) by a new file that replaces the old
// one at once.
void ReplaceFile(const Folder &folder, const std::string &name, const std::string &text, mode_t mode);
// Gives the file `name` in `folder` to root and `group`, with `accessList` (setfacl's short
// form) through the opened file.
void GiveFileAccess(const Folder &folder, const std::string &name, gid_t group, const std::string &accessList);
