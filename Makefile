# The whole set-up: `make run` opens the window, `make test` runs every test.
# Both install what they need first.

JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps build run test unit asan windows bench screenshot clean

all: build

deps:
	@bash tools/install-deps.sh

build: deps
	cmake -S . -B build $(CMAKE_FLAGS) >/dev/null
	cmake --build build -j $(JOBS)

run: build
	@if [ -z "$$DISPLAY" ]; then \
	  echo "make run: no display (DISPLAY is not set); run it on a desktop, or use 'make screenshot'" >&2; \
	  exit 1; \
	fi
	./build/trovanel

# The headless model and its unit tests under AddressSanitizer and UBSan.
asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTROVANEL_BACKEND=none \
	  -DTROVANEL_SANITIZE=ON >/dev/null
	cmake --build build-asan -j $(JOBS)

windows: deps
	@for arch in i686 x86_64; do \
	  cmake -S . -B build-windows/$$arch -DCMAKE_BUILD_TYPE=MinSizeRel \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$$arch.cmake >/dev/null && \
	  cmake --build build-windows/$$arch -j $(JOBS) || exit 1; \
	done

test: build asan windows
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir build-asan --output-on-failure -j $(JOBS)
	ctest --test-dir build --output-on-failure

bench: build
	bash bench/run.sh

screenshot: build
	bash tools/screenshot.sh

clean:
	rm -rf build build-asan build-windows
