# Keyslinger: the two commands a new machine needs (make run, make test) and a few more.
BUILD ?= build
ASAN_BUILD ?= build-asan
GENERATOR := $(shell command -v ninja >/dev/null 2>&1 && echo Ninja || echo "Unix Makefiles")

.PHONY: all deps configure build run test test-asan bench content balance clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD)

run: build
	cd $(BUILD)/game && ./keyslinger

test: build
	cd $(BUILD) && ctest --output-on-failure -j2

test-asan: deps
	@cmake -S . -B $(ASAN_BUILD) -G "$(GENERATOR)" -DCMAKE_BUILD_TYPE=Debug -DKEYSLINGER_SANITIZE=ON >/dev/null
	@cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j2 -LE e2e

bench: build
	$(BUILD)/tests/keyslinger_bench
	$(BUILD)/tests/keyslinger_screen_bench

content: configure
	@cmake --build $(BUILD) --target keyslinger-content
	$(BUILD)/tools/content/keyslinger-content $(CURDIR)

balance: build
	scripts/balance.sh $(BUILD)/game docs/balance.md

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
