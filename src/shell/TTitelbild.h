#pragma once
// The title window: the program's home screen with the title picture and the main menu,
// from which every practice run starts.

#include <QDialog>

class QMenu;
class QMenuBar;
class QPushButton;

class TTitelbild : public QDialog
{
    Q_OBJECT
public:
    explicit TTitelbild(QWidget *parent = nullptr);

    QMenuBar *menuBar() const { return m_menuBar; }

    // Opens the exercise window for one run of `kind`; returns when it has closed.
    void StartIt(const QString &caption, qint32 kind);
    // Hidden while a run is open, without ending its own modal display.
    void hideDuringRun();

    void InfoClick();
    void AnimationenClick();
    void UebenClick();
    void ProtokollClick();
    void Ende1Click();

signals:
    // A new window size wants the program started again; the program does it.
    void startAgainWanted();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void FormCreate();
    void createMenu();
    QMenu *addMenu(const QString &title);
    void addExercise(QMenu *menu, const char *name, const QString &caption, qint32 kind);
    void addItem(QMenu *menu, const char *name, const QString &caption, void (TTitelbild::*handler)());
    void addSeparator(QMenu *menu, const char *name);
    void showInformation(const QString &text);
    // Menus and the button for today as the child's plan has them now.
    void applyPlan();
    void TodayClick();

    QMenuBar *m_menuBar;
    QPushButton *m_today;
};

extern TTitelbild *Titelbild;
