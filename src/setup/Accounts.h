#pragma once
// The accounts and groups a class is set up for, looked up and checked before anything is
// changed: a child's account is a person's (not root's, not a system account's) and not
// one of the teachers.

#include <optional>
#include <string>
#include <sys/types.h>

struct Account {
    std::string name;
    uid_t uid = 0;
};

// The teachers' group; refuses a group that does not exist.
gid_t TeacherGroup(const std::string &name);
std::string GroupName(gid_t group);
bool GroupHasMembers(gid_t group);

// The account of a child of the class read by `teachers` (called `teachersName`).
Account ChildAccount(const std::string &name, gid_t teachers, const std::string &teachersName);
// Refuses when `account` is in the teachers' group and could so read the whole class.
void RefuseTeacher(const Account &account, gid_t teachers, const std::string &teachersName);
// The name the account with this number has now, if any.
std::optional<std::string> AccountName(uid_t uid);
bool IsAccountName(const std::string &name);

// The numbers of persons' accounts: UID_MIN to UID_MAX in /etc/login.defs, else 1000 to
// 60000; below are the system's accounts, above accounts such as nobody.
struct PersonUids {
    uid_t lowest = 1000;
    uid_t highest = 60000;
};
PersonUids PersonUidRange(const std::string &loginDefs = "/etc/login.defs");

// Refuses when an account's home is the folder `path` or lies inside it.
void RefuseHomesWithin(const std::string &path);
