#include "shell/PlannedMenu.h"

#include "kinds/Kinds.h"
#include "log/LogSettings.h"
#include "plan/PlanFiles.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

// Big enough for a child's finger on a touch screen.
constexpr int TodayButtonHeight = 64;
constexpr int TodayButtonPointSize = 18;
constexpr int TodayButtonPadding = 48;

} // namespace

std::optional<ClassPlan> CurrentPlan()
{
    return PlanForLogFolder(logSettings().logDirectory);
}

void ShowPlannedKinds(QMenuBar *menuBar, const std::optional<ClassPlan> &plan)
{
    for (QMenu *menu : menuBar->findChildren<QMenu *>(Qt::FindDirectChildrenOnly)) {
        bool anyShown = false;
        bool anyKind = false;
        for (const KindInfo *kind : PractisedKinds()) {
            QAction *entry = menu->findChild<QAction *>(QLatin1String(kind->menuName));
            if (entry == nullptr)
                continue;
            anyKind = true;
            const bool offered = !plan || plan->offers(kind->code);
            entry->setVisible(offered);
            anyShown = anyShown || offered;
        }
        if (anyKind)
            menu->menuAction()->setVisible(anyShown);
    }
}

QPushButton *MakeTodayButton(QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(QStringLiteral("Heute"));
    button->setMinimumHeight(TodayButtonHeight);
    QFont font = button->font();
    font.setPointSize(TodayButtonPointSize);
    font.setBold(true);
    button->setFont(font);
    button->hide();
    return button;
}

void ShowTodayButton(QPushButton *button, const std::optional<ClassPlan> &plan)
{
    const KindInfo *kind = plan && plan->today != 0 ? FindKind(plan->today) : nullptr;
    button->setVisible(kind != nullptr);
    if (kind == nullptr)
        return;
    button->setText(QStringLiteral("Heute: ") + kind->caption());
    button->setMinimumWidth(button->sizeHint().width() + TodayButtonPadding);
    button->setProperty("kind", kind->code);
    button->setDefault(true);
    button->setFocus();
}
