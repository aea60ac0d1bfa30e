// SPDX-License-Identifier: GPL-3.0-or-later
/* Starts a program and prints the seconds until its first top-level window is mapped on the X server,
   and the processor seconds the program had used by then. */
#define _POSIX_C_SOURCE 200809L
#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

/* Usage: first_window TIMEOUT_SECONDS PROGRAM [ARGS...]
   The program is started in its own process group and ended (SIGTERM to the group) once its
   window shows. Exit status: 0 with the time printed, 1 when no window showed in time or the
   program ended first, 2 on a usage or X error. The processor time (user + system, from
   /proc/PID/stat) is the program's own process: helpers it starts are not counted. */

static double Now(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return (double)t.tv_sec + (double)t.tv_nsec / 1e9;
}

/* User + system seconds of a running process; -1 when unknown. */
static double ProcessorSeconds(pid_t pid) {
  char path[64];
  snprintf(path, sizeof path, "/proc/%d/stat", (int)pid);
  FILE* file = fopen(path, "r");
  if (file == NULL) return -1;
  char line[4096];
  const size_t length = fread(line, 1, sizeof line - 1, file);
  fclose(file);
  line[length] = '\0';
  /* The command name may hold spaces and parentheses: the fields follow its last ')'. */
  const char* rest = strrchr(line, ')');
  unsigned long long utime = 0, stime = 0;
  if (rest == NULL || sscanf(rest + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &utime, &stime) != 2)
    return -1;
  return (double)(utime + stime) / (double)sysconf(_SC_CLK_TCK);
}

static void EndChild(pid_t child) {
  kill(-child, SIGTERM);
  for (int i = 0; i < 300; ++i) {
    if (waitpid(child, NULL, WNOHANG) == child) return;
    struct timespec pause = {0, 10 * 1000 * 1000};
    nanosleep(&pause, NULL);
  }
  kill(-child, SIGKILL);
  waitpid(child, NULL, 0);
}

int main(int argc, char* argv[]) {
  if (argc < 3) {
    fprintf(stderr, "usage: %s TIMEOUT_SECONDS PROGRAM [ARGS...]\n", argv[0]);
    return 2;
  }
  const double timeout = atof(argv[1]);
  xcb_connection_t* x = xcb_connect(NULL, NULL);
  if (xcb_connection_has_error(x)) {
    fprintf(stderr, "first_window: cannot connect to the X server\n");
    return 2;
  }
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
  /* Children of the root window are the top-level windows when no window manager reparents. */
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_void_cookie_t selected = xcb_change_window_attributes_checked(x, screen->root, XCB_CW_EVENT_MASK, &mask);
  xcb_generic_error_t* error = xcb_request_check(x, selected);
  if (error != NULL) {
    fprintf(stderr, "first_window: cannot watch the root window (error %d)\n", error->error_code);
    return 2;
  }

  const double start = Now();
  const pid_t child = fork();
  if (child < 0) {
    perror("fork");
    return 2;
  }
  if (child == 0) {
    setpgid(0, 0);
    close(xcb_get_file_descriptor(x));
    execvp(argv[2], argv + 2);
    fprintf(stderr, "first_window: cannot run %s: %s\n", argv[2], strerror(errno));
    _exit(127);
  }
  setpgid(child, child);

  struct pollfd watch = {xcb_get_file_descriptor(x), POLLIN, 0};
  for (;;) {
    xcb_generic_event_t* event;
    while ((event = xcb_poll_for_event(x)) != NULL) {
      const int type = event->response_type & 0x7f;
      if (type == XCB_MAP_NOTIFY) {
        const xcb_map_notify_event_t* map = (const xcb_map_notify_event_t*)event;
        /* Pop-ups (menus, tooltips) bypass the window manager; they are not a program's window. */
        if (map->event == screen->root && !map->override_redirect) {
          const double shown = Now();
          free(event);
          printf("%.4f %.2f\n", shown - start, ProcessorSeconds(child));
          fflush(stdout);
          EndChild(child);
          xcb_disconnect(x);
          return 0;
        }
      }
      free(event);
    }
    if (xcb_connection_has_error(x)) {
      fprintf(stderr, "first_window: lost the X server\n");
      EndChild(child);
      return 2;
    }
    if (waitpid(child, NULL, WNOHANG) == child) {
      fprintf(stderr, "first_window: %s ended without showing a window\n", argv[2]);
      return 1;
    }
    const double left = timeout - (Now() - start);
    if (left <= 0) {
      fprintf(stderr, "first_window: no window from %s within %.1f s\n", argv[2], timeout);
      EndChild(child);
      return 1;
    }
    poll(&watch, 1, left < 0.05 ? (int)(left * 1000) + 1 : 50);
  }
}
