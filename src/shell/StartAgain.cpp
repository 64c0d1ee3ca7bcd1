#include "shell/StartAgain.h"

#include "core/UserSettings.h"
#include "run/WindowSize.h"

#include <QCoreApplication>
#include <QProcess>

namespace {

// Set in the new copy's environment by the copy that starts it.
constexpr char StartedAgainMark[] = "BRIMBELO_NEU_GESTARTET";
// The child who practised on a class's shared account, set likewise: she goes on at once.
constexpr char ChildMark[] = "BRIMBELO_KIND";
// The old copy ends within moments; a copy that is not gone by then is another start.
constexpr std::chrono::milliseconds OldCopyEnds(10000);

struct HowStarted
{
    QString executable;
    QStringList arguments;
    bool factorFromEnvironment = false;
    bool startedAgain = false;
};

HowStarted &howStarted()
{
    static HowStarted started;
    return started;
}

} // namespace

void RememberHowStarted(const QString &executable, const QStringList &arguments, bool factorFromEnvironment)
{
    HowStarted &started = howStarted();
    started.executable = executable;
    started.arguments = arguments.mid(1);
    started.factorFromEnvironment = factorFromEnvironment;
    started.startedAgain = qEnvironmentVariableIsSet(StartedAgainMark);
    qunsetenv(StartedAgainMark);
}

bool MayStartAgainForSize()
{
    return !howStarted().factorFromEnvironment;
}

bool MayStartAgainByItself()
{
    return MayStartAgainForSize() && !howStarted().startedAgain;
}

std::chrono::milliseconds GuardPatience()
{
    return howStarted().startedAgain ? OldCopyEnds : std::chrono::milliseconds(0);
}

QString TakeChildStartedFor()
{
    const QString child = qEnvironmentVariable(ChildMark);
    qunsetenv(ChildMark);
    return child;
}

bool StartAgain()
{
    const HowStarted &started = howStarted();
    QProcess next;
    next.setProgram(started.executable);
    next.setArguments(started.arguments);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // The factor of this start came from the stored choice, which the new copy reads anew.
    environment.remove(QLatin1String(ScaleFactorVariable));
    environment.insert(QLatin1String(StartedAgainMark), QStringLiteral("1"));
    environment.remove(QLatin1String(ChildMark));
    if (!settingsChild().isEmpty())
        environment.insert(QLatin1String(ChildMark), settingsChild());
    next.setProcessEnvironment(environment);
    if (!next.startDetached())
        return false;
    QCoreApplication::exit(0);
    return true;
}
