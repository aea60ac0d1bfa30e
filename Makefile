# SPDX-License-Identifier: GPL-3.0-or-later
# Keyslinger: the two commands a new machine needs (make run, make test) and a few more.
# Nothing here depends on what was installed before: every build folder uses Ninja, which the
# deps step installs, and Ninja builds on every core.
BUILD ?= build
ASAN_BUILD ?= build-asan
PREFIX ?= /usr/local
DESTDIR ?=
JOBS := $(shell nproc 2>/dev/null || echo 2)

.PHONY: all deps configure build run test test-asan bench content balance install package \
        fresh-check clean

all: build

deps:
	@scripts/install-deps.sh

configure: deps
	@scripts/configure-build.sh $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo

build: configure
	@cmake --build $(BUILD)

run: build
	cd $(BUILD)/game && ./keyslinger

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

test-asan: deps
	@scripts/configure-build.sh $(ASAN_BUILD) -DCMAKE_BUILD_TYPE=Debug -DKEYSLINGER_SANITIZE=ON
	@cmake --build $(ASAN_BUILD)
	cd $(ASAN_BUILD) && ctest --output-on-failure -j$(JOBS) -LE e2e

bench: build
	$(BUILD)/tests/keyslinger_bench
	$(BUILD)/tests/keyslinger_screen_bench

content: configure
	@cmake --build $(BUILD) --target keyslinger-content
	$(BUILD)/tools/content/keyslinger-content $(CURDIR)

balance: build
	scripts/balance.sh $(BUILD)/game docs/balance.md

# make install [PREFIX=/usr] [DESTDIR=/tmp/stage]: the game laid out as Debian lays out games.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"

# The Debian package build/keyslinger_<version>_amd64.deb.
package: build
	cd $(BUILD) && cpack -G DEB

# A fresh minimal Debian 12 root: the README's commands, then the package (needs root, downloads).
fresh-check:
	scripts/fresh-machine-check.sh

clean:
	rm -rf $(BUILD) $(ASAN_BUILD)
