#include "shell/TGroesseMenue.h"

#include "shell/TInfoBox.h"
#include "run/WindowSize.h"

#include <QActionGroup>
#include <QMenu>
#include <QScreen>

namespace {

const QPoint NoticeCorner(50, 50);

// "Bildschirm füllen" is measured on the screen the menu stands on, in its pixels before
// the factor this start runs with.
double fillFactorOf(const QWidget *widget)
{
    const QScreen *screen = widget->screen();
    const QSize available = screen->availableGeometry().size() * RunningFactor();
    return FillScreenFactor(available, HeightBeforeFactor(screen->geometry().height()));
}

} // namespace

void AddSizeMenu(QMenu *menu)
{
    QMenu *sizes = menu->addMenu(QStringLiteral("&Größe"));
    sizes->menuAction()->setObjectName(QStringLiteral("Groesse"));
    auto *group = new QActionGroup(sizes);
    group->setExclusive(true);
    for (const SizeEntry &entry : SizeEntries()) {
        QAction *item = sizes->addAction(entry.caption);
        item->setCheckable(true);
        item->setChecked(entry.choice == ChosenSize());
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, sizes, [sizes, choice = entry.choice] {
            ChooseSize(choice, fillFactorOf(sizes));
            TInfoBox notice(NextStartNotice, NoticeCorner, sizes->parentWidget());
            notice.exec();
        });
    }
}
