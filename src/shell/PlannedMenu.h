#pragma once
// The teacher's plan in the title window: only the planned kinds stand in the menus, and
// today's kind is offered first, as a big button a finger can hit. Which plan applies is
// left to the plan room; the title window says when to look again.

#include "plan/ClassPlan.h"

#include <optional>

class QMenuBar;
class QPushButton;
class QWidget;

// The plan of the child whose log folder the settings name now; read anew at every call,
// so a plan changed while the program is open counts from the next run on.
std::optional<ClassPlan> CurrentPlan();

// Hides the menu entries of kinds the plan leaves out, and a family menu left empty.
void ShowPlannedKinds(QMenuBar *menuBar, const std::optional<ClassPlan> &plan);

// The button "Heute: …", hidden until a plan names a kind for today.
QPushButton *MakeTodayButton(QWidget *parent);
// Shows the button for the plan's kind for today, with that kind's caption, or hides it.
void ShowTodayButton(QPushButton *button, const std::optional<ClassPlan> &plan);
