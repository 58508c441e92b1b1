# Two commands for a newcomer: `make run` and `make test`. Both install what is missing first.
KEY ?= build/usb-key
PRESET_BUILD = cmake --preset $(1) >/dev/null && cmake --build --preset $(1)

.PHONY: all deps build run test test-release test-asan bench-memory clean

all: build

deps:
	@scripts/install-deps

build: deps
	@$(call PRESET_BUILD,release)

# Starts the wizard with its current directory on the key folder, as it runs from a USB key.
run: build
	@mkdir -p "$(KEY)"
	@if [ -x build/release/src/app/k4400-init ]; then \
	    cd "$(KEY)" && exec "$(CURDIR)/build/release/src/app/k4400-init"; \
	else \
	    echo "The wizard is not built yet: only the core library exists so far."; \
	fi

test: deps test-release test-asan

test-release:
	@$(call PRESET_BUILD,release)
	ctest --preset release

test-asan:
	@$(call PRESET_BUILD,asan)
	ctest --preset asan

# Peak memory of the results reader on huge hostile files (not part of `make test`).
bench-memory: build
	bench/results-memory.sh build/release/bench/results_memory

clean:
	rm -rf build
