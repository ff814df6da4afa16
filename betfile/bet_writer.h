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
    kNotRegularFile,  // the path names something other than a file (a device, a pipe)
    kCannotCreate,   // no new file could be made in the folder (missing folder, no permission, ...)
    kWriteFailed,    // writing, flushing or closing the new file failed (full disk, ...)
    kCannotReplace,  // the new file could not take the place of the old one
};

struct BetSaveResult {
    BetSaveFailure failure = BetSaveFailure::kNone;
    // The error number of the failing system call, 0 when there was none.
    int systemError = 0;

    bool Saved() const { return failure == BetSaveFailure::kNone; }
};

// Saves the bet to a file so that a failure never passes for a success and
// never destroys what was there: the text goes to a new hidden file in the
// same folder, every byte is checked written and the file flushed to the
// disk, and only then does it replace the target in one step. On any failure
// the new file is removed, the target is left exactly as it was (or absent),
// and the result says why. A target that is a symbolic link to a file keeps
// the link and has the linked file replaced; a replaced file keeps its
// permission bits.
BetSaveResult WriteBet(const std::filesystem::path& path, const CColumnSet& bet);
