# The two commands of the README (make run, make test) and a few helpers.
BUILD      ?= build
SAN_BUILD  ?= build-sanitize
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_ARGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test deps build build-sanitize test-plain test-sanitize screenshots translations bench soak fuzz package clean

deps:
	@bash scripts/install-deps.sh

build: deps
	@cmake -S . -B $(BUILD) $(CMAKE_ARGS) >/dev/null
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@if [ -n "$$DISPLAY" ] || [ -n "$$WAYLAND_DISPLAY" ]; then \
	  ./$(BUILD)/src/kairo-drill; \
	else \
	  xvfb-run -a -s "-screen 0 1280x1024x24" ./$(BUILD)/src/kairo-drill; \
	fi

test-plain: build
	@cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

build-sanitize: deps
	@cmake -S . -B $(SAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKAIRO_SANITIZE=ON >/dev/null
	@cmake --build $(SAN_BUILD) -j$(JOBS)

test-sanitize: build-sanitize
	@cd $(SAN_BUILD) && QT_QPA_PLATFORM=offscreen \
	  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
	  LSAN_OPTIONS=suppressions=$(CURDIR)/tests/lsan.supp:print_suppressions=0 \
	  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -j$(JOBS)

# Plain suite first, then the same tests under AddressSanitizer and UndefinedBehaviorSanitizer.
test: test-plain test-sanitize

# A long random walk through the windows (tests/monkey): SOAK_SEEDS seeds of SOAK_STEPS steps each,
# 1,000,000 steps by default, the seeds shared out over $(JOBS) processes. Seeds start at 1001, apart
# from the 20 that the test suite walks. Logs: $(BUILD)/soak/.
SOAK_SEEDS ?= 40
SOAK_STEPS ?= 25000
soak: deps
	@cmake -S . -B $(BUILD) $(CMAKE_ARGS) >/dev/null
	@cmake --build $(BUILD) -j$(JOBS) --target tests_monkey
	@logs=$(abspath $(BUILD))/soak; rm -rf $$logs && mkdir -p $$logs; \
	start=$$(date +%s); per=$$(( ($(SOAK_SEEDS) + $(JOBS) - 1) / $(JOBS) )); pids=""; \
	for first in $$(seq 1001 $$per $$(( 1000 + $(SOAK_SEEDS) ))); do \
	  count=$$(( 1001 + $(SOAK_SEEDS) - first )); [ $$count -gt $$per ] && count=$$per; \
	  QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.qpa.*=false' KAIRO_MONKEY_FIRST_SEED=$$first \
	    KAIRO_MONKEY_SEEDS=$$count KAIRO_MONKEY_STEPS=$(SOAK_STEPS) \
	    $(abspath $(BUILD))/tests/tests_monkey monkey >$$logs/seeds-$$first.log 2>&1 & pids="$$pids $$!"; \
	done; status=0; for p in $$pids; do wait $$p || status=1; done; \
	grep -h -E '^(FAIL|QINFO.*seed [0-9]+:|QINFO.*never reached)' $$logs/*.log | cut -c1-300; \
	echo "soak: $(SOAK_SEEDS) seeds x $(SOAK_STEPS) steps in $$(( $$(date +%s) - start )) s:" \
	  "$$(cat $$logs/*.log | grep -c '^PASS.*walk') seeds passed," \
	  "$$(cat $$logs/*.log | grep -c '^FAIL.*walk') failed (logs: $$logs)"; \
	exit $$status

# Every libFuzzer target of fuzz/ for FUZZ_SECONDS seconds (clang from make deps). Corpora and
# crashes: $(FUZZ_BUILD)/corpus, $(FUZZ_BUILD)/artifacts.
FUZZ_SECONDS ?= 60
FUZZ_BUILD   ?= build-fuzz
fuzz: deps
	@FUZZ_BUILD_DIR=$(abspath $(FUZZ_BUILD)) bash fuzz/run.sh $(FUZZ_SECONDS)

screenshots: build
	@QT_QPA_PLATFORM=offscreen ./$(BUILD)/tools/screenshots $(BUILD)/screens

# Brings translations/*.ts up to date with the texts marked in src/ (lupdate), keeping every
# translation made; new texts come in unfinished, for Qt Linguist.
translations: deps
	@cmake -S . -B $(BUILD) $(CMAKE_ARGS) >/dev/null
	@cmake --build $(BUILD) --target update_translations

# Start-up, click-latency and memory benchmarks of a Release build in build-bench/, against a bare
# Qt window, printed as one table (README, "Performance"). BENCH_RUNS starts of each program,
# BENCH_PASSES passes of the click walker through every window.
BENCH_RUNS   ?= 40
BENCH_PASSES ?= 20
bench: deps
	@cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DKAIRO_BUILD_TESTS=OFF -DKAIRO_BUILD_BENCH=ON >/dev/null
	@cmake --build build-bench -j$(JOBS) --target bench_runner
	@./build-bench/bench/bench_runner --runs $(BENCH_RUNS) --passes $(BENCH_PASSES)

# A Debian package of a Release build without tests, made by CPack in build-package/ and checked by
# lintian. Linked with full RELRO, as Debian's own builds are. Every time stamp, in the package and in
# the program's compiled-in resources, is the last commit's (SOURCE_DATE_EPOCH), so two builds of one
# commit give the same package.
PACKAGE_EPOCH = $(shell git log -1 --format=%ct 2>/dev/null || echo 0)
package:
	@bash scripts/install-deps.sh package
	@cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DKAIRO_BUILD_TESTS=OFF -DKAIRO_BUILD_BENCH=OFF \
	  -DCMAKE_EXE_LINKER_FLAGS="-Wl,-z,relro,-z,now" >/dev/null
	@SOURCE_DATE_EPOCH=$(PACKAGE_EPOCH) cmake --build build-package -j$(JOBS)
	@cd build-package && SOURCE_DATE_EPOCH=$(PACKAGE_EPOCH) cpack -G DEB
	@lintian --fail-on error,warning build-package/*.deb
	@ls build-package/*.deb

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
