#include "platform/qtwindow/LeftButtonHeld.h"

#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace lumet {

namespace {

struct FreeDeleter {
    void operator()(void* reply) const { std::free(reply); }
};

} // namespace

std::optional<bool> LeftButtonHeldNow() {
    // X11 answers for the pointer as it is this moment. Elsewhere (Wayland, which
    // checks a move request against the press itself, and the offscreen platform)
    // the input handled so far is all there is.
    const auto* const x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // The interface is there whenever Qt was built for X11; only the xcb platform
    // has a connection behind it.
    xcb_connection_t* const connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection != nullptr) {
        const xcb_screen_t* const screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        if (screen != nullptr) {
            const std::unique_ptr<xcb_query_pointer_reply_t, FreeDeleter> pointer(
                xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screen->root),
                                        nullptr));
            if (pointer) {
                return (pointer->mask & XCB_BUTTON_MASK_1) != 0;
            }
        }
    }
    return std::nullopt;
}

} // namespace lumet
