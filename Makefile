# Zorva: `make run` builds and starts the program, `make test` builds and runs
# every test. Both first install what is missing on a Debian machine.

BUILD ?= build
SANITIZE_BUILD ?= build-sanitize
JOBS ?= 2

# What the sanitizer build runs: whole learner paths and random learners.
SANITIZED_TESTS = tst_learner_path tst_keyboard_only tst_random_learners tst_accessibility

.PHONY: setup build run test test-sanitize soak bench package clean

setup:
	bash scripts/setup.sh

build: setup
	cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/src/zorva

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)
	$(MAKE) test-sanitize

# AddressSanitizer and UndefinedBehaviorSanitizer, leak checking on; any
# report fails the run.
test-sanitize: setup
	cmake -S . -B $(SANITIZE_BUILD) -DCMAKE_BUILD_TYPE=Debug -DZORVA_SANITIZE=ON
	cmake --build $(SANITIZE_BUILD) -j$(JOBS) --target $(SANITIZED_TESTS)
	cd $(SANITIZE_BUILD) && \
	  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
	  ctest --output-on-failure -L sanitize

# A long run of random learners: 5000 learners of 200 actions each.
soak: build
	QT_QPA_PLATFORM=offscreen ZORVA_LEARNERS=5000 ZORVA_ACTIONS=200 QTEST_FUNCTION_TIMEOUT=7200000 \
	  ./$(BUILD)/tests/e2e/tst_random_learners

# Release build; every figure printed beside its floor.
bench: setup
	bash bench/run.sh

package: build
	cd $(BUILD) && cpack -G DEB

clean:
	rm -rf $(BUILD) $(SANITIZE_BUILD) build-release
