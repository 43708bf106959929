# The two commands of the README (make run, make test) and a few helpers.
BUILD      ?= build
SAN_BUILD  ?= build-sanitize
JOBS       ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_ARGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: run test deps build build-sanitize test-plain test-sanitize screenshots bench soak fuzz package clean

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

screenshots: build
	@QT_QPA_PLATFORM=offscreen ./$(BUILD)/tools/screenshots $(BUILD)/screens

# A Debian package of a Release build without tests, made by CPack in build-package/.
package: deps
	@cmake -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DKAIRO_BUILD_TESTS=OFF >/dev/null
	@cmake --build build-package -j$(JOBS)
	@cd build-package && cpack -G DEB
	@ls build-package/*.deb

clean:
	rm -rf $(BUILD) $(SAN_BUILD)
