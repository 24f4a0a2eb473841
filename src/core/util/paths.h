#pragma once
// File names: what kind of file a name is, and stored names resolved in the data directory.

#include <string>
#include <string_view>

namespace qv {

// What a file named on the command line is, by its extension (any letter case): ".dat" a
// database, ".qvt" a ticket file, ".wl" and a count of numbers per ticket (1 to 10, as
// ".wl6") a wheeling table.
enum class FileKind { Database, TicketFile, WheelingTable, Other };
FileKind fileKindForName(std::string_view name);

// Resolves a stored file name against the data directory. Either "\" or "/" separates; a
// name wholly in double quotes loses them; a relative name such as ".\ticket.bmp" is taken
// inside `dataDir`; an absolute name is kept (with "/" separators). Empty stays empty.
std::string resolveDataPath(std::string_view stored, std::string_view dataDir);

// Accepts "\" and "/" as separators (stored paths may come from Windows) and gives a path
// with "/" separators.
std::string toNativeSeparators(const std::string& path);

}  // namespace qv
