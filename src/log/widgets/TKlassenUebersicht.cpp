#include "log/widgets/TKlassenUebersicht.h"

#include "core/ClassList.h"
#include "log/class/PlanWork.h"
#include "log/class/SharedClass.h"
#include "log/widgets/FitToContent.h"
#include "log/widgets/LogMessages.h"
#include "log/widgets/TFehlerbilder.h"
#include "log/widgets/TPlanDialog.h"
#include "log/widgets/Workers.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QThreadPool>

#include <memory>

namespace {

constexpr int RunsColumnWidth = 52;
constexpr int ExerciseColumnWidth = 92;
// Exercise titles wrap onto up to three lines above their column.
constexpr int HeaderLines = 3;
constexpr int ProblemLinesShown = 4;

QTableWidgetItem *itemFor(const ClassTableCell &cell)
{
    auto *item = new QTableWidgetItem(cell.text);
    item->setTextAlignment(Qt::AlignCenter);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (cell.background.isValid())
        item->setBackground(cell.background);
    item->setToolTip(cell.toolTip);
    return item;
}

// The class folder read and laid out as a table, on whichever thread.
ReadClass readClass(const QString &folder, const std::atomic_bool &stop)
{
    const ClassOverview overview = ReadClassOverview(folder, stop);
    ClassTable table = LayOutClassTable(overview);
    AddPlanWorkColumn(table, overview, folder, QDate::currentDate());
    return {table, overview.problems + UnusablePlans(folder, table.children), ClassListIn(folder)};
}

} // namespace

TKlassenUebersicht::TKlassenUebersicht(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Klassenübersicht"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    FolderLabel = new QLabel(this);
    FolderLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Table = new QTableWidget(this);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    Table->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    Table->horizontalHeader()->setFixedHeight(HeaderLines * fontMetrics().height() + 8);
    Table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ProblemsLabel = new QLabel(QStringLiteral("Nicht gelesen:"), this);
    ProblemList = new QListWidget(this);
    ProblemList->setFixedHeight(ProblemLinesShown * fontMetrics().height() + 8);
    ProblemList->setFocusPolicy(Qt::NoFocus);

    ExportButton = new QPushButton(QStringLiteral("Exportieren…"), this);
    ExportButton->setAutoDefault(false);
    MistakesButton = new QPushButton(QStringLiteral("Fehlerbilder"), this);
    MistakesButton->setAutoDefault(false);
    PlanButton = new QPushButton(QStringLiteral("Plan…"), this);
    PlanButton->setAutoDefault(false);
    AddNameButton = new QPushButton(QStringLiteral("Name hinzufügen…"), this);
    AddNameButton->setAutoDefault(false);
    StrikeNameButton = new QPushButton(QStringLiteral("Name streichen…"), this);
    StrikeNameButton->setAutoDefault(false);
    showClassList(std::nullopt);
    CloseButton = new QPushButton(QStringLiteral("Schließen"), this);
    CloseButton->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(AddNameButton);
    buttons->addWidget(StrikeNameButton);
    buttons->addWidget(PlanButton);
    buttons->addWidget(MistakesButton);
    buttons->addWidget(ExportButton);
    buttons->addWidget(CloseButton);
    buttons->addStretch(1);

    auto *page = new QVBoxLayout(this);
    page->addWidget(FolderLabel);
    page->addWidget(Table, 1);
    page->addWidget(ProblemsLabel);
    page->addWidget(ProblemList);
    page->addLayout(buttons);

    connect(Table, &QTableWidget::cellDoubleClicked, this, &TKlassenUebersicht::TableDoubleClick);
    connect(ExportButton, &QPushButton::clicked, this, &TKlassenUebersicht::ExportButtonClick);
    connect(MistakesButton, &QPushButton::clicked, this, &TKlassenUebersicht::MistakesButtonClick);
    connect(PlanButton, &QPushButton::clicked, this, &TKlassenUebersicht::PlanButtonClick);
    connect(AddNameButton, &QPushButton::clicked, this, &TKlassenUebersicht::AddNameButtonClick);
    connect(StrikeNameButton, &QPushButton::clicked, this, &TKlassenUebersicht::StrikeNameButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
    resize(ClassWindowSize(screen()->availableGeometry().size()));
}

void TKlassenUebersicht::ShowClass(const QString &chosenFolder)
{
    folder = chosenFolder;
    FolderLabel->setText(QStringLiteral("Klassenordner: ") + QDir::toNativeSeparators(folder));
    const quint64 number = ++readingNumber;
    stopReading();
    stop = std::make_shared<std::atomic_bool>(false);
    // Always on a worker: the class folder may lie on a server that is slow or gone.
    reading = true;
    table = ClassTable();
    Table->clear();
    Table->setRowCount(0);
    Table->setColumnCount(0);
    showClassList(std::nullopt);
    showProblems({QStringLiteral("Die Protokolle werden gelesen …")});
    const QPointer<TKlassenUebersicht> window(this);
    const QString read = folder;
    LogReadingWorkers().start([=, stop = stop] {
        auto readFolder = std::make_shared<ReadClass>(readClass(read, *stop));
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [=] {
                // Only the latest reading of a window that is still there is shown.
                if (window && window->readingNumber == number)
                    window->ShowReadClass(std::move(*readFolder));
            },
            Qt::QueuedConnection);
    });
}

void TKlassenUebersicht::stopReading()
{
    if (stop)
        *stop = true;
}

void TKlassenUebersicht::done(int result)
{
    // Closing the window ends the reading: no more children are read for it.
    stopReading();
    QDialog::done(result);
}

TKlassenUebersicht::~TKlassenUebersicht()
{
    stopReading();
}

bool TKlassenUebersicht::IsReading() const
{
    return reading;
}

void TKlassenUebersicht::ShowReadClass(ReadClass read)
{
    reading = false;
    table = std::move(read.table);
    Table->clear();
    Table->setRowCount(int(table.children.size()));
    Table->setColumnCount(int(table.columns.size()));
    Table->setHorizontalHeaderLabels(table.columns);
    Table->setVerticalHeaderLabels(table.children);
    FitClassColumnsToTitles(Table, HeaderLines, RunsColumnWidth, ExerciseColumnWidth);
    for (int row = 0; row < table.children.size(); ++row) {
        for (int column = 0; column < table.columns.size(); ++column)
            Table->setItem(row, column, itemFor(table.cells.at(row).at(column)));
    }
    // No cell looks picked before the teacher picks one.
    Table->setCurrentCell(-1, -1);
    showProblems(read.problems);
    showClassList(read.classList);
    FitClassOverviewToTable(this, Table);
}

void TKlassenUebersicht::showClassList(const std::optional<QStringList> &names)
{
    classList = names.value_or(QStringList());
    AddNameButton->setVisible(names.has_value());
    StrikeNameButton->setVisible(names.has_value());
    StrikeNameButton->setEnabled(!classList.isEmpty());
}

void TKlassenUebersicht::showProblems(const QStringList &problems)
{
    ProblemList->clear();
    ProblemList->addItems(problems);
    ProblemsLabel->setVisible(!problems.isEmpty());
    ProblemList->setVisible(!problems.isEmpty());
}

void TKlassenUebersicht::TableDoubleClick(int row, int column)
{
    const ClassTableCell &cell = table.cells.at(row).at(column);
    if (cell.opensLog)
        emit childLogWanted(ChildLogPath(folder, table.children.at(row)), cell.exercise);
}

void TKlassenUebersicht::ExportButtonClick()
{
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Klassenübersicht exportieren"),
        QDir::home().filePath(QLatin1String(ClassExportDefaultFileName)), QStringLiteral("Tabellen (*.csv)"));
    if (!path.isEmpty())
        ExportTo(path);
}

void TKlassenUebersicht::MistakesButtonClick()
{
    TFehlerbilder window(this);
    window.ShowClass(folder);
    window.exec();
}

void TKlassenUebersicht::PlanButtonClick()
{
    TPlanDialog dialog(folder, ClassChildren(folder), this);
    dialog.exec();
    // The column of this week's work follows the plan just saved.
    if (dialog.changedPlan())
        ShowClass(folder);
}

void TKlassenUebersicht::AddNameButtonClick()
{
    const QString typed = QInputDialog::getText(this, QStringLiteral("Name hinzufügen"),
                                                QStringLiteral("Name des Kindes, wie es ihn unter „Wer übt?“ finden soll:"));
    if (typed.trimmed().isEmpty())
        return;
    const QString refusal = AddToClassList(folder, typed);
    if (!refusal.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Name hinzufügen"), refusal);
        return;
    }
    QMessageBox::information(this, QStringLiteral("Name hinzufügen"),
                             QStringLiteral("%1 steht jetzt unter „Wer übt?“; hier erscheint der Name nach der ersten Übung.")
                                 .arg(NormalizedChildName(typed)));
    ShowClass(folder);
}

void TKlassenUebersicht::StrikeNameButtonClick()
{
    bool chosen = false;
    const QString name = QInputDialog::getItem(
        this, QStringLiteral("Name streichen"),
        QStringLiteral("Welcher Name soll aus der Klassenliste? Unter „Wer übt?“ steht er dann nicht mehr; "
                       "der Ordner mit den Ergebnissen bleibt."),
        classList, 0, false, &chosen);
    if (!chosen)
        return;
    if (const QString refusal = StrikeFromClassList(folder, name); !refusal.isEmpty())
        QMessageBox::warning(this, QStringLiteral("Name streichen"), refusal);
    ShowClass(folder);
}

bool TKlassenUebersicht::ExportTo(const QString &path)
{
    if (RefuseExportIntoClassFolder(path, folder, this))
        return false;
    return WriteExportedTable(path, ClassTableAsCsv(table), this);
}
