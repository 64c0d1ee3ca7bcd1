#pragma once
// A refusal of the class set-up: one German sentence for the administrator, raised before
// anything is changed (or when a change fails half-way), printed by the program's main.

#include <stdexcept>
#include <string>

struct Refusal : std::runtime_error {
    explicit Refusal(const std::string &sentence) : std::runtime_error(sentence) {}
};

// The German cause of a failed system call, for a refusal's sentence.
std::string Cause(int errorNumber);
