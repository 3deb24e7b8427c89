# The two commands of the project:
#   make run   installs what is missing, builds, and starts the game
#   make test  installs what is missing, builds, and runs every test headless
#              (also once more under AddressSanitizer and UndefinedBehaviorSanitizer,
#              and a short fuzzing run of every loader, FUZZ_SECONDS each)
#   make fuzz  fuzzes every loader for longer (FUZZ_LONG_SECONDS each)
#   make soak  a million frames of random play, checked, in a sanitizer build

BUILD      ?= build
SAN_BUILD  ?= build-san
FUZZ_BUILD ?= build-fuzz
COV_BUILD  ?= build-cov
SOAK_BUILD ?= build-soak
SOAK_FRAMES ?= 1000000
FUZZ_SECONDS      ?= 10
FUZZ_LONG_SECONDS ?= 600
FUZZ_LOADERS      ?= saves slots options driver map png
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps configure build run test test-fast test-san fuzz-build test-fuzz fuzz coverage soak
.PHONY: contact-sheets audio-renders bench playthrough format clean install uninstall package screenshots
.PHONY: review-shots

all: build

deps:
	@./scripts/setup-deps.sh

$(BUILD)/build.ninja:
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo $(CMAKE_ARGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

# Only the game and the generator of its assets, so a new player waits for
# nothing else; `make test` builds everything.
run: configure
	cmake --build $(BUILD) -j $(JOBS) --target vizid
	./$(BUILD)/vizid

test-fast: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)

$(SAN_BUILD)/build.ninja:
	cmake -S . -B $(SAN_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVIZID_SANITIZE=ON $(CMAKE_ARGS)

test-san: deps $(SAN_BUILD)/build.ninja
	cmake --build $(SAN_BUILD) -j $(JOBS)
	cd $(SAN_BUILD) && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ctest --output-on-failure -j $(JOBS)

# The loaders' fuzz targets, built with clang's libFuzzer and the
# sanitizers in a folder of their own, each started from valid files of its
# kind (with the real map and pictures when the game's build has made them).
$(FUZZ_BUILD)/build.ninja:
	CC=clang CXX=clang++ cmake -S tools/fuzz -B $(FUZZ_BUILD) -G Ninja

fuzz-build: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	./$(FUZZ_BUILD)/vizid-fuzz-seeds $(FUZZ_BUILD)/seeds $(wildcard $(BUILD)/data)

test-fuzz: fuzz-build
	tools/fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_SECONDS) $(FUZZ_LOADERS)

fuzz: fuzz-build
	tools/fuzz/run.sh $(FUZZ_BUILD) $(FUZZ_LONG_SECONDS) $(FUZZ_LOADERS)

test: test-fast test-san test-fuzz

# The soak run (tools/soak/soak.cpp): SOAK_FRAMES frames of random play on
# every screen in the fast mode, under AddressSanitizer and
# UndefinedBehaviorSanitizer, with its checks after every frame.
$(SOAK_BUILD)/build.ninja:
	cmake -S . -B $(SOAK_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVIZID_SANITIZE=ON $(CMAKE_ARGS)

soak: deps $(SOAK_BUILD)/build.ninja
	cmake --build $(SOAK_BUILD) -j $(JOBS) --target vizid-soak
	UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 ./$(SOAK_BUILD)/vizid-soak $(SOAK_FRAMES)

# Line and branch coverage of src/ from the game's test suite (vizid_tests;
# the generators' own tests cover tools/), with Debian's gcovr: a summary
# here, every file and function in $(COV_BUILD)/coverage/.
$(COV_BUILD)/build.ninja:
	cmake -S . -B $(COV_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=--coverage \
	  -DCMAKE_EXE_LINKER_FLAGS=--coverage $(CMAKE_ARGS)

coverage: deps $(COV_BUILD)/build.ninja
	@command -v gcovr >/dev/null || { [ "$$(id -u)" -eq 0 ] || s=sudo; $$s apt-get install -y -q gcovr; }
	cmake --build $(COV_BUILD) -j $(JOBS) --target vizid_tests
	find $(COV_BUILD) -name '*.gcda' -delete
	cd $(COV_BUILD) && SDL_VIDEODRIVER=offscreen SDL_AUDIODRIVER=dummy ./vizid_tests
	mkdir -p $(COV_BUILD)/coverage
	gcovr --root . --object-directory $(COV_BUILD) --filter 'src/' --exclude-throw-branches \
	  --print-summary --html-details $(COV_BUILD)/coverage/index.html --json $(COV_BUILD)/coverage/coverage.json
	@echo "Coverage by file and function: $(COV_BUILD)/coverage/index.html"

contact-sheets: build
	./$(BUILD)/vizid-contactsheets $(BUILD)/contact-sheets
	@echo "Contact sheets written to $(BUILD)/contact-sheets"

audio-renders: build
	./$(BUILD)/vizid-audiorender --all $(BUILD)/audio-renders --assets assets
	@echo "Renders written to $(BUILD)/audio-renders"

# The player bot over many seeds (SEEDS=N, default 50; BOT_ARGS such as
# "--party FF" or "--reloads 0"), report in build/playthrough.txt.
SEEDS ?= 50
BOT_ARGS ?=
playthrough: configure
	cmake --build $(BUILD) -j $(JOBS) --target vizid-bot
	$(BUILD)/vizid-bot $(SEEDS) 1 $(BOT_ARGS) | tee $(BUILD)/playthrough.txt

bench: build
	@for b in $(BUILD)/vizid-bench-*; do echo "== $$b"; $$b || exit 1; done

# Installing: `make install PREFIX=/usr/local` (DESTDIR=... stages it elsewhere);
# `make uninstall` removes what the last install put down.
PREFIX ?= /usr/local

install: build
	cmake --install $(BUILD) --prefix $(PREFIX)

uninstall:
	@test -f $(BUILD)/install_manifest.txt || { echo "Nothing installed from $(BUILD)"; exit 1; }
	xargs -d '\n' rm -f < $(BUILD)/install_manifest.txt

# The Debian package: $(BUILD)/vizid-of-vorgash_VERSION-1_ARCH.deb
package: build
	cd $(BUILD) && cpack -G DEB

# The README's screenshots, through the playtest harness, into docs/.
screenshots: build
	@mkdir -p docs
	@for s in tools/playtest/screenshots/*.txt; do \
	  echo "== $$s"; ./$(BUILD)/vizid-playtest $$s || exit 1; \
	done
	@for f in docs/*.png; do \
	  if command -v convert >/dev/null; then convert $$f -strip -define png:compression-level=9 $$f; fi; \
	done
	@ls -l docs/*.png

# Every screen in every state worth a look, for a person to review (not for
# the README): $(BUILD)/review-shots/SCENE/*.png.
review-shots: configure
	cmake --build $(BUILD) -j $(JOBS) --target vizid-review-shots
	./$(BUILD)/vizid-review-shots $(BUILD)/review-shots

format:
	find src tools tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD) $(COV_BUILD) $(SOAK_BUILD)
