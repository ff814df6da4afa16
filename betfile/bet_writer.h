#pragma once

#include <filesystem>
#include <iosfwd>

#include "betfile/save_result.h"
#include "core/column_set.h"

namespace lumo {

// Writing a bet file: the count in decimal on the first line, then one line
// per column in storage order with its 14 signs as CColumn::WriteText writes
// them ('1', 'X', '2'; any code above 2 as '2'). Every line, the last one
// included, ends in CR LF. An empty bet is the 3 bytes "0\r\n"; the full set
// of 4,782,969 columns takes 76,527,513 bytes.

// Writes the bet to the stream in large blocks. Returns the stream; when it
// did not take every byte its state is bad().
std::ostream& WriteBet(std::ostream& out, const CColumnSet& bet);

// Saves the bet to a file so that a failure never passes for a success, the
// file afterwards is the one the user had, with the new text, and a save cut
// off at any moment (killed, crashed, interrupted) leaves the whole old
// text, the whole new one, or a file that every reader of ours refuses.
// - A symbolic link is followed (link after link) and its target written; a
//   link to nothing creates its target. A link in a sticky folder that every
//   user may write is followed only when it belongs to the folder's owner or
//   to the saving user, as the kernel's protected_symlinks rule has it;
//   another user's link there is refused (kUnsafeLink) and nothing changes.
// - In such a folder, a regular file with more than one name is refused
//   (kUnsafeHardLink) and left alone: another user may have made the name
//   there for a file of the saver's (shared_folder.h). So is a pipe, device
//   or socket that the saving user does not own (kUnsafeSpecialFile): a
//   pipe that another user holds open without reading would stop the save
//   for ever, and the bet would go to that user.
// - There too, a file that belongs neither to the saving user nor to the
//   folder's owner is refused (kUnsafeOtherUsersFile), as the kernel's
//   protected_regular rule at its strictest has it, whatever the system's
//   setting: the bet would go to that user.
// - An existing target that the user may not write is refused (kNotWritable)
//   and left alone.
// - An existing regular file is locked (flock) for the whole save; when
//   another save holds its lock, the save is refused at once (kBeingSaved,
//   EWOULDBLOCK) and the file left to that save (save_lock.h).
// - The temporary files that earlier saves into the same folder left when
//   they were killed are removed first (temporary_file.h says which).
// - A new file, or an existing plain file with a single name, is replaced in
//   one step when a new file in its folder can take its owner, group,
//   permission bits and extended attributes (access control lists, security
//   label): the text goes to a new hidden file in the same folder, made
//   readable by the saving user only; every byte is checked written, the
//   file gets its attributes and final permission bits (a new target those
//   a file made in the folder gets), is flushed to the disk, and only then
//   takes the target's place. On any failure the new file is removed and the
//   target is left exactly as it was (or absent).
// - Any other existing target (a file with more than one name, a file whose
//   owner or attributes a new file cannot take, a file in a folder that takes
//   no new file or that is mounted on its own, a pipe, a device) is written
//   in place as in_place_save.h describes: a full disk leaves it as it was;
//   a failure or a kill part of the way leaves it marked as the remains of
//   an interrupted save (kWriteInPlaceFailed for a failure).
SaveResult WriteBet(const std::filesystem::path& path, const CColumnSet& bet);

}  // namespace lumo
