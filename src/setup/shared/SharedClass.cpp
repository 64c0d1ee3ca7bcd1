// brimbelo-klasse einrichten --gemeinsam KONTO and brimbelo-klasse streichen: a class whose
// children practise on one shared account (laid out as SharedLayout.h says). The class
// list in the class folder names the children, and the shared account's entry names the
// class folder, so its bm asks "Wer übt?". The teachers add and strike names in the class
// overview too, and the shared account's bm makes the folder of a name added there when
// that child first practises.

#include "setup/AccountEntries.h"
#include "setup/ClassLayout.h"
#include "setup/Commands.h"
#include "setup/Refusal.h"
#include "setup/plan/PlanFolder.h"
#include "setup/shared/SharedClass.h"
#include "setup/shared/SharedLayout.h"
#include "plan/PlanFiles.h"

#include "core/ClassList.h"

#include <QString>

#include <algorithm>
#include <iostream>

namespace {

struct SharedSetUp : ClassSetUp {
    Account shared;
    QStringList names;
    QStringList listed; // the names of the class list already there
    std::vector<std::string> present; // the children's folders already there
};

std::string Utf8(const QString &text)
{
    return text.toUtf8().toStdString();
}

// A class folder on one account holds its class list, the plans' folder and the
// children's folders, nothing else; a class of children with accounts of their own is
// refused. Returns the children's folders there.
std::vector<std::string> ChildFoldersPresent(const Folder &classFolder, const Account &shared)
{
    const bool listed = ReadPlainFile(classFolder, ClassListFileName, true).has_value();
    std::vector<std::string> children;
    classFolder.forEachEntry([&](const std::string &name, const struct stat &status) {
        if (name == ClassListFileName || name == PlanFolderName)
            return;
        if (!listed)
            throw Refusal(classFolder.path() + " ist schon eine Klasse mit eigenen Konten der Kinder; eine Klasse auf "
                          "einem gemeinsamen Konto braucht einen eigenen Ordner.");
        if (!IsChildsFolder(classFolder, name, status, shared))
            throw Refusal("In " + classFolder.path() + " liegt " + name + ", das brimbelo-klasse nicht für das Konto "
                          + shared.name + " angelegt hat.");
        children.push_back(name);
    });
    return children;
}

QStringList CheckedNames(const std::vector<std::string> &words)
{
    QStringList names;
    for (const std::string &word : words) {
        const QString name = NormalizedChildName(QString::fromStdString(word));
        if (!IsChildName(name))
            throw Refusal("„" + word + "“ taugt nicht als Name eines Kindes: 1 bis 40 Zeichen, kein „/“, kein Punkt am Anfang.");
        if (names.contains(name))
            throw Refusal(word + " ist zweimal angegeben.");
        names.append(name);
    }
    return names;
}

SharedSetUp CheckedSharedSetUp(const Arguments &arguments)
{
    const CommandLine line = ReadSetUpLine(arguments, {{"--gemeinsam", "Nach --gemeinsam fehlt das gemeinsame Konto."}},
                                           "Es fehlt mindestens ein Name eines Kindes.");
    const QStringList names = CheckedNames(std::vector<std::string>(line.words.begin() + 1, line.words.end()));
    RequireRoot("Nur root darf eine Klasse einrichten.");
    SharedSetUp setUp{OpenClassSetUp(line), {}, names, {}, {}};
    setUp.shared = ChildAccount(line.value("--gemeinsam"), setUp.teachers, setUp.teachersName);
    if (setUp.existingClass) {
        if (const std::optional<Account> noted = NotedAccount(*setUp.existingClass);
            noted && (noted->name != setUp.shared.name || noted->uid != setUp.shared.uid))
            throw Refusal(setUp.classPath + " ist die Klasse des Kontos " + noted->name + ", nicht von " + setUp.shared.name + ".");
        setUp.present = ChildFoldersPresent(*setUp.existingClass, setUp.shared);
        setUp.listed = ListedNames(*setUp.existingClass);
        if (!setUp.listed.isEmpty() && setUp.existingClass->status().st_gid != setUp.teachers)
            throw Refusal(setUp.classPath + " wird von der Gruppe " + GroupName(setUp.existingClass->status().st_gid)
                          + " gelesen, nicht von " + setUp.teachersName + ".");
    }
    RefuseOtherEntry(setUp.entries, setUp.shared.name, setUp.classPath);
    return setUp;
}

void SetUpChildFolder(const Folder &classFolder, const SharedSetUp &setUp, const std::string &folderName)
{
    std::optional<Folder> folder = classFolder.openChild(folderName);
    const bool made = !folder;
    if (made)
        folder = classFolder.makeChild(folderName, 0700);
    if (!NotedAccount(*folder))
        NoteAccount(*folder, setUp.shared);
    SetUpFolder(*folder, SharedFolderRights(setUp.teachers, setUp.shared.uid), made, "Protokollordner",
                setUp.shared.name + " schreibt für " + folderName + ", " + setUp.teachersName + " liest und schreibt");
}

void UpdateClassList(const Folder &classFolder, const SharedSetUp &setUp)
{
    QStringList names = setUp.listed;
    for (const QString &name : setUp.names) {
        if (!names.contains(name))
            names.append(name);
    }
    const std::string path = classFolder.path() + "/" + ClassListFileName;
    if (names.size() == setUp.listed.size() && ListInLayout(classFolder, setUp.teachers)) {
        std::cout << "Klassenliste " << path << ": alle Namen schon darin, unverändert.\n";
        return;
    }
    WriteClassList(classFolder, names, setUp.teachers);
    std::cout << "Klassenliste " << path << " geschrieben: " << names.size() << " Namen, " << setUp.shared.name
              << " liest sie, " << setUp.teachersName << " ändert sie auch in der Klassenübersicht.\n";
}

} // namespace

bool AsksForSharedAccount(const Arguments &arguments)
{
    return std::find(arguments.begin(), arguments.end(), "--gemeinsam") != arguments.end();
}

int SetUpSharedClass(const Arguments &arguments)
{
    SharedSetUp setUp = CheckedSharedSetUp(arguments);
    const bool made = !setUp.existingClass;
    const Folder classFolder = made ? *OpenTrustedPath(setUp.classPath, Missing::Create, 0700) : std::move(*setUp.existingClass);
    if (!NotedAccount(classFolder))
        NoteAccount(classFolder, setUp.shared);
    // The teacher plans for the children picked here as for children with accounts.
    SetUpPlanFolder(classFolder, setUp.teachers, setUp.teachersName);
    // The folders of the names already there too: a class set up before had them root's.
    for (const std::string &folder : setUp.present)
        SetUpChildFolder(classFolder, setUp, folder);
    for (const QString &name : setUp.names) {
        if (std::find(setUp.present.begin(), setUp.present.end(), Utf8(name)) == setUp.present.end())
            SetUpChildFolder(classFolder, setUp, Utf8(name));
    }
    UpdateClassList(classFolder, setUp);
    // Given to the shared account last, once all in it is set up.
    SetUpFolder(classFolder, SharedFolderRights(setUp.teachers, setUp.shared.uid), made, "Klassenordner",
                setUp.shared.name + " und " + setUp.teachersName + " schreiben, sonst sieht niemand etwas darin");
    // The shared account's entry names the class folder: its bm finds the class list there.
    WriteEntry(setUp.entries, setUp.shared, setUp.classPath);
    for (const Folder &passage : SchoolPassages(setUp.entries, setUp.classPath))
        MendPassage(passage);
    std::cout << "Fertig. Wer sich als " << setUp.shared.name << " anmeldet, wählt in bm unter „Wer übt?“ seinen Namen.\n";
    return 0;
}

int StrikeNames(const Arguments &arguments)
{
    const CommandLine line = ReadCommandLine(arguments, {});
    if (line.words.size() < 2)
        throw Refusal("Aufruf: brimbelo-klasse streichen ORDNER NAME...");
    const QStringList struck = CheckedNames(std::vector<std::string>(line.words.begin() + 1, line.words.end()));
    RequireRoot("Nur root darf Namen aus einer Klassenliste streichen.");
    const Folder classFolder = ExistingClass(line.words[0]);
    const std::optional<Account> shared = NotedAccount(classFolder);
    QStringList names = ListedNames(classFolder);
    if (!shared || names.isEmpty())
        throw Refusal(classFolder.path() + " hat keine Klassenliste eines gemeinsamen Kontos.");
    for (const QString &name : struck) {
        if (!names.contains(name))
            throw Refusal(Utf8(name) + " steht nicht in der Klassenliste von " + classFolder.path() + ".");
        names.removeAll(name);
    }
    WriteClassList(classFolder, names, classFolder.status().st_gid);
    for (const QString &name : struck)
        std::cout << Utf8(name) << " aus der Klassenliste gestrichen; der Ordner " << classFolder.path() << "/" << Utf8(name)
                  << " mit den Ergebnissen bleibt, bis ihn jemand löscht.\n";
    return 0;
}

std::optional<std::vector<std::string>> SharedClassNames(const Folder &classFolder)
{
    if (!ReadPlainFile(classFolder, ClassListFileName))
        return std::nullopt;
    std::vector<std::string> names;
    for (const QString &name : ListedNames(classFolder))
        names.push_back(Utf8(name));
    return names;
}
