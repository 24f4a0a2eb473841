#include "core/options/file_description.h"

#include <cctype>

#include "core/records/records.h"
#include "core/tickets/ticket_file.h"
#include "core/util/file_io.h"
#include "core/database/database_attributes.h"

namespace qv {

namespace {

// Enough for the longest header read: a ticket file's signature, kind and wheel record.
constexpr std::size_t kHeaderBytes = TicketFile::kSignatureBytes + 2 + WheelInfo::kSize;

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

std::string manualText(long long tickets, long long numbers) {
    return "This is a manually entered ticket file with\n" + std::to_string(tickets) +
           " Tickets and " + std::to_string(numbers) + " Numbers on each Ticket";
}

// The second line is the database window's information line, with the header's count.
std::string describeDatabase(ByteReader& r) {
    DataHeader h = DataHeader::read(r);
    return h.description + "\n" + informationLine(h, h.entryCount);
}

std::string describeTicketFile(ByteReader& r) {
    const TicketFileHead head = readTicketFileHead(r);
    if (head.kind == TicketFileKind::Wheel) return describeWheel(WheelInfo::readRecord(r));
    if (head.older) {
        const int tickets = r.i16();
        return manualText(tickets, r.i16());
    }
    const std::int32_t tickets = r.i32();
    return manualText(tickets, r.i32());
}

}  // namespace

DescribedKind describedKindForPattern(std::string_view pattern) {
    if (equalsIgnoringCase(pattern, "*.dat")) return DescribedKind::Database;
    if (equalsIgnoringCase(pattern, "*.qvt")) return DescribedKind::TicketFile;
    return DescribedKind::WheelingTable;
}

DescribedKind describedKindForPath(std::string_view path) {
    // Stored paths may use either separator.
    const std::size_t slash = path.find_last_of("/\\");
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    std::string_view ext = dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
    if (equalsIgnoringCase(ext, ".dat")) return DescribedKind::Database;
    if (equalsIgnoringCase(ext, ".qvt")) return DescribedKind::TicketFile;
    return DescribedKind::WheelingTable;
}

std::string describeFileBytes(const Bytes& data, DescribedKind kind) {
    ByteReader r(data);
    switch (kind) {
        case DescribedKind::Database:
            return describeDatabase(r);
        case DescribedKind::TicketFile:
            return describeTicketFile(r);
        case DescribedKind::WheelingTable:
            break;
    }
    return describeWheel(WheelInfo::readRecord(r));
}

Result<std::string> describeFile(const std::string& path, DescribedKind kind) {
    auto data = readWholeFile(path, kHeaderBytes);
    if (!data) return {data, std::string{}};
    return describeFileBytes(*data, kind);
}

Result<std::string> describeFile(const std::string& path, std::string_view pattern) {
    return describeFile(path, describedKindForPattern(pattern));
}

Result<std::string> describeFileByExtension(const std::string& path) {
    return describeFile(path, describedKindForPath(path));
}

}  // namespace qv
