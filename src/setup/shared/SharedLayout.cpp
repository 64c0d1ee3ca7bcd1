#include "setup/shared/SharedLayout.h"

#include "setup/AccountEntries.h"
#include "setup/ClassLayout.h"
#include "setup/Refusal.h"

#include "core/ClassList.h"

#include <QString>

#include <acl/libacl.h>
#include <fcntl.h>

Rights SharedFolderRights(gid_t teachers, uid_t shared)
{
    return {teachers, 02770, "u::rwx,g::rwx,o::---", "", shared};
}

QStringList ListedNames(const Folder &classFolder)
{
    const std::optional<std::string> text = ReadPlainFile(classFolder, ClassListFileName, true);
    return text ? ParseClassList(QByteArray::fromStdString(*text)) : QStringList();
}

void WriteClassList(const Folder &classFolder, const QStringList &names, gid_t teachers)
{
    ReplaceFile(classFolder, ClassListFileName, ClassListText(names).toStdString(), ClassListMode, teachers);
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

std::optional<Account> SharedClassAccount(const Folder &classFolder)
{
    struct stat status {};
    if (::fstatat(classFolder.descriptor(), ClassListFileName, &status, AT_SYMLINK_NOFOLLOW) != 0)
        return std::nullopt;
    return NotedAccount(classFolder);
}

void RefuseSharedClass(const Folder &classFolder, const std::string &instead)
{
    if (const std::optional<Account> shared = SharedClassAccount(classFolder))
        throw Refusal(classFolder.path() + " ist eine Klasse auf dem gemeinsamen Konto " + shared->name + "; " + instead);
}

std::string StrikeInstead(const Folder &classFolder)
{
    return "einen Namen nimmt brimbelo-klasse streichen " + classFolder.path()
        + " NAME oder die Klassenübersicht von der Liste, seinen Ordner löscht root oder eine Lehrkraft.";
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
