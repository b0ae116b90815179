#pragma once

// Byte texts in the system code page (GBK). A text never holds a NUL byte; the
// empty text and an absent text are the same. Positions are 1-based and count
// bytes. Nothing here converts between encodings.
//
// Scans pair bytes: when a comparison fails at a byte of 0x80 or above, that
// byte and the next one are one character and the scan steps over both, so the
// second byte of a pair is never tried as the start of a match. Pairing starts
// at the first byte of the scanned region; the high bit alone decides.
//
// Error contract: nothing throws on bad input and nothing is logged; a search
// that finds nothing gives -1, an impossible cut gives the empty text.

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "items/HugePages.h"

namespace bestitem {

using TextBytes = std::string;
using TextView = std::string_view;
using TextList = LargeVector<TextView>;

// 1-based position of the first match at or after `start`, or -1. A missing,
// zero or negative start searches the whole text. An empty search gives 1 when
// the scanned region is not empty (the position is not the start position).
std::int64_t findText(TextView text, TextView search, std::optional<std::int64_t> start = {});

// Bytes from 1-based `start`, at most `length` of them; empty when start < 1,
// start is past the end or length <= 0. May cut a two-byte character in half.
TextView midText(TextView text, std::int64_t start, std::int64_t length);

// Members between delimiters; an empty text gives no members and an empty last
// segment is dropped ("a\r\n" gives one member, "\r\n" one empty member).
TextList splitText(TextView text, TextView delimiter);

TextBytes numberText(std::int64_t value);

// The bytes up to, not including, the first NUL.
TextView textFromBytes(std::span<const char> bytes);
std::vector<char> bytesFromText(TextView text);

TextBytes concatenate(std::initializer_list<TextView> texts);
inline bool isEmpty(TextView text) {
    return text.empty();
}

// True when the scan started at `regionStart` visits `position`, i.e. the run of
// bytes >= 0x80 just before it (back to regionStart or the last byte below 0x80)
// has even length.
bool isCharacterStart(TextView text, std::size_t regionStart, std::size_t position);

}  // namespace bestitem
