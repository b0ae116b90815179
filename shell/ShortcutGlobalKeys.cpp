#include "shell/ShortcutGlobalKeys.h"

#include <QShortcut>

namespace bestitem {

ShortcutGlobalKeys::ShortcutGlobalKeys(QWidget* window) : GlobalKeys(window), window_(window) {}

bool ShortcutGlobalKeys::grab(HotKeyId id, int virtualKey) {
    const int key = qtKeyOfVirtualKey(virtualKey);
    if (window_ == nullptr || key == 0) {
        return false;
    }
    auto* shortcut = new QShortcut(QKeySequence(key), window_);
    shortcut->setContext(Qt::WindowShortcut);
    shortcut->setAutoRepeat(true);
    connect(shortcut, &QShortcut::activated, this, [this, id] { emit pressed(id); });
    return true;
}

}  // namespace bestitem
