// Prints what the class overview reports about the class folder given as argument, one
// problem per line, as the account it runs in sees it.

#include "log/class/ClassOverview.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    for (const QString &problem : ReadClassOverview(QString::fromLocal8Bit(argv[1])).problems)
        std::printf("%s\n", problem.toUtf8().constData());
    return 0;
}
