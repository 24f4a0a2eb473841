// Settings text of any content: reading must not fail, and what is written back from it must
// read back the same.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "core/options/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    qv::Settings first = qv::parseSettings(text);
    qv::Settings second = qv::parseSettings(qv::formatSettings(first));
    // A written file always holds a main window rectangle and the window positions.
    first.mainRectRead = true;
    first.databaseWindowPosRead = true;
    first.ticketWindowPosRead = true;
    if (!(first == second)) std::abort();
    return 0;
}
