#include "shell/TTitelbild.h"

#include "bm_exports.h"
#include "core/Cp1252.h"
#include "log/LogFile.h"
#include "log/LogSettings.h"
#include "log/widgets/TLogbuch.h"
#include "kinds/Kinds.h"
#include "run/RunState.h"
#include "run/widgets/TForm2.h"
#include "core/TaskTypes.h"
#include "core/WindowColours.h"
#include "shell/InfoTexts.h"
#include "shell/TInfoBox.h"
#include "shell/ReadAloudEntry.h"
#include "shell/SizeMenu.h"
#include "shell/NumberPadEntry.h"
#include "shell/PlannedMenu.h"
#include "run/widgets/TWindowFrame.h"

#include <QApplication>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QVBoxLayout>

TTitelbild *Titelbild = nullptr;

namespace {

const QSize OuterSize(628, 400);
constexpr int RaisedBy = 20;
constexpr int TodayButtonTop = 8;
const QPoint InformationCorner(50, 50);

} // namespace

TTitelbild::TTitelbild(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Brimbelo v0.1"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, Silver);
    setPalette(silver);
    setAutoFillBackground(true);
    m_menuBar = new QMenuBar(this);
    auto *frame = new QVBoxLayout(this);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->setMenuBar(m_menuBar);
    createMenu();
    m_today = MakeTodayButton(this);
    connect(m_today, &QPushButton::clicked, this, &TTitelbild::TodayClick);
    frame->addSpacing(TodayButtonTop);
    frame->addWidget(m_today, 0, Qt::AlignHCenter);
    frame->addStretch();
    FormCreate();
}

void TTitelbild::FormCreate()
{
    SetOuterSize(this, OuterSize);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    move(screen.width() / 2 - OuterSize.width() / 2, screen.height() / 2 - OuterSize.height() / 2 - RaisedBy);
    findChild<QAction *>(QStringLiteral("Protokoll"))->setVisible(logSettings().logEnabled);
}

QMenu *TTitelbild::addMenu(const QString &title)
{
    return m_menuBar->addMenu(title);
}

void TTitelbild::addExercise(QMenu *menu, const char *name, const QString &caption, qint32 kind)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    connect(item, &QAction::triggered, this, [this, kind] {
        const KindInfo *info = FindKind(kind);
        StartIt(info->caption(), kind);
    });
}

void TTitelbild::addItem(QMenu *menu, const char *name, const QString &caption, void (TTitelbild::*handler)())
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(QLatin1String(name));
    connect(item, &QAction::triggered, this, handler);
}

void TTitelbild::addSeparator(QMenu *menu, const char *name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

void TTitelbild::createMenu()
{
    // One menu per family of kinds, the entries in the kind table's order.
    QMenu *family = nullptr;
    int familyShown = 0;
    for (const KindInfo *kind : PractisedKinds()) {
        if (kind->family != familyShown) {
            familyShown = kind->family;
            family = addMenu(KindFamilyTitle(familyShown));
            // A plan changed while the window stands reaches the menu when it opens.
            connect(family, &QMenu::aboutToShow, this, [this] { ShowPlannedKinds(m_menuBar, CurrentPlan()); });
        }
        if (kind->separatorBefore != nullptr)
            addSeparator(family, kind->separatorBefore);
        addExercise(family, kind->menuName, kind->menuCaption.toString(), kind->code);
    }

    QMenu *info = addMenu(QStringLiteral("&Info"));
    addItem(info, "Info", QStringLiteral("Pr&ogramm"), &TTitelbild::InfoClick);
    addItem(info, "Animationen", QStringLiteral("&Animationen"), &TTitelbild::AnimationenClick);
    addItem(info, "Ueben", QStringLiteral("&Tipps zum Üben"), &TTitelbild::UebenClick);
    addItem(info, "Protokoll", QStringLiteral("&Protokoll zeigen"), &TTitelbild::ProtokollClick);
    AddReadAloudEntry(info);
    AddNumberPadEntry(info);
    AddSizeMenu(info, this, [this] { emit startAgainWanted(); });

    QAction *end = m_menuBar->addAction(QStringLiteral("&Ende"));
    end->setObjectName(QStringLiteral("Ende1"));
    connect(end, &QAction::triggered, this, &TTitelbild::Ende1Click);
}

void TTitelbild::StartIt(const QString &caption, qint32 kind)
{
    const std::optional<ClassPlan> plan = CurrentPlan();
    currentRun().currentTask.kind = kind;
    currentRun().tasksPerRun = plan ? plan->tasksPerRun : 0;
    Form2->WindowInit();
    Form2->setWindowTitle(caption);
    Form2->exec();
}

void TTitelbild::applyPlan()
{
    const std::optional<ClassPlan> plan = CurrentPlan();
    ShowPlannedKinds(m_menuBar, plan);
    ShowTodayButton(m_today, plan);
    // Placed now, not at the next round of events, so the first picture shows it in place.
    layout()->activate();
}

void TTitelbild::TodayClick()
{
    const KindInfo *kind = FindKind(m_today->property("kind").toInt());
    if (kind != nullptr)
        StartIt(kind->caption(), kind->code);
}

void TTitelbild::hideDuringRun()
{
    // The dialog's own hiding would also end its modal display (background mode), so
    // only the window is hidden.
    QWidget::setVisible(false);   // NOLINT(bugprone-parent-virtual-call)
}

void TTitelbild::showInformation(const QString &text)
{
    TInfoBox box(WithLineFeeds(text), InformationCorner, this);
    box.exec();
}

void TTitelbild::InfoClick()
{
    showInformation(ProgramInfoText(windowTitle(), QFileInfo(QCoreApplication::applicationFilePath()).fileName()));
}

void TTitelbild::AnimationenClick()
{
    showInformation(DecodeCp1252(QByteArray(GetAnimInfo())));
}

void TTitelbild::UebenClick()
{
    showInformation(PracticeTipsText());
}

void TTitelbild::ProtokollClick()
{
    Logbuch->ShowLogFile(QString::fromLatin1(LogFileName));
    Logbuch->exec();
}

void TTitelbild::Ende1Click()
{
    close();
}

void TTitelbild::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int top = m_menuBar->isVisible() ? m_menuBar->height() : 0;
    QSvgRenderer(QStringLiteral(":/TitelBild")).render(&painter, QRectF(0, top, width(), height() - top));
}

void TTitelbild::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    SetOuterSize(this, OuterSize);
    applyPlan();
}

void TTitelbild::keyPressEvent(QKeyEvent *event)
{
    // The title window closes by its menu or close box, never by Escape.
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}
