# The two commands of the project:
#   make run   installs what is missing, builds, and starts the game
#   make test  installs what is missing, builds, and runs every test headless
#              (also once more under AddressSanitizer and UndefinedBehaviorSanitizer)

BUILD      ?= build
SAN_BUILD  ?= build-san
COV_BUILD  ?= build-cov
JOBS       ?= $(shell nproc)
CMAKE_ARGS ?=

.PHONY: all deps configure build run test test-fast test-san coverage contact-sheets audio-renders bench format clean

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

test: test-fast test-san

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

bench: build
	@for b in $(BUILD)/vizid-bench-*; do echo "== $$b"; $$b || exit 1; done

format:
	find src tools tests bench -name '*.cpp' -o -name '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD) $(SAN_BUILD) $(COV_BUILD)
