#pragma once

#include <string>
#include <vector>

#include "formats/FileBytes.h"
#include "formats/TextBytes.h"

namespace bestitem {

// An item export: records split at CR LF, the name of each record between its
// first and second ";". The records and names are views into `text`, whose
// bytes `file` owns; moving an ExportText keeps them valid.
struct ExportText {
    FileBytes file;
    TextView text;  // the file's bytes up to the first NUL
    TextList records;
    TextList names;  // exactly one per record, possibly empty
};

// The bytes strictly between the first and the second ";" of a record; empty when
// the record holds fewer than two ";" (a ";" hidden by a byte pair does not count).
TextView nameOfRecord(TextView record);

// Splits a text already in memory into records and names.
void splitExport(TextView text, TextList& records, TextList& names);

// Reads the whole file. Silent on failure: an unreadable file, a folder or a
// file without records gives an empty text and no records or names.
ExportText readExport(const std::string& path);

}  // namespace bestitem
