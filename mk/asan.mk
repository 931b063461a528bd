# The unit and end-to-end tests once more, built with AddressSanitizer and
# UndefinedBehaviorSanitizer in build-asan/ (part of `make test`). Any report
# fails the test that caused it. Leaks are checked too; tests/lsan.supp
# suppresses only leaks inside libraries outside this project.
#
# The leak checker cannot work under ptrace, and e2e.hardening runs the menu
# under strace: that module runs with every check but the leak check.
.PHONY: test-asan

TEST_TARGETS += test-asan

ASAN_TEST_OPTIONS := print_stacktrace=1:halt_on_error=1
ASAN_NO_LEAK_CHECK := ^e2e\.hardening$$

test-asan: export ASAN_OPTIONS := $(ASAN_TEST_OPTIONS):detect_leaks=1
test-asan: export UBSAN_OPTIONS := $(ASAN_TEST_OPTIONS)
test-asan: export LSAN_OPTIONS := $(ASAN_TEST_OPTIONS):suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0
test-asan: deps
	cmake --preset asan
	cmake --build --preset asan
	ctest --preset asan -j2 -E '$(ASAN_NO_LEAK_CHECK)'
	ASAN_OPTIONS=$(ASAN_TEST_OPTIONS):detect_leaks=0 ctest --preset asan -R '$(ASAN_NO_LEAK_CHECK)'
