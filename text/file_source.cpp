#include "text/file_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ext/stdio_filebuf.h>

namespace lumo {

namespace {

// Opens without waiting for a FIFO's writer; returns the error number of a
// failure, the descriptor in `fd` otherwise.
int OpenForReading(const std::filesystem::path& path, PipeWaiting waiting, int& fd) {
    fd = ::open(path.c_str(), O_RDONLY | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return errno;
    }
    struct stat status {};
    int error = ::fstat(fd, &status) != 0 ? errno : S_ISDIR(status.st_mode) ? EISDIR : 0;
    if (error == 0 && waiting == PipeWaiting::kMayWait && !S_ISREG(status.st_mode)) {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
            error = errno;
        }
    }
    if (error != 0) {
        ::close(fd);
        fd = -1;
    }
    return error;
}

}  // namespace

FileSource::FileSource(const std::filesystem::path& path, PipeWaiting waiting) {
    openError = OpenForReading(path, waiting, descriptor);
    if (openError != 0) {
        // A stream that reads nothing, for readers that read before asking.
        ownStream = std::make_unique<std::istream>(nullptr);
        stream = ownStream.get();
        return;
    }
    // The buffer closes the descriptor when it goes.
    ownBuffer = std::make_unique<__gnu_cxx::stdio_filebuf<char>>(descriptor, std::ios::in);
    ownStream = std::make_unique<std::istream>(ownBuffer.get());
    stream = ownStream.get();
}

FileSource::FileSource(std::istream& in, int descriptor) : descriptor(descriptor), stream(&in) {}

FileSource::~FileSource() = default;

}  // namespace lumo
