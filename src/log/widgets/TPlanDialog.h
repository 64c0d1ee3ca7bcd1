#pragma once
// The dialog "Plan": the teacher picks what her class, or one child, practises: the kinds
// as check boxes by family, a grade's kinds at one click, the number of tasks of a run and
// the kind for today. What a plan may say and where it lies is the plan room's.

#include "plan/ClassPlan.h"

#include <QDialog>
#include <QHash>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

class QScrollArea;

class TPlanDialog : public QDialog
{
    Q_OBJECT
public:
    TPlanDialog(const QString &classFolder, const QStringList &children, QWidget *parent = nullptr);

    QComboBox *WhoBox;        // "die ganze Klasse", then each child
    QLabel *StateLabel;       // whose plan applies now, or why it is unusable
    QComboBox *TasksBox;      // the run as always, or 10, 20, 30 tasks
    QComboBox *TodayBox;      // no kind, or the kind offered first
    QPushButton *SaveButton;
    QPushButton *RemoveButton;   // a child's own plan
    QPushButton *CloseButton;

    QCheckBox *kindBox(qint32 kind) const { return m_kindBoxes.value(kind); }
    // The plan as the dialog shows it now.
    ClassPlan shownPlan() const;
    // Whether a plan was saved or removed while the dialog stood.
    bool changedPlan() const { return m_changed; }
    // Saves the shown plan for the chosen class or child; false, after telling why, when it
    // cannot be saved.
    bool SaveButtonClick();

protected:
    // Sized to what it shows once that stands in the style it is shown in.
    void showEvent(QShowEvent *event) override;

private:
    QWidget *makeKindBoxes(int columns);
    QWidget *makePresets();
    void WhoBoxChange();
    void RemoveButtonClick();
    void showPlan(const ClassPlan &plan);
    QString chosenPath() const;

    QString m_classFolder;
    QHash<qint32, QCheckBox *> m_kindBoxes;
    QScrollArea *m_scrolled = nullptr;
    bool m_changed = false;
};
