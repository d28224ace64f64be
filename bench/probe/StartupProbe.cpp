// Starts a program under the X server of $DISPLAY and reports how long it took until its
// window, found by a part of its title, was mapped and then first drawn (the X Damage
// extension), and its resident memory once it has settled; whether the web engine library
// is mapped into it.
//   startup-probe TITLE program [args...]
// prints: visible_ms=... mapped_ms=... rss_kb=... webengine=0|1
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

std::string Title(xcb_connection_t* c, xcb_window_t w) {
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      c, xcb_get_property(c, 0, w, XCB_ATOM_WM_NAME, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
  std::string title;
  if (reply) {
    title.assign(static_cast<const char*>(xcb_get_property_value(reply)),
                 static_cast<size_t>(xcb_get_property_value_length(reply)));
    std::free(reply);
  }
  return title;
}

long StatusField(pid_t pid, const char* field) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(field, 0) == 0)
      return std::strtol(line.c_str() + std::strlen(field), nullptr, 10);
  }
  return -1;
}

bool Maps(pid_t pid, const char* library) {
  std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
  std::string line;
  while (std::getline(maps, line)) {
    if (line.find(library) != std::string::npos) return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s TITLE program [args...]\n", argv[0]);
    return 2;
  }
  const std::string wanted = argv[1];
  xcb_connection_t* c = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "cannot open the display\n");
    return 2;
  }
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
  if (!damage || !damage->present) {
    std::fprintf(stderr, "the X server has no Damage extension\n");
    return 2;
  }
  std::free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
  xcb_flush(c);

  const Clock::time_point start = Clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    execvp(argv[2], argv + 2);
    std::_Exit(127);
  }
  Clock::time_point mapped{}, visible{};
  xcb_damage_damage_t watch = 0;
  pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
  while (visible == Clock::time_point{}) {
    xcb_generic_event_t* event = xcb_poll_for_event(c);
    if (!event) {
      if (poll(&fd, 1, 20000) <= 0) {
        std::fprintf(stderr, "no window titled '%s' appeared\n", wanted.c_str());
        kill(pid, SIGKILL);
        return 1;
      }
      continue;
    }
    const int type = event->response_type & 0x7f;
    if (type == XCB_MAP_NOTIFY && !watch) {
      const xcb_window_t window = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
      if (Title(c, window).find(wanted) != std::string::npos) {
        mapped = Clock::now();
        watch = xcb_generate_id(c);
        xcb_damage_create(c, watch, window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
        xcb_flush(c);
      }
    } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && watch) {
      visible = Clock::now();
    }
    std::free(event);
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  const long rss = StatusField(pid, "VmRSS:");
  const bool webengine = Maps(pid, "libQt6WebEngine");
  std::printf("visible_ms=%.1f mapped_ms=%.1f rss_kb=%ld webengine=%d\n", Ms(start, visible),
              Ms(start, mapped), rss, webengine ? 1 : 0);
  kill(pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  xcb_disconnect(c);
  return 0;
}
