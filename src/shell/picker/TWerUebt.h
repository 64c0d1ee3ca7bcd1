#pragma once
// "Wer übt?": the first window on a class's shared account. One big button per child, her
// name beside her animal, in class-list order; the list scrolls when the class does not
// fit. A tap picks the child; closing the window ends the program.

#include <QDialog>
#include <QStringList>

class QScrollArea;

class TWerUebt : public QDialog
{
    Q_OBJECT
public:
    // `screenHeight` picks the layout, as for the other windows: the larger one above 600.
    TWerUebt(const QStringList &names, int screenHeight, QWidget *parent = nullptr);

    QScrollArea *nameList() const { return m_list; }

signals:
    void picked(const QString &child);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QWidget *nameButton(const QString &name, double scale);

    QScrollArea *m_list;
};

extern TWerUebt *WerUebt;
