#pragma once
// Helpers for tests that drive the real windows offscreen: the program's windows created
// once, a run started at a chosen screen height, and a watcher that answers the modal
// boxes (correction dialog, error box) a test runs into.

#include "run/RunState.h"
#include "run/widgets/TForm2.h"
#include "run/widgets/TKorrektur.h"
#include "shell/FontSubstitutes.h"
#include "shell/ProgramLocale.h"
#include "shell/TTitelbild.h"
#include "shell/WindowWiring.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

inline void CreateProgramWindows()
{
    InstallFontSubstitutes();
    UseGermanWhenNoLocaleIsSet();
    if (Titelbild == nullptr)
        Titelbild = new TTitelbild;
    if (Form2 == nullptr)
        CreateRunWindows(Titelbild);
}

// Opens the exercise window (not modally, so the test keeps control) for a run of kind
// and waits for its first task.
inline bool StartRun(qint32 kind, const QString &caption, int screenHeight = 600)
{
    if (Form2->isVisible())
        Form2->close();
    TForm2::overrideScreenHeight(screenHeight);
    currentRun().currentTask.kind = kind;
    Form2->WindowInit();
    Form2->setWindowTitle(caption);
    Form2->show();
    return QTest::qWaitFor([] { return !currentRun().newTaskDue || !Form2->isVisible(); });
}

inline QString ExpectedAnswerText()
{
    return QString::number(currentRun().currentTask.expectedAnswer);
}

inline void TypeAndEnter(const QString &text)
{
    QTest::keyClicks(Form2->Edit1, text);
    QTest::keyClick(Form2->Edit1, Qt::Key_Return);
}

// Closes every modal box that comes up while it lives, and remembers what they said.
class ModalWatcher : public QObject
{
public:
    QStringList corrections;   // the hint of every correction dialog shown
    QStringList errors;        // the text of every error box
    std::function<void()> whileCorrectionShown;

    ModalWatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, &ModalWatcher::closeModal);
        m_timer.start(5);
    }

private:
    void closeModal()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (modal == Korrektur && Korrektur->isVisible()) {
            corrections << Korrektur->Hinweis->text();
            if (whileCorrectionShown)
                whileCorrectionShown();
            Korrektur->OKButton->click();
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            errors << box->text();
            box->done(QMessageBox::Ok);
        }
    }
    QTimer m_timer;
};
