#pragma once
// The window "Klassenübersicht": the class table of a class folder as LayOutClassTable
// returns it, the children whose logs could not be read below it, and the export of the
// table. A double-click asks for a child's log; the log viewer answers (ShowChildLogsOf).

#include "log/ClassTable.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

class TKlassenUebersicht : public QDialog
{
    Q_OBJECT
public:
    explicit TKlassenUebersicht(QWidget *parent = nullptr);

    QLabel *FolderLabel;
    QTableWidget *Table;
    QLabel *ProblemsLabel;
    QListWidget *ProblemList;
    QPushButton *ExportButton;
    QPushButton *CloseButton;

    // Reads the class folder and shows its table; shown modally by the caller.
    void ShowClass(const QString &chosenFolder);
    // Writes the table to path, telling the user if that fails or path lies in the class
    // folder.
    bool ExportTo(const QString &path);
    const QString &classFolder() const { return folder; }

signals:
    // A cell that opens a log was double-clicked: the child's log at path, showing the
    // progress of exercise (empty: the list of runs).
    void childLogWanted(const QString &path, const QString &exercise);

private:
    void TableDoubleClick(int row, int column);
    void ExportButtonClick();

    QString folder;
    ClassTable table;
};
