#include "core/options/number_list.h"

#include <algorithm>

#include "core/util/file_io.h"

namespace qv {

Bytes numberListBytes(const std::vector<int>& numbers) {
    Bytes out;
    out.reserve(kNumberListFileBytes);
    ByteWriter w(out);
    const std::size_t count = std::min(numbers.size(), kNumberListPlaces);
    w.i32(static_cast<std::int32_t>(count));
    for (std::size_t k = 0; k < kNumberListPlaces; ++k)
        w.i32(k < count ? static_cast<std::int32_t>(numbers[k]) : 0);
    return out;
}

IoResult saveNumberList(const std::string& path, const std::vector<int>& numbers) {
    return writeFileAtomic(path, numberListBytes(numbers));
}

std::vector<int> numberListFromBytes(const Bytes& data, const std::vector<int>& previous) {
    std::array<std::int32_t, kNumberListPlaces> places{};
    for (std::size_t k = 0; k < places.size() && k < previous.size(); ++k) places[k] = previous[k];
    long long count = static_cast<long long>(std::min(previous.size(), kNumberListPlaces));

    ByteReader r(data);
    if (r.remaining() >= 4) count = r.i32();
    for (std::size_t k = 0; k < places.size() && r.remaining() >= 4; ++k) places[k] = r.i32();

    count = std::clamp<long long>(count, 0, static_cast<long long>(kNumberListPlaces));
    std::array<bool, kMaxLottoNumber + 1> seen{};
    std::vector<int> numbers;
    for (long long k = 0; k < count; ++k) {
        const std::int32_t n = places[static_cast<std::size_t>(k)];
        if (!isLottoNumber(n) || seen[static_cast<std::size_t>(n)]) continue;
        seen[static_cast<std::size_t>(n)] = true;
        numbers.push_back(n);
    }
    return numbers;
}

IoResult loadNumberList(const std::string& path, std::vector<int>& numbers) {
    const auto data = readWholeFile(path, kNumberListFileBytes);
    if (!data)
        return IoResult::failure(IoStatus::CannotOpen, "Cannot open the list " + path + ".",
                                 data.reason);
    numbers = numberListFromBytes(*data, numbers);
    return IoResult::success();
}

NumberListEditor::NumberListEditor(std::vector<int> numbers) {
    // A number shows once: the first place it holds counts.
    for (int n : numbers)
        if (isLottoNumber(n) && !isChecked(n) && numbers_.size() < kNumberListPlaces)
            numbers_.push_back(n);
}

bool NumberListEditor::isChecked(int number) const {
    return std::find(numbers_.begin(), numbers_.end(), number) != numbers_.end();
}

bool NumberListEditor::toggle(int number) {
    if (!isLottoNumber(number)) return false;
    const auto at = std::find(numbers_.begin(), numbers_.end(), number);
    if (at != numbers_.end()) {
        numbers_.erase(at);
        return false;
    }
    numbers_.push_back(number);
    return true;
}

std::string numberListCaption(const std::string& path, const std::string& format) {
    const std::size_t slash = path.find_last_of("\\/");
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t at = format.find("%s");
    if (at == std::string::npos) return format;
    return format.substr(0, at) + name + format.substr(at + 2);
}

}  // namespace qv
