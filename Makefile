# make run   installs what is missing, builds and starts the game
# make test  the same set-up, then every test headless, also under ASan/UBSan
# make bench start-up, memory, idle CPU, sound latency and departure timing
# make fuzz  fuzzes the ranking file and CSV readers (FUZZ_SECONDS each, default 300), then
#            storms the windows and races and kills saves at length under ASan/UBSan
# make package builds the Debian package build-package/kobu_<version>_amd64.deb

JOBS ?= $(shell nproc)
FUZZ_SECONDS ?= 300
STORM_EVENTS ?= 25000
SAVE_ROUNDS ?= 200
SAVE_KILLS ?= 1000
# A developer's ccache, where there is one, makes rebuilds in a fresh clone quick.
CMAKE_FLAGS = $(if $(shell command -v ccache),-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
TEST_ENV = QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy LANG=C.UTF-8
SAN_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
          UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: all setup build run test test-asan bench fuzz package clean

all: build

setup:
	@./tools/setup build

build: setup
	@cmake $(CMAKE_FLAGS) -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	@cmake --build build -j$(JOBS)

run: build
	./build/kobu

test:
	@./tools/setup build test
	@cmake $(CMAKE_FLAGS) -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	@cmake --build build -j$(JOBS)
	cd build && $(TEST_ENV) ctest --output-on-failure -j$(JOBS)
	@$(MAKE) --no-print-directory test-asan
	./tools/fuzz 10

test-asan:
	@cmake $(CMAKE_FLAGS) -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKOBU_SANITIZE=ON > /dev/null
	@cmake --build build-asan -j$(JOBS)
	cd build-asan && $(TEST_ENV) $(SAN_ENV) ctest --output-on-failure -j$(JOBS)

bench:
	@./tools/setup build bench
	@cmake $(CMAKE_FLAGS) -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	@cmake --build build -j$(JOBS) --target kobu benchmarks
	./bench/run build

fuzz:
	@./tools/setup build test
	./tools/fuzz $(FUZZ_SECONDS)
	@cmake $(CMAKE_FLAGS) -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DKOBU_SANITIZE=ON > /dev/null
	@cmake --build build-asan -j$(JOBS) --target tst_gamewindow tst_ranking
	cd build-asan && $(TEST_ENV) $(SAN_ENV) KOBU_STORM_EVENTS=$(STORM_EVENTS) ./tests/tst_gamewindow stormKeepsEveryInvariant
	cd build-asan && $(TEST_ENV) $(SAN_ENV) KOBU_SAVE_ROUNDS=$(SAVE_ROUNDS) KOBU_SAVE_KILLS=$(SAVE_KILLS) \
	    ./tests/tst_ranking concurrentSaves killedWhileSaving

# A release build for /usr, as Debian installs it.
package:
	@./tools/setup build package
	@cmake $(CMAKE_FLAGS) -S . -B build-package -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DKOBU_TESTS=OFF > /dev/null
	@cmake --build build-package -j$(JOBS)
	cd build-package && cpack -G DEB

clean:
	rm -rf build build-asan build-fuzz build-package
