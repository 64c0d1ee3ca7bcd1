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
