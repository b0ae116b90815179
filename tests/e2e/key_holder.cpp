// Another X client that holds one key: grabs it on the root window with no
// modifier, prints "ready" and waits until it is killed.
#include <xcb/xcb.h>

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    const unsigned long keysym = argc > 1 ? std::strtoul(argv[1], nullptr, 16) : 0xFFC2;  // F5
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    const xcb_setup_t* setup = xcb_get_setup(connection);
    const xcb_window_t root = xcb_setup_roots_iterator(setup).data->root;
    const int count = setup->max_keycode - setup->min_keycode + 1;
    xcb_get_keyboard_mapping_reply_t* mapping = xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, count), nullptr);
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(mapping);
    const int total = xcb_get_keyboard_mapping_keysyms_length(mapping);
    xcb_keycode_t keycode = 0;
    for (int i = 0; i < total && keycode == 0; ++i) {
        if (syms[i] == keysym) {
            keycode =
                static_cast<xcb_keycode_t>(setup->min_keycode + i / mapping->keysyms_per_keycode);
        }
    }
    std::free(mapping);
    xcb_generic_error_t* error = xcb_request_check(
        connection, xcb_grab_key_checked(connection, 0, root, 0, keycode, XCB_GRAB_MODE_ASYNC,
                                         XCB_GRAB_MODE_ASYNC));
    if (keycode == 0 || error != nullptr) {
        std::fprintf(stderr, "cannot grab the key\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        std::free(event);
    }
    return 0;
}
