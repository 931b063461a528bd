/* A stand-in for the desktop's opener: notes when it was started. The first
 * thing it does is read CLOCK_MONOTONIC; it writes the time in nanoseconds to
 * $BENCH_OPEN_STAMP (through a temporary file and a rename, so a reader never
 * sees half of it). Linked statically so that it starts as fast as it can. */
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

int main(void) {
  struct timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  const char *path = getenv("BENCH_OPEN_STAMP");
  if (!path || !*path) return 1;
  char tmp[4096];
  snprintf(tmp, sizeof tmp, "%s.tmp", path);
  FILE *f = fopen(tmp, "w");
  if (!f) return 1;
  fprintf(f, "%lld\n", (long long)ts.tv_sec * 1000000000LL + ts.tv_nsec);
  if (fclose(f) != 0) return 1;
  return rename(tmp, path) == 0 ? 0 : 1;
}
