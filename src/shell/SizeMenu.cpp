#include "shell/SizeMenu.h"

#include "run/WindowSize.h"
#include "run/widgets/TForm2.h"
#include "shell/StartAgain.h"
#include "shell/TInfoBox.h"

#include <QActionGroup>
#include <QMenu>
#include <QScreen>

namespace {

// Sizes are measured on the screen the menu stands on, in its pixels before the factor
// this start runs with, less the frame around a window.
QSize availableOf(const QWidget *widget)
{
    return InsideFrame(widget->screen()->availableGeometry().size() * RunningFactor(), WindowFrame());
}

int screenHeightOf(const QWidget *widget)
{
    return HeightBeforeFactor(widget->screen()->geometry().height());
}

double fillFactorOf(const QWidget *widget)
{
    return FillScreenFactor(availableOf(widget), screenHeightOf(widget));
}

// A run open would be lost by a new start.
bool runOpen()
{
    return Form2 != nullptr && Form2->isVisible();
}

void applyChoice(QWidget *title, const QWidget *measured, const std::function<void()> &startAgain)
{
    const double next = StartFactor(StoredSizeChoice(), availableOf(measured), screenHeightOf(measured));
    switch (AfterSizeChosen(RunningFactor(), next, MayStartAgainForSize() && !runOpen())) {
    case SizeChange::Nothing:
        break;
    case SizeChange::StartAgain:
        startAgain();
        break;
    case SizeChange::NoticeForNextStart:
        ShowNextStartNotice(title);
        break;
    }
}

} // namespace

bool OwnSizeDiffers(const QWidget *measured)
{
    const double own = StartFactor(StoredSizeChoice(), availableOf(measured), screenHeightOf(measured));
    return AfterSizeChosen(RunningFactor(), own, MayStartAgainForSize()) == SizeChange::StartAgain;
}

void ShowNextStartNotice(QWidget *title)
{
    TInfoBox notice(NextStartNotice, QPoint(), title);
    notice.centreOver(title);
    notice.exec();
}

void AddSizeMenu(QMenu *menu, QWidget *title, const std::function<void()> &startAgain)
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
        QObject::connect(item, &QAction::triggered, sizes, [sizes, title, startAgain, choice = entry.choice] {
            ChooseSize(choice, fillFactorOf(sizes));
            applyChoice(title, sizes, startAgain);
        });
    }
}
