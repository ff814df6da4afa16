#pragma once

#include <filesystem>
#include <iosfwd>

#include "core/column_set.h"

// Writing a bet file: the count in decimal on the first line, then one line
// per column in storage order with its 14 signs as CColumn::WriteText writes
// them ('1', 'X', '2'; any code above 2 as '2'). Every line, the last one
// included, ends in CR LF. An empty bet is the 3 bytes "0\r\n"; the full set
// of 4,782,969 columns takes 76,527,513 bytes.

// Writes the bet to the stream in large blocks. Returns the stream; when it
// did not take every byte its state is bad().
std::ostream& WriteBet(std::ostream& out, const CColumnSet& bet);

// Why a save failed.
enum class BetSaveFailure {
    kNone,            // saved
    kIsFolder,        // the path names a folder
    kNotRegularFile,  // the path names something that takes no writing (a socket, a pipe nobody
                      // reads)
    kNotWritable,     // the file exists and the user may not write it; it was left as it was
    kCannotCreate,   // no new file could be made in the folder (missing folder, no permission, ...)
    kWriteFailed,    // writing, flushing or closing the new file failed (full disk, ...)
    kCannotReplace,  // the new file could not take the place of the old one
    kWriteInPlaceFailed,  // writing into the existing file failed part of the way: it may be
                          // incomplete
};

struct BetSaveResult {
    BetSaveFailure failure = BetSaveFailure::kNone;
    // The error number of the failing system call, 0 when there was none.
    int systemError = 0;

    bool Saved() const { return failure == BetSaveFailure::kNone; }
};

// Saves the bet to a file so that a failure never passes for a success, and
// the file afterwards is the one the user had, with the new text.
// - A symbolic link is followed (link after link) and its target written; a
//   link to nothing creates its target.
// - An existing target that the user may not write is refused (kNotWritable)
//   and left alone.
// - A new file, or an existing plain file with a single name and no extended
//   attributes whose owner, group and permission bits a new file in its
//   folder can take, is replaced in one step: the text goes to a new hidden
//   file in the same folder, every byte is checked written and the file
//   flushed to the disk, and only then does it take the target's place. On
//   any failure the new file is removed and the target is left exactly as
//   it was (or absent).
// - Any other existing target (a file with more than one name, a file that
//   another user owns, a file in a folder that takes no new file, a pipe, a
//   device) is written in place: room for the whole text is reserved first,
//   so that a full disk leaves the file as it was; then the text is written
//   from its start, the file cut to its length and flushed to the disk. A
//   failure after the reservation is kWriteInPlaceFailed. A pipe that nobody
//   reads is refused rather than waited on (kNotRegularFile, ENXIO).
BetSaveResult WriteBet(const std::filesystem::path& path, const CColumnSet& bet);
