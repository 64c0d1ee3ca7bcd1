// brimbelo-klasse: sets up and changes, as root, the folders in which the children of a
// class write their logs. The first word picks the command.

#include "setup/Commands.h"
#include "setup/Refusal.h"

#include <iostream>

int main(int argc, char *argv[])
{
    const Arguments arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
        std::cerr << HelpText();
        return 2;
    }
    if (arguments[0] == "-h" || arguments[0] == "--help" || arguments[0] == "hilfe") {
        std::cout << HelpText();
        return 0;
    }
    for (const Command &command : Commands()) {
        if (command.name != arguments[0])
            continue;
        try {
            return command.run(Arguments(arguments.begin() + 1, arguments.end()));
        } catch (const std::exception &refusal) {
            std::cerr << "brimbelo-klasse: " << refusal.what() << "\n";
            return 1;
        }
    }
    std::cerr << HelpText();
    return 2;
}
