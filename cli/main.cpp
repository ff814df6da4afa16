// lumo-cli: the bet operations of Lumo from the command line.
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>
#include <vector>

#include "betfile/save_interruption.h"
#include "cli/dispatch.h"

using namespace lumo;

int main(int argc, char** argv) {
    HoldClosedStandardStreams();
    InstallSaveInterruptionHandlers();
    // Past a file-size limit (ulimit -f) a write then fails with EFBIG, which
    // is reported and cleaned up like any failed write, instead of the
    // signal ending the program silently.
    std::signal(SIGXFSZ, SIG_IGN);
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> words(argv + 1, argv + argc);
    const Streams streams{
        std::cin,    std::cout, std::cerr, ProgressDisplayForStandardError(), StandardOutputNow(),
        STDIN_FILENO};
    return RunLumoCli(words, streams);
}
