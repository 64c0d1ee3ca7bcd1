#pragma once
// The log viewer: the result log grouped by exercise, with a school grade per run, and
// the message boxes that tell the user when the log cannot be written or read.

#include "log/LogFile.h"

#include <QDialog>

class QKeyEvent;
class QPlainTextEdit;
class QPushButton;

class TLogbuch : public QDialog
{
    Q_OBJECT
public:
    explicit TLogbuch(QWidget *parent = nullptr);

    QPlainTextEdit *Memo1;
    QPushButton *Button1;

    // Fills the viewer with the arranged log fileName; shown modally by the caller.
    void ShowLogFile(const QString &fileName);

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
};

extern TLogbuch *Logbuch;

// Tells the user what went wrong with the log; nothing when all went well.
void ReportLogOutcome(const LogOutcome &outcome, QWidget *parent);

// Appends a finished run to the result log when the configuration asks for it, and tells
// the user if that fails. The exercise window's end-of-run signal is connected here.
void LogFinishedRun(const RunResult &result);
