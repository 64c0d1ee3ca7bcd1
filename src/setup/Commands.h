#pragma once
// The commands of brimbelo-klasse, one file each, and what they share: reading a command
// line and the checks every command makes before it changes anything. A new command is a
// file with its function and a line in the table of Commands.cpp.

#include "setup/AccountEntries.h"
#include "setup/SafeFolder.h"

#include <map>
#include <set>
#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

struct Command {
    std::string name;
    std::string usage; // the command's line of the help
    int (*run)(const Arguments &arguments);
};
const std::vector<Command> &Commands();
std::string HelpText();

// A command line: options that take a value, options that stand alone, and the other
// words in their order.
struct CommandLine {
    std::map<std::string, std::string> values;
    std::set<std::string> flags;
    std::vector<std::string> words;
    std::string value(const std::string &option, const std::string &fallback = {}) const;
    // The words from `first` on, the accounts a command works on; an account named twice
    // is refused, since a command would do its work twice.
    std::vector<std::string> accounts(std::size_t first) const;
};
// `valueOptions` maps each option that takes a value to the sentence for a missing one.
CommandLine ReadCommandLine(const Arguments &arguments, const std::map<std::string, std::string> &valueOptions,
                            const std::set<std::string> &flagOptions = {});

// Refuses, with `sentence`, unless the program runs as root.
void RequireRoot(const std::string &sentence);
// An existing class folder named on the command line, opened as every command opens it.
Folder ExistingClass(const std::string &path);
// Where the workstation's entries are, by default.
inline constexpr auto DefaultConfigFolder = "/etc/brimbelo";

// What einrichten checks, for children with accounts of their own as for a class on one
// shared account: the command line first (a class folder, the teachers' group, at least
// one child, or `missingChildren`), then, as root, the places it works on.
struct ClassSetUp {
    std::string classPath;
    std::string teachersName;
    gid_t teachers = 0;
    std::optional<Folder> existingClass;
    EntryPlaces entries;
};
CommandLine ReadSetUpLine(const Arguments &arguments, std::map<std::string, std::string> valueOptions,
                          const std::string &missingChildren);
ClassSetUp OpenClassSetUp(const CommandLine &line);
// Refuses when `name` has an entry that leads to another folder than `folder`.
void RefuseOtherEntry(const EntryPlaces &entries, const std::string &name, const std::string &folder);

int SetUpClass(const Arguments &arguments);
int RemoveChildren(const Arguments &arguments);
int MoveChildren(const Arguments &arguments);
int ChangeTeachers(const Arguments &arguments);
int ListClasses(const Arguments &arguments);
int CheckClass(const Arguments &arguments);
// A class on one shared account (shared/SharedClass.cpp): einrichten with --gemeinsam, and
// streichen, which takes names off its class list and leaves their folders.
bool AsksForSharedAccount(const Arguments &arguments);
int SetUpSharedClass(const Arguments &arguments);
int StrikeNames(const Arguments &arguments);
int PlanClass(const Arguments &arguments);
