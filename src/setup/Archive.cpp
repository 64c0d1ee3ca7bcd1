#include "setup/Archive.h"

#include "setup/ClassLayout.h"
#include "setup/Refusal.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <optional>

namespace {

constexpr std::size_t Block = 512;

std::pair<std::string, std::string> FolderAndName(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// A ustar header; names are short account and file names, longer ones are refused.
std::array<char, Block> Header(const std::string &name, const struct stat &status, off_t size)
{
    std::array<char, Block> header{};
    if (name.size() >= 100)
        throw Refusal(name + " hat einen zu langen Namen für das Archiv.");
    // A field of width - 1 octal digits and a zero byte.
    const auto put = [&header, &name](std::size_t at, std::size_t width, unsigned long long value) {
        for (std::size_t i = width - 1; i-- > 0; value >>= 3)
            header[at + i] = static_cast<char>('0' + (value & 7));
        header[at + width - 1] = '\0';
        if (value != 0)
            throw Refusal(name + " ist zu groß für das Archiv.");
    };
    std::memcpy(header.data(), name.data(), name.size());
    put(100, 8, status.st_mode & 07777);
    put(108, 8, status.st_uid);
    put(116, 8, status.st_gid);
    put(124, 12, static_cast<unsigned long long>(size));
    put(136, 12, static_cast<unsigned long long>(status.st_mtime));
    header[156] = S_ISDIR(status.st_mode) ? '5' : '0';
    std::memcpy(header.data() + 257, "ustar", 6);
    std::memcpy(header.data() + 263, "00", 2);
    std::memset(header.data() + 148, ' ', 8);
    unsigned sum = 0;
    for (char c : header)
        sum += static_cast<unsigned char>(c);
    put(148, 7, sum);
    header[155] = ' ';
    return header;
}

} // namespace

void Archive::CheckPath(const std::string &path)
{
    const std::string checked = CheckedFolderPath(path, "Das Archiv");
    const auto [folderPath, name] = FolderAndName(checked);
    const std::optional<Folder> folder = OpenTrustedPath(folderPath, Missing::Leave);
    if (!folder)
        throw Refusal("Den Ordner " + folderPath + " für das Archiv gibt es nicht.");
    struct stat status {};
    if (::fstatat(folder->descriptor(), name.c_str(), &status, AT_SYMLINK_NOFOLLOW) == 0)
        throw Refusal("Das Archiv " + checked + " gibt es schon; bitte einen neuen Namen angeben.");
}

Archive::Archive(const std::string &path) : m_file(-1, CheckedFolderPath(path, "Das Archiv"))
{
    const auto [folderPath, name] = FolderAndName(m_file.path());
    const std::optional<Folder> folder = OpenTrustedPath(folderPath, Missing::Leave);
    const int descriptor = folder ? ::openat(folder->descriptor(), name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600) : -1;
    if (descriptor < 0)
        throw Refusal("Das Archiv " + m_file.path() + " lässt sich nicht anlegen: " + Cause(errno) + ".");
    m_file = Folder(descriptor, m_file.path());
    if (::fchown(descriptor, 0, 0) != 0 || ::fchmod(descriptor, 0600) != 0)
        throw Refusal("Das Archiv " + m_file.path() + " lässt sich nicht einrichten: " + Cause(errno) + ".");
}

void Archive::add(const Folder &folder, const std::string &name)
{
    addEntry(name, folder.status(), -1);
    const std::size_t start = folder.path().size() + 1;
    folder.forEachBelow(ChildFolderDepth, [&](const Folder &holder, const std::string &entry, const struct stat &status) {
        const std::string inside = name + "/" + (holder.path().size() > start ? holder.path().substr(start) + "/" : "") + entry;
        if (S_ISDIR(status.st_mode)) {
            addEntry(inside, status, -1);
        } else if (S_ISREG(status.st_mode)) {
            const int contents = ::openat(holder.descriptor(), entry.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
            const Folder file(contents, holder.path() + "/" + entry);
            if (contents >= 0 && S_ISREG(file.status().st_mode))
                addEntry(inside, file.status(), contents);
        }
    });
}

void Archive::addEntry(const std::string &name, const struct stat &status, int contents)
{
    const off_t size = contents >= 0 ? status.st_size : 0;
    const std::array<char, Block> header = Header(S_ISDIR(status.st_mode) ? name + "/" : name, status, size);
    write(header.data(), header.size());
    // Exactly the size in the header: a file that shrank meanwhile is filled with zeros.
    std::array<char, 65536> buffer{};
    for (off_t left = size; left > 0;) {
        const std::size_t wanted = static_cast<std::size_t>(std::min<off_t>(left, buffer.size()));
        ssize_t got = ::read(contents, buffer.data(), wanted);
        if (got <= 0) {
            std::memset(buffer.data(), 0, wanted);
            got = static_cast<ssize_t>(wanted);
        }
        write(buffer.data(), static_cast<std::size_t>(got));
        left -= got;
    }
    const std::array<char, Block> padding{};
    write(padding.data(), (Block - static_cast<std::size_t>(size) % Block) % Block);
}

void Archive::finish()
{
    const std::array<char, 2 * Block> end{};
    write(end.data(), end.size());
    if (::fsync(m_file.descriptor()) != 0)
        throw Refusal("Das Archiv " + m_file.path() + " lässt sich nicht schreiben: " + Cause(errno) + ".");
}

void Archive::write(const char *data, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(m_file.descriptor(), data, size);
        if (written <= 0)
            throw Refusal("Das Archiv " + m_file.path() + " lässt sich nicht schreiben: " + Cause(errno) + ".");
        data += written;
        size -= static_cast<std::size_t>(written);
    }
}
