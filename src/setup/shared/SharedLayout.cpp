#include "setup/shared/SharedLayout.h"

#include "setup/ClassLayout.h"

#include "core/ClassList.h"

#include <QString>

#include <acl/libacl.h>
#include <fcntl.h>

Rights SharedFolderRights(gid_t teachers, uid_t shared)
{
    return {teachers, 02770, "u::rwx,g::rwx,o::---", "", shared};
}

bool ListInLayout(const Folder &classFolder, gid_t teachers)
{
    const int file = ::openat(classFolder.descriptor(), ClassListFileName, O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (file < 0)
        return false;
    const Folder handle(file, classFolder.path() + "/" + ClassListFileName);
    const struct stat status = handle.status();
    return S_ISREG(status.st_mode) && status.st_gid == teachers && (status.st_mode & 07777) == ClassListMode
        && ::acl_extended_file(handle.procPath().c_str()) == 0;
}

bool IsSharedClassFolder(const Folder &classFolder)
{
    const struct stat status = classFolder.status();
    const std::optional<Account> noted = NotedAccount(classFolder);
    return status.st_uid != 0 && (status.st_mode & S_IWOTH) == 0 && noted && noted->uid == status.st_uid;
}

bool IsChildsFolder(const Folder &classFolder, const std::string &name, const struct stat &status, const Account &shared)
{
    if (!S_ISDIR(status.st_mode) || !IsChildName(QString::fromStdString(name)) || (status.st_uid != 0 && status.st_uid != shared.uid))
        return false;
    const std::optional<Folder> folder = classFolder.openChild(name);
    const std::optional<Account> noted = folder ? NotedAccount(*folder) : std::nullopt;
    if (noted)
        return noted->name == shared.name && noted->uid == shared.uid;
    return status.st_uid == shared.uid;
}
