#include "plan/PlanFiles.h"

#include "core/ErrorCause.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr auto ClassPlanFileName = "klasse.cfg";
constexpr mode_t PlanFileMode = 0644;

// Closes a descriptor on every way out.
struct OpenFile
{
    int descriptor;
    ~OpenFile()
    {
        if (descriptor >= 0)
            ::close(descriptor);
    }
};

PlanFile Damaged(const QString &problem)
{
    return {PlanState::Damaged, ClassPlan(), problem};
}

bool WriteWhole(int descriptor, const QByteArray &bytes)
{
    qsizetype written = 0;
    while (written < bytes.size()) {
        const ssize_t step = ::write(descriptor, bytes.constData() + written, size_t(bytes.size() - written));
        if (step < 0 && errno == EINTR)
            continue;
        if (step <= 0)
            return false;
        written += step;
    }
    return true;
}

} // namespace

QString PlanFolder(const QString &classFolder)
{
    return QDir(classFolder).filePath(QLatin1String(PlanFolderName));
}

QString ClassPlanPath(const QString &classFolder)
{
    return QDir(PlanFolder(classFolder)).filePath(QLatin1String(ClassPlanFileName));
}

QString ChildPlanPath(const QString &classFolder, const QString &child)
{
    return QDir(PlanFolder(classFolder)).filePath(ChildPlanFileName(child));
}

QString ChildPlanFileName(const QString &child)
{
    return QStringLiteral("kind.%1.cfg").arg(child);
}

PlanFile ReadPlanFile(const QString &path)
{
    // Non-blocking, so a FIFO put in the plan's place cannot hold the program up.
    const OpenFile file{::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)};
    if (file.descriptor < 0) {
        if (errno == ENOENT)
            return {};
        if (errno == ELOOP)
            return Damaged(QStringLiteral("Der Plan ist ein Verweis auf eine andere Datei."));
        return Damaged(QStringLiteral("Der Plan kann nicht gelesen werden: %1.").arg(FileErrorCause(errno)));
    }
    struct stat status {};
    if (::fstat(file.descriptor, &status) != 0 || !S_ISREG(status.st_mode))
        return Damaged(QStringLiteral("Der Plan ist keine gewöhnliche Datei."));
    if (status.st_size > MaxPlanBytes)
        return Damaged(QStringLiteral("Der Plan ist zu groß."));
    QByteArray text(MaxPlanBytes + 1, '\0');
    qsizetype length = 0;
    while (length < text.size()) {
        const ssize_t step = ::read(file.descriptor, text.data() + length, size_t(text.size() - length));
        if (step < 0 && errno == EINTR)
            continue;
        if (step < 0)
            return Damaged(QStringLiteral("Der Plan kann nicht gelesen werden: %1.").arg(FileErrorCause(errno)));
        if (step == 0)
            break;
        length += step;
    }
    text.truncate(length);
    const PlanReading reading = ParsePlan(text);
    if (!reading.plan)
        return Damaged(reading.problem);
    return {PlanState::Usable, *reading.plan, QString()};
}

QString WritePlanFile(const QString &path, const ClassPlan &plan)
{
    if (const QString problem = PlanProblem(plan); !problem.isEmpty())
        return problem;
    const QFileInfo target(path);
    QByteArray aside = QFile::encodeName(target.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    const OpenFile file{::mkostemp(aside.data(), O_CLOEXEC)};
    // A class set up before there were plans has no folder for them yet.
    if (file.descriptor < 0 && errno == ENOENT)
        return QStringLiteral("Der Klassenordner hat noch keinen Ordner für Pläne; "
                              "„brimbelo-klasse einrichten“ legt ihn an, auch für eine schon eingerichtete Klasse.");
    if (file.descriptor < 0)
        return QStringLiteral("Der Plan kann nicht geschrieben werden: %1.").arg(FileErrorCause(errno));
    const bool written = ::fchmod(file.descriptor, PlanFileMode) == 0 && WriteWhole(file.descriptor, PlanText(plan))
                         && ::fsync(file.descriptor) == 0;
    const int cause = errno;
    if (!written || ::rename(aside.constData(), QFile::encodeName(path).constData()) != 0) {
        const int renameCause = written ? errno : cause;
        ::unlink(aside.constData());
        return QStringLiteral("Der Plan kann nicht geschrieben werden: %1.").arg(FileErrorCause(renameCause));
    }
    return {};
}

QString RemovePlanFile(const QString &path)
{
    if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT)
        return QStringLiteral("Der Plan kann nicht gelöscht werden: %1.").arg(FileErrorCause(errno));
    return {};
}

std::optional<ClassPlan> PlanForChild(const QString &classFolder, const QString &child)
{
    for (const QString &path : {ChildPlanPath(classFolder, child), ClassPlanPath(classFolder)}) {
        const PlanFile file = ReadPlanFile(path);
        if (file.state == PlanState::Usable)
            return file.plan;
    }
    return std::nullopt;
}

std::optional<ClassPlan> PlanForLogFolder(const QString &logDirectory)
{
    if (logDirectory.isEmpty())
        return std::nullopt;
    // Absolute first: the folder above a log folder "./" is "..", not ".".
    const QString folder = QDir::cleanPath(QFileInfo(logDirectory).absoluteFilePath());
    if (folder == QLatin1String("/"))
        return std::nullopt;
    const QFileInfo child(folder);
    return PlanForChild(child.path(), child.fileName());
}
