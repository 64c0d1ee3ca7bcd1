#pragma once
// What the other commands need to know of a class on one shared account.

#include "setup/SafeFolder.h"

#include <optional>
#include <string>
#include <vector>

// The names on the class list of a class on one shared account; nullopt for a class of
// children with accounts of their own.
std::optional<std::vector<std::string>> SharedClassNames(const Folder &classFolder);
