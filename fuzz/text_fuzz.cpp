// Arbitrary bytes through the text operations and the record-to-name step,
// checked against a plain byte-pair scan written the slow, obvious way.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "formats/ExportReader.h"
#include "formats/TextBytes.h"

using namespace bestitem;

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

std::size_t naiveScan(TextView text, std::size_t from, TextView search) {
    for (std::size_t position = from; position + search.size() <= text.size();) {
        if (text.compare(position, search.size(), search) == 0) {
            return position;
        }
        position += static_cast<unsigned char>(text[position]) >= 0x80 ? 2 : 1;
    }
    return TextView::npos;
}

std::int64_t naiveFind(TextView text, TextView search, std::int64_t start) {
    if (text.empty()) {
        return -1;
    }
    const std::int64_t skip = start - 1 < 0 ? 0 : start - 1;
    if (skip >= static_cast<std::int64_t>(text.size())) {
        return -1;
    }
    if (search.empty()) {
        return 1;
    }
    const std::size_t found = naiveScan(text, static_cast<std::size_t>(skip), search);
    return found == TextView::npos ? -1 : static_cast<std::int64_t>(found) + 1;
}

TextList naiveSplit(TextView text, TextView delimiter) {
    TextList members;
    std::size_t segment = 0;
    while (segment < text.size()) {
        const std::size_t match = naiveScan(text, segment, delimiter);
        if (match == TextView::npos) {
            break;
        }
        members.push_back(text.substr(segment, match - segment));
        segment = match + delimiter.size();
    }
    if (segment < text.size()) {
        members.push_back(text.substr(segment));
    }
    return members;
}

bool within(TextView part, TextView whole) {
    return part.empty() || (part.data() >= whole.data() &&
                            part.data() + part.size() <= whole.data() + whole.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::string search = input.ConsumeRandomLengthString(4);
    const auto start = input.ConsumeIntegralInRange<std::int64_t>(-3, 300);
    const std::string bytes = input.ConsumeRemainingBytesAsString();
    const TextView text = textFromBytes(bytes);
    check(text.find('\0') == TextView::npos);

    const std::int64_t found = findText(text, search, start);
    check(found == naiveFind(text, search, start));
    if (found > 0 && !search.empty()) {
        check(text.substr(static_cast<std::size_t>(found - 1), search.size()) == search);
    }

    const TextView cut = midText(text, start, static_cast<std::int64_t>(search.size()) * 7 - 3);
    check(within(cut, text));

    TextList records;
    TextList names;
    splitExport(text, records, names);
    check(records == naiveSplit(text, "\r\n"));
    check(names.size() == records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        check(within(records[i], text));
        check(within(names[i], records[i]));
    }
    if (!search.empty() && search.find('\0') == std::string::npos) {
        check(splitText(text, search) == naiveSplit(text, search));
    }
    return 0;
}
