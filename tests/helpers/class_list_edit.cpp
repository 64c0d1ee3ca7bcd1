// Changes a class list as the teacher's class overview does, so that the tests with real
// accounts can try it as a teacher. Arguments: the class folder, "hinzufuegen" or
// "streichen", the name. Exit status 1, with the overview's sentence on stderr, when the
// change was refused.

#include "log/class/SharedClass.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4 || (arguments.at(2) != QLatin1String("hinzufuegen") && arguments.at(2) != QLatin1String("streichen"))) {
        std::fprintf(stderr, "usage: class_list_edit CLASS_FOLDER hinzufuegen|streichen NAME\n");
        return 2;
    }
    const QString refusal = arguments.at(2) == QLatin1String("hinzufuegen") ? AddToClassList(arguments.at(1), arguments.at(3))
                                                                           : StrikeFromClassList(arguments.at(1), arguments.at(3));
    if (refusal.isEmpty())
        return 0;
    std::fprintf(stderr, "%s\n", qPrintable(refusal));
    return 1;
}
