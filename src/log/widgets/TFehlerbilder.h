#pragma once
// The window "Fehlerbilder": per child and kind the tasks, the wrong answers and the
// mistakes they show with counts and examples, the class's most frequent mistakes above,
// and their export. A double-click on a child lists her answers. What is counted is the
// log room's (ClassMistakes); this window lays it out.

#include "log/class/ClassMistakes.h"

#include <QDialog>

#include <atomic>
#include <memory>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class TFehlerbilder : public QDialog
{
    Q_OBJECT
public:
    explicit TFehlerbilder(QWidget *parent = nullptr);
    ~TFehlerbilder() override;

    QLabel *ClassLabel;       // the class's most frequent mistakes
    QTreeWidget *Tree;        // children, and under each her kinds
    QPushButton *ExportButton;
    QPushButton *CloseButton;

    // Reads the answer records of the class folder on a worker thread while the window
    // stands, and shows them once read.
    void ShowClass(const QString &classFolder);
    bool IsReading() const;
    // Writes the table to path, telling the user if that fails or path lies in the class folder.
    bool ExportTo(const QString &path);
    void done(int result) override;

private:
    void TreeDoubleClick(QTreeWidgetItem *item);
    void ExportButtonClick();
    void ShowMistakes(ClassMistakes read);
    void stopReading();
    void stopAnswers();

    QString folder;
    ClassMistakes mistakes;
    bool reading = false;
    quint64 readingNumber = 0;    // the latest reading started; earlier ones are not shown
    std::shared_ptr<std::atomic_bool> stop;   // set when the latest reading is no longer wanted
    std::shared_ptr<std::atomic_bool> answersStop;   // the same for a child's answers
};
