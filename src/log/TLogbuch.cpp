#include "log/TLogbuch.h"

TLogbuch *Logbuch = nullptr;

TLogbuch::TLogbuch(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Protokoll"));
}
