#pragma once

#include <cstdint>
#include <string>

namespace bestitem::bench {

// A GBK item export of `records` records of 24 ";"-fields, about 100 bytes each,
// every name four two-byte characters (8 bytes). Deterministic.
inline std::string generateExport(std::size_t records) {
    std::string text;
    text.reserve(records * 110);
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    auto next = [&state] {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    for (std::size_t i = 1; i <= records; ++i) {
        text += std::to_string(i);
        text += ';';
        for (int c = 0; c < 4; ++c) {
            const std::uint64_t r = next();
            text += static_cast<char>(0xB0 + r % 40);
            text += static_cast<char>(0xA1 + (r >> 8) % 94);
        }
        for (int field = 0; field < 22; ++field) {
            text += ';';
            text += std::to_string(next() % (field % 3 == 0 ? 10000 : 100));
        }
        text += "\r\n";
    }
    return text;
}

}  // namespace bestitem::bench
