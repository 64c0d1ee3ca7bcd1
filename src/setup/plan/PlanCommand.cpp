// brimbelo-klasse plan: shows or changes the plan of a class or of one child in it. A plan
// is changed only when every option given is valid; it is written whole and printed back.

#include "core/RunResult.h"
#include "plan/PlanFiles.h"
#include "setup/ClassLayout.h"
#include "setup/Commands.h"
#include "setup/Refusal.h"
#include "setup/plan/PlanFolder.h"
#include "setup/shared/SharedClass.h"

#include <QString>

#include <algorithm>
#include <cctype>
#include <iostream>

namespace {

struct PlanTarget {
    QString path;
    std::string whose;   // "die Klasse ORDNER" or "KONTO in ORDNER"
};

// The plan file a command line is about; refuses a folder brimbelo-klasse did not set up
// and a child who has no folder in it (or, on a shared account, is not on its list).
PlanTarget TargetOf(const Folder &classFolder, const std::string &child)
{
    std::optional<std::vector<std::string>> children = SharedClassNames(classFolder);
    if (!children) {
        children.emplace();
        for (const ChildFolder &folder : ChildFolders(classFolder))
            children->push_back(folder.name);
    }
    if (children->empty())
        throw Refusal(classFolder.path() + " ist kein Klassenordner, den brimbelo-klasse eingerichtet hat.");
    const QString classPath = QString::fromStdString(classFolder.path());
    if (child.empty())
        return {ClassPlanPath(classPath), "die Klasse " + classFolder.path()};
    if (std::find(children->begin(), children->end(), child) == children->end())
        throw Refusal("In " + classFolder.path() + " gibt es keinen Protokollordner von " + child + ".");
    return {ChildPlanPath(classPath, QString::fromStdString(child)), child + " in " + classFolder.path()};
}

int NumberOption(const CommandLine &line, const std::string &option, int lowest, int highest, const std::string &sentence)
{
    const std::string text = line.value(option);
    const bool digits = !text.empty() && text.size() < 4 && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c) != 0; });
    const int number = digits ? std::stoi(text) : -1;
    if (number < lowest || number > highest)
        throw Refusal(sentence);
    return number;
}

// The plan as it stands, changed by the options of the command line.
ClassPlan ChangedPlan(ClassPlan plan, const CommandLine &line)
{
    const bool gradeGiven = line.values.count("--stufe") != 0;
    const bool kindsGiven = line.values.count("--uebungen") != 0;
    QList<qint32> kinds;
    if (gradeGiven)
        kinds = GradeKinds(NumberOption(line, "--stufe", 1, 4, "Die Klassenstufe nach --stufe ist 1, 2, 3 oder 4."));
    if (kindsGiven) {
        QString unknown;
        const std::optional<QList<qint32>> listed = KindCodes(QString::fromStdString(line.value("--uebungen")), &unknown);
        if (!listed)
            throw Refusal("Keine Übung hat die Nummer \"" + unknown.toStdString() + "\"; \"bm --uebungen\" zeigt alle Übungen.");
        if (listed->isEmpty())
            throw Refusal("Nach --uebungen fehlen die Nummern der Übungen.");
        // With --stufe, the listed kinds come in addition to the grade's.
        kinds += *listed;
    }
    if (gradeGiven || kindsGiven)
        plan.kinds = InMenuOrder(kinds);
    if (line.values.count("--aufgaben"))
        plan.tasksPerRun = NumberOption(line, "--aufgaben", 0, RightAnswersPerRun,
                                        "Nach --aufgaben steht die Zahl der Aufgaben einer Runde, 1 bis " + std::to_string(RightAnswersPerRun)
                                            + ", oder 0 für Runden wie bisher.");
    if (line.values.count("--heute")) {
        const std::string code = line.value("--heute");
        const std::optional<QList<qint32>> today = code == "0" ? QList<qint32>() : KindCodes(QString::fromStdString(code));
        if (!today || today->size() > 1)
            throw Refusal("Keine Übung hat die Nummer \"" + code + "\"; \"bm --uebungen\" zeigt alle Übungen.");
        plan.today = today->isEmpty() ? 0 : today->front();
    }
    if (const QString problem = PlanProblem(plan); !problem.isEmpty())
        throw Refusal(problem.toStdString());
    return plan;
}

void PrintPlan(const PlanTarget &target, const PlanFile &file)
{
    switch (file.state) {
    case PlanState::Absent:
        std::cout << "Kein Plan für " << target.whose << ": alle Übungen, Runden wie bisher.\n";
        return;
    case PlanState::Damaged:
        std::cout << "Der Plan für " << target.whose << " ist unbrauchbar und gilt nicht: " << file.problem.toStdString() << "\n";
        return;
    case PlanState::Usable:
        std::cout << "Plan für " << target.whose << " (" << target.path.toStdString() << "):\n" << PlanText(file.plan).toStdString();
        return;
    }
}

} // namespace

int PlanClass(const Arguments &arguments)
{
    const CommandLine line = ReadCommandLine(arguments, {{"--stufe", "Nach --stufe fehlt die Klassenstufe."},
                                                         {"--uebungen", "Nach --uebungen fehlen die Nummern der Übungen."},
                                                         {"--aufgaben", "Nach --aufgaben fehlt die Zahl der Aufgaben."},
                                                         {"--heute", "Nach --heute fehlt die Nummer der Übung."},
                                                         {"--kind", "Nach --kind fehlt das Konto des Kindes."}});
    if (line.words.size() != 1)
        throw Refusal("Es braucht genau einen Klassenordner (siehe brimbelo-klasse --help).");
    RequireRoot("Nur root darf den Plan einer Klasse zeigen oder ändern.");
    const Folder classFolder = ExistingClass(line.words[0]);
    const PlanTarget target = TargetOf(classFolder, line.value("--kind"));
    const PlanFile current = ReadPlanFile(target.path);
    const bool changes = std::any_of(line.values.begin(), line.values.end(), [](const auto &value) { return value.first != "--kind"; });
    if (!changes) {
        PrintPlan(target, current);
        return current.state == PlanState::Damaged ? 1 : 0;
    }
    const ClassPlan plan = ChangedPlan(current.state == PlanState::Usable ? current.plan : ClassPlan(), line);
    const gid_t teachers = classFolder.status().st_gid;
    // The plans' folder lies in a folder only root writes, so its path leads nowhere else.
    SetUpPlanFolder(classFolder, teachers, GroupName(teachers));
    if (const QString failure = WritePlanFile(target.path, plan); !failure.isEmpty())
        throw Refusal(failure.toStdString());
    PrintPlan(target, ReadPlanFile(target.path));
    return 0;
}
