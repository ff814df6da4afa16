#pragma once

#include <cstddef>
#include <streambuf>
#include <string>
#include <utility>

namespace lumo {

// A stream buffer that gives `start` and then the same byte without end, as
// /dev/zero or a runaway pipe does, counting every byte it hands out: a
// reader must give up on it after a bounded read.
class EndlessText : public std::streambuf {
  public:
    EndlessText(std::string start, char repeated)
        : text(std::move(start)), fill(kFillBytes, repeated) {
        setg(text.data(), text.data(), text.data() + text.size());
        given = text.size();
    }

    std::size_t Given() const { return given - static_cast<std::size_t>(egptr() - gptr()); }

  protected:
    int_type underflow() override {
        setg(fill.data(), fill.data(), fill.data() + fill.size());
        given += fill.size();
        return traits_type::to_int_type(fill.front());
    }

  private:
    static constexpr std::size_t kFillBytes = 4096;
    std::string text;
    std::string fill;
    std::size_t given = 0;
};

}  // namespace lumo
