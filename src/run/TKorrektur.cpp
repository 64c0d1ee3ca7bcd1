#include "run/TKorrektur.h"

TKorrektur *Korrektur = nullptr;

TKorrektur::TKorrektur(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Korrektur"));
}
