// Appends answers to the answer record as the program does, telling on stdout the number
// of each answer once it is written: the tests kill it in the middle and count what arrived.
// Arguments: log directory, number of answers.

#include "HelperAnswer.h"

#include "log/AnswerRecord.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: answer_append_helper directory count\n");
        return 2;
    }
    SetLogSettings({QString(), arguments.at(1), true, 0});
    const int count = arguments.at(2).toInt();
    for (int i = 0; i < count; ++i) {
        const LogOutcome outcome = LogAnsweredTask(HelperAnswer(i));
        if (outcome.status != LogStatus::Done) {
            std::fprintf(stderr, "answer %d: %s\n", i, qPrintable(LogOutcomeMessage(outcome)));
            return 1;
        }
        std::printf("%d\n", i);
        std::fflush(stdout);
    }
    return 0;
}
