#pragma once
// The on-screen number pad in the feedback box: its keys type into the answer field as
// the keyboard would, through the same key filter, and never take the focus from it; "OK"
// presses "&Okay". A button in the task box shows or hides it. Which keys there are and
// where they stand is NumberPad's; where the button stands is the layout's.

#include "run/ExerciseLayout.h"

#include <QList>
#include <QWidget>

class QAbstractButton;
class QPushButton;

class TZiffernblock : public QObject
{
    Q_OBJECT
public:
    // The keys are children of `box`; they type into `answerField` and press `okButton`.
    // The button that shows or hides them stands beside the answer in `taskBox`, in the
    // row of `okButton`.
    TZiffernblock(QWidget *box, QWidget *taskBox, QWidget *answerField, QAbstractButton *okButton);

    // Shows the keys for a task of `kind` when the user wants them, and makes room under
    // the reward animation.
    void placeFor(const ExerciseLayout &layout, qint32 kind, QWidget *rewardSurface);
    void hide();

    const QList<QPushButton *> &keys() const { return m_keys; }
    QPushButton *showButton() const { return m_showButton; }

private:
    void press(int index);
    void showOrHide(bool shown);

    QWidget *m_answerField;
    QAbstractButton *m_okButton;
    QList<QPushButton *> m_keys;
    QPushButton *m_showButton;
    // The last placing, repeated when the button changes the choice.
    ExerciseLayout m_layout;
    qint32 m_kind = 0;
    QWidget *m_rewardSurface = nullptr;
};
