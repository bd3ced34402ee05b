# The whole set-up: `make run` opens the window, `make test` runs every test.
# Both install what they need first.

JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

.PHONY: all deps configure build run test asan windows bench screenshot \
  reference-images clean

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

# The model, the FLTK backend, the unit tests and the in-process window
# tests under AddressSanitizer and UBSan.
asan: deps
	cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTROVANEL_SANITIZE=ON \
	  >/dev/null
	cmake --build build-asan -j $(JOBS)

windows: deps
	@for arch in i686 x86_64; do \
	  cmake -S . -B build-windows/$$arch -DCMAKE_BUILD_TYPE=MinSizeRel \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-$$arch.cmake >/dev/null && \
	  cmake --build build-windows/$$arch -j $(JOBS) || exit 1; \
	done

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

# Takes the window's reference images again (tests/reference/linux): look at
# each before committing it.
reference-images: build
	cmake --build build -j $(JOBS) --target trovanel_test_wm trovanel_drive
	python3 tests/support/xvfb_run.py --wm build/tests/support/trovanel_test_wm \
	  -- tests/gui/reference_images.sh build/trovanel \
	  build/tests/gui/trovanel_drive build/tests/gui/reference-images --update

clean:
	rm -rf build build-asan build-windows
