#include "shell/x11/X11GlobalKeys.h"

#include <xcb/xcb.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <cstdlib>

namespace bestitem {
namespace {

constexpr std::uint32_t kKeysymF1 = 0xFFBE;
constexpr std::uint32_t kKeysymNumLock = 0xFF7F;
constexpr std::uint8_t kBadAccess = 10;

template <class Reply>
struct ReplyDeleter {
    void operator()(Reply* reply) const { std::free(reply); }
};
template <class Reply>
using ReplyPtr = std::unique_ptr<Reply, ReplyDeleter<Reply>>;

}  // namespace

std::unique_ptr<X11GlobalKeys> X11GlobalKeys::create() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr || x11->connection() == nullptr) {
        return nullptr;
    }
    xcb_connection_t* connection = x11->connection();
    const xcb_setup_t* setup = xcb_get_setup(connection);
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(setup);
    if (screens.rem == 0) {
        return nullptr;
    }
    return std::unique_ptr<X11GlobalKeys>(new X11GlobalKeys(connection, screens.data->root));
}

X11GlobalKeys::X11GlobalKeys(xcb_connection_t* connection, std::uint32_t root)
    : connection_(connection), root_(root) {
    readKeyboard();
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11GlobalKeys::~X11GlobalKeys() {
    if (QCoreApplication::instance() != nullptr) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
    for (const Binding& binding : bindings_) {
        if (binding.keycode != 0) {
            ungrabAllVariants(binding.keycode);
        }
    }
    xcb_flush(connection_);
}

std::vector<std::uint16_t> X11GlobalKeys::lockVariants(std::uint16_t numLockMask) {
    std::vector<std::uint16_t> variants = {0, XCB_MOD_MASK_LOCK};
    if (numLockMask != 0 && numLockMask != XCB_MOD_MASK_LOCK) {
        variants.push_back(numLockMask);
        variants.push_back(static_cast<std::uint16_t>(numLockMask | XCB_MOD_MASK_LOCK));
    }
    return variants;
}

void X11GlobalKeys::readKeyboard() {
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    minKeycode_ = setup->min_keycode;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    keysyms_.clear();
    keysymsPerKeycode_ = 0;
    ReplyPtr<xcb_get_keyboard_mapping_reply_t> mapping(xcb_get_keyboard_mapping_reply(
        connection_, xcb_get_keyboard_mapping(connection_, minKeycode_, count), nullptr));
    if (mapping) {
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(mapping.get());
        keysyms_.assign(syms, syms + xcb_get_keyboard_mapping_keysyms_length(mapping.get()));
        keysymsPerKeycode_ = mapping->keysyms_per_keycode;
    }

    numLockMask_ = 0;
    const std::uint8_t numLock = keycodeOf(kKeysymNumLock);
    ReplyPtr<xcb_get_modifier_mapping_reply_t> modifiers(xcb_get_modifier_mapping_reply(
        connection_, xcb_get_modifier_mapping(connection_), nullptr));
    if (modifiers && numLock != 0) {
        const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(modifiers.get());
        const int perModifier = modifiers->keycodes_per_modifier;
        for (int modifier = 0; modifier < 8; ++modifier) {
            for (int k = 0; k < perModifier; ++k) {
                if (codes[modifier * perModifier + k] == numLock) {
                    numLockMask_ = static_cast<std::uint16_t>(1u << modifier);
                }
            }
        }
    }
}

std::uint8_t X11GlobalKeys::keycodeOf(std::uint32_t keysym) const {
    if (keysymsPerKeycode_ == 0) {
        return 0;
    }
    for (std::size_t i = 0; i < keysyms_.size(); ++i) {
        if (keysyms_[i] == keysym) {
            return static_cast<std::uint8_t>(minKeycode_ + i / keysymsPerKeycode_);
        }
    }
    return 0;
}

bool X11GlobalKeys::grabAllVariants(std::uint8_t keycode) {
    const std::vector<std::uint16_t> variants = lockVariants(numLockMask_);
    std::vector<xcb_void_cookie_t> cookies;
    for (std::uint16_t modifiers : variants) {
        cookies.push_back(xcb_grab_key_checked(connection_, 0, root_, modifiers, keycode,
                                               XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
    }
    bool refused = false;
    std::vector<std::uint16_t> taken;
    for (std::size_t i = 0; i < cookies.size(); ++i) {
        if (xcb_generic_error_t* error = xcb_request_check(connection_, cookies[i])) {
            refused = true;
            std::free(error);
        } else {
            taken.push_back(variants[i]);
        }
    }
    if (refused) {
        for (std::uint16_t modifiers : taken) {
            xcb_ungrab_key(connection_, keycode, root_, modifiers);
        }
        xcb_flush(connection_);
    }
    return !refused;
}

void X11GlobalKeys::ungrabAllVariants(std::uint8_t keycode) {
    for (std::uint16_t modifiers : lockVariants(numLockMask_)) {
        xcb_ungrab_key(connection_, keycode, root_, modifiers);
    }
}

bool X11GlobalKeys::grab(HotKeyId id, int virtualKey) {
    const int qtKey = qtKeyOfVirtualKey(virtualKey);
    if (qtKey == 0) {
        return false;
    }
    const std::uint32_t keysym = kKeysymF1 + static_cast<std::uint32_t>(qtKey - Qt::Key_F1);
    const std::uint8_t keycode = keycodeOf(keysym);
    if (keycode == 0 || !grabAllVariants(keycode)) {
        return false;
    }
    bindings_.push_back(Binding{id, keysym, keycode});
    return true;
}

bool X11GlobalKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t") {
        return false;
    }
    auto* event = static_cast<xcb_generic_event_t*>(message);
    const std::uint8_t type = event->response_type & 0x7F;
    if (type == XCB_MAPPING_NOTIFY) {
        // The keyboard changed: grab the keys again under their new codes.
        for (const Binding& binding : bindings_) {
            if (binding.keycode != 0) {
                ungrabAllVariants(binding.keycode);
            }
        }
        readKeyboard();
        for (Binding& binding : bindings_) {
            binding.keycode = keycodeOf(binding.keysym);
            if (binding.keycode != 0 && !grabAllVariants(binding.keycode)) {
                binding.keycode = 0;
            }
        }
        return false;
    }
    if (type != XCB_KEY_PRESS) {
        return false;
    }
    auto* press = reinterpret_cast<xcb_key_press_event_t*>(event);
    if (press->event != root_) {
        return false;
    }
    const auto lockBits = static_cast<std::uint16_t>(XCB_MOD_MASK_LOCK | numLockMask_);
    if ((press->state & ~lockBits & 0xFF) != 0) {
        return false;
    }
    for (const Binding& binding : bindings_) {
        if (binding.keycode == press->detail) {
            emit pressed(binding.id);
            return true;
        }
    }
    return false;
}

}  // namespace bestitem
