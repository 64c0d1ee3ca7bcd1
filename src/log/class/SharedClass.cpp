#include "log/class/SharedClass.h"

#include "core/ClassList.h"
#include "core/ErrorCause.h"
#include "log/LogLock.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A class list of the largest class is a few hundred bytes; a larger file is no list.
constexpr qint64 ClassListSizeLimit = 64 * 1024;
// The teachers and the shared account both replace the list; the class folder keeps
// everyone else from reading it.
constexpr mode_t ClassListMode = 0664;

QByteArray classListPath(const QString &classFolder)
{
    return QFile::encodeName(QDir(classFolder).filePath(QLatin1String(ClassListFileName)));
}

// The list's text, never through a link: the children's account may put anything in the
// class folder, and a link could carry another file of the teacher's into the list. No
// file: nullopt; a file that is no plain list: an error.
struct ReadList {
    std::optional<QByteArray> text;
    int error = 0;
};

ReadList readClassList(const QString &classFolder)
{
    Descriptor file(OpenWithoutLink(classListPath(classFolder), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!file.isOpen())
        return {std::nullopt, errno};
    struct stat status {};
    if (::fstat(file.get(), &status) != 0)
        return {std::nullopt, errno};
    if (S_ISDIR(status.st_mode))
        return {std::nullopt, EISDIR};
    if (!S_ISREG(status.st_mode) || status.st_size > ClassListSizeLimit)
        return {std::nullopt, ENXIO};
    QByteArray text(qsizetype(status.st_size), '\0');
    const ssize_t got = ::read(file.get(), text.data(), size_t(text.size()));
    if (got < 0)
        return {std::nullopt, errno};
    text.truncate(got);
    return {text, 0};
}

// Writes a new list beside the old one and puts it in its place at once: a bm that reads
// the list meanwhile reads the old or the new one whole, and a link in its place is
// replaced, never written through.
QString writeClassList(const QString &classFolder, const QStringList &names)
{
    QTemporaryFile next(QDir(classFolder).filePath(QStringLiteral(".klassenliste-XXXXXX")));
    const auto failure = [](int error) {
        return QStringLiteral("Die Klassenliste lässt sich nicht ändern: %1.").arg(FileErrorCause(error));
    };
    if (!next.open())
        return failure(errno);
    const QByteArray text = ClassListText(names);
    const int file = int(next.handle());
    if (next.write(text) != text.size() || !next.flush() || ::fchmod(file, ClassListMode) != 0 || ::fsync(file) != 0)
        return failure(errno);
    if (::rename(QFile::encodeName(next.fileName()).constData(), classListPath(classFolder).constData()) != 0)
        return failure(errno);
    next.setAutoRemove(false);
    return {};
}

// The names listed now, or the sentence why the list cannot be read.
std::optional<QStringList> listedNow(const QString &classFolder, QString &refusal)
{
    const ReadList read = readClassList(classFolder);
    if (!read.text) {
        refusal = QStringLiteral("Die Klassenliste lässt sich nicht lesen: %1.").arg(FileErrorCause(read.error));
        return std::nullopt;
    }
    return ParseClassList(*read.text);
}

} // namespace

std::optional<QStringList> SharedClassNames(const LogSettings &settings)
{
    if (!settings.logEnabled)
        return std::nullopt;
    return ClassListIn(settings.logDirectory);
}

std::optional<QStringList> ClassListIn(const QString &classFolder)
{
    const ReadList read = readClassList(classFolder);
    if (read.text)
        return ParseClassList(*read.text);
    // A folder of that name is no list either.
    if (read.error == ENOENT || read.error == ENOTDIR || read.error == EISDIR)
        return std::nullopt;
    return QStringList();
}

LogSettings ChildLogSettings(const LogSettings &classSettings, const QString &child)
{
    LogSettings settings = classSettings;
    settings.logDirectory = QDir(classSettings.logDirectory).filePath(child) + QLatin1Char('/');
    return settings;
}

QString MakeChildFolder(const LogSettings &classSettings, const QString &child)
{
    if (!classSettings.logEnabled)
        return {};
    const QByteArray path = QFile::encodeName(QDir(classSettings.logDirectory).filePath(child));
    struct stat status {};
    if (::lstat(path.constData(), &status) == 0 && S_ISDIR(status.st_mode))
        return {};
    // The class folder is set-group-ID: the new folder is the teachers' group's and passes
    // that on. Only the mask may keep the group from writing, and a mode set afterwards by
    // an account outside the group would lose the set-group-ID bit.
    const mode_t mask = ::umask(S_IRWXO);
    const int made = ::mkdir(path.constData(), S_IRWXU | S_IRWXG);
    ::umask(mask);
    if (made == 0 || errno == EEXIST)
        return {};
    return QStringLiteral("Für deine Ergebnisse lässt sich kein Ordner anlegen, darum bleiben sie vorerst auf diesem "
                          "Computer – sag es bitte deiner Lehrerin oder deinem Lehrer.");
}

QString AddToClassList(const QString &classFolder, const QString &typed)
{
    const QString name = NormalizedChildName(typed);
    if (!IsChildName(name))
        return QStringLiteral("„%1“ kann kein Name sein: 1 bis 40 Zeichen, kein „/“, kein Punkt am Anfang.").arg(typed.trimmed());
    QString refusal;
    std::optional<QStringList> names = listedNow(classFolder, refusal);
    if (!names)
        return refusal;
    if (names->contains(name))
        return QStringLiteral("%1 steht schon in der Klassenliste.").arg(name);
    names->append(name);
    return writeClassList(classFolder, *names);
}

QString StrikeFromClassList(const QString &classFolder, const QString &name)
{
    QString refusal;
    std::optional<QStringList> names = listedNow(classFolder, refusal);
    if (!names)
        return refusal;
    if (!names->removeOne(name))
        return QStringLiteral("%1 steht nicht in der Klassenliste.").arg(name);
    return writeClassList(classFolder, *names);
}
