#pragma once
// The window "Klassenübersicht": the class table of a class folder as LayOutClassTable
// returns it, the children whose logs could not be read below it, and the export of the
// table. A double-click asks for a child's log; the log viewer answers (ShowChildLogsOf).
// For a class on one shared account the teacher also adds and strikes names there.

#include "log/class/ClassTable.h"

#include <QDialog>

#include <atomic>
#include <memory>
#include <optional>

class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;

// A class folder read and laid out for the window, on whichever thread.
struct ReadClass
{
    ClassTable table;
    QStringList problems;
    std::optional<QStringList> classList; // the names of a class on one shared account
};

class TKlassenUebersicht : public QDialog
{
    Q_OBJECT
public:
    explicit TKlassenUebersicht(QWidget *parent = nullptr);
    ~TKlassenUebersicht() override;

    QLabel *FolderLabel;
    QTableWidget *Table;
    QLabel *ProblemsLabel;
    QListWidget *ProblemList;
    QPushButton *ExportButton;
    QPushButton *MistakesButton;   // "Fehlerbilder"
    QPushButton *PlanButton;       // "Plan…": what the class practises
    QPushButton *AddNameButton;    // "Name hinzufügen…", only for a class on one shared account
    QPushButton *StrikeNameButton; // "Name streichen…", as well
    QPushButton *CloseButton;

    // Reads the class folder and shows its table; shown modally by the caller. The logs
    // are read on a worker thread while the window stands.
    void ShowClass(const QString &chosenFolder);
    bool IsReading() const;
    // Writes the table to path, telling the user if that fails or path lies in the class
    // folder.
    bool ExportTo(const QString &path);
    void done(int result) override;
    const QString &classFolder() const { return folder; }

signals:
    // A cell that opens a log was double-clicked: the child's log at path, showing the
    // progress of exercise (empty: the list of runs).
    void childLogWanted(const QString &path, const QString &exercise);

private:
    void TableDoubleClick(int row, int column);
    void ExportButtonClick();
    void MistakesButtonClick();
    void PlanButtonClick();
    void AddNameButtonClick();
    void StrikeNameButtonClick();
    void showClassList(const std::optional<QStringList> &names);
    void ShowReadClass(ReadClass read);
    void showProblems(const QStringList &problems);
    void stopReading();

    QString folder;
    ClassTable table;
    QStringList classList;        // a shared class's names as last read
    bool reading = false;
    quint64 readingNumber = 0;    // the latest reading started; earlier ones are not shown
    std::shared_ptr<std::atomic_bool> stop;   // set when the latest reading is no longer wanted
};
