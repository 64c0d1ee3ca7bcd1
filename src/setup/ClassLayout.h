#pragma once
// What a class folder set up by brimbelo-klasse holds and how its folders are set: the
// class folder, one folder per child, and on each child's folder the account it was set
// up for, kept where only root can write it. That note, not the account's number alone,
// says whose folder it is: a new account that is given a departed child's number must
// never get her folder.

#include "setup/AccessList.h"
#include "setup/Accounts.h"

#include <optional>
#include <string>
#include <vector>

// The teachers list and read the class; everyone else may only pass through it.
Rights ClassFolderRights(gid_t teachers);
// A child's own folder: hers, so that a client that sees only owner, group and mode (a
// mount over SSHFS) lets her write it; the teachers read it, no one else sees anything.
// Set-group-ID and a default access list keep whatever she makes in it the group's and
// readable by it, whatever umask her session has. She cannot delete or rename it; she
// could change its rights, which `pruefen` names and mends.
Rights OwnFolderRights(gid_t teachers, uid_t child);

std::optional<Account> NotedAccount(const Folder &childFolder);
void NoteAccount(const Folder &childFolder, const Account &account);

// The account a child's folder in a class is for: the note, or for a root's folder set up
// before there were notes, the account its access list names under the folder's own name.
// A folder that is not root's counts only by a note of its owner: she may change its
// access list, never the note.
std::optional<Account> FolderAccount(const Folder &childFolder, const std::string &name);

// Whether a folder in a class is one the set-up may treat as a child's: root's, or owned
// by the account its note names.
bool MadeForChild(const Folder &folder, const std::string &name);

// Whether the account a folder is for is still there: the same name with the same number,
// gone, or gone while its number belongs to another account now (`holder`).
enum class Standing { Present, Gone, NumberTaken };
Standing AccountStanding(const Account &account, std::string *holder = nullptr);

// The children's folders of an existing class, each with the account it is for. Refuses
// anything else in it (files, links, foreign folders) and a folder whose account's number
// now belongs to another account.
struct ChildFolder {
    std::string name;
    Account account;
};
std::vector<ChildFolder> ChildFolders(const Folder &classFolder);

// Refuses `childFolder` for `account` when it was set up for another one.
void RefuseOtherChildsFolder(const Folder &childFolder, const Account &account, const std::string &classPath);

// Brings `folder` (called `what`) to `rights` unless it has them, and says what happened,
// with `description` saying who may do what there.
void SetUpFolder(const Folder &folder, const Rights &rights, bool made, const std::string &what, const std::string &description);

// How deep the set-up looks into a child's own folders; deeper ones are left as they are.
inline constexpr int ChildFolderDepth = 8;

// Gives `folder` and everything in it, down to ChildFolderDepth, to `group`; the number of
// entries changed.
int RegroupTree(const Folder &folder, gid_t group);
