#pragma once
// The folder of a class's plans, as brimbelo-klasse sets it up: the teachers' group writes
// it, so a teacher can replace a plan from the class overview; children may only pass
// through it and read a plan whose name they know, so no child learns another's name.

#include "setup/AccessList.h"

#include <string>

Rights PlanFolderRights(gid_t teachers);
// Removes a child's own plan, when she has one: it names her.
void RemoveChildPlan(const Folder &classFolder, const std::string &child);
// Opens the class's plans' folder, making it when it is missing, and gives it its rights.
Folder SetUpPlanFolder(const Folder &classFolder, gid_t teachers, const std::string &teachersName);
