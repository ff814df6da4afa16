#pragma once

#include <sys/types.h>

#include <filesystem>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "betfile/bet_writer.h"
#include "core/column_set.h"

// Helpers shared by the tests that save bets: folders, bets, file contents
// and saves made by other users in child processes.

// The whole contents of a file ("" when it cannot be read).
std::string Contents(const std::filesystem::path& path);

// The text WriteBet gives for the bet.
std::string TextOf(const lumo::CColumnSet& bet);

// A bet of the columns of these indices (column sets can be neither copied
// nor moved, hence the pointer).
std::unique_ptr<lumo::CColumnSet> BetOf(std::initializer_list<std::int32_t> indices);

// A bet of `count` columns, the indices first, first + step, ... (modulo all
// columns).
std::unique_ptr<lumo::CColumnSet> LargeBet(std::int32_t count, std::int32_t first = 0,
                                           std::int32_t step = 1);

// What a save stopped part of the way left in the file.
enum class SaveAftermath {
    kOld,      // the whole old text
    kNew,      // the whole new text
    kRefused,  // a file the window's reader appends nothing from and the
               // strict reader names as the remains of an interrupted save
    kMixed,    // anything else
};
SaveAftermath AftermathOf(const std::filesystem::path& path, const std::string& oldText,
                          const std::string& newText);

// The names in the folder that look like a save's temporary file
// (".lumo-" ... ".tmp").
std::vector<std::string> TemporaryFilesIn(const std::filesystem::path& folder);

// A fresh, empty folder under the system's temporary folder, open to every
// user (so that the other users of a test can reach what is inside), removed
// with what it holds when the object dies.
class ScratchFolder {
  public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path; }
    std::size_t Entries() const;

  private:
    std::filesystem::path path;
};

// Who a child process runs as.
struct Identity {
    uid_t uid;
    gid_t gid;
    std::vector<gid_t> groups;
};

// The unprivileged user the saves run as (nobody), a group it also belongs
// to, and a second unprivileged user, the other user of a shared folder.
inline constexpr uid_t kSaverUid = 65534;
inline constexpr gid_t kSaverGid = 65534;
inline constexpr gid_t kSharedGroup = 100;
inline constexpr uid_t kOtherUid = 4242;

// The saving user: nobody when the tests run as root, else the user running
// them (who has no privileges to drop).
Identity Saver();
// The other user; only root can become it.
Identity OtherUser();

bool RunningAsRoot();
// The user id a file made by `identity` gets: its own when the tests run as
// root, else the user running them.
uid_t EffectiveUid(const Identity& identity);

// Starts a child process that first takes `identity` (when the tests run as
// root; otherwise it stays the user running them), then runs `work` and ends
// with status 0 (2 when it could not take the identity).
pid_t StartChild(const Identity& identity, const std::function<void()>& work);
// The same without changing the user.
pid_t StartChild(const std::function<void()>& work);

// Runs `work` in such a child and returns the bytes `work` returned. A child
// that fails to take the identity or does not end normally fails the test.
std::string InChild(const Identity& identity, const std::function<std::string()>& work);

// Saves the bet as `identity`, in a child process.
lumo::SaveResult SaveAs(const Identity& identity, const std::filesystem::path& path,
                        const lumo::CColumnSet& bet);

// Gives the file or folder to the identity's user and group (when root).
void GiveTo(const std::filesystem::path& path, const Identity& identity);
