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

namespace {

IoResult cannotWrite(const std::string& what, int error) {
    std::string reason = std::strerror(error);
    return IoResult::failure(IoStatus::CannotWrite, what + ": " + reason, reason);
}

}  // namespace

Result<std::vector<std::uint8_t>> readWholeFile(const std::string& path, std::size_t maxBytes) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        const std::string reason = std::strerror(errno);
        return IoResult::failure(IoStatus::CannotOpen, "Cannot open " + path + ": " + reason,
                                 reason);
    }
    std::vector<std::uint8_t> out;
    std::uint8_t buf[65536];
    int error = 0;
    for (;;) {
        std::size_t n = std::fread(buf, 1, sizeof buf, f);
        if (n > 0) {
            std::size_t take = std::min(n, maxBytes - out.size());
            out.insert(out.end(), buf, buf + take);
            if (out.size() >= maxBytes) break;
        }
        if (n < sizeof buf) {
            if (std::ferror(f)) error = errno;
            break;
        }
    }
    std::fclose(f);
    if (error != 0) {
        const std::string reason = std::strerror(error);
        return IoResult::failure(IoStatus::CannotOpen, "Cannot read " + path + ": " + reason,
                                 reason);
    }
    return out;
}

Result<std::string> readTextFile(const std::string& path, std::size_t maxBytes) {
    auto b = readWholeFile(path, maxBytes);
    if (!b) return Result<std::string>(std::move(b));
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
        return cannotWrite("Cannot create a file in " + dir.string(), errno);
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
            const int error = errno;
            ::close(fd);
            ::unlink(name.data());
            return cannotWrite("Cannot write " + path, error);
        }
        p += w;
        left -= static_cast<std::size_t>(w);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const int error = errno;
        ::unlink(name.data());
        return cannotWrite("Cannot write " + path, error);
    }
    if (std::rename(name.data(), path.c_str()) != 0) {
        const int error = errno;
        ::unlink(name.data());
        return cannotWrite("Cannot replace " + path, error);
    }
    return IoResult::success();
}

}  // namespace qv
