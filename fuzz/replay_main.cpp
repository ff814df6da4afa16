// Replays saved inputs through a fuzz harness without libFuzzer: every file
// named on the command line, and every file in a folder named there, in name
// order. Fails when there is nothing to replay or an input cannot be read;
// a harness finding aborts the program.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool Replay(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(file),
                                  std::istreambuf_iterator<char>()};
    if (file.bad() || !file.is_open()) {
        std::fprintf(stderr, "cannot read %s\n", path.c_str());
        return false;
    }
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return true;
}

// Adds the regular files of `folder` to `inputs`; false when it cannot be listed.
bool AddFolder(const std::filesystem::path& folder, std::vector<std::filesystem::path>& inputs) {
    std::error_code error;
    for (std::filesystem::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code ignored;
        if (entry->is_regular_file(ignored)) {
            inputs.push_back(entry->path());
        }
    }
    if (error) {
        std::fprintf(stderr, "cannot list %s\n", folder.c_str());
    }
    return !error;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::filesystem::path> inputs;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path argument(argv[i]);
        std::error_code ignored;
        if (std::filesystem::is_directory(argument, ignored)) {
            if (!AddFolder(argument, inputs)) {
                return 1;
            }
        } else {
            inputs.push_back(argument);
        }
    }
    std::sort(inputs.begin(), inputs.end());
    if (inputs.empty()) {
        std::fprintf(stderr, "nothing to replay\n");
        return 1;
    }
    for (const auto& input : inputs) {
        if (!Replay(input)) {
            return 1;
        }
    }
    std::printf("replayed %zu inputs\n", inputs.size());
    return 0;
}
