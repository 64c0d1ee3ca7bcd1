#include "shell/SizeMenu.h"

#include "shell/TInfoBox.h"
#include "run/WindowSize.h"

#include <QActionGroup>
#include <QMenu>
#include <QScreen>

namespace {

const QPoint NoticeCorner(50, 50);

// Sizes are measured on the screen the menu stands on, in its pixels before the factor
// this start runs with.
QSize availableOf(const QWidget *widget)
{
    return widget->screen()->availableGeometry().size() * RunningFactor();
}

int screenHeightOf(const QWidget *widget)
{
    return HeightBeforeFactor(widget->screen()->geometry().height());
}

double fillFactorOf(const QWidget *widget)
{
    return FillScreenFactor(availableOf(widget), screenHeightOf(widget));
}

} // namespace

void AddSizeMenu(QMenu *menu)
{
    QMenu *sizes = menu->addMenu(QStringLiteral("&Größe"));
    sizes->menuAction()->setObjectName(QStringLiteral("Groesse"));
    sizes->setToolTipsVisible(true);
    auto *group = new QActionGroup(sizes);
    group->setExclusive(true);
    for (const SizeEntry &entry : SizeEntries()) {
        QAction *item = sizes->addAction(entry.caption);
        item->setCheckable(true);
        item->setChecked(entry.choice == ChosenSize());
        // A size too large for this screen stays in the menu, grey, and says why.
        if (entry.choice != SizeChoice::FillScreen) {
            const QString refusal = SizeRefusal(entry.factor, availableOf(sizes), screenHeightOf(sizes));
            item->setEnabled(refusal.isEmpty());
            item->setToolTip(refusal);
        }
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, sizes, [sizes, choice = entry.choice] {
            ChooseSize(choice, fillFactorOf(sizes));
            TInfoBox notice(NextStartNotice, NoticeCorner, sizes->parentWidget());
            notice.exec();
        });
    }
}
