# Entry points for a fresh Debian machine: `make run` and `make test`.
BUILD   ?= build
DIST    := dist/Tarnwick
JOBS    ?= $(shell nproc)
DEPS     = $(shell scripts/deps.sh --prefix-only)

.PHONY: deps configure build test dist run bench clean

deps:
	@scripts/deps.sh

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
	  -DTARNWICK_DEPS=$(DEPS) >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

dist: build
	@rm -rf $(DIST)
	@cmake --install $(BUILD) --prefix $(DIST) >/dev/null
	@echo "program folder: $(DIST)"

# A test that fails is run again (up to three runs): Wine's X11 driver now and
# then ends a process on a stray X error under parallel load. The summary
# names the tests that passed only on a retry.
test: build dist
	@scripts/with-wine.sh scripts/run-tests.sh $(BUILD) $(JOBS)

run: dist
	@scripts/run-editor.sh $(DIST)

# Ours runs from the program folder as shipped; the bench itself turns the
# CPU latency holder on and off, so the session holds nothing.
bench: dist
	@TARNWICK_IDLE_LATENCY=1 scripts/with-wine.sh scripts/bench.sh $(BUILD)

clean:
	rm -rf $(BUILD) dist
