#include "log/widgets/TPlanDialog.h"

#include "core/RunResult.h"
#include "kinds/Kinds.h"
#include "log/widgets/FitToContent.h"
#include "plan/PlanFiles.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>

namespace {

// The families stand side by side in three columns, in two on a narrow screen.
constexpr int FamilyColumns = 3;
constexpr int GradeCount = 4;

QString WithoutMnemonic(QString caption)
{
    return caption.remove(QLatin1Char('&')).simplified();
}

} // namespace

TPlanDialog::TPlanDialog(const QString &classFolder, const QStringList &children, QWidget *parent)
    : QDialog(parent), m_classFolder(classFolder)
{
    setWindowTitle(QStringLiteral("Plan"));
    WhoBox = new QComboBox(this);
    WhoBox->addItem(QStringLiteral("die ganze Klasse"));
    for (const QString &child : children)
        WhoBox->addItem(child, child);
    StateLabel = new QLabel(this);
    StateLabel->setWordWrap(true);
    TasksBox = new QComboBox(this);
    TasksBox->addItem(QStringLiteral("wie immer (bis %1 richtig oder %2 falsch)").arg(RightAnswersPerRun).arg(WrongAnswersPerRun), 0);
    for (qint32 tasks : TaskChoices)
        TasksBox->addItem(QStringLiteral("%1 Aufgaben").arg(tasks), tasks);
    TodayBox = new QComboBox(this);
    TodayBox->addItem(QStringLiteral("keine"), 0);
    for (const KindInfo *kind : PractisedKinds())
        TodayBox->addItem(kind->caption(), kind->code);

    auto *choices = new QFormLayout;
    choices->addRow(QStringLiteral("Plan für:"), WhoBox);
    choices->addRow(QString(), StateLabel);
    choices->addRow(QStringLiteral("Übungsstufe:"), makePresets());
    choices->addRow(QStringLiteral("Aufgaben je Runde:"), TasksBox);
    choices->addRow(QStringLiteral("Heute:"), TodayBox);

    SaveButton = new QPushButton(QStringLiteral("Speichern"), this);
    SaveButton->setDefault(true);
    RemoveButton = new QPushButton(QStringLiteral("Eigenen Plan löschen"), this);
    RemoveButton->setAutoDefault(false);
    CloseButton = new QPushButton(QStringLiteral("Schließen"), this);
    CloseButton->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(SaveButton);
    buttons->addWidget(RemoveButton);
    buttons->addWidget(CloseButton);

    // Everything but the buttons scrolls on a screen too small for it.
    auto *choicesAndKinds = new QWidget(this);
    auto *inside = new QVBoxLayout(choicesAndKinds);
    inside->setContentsMargins(0, 0, 0, 0);
    inside->addLayout(choices);
    QWidget *families = makeKindBoxes(FamilyColumns);
    if (families->sizeHint().width() > ScreenRoomOf(this).width()) {
        delete families;
        m_kindBoxes.clear();
        families = makeKindBoxes(FamilyColumns - 1);
    }
    inside->addWidget(families, 1);
    m_scrolled = new QScrollArea(this);
    m_scrolled->setWidget(choicesAndKinds);
    m_scrolled->setWidgetResizable(true);
    m_scrolled->setFrameShape(QFrame::NoFrame);
    auto *page = new QVBoxLayout(this);
    page->addWidget(m_scrolled, 1);
    page->addLayout(buttons);

    connect(WhoBox, &QComboBox::currentIndexChanged, this, &TPlanDialog::WhoBoxChange);
    connect(SaveButton, &QPushButton::clicked, this, &TPlanDialog::SaveButtonClick);
    connect(RemoveButton, &QPushButton::clicked, this, &TPlanDialog::RemoveButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
    WhoBoxChange();
}

void TPlanDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    FitScrolledContentToScreen(this, m_scrolled);
}

QWidget *TPlanDialog::makeKindBoxes(int columns)
{
    auto *kinds = new QGroupBox(QStringLiteral("Übungen im Menü"), this);
    auto *grid = new QGridLayout(kinds);
    QVBoxLayout *family = nullptr;
    int familyShown = 0;
    int familyCount = 0;
    for (const KindInfo *kind : PractisedKinds()) {
        if (kind->family != familyShown) {
            familyShown = kind->family;
            auto *box = new QGroupBox(WithoutMnemonic(KindFamilyTitle(familyShown)), kinds);
            family = new QVBoxLayout(box);
            grid->addWidget(box, familyCount / columns, familyCount % columns, Qt::AlignTop);
            ++familyCount;
        }
        auto *check = new QCheckBox(kind->caption(), kinds);
        family->addWidget(check);
        m_kindBoxes.insert(kind->code, check);
    }
    return kinds;
}

QWidget *TPlanDialog::makePresets()
{
    auto *presets = new QWidget(this);
    auto *row = new QHBoxLayout(presets);
    row->setContentsMargins(0, 0, 0, 0);
    for (int grade = 1; grade <= GradeCount; ++grade) {
        auto *button = new QPushButton(QStringLiteral("Klasse %1").arg(grade), presets);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, grade] {
            const QList<qint32> kinds = GradeKinds(grade);
            for (auto it = m_kindBoxes.cbegin(); it != m_kindBoxes.cend(); ++it)
                it.value()->setChecked(kinds.contains(it.key()));
        });
        row->addWidget(button);
    }
    auto *all = new QPushButton(QStringLiteral("Alle"), presets);
    all->setAutoDefault(false);
    connect(all, &QPushButton::clicked, this, [this] {
        for (QCheckBox *box : std::as_const(m_kindBoxes))
            box->setChecked(true);
    });
    row->addWidget(all);
    row->addStretch(1);
    return presets;
}

QString TPlanDialog::chosenPath() const
{
    const QString child = WhoBox->currentData().toString();
    return child.isEmpty() ? ClassPlanPath(m_classFolder) : ChildPlanPath(m_classFolder, child);
}

ClassPlan TPlanDialog::shownPlan() const
{
    ClassPlan plan;
    QList<qint32> chosen;
    for (auto it = m_kindBoxes.cbegin(); it != m_kindBoxes.cend(); ++it) {
        if (it.value()->isChecked())
            chosen.append(it.key());
    }
    plan.kinds = KindsToPlan(chosen);
    plan.tasksPerRun = TasksBox->currentData().toInt();
    plan.today = TodayBox->currentData().toInt();
    return plan;
}

void TPlanDialog::showPlan(const ClassPlan &plan)
{
    for (auto it = m_kindBoxes.cbegin(); it != m_kindBoxes.cend(); ++it)
        it.value()->setChecked(plan.offers(it.key()));
    // A length set with brimbelo-klasse may be none of the usual ones.
    if (TasksBox->findData(plan.tasksPerRun) < 0)
        TasksBox->addItem(QStringLiteral("%1 Aufgaben").arg(plan.tasksPerRun), plan.tasksPerRun);
    TasksBox->setCurrentIndex(TasksBox->findData(plan.tasksPerRun));
    TodayBox->setCurrentIndex(std::max(0, TodayBox->findData(plan.today)));
}

void TPlanDialog::WhoBoxChange()
{
    const bool forChild = !WhoBox->currentData().toString().isEmpty();
    const PlanFile own = ReadPlanFile(chosenPath());
    RemoveButton->setVisible(forChild);
    RemoveButton->setEnabled(own.state != PlanState::Absent);
    if (own.state == PlanState::Usable) {
        StateLabel->setText(forChild ? QStringLiteral("Dieses Kind hat einen eigenen Plan.") : QStringLiteral("Die Klasse hat diesen Plan."));
        showPlan(own.plan);
        return;
    }
    const PlanFile classPlan = forChild ? ReadPlanFile(ClassPlanPath(m_classFolder)) : own;
    QString state = own.state == PlanState::Damaged ? QStringLiteral("Der gespeicherte Plan ist unbrauchbar und gilt nicht: %1 ").arg(own.problem) : QString();
    state += forChild ? QStringLiteral("Ohne eigenen Plan übt das Kind nach dem Plan der Klasse.")
                      : QStringLiteral("Ohne Plan stehen alle Übungen im Menü, und eine Runde geht wie immer.");
    StateLabel->setText(state);
    showPlan(classPlan.state == PlanState::Usable ? classPlan.plan : ClassPlan());
}

bool TPlanDialog::SaveButtonClick()
{
    const ClassPlan plan = shownPlan();
    QString failure = std::none_of(m_kindBoxes.cbegin(), m_kindBoxes.cend(), [](const QCheckBox *box) { return box->isChecked(); })
                          ? QStringLiteral("Bitte mindestens eine Übung ankreuzen.")
                          : WritePlanFile(chosenPath(), plan);
    if (!failure.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Plan"), failure);
        return false;
    }
    m_changed = true;
    WhoBoxChange();
    return true;
}

void TPlanDialog::RemoveButtonClick()
{
    if (const QString failure = RemovePlanFile(chosenPath()); !failure.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Plan"), failure);
        return;
    }
    m_changed = true;
    WhoBoxChange();
}
