#pragma once
// How a class on one shared account is laid out: the class folder and each child's folder
// belong to the shared account and the teachers' group, which both write there, and no
// one else enters; the class list beside them is the group's. Owner, group and mode say it
// all, so a share that shows no access lists keeps the class as closed.

#include "setup/AccessList.h"
#include "setup/Accounts.h"

#include <QStringList>

#include <optional>
#include <string>

// Set-group-ID, so that all made there stays the teachers' group's; the teachers may so
// also delete the folder of a name struck off the list.
Rights SharedFolderRights(gid_t teachers, uid_t shared);

// Both the teachers and the shared account may replace the list; the folder keeps
// everyone else from reading it.
inline constexpr mode_t ClassListMode = 0664;
// The names on the class list in `classFolder`, empty without one. The teacher's bm
// replaces the list from the class overview, so it may be hers.
QStringList ListedNames(const Folder &classFolder);
// Replaces the class list by one of `names`, the group's.
void WriteClassList(const Folder &classFolder, const QStringList &names, gid_t teachers);
// Whether the list is as the set-up writes it now: an older set-up gave it to root alone,
// with an access list for the shared account.
bool ListInLayout(const Folder &classFolder, gid_t teachers);

// The shared account a class folder was set up for, when it is a class on one account (it
// holds a class list and root's note); nullopt for a class of children's own accounts.
std::optional<Account> SharedClassAccount(const Folder &classFolder);

// Refuses a class on one shared account for the commands that know only children with
// accounts of their own; `instead` says what to do.
void RefuseSharedClass(const Folder &classFolder, const std::string &instead);
// What takes a name off the list of such a class, and who deletes her folder.
std::string StrikeInstead(const Folder &classFolder);

// Whether `classFolder`, not root's, is a class that the set-up gave to its shared
// account: the note root left on it names the account that owns it.
bool IsSharedClassFolder(const Folder &classFolder);

// Whether the entry `name` of a class folder is a child's folder of that class: made by the
// set-up (root's before, the shared account's now, with the note) or by the shared
// account's bm for a name the teacher added.
bool IsChildsFolder(const Folder &classFolder, const std::string &name, const struct stat &status, const Account &shared);
