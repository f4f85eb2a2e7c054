# Quillory: three builds from one source tree.
#   build/host   native g++: pure logic, qlx, tests, benchmarks, fuzzing
#   build/win64  x86_64-w64-mingw32: the tests run under wine64
#   build/win32  i686-w64-mingw32: the shipping 32-bit program, warning-free;
#                its tests run under the private 32-bit Wine in build/wine32
SHELL := /bin/bash
BUILD := build
JOBS  ?= $(shell nproc)
CMAKE_GEN := -G Ninja
WINEPREFIX_DIR := $(CURDIR)/$(BUILD)/win64/wineprefix
WINE_ENV := WINEPREFIX=$(WINEPREFIX_DIR) WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
# The 32-bit prefix, loader and server (build/win32/wineprefix, build/wine32).
WINE32_ENV := scripts/wine32-env.sh $(BUILD)

.PHONY: all host win64 win32 wine32 deps test test-host test-win64 test-win32 test-wine run bench fuzz fuzz-long dist clean

all: host win64 win32

deps:
	@scripts/install-deps.sh

$(BUILD)/host/build.ninja:
	cmake -S . -B $(BUILD)/host $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo

$(BUILD)/win64/build.ninja:
	cmake -S . -B $(BUILD)/win64 $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-win64.cmake

$(BUILD)/win32/build.ninja:
	cmake -S . -B $(BUILD)/win32 $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-win32.cmake -DQUILLORY_WERROR=ON

host: $(BUILD)/host/build.ninja
	cmake --build $(BUILD)/host -j $(JOBS)

win64: $(BUILD)/win64/build.ninja
	cmake --build $(BUILD)/win64 -j $(JOBS)

win32: $(BUILD)/win32/build.ninja
	cmake --build $(BUILD)/win32 -j $(JOBS)

# The fuzzers run first so that the test runners' summaries close the output.
test: deps all
	$(MAKE) fuzz test-host test-wine

# The 64-bit and 32-bit runs share no prefix, server or display, and mostly
# wait for windows: they run side by side, each run's output shown whole.
test-wine:
	$(MAKE) -j2 --output-sync=target test-win64 test-win32

test-host: host
	cd $(BUILD)/host && ctest --output-on-failure -j $(JOBS)

# One wineserver for the whole run; every test executable is one Wine process.
test-win64: win64
	$(WINE_ENV) scripts/wine-prefix.sh
	$(WINE_ENV) xvfb-run -a -n 99 -s "-screen 0 1280x1024x24" scripts/wine-ctest.sh $(BUILD)/win64 $(JOBS)

# The shipping build's suites and its x86 installer, under 32-bit Wine; a
# display of its own, searched from another number than the 64-bit run's.
test-win32: win32 wine32
	$(WINE32_ENV) scripts/wine-prefix.sh
	$(WINE32_ENV) xvfb-run -a -n 132 -s "-screen 0 1280x1024x24" scripts/wine-ctest.sh $(BUILD)/win32 $(JOBS)

# Debian's 32-bit Wine unpacked into the build tree, with qemu-i386 to run it.
wine32:
	scripts/wine32-root.sh $(BUILD)/wine32

# The first command on a fresh machine too: installs what is missing, then
# builds only the program and the driver that runs it without a display.
run: deps
	$(MAKE) $(BUILD)/win64/build.ninja
	cmake --build $(BUILD)/win64 -j $(JOBS) --target Quillory quillory_rundriver
	scripts/run.sh $(BUILD)

# Natively, and the save benchmark once more for Windows, run under wine64.
bench:
	cmake -S . -B $(BUILD)/bench $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DQUILLORY_TESTS=OFF
	cmake --build $(BUILD)/bench -j $(JOBS)
	cmake -S . -B $(BUILD)/bench-win64 $(CMAKE_GEN) -DCMAKE_BUILD_TYPE=Release -DQUILLORY_TESTS=OFF \
	    -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-win64.cmake
	cmake --build $(BUILD)/bench-win64 -j $(JOBS) --target bench_save
	scripts/run-bench.sh $(BUILD)/bench $(BUILD)/bench-win64

# A bounded fuzzing run of the loader, part of `make test`; `make fuzz-long` runs ten minutes.
FUZZ_SECONDS ?= 45
fuzz:
	cmake -S fuzz -B $(BUILD)/fuzz $(CMAKE_GEN) -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++
	cmake --build $(BUILD)/fuzz -j $(JOBS)
	scripts/run-fuzz.sh $(BUILD)/fuzz $(FUZZ_SECONDS)

fuzz-long:
	$(MAKE) fuzz FUZZ_SECONDS=600

clean:
	rm -rf $(BUILD)

# The 32-bit installer and a portable zip, from the shipping build.
DIST := $(BUILD)/dist
dist: win32
	cmake --build $(BUILD)/win32 --target installer
	mkdir -p $(DIST)/Quillory-1.1
	cp $(BUILD)/win32/Quillory-1.1-x86-setup.exe $(DIST)/
	cp $(BUILD)/win32/Quillory.exe $(BUILD)/win32/Quillory.chm $(BUILD)/win32/qlx.exe samples/*.qlx $(DIST)/Quillory-1.1/
	cd $(DIST) && rm -f Quillory-1.1-portable.zip && zip -qr Quillory-1.1-portable.zip Quillory-1.1
	@ls -l $(DIST)
