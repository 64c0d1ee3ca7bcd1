#pragma once
// The title window: the program's home screen with the title picture and the main menu.

#include <QDialog>

class TTitelbild : public QDialog
{
    Q_OBJECT
public:
    explicit TTitelbild(QWidget *parent = nullptr);
};

extern TTitelbild *Titelbild;
