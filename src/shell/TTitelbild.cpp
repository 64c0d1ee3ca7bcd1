#include "shell/TTitelbild.h"

TTitelbild *Titelbild = nullptr;

TTitelbild::TTitelbild(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Brimbelo v0.1"));
    setFixedSize(628, 400);
}
