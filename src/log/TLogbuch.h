#pragma once
// The log viewer: the result log grouped by exercise, with a school grade per run.

#include <QDialog>

class TLogbuch : public QDialog
{
    Q_OBJECT
public:
    explicit TLogbuch(QWidget *parent = nullptr);
};

extern TLogbuch *Logbuch;
