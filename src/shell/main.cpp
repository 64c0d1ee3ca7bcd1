// Start-up: configuration and random seed first, then the single-instance guard, then the
// five windows, created hidden, and the event loop until the main window closes. With
// "--klasse [ORDNER]" only the class overview is shown, the teachers' way in;
// "--klasse ORDNER --bericht DATEI" writes the class's mistakes as a table without any window;
// "--uebungen" lists the exercises, "--uebung CODE" opens one without the title window. On a
// class's shared account "Wer übt?" comes before the title window or that one exercise.

#include "kinds/Kinds.h"
#include "log/class/ClassMistakes.h"
#include "log/class/SharedClass.h"
#include "log/LogSettings.h"
#include "log/widgets/LogMessages.h"
#include "log/widgets/RunSaving.h"
#include "log/widgets/TLogbuch.h"
#include "core/Random.h"
#include "core/UserSettings.h"
#include "run/widgets/TForm2.h"
#include "run/widgets/TKorrektur.h"
#include "shell/ExecutablePath.h"
#include "shell/FontSubstitutes.h"
#include "shell/NichtDoppelt.h"
#include "shell/ProgramLocale.h"
#include "shell/SizeMenu.h"
#include "shell/StartAgain.h"
#include "shell/TBackGr.h"
#include "shell/TTitelbild.h"
#include "run/WindowSize.h"
#include "shell/WindowWiring.h"
#include "shell/picker/ClassPicking.h"
#include "shell/picker/TWerUebt.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#if __has_include(<fontconfig/fontconfig.h>)
#include <fontconfig/fontconfig.h>
#define BRIMBELO_HAS_FONTCONFIG 1
#endif
#include <cstdio>
#include <thread>

namespace {

QStringList commandLine(int argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// A teacher looks at a class without a log of her own and beside a practice run, so no
// guard, no title window and nothing of her own log.
int showClassOverviewAlone(int argc, char **argv, const QStringList &arguments)
{
    QApplication app(argc, argv);
    InstallFontSubstitutes();
    UseGermanWhenNoLocaleIsSet();
    InstallGermanToolkitTexts();
    if (arguments.size() > 2)
        ShowClassFolder(nullptr, arguments.at(2));
    else
        ChooseAndShowClass(nullptr);
    return 0;
}

bool isOption(const QStringList &arguments, const char *option)
{
    return arguments.size() > 1 && arguments.at(1) == QLatin1String(option);
}

// "--klasse ORDNER --bericht DATEI": for scripts and the school's own tools, no window.
bool isReportAsked(const QStringList &arguments)
{
    return arguments.size() == 5 && isOption(arguments, "--klasse") && arguments.at(3) == QLatin1String("--bericht");
}

int writeReport(const QStringList &arguments)
{
    const ClassReport report = WriteClassReport(arguments.at(2), arguments.at(4));
    if (report.result == ReportResult::Written)
        return 0;
    std::fputs((report.message + QLatin1Char('\n')).toUtf8().constData(), stderr);
    return report.result == ReportResult::FolderUnreadable ? 2 : 1;
}

// What a desktop entry or a script needs to start one exercise: its code and title.
int listExercises()
{
    std::fputs(KindListing().toUtf8().constData(), stdout);
    return 0;
}

// The kind "--uebung CODE" asks for; nullptr, with the reason on stderr, when it names none.
const KindInfo *chosenExercise(const QStringList &arguments)
{
    const QString code = arguments.value(2);
    const KindInfo *kind = PractisedKindOf(code);
    if (kind == nullptr) {
        const QString what = code.isEmpty() ? QStringLiteral("bm: \"--uebung\" braucht die Nummer einer Übung.")
                                            : QStringLiteral("bm: Keine Übung hat die Nummer \"%1\".").arg(code);
        const QString message = what + QStringLiteral(" \"bm --uebungen\" zeigt alle Übungen.\n");
        std::fputs(message.toUtf8().constData(), stderr);
    }
    return kind;
}

// A teacher's "today's exercise" on the desktop: the run opens at once, and closing it
// ends the program. The title window is made but never shown; the run's windows belong
// to it as always.
int practiseOneExercise(const KindInfo &kind, const QString &childStartedFor)
{
    InstallGermanToolkitTexts();
    // On a class's shared account the run is the picked child's: "Wer übt?" comes first.
    if (const std::optional<QStringList> classNames = SharedClassNames(logSettings());
        classNames && !AskWhoPractisesOnce(*classNames, childStartedFor))
        return 0;
    Titelbild = new TTitelbild(nullptr);
    CreateExerciseWindows(Titelbild);
    QObject::connect(Form2, &TForm2::runEnded, Form2, &LogFinishedRun);
    QObject::connect(Form2, &TForm2::taskAnswered, Form2, &LogAnswer);
    DeliverRunsKeptEarlier();
    Titelbild->StartIt(kind.caption(), kind.code);
    delete Korrektur;
    delete Form2;
    delete Titelbild;
    return 0;
}

// The next start fits its size to the screen of this one, less the window's frame.
void RememberScreenOf(const QWidget *window, QSize frame)
{
    const QScreen *screen = window->screen();
    RememberScreen(InsideFrame(screen->availableGeometry().size() * RunningFactor(), frame),
                   HeightBeforeFactor(screen->geometry().height()));
}

// The window manager frames a window some time after it shows; by a second it has.
void RememberFrameOnceFramed(const QWidget *window)
{
    QTimer::singleShot(1000, window, [window] {
        if (window->isVisible())
            RememberScreenOf(window, WindowFrame((window->frameGeometry().size() - window->size()) * RunningFactor()));
    });
}

// The very first start on a screen with room for it fills the screen. The toolkit fixes
// its factor before any screen can be asked, so this start stores the choice and begins
// again, before any window shows; the new start never does so again.
bool beganAgainToFillTheScreen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize available = InsideFrame(screen->availableGeometry().size() * RunningFactor(), WindowFrame());
    const int height = HeightBeforeFactor(screen->geometry().height());
    if (!StartsAgainToFill(StoredSizeChoice(), available, height, RunningFactor(), MayStartAgainByItself()))
        return false;
    ChooseSize(SizeChoice::FillScreen, FillScreenFactor(available, height));
    RememberScreen(available, height);
    return StartAgain();
}

} // namespace

int main(int argc, char **argv)
{
    // Reading the system's font configuration takes milliseconds that the toolkit would
    // otherwise spend only when the title window first measures its menus; done beside
    // the toolkit's own start, it is ready by then.
#ifdef BRIMBELO_HAS_FONTCONFIG
    const std::jthread fontConfiguration([] { FcInit(); });
#endif
    const QString executable = ExecutableFilePath(argv[0]);
    const QStringList arguments = commandLine(argc, argv);
    // A new start for a child on a class's shared account goes on with her, at her size.
    const QString childStartedFor = TakeChildStartedFor();
    KeepChoicesFor(childStartedFor);
    // The toolkit takes the window size chosen in the menu only before it starts.
    RememberHowStarted(executable, arguments, ApplyChosenSize());
    if (isOption(arguments, "--uebungen"))
        return listExercises();
    const bool oneExerciseAsked = isOption(arguments, "--uebung");
    const KindInfo *oneExercise = oneExerciseAsked ? chosenExercise(arguments) : nullptr;
    if (oneExerciseAsked && oneExercise == nullptr)
        return 2;
    if (isReportAsked(arguments))
        return writeReport(arguments);
    if (isOption(arguments, "--klasse"))
        return showClassOverviewAlone(argc, argv, arguments);
    LoadLogFileSettings(arguments, QFileInfo(executable).absolutePath());
    sharedRandom().seedFromClock();

    SingleInstanceGuard guard(executable, QString(), GuardPatience());

    QApplication app(argc, argv);
    InstallFontSubstitutes();
    UseGermanWhenNoLocaleIsSet();
    if (guard.outcome() == SingleInstanceGuard::Outcome::AlreadyRunning) {
        QMessageBox refusal(QMessageBox::NoIcon, QStringLiteral("Brimbelo"),
                            QStringLiteral("Das Programm läuft bereits!"), QMessageBox::Ok);
        refusal.exec();
        return 0;
    }
    // The program ends when its main window closes, not when the last window happens to
    // be hidden between two modal windows.
    app.setQuitOnLastWindowClosed(false);
    if (oneExercise != nullptr)
        return practiseOneExercise(*oneExercise, childStartedFor);
    if (beganAgainToFillTheScreen())
        return 0;

    // Only the exact first argument asks for the background.
    if (isOption(arguments, "-bkg"))
        BackGr = new TBackGr;
    Titelbild = new TTitelbild(BackGr);
    // Queued, so that the menu has closed before this copy ends.
    QObject::connect(
        Titelbild, &TTitelbild::startAgainWanted, Titelbild,
        [] {
            if (!StartAgain())
                ShowNextStartNotice(Titelbild);
        },
        Qt::QueuedConnection);
    // The other windows follow, hidden and in their order, as soon as the title window
    // stands: the child cannot reach them before, and the title comes up without waiting.
    QTimer::singleShot(1, [] {
        // The title window shows none of the toolkit's own texts, so their German
        // translation (a millisecond to load) can wait until it stands as well.
        InstallGermanToolkitTexts();
        CreateRunWindows(Titelbild);
        RememberScreenOf(Titelbild, WindowFrame());
        Logbuch = new TLogbuch(Titelbild);
        // Every run that ends with a summary goes to the result log when logging wants it,
        // and every answer to the answer record.
        QObject::connect(Form2, &TForm2::runEnded, Form2, &LogFinishedRun);
        QObject::connect(Form2, &TForm2::taskAnswered, Form2, &LogAnswer);
        // Runs that a server did not take last time.
        DeliverRunsKeptEarlier();
    });

    // On a class's shared account the child first says who she is; the background window
    // ends the program itself when it closes.
    const std::optional<QStringList> classNames = SharedClassNames(logSettings());
    if (!classNames)
        KeepChoicesFor(QString());
    if (classNames) {
        AskWhoPractises(Titelbild, *classNames, childStartedFor);
    } else if (BackGr != nullptr) {
        BackGr->show();
    } else {
        QObject::connect(Titelbild, &QDialog::finished, &app, &QApplication::quit);
        Titelbild->show();
    }
    RememberFrameOnceFramed(Titelbild);
    const int status = app.exec();

    delete WerUebt;
    delete Logbuch;
    delete Korrektur;
    delete Form2;
    delete Titelbild;
    delete BackGr;
    return status;
}
