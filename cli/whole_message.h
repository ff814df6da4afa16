#pragma once

#include <ostream>
#include <sstream>

// A message composed piece by piece and handed to its stream in one write
// when the statement that makes it ends:
//     WholeMessage(streams.err) << "Reducción al " << g << ".\n";
// Standard error is unbuffered, so each << on it would be a write of its
// own, and the messages of two lumo-cli processes sharing a terminal (a
// pipeline) would interleave mid-line.
class WholeMessage {
  public:
    explicit WholeMessage(std::ostream& out) : out(out) {}
    ~WholeMessage();
    WholeMessage(const WholeMessage&) = delete;
    WholeMessage& operator=(const WholeMessage&) = delete;

    template <typename Piece>
    WholeMessage& operator<<(const Piece& piece) {
        composed << piece;
        return *this;
    }

  private:
    std::ostream& out;
    std::ostringstream composed;
};
