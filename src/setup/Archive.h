#pragma once
// Packs a child's folder, before it is deleted, into a tar file that only root can read.
// Folders and plain files are packed, read through handles that follow no link; links and
// anything else a child made are left out.

#include "setup/SafeFolder.h"

#include <string>

class Archive
{
public:
    // Creates the file `path` (which must not exist yet) in a folder only root writes.
    explicit Archive(const std::string &path);
    // Refuses, before anything is changed, a path the archive cannot be made at.
    static void CheckPath(const std::string &path);

    // Adds `folder` as `name` and everything in it.
    void add(const Folder &folder, const std::string &name);
    // Writes the end of the archive; without it the file is incomplete.
    void finish();

private:
    void addEntry(const std::string &name, const struct stat &status, int contents);
    void write(const char *data, std::size_t size);

    Folder m_file;
};
