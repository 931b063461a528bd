// Compiled once for each row of tests/layering/CMakeLists.txt, against the
// include roots of one library: the header must not be found there.
#include PROBE_HEADER
