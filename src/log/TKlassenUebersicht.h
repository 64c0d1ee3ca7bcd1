#pragma once
// The window "Klassenübersicht": the class table of a class folder as LayOutClassTable
// returns it, the children whose logs could not be read below it, a child's log opened by
// a double-click, and the export of the table.

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

private:
    void TableDoubleClick(int row, int column);
    void ExportButtonClick();

    QString folder;
    ClassTable table;
};

// Asks for a class folder, offering the one chosen last, remembers the choice and shows
// its overview; does nothing when the choice is cancelled.
void ChooseAndShowClass(QWidget *parent);
// Shows the overview of folder, remembered as the class chosen last.
void ShowClassFolder(QWidget *parent, const QString &folder);
