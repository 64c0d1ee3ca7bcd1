#pragma once
// The exercise window: one practice run with its task area, feedback and balance strip.

#include <QDialog>

class TForm2 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);
};

extern TForm2 *Form2;
