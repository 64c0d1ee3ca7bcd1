#pragma once
// The log viewer: the result log grouped by exercise, with a school grade per run; a
// second view with the progress picture of one exercise; the export of the log as a
// table; the class overview it opens; and the message boxes that tell the user when the
// log cannot be written or read.

#include "log/LogFile.h"
#include "log/LogView.h"
#include "log/Progress.h"

#include <QDialog>

class QComboBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class TKlassenUebersicht;
class TProtokollZeilen;
class TVerlaufBild;

// A log read and arranged for the viewer's memo, on whichever thread.
struct ArrangedLog
{
    LogOutcome outcome;
    LogRecords records;    // unmasked, in log order
    LogViewRows lines;     // the viewer's lines, sharing the records' text
};

class TLogbuch : public QDialog
{
    Q_OBJECT
public:
    explicit TLogbuch(QWidget *parent = nullptr);

    TProtokollZeilen *Memo1;
    QPushButton *Button1;
    // The progress view, shown in the memo's place, and the buttons beside "Schließen".
    QWidget *ProgressPage;
    QComboBox *ExerciseList;
    QLabel *NewestRunLabel;
    TVerlaufBild *ProgressPicture;
    QPushButton *ViewButton;
    QPushButton *ExportButton;
    QPushButton *ClassButton;

    // Fills the viewer with the arranged log fileName; shown modally by the caller.
    void ShowLogFile(const QString &fileName);
    // Fills the viewer with a child's log from a class folder, on the progress of exercise
    // (the arranged log when exercise is empty).
    void ShowChildLog(const QString &path, const QString &exercise);
    // Whether a long log is still being read (on a worker thread; the memo says so).
    bool IsReading() const { return reading; }
    // Switches between the arranged log and the progress picture.
    void ShowProgress(bool progress);
    bool ShowsProgress() const;
    // Writes the records as a table to path, telling the user if that fails.
    bool ExportTo(const QString &path);

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void FormCreate();
    void Button1Click();
    void FormActivate();
    void FormResize();
    bool Memo1KeyDown(QKeyEvent *event);
    bool Memo1KeyPress(QKeyEvent *event);
    void ViewButtonClick();
    void ExportButtonClick();
    void ClassButtonClick();
    void ExerciseListChange();
    void PrepareProgress();
    void ReadAndShow(const QString &name, const QString &path, const QString &exercise);
    void ShowArrangedLog(ArrangedLog log, const QString &exercise);
    void ShowRunsTakenApart(QList<LogEntry> runs, const QString &exercise);

    QString shownLogFile;
    LogRecords records;           // unmasked, in log order
    QList<LogEntry> entries;      // the runs among them, taken apart
    bool progressPrepared = false;
    bool reading = false;
    bool runsTakenApart = false;  // entries came from the worker that read a long log
    quint64 readingNumber = 0;    // the latest reading started; earlier ones are not shown
};

extern TLogbuch *Logbuch;

// A child's log asked for in the class overview opens in a viewer of its own over the
// overview, which stays as it was.
void ShowChildLogsOf(TKlassenUebersicht *overview);

// Asks for a class folder, offering the one chosen last, remembers the choice and shows
// its overview; does nothing when the choice is cancelled.
void ChooseAndShowClass(QWidget *parent);
// Shows the overview of folder, remembered as the class chosen last.
void ShowClassFolder(QWidget *parent, const QString &folder);
