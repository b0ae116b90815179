#pragma once

#include <array>

#include "formats/ExportReader.h"
#include "formats/TextBytes.h"

namespace bestitem {

// The identifier of one global key binding; 0 when the binding failed.
using HotKeyId = int;

// F1 to F9, in that order.
struct KeyBindingTable {
    std::array<HotKeyId, 9> ids{};
};

// What the program keeps between events. A load replaces the path and the
// export; the item table lives in the list's model.
struct ProgramState {
    TextBytes chosenPath;
    ExportText exportText;  // owns the file text; records and names view it
    KeyBindingTable keys;
};

}  // namespace bestitem
