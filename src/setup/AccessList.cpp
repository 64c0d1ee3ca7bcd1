#include "setup/AccessList.h"

#include "setup/Refusal.h"

#include <acl/libacl.h>
#include <fcntl.h>
#include <sys/acl.h>
#include <unistd.h>

#include <cerrno>
#include <memory>

namespace {

struct AclFree {
    void operator()(void *acl) const { ::acl_free(acl); }
};
using Acl = std::unique_ptr<std::remove_pointer_t<acl_t>, AclFree>;

Acl FromText(const std::string &text)
{
    Acl acl(::acl_from_text(text.c_str()));
    if (!acl)
        throw Refusal("Die Zugriffsliste " + text + " ist ungültig.");
    return acl;
}

Acl DefaultList(const Folder &folder)
{
    return Acl(::acl_get_file(folder.procPath().c_str(), ACL_TYPE_DEFAULT));
}

int EntryCount(acl_t acl)
{
    return acl ? ::acl_entries(acl) : -1;
}

} // namespace

bool HasRights(const Folder &folder, const Rights &rights)
{
    const struct stat status = folder.status();
    if (status.st_uid != rights.owner || status.st_gid != rights.group || (status.st_mode & 07777) != rights.mode)
        return false;
    const Acl access(::acl_get_fd(folder.descriptor()));
    if (!access || ::acl_cmp(access.get(), FromText(rights.accessList).get()) != 0)
        return false;
    const Acl passedOn = DefaultList(folder);
    if (rights.defaultList.empty())
        return EntryCount(passedOn.get()) == 0;
    return passedOn && ::acl_cmp(passedOn.get(), FromText(rights.defaultList).get()) == 0;
}

void GiveRights(const Folder &folder, const Rights &rights)
{
    const int descriptor = folder.descriptor();
    const bool given = ::fchown(descriptor, rights.owner, rights.group) == 0
        && ::acl_set_fd(descriptor, FromText(rights.accessList).get()) == 0
        && ::fchmod(descriptor, rights.mode) == 0
        && (rights.defaultList.empty()
                ? (::acl_delete_def_file(folder.procPath().c_str()) == 0 || errno == ENODATA)
                : ::acl_set_file(folder.procPath().c_str(), ACL_TYPE_DEFAULT, FromText(rights.defaultList).get()) == 0);
    if (!given || !HasRights(folder, rights))
        throw Refusal(folder.path() + " ließ sich nicht einrichten (Dateisystem ohne Zugriffslisten?).");
}

std::optional<uid_t> NamedAccount(const Folder &folder)
{
    const Acl access(::acl_get_fd(folder.descriptor()));
    if (!access)
        return std::nullopt;
    std::optional<uid_t> named;
    int count = 0;
    acl_entry_t entry;
    for (int which = ACL_FIRST_ENTRY; ::acl_get_entry(access.get(), which, &entry) == 1; which = ACL_NEXT_ENTRY) {
        acl_tag_t tag;
        if (::acl_get_tag_type(entry, &tag) != 0 || tag != ACL_USER)
            continue;
        if (auto *uid = static_cast<uid_t *>(::acl_get_qualifier(entry))) {
            named = *uid;
            ::acl_free(uid);
            ++count;
        }
    }
    return count == 1 ? named : std::nullopt;
}

bool RegroupEntry(const Folder &folder, const std::string &name, gid_t group)
{
    const int handle = ::openat(folder.descriptor(), name.c_str(), O_PATH | O_NOFOLLOW | O_CLOEXEC);
    if (handle < 0)
        return false;
    const Folder entry(handle, folder.path() + "/" + name);
    const struct stat status = entry.status();
    const bool kept = S_ISREG(status.st_mode) ? status.st_nlink == 1 : S_ISDIR(status.st_mode);
    if (!kept || status.st_gid == group)
        return false;
    if (::fchownat(handle, "", static_cast<uid_t>(-1), group, AT_EMPTY_PATH) != 0)
        throw Refusal(entry.path() + " lässt sich nicht der Gruppe geben: " + Cause(errno) + ".");
    return true;
}
