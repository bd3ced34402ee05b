# The whole set-up: `make run` opens the window, `make test` runs every test.
# Both install what they need first.

JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test asan windows package bench screenshot clean

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
	@for arch in i686 x86_64; do \
	  cmake -S . -B build-windows/$$arch -DCMAKE_BUILD_TYPE=MinSizeRel \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$$arch.cmake >/dev/null && \
	  cmake --build build-windows/$$arch -j $(JOBS) || exit 1; \
	done

# The Debian package of the Linux program and the Windows download, in
# build/packages/.
package: configure windows
	cmake --build build -j $(JOBS) --target trovanel_package_contents \
	  trovanel_windows_download
	cd build && cpack >/dev/null
	@ls -l build/packages/*.deb build/packages/*.zip

test: configure asan windows package
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
