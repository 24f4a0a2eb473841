// The settings file on disk: read any content, write it, read it again: the same values.
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/options/settings.h"
#include "core/util/file_io.h"

namespace {

std::string scratchDirectory() {
    namespace fs = std::filesystem;
    // Memory-backed where there is one: the save flushes to disk every time.
    const fs::path base =
        fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    const fs::path dir = base / ("qv-fuzz-settings-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    return dir.string();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string dir = scratchDirectory();
    const std::string input = dir + "/input.ini";
    const std::string output = dir + "/quorvan.ini";
    if (!qv::writeFileAtomic(input, data, size).ok()) std::abort();

    const qv::Settings first = qv::readSettingsFile(input).value();
    if (!qv::writeSettingsFile(output, first).ok()) std::abort();
    const qv::Settings second = qv::readSettingsFile(output).value();
    if (!qv::writeSettingsFile(input, second).ok()) std::abort();
    // What was written once reads back the same, and writes the same bytes again.
    if (!(qv::readSettingsFile(input).value() == second)) std::abort();
    if (qv::readTextFile(input).value() != qv::readTextFile(output).value()) std::abort();
    return 0;
}
