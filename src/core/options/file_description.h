#pragma once
// The two-line description the file-selection dialog shows for the file under the cursor,
// read from the file's header.

#include <optional>
#include <string>
#include <string_view>

#include "core/records/byte_io.h"
#include "core/wheels/wheel_info.h"

namespace qv {

enum class DescribedKind { Database, TicketFile, WheelingTable };

// The header layout a dialog opened with `pattern` reads: "*.dat" a database, "*.qvt" a
// ticket file, anything else a wheeling table.
DescribedKind describedKindForPattern(std::string_view pattern);
// The same choice by a file's extension: ".dat", ".qvt", anything else a wheeling table.
DescribedKind describedKindForPath(std::string_view path);

// The description of a file's leading bytes. Data shorter than the header is read as if the
// missing bytes were zero; the text is built regardless.
std::string describeFileBytes(const Bytes& data, DescribedKind kind);
// nullopt when the file cannot be opened.
Result<std::string> describeFile(const std::string& path, DescribedKind kind);
Result<std::string> describeFile(const std::string& path, std::string_view pattern);
Result<std::string> describeFileByExtension(const std::string& path);

}  // namespace qv
