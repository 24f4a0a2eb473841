#include "core/options/settings.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <climits>
#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "core/util/file_io.h"
#include "core/util/text.h"

namespace qv {

namespace {

constexpr std::size_t kLineCount = 22;
constexpr std::size_t kValueStart = 18;  // label text padded to 16, then ": "
constexpr std::size_t kShortestLine = 17;
// A real settings file is a few kilobytes; this only bounds what a damaged one can cost.
constexpr std::size_t kMaxFileBytes = 1u << 20;

constexpr std::string_view kLabels[kLineCount] = {
    "Top, Left       : ", "Bottom, Right   : ", "Sound is        : ", "Wallpaper Orient: ",
    "Wallpaper BMP   : ", "Wallpaper Fade  : ", "Statistics BMP  : ", "Statistics Fade : ",
    "Statistics Font : ", "Statistics Pt Sz: ", "Statistics Wt   : ", "TicketX, TicketY: ",
    "DBaseX, DBaseY  : ", "DBase BMP Fade  : ", "File BMP Fade   : ", "Wave File (0)   : ",
    "Wave File (1)   : ", "Wave File (2)   : ", "Last DataBase   : ", "Last Ticket File: ",
    "Using NumberList: ", "Last NumberList : ",
};

bool isScanBlank(char c) {
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

// Like scanf's %d: optional blanks, optional sign, at least one digit. Saturates at the
// 32-bit limits instead of overflowing. Advances `pos` past what was taken.
std::optional<int> scanInt(std::string_view s, std::size_t& pos) {
    std::size_t i = pos;
    while (i < s.size() && isScanBlank(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
    std::size_t digitsStart = i;
    long long v = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        if (v <= static_cast<long long>(INT_MAX) + 1) v = v * 10 + (s[i] - '0');
    }
    if (i == digitsStart) return std::nullopt;
    pos = i;
    if (negative) return v > static_cast<long long>(INT_MAX) + 1 ? INT_MIN : static_cast<int>(-v);
    return v > INT_MAX ? INT_MAX : static_cast<int>(v);
}

// The label up to and including its ':' must match; the blank after it is part of the
// blanks the number may start with, as in scanf.
bool labelMatches(std::string_view line, std::size_t index) {
    std::string_view label = kLabels[index].substr(0, kShortestLine);
    return line.substr(0, label.size()) == label;
}

std::optional<int> scanNumberLine(std::string_view line, std::size_t index) {
    if (!labelMatches(line, index)) return std::nullopt;
    std::size_t pos = kShortestLine;
    return scanInt(line, pos);
}

std::optional<Point> scanPairLine(std::string_view line, std::size_t index) {
    if (!labelMatches(line, index)) return std::nullopt;
    std::size_t pos = kShortestLine;
    auto a = scanInt(line, pos);
    if (!a || pos >= line.size() || line[pos] != ',') return std::nullopt;
    ++pos;
    auto b = scanInt(line, pos);
    if (!b) return std::nullopt;
    return Point{*a, *b};
}

std::string_view valueOf(std::string_view line) {
    return line.size() > kValueStart ? line.substr(kValueStart) : std::string_view{};
}

std::string clipChars(std::string_view text, std::size_t maxChars) {
    return utf8Left(text, maxChars);
}

std::int16_t clampFade(int v) {
    return static_cast<std::int16_t>(std::clamp(v, 0, 100));
}

// "name number": split at the last blank. Trailing blanks are dropped first, as a number
// never ends in one. Without a blank or a number after it, the line cannot be split with
// any confidence, so nothing is taken.
struct NameAndNumber {
    std::string name;
    int number = 0;
};
std::optional<NameAndNumber> splitNameAndNumber(std::string_view value) {
    while (!value.empty() && isScanBlank(value.back())) value.remove_suffix(1);
    std::size_t blank = value.rfind(' ');
    if (blank == std::string_view::npos) return std::nullopt;
    std::size_t pos = blank + 1;
    auto number = scanInt(value, pos);
    if (!number) return std::nullopt;
    return NameAndNumber{clipChars(value.substr(0, blank), Settings::kPathChars), *number};
}

// Written text must not be able to start a new line of the file.
std::string oneLine(std::string_view text, std::size_t maxChars) {
    std::string s = clipChars(text, maxChars);
    std::replace(s.begin(), s.end(), '\r', ' ');
    std::replace(s.begin(), s.end(), '\n', ' ');
    return s;
}

// "Prizes 49/6" padded to the label width.
constexpr std::string_view kPrizesLabel = "Prizes ";
// Games have at most 100 numbers and 10 on a ticket.
constexpr std::size_t kMaxPrizeLines = kMaxLottoNumber * kMaxNumbersOnTicket;

std::string prizesLabel(int lotto, int perTicket) {
    std::string label = std::string(kPrizesLabel) + std::to_string(lotto) + "/" + std::to_string(perTicket);
    label.resize(kValueStart - 2, ' ');
    return label + ": ";
}

std::optional<double> scanAmount(std::string_view s, std::size_t& pos) {
    while (pos < s.size() && isScanBlank(s[pos])) ++pos;
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data() + pos, s.data() + s.size(), v);
    if (ec != std::errc{}) return std::nullopt;
    pos = static_cast<std::size_t>(end - s.data());
    return v;
}

// One prize line; nothing when any part of it is out of place.
std::optional<std::pair<std::pair<int, int>, PrizeTable>> scanPrizeLine(std::string_view line) {
    if (line.substr(0, kPrizesLabel.size()) != kPrizesLabel || line.size() < kValueStart ||
        line.substr(kValueStart - 2, 2) != ": ")
        return std::nullopt;
    std::size_t pos = kPrizesLabel.size();
    const auto lotto = scanInt(line, pos);
    if (!lotto || pos >= line.size() || line[pos] != '/') return std::nullopt;
    ++pos;
    const auto perTicket = scanInt(line, pos);
    if (!perTicket || *lotto < 1 || *lotto > kMaxLottoNumber || *perTicket < 1 ||
        *perTicket > kMaxNumbersOnTicket || *perTicket > *lotto)
        return std::nullopt;
    for (; pos < kValueStart - 2; ++pos)
        if (line[pos] != ' ') return std::nullopt;
    pos = kValueStart;
    PrizeTable table;
    const auto price = scanAmount(line, pos);
    if (!price) return std::nullopt;
    table.price = *price;
    while (table.prizes.size() <= static_cast<std::size_t>(2 * *perTicket)) {
        const auto prize = scanAmount(line, pos);
        if (!prize) return std::nullopt;
        table.prizes.push_back(*prize);
    }
    while (pos < line.size() && isScanBlank(line[pos])) ++pos;
    if (pos != line.size() || !table.fits(*perTicket)) return std::nullopt;
    return std::pair{std::pair{*lotto, *perTicket}, table};
}

std::string amountText(double v) {
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    return ec == std::errc{} ? std::string(buf, end) : "0";
}

}  // namespace

PrizeTable prizeTableFor(const Settings& settings, int lotto, int perTicket) {
    const auto it = settings.prizeTables.find({lotto, perTicket});
    return it != settings.prizeTables.end() && it->second.fits(perTicket)
               ? it->second
               : defaultPrizeTable(lotto, perTicket);
}

Settings parseSettings(std::string_view text) {
    Settings s;
    std::vector<std::string_view> lines;
    lines.reserve(kLineCount);
    std::size_t prizeLines = 0;
    forEachLine(text, [&](std::string_view line) {
        if (lines.size() < kLineCount) {
            lines.push_back(line);
        } else if (prizeLines < kMaxPrizeLines) {
            ++prizeLines;
            if (auto prizes = scanPrizeLine(line)) s.prizeTables[prizes->first] = prizes->second;
        }
    });

    std::optional<Point> topLeft;  // (top, left)
    bool listInUse = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view line = lines[i];
        if (line.size() < kShortestLine) break;
        std::string_view value = valueOf(line);
        const std::size_t n = i + 1;
        switch (n) {
            case 1:
                topLeft = scanPairLine(line, i);
                break;
            case 2:
                if (auto bottomRight = scanPairLine(line, i); bottomRight && topLeft) {
                    s.mainRect = Rect{topLeft->y, topLeft->x, bottomRight->y, bottomRight->x};
                    s.mainRectRead = true;
                }
                break;
            case 3:
                if (auto v = scanNumberLine(line, i)) s.sound.effectsOn = *v != 0;
                break;
            case 4:
                if (auto v = scanNumberLine(line, i)) s.wallpaperOrientation = *v;
                break;
            case 5:
                s.mainWallpaper.path = clipChars(value, Settings::kPathChars);
                break;
            case 6:
                if (auto v = scanNumberLine(line, i)) s.mainWallpaper.fade = clampFade(*v);
                break;
            case 7:
                s.statisticsWallpaper.path = clipChars(value, Settings::kPathChars);
                break;
            case 8:
                if (auto v = scanNumberLine(line, i)) s.statisticsWallpaper.fade = clampFade(*v);
                break;
            case 9:
                s.statisticsFont = clipChars(value, Settings::kFontChars);
                break;
            case 10:
                if (auto v = scanNumberLine(line, i)) s.statisticsPointSize = *v;
                break;
            case 11:
                if (auto v = scanNumberLine(line, i)) s.statisticsWeight = *v;
                break;
            case 12:
                if (auto p = scanPairLine(line, i)) {
                    s.ticketWindowPos = *p;
                    s.ticketWindowPosRead = true;
                }
                break;
            case 13:
                if (auto p = scanPairLine(line, i)) {
                    s.databaseWindowPos = *p;
                    s.databaseWindowPosRead = true;
                }
                break;
            case 14:
            case 15:
                if (auto nn = splitNameAndNumber(value)) {
                    DeskTopType& d = n == 14 ? s.databaseBackground : s.ticketBackground;
                    d.path = std::move(nn->name);
                    d.fade = clampFade(nn->number);
                }
                break;
            case 16:
            case 17:
            case 18:
                if (auto nn = splitNameAndNumber(value)) {
                    WaveFileSetting& w = s.sound.waveFiles[n - 16];
                    w.path = std::move(nn->name);
                    w.enabled = nn->number != 0;
                }
                break;
            case 19:
            case 20: {
                std::string name =
                    utf8Length(value) < 2 ? std::string() : clipChars(value, Settings::kPathChars);
                (n == 19 ? s.lastDatabase : s.lastTicketFile) = std::move(name);
                break;
            }
            case 21:
                if (auto v = scanNumberLine(line, i)) listInUse = *v != 0;
                break;
            case 22:
                if (listInUse) s.lastNumberList = clipChars(value, Settings::kPathChars);
                break;
        }
    }
    // A list counts as in use only once its name has been read.
    s.usingNumberList = listInUse && !s.lastNumberList.empty();
    return s;
}

std::string formatSettings(const Settings& s) {
    std::string out;
    out.reserve(2048);
    std::size_t index = 0;
    auto line = [&](const std::string& value) {
        out += kLabels[index++];
        out += value;
        out += '\n';
    };
    auto num = [](long long v) { return std::to_string(v); };
    auto pair = [&](int a, int b) { return num(a) + "," + num(b); };
    auto path = [](const std::string& p) { return oneLine(p, Settings::kPathChars); };

    line(pair(s.mainRect.top, s.mainRect.left));
    line(pair(s.mainRect.bottom, s.mainRect.right));
    line(num(s.sound.effectsOn ? 1 : 0));
    line(num(s.wallpaperOrientation));
    line(path(s.mainWallpaper.path));
    line(num(s.mainWallpaper.fade));
    line(path(s.statisticsWallpaper.path));
    line(num(s.statisticsWallpaper.fade));
    line(oneLine(s.statisticsFont, Settings::kFontChars));
    line(num(s.statisticsPointSize));
    line(num(s.statisticsWeight));
    line(pair(s.ticketWindowPos.x, s.ticketWindowPos.y));
    line(pair(s.databaseWindowPos.x, s.databaseWindowPos.y));
    line(path(s.databaseBackground.path) + " " + num(s.databaseBackground.fade));
    line(path(s.ticketBackground.path) + " " + num(s.ticketBackground.fade));
    for (const WaveFileSetting& w : s.sound.waveFiles) line(path(w.path) + " " + num(w.enabled));
    line(path(s.lastDatabase));
    line(path(s.lastTicketFile));
    line(num(s.usingNumberList ? 1 : 0));
    line(path(s.lastNumberList));
    for (const auto& [game, table] : s.prizeTables) {
        if (!table.fits(game.second)) continue;
        out += prizesLabel(game.first, game.second) + amountText(table.price);
        for (double prize : table.prizes) out += " " + amountText(prize);
        out += '\n';
    }
    return out;
}

Result<Settings> readSettingsFile(const std::string& path) {
    const auto text = readTextFile(path, kMaxFileBytes);
    if (!text) return {text, Settings{}};
    // The lines are read up to the first one too short to hold its label.
    std::size_t seen = 0;
    std::size_t usable = 0;
    forEachLine(*text, [&](std::string_view line) {
        if (seen++ == usable && usable < kLineCount && line.size() >= kShortestLine) ++usable;
    });
    Settings settings = parseSettings(*text);
    if (usable < kLineCount)
        return {IoResult::failure(IoStatus::Damaged,
                                  "Only " + std::to_string(usable) + " of the " +
                                      std::to_string(kLineCount) + " lines of " + path +
                                      " could be read; the others keep their defaults."),
                std::move(settings)};
    return settings;
}

IoResult writeSettingsFile(const std::string& path, const Settings& settings) {
    return writeFileAtomic(path, formatSettings(settings));
}

std::string settingsFilePath(const std::string& programDir, const std::string& userConfigDir) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!programDir.empty() && fs::is_directory(programDir, ec) &&
        ::access(programDir.c_str(), W_OK | X_OK) == 0) {
        return (fs::path(programDir) / Settings::kFileName).string();
    }
    if (userConfigDir.empty()) return Settings::kFileName;
    // A failure shows up later, when the file cannot be written.
    fs::create_directories(userConfigDir, ec);
    return (fs::path(userConfigDir) / Settings::kFileName).string();
}

}  // namespace qv
