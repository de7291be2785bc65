BUILD ?= build
JOBS ?= $(shell nproc)

.PHONY: all deps configure build run test bench clean

all: build

deps:
	bash scripts/install-deps

configure: deps
	cmake -S . -B $(BUILD) -G Ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	$(BUILD)/bin/mining-filer

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# Builds and runs every benchmark of bench/; each goal prints one "goal ..." line.
bench: configure
	bash scripts/install-deps bench
	cmake --build $(BUILD) -j $(JOBS) --target benchmarks
	bash bench/run.sh $(BUILD)

clean:
	rm -rf $(BUILD)
