#pragma once

#include "formats/TextBytes.h"
#include "items/ItemTable.h"

namespace bestitem {

struct LocalDate {
    int year = 0;
    int month = 0;  // 1..12
    int day = 0;    // 1..31
};

// Today's date in local time.
LocalDate currentLocalDate();

// "Version=" and the date as plain numbers without separators or leading zeros:
// 5 January 2020 gives "Version=202015".
TextBytes versionLine(LocalDate date);

// The version line, then for every row "\r\n", the name, "=" and four flags
// joined by "," (1 for a non-empty mark cell); no line break after the last row.
TextBytes buildBestItemText(const ItemTable& table, LocalDate date);

}  // namespace bestitem
