/* slowmedium: a folder served read-only through FUSE at the pace of a slow
 * medium, for cold-start measurements (make bench), and to learn what the
 * menu reads when it starts (the runtime's prefetch list).
 *
 *   slowmedium --model usb|dvd|none --stats FILE [--log FILE] SOURCE MOUNTPOINT
 *
 * Every read the kernel sends costs time before it is answered, one at a
 * time, as on a single drive:
 *   usb  a USB 2.0 stick: 1 ms a request, then 30 MB/s;
 *   dvd  a 16x DVD: 20 MB/s, and 100 ms for every seek. The files lie on
 *        the disc one after another in path order (as an ISO 9660 image
 *        lays them out); a read that does not start within 64 KiB after
 *        where the previous one ended is a seek.
 * When the file system is unmounted, FILE gets one line:
 *   bytes=N requests=N seeks=N busy_ms=N
 * Runs in the foreground, single-threaded; a fresh mount starts with an
 * empty page cache for its files.
 */
#define FUSE_USE_VERSION 31
#define _GNU_SOURCE
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <fuse.h>
#include <limits.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

struct Model {
  double bytes_per_ms;
  double request_ms;
  double seek_ms;
  int sequential_layout;
};

static const struct Model kUsb = {30e6 / 1000, 1.0, 0.0, 0};
static const struct Model kDvd = {20e6 / 1000, 0.0, 100.0, 1};
static const struct Model kNone = {0, 0.0, 0.0, 0};
static const long kNearby = 64 * 1024;

static struct Model model;
static char source[PATH_MAX];
static const char* stats_path;
static FILE* log_file;
static uint64_t total_bytes, requests, seeks;
static double busy_ms;
static int64_t head = -1;  // where the last read ended on the disc

// The disc: every file's start, in path order.
struct Extent {
  char* path;
  int64_t start;
};
static struct Extent* extents;
static size_t extent_count, extent_room;
static int64_t disc_end;

static void Join(char* out, const char* path) {
  snprintf(out, PATH_MAX, "%s%s", source, path);
}

static int ByName(const void* a, const void* b) {
  return strcmp(*(char* const*)a, *(char* const*)b);
}

// Lays out the files under `dir` (relative, "" for the root) in path order.
static void LayOut(const char* dir) {
  char full[2 * PATH_MAX];
  snprintf(full, sizeof full, "%s%s", source, dir);
  DIR* d = opendir(full);
  if (!d) return;
  char** names = NULL;
  size_t count = 0;
  struct dirent* e;
  while ((e = readdir(d))) {
    if (!strcmp(e->d_name, ".") || !strcmp(e->d_name, "..")) continue;
    names = realloc(names, (count + 1) * sizeof *names);
    names[count++] = strdup(e->d_name);
  }
  closedir(d);
  qsort(names, count, sizeof *names, ByName);
  for (size_t i = 0; i < count; ++i) {
    char rel[PATH_MAX];
    if (snprintf(rel, sizeof rel, "%s/%s", dir, names[i]) >= (int)sizeof rel) continue;
    snprintf(full, sizeof full, "%s%s", source, rel);
    struct stat st;
    if (lstat(full, &st) == 0 && S_ISDIR(st.st_mode)) {
      LayOut(rel);
    } else if (lstat(full, &st) == 0 && S_ISREG(st.st_mode)) {
      if (extent_count == extent_room) {
        extent_room = extent_room ? 2 * extent_room : 256;
        extents = realloc(extents, extent_room * sizeof *extents);
      }
      extents[extent_count++] = (struct Extent){strdup(rel), disc_end};
      disc_end += (st.st_size + 2047) / 2048 * 2048;  // whole sectors
    }
    free(names[i]);
  }
  free(names);
}

static int64_t DiscStart(const char* path) {
  for (size_t i = 0; i < extent_count; ++i)
    if (!strcmp(extents[i].path, path)) return extents[i].start;
  return 0;
}

static void Wait(double ms) {
  struct timespec t = {(time_t)(ms / 1000), (long)((ms - (time_t)(ms / 1000) * 1000) * 1e6)};
  while (nanosleep(&t, &t) != 0 && errno == EINTR) {
  }
}

static int GetAttr(const char* path, struct stat* st, struct fuse_file_info* fi) {
  (void)fi;
  char full[PATH_MAX];
  Join(full, path);
  if (lstat(full, st) != 0) return -errno;
  st->st_mode &= ~(mode_t)0222;  // read-only, as the medium is
  return 0;
}

static int ReadLink(const char* path, char* buf, size_t size) {
  char full[PATH_MAX];
  Join(full, path);
  ssize_t n = readlink(full, buf, size - 1);
  if (n < 0) return -errno;
  buf[n] = '\0';
  return 0;
}

static int ReadDir(const char* path, void* buf, fuse_fill_dir_t fill, off_t offset,
                   struct fuse_file_info* fi, enum fuse_readdir_flags flags) {
  (void)offset, (void)fi, (void)flags;
  char full[PATH_MAX];
  Join(full, path);
  DIR* d = opendir(full);
  if (!d) return -errno;
  struct dirent* e;
  while ((e = readdir(d))) fill(buf, e->d_name, NULL, 0, 0);
  closedir(d);
  return 0;
}

static int Open(const char* path, struct fuse_file_info* fi) {
  if ((fi->flags & O_ACCMODE) != O_RDONLY) return -EROFS;
  char full[PATH_MAX];
  Join(full, path);
  int fd = open(full, O_RDONLY);
  if (fd < 0) return -errno;
  fi->fh = (uint64_t)fd;
  // As a disc's or a stick's file system: what was read stays cached for
  // the next open. A fresh mount starts cold.
  fi->keep_cache = 1;
  return 0;
}

static int Read(const char* path, char* buf, size_t size, off_t offset, struct fuse_file_info* fi) {
  ssize_t n = pread((int)fi->fh, buf, size, offset);
  if (n < 0) return -errno;
  double cost = model.bytes_per_ms > 0 ? model.request_ms + (double)n / model.bytes_per_ms : 0;
  int seek = 0;
  if (model.sequential_layout) {
    const int64_t at = DiscStart(path) + offset;
    if (head < 0 || at < head || at > head + kNearby) {
      cost += model.seek_ms;
      ++seeks;
      seek = 1;
    }
    head = at + n;
  }
  if (cost > 0) Wait(cost);
  if (log_file) {
    struct timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    fprintf(log_file, "%lld %zd %lld %d %.3f %s\n", (long long)offset, n,
            (long long)now.tv_sec * 1000000000 + now.tv_nsec, seek, cost, path + 1);
  }
  busy_ms += cost;
  total_bytes += (uint64_t)n;
  ++requests;
  return (int)n;
}

static int Release(const char* path, struct fuse_file_info* fi) {
  (void)path;
  close((int)fi->fh);
  return 0;
}

static void* Init(struct fuse_conn_info* conn, struct fuse_config* cfg) {
  (void)conn;
  cfg->kernel_cache = 1;
  cfg->entry_timeout = cfg->attr_timeout = 60;
  return NULL;
}

static void Destroy(void* data) {
  (void)data;
  if (log_file) fclose(log_file);
  FILE* f = fopen(stats_path, "w");
  if (!f) return;
  fprintf(f, "bytes=%llu requests=%llu seeks=%llu busy_ms=%.0f\n", (unsigned long long)total_bytes,
          (unsigned long long)requests, (unsigned long long)seeks, busy_ms);
  fclose(f);
}

static const struct fuse_operations kOperations = {
    .getattr = GetAttr,
    .readlink = ReadLink,
    .open = Open,
    .read = Read,
    .release = Release,
    .readdir = ReadDir,
    .init = Init,
    .destroy = Destroy,
};

int main(int argc, char** argv) {
  const char *name = NULL, *log_path = NULL;
  int i = 1;
  for (; i + 1 < argc && argv[i][0] == '-'; i += 2) {
    if (!strcmp(argv[i], "--model")) name = argv[i + 1];
    if (!strcmp(argv[i], "--stats")) stats_path = argv[i + 1];
    if (!strcmp(argv[i], "--log")) log_path = argv[i + 1];
  }
  if (!name || !stats_path || argc - i != 2 ||
      (strcmp(name, "usb") && strcmp(name, "dvd") && strcmp(name, "none"))) {
    fprintf(stderr,
            "usage: slowmedium --model usb|dvd|none --stats FILE [--log FILE] SOURCE MOUNTPOINT\n");
    return 1;
  }
  model = !strcmp(name, "usb") ? kUsb : !strcmp(name, "dvd") ? kDvd : kNone;
  if (log_path && !(log_file = fopen(log_path, "w"))) {
    perror(log_path);
    return 1;
  }
  if (log_file) setvbuf(log_file, NULL, _IOLBF, 0);  // readable while it runs
  if (!realpath(argv[i], source)) {
    perror(argv[i]);
    return 1;
  }
  LayOut("");
  char* fuse_argv[] = {argv[0], "-f", "-s", "-o", "ro,fsname=slowmedium", argv[i + 1], NULL};
  return fuse_main(6, fuse_argv, &kOperations, NULL);
}
