// brimbelo-klasse gruppe: a class gets another group of teachers, for the class folder,
// every child's folder and every log in them, so the new teachers read all of it, and the
// class's plans, so they write them.

#include "setup/ClassLayout.h"
#include "setup/Commands.h"
#include "setup/Refusal.h"
#include "setup/plan/PlanFolder.h"
#include "setup/shared/SharedLayout.h"

#include <iostream>

int ChangeTeachers(const Arguments &arguments)
{
    const CommandLine line = ReadCommandLine(arguments, {});
    if (line.words.size() != 2)
        throw Refusal("Es braucht den Klassenordner und die neue Gruppe (siehe brimbelo-klasse --help).");
    RequireRoot("Nur root darf einer Klasse eine andere Gruppe geben.");
    const Folder classFolder = ExistingClass(line.words[0]);
    RefuseSharedClass(classFolder, "brimbelo-klasse gruppe kennt nur Klassen, deren Kinder eigene Konten haben.");
    const std::string &teachersName = line.words[1];
    const gid_t teachers = TeacherGroup(teachersName);
    const std::vector<ChildFolder> children = ChildFolders(classFolder);
    for (const ChildFolder &child : children)
        RefuseTeacher(child.account, teachers, teachersName);

    GiveRights(classFolder, ClassFolderRights(teachers));
    // The new teachers write the plans, and the plans already there are theirs.
    int changed = RegroupTree(SetUpPlanFolder(classFolder, teachers, teachersName), teachers);
    for (const ChildFolder &child : children) {
        const Folder folder = *classFolder.openChild(child.name);
        GiveRights(folder, OwnFolderRights(teachers, child.account.uid));
        changed += RegroupTree(folder, teachers);
    }
    std::cout << "Klasse " << classFolder.path() << ": jetzt liest " << teachersName << "; " << children.size()
              << " Ordner von Kindern, darin " << changed << " Einträge der Gruppe gegeben.\n";
    return 0;
}
