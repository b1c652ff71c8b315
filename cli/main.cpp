#include "cli/CliCommands.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    const int status = RunCli(args, std::cout, std::cerr);
    std::cout.flush();
    return std::cout ? status : kExitFailed;
}
