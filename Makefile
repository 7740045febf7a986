# Zorva: `make run` builds and starts the program, `make test` builds and runs
# every test. Both first install what is missing on a Debian machine.

BUILD ?= build
JOBS ?= 2

.PHONY: setup build run test clean

setup:
	bash scripts/setup.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/src/zorva

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD)
