// lumo-cli: the bet operations of Lumo from the command line.
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> words(argv + 1, argv + argc);
    return RunLumoCli(words, std::cin, std::cout, std::cerr, ProgressDisplayForStandardError());
}
