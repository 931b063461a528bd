/* Converts a few bytes from each code page named on the command line with
 * iconv, so that glibc loads the converter for it. Exit status 1 when one
 * cannot be opened. */
#include <iconv.h>
#include <stdio.h>

int main(int argc, char** argv) {
  int failed = 0;
  for (int i = 1; i < argc; ++i) {
    iconv_t cd = iconv_open("UTF-8", argv[i]);
    if (cd == (iconv_t)-1) {
      printf("%s: no converter\n", argv[i]);
      failed = 1;
      continue;
    }
    char in[] = "discmenu", out[64];
    char *from = in, *to = out;
    size_t left = sizeof in - 1, room = sizeof out;
    if (iconv(cd, &from, &left, &to, &room) == (size_t)-1) {
      printf("%s: cannot convert ASCII\n", argv[i]);
      failed = 1;
    }
    iconv_close(cd);
  }
  return failed;
}
