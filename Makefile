# The whole set-up: `make run` opens the window, `make test` runs every test.
# Both install what they need first.

JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test asan windows bench screenshot clean

all: build

deps:
	@bash tools/install-deps.sh

configure: deps
	cmake -S . -B build $(CMAKE_FLAGS) >/dev/null

# The program alone; `make test` builds the test programs too.
build: configure
	cmake --build build -j $(JOBS) --target trovanel

# Without a display the program itself says so in one line and ends with 1.
run: build
	./build/trovanel

# The headless model and its unit tests under AddressSanitizer and UBSan.
asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTROVANEL_BACKEND=none \
	  -DTROVANEL_SANITIZE=ON >/dev/null
	cmake --build build-asan -j $(JOBS)

windows: deps
	JOBS=$(JOBS) bash tools/build-windows.sh

test: configure asan windows
	cmake --build build -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir build-asan --output-on-failure -j $(JOBS)
	ctest --test-dir build --output-on-failure

bench: build
	bash bench/run.sh

screenshot: build
	cmake --build build -j $(JOBS) --target trovanel_test_wm trovanel_drive
	bash tools/screenshot.sh

clean:
	rm -rf build build-asan build-windows
