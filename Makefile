# Two commands for a newcomer: `make run` and `make test`. Both install what is missing first.
KEY ?= build/usb-key
PRESET_BUILD = cmake --preset $(1) >/dev/null && cmake --build --preset $(1)

.PHONY: all deps build run simulate test test-release test-asan package release bench \
        bench-memory fuzz fuzz-smoke windows test-windows bench-windows clean
FUZZ_SECONDS ?= 60
SIM = build/release/tools/k4400-sim/k4400-sim

all: build

deps:
	@scripts/install-deps

build: deps
	@$(call PRESET_BUILD,release)

# Starts the wizard with its current directory on the key folder, as it runs from a USB key.
run: build
	@mkdir -p "$(KEY)"
	@if [ -z "$$DISPLAY$$WAYLAND_DISPLAY$$QT_QPA_PLATFORM" ]; then \
	    echo "make run opens a window: run it in a desktop session (or under xvfb-run)."; \
	    exit 1; \
	fi
	@cd "$(KEY)" && exec "$(CURDIR)/build/release/src/k4400-init"

# The storage system's side of the trip: executes the task files on the key folder.
simulate: build
	@mkdir -p "$(KEY)"
	@$(SIM) $(SIM_OPTIONS) "$(KEY)"

test: deps test-release test-asan package fuzz-smoke test-windows

test-release:
	@$(call PRESET_BUILD,release)
	ctest --preset release

test-asan:
	@$(call PRESET_BUILD,asan)
	ctest --preset asan

# The .deb files, the portable .tar.gz and the Windows .zip in build/release, the Linux ones
# checked by lintian and the desktop's validators; the .zip is made twice and must come out
# the same.
package: build windows
	cd build/release && cpack
	packaging/linux/portable build/release
	packaging/linux/check-packages build/release
	packaging/third-party-notices build/windows/THIRD-PARTY-NOTICES.txt
	cp packaging/windows/README-windows.txt packaging/k4400-init-cli.schema.json build/windows/
	version=$$(build/release/src/k4400-init-cli --version | sed -n 's/^k4400-init-cli //p'); \
	zip=build/release/k4400-init-$$version-windows-x64.zip; \
	files="k4400-init.exe k4400-init-cli.exe k4400-init-cli.schema.json README-windows.txt \
	    THIRD-PARTY-NOTICES.txt"; \
	(cd build/windows && ../../packaging/windows/zip ../release/once.zip $$files && \
	    ../../packaging/windows/zip "../../$$zip" $$files) && \
	cmp build/release/once.zip "$$zip" && rm build/release/once.zip && \
	unzip -Z1 "$$zip" | grep -qx THIRD-PARTY-NOTICES.txt && echo "package: $$zip (made twice, the same)"

# Every artefact reproducibly into dist/ with SHA256SUMS, built twice from two clones and
# compared; SIGN_CERT=cert.pem SIGN_KEY=key.pem [SIGN_TIMESTAMP=URL] signs the .exe files.
release: deps
	scripts/release

# The Windows program, build/windows/k4400-init.exe, cross-built with mingw-w64.
windows: deps
	scripts/build-windows

# Benchmarks (not part of `make test`); see bench/README.md.
bench: build
	build/release/bench/reader_bench
	bench/startup.sh build/release/bench
	xvfb-run -a -s "-screen 0 1280x1024x24" bench/startup.sh build/release/bench xcb

# Peak memory of the results reader on huge hostile files (not part of `make test`).
bench-memory: build
	bench/results-memory.sh build/release/bench/results_memory

# Fuzzing with clang and libFuzzer: FUZZ_SECONDS per target (default 60).
fuzz: deps
	fuzz/run.sh $(FUZZ_SECONDS)

# The short fuzzing round that `make test` (and so CI) runs.
fuzz-smoke: deps
	fuzz/run.sh 20

# The Windows program's tests and gallery, built with mingw-w64 and run under Wine.
test-windows: deps
	scripts/test-windows

# The .exe's size and its start-up under Wine against a bare Win32 dialog (not in `make test`).
bench-windows: deps
	scripts/bench-windows

clean:
	rm -rf build
