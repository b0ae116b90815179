#pragma once

#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <memory>
#include <vector>

#include "shell/GlobalKeys.h"

struct xcb_connection_t;

namespace bestitem {

// Global keys on X11: a passive grab of the key on the root window, once for
// each combination of the lock modifiers (NumLock, CapsLock) so that the key
// still works with them on. Every grab is checked; when the X server refuses one
// (another client holds the key) the variants already taken are released and
// the binding fails.
class X11GlobalKeys : public GlobalKeys, public QAbstractNativeEventFilter {
    Q_OBJECT
public:
    // nullptr when the application does not run on an X11 connection.
    static std::unique_ptr<X11GlobalKeys> create();
    ~X11GlobalKeys() override;

    bool isDesktopWide() const override { return true; }
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

    // The modifier masks the grabs cover, given the NumLock mask of the keyboard.
    static std::vector<std::uint16_t> lockVariants(std::uint16_t numLockMask);

protected:
    bool grab(HotKeyId id, int virtualKey) override;

private:
    struct Binding {
        HotKeyId id;
        std::uint32_t keysym;
        std::uint8_t keycode;  // 0 while the keyboard has no key for the keysym
    };

    X11GlobalKeys(xcb_connection_t* connection, std::uint32_t root);
    void readKeyboard();
    bool grabAllVariants(std::uint8_t keycode);
    void ungrabAllVariants(std::uint8_t keycode);
    std::uint8_t keycodeOf(std::uint32_t keysym) const;

    xcb_connection_t* connection_;
    std::uint32_t root_;
    std::uint16_t numLockMask_ = 0;
    std::uint8_t minKeycode_ = 0;
    std::uint8_t keysymsPerKeycode_ = 0;
    std::vector<std::uint32_t> keysyms_;
    std::vector<Binding> bindings_;
};

}  // namespace bestitem
