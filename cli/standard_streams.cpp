#include "cli/standard_streams.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>

StandardOutput StandardOutputNow() {
    return ::isatty(STDOUT_FILENO) == 1 ? StandardOutput::kTerminal : StandardOutput::kFileOrPipe;
}

void HoldClosedStandardStreams() {
    struct StandIn {
        int fd;
        int flags;  // the direction the stream does not use
    };
    constexpr std::array kStandIns{StandIn{STDIN_FILENO, O_WRONLY},
                                   StandIn{STDOUT_FILENO, O_RDONLY},
                                   StandIn{STDERR_FILENO, O_RDONLY}};
    for (const StandIn& standIn : kStandIns) {
        if (::fcntl(standIn.fd, F_GETFD) == -1) {
            // open gives the lowest free number: this one, as the lower ones are held.
            const int fd = ::open("/dev/null", standIn.flags);
            if (fd != standIn.fd && fd >= 0) {
                ::close(fd);
            }
        }
    }
}
