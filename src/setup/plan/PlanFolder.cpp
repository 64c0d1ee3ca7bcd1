#include "setup/plan/PlanFolder.h"

#include "plan/PlanFiles.h"
#include "setup/ClassLayout.h"
#include "setup/Refusal.h"

Rights PlanFolderRights(gid_t teachers)
{
    // Set-group-ID, so every plan a teacher writes is the group's.
    return {teachers, 02771, "u::rwx,g::rwx,o::--x", ""};
}

void RemoveChildPlan(const Folder &classFolder, const std::string &child)
{
    if (const std::optional<Folder> plans = classFolder.openChild(PlanFolderName))
        plans->removeEntry(ChildPlanFileName(QString::fromStdString(child)).toStdString());
}

Folder SetUpPlanFolder(const Folder &classFolder, gid_t teachers, const std::string &teachersName)
{
    std::optional<Folder> folder = classFolder.openChild(PlanFolderName);
    const bool made = !folder;
    if (made)
        folder = classFolder.makeChild(PlanFolderName, 0700);
    else if (folder->status().st_uid != 0)
        throw Refusal(folder->path() + " gehört nicht root; bitte prüfen, wer ihn angelegt hat, und ihn löschen.");
    SetUpFolder(*folder, PlanFolderRights(teachers), made, "Ordner der Pläne",
                teachersName + " schreibt, Kinder lesen nur ihren Plan");
    return std::move(*folder);
}
