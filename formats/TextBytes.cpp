#include "formats/TextBytes.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace bestitem {
namespace {

bool isHighByte(char byte) {
    return static_cast<unsigned char>(byte) >= 0x80;
}

bool matchesAt(TextView text, std::size_t position, TextView search) {
    return text.size() - position >= search.size() &&
           std::memcmp(text.data() + position, search.data(), search.size()) == 0;
}

// First match of `search` at a position the scan from `regionStart` visits, or
// npos. A search that starts with a low byte can only match at that byte, so
// memchr finds the candidates and a look back over the high bytes before each
// tells whether the scan would visit it; every high byte is looked at by at most
// one candidate, which keeps this linear.
std::size_t scanFor(TextView text, std::size_t regionStart, TextView search) {
    const std::size_t size = text.size();
    if (search.size() > size - regionStart) {
        return TextView::npos;
    }
    const std::size_t lastStart = size - search.size();
    if (!isHighByte(search.front())) {
        std::size_t position = regionStart;
        while (position <= lastStart) {
            const void* hit =
                std::memchr(text.data() + position, search.front(), lastStart - position + 1);
            if (hit == nullptr) {
                return TextView::npos;
            }
            const std::size_t candidate = static_cast<const char*>(hit) - text.data();
            if (isCharacterStart(text, regionStart, candidate) &&
                matchesAt(text, candidate, search)) {
                return candidate;
            }
            position = candidate + 1;
        }
        return TextView::npos;
    }
    for (std::size_t position = regionStart; position <= lastStart;) {
        if (matchesAt(text, position, search)) {
            return position;
        }
        position += isHighByte(text[position]) ? 2 : 1;
    }
    return TextView::npos;
}

}  // namespace

bool isCharacterStart(TextView text, std::size_t regionStart, std::size_t position) {
    std::size_t runStart = position;
    while (runStart > regionStart && isHighByte(text[runStart - 1])) {
        --runStart;
    }
    return (position - runStart) % 2 == 0;
}

std::int64_t findText(TextView text, TextView search, std::optional<std::int64_t> start) {
    if (text.empty()) {
        return -1;
    }
    const std::int64_t skip = std::max<std::int64_t>(start.value_or(1) - 1, 0);
    if (static_cast<std::uint64_t>(skip) >= text.size()) {
        return -1;
    }
    if (search.empty()) {
        return 1;
    }
    const std::size_t found = scanFor(text, static_cast<std::size_t>(skip), search);
    return found == TextView::npos ? -1 : static_cast<std::int64_t>(found) + 1;
}

TextView midText(TextView text, std::int64_t start, std::int64_t length) {
    const std::int64_t offset = start - 1;
    if (offset < 0 || static_cast<std::uint64_t>(offset) >= text.size() || length <= 0) {
        return {};
    }
    return text.substr(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
}

TextList splitText(TextView text, TextView delimiter) {
    TextList members;
    if (text.empty()) {
        return members;
    }
    // An empty delimiter would match without moving on; the text stays whole.
    if (delimiter.empty()) {
        members.push_back(text);
        return members;
    }
    std::size_t segmentStart = 0;
    while (segmentStart < text.size()) {
        const std::size_t match = scanFor(text, segmentStart, delimiter);
        if (match == TextView::npos) {
            break;
        }
        members.push_back(text.substr(segmentStart, match - segmentStart));
        segmentStart = match + delimiter.size();
    }
    if (segmentStart < text.size()) {
        members.push_back(text.substr(segmentStart));
    }
    return members;
}

TextBytes numberText(std::int64_t value) {
    char digits[24];
    const auto result = std::to_chars(std::begin(digits), std::end(digits), value);
    return TextBytes(digits, result.ptr);
}

TextView textFromBytes(std::span<const char> bytes) {
    if (bytes.empty()) {
        return {};
    }
    const void* nul = std::memchr(bytes.data(), '\0', bytes.size());
    const std::size_t length =
        nul == nullptr ? bytes.size() : static_cast<const char*>(nul) - bytes.data();
    return TextView(bytes.data(), length);
}

std::vector<char> bytesFromText(TextView text) {
    return std::vector<char>(text.begin(), text.end());
}

TextBytes concatenate(std::initializer_list<TextView> texts) {
    std::size_t size = 0;
    for (TextView text : texts) {
        size += text.size();
    }
    TextBytes joined;
    joined.reserve(size);
    for (TextView text : texts) {
        joined.append(text);
    }
    return joined;
}

}  // namespace bestitem
