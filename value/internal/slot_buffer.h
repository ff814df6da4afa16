#pragma once

#include <cstddef>
#include <memory>

namespace lumo::internal {

// An uninitialised array of `count` trivially copyable T, the size of all
// columns' slots (hundreds of MB), asked of the system in huge pages where it
// gives them: a fresh buffer then costs hundreds of page faults instead of
// tens of thousands. Throws std::bad_alloc when no memory is to be had.
class RawBuffer {
  public:
    explicit RawBuffer(std::size_t bytes);
    void* Data() const { return data.get(); }

  private:
    struct Free {
        void operator()(void* block) const noexcept;
    };
    std::unique_ptr<void, Free> data;
};

template <typename T>
class SlotBuffer {
  public:
    explicit SlotBuffer(std::size_t count) : raw(count * sizeof(T)) {}
    T* Data() const { return static_cast<T*>(raw.Data()); }
    T& operator[](std::size_t i) const { return Data()[i]; }

  private:
    RawBuffer raw;
};

}  // namespace lumo::internal
