# The two commands a newcomer needs: `make run` and `make test`.
# Everything builds out of tree under build/.
.PHONY: all deps host asan win64 fuzz-build fuzz test run bench dist clean

JOBS ?= $(shell nproc 2>/dev/null || echo 2)

all: win64

deps:
	@scripts/deps.sh

host: deps
	@cmake --preset host >/dev/null
	@cmake --build build/host -j $(JOBS)

asan: deps
	@cmake --preset asan >/dev/null
	@cmake --build build/asan -j $(JOBS) --target unit_tests varidel-book

win64: host
	@cmake --preset win64 >/dev/null
	@cmake --build build/win64 -j $(JOBS)

fuzz-build: host
	@cmake --preset fuzz >/dev/null
	@cmake --build build/fuzz -j $(JOBS) --target lesson_fuzzer codec_fuzzer layout_fuzzer settings_fuzzer

# FUZZ_SECONDS per target; `make test` runs each for a few seconds only.
FUZZ_SECONDS ?= 300
fuzz: fuzz-build
	@scripts/fuzz.sh $(FUZZ_SECONDS)

# Each wine test fails after ten minutes rather than hang the run (a dialog
# nobody answers).
test: host asan win64 fuzz-build
	@echo "== native unit tests (AddressSanitizer, UndefinedBehaviorSanitizer)"
	@cd build/asan && ctest --output-on-failure -j $(JOBS) >ctest.log 2>&1 || { cat ctest.log; exit 1; }
	@tail -n 3 build/asan/ctest.log
	@echo "== Windows-side and end-to-end tests under wine"
	@scripts/with-wine.sh ctest --test-dir build/win64 --output-on-failure --timeout 600
	@echo "== fuzzing the lesson data and the settings briefly"
	@scripts/fuzz.sh 8
	@echo "== native unit tests"
	@cd build/host && ctest --output-on-failure -j $(JOBS)

run: win64
	@scripts/run.sh

bench: host
	@build/host/varidel_bench

# The download: build/win64/dist/Varidel-<version>-win64.zip and its sum.
dist: win64
	@cmake --build build/win64 --target dist

clean:
	rm -rf build
