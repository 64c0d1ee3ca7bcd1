#pragma once
// The window "Fehlerbilder": per child and kind the tasks, the wrong answers and the
// mistakes they show with counts and examples, the class's most frequent mistakes above,
// and their export. A double-click on a child lists her answers. What is counted is the
// log room's (ClassMistakes); this window lays it out.

#include "log/class/ClassMistakes.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

class TFehlerbilder : public QDialog
{
    Q_OBJECT
public:
    explicit TFehlerbilder(QWidget *parent = nullptr);

    QLabel *ClassLabel;       // the class's most frequent mistakes
    QTreeWidget *Tree;        // children, and under each her kinds
    QPushButton *ExportButton;
    QPushButton *CloseButton;

    // Reads the answer records of the class folder and shows them.
    void ShowClass(const QString &classFolder);
    // Writes the table to path, telling the user if that fails or path lies in the class folder.
    bool ExportTo(const QString &path);

private:
    void TreeDoubleClick(QTreeWidgetItem *item);
    void ExportButtonClick();

    QString folder;
    ClassMistakes mistakes;
};
