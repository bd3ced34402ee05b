# The whole set-up: `make run` opens the window, `make test` runs every test.
# Both install what they need first.

JOBS ?= $(shell nproc)
CMAKE_FLAGS ?= -DCMAKE_BUILD_TYPE=RelWithDebInfo

# The packages that tools/install-deps.sh could not install, "package<TAB>reason"
# a line: the build reports the tests that need one as skipped, and `make test`
# leaves out the stages below that need one, each saying why.
export TROVANEL_MISSING_PACKAGES ?= $(CURDIR)/build/missing-packages.txt
NEEDS_windows := mingw-w64
NEEDS_web := emscripten googletest
NEEDS_package := $(NEEDS_windows) $(NEEDS_web)
NEEDS_web-test := $(NEEDS_web) chromium nodejs npm libxml2-utils
NEEDS_fuzz-check := clang libclang-rt-14-dev
OPTIONAL_STAGES := windows package fuzz-check web-test
stage = MAKE="$(MAKE)" bash tools/missing-packages.sh stage $(1) $(NEEDS_$(1))

.PHONY: all deps configure build run test test-stages asan windows package web \
  web-test serve bench screenshot reference-images fuzz fuzz-build fuzz-check clean

all: build

# Once a run: the stages that `make test` runs in a make of their own skip it.
deps:
	@$(if $(DEPS_DONE),true,bash tools/install-deps.sh)

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

# The exercise loader and the layout rule under libFuzzer, seeded with the
# example files: a minute in `make test`, FUZZ_SECONDS (10 minutes) here.
FUZZ_SECONDS ?= 600
fuzz-build: deps
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DTROVANEL_BACKEND=none -DTROVANEL_TESTS=OFF -DTROVANEL_FUZZ=ON >/dev/null
	cmake --build build-fuzz -j $(JOBS) --target exercise_fuzzer gift_fuzzer
	mkdir -p build-fuzz/corpus build-fuzz/gift-corpus
	cp exercises/*.trovanel build-fuzz/corpus/
	cp tests/fuzz/seeds/*.gift build-fuzz/gift-corpus/
fuzz: fuzz-build
	build-fuzz/tests/fuzz/exercise_fuzzer -max_total_time=$(FUZZ_SECONDS) \
	  -max_len=16384 build-fuzz/corpus
	build-fuzz/tests/fuzz/gift_fuzzer -max_total_time=$(FUZZ_SECONDS) \
	  -max_len=16384 build-fuzz/gift-corpus
fuzz-check: fuzz-build
	build-fuzz/tests/fuzz/exercise_fuzzer -max_total_time=60 -max_len=16384 \
	  build-fuzz/corpus
	build-fuzz/tests/fuzz/gift_fuzzer -max_total_time=60 -max_len=16384 \
	  build-fuzz/gift-corpus

windows: deps
	JOBS=$(JOBS) bash tools/build-windows.sh

# The Debian package of the Linux program and the Windows download, in
# build/packages/. The package holds the one-file page's module from the web
# build.
package: configure windows web
	cmake --build build -j $(JOBS) --target trovanel_package_contents \
	  trovanel_windows_download
	cd build && cpack >/dev/null
	@ls -l build/packages/*.deb build/packages/*.zip

# The page: build-web/dist holds index.html (its markup written from the
# layout table by a host program), trovanel.js, trovanel.wasm and the icon.
# Debian's Emscripten runs its JavaScript tools with Debian's Node modules.
WEB_ENV := NODE_PATH=/usr/share/nodejs EMSDK_PYTHON=/usr/bin/python3
web: deps
	cmake -S . -B build-web/host -DCMAKE_BUILD_TYPE=Release \
	  -DTROVANEL_BACKEND=none -DTROVANEL_TESTS=OFF \
	  -DTROVANEL_PAGE_TOOL_MODULE=$(CURDIR)/build-web/one-file/trovanel-one-file.pack \
	  >/dev/null
	cmake --build build-web/host -j $(JOBS) --target built_in_page_writer teachers_page_tool
	$(WEB_ENV) emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=MinSizeRel \
	  -DCMAKE_CROSSCOMPILING_EMULATOR=/usr/bin/node \
	  -DTROVANEL_BUILT_IN_PAGE_WRITER=$(CURDIR)/build-web/host/programs/built_in_page_writer >/dev/null
	$(WEB_ENV) cmake --build build-web -j $(JOBS) \
	  --target trovanel trovanel_page_markup trovanel_favicon trovanel_one_file \
	  trovanel_exercise_page trovanel_editor_page

# The unit tests on the wasm build under Node, then the page in headless
# Chromium (tests/web, node's own test runner).
# The scenarios come as JSON from the Linux build's parser.
web-test: web configure
	cmake --build build -j $(JOBS) --target trovanel_scenarios
	$(WEB_ENV) cmake --build build-web -j $(JOBS) --target unit_tests \
	  trovanel_fault_page
	ctest --test-dir build-web --output-on-failure
	cd tests/web && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund
	node --test tests/web/

serve: web
	node tools/serve_page.mjs build-web/dist 8000

# The tests that share a Wine prefix take turns (RESOURCE_LOCK); the rest run
# side by side, the longest first (COST), so the Wine and the lint waits overlap.
# Then, passed or failed, what was skipped for a package that could not be
# installed.
test: configure
	@status=0; $(MAKE) --no-print-directory test-stages DEPS_DONE=1 || status=$$?; \
	  bash tools/missing-packages.sh summary build/skipped-tests.txt \
	    $(foreach stage,$(OPTIONAL_STAGES),$(stage)="$(NEEDS_$(stage))"); \
	  exit $$status

test-stages: asan
	@+$(call stage,windows)
	@+$(call stage,package)
	@+$(call stage,fuzz-check)
	cmake --build build -j $(JOBS)
	ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
	  ctest --test-dir build-asan --output-on-failure -j $(JOBS)
	ctest --test-dir build --output-on-failure -j $(JOBS)
	@+$(call stage,web-test)

bench: build web
	bash bench/run.sh

screenshot: build web
	cmake --build build -j $(JOBS) --target trovanel_test_wm trovanel_drive
	bash tools/screenshot.sh
	node tools/page_screenshot.mjs docs/page.png

# Takes the window's reference images again, of the built-in exercise and of
# the examples (tests/reference/linux and, under Wine, tests/reference/windows):
# look at each before committing it.
reference-images: build
	cmake --build build -j $(JOBS) --target trovanel_test_wm trovanel_drive
	python3 tests/support/xvfb_run.py --wm build/tests/support/trovanel_test_wm \
	  -- tests/gui/reference_images.sh build/trovanel \
	  build/tests/gui/trovanel_drive build/tests/gui/reference-images --update
	for file in exercises/states-of-water exercises/cell-organelles \
	    tests/exercises/at-the-limits; do \
	  example=$$(basename $$file); \
	  TROVANEL_EXERCISE=$(CURDIR)/$$file.trovanel \
	  TROVANEL_REFERENCES=$(CURDIR)/tests/reference/linux/$$example \
	  python3 tests/support/xvfb_run.py --wm build/tests/support/trovanel_test_wm \
	  -- tests/gui/reference_images.sh build/trovanel build/tests/gui/trovanel_drive \
	  build/tests/gui/reference-images/$$example --update || exit 1; \
	done
	TROVANEL_UPDATE_REFERENCES=1 ctest --test-dir build \
	  -R '^windows_reference_images$$' --output-on-failure

clean:
	rm -rf build build-asan build-windows build-web build-fuzz
