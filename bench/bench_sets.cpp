#include "bench/bench_sets.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "betfile/bet_writer.h"

using namespace lumo;

namespace {

CColumnSet& MakeFullSet() {
    static CColumnSet set(kAllColumns);
    set.GenerateAll(Scoring());
    return set;
}

}  // namespace

const CColumnSet& FullSetInIndexOrder() {
    static const CColumnSet& set = MakeFullSet();
    return set;
}

const CColumnSet& FullSetByScore() {
    static CColumnSet set(kAllColumns);
    static const bool sorted = [] {
        CopyColumns(FullSetInIndexOrder(), kAllColumns, set);
        set.SortByScore();
        return true;
    }();
    static_cast<void>(sorted);
    return set;
}

void CopyColumns(const CColumnSet& source, std::int32_t count, CColumnSet& target) {
    target.Truncate(0);
    target.Reserve(count);
    // Bring the count up cheaply, then overwrite the slots.
    if (count == kAllColumns) {
        target.GenerateAll(Scoring());
    } else {
        for (std::int32_t i = 0; i < count; ++i) {
            target.AppendNoGrow(source[i]);
        }
        return;
    }
    std::copy(source.begin(), source.begin() + count, &target[0]);
}

const std::string& FullBetText() {
    static const std::string text = [] {
        std::ostringstream written;
        WriteBet(written, FullSetInIndexOrder());
        return std::move(written).str();
    }();
    return text;
}

namespace {

// A file that is removed when the program ends.
struct TemporaryFile {
    std::filesystem::path path;
    ~TemporaryFile() {
        std::error_code ignored;
        std::filesystem::remove(path, ignored);
    }
};

// The system's folder for temporary files, or /tmp when it names none.
std::filesystem::path TemporaryFolder() {
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    return error ? std::filesystem::path("/tmp") : folder;
}

}  // namespace

const std::filesystem::path& FullBetFile() {
    static const TemporaryFile file{TemporaryFolder() /
                                    ("lumo-bench-" + std::to_string(::getpid()) + ".txt")};
    static const bool written = [] {
        std::ofstream(file.path, std::ios::binary) << FullBetText();
        return true;
    }();
    static_cast<void>(written);
    return file.path;
}
