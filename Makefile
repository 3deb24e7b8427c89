# The two commands of the project:
#   make run   installs what is missing, builds, and starts the game
#   make test  installs what is missing, builds, and runs every test headless
#              (also once more under AddressSanitizer and UndefinedBehaviorSanitizer,
#              and a short fuzzing run of the saved-game loaders)
#   make fuzz  fuzzes the saved-game loaders for longer (FUZZ_LONG_SECONDS)

BUILD      ?= build
SAN_BUILD  ?= build-san
FUZZ_BUILD ?= build-fuzz
COV_BUILD  ?= build-cov
FUZZ_SECONDS      ?= 25
FUZZ_LONG_SECONDS ?= 900
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps configure build run test test-fast test-san fuzz-build test-fuzz fuzz coverage
.PHONY: contact-sheets audio-renders bench playthrough format clean install uninstall package screenshots

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
# sanitizers in a folder of their own, started from valid saved games.
$(FUZZ_BUILD)/build.ninja:
	CC=clang CXX=clang++ cmake -S tools/fuzz -B $(FUZZ_BUILD) -G Ninja

fuzz-build: deps $(FUZZ_BUILD)/build.ninja
	cmake --build $(FUZZ_BUILD) -j $(JOBS)
	./$(FUZZ_BUILD)/vizid-fuzz-seeds $(FUZZ_BUILD)/seeds
	mkdir -p $(FUZZ_BUILD)/corpus

FUZZ_RUN = ./$(FUZZ_BUILD)/vizid-fuzz-saves -print_final_stats=1 -artifact_prefix=$(FUZZ_BUILD)/ \
	$(FUZZ_BUILD)/corpus $(FUZZ_BUILD)/seeds

test-fuzz: fuzz-build
	$(FUZZ_RUN) -max_total_time=$(FUZZ_SECONDS)

fuzz: fuzz-build
	$(FUZZ_RUN) -max_total_time=$(FUZZ_LONG_SECONDS)

test: test-fast test-san test-fuzz

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

format:
	find src tools tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(FUZZ_BUILD) $(COV_BUILD)
