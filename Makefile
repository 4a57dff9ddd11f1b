# The two commands of the README: `make run` starts the program, `make test` runs every test.
BUILD      ?= build
FUZZ_BUILD ?= build-fuzz
JOBS       ?= $(shell nproc)
FUZZ_SECONDS ?= 30
FUZZ_RUNS ?= 100000
FUZZ_SEED ?= 1

.PHONY: run test bootstrap configure build fuzz bench packs clean

# Where `make packs` puts the resource packs: the folder above the program's home folder.
PACKS_DIR ?= $(if $(VANTOR_HOME),$(VANTOR_HOME)/..,$(or $(XDG_DATA_HOME),$(HOME)/.local/share)/zov)

bootstrap:
	@bash scripts/bootstrap

configure: bootstrap
	@cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/vantor

test: build
	cd $(BUILD) && ctest --output-on-failure -j $(JOBS)
	@$(MAKE) --no-print-directory fuzz

# The parsers of outside input, fuzzed briefly with libFuzzer (clang).
fuzz: bootstrap
	@CC=clang CXX=clang++ cmake -S . -B $(FUZZ_BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DVANTOR_FUZZ=ON -DVANTOR_FUZZ_SECONDS=$(FUZZ_SECONDS) \
	    -DVANTOR_FUZZ_RUNS=$(FUZZ_RUNS) -DVANTOR_FUZZ_SEED=$(FUZZ_SEED) >/dev/null
	@cmake --build $(FUZZ_BUILD) -j $(JOBS)
	cd $(FUZZ_BUILD) && ctest --output-on-failure

bench: build
	$(BUILD)/bench/vantor-bench

# Card faces, backs, backgrounds and spoken card names as resource packs, from Debian's free
# card decks and eSpeak NG.
packs: build
	mkdir -p "$(PACKS_DIR)"
	$(BUILD)/tools/vantor-packs build "$(PACKS_DIR)"

clean:
	rm -rf $(BUILD) $(FUZZ_BUILD)
