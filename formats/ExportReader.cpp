#include "formats/ExportReader.h"

namespace bestitem {

TextView nameOfRecord(TextView record) {
    const std::int64_t first = findText(record, ";");
    const std::int64_t second = findText(record, ";", first + 1);
    return midText(record, first + 1, second - first - 1);
}

void splitExport(TextView text, TextList& records, TextList& names) {
    records = splitText(text, "\r\n");
    names.clear();
    names.reserve(records.size());
    for (TextView record : records) {
        names.push_back(nameOfRecord(record));
    }
}

ExportText readExport(const std::string& path) {
    ExportText result;
    result.file = FileBytes::readWhole(path);
    result.text = textFromBytes(result.file.bytes());
    splitExport(result.text, result.records, result.names);
    return result;
}

}  // namespace bestitem
