#pragma once
// The loudspeaker button in the task area of the exercise window. It reads the current
// task aloud when clicked and never takes the keyboard focus from the answer field. The
// window tells it when a task is posed, an answer judged, the correction shown, the run
// ended and the window closed; what is said then is decided by ReadAloud.

#include "run/ReadAloud.h"

#include <QToolButton>

class TVorleseKnopf : public QToolButton
{
    Q_OBJECT
public:
    explicit TVorleseKnopf(QWidget *taskBox);

    void taskPosed(qint32 kind, const GeneratedTask &task);
    void answerJudged(const QString &word);
    void correctionShown(qint32 kind, const QString &solutionText, const QString &mistakeNote);
    // Hidden and silent once the summary stands; silent when the window closes.
    void runEnded();
    void windowClosed();

    const ReadAloud &readAloud() const { return m_readAloud; }

private:
    // Placed in the task box's top right corner, where no task puts anything.
    void placeInCorner(double layoutScale);
    void showWhetherItCanSpeak();

    ReadAloud m_readAloud;
};
