#include <iostream>
#include <string>
#include <vector>

#include "detect/tool/DetectCommand.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    sentrel::detect::DetectCommand command;
    return command.run(args, std::cin, std::cout, std::cerr);
}
