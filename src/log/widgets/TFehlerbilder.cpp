#include "log/widgets/TFehlerbilder.h"

#include "kinds/ErrorPatterns.h"
#include "log/AnswerRecord.h"
#include "log/class/ClassOverview.h"
#include "log/LogExport.h"
#include "log/widgets/LogMessages.h"
#include "log/widgets/Workers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

inline constexpr auto MistakesExportDefaultFileName = "fehlerbilder.csv";

// "Zahlendreher 3: dreiundvierzig → 34; …"
QString patternText(const PatternCount &pattern)
{
    return ErrorPatternName(pattern.pattern) + QLatin1Char(' ') + QString::number(pattern.count)
         + QStringLiteral(": ") + pattern.examples.join(QStringLiteral("; "));
}

const QString AnswersBeingRead = QStringLiteral("Die Antworten werden gelesen …");

// A child's answers, once read, in the list of their window; the window closes when there
// are none (a failed reading has been told).
void showAnswerLines(QDialog &window, QListWidget *list, const ChildAnswerLines &read)
{
    ReportLogOutcome(read.outcome, &window);
    if (read.lines.isEmpty()) {
        window.close();
        return;
    }
    list->clear();
    list->addItems(read.lines);
}

} // namespace

TFehlerbilder::TFehlerbilder(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Fehlerbilder"));
    ClassLabel = new QLabel(this);
    ClassLabel->setWordWrap(true);
    Tree = new QTreeWidget(this);
    Tree->setHeaderLabels({QStringLiteral("Kind / Übung"), QStringLiteral("Aufgaben"), QStringLiteral("Falsch"),
                           QStringLiteral("Fehlerbilder")});
    Tree->header()->setStretchLastSection(true);
    ExportButton = new QPushButton(QStringLiteral("Exportieren…"), this);
    ExportButton->setAutoDefault(false);
    CloseButton = new QPushButton(QStringLiteral("Schließen"), this);
    CloseButton->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ExportButton);
    buttons->addWidget(CloseButton);
    buttons->addStretch(1);
    auto *page = new QVBoxLayout(this);
    page->addWidget(ClassLabel);
    page->addWidget(Tree, 1);
    page->addLayout(buttons);
    connect(Tree, &QTreeWidget::itemDoubleClicked, this, &TFehlerbilder::TreeDoubleClick);
    connect(ExportButton, &QPushButton::clicked, this, &TFehlerbilder::ExportButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::close);
    resize(900, 600);
}

TFehlerbilder::~TFehlerbilder()
{
    stopReading();
    stopAnswers();
}

void TFehlerbilder::ShowClass(const QString &classFolder)
{
    folder = classFolder;
    const quint64 number = ++readingNumber;
    stopReading();
    stop = std::make_shared<std::atomic_bool>(false);
    // Always on a worker: a class's answers are many, and its folder may lie on a server
    // that is slow or gone.
    reading = true;
    mistakes = ClassMistakes();
    Tree->clear();
    ExportButton->setEnabled(false);
    ClassLabel->setText(AnswersBeingRead);
    const QPointer<TFehlerbilder> window(this);
    LogReadingWorkers().start([=, stop = stop] {
        auto read = std::make_shared<ClassMistakes>(ReadClassMistakes(classFolder, *stop));
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [=] {
                // Only the latest reading of a window that is still there is shown.
                if (window && window->readingNumber == number)
                    window->ShowMistakes(std::move(*read));
            },
            Qt::QueuedConnection);
    });
}

bool TFehlerbilder::IsReading() const
{
    return reading;
}

void TFehlerbilder::stopReading()
{
    if (stop)
        *stop = true;
}

void TFehlerbilder::done(int result)
{
    // Closing the window ends the reading: no more children are read for it.
    stopReading();
    stopAnswers();
    QDialog::done(result);
}

void TFehlerbilder::ShowMistakes(ClassMistakes read)
{
    reading = false;
    mistakes = std::move(read);
    ExportButton->setEnabled(true);
    QStringList totals;
    for (const PatternCount &total : ClassPatternTotals(mistakes))
        totals.append(ErrorPatternName(total.pattern) + QLatin1Char(' ') + QString::number(total.count));
    ClassLabel->setText(QStringLiteral("In der Klasse am häufigsten: ")
                        + (totals.isEmpty() ? QStringLiteral("keine Fehler") : totals.join(QStringLiteral(", "))));
    Tree->clear();
    for (const ChildMistakes &child : mistakes.children) {
        auto *childItem = new QTreeWidgetItem(Tree, {child.child});
        for (const KindMistakes &kind : child.kinds) {
            QStringList patterns;
            for (const PatternCount &pattern : kind.patterns)
                patterns.append(patternText(pattern));
            auto *kindItem = new QTreeWidgetItem(childItem, {KindTitleOf(kind.kind), QString::number(kind.tasks),
                                                             QString::number(kind.wrong),
                                                             patterns.join(QStringLiteral(" · "))});
            kindItem->setToolTip(3, patterns.join(QLatin1Char('\n')));
        }
        childItem->setExpanded(true);
    }
    for (const QString &problem : mistakes.problems)
        new QTreeWidgetItem(Tree, {problem});
    Tree->resizeColumnToContents(0);
}

// The child's answers in a window of their own, which stands at once and says that they
// are read; they are read on a worker, and closing either window ends that reading.
void TFehlerbilder::TreeDoubleClick(QTreeWidgetItem *item)
{
    while (item->parent() != nullptr)
        item = item->parent();
    const QString child = item->text(0);
    QDialog answers(this);
    answers.setWindowTitle(QStringLiteral("Antworten von ") + child);
    auto *list = new QListWidget(&answers);
    list->addItem(AnswersBeingRead);
    auto *layout = new QVBoxLayout(&answers);
    layout->addWidget(list);
    answers.resize(700, 500);

    stopAnswers();
    const auto stop = std::make_shared<std::atomic_bool>(false);
    answersStop = stop;
    const QPointer<QDialog> window(&answers);
    LogReadingWorkers().start([folder = folder, child, stop, window, list] {
        auto read = std::make_shared<ChildAnswerLines>(ReadChildAnswerLines(folder, child, *stop));
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [read, stop, window, list] {
                if (window && !*stop)
                    showAnswerLines(*window, list, *read);
            },
            Qt::QueuedConnection);
    });
    answers.exec();
    *stop = true;
}

void TFehlerbilder::stopAnswers()
{
    if (answersStop)
        *answersStop = true;
}

void TFehlerbilder::ExportButtonClick()
{
    const QString path = QFileDialog::getSaveFileName(
        this, QStringLiteral("Fehlerbilder exportieren"),
        QDir::home().filePath(QLatin1String(MistakesExportDefaultFileName)), QStringLiteral("Tabellen (*.csv)"));
    if (!path.isEmpty())
        ExportTo(path);
}

bool TFehlerbilder::ExportTo(const QString &path)
{
    if (RefuseExportIntoClassFolder(path, folder, this))
        return false;
    return WriteExportedTable(path, CsvTable(ClassMistakeRows(mistakes)), this);
}
