# Fuzzing with libFuzzer (clang): `make fuzz` runs each target for
# FUZZ_SECONDS, `make fuzz-smoke` for a minute each (part of `make test`).
# Corpora grow in build-fuzz/corpus-<target>, seeded from fuzz/corpus/;
# crashing inputs land in build-fuzz/artifacts/.
.PHONY: fuzz fuzz-build fuzz-smoke

FUZZ_SECONDS ?= 600
FUZZ_SMOKE_SECONDS ?= 60
FUZZ_DIR := build-fuzz
FUZZ_TARGETS := install_ini picture
# Largest input per target: install.ini files are small, pictures a little larger.
FUZZ_MAX_LEN_install_ini := 65536
FUZZ_MAX_LEN_picture := 262144
FUZZ_FLAGS := -rss_limit_mb=2048 -timeout=10 -print_final_stats=1
# libpng prints every broken file on stderr; the target reports on stdout.
FUZZ_FLAGS_picture := -close_fd_mask=2

TEST_TARGETS += fuzz-smoke

fuzz-build:
	@scripts/install-deps.sh base fuzz
	CC=clang-14 CXX=clang++-14 cmake -S fuzz -B $(FUZZ_DIR) -G Ninja
	cmake --build $(FUZZ_DIR)

# $(1): target, $(2): seconds. One recipe line each, so a finding stops make.
define fuzz_run
mkdir -p $(FUZZ_DIR)/corpus-$(1) $(FUZZ_DIR)/artifacts/$(1)
cp fuzz/corpus/$(1)/* $(FUZZ_DIR)/corpus-$(1)/
$(FUZZ_DIR)/fuzz_$(1) -max_total_time=$(2) -max_len=$(FUZZ_MAX_LEN_$(1)) $(FUZZ_FLAGS) $(FUZZ_FLAGS_$(1)) \
  -artifact_prefix=$(FUZZ_DIR)/artifacts/$(1)/ $(FUZZ_DIR)/corpus-$(1)

endef

fuzz: fuzz-build
	$(foreach t,$(FUZZ_TARGETS),$(call fuzz_run,$(t),$(FUZZ_SECONDS)))

fuzz-smoke: fuzz-build
	$(foreach t,$(FUZZ_TARGETS),$(call fuzz_run,$(t),$(FUZZ_SMOKE_SECONDS)))
