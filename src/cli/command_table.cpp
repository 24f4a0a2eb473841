#include "cli/command_table.h"

#include <utility>

namespace qv::cli {

namespace {

constexpr const char* kProgram = "quorvantile-cli";

}  // namespace

CommandTable::CommandTable(std::vector<CommandList> lists) : lists_(std::move(lists)) {}

// A group-only command when `name` is null, otherwise the group's command of that name.
const Command* CommandTable::find(const std::string& group, const std::string* name) const {
    for (const CommandList& list : lists_)
        for (const Command& c : list)
            if (c.group == group && (name ? c.name == *name : c.name.empty())) return &c;
    return nullptr;
}

int CommandTable::run(const Args& args) const {
    if (args.empty()) throw UsageError{""};
    const std::string& group = args[0];
    if (const Command* whole = find(group, nullptr))
        return whole->run(Args(args.begin() + 1, args.end()));
    bool knownGroup = false;
    for (const CommandList& list : lists_)
        for (const Command& c : list) knownGroup = knownGroup || c.group == group;
    if (!knownGroup || args.size() < 2) throw UsageError{""};
    const Command* command = find(group, &args[1]);
    if (!command) throw UsageError{"unknown command: " + group + " " + args[1]};
    return command->run(Args(args.begin() + 2, args.end()));
}

std::string CommandTable::usage() const {
    std::string out = "usage:\n";
    auto line = [&out](const std::string& form) {
        out += std::string("  ") + kProgram + " " + form + "\n";
    };
    for (const CommandList& list : lists_) {
        for (const Command& c : list)
            if (!c.usage.empty()) line(c.usage.front());
        for (const Command& c : list)
            for (std::size_t i = 1; i < c.usage.size(); ++i) line(c.usage[i]);
    }
    return out;
}

}  // namespace qv::cli
