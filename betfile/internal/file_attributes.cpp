#include "betfile/internal/file_attributes.h"

#include <sys/stat.h>
#include <sys/xattr.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "betfile/internal/save_hook.h"

namespace lumo::internal {

namespace {

constexpr mode_t kNewFileBits = 0666;

// The names in a list as listxattr gives it: each ends in a NUL.
std::vector<std::string> Names(const std::string& list) {
    std::vector<std::string> names;
    for (std::size_t start = 0; start < list.size();) {
        const std::size_t end = list.find('\0', start);
        names.emplace_back(list, start, end - start);
        start = end + 1;
    }
    return names;
}

// Reads with the size-then-data protocol of the attribute calls: `read(buffer,
// size)` gives the length, or -1; a size of 0 asks for the length only.
template <typename Read>
bool ReadSized(std::string& text, Read&& read) {
    for (int attempt = 0; attempt < 4; ++attempt) {
        const ssize_t length = read(nullptr, 0);
        if (length < 0) {
            return false;
        }
        text.resize(static_cast<std::size_t>(length));
        const ssize_t got = read(text.data(), text.size());
        if (got >= 0) {
            text.resize(static_cast<std::size_t>(got));
            return true;
        }
        if (errno != ERANGE) {  // ERANGE: it grew in between
            return false;
        }
    }
    return false;
}

int CopyAttribute(const std::filesystem::path& source, int fd, const std::string& name) {
    std::string value;
    if (!ReadSized(value, [&](char* buffer, std::size_t size) {
            return ::lgetxattr(source.c_str(), name.c_str(), buffer, size);
        })) {
        return errno;
    }
    if (const int injected = InjectedSaveError(SaveCall::kSetAttribute)) {
        return injected;
    }
    return ::fsetxattr(fd, name.c_str(), value.data(), value.size(), 0) == 0 ? 0 : errno;
}

// The process's umask, from the kernel's status file where it has one (so
// that no other thread's files are made with a changed umask), else by
// setting it and putting it back.
mode_t CurrentUmask() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("Umask:")) {
            return static_cast<mode_t>(std::strtoul(line.c_str() + 6, nullptr, 8)) & 0777;
        }
    }
    const mode_t mask = ::umask(0077);
    ::umask(mask);
    return mask;
}

// The bits the access control list in its extended attribute form (a
// version word, then entries of tag, permissions and id; little-endian)
// allows the owner, the group class and others, or -1 when it is not one.
int AccessListBits(const std::string& list) {
    constexpr std::uint32_t kVersion = 2;
    constexpr std::uint16_t kUserObject = 0x01;
    constexpr std::uint16_t kGroupObject = 0x04;
    constexpr std::uint16_t kMask = 0x10;
    constexpr std::uint16_t kOther = 0x20;
    constexpr std::size_t kEntryBytes = 8;
    std::uint32_t version = 0;
    if (list.size() < sizeof version || (list.size() - sizeof version) % kEntryBytes != 0) {
        return -1;
    }
    std::memcpy(&version, list.data(), sizeof version);
    if (version != kVersion) {
        return -1;
    }
    int owner = 0;
    int group = 0;
    int mask = -1;
    int other = 0;
    for (std::size_t at = sizeof version; at < list.size(); at += kEntryBytes) {
        std::uint16_t tag = 0;
        std::uint16_t permissions = 0;
        std::memcpy(&tag, list.data() + at, sizeof tag);
        std::memcpy(&permissions, list.data() + at + sizeof tag, sizeof permissions);
        const int bits = permissions & 07;
        switch (tag) {
            case kUserObject:
                owner = bits;
                break;
            case kGroupObject:
                group = bits;
                break;
            case kMask:
                mask = bits;
                break;
            case kOther:
                other = bits;
                break;
            default:
                break;
        }
    }
    return owner << 6 | (mask >= 0 ? mask : group) << 3 | other;
}

}  // namespace

int CopyExtendedAttributes(const std::filesystem::path& source, int fd) {
    std::string sourceList;
    std::string ownList;
    if (!ReadSized(sourceList,
                   [&](char* buffer, std::size_t size) {
                       return ::llistxattr(source.c_str(), buffer, size);
                   }) ||
        !ReadSized(ownList, [&](char* buffer, std::size_t size) {
            return ::flistxattr(fd, buffer, size);
        })) {
        return errno;
    }
    const std::vector<std::string> wanted = Names(sourceList);
    for (const std::string& name : Names(ownList)) {
        if (std::find(wanted.begin(), wanted.end(), name) == wanted.end() &&
            ::fremovexattr(fd, name.c_str()) != 0) {
            return errno;
        }
    }
    for (const std::string& name : wanted) {
        if (const int error = CopyAttribute(source, fd, name)) {
            return error;
        }
    }
    return 0;
}

mode_t NewFileMode(const std::filesystem::path& folder) {
    std::string list;
    if (ReadSized(list,
                  [&](char* buffer, std::size_t size) {
                      return ::getxattr(folder.c_str(), "system.posix_acl_default", buffer, size);
                  }) &&
        AccessListBits(list) >= 0) {
        return kNewFileBits & static_cast<mode_t>(AccessListBits(list));
    }
    return kNewFileBits & ~CurrentUmask();
}

}  // namespace lumo::internal
