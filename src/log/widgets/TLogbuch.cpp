#include "log/widgets/TLogbuch.h"

#include "log/LogExport.h"
#include "log/LogView.h"
#include "log/LogViewerLayout.h"
#include "log/NetworkFolder.h"
#include "log/OpenedLog.h"
#include "log/widgets/FitToContent.h"
#include "log/widgets/LogMessages.h"
#include "log/widgets/TKlassenUebersicht.h"
#include "log/widgets/TProtokollZeilen.h"
#include "log/widgets/TVerlaufBild.h"
#include "log/widgets/Workers.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <memory>

TLogbuch *Logbuch = nullptr;

namespace {

// The window as laid out, and the margins that resizing keeps.
constexpr QPoint DesignedPosition(192, 116);
constexpr QSize DesignedSize(595, 334);
constexpr QRect DesignedMemo(7, 7, 462, 208);
constexpr QSize ButtonSize(65, 20);
constexpr QSize SideButtonSize(80, 20);
constexpr int EdgeMargin = 7;
constexpr int ButtonGap = 8;

// Logs up to this size and this many lines are read while the viewer opens (some 14 000
// records); a small file of empty lines would take as long as a large log.
constexpr qint64 ReadAtOnceUpTo = qint64(1) << 20;
constexpr qsizetype ReadAtOnceLines = 16000;

const QString ProgressCaption = QStringLiteral("Verlauf");
const QString LogCaption = QStringLiteral("Protokoll");

// The opened log (none: no log folder is configured) read and arranged for the memo, on
// whichever thread.
ArrangedLog readAndArrange(OpenedLog *opened)
{
    ArrangedLog log;
    log.outcome = opened == nullptr ? LogOutcome{LogStatus::Missing, QString()} : ReadOpenedLog(*opened, log.records);
    log.lines = LogViewRows::Arranged(log.records);
    return log;
}

} // namespace

TLogbuch::TLogbuch(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Protokoll"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(10);
    setFont(font);

    Memo1 = new TProtokollZeilen(this);
    Memo1->setGeometry(DesignedMemo);
    Button1 = new QPushButton(QStringLiteral("Schließen"), this);
    Button1->resize(ButtonSize);
    setTabOrder(Memo1, Button1);
    connect(Button1, &QPushButton::clicked, this, &TLogbuch::Button1Click);

    ProgressPage = new QWidget(this);
    ExerciseList = new QComboBox(ProgressPage);
    ExerciseList->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    NewestRunLabel = new QLabel(ProgressPage);
    // The newest run's line is longer than the room beside the list at the designed size.
    NewestRunLabel->setWordWrap(true);
    ProgressPicture = new TVerlaufBild(ProgressPage);
    auto *choice = new QHBoxLayout;
    choice->addWidget(new QLabel(QStringLiteral("Übung:"), ProgressPage));
    choice->addWidget(ExerciseList);
    choice->addSpacing(ButtonGap);
    choice->addWidget(NewestRunLabel, 1);
    auto *page = new QVBoxLayout(ProgressPage);
    page->setContentsMargins(0, 0, 0, 0);
    page->addLayout(choice);
    page->addWidget(ProgressPicture, 1);
    ProgressPage->hide();
    connect(ExerciseList, &QComboBox::currentIndexChanged, this, &TLogbuch::ExerciseListChange);

    ViewButton = new QPushButton(ProgressCaption, this);
    ViewButton->resize(SideButtonSize);
    ViewButton->setAutoDefault(false);
    ExportButton = new QPushButton(QStringLiteral("Exportieren…"), this);
    ExportButton->resize(SideButtonSize);
    ExportButton->setAutoDefault(false);
    setTabOrder(Button1, ViewButton);
    setTabOrder(ViewButton, ExportButton);
    connect(ViewButton, &QPushButton::clicked, this, &TLogbuch::ViewButtonClick);
    connect(ExportButton, &QPushButton::clicked, this, &TLogbuch::ExportButtonClick);
    ClassButton = new QPushButton(QStringLiteral("Klasse…"), this);
    ClassButton->resize(SideButtonSize);
    ClassButton->setAutoDefault(false);
    setTabOrder(ExportButton, ClassButton);
    connect(ClassButton, &QPushButton::clicked, this, &TLogbuch::ClassButtonClick);
    // Narrower, the buttons right of the centred "Schließen" would run past the edge.
    setMinimumWidth(2 * (ButtonSize.width() / 2 + 2 * (ButtonGap + SideButtonSize.width()) + EdgeMargin));

    move(DesignedPosition);
    resize(DesignedSize);
    FormCreate();
}

void TLogbuch::FormCreate()
{
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFont(QFont(QStringLiteral("Courier New"), 8));
    Memo1->installEventFilter(this);

    Button1->setDefault(true);
    FormResize();
}

void TLogbuch::ShowLogFile(const QString &fileName)
{
    const QString directory = logSettings().logDirectory;
    ReadAndShow(fileName, directory.isEmpty() ? QString() : directory + fileName, QString());
}

// A child's log is looked at from the class overview, which stands right behind.
void TLogbuch::ShowChildLog(const QString &path, const QString &exercise)
{
    ClassButton->hide();
    ReadAndShow(path, path, exercise);
}

// A small log is read at once; a larger one on a worker thread, so that the window never
// stands still while it is read and laid out. Then the view of the log called name is
// shown, on the progress of exercise unless that is empty.
void TLogbuch::ReadAndShow(const QString &name, const QString &path, const QString &exercise)
{
    setWindowTitle(name);
    shownLogFile = name;
    records = LogRecords();
    progressPrepared = false;
    runsTakenApart = false;
    ViewButton->setEnabled(true);
    ShowProgress(false);
    const quint64 number = ++readingNumber;
    if (path.isEmpty()) {
        ShowArrangedLog(readAndArrange(nullptr), exercise);
        return;
    }
    // A log on the school's server is opened and read on a worker whatever its size: even
    // opening it may wait for the server. Any other is opened here, and what its size
    // decides is read from the same open file.
    std::shared_ptr<OpenedLog> opened;
    if (!LiesOnNetwork(path)) {
        opened = OpenLogAt(path, std::chrono::steady_clock::now() + ReadLockPatience);
        if (OpenedLogIsSmall(*opened, ReadAtOnceUpTo, ReadAtOnceLines)) {
            ShowArrangedLog(readAndArrange(opened.get()), exercise);
            return;
        }
    }
    reading = true;
    // The picture needs the runs taken apart, which the worker does after the text.
    ViewButton->setEnabled(false);
    Memo1->setPlainText(QStringLiteral("Die Protokolldatei wird gelesen …"));
    const QPointer<TLogbuch> window(this);
    // Only the latest reading of a window that is still there is shown.
    const auto whenStillWanted = [window, number](auto show) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [window, number, show] {
                if (window && window->readingNumber == number)
                    show(*window);
            },
            Qt::QueuedConnection);
    };
    LogReadingWorkers().start([=] {
        const std::shared_ptr<OpenedLog> file =
            opened ? opened : std::shared_ptr<OpenedLog>(OpenLogAt(path, std::chrono::steady_clock::now() + ReadLockPatience));
        auto log = std::make_shared<ArrangedLog>(readAndArrange(file.get()));
        const LogRecords read = log->records;
        whenStillWanted([log](TLogbuch &viewer) { viewer.ShowArrangedLog(std::move(*log), QString()); });
        auto runs = std::make_shared<QList<LogEntry>>(ParseLogRecords(read));
        whenStillWanted([runs, exercise](TLogbuch &viewer) { viewer.ShowRunsTakenApart(std::move(*runs), exercise); });
    });
}

void TLogbuch::ShowRunsTakenApart(QList<LogEntry> runs, const QString &exercise)
{
    entries = std::move(runs);
    runsTakenApart = true;
    ViewButton->setEnabled(true);
    if (exercise.isEmpty())
        return;
    ShowProgress(true);
    ExerciseList->setCurrentIndex(ExerciseList->findText(exercise));
}

void TLogbuch::ShowArrangedLog(ArrangedLog log, const QString &exercise)
{
    reading = false;
    records = std::move(log.records);
    Memo1->setLines(std::move(log.lines));
    if (isVisible())
        FitLogViewerToLines(this, Memo1, Button1->size(), DesignedSize);
    ReportLogOutcome(log.outcome, QApplication::activeWindow());
    if (exercise.isEmpty())
        return;
    ShowProgress(true);
    ExerciseList->setCurrentIndex(ExerciseList->findText(exercise));
}

// Taken apart only when the picture is first asked for: opening the viewer on a long log
// costs no more than the arranged text.
void TLogbuch::PrepareProgress()
{
    if (!runsTakenApart)
        entries = ParseLogRecords(records);
    const QSignalBlocker quiet(ExerciseList);
    ExerciseList->clear();
    ExerciseList->addItems(ProgressTitles(entries));
    ExerciseList->setCurrentIndex(ExerciseList->findText(NewestTitle(entries)));
    ExerciseListChange();
    progressPrepared = true;
}

void TLogbuch::ShowProgress(bool progress)
{
    if (progress && !progressPrepared)
        PrepareProgress();
    Memo1->setVisible(!progress);
    ProgressPage->setVisible(progress);
    ViewButton->setText(progress ? LogCaption : ProgressCaption);
    if (progress)
        ExerciseList->setFocus();
}

bool TLogbuch::ShowsProgress() const
{
    return !ProgressPage->isHidden();
}

void TLogbuch::ViewButtonClick()
{
    ShowProgress(!ShowsProgress());
}

void TLogbuch::ExerciseListChange()
{
    ProgressPicture->setSeries(ProgressSeries(entries, ExerciseList->currentText()));
    NewestRunLabel->setText(ProgressPicture->chart().newestText);
}

void TLogbuch::ExportButtonClick()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Protokoll exportieren"),
                                                      QDir::home().filePath(QLatin1String(ExportDefaultFileName)),
                                                      QStringLiteral("Tabellen (*.csv)"));
    if (!path.isEmpty())
        ExportTo(path);
}

void TLogbuch::ClassButtonClick()
{
    ChooseAndShowClass(this);
}

bool TLogbuch::ExportTo(const QString &path)
{
    const QString title = QStringLiteral("Exportieren");
    if (IsLogFilePath(path, shownLogFile)) {
        QMessageBox::warning(this, title, QStringLiteral("Das Protokoll selbst kann nicht überschrieben werden. "
                                                         "Bitte einen anderen Dateinamen wählen."));
        return false;
    }
    return WriteExportedTable(path, LogRecordsAsCsv(records.toList()), this);
}

void TLogbuch::Button1Click()
{
    close();
}

void TLogbuch::FormActivate()
{
    Button1->setFocus();
}

// The memo fills the window but for its margins; the button stays centred below it.
void TLogbuch::FormResize()
{
    const LogViewerLayout layout = LayOutLogViewer(size(), Button1->size());
    Memo1->setGeometry(layout.memo);
    Button1->move(layout.closeButton);
    ProgressPage->setGeometry(Memo1->geometry());
    ViewButton->move(Button1->x() - ButtonGap - ViewButton->width(), Button1->y());
    ExportButton->move(Button1->x() + Button1->width() + ButtonGap, Button1->y());
    ClassButton->move(ExportButton->x() + ExportButton->width() + ButtonGap, Button1->y());
}

bool TLogbuch::Memo1KeyDown(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Escape)
        return false;
    close();
    return true;
}

// Typed characters never reach the memo, nor the default button behind it; Tab still
// moves on to the button.
bool TLogbuch::Memo1KeyPress(QKeyEvent *event)
{
    const QString text = event->text();
    if (text.isEmpty() || event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
        return false;
    const char16_t code = text.at(0).unicode();
    return code >= 1 && code <= 255;
}

void TLogbuch::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    // The designed size is the outer size; the frame is known only once the window stands.
    FitLogViewerToLines(this, Memo1, Button1->size(), DesignedSize);
    FormActivate();
}

void TLogbuch::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

bool TLogbuch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Memo1 && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (Memo1KeyDown(key) || Memo1KeyPress(key))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ShowChildLogsOf(TKlassenUebersicht *overview)
{
    QObject::connect(overview, &TKlassenUebersicht::childLogWanted, overview,
                     [overview](const QString &path, const QString &exercise) {
                         TLogbuch viewer(overview);
                         viewer.ShowChildLog(path, exercise);
                         viewer.exec();
                     });
}

void ChooseAndShowClass(QWidget *parent)
{
    const QString folder =
        QFileDialog::getExistingDirectory(parent, QStringLiteral("Klassenordner wählen"), RememberedClassFolder());
    if (!folder.isEmpty())
        ShowClassFolder(parent, folder);
}

void ShowClassFolder(QWidget *parent, const QString &folder)
{
    RememberClassFolder(folder);
    TKlassenUebersicht overview(parent);
    ShowChildLogsOf(&overview);
    overview.ShowClass(folder);
    overview.exec();
}
