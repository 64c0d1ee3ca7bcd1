#pragma once
// Owner, group, mode and access lists of an opened folder, read and set through its
// descriptor: what a set-up compares with what it wants, and what it changes.

#include "setup/SafeFolder.h"

#include <optional>
#include <string>
#include <sys/types.h>

// What a folder set up by brimbelo-klasse looks like.
struct Rights {
    gid_t group = 0;
    mode_t mode = 0;
    std::string accessList;  // in setfacl's short form, e.g. "u::rwx,g::r-x,o::--x"
    std::string defaultList; // empty: the folder passes no access list on
    uid_t owner = 0;         // root, but for a child's own folder and a shared class's folders
};

bool HasRights(const Folder &folder, const Rights &rights);
// Gives the folder these rights and checks that it has them now.
void GiveRights(const Folder &folder, const Rights &rights);
// The account the access list names, if it names exactly one.
std::optional<uid_t> NamedAccount(const Folder &folder);
// Changes only the group of an entry of `folder`, by a handle that follows no link; a file
// with more than one name is left alone, since its other name may lie outside the class.
// Returns whether the entry was changed.
bool RegroupEntry(const Folder &folder, const std::string &name, gid_t group);
