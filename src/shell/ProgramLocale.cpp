#include "shell/ProgramLocale.h"

#include <QLocale>

void UseGermanWhenNoLocaleIsSet()
{
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
}
