# The two everyday commands: `make run` and `make test`. Both install what is
# missing, configure and build a release build in build/. `make package` builds
# the Debian package build/vodizuzi_<version>-1_<arch>.deb.
BUILD := build
JOBS := $(shell nproc)

.PHONY: all build run test package install-check bench fuzz sanitize sanitize-thread sanitize-address \
    screenshots format clean

all: build

$(BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release

build: deps-build $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

deps-%:
	@scripts/install-deps $*

# Starts the program from the build tree.
run: deps-run build
	$(BUILD)/app/vodizuzi

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# The Debian package of the program, its data, man pages and metadata.
package: deps-package build
	cmake --build $(BUILD) --target package

# The package unpacked into a scratch root and checked: file list, the
# command line, the validators, lintian, the installed program's tips.
install-check: package
	cmake --build $(BUILD) --target install-check

# The engine against grep and ripgrep on a corpus built from this machine's text.
bench: deps-bench build
	cmake --build $(BUILD) --target read-floor
	bench/run $(BUILD)

# The engine and the command line with their tests under ThreadSanitizer, then
# the whole program's tests, windows included, under AddressSanitizer with
# UndefinedBehaviorSanitizer and leak checking; any report fails.
# TESTS="tests/engine tests/ui" takes only the tests in those folders.
sanitize: sanitize-thread sanitize-address

sanitize-thread: deps-build
	scripts/sanitize thread $(BUILD)-tsan

sanitize-address: deps-build
	scripts/sanitize address $(BUILD)-asan $(TESTS)

# The differential search test with a fresh random seed and many rounds.
fuzz: build
	@seed=$$(od -An -N4 -tu4 /dev/urandom | tr -d ' '); echo "seed $$seed"; \
	VODIZUZI_SEED=$$seed VODIZUZI_ROUNDS=$${ROUNDS:-400} \
		$(BUILD)/tests/engine/engine_tests --gtest_filter='SearchRun.*:BlockScanner.*'

# Pictures of the dialogs under $(BUILD)/screenshots/, drawn offscreen; the
# icon button and the banner at twice the scale.
screenshots: build
	mkdir -p $(BUILD)/screenshots
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/screenshots/vodizuzi_screenshots dialogs $(BUILD)/screenshots
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 \
		$(BUILD)/tools/screenshots/vodizuzi_screenshots button $(BUILD)/screenshots
	QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 \
		$(BUILD)/tools/screenshots/vodizuzi_screenshots banner $(BUILD)/screenshots

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
