#pragma once
// Where the single-instance lock of this account may live: a folder that only this
// account can write, so that no other account can take or hold its lock. Taking the lock
// is left to the guard.

#include <QString>

// The account's runtime folder, or else a folder of its own in the temporary folder,
// made on first use; empty when neither is to be had.
QString AccountLockFolder();

// Whether folder is a real folder (no link) of this account that no one else can write.
bool IsAccountOnlyFolder(const QString &folder);
