# The two commands a new player or developer needs:
#   make run   installs what is missing, builds, and starts the game
#   make test  installs what is missing, builds, and runs the whole test suite
#
# make test runs, in turn: the suite in the normal build; the same suite built
# with AddressSanitizer and UndefinedBehaviorSanitizer (build-asan); every
# file reader's fuzz target for the seconds FUZZ_PLAN_CI gives it (build-fuzz).
# The soak of real play is one of the suite's programs (tests/soak), so it
# runs in both builds.
#
# Other targets:
#   make check    only the normal build and its run of the suite, for the
#                 edit-and-test loop (make unit is the same)
#   make asan     only the sanitizer build and its run of the suite
#   make fuzz     builds the fuzz targets and runs each for FUZZ_SECONDS (60);
#                 FUZZ_TARGETS="fuzz_scores fuzz_names" runs only those
#   make fuzz-ci  the same for the seconds of FUZZ_PLAN_CI, as make test runs them
#   make screenshots  plays scripted games headless and writes the README's
#                 pictures into docs/
#   make deb      the Debian package quorlane_<version>_<arch>.deb in this
#                 folder, built with Debian's hardening flags in build-deb and
#                 checked by lintian where it is installed; as Debian's games
#                 do, the game and its launcher go to /usr/games

BUILD      ?= build
ASAN_BUILD ?= build-asan
FUZZ_BUILD ?= build-fuzz
DEB_BUILD  ?= build-deb
JOBS       ?= $(shell nproc)
FUZZ_SECONDS    ?= 60
# make test's fuzzing, by target: the readers that run slowly and still find
# new paths after seconds (patterns, LastGame.dat) get most of the time; the
# fast ones find little or nothing new after the first second or two from the
# seeds (the JPEG decoder nothing after its first second, the score table a
# handful), and those seconds went to the saved game's reader.
FUZZ_PLAN_CI    ?= fuzz_pattern:8 fuzz_lastgame:8 fuzz_savedgame:2 fuzz_scores:1 fuzz_names:2 fuzz_jpeg:1
# Games the soak plays in the normal build and in the (slower) sanitizer build.
# The lines of the game's code that the soak reaches stop growing after about
# fifty games; these counts play that many over and over with other seeds,
# for the rarer states a line count cannot see, at a cost the test cycle can
# bear (a game is about 0.02 s here, 0.2 s under the sanitizers).
SOAK_GAMES      ?= 1000
SOAK_GAMES_ASAN ?= 200

PACKAGES = build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev libxcb1-dev \
           qt6-tools-dev qt6-l10n-tools qt6-translations-l10n \
           libjpeg-dev libjpeg-turbo-progs zlib1g-dev libgtest-dev libgmock-dev libbenchmark-dev \
           fonts-dejavu-core fonts-liberation desktop-file-utils appstream \
           clang-14 libclang-rt-14-dev llvm-14 dpkg-dev file \
           at-spi2-core python3-pyatspi dbus xvfb libx11-6

SANITIZE = -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer
# Leaks are checked; the suppressions name only the system's libraries (fonts,
# the offscreen platform), whose caches live until the process ends, and the
# one whose strings the strict checks fault on a real X display.
ASAN_ENV = ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1:suppressions=$(CURDIR)/fuzz/sanitizers/asan.supp \
           LSAN_OPTIONS=suppressions=$(CURDIR)/fuzz/sanitizers/lsan.supp:print_suppressions=0 \
           UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

.PHONY: run test build deps clean asan asan-build fuzz fuzz-build fuzz-ci unit check deb screenshots

run: build
	./$(BUILD)/quorlane

test: unit asan fuzz-ci

check: unit

unit: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen QUORLANE_SOAK_GAMES=$(SOAK_GAMES) \
	  ctest --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

# The sanitizer build needs no benchmarks; undefined behaviour stops the
# program at once and fails its test. The test programs' own sources skip
# the undefined-behaviour checks there (tests/CMakeLists.txt says why).
asan-build: deps
	cmake -S . -B $(ASAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUORLANE_BENCH=OFF -DQUORLANE_SANITIZED_BUILD=ON \
	  -DCMAKE_CXX_FLAGS="-O1 $(SANITIZE)" -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
	  -DCMAKE_EXE_LINKER_FLAGS="$(SANITIZE)"
	$(ASAN_ENV) QT_QPA_PLATFORM=offscreen cmake --build $(ASAN_BUILD) -j$(JOBS)

asan: asan-build
	cd $(ASAN_BUILD) && QT_QPA_PLATFORM=offscreen QUORLANE_SOAK_GAMES=$(SOAK_GAMES_ASAN) $(ASAN_ENV) \
	  ctest --output-on-failure -j$(JOBS)

fuzz-build: deps
	cmake -S fuzz -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	  -DCMAKE_CXX_COMPILER=clang++-14
	cmake --build $(FUZZ_BUILD) -j$(JOBS)

fuzz: fuzz-build
	FUZZ_BUILD=$(FUZZ_BUILD) fuzz/run-fuzzers.sh $(FUZZ_SECONDS)

fuzz-ci: fuzz-build
	FUZZ_BUILD=$(FUZZ_BUILD) FUZZ_TARGETS="$(FUZZ_PLAN_CI)" fuzz/run-fuzzers.sh

screenshots: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS) --target quorlane-screenshots
	QT_QPA_PLATFORM=offscreen ./$(BUILD)/quorlane-screenshots docs Patterns

DEB_FLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get

deb: deps
	cmake -S . -B $(DEB_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORLANE_TESTS=OFF -DQUORLANE_BENCH=OFF \
	  -DCMAKE_INSTALL_BINDIR=games \
	  -DCMAKE_CXX_FLAGS="$$($(DEB_FLAGS) CPPFLAGS) $$($(DEB_FLAGS) CXXFLAGS)" \
	  -DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_FLAGS) LDFLAGS)"
	cmake --build $(DEB_BUILD) -j$(JOBS)
	rm -f $(DEB_BUILD)/quorlane_*.deb
	cd $(DEB_BUILD) && cpack -G DEB
	cp $(DEB_BUILD)/quorlane_*.deb .
	@if command -v lintian >/dev/null; then lintian --fail-on error quorlane_*.deb; fi

# Installs only the Debian packages that are not there yet.
deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

clean:
	rm -rf $(BUILD) $(ASAN_BUILD) $(FUZZ_BUILD) $(DEB_BUILD)
