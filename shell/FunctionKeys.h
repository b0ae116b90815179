#pragma once

#include <array>
#include <optional>

#include "items/ItemTable.h"
#include "shell/ProgramState.h"

namespace bestitem {

class GlobalKeys;

struct KeyAction {
    MarkLevel level;
    MarkScope scope;
};

// F1..F9 in the order the dispatcher tests them.
inline constexpr int kFirstFunctionVirtualKey = 0x70;
inline constexpr std::array<KeyAction, 9> kFunctionKeyActions = {{
    {MarkLevel::Premium, MarkScope::Selected},
    {MarkLevel::Valuable, MarkScope::Selected},
    {MarkLevel::Pickup, MarkScope::Selected},
    {MarkLevel::Show, MarkScope::Selected},
    {MarkLevel::Premium, MarkScope::All},
    {MarkLevel::Valuable, MarkScope::All},
    {MarkLevel::Pickup, MarkScope::All},
    {MarkLevel::Show, MarkScope::All},
    {MarkLevel::Hidden, MarkScope::Selected},
}};

// Binds F1..F9 in order and stores the identifiers. Keys that are bound already
// keep their identifiers, so a later load never loses them; only keys whose
// binding failed before are asked for again.
void bindFunctionKeys(GlobalKeys& keys, KeyBindingTable& table);

// The action of the first key, F1 to F9, whose stored identifier equals `id`.
std::optional<KeyAction> keyActionFor(const KeyBindingTable& table, HotKeyId id);

}  // namespace bestitem
