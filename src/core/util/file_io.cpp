#include "core/util/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

namespace qv {

std::optional<std::vector<std::uint8_t>> readWholeFile(const std::string& path,
                                                       std::size_t maxBytes) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    std::vector<std::uint8_t> out;
    std::uint8_t buf[65536];
    bool ok = true;
    for (;;) {
        std::size_t n = std::fread(buf, 1, sizeof buf, f);
        if (n > 0) {
            std::size_t take = std::min(n, maxBytes - out.size());
            out.insert(out.end(), buf, buf + take);
            if (out.size() >= maxBytes) break;
        }
        if (n < sizeof buf) {
            if (std::ferror(f)) ok = false;
            break;
        }
    }
    std::fclose(f);
    if (!ok) return std::nullopt;
    return out;
}

std::optional<std::string> readTextFile(const std::string& path, std::size_t maxBytes) {
    auto b = readWholeFile(path, maxBytes);
    if (!b) return std::nullopt;
    return std::string(b->begin(), b->end());
}

IoResult writeFileAtomic(const std::string& path, const void* data, std::size_t size) {
    namespace fs = std::filesystem;
    fs::path target(path);
    fs::path dir = target.parent_path();
    if (dir.empty()) dir = ".";
    std::string tmpl = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    int fd = mkstemp(name.data());
    if (fd < 0)
        return IoResult::failure(IoStatus::CannotWrite, "Cannot create a file in " + dir.string() +
                                                            ": " + std::strerror(errno));
    // Keep the permissions of an existing file; a new one gets the usual 0666 less umask.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        ::fchmod(fd, st.st_mode & 07777);
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    const auto* p = static_cast<const char*>(data);
    std::size_t left = size;
    while (left > 0) {
        ssize_t w = ::write(fd, p, left);
        if (w < 0) {
            if (errno == EINTR) continue;
            std::string err = std::strerror(errno);
            ::close(fd);
            ::unlink(name.data());
            return IoResult::failure(IoStatus::CannotWrite, "Cannot write " + path + ": " + err);
        }
        p += w;
        left -= static_cast<std::size_t>(w);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        std::string err = std::strerror(errno);
        ::unlink(name.data());
        return IoResult::failure(IoStatus::CannotWrite, "Cannot write " + path + ": " + err);
    }
    if (std::rename(name.data(), path.c_str()) != 0) {
        std::string err = std::strerror(errno);
        ::unlink(name.data());
        return IoResult::failure(IoStatus::CannotWrite, "Cannot replace " + path + ": " + err);
    }
    return IoResult::success();
}

}  // namespace qv
