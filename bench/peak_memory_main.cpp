// Measured in a fresh process, so that nothing of a benchmark run counts:
// how far the peak resident size (getrusage's ru_maxrss) rises
//   open FILE  while the bet file FILE is read into an empty bet;
//   generate   while all columns are generated over a full bet whose
//              storage holds them.
// Prints the rise in KiB and the size of the set's columns in KiB; exits 1
// when the operation did not give all columns.
#include <sys/resource.h>

#include <cstdio>
#include <cstring>
#include <memory>

#include "betfile/bet_reader.h"
#include "core/column_set.h"

using namespace lumo;

namespace {

long PeakKibibytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

}  // namespace

int main(int argc, char** argv) {
    auto bet = std::make_unique<CColumnSet>();
    long before = 0;
    if (argc == 3 && std::strcmp(argv[1], "open") == 0) {
        before = PeakKibibytes();
        if (ReadBet(std::filesystem::path(argv[2]), *bet).end != BetReadEnd::kComplete) {
            return 1;
        }
    } else if (argc == 2 && std::strcmp(argv[1], "generate") == 0) {
        RenewWithAllColumns(bet, Scoring());
        before = PeakKibibytes();
        RenewWithAllColumns(bet, Scoring());
    } else {
        std::fprintf(stderr, "usage: %s open FILE | generate\n", argv[0]);
        return 2;
    }
    if (bet->Count() != kAllColumns) {
        return 1;
    }
    std::printf("%ld %ld\n", PeakKibibytes() - before,
                static_cast<long>(sizeof(CColumn)) * kAllColumns / 1024);
    return 0;
}
