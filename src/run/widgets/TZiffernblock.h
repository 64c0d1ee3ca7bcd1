#pragma once
// The on-screen number pad in the feedback box: its keys type into the answer field as
// the keyboard would, through the same key filter, and never take the focus from it; "OK"
// presses "&Okay". Which keys there are and where they stand is NumberPad's.

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
    TZiffernblock(QWidget *box, QWidget *answerField, QAbstractButton *okButton);

    // Shows the keys for a task of `kind` when the user wants them, and makes room under
    // the reward animation.
    void placeFor(const ExerciseLayout &layout, qint32 kind, QWidget *rewardSurface);
    void hide();

    const QList<QPushButton *> &keys() const { return m_keys; }

private:
    void press(int index);

    QWidget *m_answerField;
    QAbstractButton *m_okButton;
    QList<QPushButton *> m_keys;
};
