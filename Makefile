# Thin front door over CMake. `make run` plays, `make test` checks everything.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=
PREFIX ?= /usr/local

.PHONY: all bootstrap configure build run test bench install package clean

all: build

bootstrap:
	@./scripts/bootstrap

configure: bootstrap
	@cmake -S . -B $(BUILD) $(CMAKE_FLAGS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	@$(BUILD)/game/veltra

test: build
	@cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# The game, its data, desktop entry, icons and metadata under $(PREFIX) (DESTDIR is honoured).
install: build
	@cmake --install $(BUILD) --prefix $(PREFIX)

# The Debian package, $(BUILD)/veltra_<version>_<arch>.deb.
package: build
	@cd $(BUILD) && cpack -G DEB

bench: build
	@./bench/tableau.sh $(BUILD)

clean:
	@rm -rf $(BUILD)
