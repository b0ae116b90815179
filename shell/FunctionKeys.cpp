#include "shell/FunctionKeys.h"

#include "shell/GlobalKeys.h"

namespace bestitem {

void bindFunctionKeys(GlobalKeys& keys, KeyBindingTable& table) {
    for (std::size_t k = 0; k < table.ids.size(); ++k) {
        if (table.ids[k] == 0) {
            table.ids[k] = keys.bind(kFirstFunctionVirtualKey + static_cast<int>(k));
        }
    }
}

std::optional<KeyAction> keyActionFor(const KeyBindingTable& table, HotKeyId id) {
    if (id == 0) {
        return std::nullopt;
    }
    for (std::size_t k = 0; k < table.ids.size(); ++k) {
        if (table.ids[k] == id) {
            return kFunctionKeyActions[k];
        }
    }
    return std::nullopt;
}

}  // namespace bestitem
