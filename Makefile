# Thin front door over CMake. `make run` plays, `make test` checks everything.
BUILD ?= build
JOBS ?= 2
CMAKE_FLAGS ?=

.PHONY: all bootstrap configure build run test bench clean

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

bench: build
	@./bench/tableau.sh $(BUILD)

clean:
	@rm -rf $(BUILD)
