#include "tests/betfile/save_test_support.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>

#include "betfile/bet_reader.h"
#include "betfile/strict_bet_reader.h"

using namespace lumo;

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string TextOf(const CColumnSet& bet) {
    std::ostringstream out;
    WriteBet(out, bet);
    return out.str();
}

std::unique_ptr<CColumnSet> BetOf(std::initializer_list<std::int32_t> indices) {
    auto bet = std::make_unique<CColumnSet>();
    for (const auto index : indices) {
        bet->AppendNoGrow(CColumn(index));
    }
    return bet;
}

std::unique_ptr<CColumnSet> LargeBet(std::int32_t count, std::int32_t first, std::int32_t step) {
    auto bet = std::make_unique<CColumnSet>(count);
    std::int64_t index = first;
    for (std::int32_t i = 0; i < count; ++i) {
        bet->AppendNoGrow(CColumn(static_cast<std::int32_t>(index % kAllColumns)));
        index += step;
    }
    return bet;
}

SaveAftermath AftermathOf(const fs::path& path, const std::string& oldText,
                          const std::string& newText) {
    const std::string contents = Contents(path);
    if (contents == oldText) {
        return SaveAftermath::kOld;
    }
    if (contents == newText) {
        return SaveAftermath::kNew;
    }
    CColumnSet tolerant;
    const BetReadResult read = ReadBet(path, tolerant);
    CColumnSet strict;
    const BetFileRead checked = ReadBetStrictly(path, strict);
    return read.end != BetReadEnd::kComplete && read.added == 0 &&
                   checked.error == BetFileError::kInterruptedSave
               ? SaveAftermath::kRefused
               : SaveAftermath::kMixed;
}

std::vector<std::string> TemporaryFilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        if (name.starts_with(".lumo-") && name.ends_with(".tmp")) {
            names.push_back(name);
        }
    }
    return names;
}

ScratchFolder::ScratchFolder(const std::string& name)
    : path(fs::temp_directory_path() / ("lumo-" + name + "-" + std::to_string(::getpid()))) {
    fs::remove_all(path);
    fs::create_directory(path);
    fs::permissions(path, fs::perms::all);
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path, ignored);
}

std::size_t ScratchFolder::Entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(path), {}));
}

bool RunningAsRoot() {
    return ::geteuid() == 0;
}

Identity Saver() {
    return {kSaverUid, kSaverGid, {kSharedGroup}};
}

Identity OtherUser() {
    return {kOtherUid, kOtherUid, {}};
}

uid_t EffectiveUid(const Identity& identity) {
    return RunningAsRoot() ? identity.uid : ::geteuid();
}

pid_t StartChild(const std::function<void()>& work) {
    const pid_t child = ::fork();
    if (child == 0) {
        work();
        ::_exit(0);
    }
    return child;
}

pid_t StartChild(const Identity& identity, const std::function<void()>& work) {
    return StartChild([&] {
        if (RunningAsRoot() &&
            (::setgroups(identity.groups.size(), identity.groups.data()) != 0 ||
             ::setgid(identity.gid) != 0 || ::setuid(identity.uid) != 0 || ::setuid(0) == 0)) {
            ::_exit(2);
        }
        work();
    });
}

std::string InChild(const Identity& identity, const std::function<std::string()>& work) {
    int channel[2];
    if (::pipe(channel) != 0) {
        ADD_FAILURE() << "no pipe";
        return {};
    }
    const pid_t child = StartChild(identity, [&] {
        ::close(channel[0]);
        const std::string result = work();
        if (::write(channel[1], result.data(), result.size()) !=
            static_cast<ssize_t>(result.size())) {
            ::_exit(3);
        }
    });
    ::close(channel[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t got; (got = ::read(channel[0], buffer, sizeof buffer)) > 0;) {
        result.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(channel[0]);
    int status = -1;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
    return result;
}

SaveResult SaveAs(const Identity& identity, const fs::path& path, const CColumnSet& bet) {
    const std::string bytes = InChild(identity, [&] {
        const SaveResult result = WriteBet(path, bet);
        return std::string(reinterpret_cast<const char*>(&result), sizeof result);
    });
    SaveResult result{.failure = SaveFailure::kNone, .systemError = -1};
    if (bytes.size() == sizeof result) {
        std::memcpy(&result, bytes.data(), sizeof result);
    } else {
        ADD_FAILURE() << "no result from the saving child";
    }
    return result;
}

void GiveTo(const fs::path& path, const Identity& identity) {
    if (RunningAsRoot()) {
        ASSERT_EQ(::lchown(path.c_str(), identity.uid, identity.gid), 0) << path;
    }
}
