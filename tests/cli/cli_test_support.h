#pragma once
// Running the real quorvantile-cli from the command-line tests: its standard output, standard
// error and exit status.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace qv::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// A shell word that stands for exactly `s`.
inline std::string shellQuote(const std::string& s) {
    std::string q = "'";
    for (char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

inline std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Test processes run in parallel: every scratch file gets a name of its own.
inline std::filesystem::path scratchFile() {
    std::string tmpl = (std::filesystem::temp_directory_path() / "qv_cli_io_XXXXXX").string();
    const int fd = mkstemp(tmpl.data());
    if (fd >= 0) close(fd);
    return tmpl;
}

// Runs the program with `args`, `stdinText` on its standard input.
inline CliRun runCli(const std::vector<std::string>& args, const std::string& stdinText = "") {
    std::string cmd = shellQuote(QV_CLI_PATH);
    for (const auto& a : args) cmd += " " + shellQuote(a);
    const std::filesystem::path in = scratchFile();
    const std::filesystem::path err = scratchFile();
    std::ofstream(in, std::ios::binary) << stdinText;
    cmd += " <" + shellQuote(in.string()) + " 2>" + shellQuote(err.string());
    CliRun r;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return r;
    char buf[4096];
    std::size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    const int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    r.err = slurp(err);
    std::filesystem::remove(in);
    std::filesystem::remove(err);
    return r;
}

}  // namespace qv::test
