#include "shell/GlobalKeys.h"

#include <QGuiApplication>

#include "shell/ShortcutGlobalKeys.h"
#include "shell/x11/X11GlobalKeys.h"

namespace bestitem {
namespace {

constexpr HotKeyId kFirstIdentifier = 33000;
int requestCounter = 0;

}  // namespace

HotKeyId GlobalKeys::bind(int virtualKey) {
    const HotKeyId id = kFirstIdentifier + ++requestCounter;
    return grab(id, virtualKey) ? id : 0;
}

int qtKeyOfVirtualKey(int virtualKey) {
    constexpr int kVirtualF1 = 0x70;
    if (virtualKey < kVirtualF1 || virtualKey > kVirtualF1 + 23) {
        return 0;
    }
    return Qt::Key_F1 + (virtualKey - kVirtualF1);
}

std::unique_ptr<GlobalKeys> createGlobalKeys(QWidget* window) {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (auto keys = X11GlobalKeys::create()) {
            return keys;
        }
    }
    return std::make_unique<ShortcutGlobalKeys>(window);
}

}  // namespace bestitem
