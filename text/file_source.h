#pragma once

#include <filesystem>
#include <istream>
#include <memory>

namespace lumo {

// Whether reading may wait for the writer of a pipe, FIFO or terminal named
// as the file to read. A window never waits: a FIFO without a writer reads
// as empty and one whose writer has written nothing yet is unreadable
// (EAGAIN). A command line program may wait, as `cat` does, so that a
// process substitution (`<(...)`) reads whole.
enum class PipeWaiting { kNever, kMayWait };

// The text a reader reads and the descriptor it comes through: a file opened
// by name, or a stream the caller holds (standard input). Opening never
// waits, whatever is named.
class FileSource {
  public:
    // Opens `path` for reading. A folder is not opened: OpenError() is EISDIR.
    FileSource(const std::filesystem::path& path, PipeWaiting waiting);
    // Reads `in`, which reads from `descriptor` (-1 when it reads from none
    // or the caller cannot tell). Neither is owned.
    FileSource(std::istream& in, int descriptor);
    ~FileSource();
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    // The error number of a failed opening; 0 when the text can be read.
    int OpenError() const { return openError; }
    // The descriptor the text comes through; -1 when unknown.
    int Descriptor() const { return descriptor; }
    // Whether the source is a file opened by name, read to its end and
    // closed afterwards: nothing read need go back into it.
    bool OpenedByName() const { return ownBuffer != nullptr; }
    std::istream& Stream() { return *stream; }

  private:
    int descriptor = -1;
    int openError = 0;
    std::unique_ptr<std::streambuf> ownBuffer;
    std::unique_ptr<std::istream> ownStream;
    std::istream* stream = nullptr;
};

}  // namespace lumo
