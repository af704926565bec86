# The two everyday commands: `make run` and `make test`. Both install what is
# missing, configure and build a release build in build/.
BUILD := build
JOBS := $(shell nproc)

.PHONY: all build run test bench fuzz screenshots format clean

all: build

$(BUILD)/build.ninja: CMakeLists.txt
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=Release

build: deps-build $(BUILD)/build.ninja
	cmake --build $(BUILD) -j $(JOBS)

deps-%:
	@scripts/install-deps $*

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

format:
	git ls-files '*.cpp' '*.h' | xargs clang-format -i

clean:
	rm -rf $(BUILD)
