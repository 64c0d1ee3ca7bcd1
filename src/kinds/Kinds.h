#pragma once
// The closed table of exercise kinds: code, window caption, generator and its level, and
// the kind's entry in the title window's menu. The title window builds its menu from it.

#include "core/Generation.h"
#include "kinds/KindCodes.h"
#include "kinds/KindTitles.h"

#include <QString>
#include <span>

struct KindInfo
{
    qint32 code = 0;
    GeneratorFn generator = nullptr;  // nullptr: the kind cannot pose tasks
    int level = 0;
    const char *menuName = nullptr;   // the menu entry's object name; nullptr: no entry
    QString menuCaption = {};         // with its accelerator
    const char *separatorBefore = nullptr;   // the object name of a separator above the entry

    // The window caption; empty for the kind without menu entry.
    QString caption() const { return TitleOfKind(code); }
};

// The entry of a code, or nullptr for a code outside the table.
const KindInfo *FindKind(qint32 code);
// Every kind, in the order of the menu.
std::span<const KindInfo> AllKinds();
// The title of a menu family (the hundreds digit of a code) in the title window's menu bar.
QString KindFamilyTitle(int family);
