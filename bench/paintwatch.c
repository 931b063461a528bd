/* paintwatch: times a program from its exec to the paint that shows what is
 * expected, watching it from outside as an X client.
 *
 *   paintwatch [options] -- program [args...]
 *
 * It opens the display and selects SubstructureNotify on the root window
 * before anything else, then forks; the child notes CLOCK_MONOTONIC in a
 * shared page and execs the program (t0 is the moment just before exec). The
 * first top-level window that is mapped and at least -m W,H large (when it
 * is mapped or, if it grows later, when it is resized) is the program's. From then on, at each
 * Damage report on that window (and, as a fallback, every -i milliseconds; every millisecond
 * without the Damage extension), the probe pixels are read back with XGetImage; the first time all
 * of them have their expected colours, the paint is complete.
 *
 * Options:
 *   -p X,Y,RRGGBB   a probe: window-relative pixel and its expected colour
 *   -d TOL          per-channel tolerance of the probes (default 0)
 *   -m W,H          smallest window accepted as the program's (default 32,32)
 *   -T MS           give up after MS milliseconds (default 30000)
 *   -i MS           fallback polling interval with Damage (default 5)
 *   -s FILE.ppm     reference mode: wait until the window has settled (no
 *                   damage for -q ms, and at least -a ms after the map), then
 *                   write the window's pixels to FILE.ppm; no probes needed
 *   -q MS, -a MS    settle quiet time and minimum age (default 800, 1500)
 *   -r              report the program's peak RSS (VmHWM) at the full paint
 *   -c X,Y          after the full paint, click there (window-relative) with
 *                   XTest, then wait for -w FILE to appear; without -w, wait
 *                   until the window is quiet (-q ms without damage)
 *   -w FILE         file that the opener writes its CLOCK_MONOTONIC time into
 *                   (nanoseconds, decimal)
 *   -k KEYSYM       after the full paint (and the click), once the window is
 *                   quiet, press and release that key with XTest and time it
 *                   to the first look at the window in which every -P probe
 *                   has its colour
 *   -P X,Y,RRGGBB   a probe of the picture the key leads to
 *   -B FILE.ppm, -S FILE.ppm
 *                   reference mode with -k: the window's pixels just before
 *                   the key (after the click) and once it has settled after it
 *
 * It prints one line of key=value pairs on standard output:
 *   map_ms        exec to the window's map
 *   first_ms      exec to the first damage seen on the window
 *   paint_ms      exec to the complete paint
 *   paint_ns      CLOCK_MONOTONIC at the complete paint
 *   checks        how many probe checks were made
 *   rss_kib       VmHWM at the complete paint (with -r)
 *   click_ms      click sent to the opener's time stamp (with -c -w)
 *   key_ms        key sent to the picture it leads to (with -k)
 * and ends the program's process group (SIGTERM, then SIGKILL).
 * Exit status: 0 on success, 2 on a timeout, 3 when the program died first,
 * 1 on other errors.
 */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#define MAX_PROBES 64

struct probe {
  int x, y;
  int r, g, b;
};

static struct probe probes[MAX_PROBES];
static int probe_count;
static struct probe after_probes[MAX_PROBES];
static int after_count;
static const char* key_name;
static const char* before_path;
static const char* after_path;
static int tolerance;
static int min_w = 32, min_h = 32;
static long timeout_ms = 30000;
static long fallback_ms = 5;
static const char* reference_path;
static long settle_quiet_ms = 800, settle_age_ms = 1500;
static int want_rss;
static int click_x = -1, click_y = -1;
static const char* stamp_path;

static pid_t child = -1;
static int x_error_seen;

static int64_t now_ns(void) {
  struct timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return (int64_t)ts.tv_sec * 1000000000 + ts.tv_nsec;
}

static void die(const char* what) {
  fprintf(stderr, "paintwatch: %s\n", what);
  if (child > 0) {
    kill(-child, SIGKILL);
    waitpid(child, NULL, 0);
  }
  exit(1);
}

/* A window can go away under us (the program exits): note it, go on. */
static int on_x_error(Display* dpy, XErrorEvent* e) {
  (void)dpy;
  (void)e;
  x_error_seen = 1;
  return 0;
}

static void usage(void) {
  fprintf(stderr,
          "usage: paintwatch [-p X,Y,RRGGBB]... [-d TOL] [-m W,H] [-T MS] [-i MS]\n"
          "                  [-s FILE.ppm [-q MS] [-a MS]] [-r] [-c X,Y [-w FILE]]\n"
          "                  [-k KEYSYM [-P X,Y,RRGGBB]... [-B FILE.ppm -S FILE.ppm]] -- program...\n");
  exit(1);
}

static void end_child(void) {
  if (child <= 0) return;
  kill(-child, SIGTERM);
  for (int i = 0; i < 200; ++i) {
    if (waitpid(child, NULL, WNOHANG) == child) {
      child = -1;
      return;
    }
    usleep(10000);
  }
  kill(-child, SIGKILL);
  waitpid(child, NULL, 0);
  child = -1;
}

static int child_gone(void) {
  int status;
  if (waitpid(child, &status, WNOHANG) == child) {
    child = -1;
    return 1;
  }
  return 0;
}

/* Channel value from a pixel, by the visual's mask. */
static int channel(unsigned long pixel, unsigned long mask) {
  if (!mask) return 0;
  int shift = 0;
  while (!(mask & 1)) {
    mask >>= 1;
    ++shift;
  }
  unsigned long v = (pixel >> shift) & mask;
  /* Scale to 0-255 whatever the width of the mask. */
  return (int)(v * 255 / mask);
}

struct masks {
  unsigned long r, g, b;
};

static int read_pixel(Display* dpy, Window w, const struct masks* m, int x, int y, int* r, int* g,
                      int* b) {
  x_error_seen = 0;
  XImage* img = XGetImage(dpy, w, x, y, 1, 1, AllPlanes, ZPixmap);
  if (!img) return 0;
  unsigned long p = XGetPixel(img, 0, 0);
  XDestroyImage(img);
  *r = channel(p, m->r);
  *g = channel(p, m->g);
  *b = channel(p, m->b);
  return !x_error_seen;
}

/* Whether every probe of `set` has its colour; stops at the first that has not. */
static int probes_match(Display* dpy, Window w, const struct masks* m, const struct probe* set,
                        int count) {
  for (int i = 0; i < count; ++i) {
    int r, g, b;
    if (!read_pixel(dpy, w, m, set[i].x, set[i].y, &r, &g, &b)) return 0;
    if (abs(r - set[i].r) > tolerance || abs(g - set[i].g) > tolerance ||
        abs(b - set[i].b) > tolerance)
      return 0;
  }
  return 1;
}

static void parse_probe(const char* text, struct probe* set, int* count) {
  if (*count == MAX_PROBES) die("too many probes");
  struct probe* p = &set[*count];
  unsigned rgb;
  if (sscanf(text, "%d,%d,%x", &p->x, &p->y, &rgb) != 3) usage();
  p->r = (rgb >> 16) & 0xFF;
  p->g = (rgb >> 8) & 0xFF;
  p->b = rgb & 0xFF;
  ++*count;
}

static void write_ppm(Display* dpy, Window w, const struct masks* m, const char* path) {
  XWindowAttributes wa;
  if (!XGetWindowAttributes(dpy, w, &wa)) die("the window went away before the reference");
  XImage* img = XGetImage(dpy, w, 0, 0, wa.width, wa.height, AllPlanes, ZPixmap);
  if (!img) die("XGetImage of the whole window failed");
  FILE* f = fopen(path, "wb");
  if (!f) die("cannot write the reference picture");
  fprintf(f, "P6\n%d %d\n255\n", wa.width, wa.height);
  for (int y = 0; y < wa.height; ++y)
    for (int x = 0; x < wa.width; ++x) {
      unsigned long p = XGetPixel(img, x, y);
      unsigned char rgb[3] = {(unsigned char)channel(p, m->r), (unsigned char)channel(p, m->g),
                              (unsigned char)channel(p, m->b)};
      fwrite(rgb, 1, 3, f);
    }
  fclose(f);
  XDestroyImage(img);
}

static long vm_hwm_kib(pid_t pid) {
  char path[64], line[256];
  snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
  FILE* f = fopen(path, "r");
  if (!f) return -1;
  long kib = -1;
  while (fgets(line, sizeof line, f))
    if (sscanf(line, "VmHWM: %ld kB", &kib) == 1) break;
  fclose(f);
  return kib;
}

static int64_t read_stamp(const char* path) {
  int fd = open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return -1;
  char buf[64];
  ssize_t n = read(fd, buf, sizeof buf - 1);
  close(fd);
  if (n <= 0) return -1;
  buf[n] = 0;
  return strtoll(buf, NULL, 10);
}

/* Waits for X events up to `ms` milliseconds (0: just looks). */
static void wait_x(Display* dpy, long ms) {
  if (XPending(dpy)) return;
  struct pollfd pfd = {ConnectionNumber(dpy), POLLIN, 0};
  poll(&pfd, 1, (int)ms);
}

/* Moves the pointer to (x, y) of `win` and clicks the first button there. */
static void click_at(Display* dpy, Window root, Window win, int x, int y) {
  Window unused;
  int rx, ry;
  XTranslateCoordinates(dpy, win, root, x, y, &rx, &ry, &unused);
  XTestFakeMotionEvent(dpy, -1, rx, ry, CurrentTime);
  XTestFakeButtonEvent(dpy, 1, True, CurrentTime);
  XTestFakeButtonEvent(dpy, 1, False, CurrentTime);
  XFlush(dpy);
}

/* Drains the Damage reports; whether there was one. */
static int drain_damage(Display* dpy, Damage damage, int damage_event) {
  int damaged = 0;
  while (XPending(dpy)) {
    XEvent ev;
    XNextEvent(dpy, &ev);
    if (damage && ev.type == damage_event + XDamageNotify) damaged = 1;
  }
  if (damaged) XDamageSubtract(dpy, damage, None, None);
  return damaged;
}

/* Waits until the window has had no damage for the settle quiet time (or,
 * without Damage, just that long); 0 at the deadline. */
static int settle(Display* dpy, Damage damage, int damage_event, int64_t deadline) {
  int64_t last = now_ns();
  while (now_ns() - last < settle_quiet_ms * 1000000LL) {
    if (now_ns() > deadline) return 0;
    wait_x(dpy, 5);
    if (drain_damage(dpy, damage, damage_event)) last = now_ns();
  }
  return 1;
}

/* The first look at the window, at a Damage report or every fallback
 * interval, in which every -P probe has its colour; 0 at the deadline. */
static int64_t wait_for(Display* dpy, Window win, const struct masks* m, Damage damage,
                        int damage_event, int64_t deadline) {
  for (;;) {
    if (probes_match(dpy, win, m, after_probes, after_count)) return now_ns();
    if (now_ns() > deadline) return 0;
    wait_x(dpy, fallback_ms);
    drain_damage(dpy, damage, damage_event);
  }
}

int main(int argc, char** argv) {
  int opt;
  while ((opt = getopt(argc, argv, "+p:d:m:T:i:s:q:a:rc:w:k:P:B:S:")) != -1) {
    switch (opt) {
      case 'p':
        parse_probe(optarg, probes, &probe_count);
        break;
      case 'P':
        parse_probe(optarg, after_probes, &after_count);
        break;
      case 'k':
        key_name = optarg;
        break;
      case 'B':
        before_path = optarg;
        break;
      case 'S':
        after_path = optarg;
        break;
      case 'd':
        tolerance = atoi(optarg);
        break;
      case 'm':
        if (sscanf(optarg, "%d,%d", &min_w, &min_h) != 2) usage();
        break;
      case 'T':
        timeout_ms = atol(optarg);
        break;
      case 'i':
        fallback_ms = atol(optarg);
        break;
      case 's':
        reference_path = optarg;
        break;
      case 'q':
        settle_quiet_ms = atol(optarg);
        break;
      case 'a':
        settle_age_ms = atol(optarg);
        break;
      case 'r':
        want_rss = 1;
        break;
      case 'c':
        if (sscanf(optarg, "%d,%d", &click_x, &click_y) != 2) usage();
        break;
      case 'w':
        stamp_path = optarg;
        break;
      default:
        usage();
    }
  }
  if (optind >= argc) usage();
  if (!reference_path && probe_count == 0) die("no probes (-p) and no reference (-s)");
  if (key_name && stamp_path) die("-k and -w do not go together");
  if (key_name && !reference_path && after_count == 0) die("-k needs -P probes");
  if (key_name && reference_path && (!before_path || !after_path)) die("-k -s needs -B and -S");

  Display* dpy = XOpenDisplay(NULL);
  if (!dpy) die("cannot open the display");
  XSetErrorHandler(on_x_error);
  Window root = DefaultRootWindow(dpy);
  XSelectInput(dpy, root, SubstructureNotifyMask);
  int damage_event = 0, damage_error = 0;
  int have_damage = XDamageQueryExtension(dpy, &damage_event, &damage_error);
  if (!have_damage) fallback_ms = 1;
  int xtest_ev, xtest_err, xtest_major, xtest_minor;
  if ((click_x >= 0 || key_name) &&
      !XTestQueryExtension(dpy, &xtest_ev, &xtest_err, &xtest_major, &xtest_minor))
    die("the X server has no XTest extension");
  XSync(dpy, False);

  if (stamp_path) unlink(stamp_path);

  volatile int64_t* t0 =
      mmap(NULL, sizeof *t0, PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  if (t0 == MAP_FAILED) die("mmap failed");
  *t0 = 0;

  child = fork();
  if (child < 0) die("fork failed");
  if (child == 0) {
    setpgid(0, 0);
    close(ConnectionNumber(dpy));
    *t0 = now_ns();
    execvp(argv[optind], argv + optind);
    _exit(127);
  }
  setpgid(child, child); /* either side may win the race: both set it */

  const int64_t start = now_ns();
  const int64_t deadline = start + timeout_ms * 1000000LL;
  Window win = 0;
  struct masks m = {0, 0, 0};
  Damage damage = 0;
  int64_t t_map = 0, t_first = 0, t_paint = 0, t_last_damage = 0, t_last_check = 0;
  long checks = 0;
  int status = 0;

  while (!t_paint) {
    int64_t now = now_ns();
    if (now > deadline) {
      status = 2;
      break;
    }
    if (child_gone()) {
      status = 3;
      break;
    }
    int damaged = 0;
    wait_x(dpy, win ? fallback_ms : 5);
    while (XPending(dpy)) {
      XEvent ev;
      XNextEvent(dpy, &ev);
      /* The window may be mapped small and grown afterwards (Wine does):
       * a mapped top-level window counts once it is large enough. */
      Window seen = 0;
      if (!win && ev.type == MapNotify && !ev.xmap.override_redirect) seen = ev.xmap.window;
      if (!win && ev.type == ConfigureNotify && !ev.xconfigure.override_redirect &&
          ev.xconfigure.width >= min_w && ev.xconfigure.height >= min_h)
        seen = ev.xconfigure.window;
      if (seen) {
        XWindowAttributes wa;
        x_error_seen = 0;
        if (XGetWindowAttributes(dpy, seen, &wa) && !x_error_seen && wa.map_state == IsViewable &&
            wa.width >= min_w && wa.height >= min_h) {
          win = seen;
          t_map = now_ns();
          m.r = wa.visual->red_mask;
          m.g = wa.visual->green_mask;
          m.b = wa.visual->blue_mask;
          if (have_damage) damage = XDamageCreate(dpy, win, XDamageReportNonEmpty);
          damaged = 1; /* it may have drawn already: look once at once */
        }
      } else if (have_damage && win && ev.type == damage_event + XDamageNotify &&
                 ((XDamageNotifyEvent*)&ev)->drawable == win) {
        damaged = 1;
      }
    }
    if (!win) continue;
    now = now_ns();
    if (damaged && have_damage) {
      XDamageSubtract(dpy, damage, None, None);
      t_last_damage = now;
      if (!t_first) t_first = now;
    }
    if (reference_path) {
      if (t_first && now - t_last_damage >= settle_quiet_ms * 1000000LL &&
          now - t_map >= settle_age_ms * 1000000LL) {
        write_ppm(dpy, win, &m, reference_path);
        t_paint = now_ns();
      }
      continue;
    }
    if (damaged || now - t_last_check >= fallback_ms * 1000000LL) {
      t_last_check = now;
      ++checks;
      if (probes_match(dpy, win, &m, probes, probe_count)) {
        t_paint = now_ns();
        if (!t_first) t_first = t_paint;
      }
    }
  }

  long rss = -1;
  if (t_paint && want_rss) rss = vm_hwm_kib(child);

  double click_ms = -1;
  if (t_paint && click_x >= 0 && !stamp_path) {
    click_at(dpy, root, win, click_x, click_y);
    if (!settle(dpy, damage, damage_event, deadline)) status = 2;
  } else if (t_paint && click_x >= 0) {
    Window unused;
    int rx, ry;
    XTranslateCoordinates(dpy, win, root, click_x, click_y, &rx, &ry, &unused);
    XTestFakeMotionEvent(dpy, -1, rx, ry, CurrentTime);
    XSync(dpy, False);
    usleep(100000); /* let the hover settle before the clock starts */
    int64_t t_click = now_ns();
    XTestFakeButtonEvent(dpy, 1, True, CurrentTime);
    XTestFakeButtonEvent(dpy, 1, False, CurrentTime);
    XFlush(dpy);
    int64_t stamp = -1;
    while ((stamp = read_stamp(stamp_path)) < 0 && now_ns() < deadline) usleep(200);
    if (stamp < 0)
      status = 2;
    else
      click_ms = (double)(stamp - t_click) / 1e6;
    /* Put the pointer back where it does not hover over the next window. */
    XTestFakeMotionEvent(dpy, -1, DisplayWidth(dpy, DefaultScreen(dpy)) - 1,
                         DisplayHeight(dpy, DefaultScreen(dpy)) - 1, CurrentTime);
    XSync(dpy, False);
  }

  double key_ms = -1;
  if (t_paint && key_name && status == 0) {
    KeyCode code = XKeysymToKeycode(dpy, XStringToKeysym(key_name));
    if (!code) die("no key for that key name");
    if (!settle(dpy, damage, damage_event, deadline)) status = 2;
    if (reference_path && status == 0) write_ppm(dpy, win, &m, before_path);
    int64_t t_key = now_ns();
    XTestFakeKeyEvent(dpy, code, True, CurrentTime);
    XTestFakeKeyEvent(dpy, code, False, CurrentTime);
    XFlush(dpy);
    if (reference_path) {
      if (status == 0 && settle(dpy, damage, damage_event, deadline))
        write_ppm(dpy, win, &m, after_path);
      else
        status = 2;
    } else {
      int64_t t_after = wait_for(dpy, win, &m, damage, damage_event, deadline);
      if (t_after)
        key_ms = (double)(t_after - t_key) / 1e6;
      else
        status = 2;
    }
  }

  int64_t base = *t0 ? *t0 : start;
  printf("status=%s", status == 0 ? "ok" : status == 2 ? "timeout" : "exited");
  if (t_map) printf(" map_ms=%.3f", (double)(t_map - base) / 1e6);
  if (t_first) printf(" first_ms=%.3f", (double)(t_first - base) / 1e6);
  if (t_paint) printf(" paint_ms=%.3f", (double)(t_paint - base) / 1e6);
  if (t_paint) printf(" paint_ns=%lld", (long long)t_paint);
  printf(" checks=%ld", checks);
  if (rss >= 0) printf(" rss_kib=%ld", rss);
  if (click_ms >= 0) printf(" click_ms=%.3f", click_ms);
  if (key_ms >= 0) printf(" key_ms=%.3f", key_ms);
  printf("\n");
  fflush(stdout);

  if (child > 0) end_child();
  if (damage) XDamageDestroy(dpy, damage);
  XCloseDisplay(dpy);
  return status;
}
