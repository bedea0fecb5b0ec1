// A window manager as stubborn as weston's is with a fullscreen X11 window:
// it gives each window a size of its own choosing as soon as it is mapped,
// then turns down that window's next resize requests, answering each with
// the size it keeps (the synthetic ConfigureNotify of ICCCM 4.1.5), before
// it grants them again.
//
//   stubborn_wm WIDTH HEIGHT REFUSALS
//
// Prints "ready" once it manages the screen and "refused WxH" for each
// request turned down; runs until killed.

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

struct FreeDeleter
{
    void operator()(void *p) const { std::free(p); }
};
template<typename T>
using Reply = std::unique_ptr<T, FreeDeleter>;

// Tells the window its geometry is unchanged, as a manager that turns a
// request down must.
void refuse(xcb_connection_t *c, xcb_window_t window)
{
    Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
    if (!geometry)
        return;
    xcb_configure_notify_event_t notify{};
    notify.response_type = XCB_CONFIGURE_NOTIFY;
    notify.event = window;
    notify.window = window;
    notify.above_sibling = XCB_NONE;
    notify.x = geometry->x;
    notify.y = geometry->y;
    notify.width = geometry->width;
    notify.height = geometry->height;
    notify.border_width = geometry->border_width;
    xcb_send_event(c, false, window, XCB_EVENT_MASK_STRUCTURE_NOTIFY,
                   reinterpret_cast<const char *>(&notify));
}

// Does what the request asks, field by field in the protocol's order.
void grant(xcb_connection_t *c, const xcb_configure_request_event_t &request)
{
    uint32_t values[7];
    int n = 0;
    const uint16_t mask = request.value_mask;
    if (mask & XCB_CONFIG_WINDOW_X)
        values[n++] = static_cast<uint32_t>(request.x);
    if (mask & XCB_CONFIG_WINDOW_Y)
        values[n++] = static_cast<uint32_t>(request.y);
    if (mask & XCB_CONFIG_WINDOW_WIDTH)
        values[n++] = request.width;
    if (mask & XCB_CONFIG_WINDOW_HEIGHT)
        values[n++] = request.height;
    if (mask & XCB_CONFIG_WINDOW_BORDER_WIDTH)
        values[n++] = request.border_width;
    if (mask & XCB_CONFIG_WINDOW_SIBLING)
        values[n++] = request.sibling;
    if (mask & XCB_CONFIG_WINDOW_STACK_MODE)
        values[n++] = request.stack_mode;
    xcb_configure_window(c, request.window, mask, values);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: stubborn_wm WIDTH HEIGHT REFUSALS\n");
        return 2;
    }
    const uint32_t imposed[] = {static_cast<uint32_t>(std::atoi(argv[1])),
                                static_cast<uint32_t>(std::atoi(argv[2]))};
    const int refusals = std::atoi(argv[3]);

    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "stubborn_wm: no X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    Reply<xcb_generic_error_t> error(
        xcb_request_check(c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &events)));
    if (error) {
        std::fprintf(stderr, "stubborn_wm: another window manager runs\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);

    xcb_window_t managed = XCB_NONE;
    int left = 0;
    while (Reply<xcb_generic_event_t> event{xcb_wait_for_event(c)}) {
        switch (event->response_type & 0x7f) {
        case XCB_MAP_REQUEST: {
            const auto *map = reinterpret_cast<xcb_map_request_event_t *>(event.get());
            xcb_map_window(c, map->window);
            xcb_configure_window(c, map->window, XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, imposed);
            managed = map->window;
            left = refusals;
            break;
        }
        case XCB_CONFIGURE_REQUEST: {
            const auto *request = reinterpret_cast<xcb_configure_request_event_t *>(event.get());
            if (request->window == managed && left > 0) {
                --left;
                refuse(c, request->window);
                std::printf("refused %ux%u\n", request->width, request->height);
                std::fflush(stdout);
            } else {
                grant(c, *request);
            }
            break;
        }
        default:
            break;
        }
        xcb_flush(c);
    }
    return 0;
}
