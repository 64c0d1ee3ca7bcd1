#pragma once
// The correction dialog that shows the worked solution after a wrong answer.

#include <QDialog>

class TKorrektur : public QDialog
{
    Q_OBJECT
public:
    explicit TKorrektur(QWidget *parent = nullptr);
};

extern TKorrektur *Korrektur;
