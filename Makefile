# make run: installs what is missing, builds and starts Tarvel.
# make test: the same set-up, then the whole suite headless.
#
# BUILD_DIR, BUILD_TYPE and CMAKE_FLAGS choose the build; a folder is configured again when
# its build type or flags change. make test builds with warnings as errors; make run builds
# the program only, with the packages that running needs.
BUILD_DIR ?= build
BUILD_TYPE ?= RelWithDebInfo
CMAKE_FLAGS ?=
JOBS ?= $(shell nproc)

configure = bash scripts/configure.sh '$(BUILD_DIR)' '$(BUILD_TYPE)' '$(CMAKE_FLAGS)'

.PHONY: all setup setup-run configure build run test bench clean

all: build

setup-run:
	@bash scripts/setup.sh run

setup:
	@bash scripts/setup.sh test

configure: setup
	@$(configure)

build: configure
	@cmake --build $(BUILD_DIR) -j $(JOBS)

run: setup-run
	@$(configure)
	@cmake --build $(BUILD_DIR) -j $(JOBS) --target tarvel
	$(BUILD_DIR)/tarvel

test: setup
	@$(configure) -- -DTARVEL_WERROR=ON
	@cmake --build $(BUILD_DIR) -j $(JOBS)
	cd $(BUILD_DIR) && QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 \
	  ctest --output-on-failure --no-tests=error -j $(JOBS)

bench: build
	QT_QPA_PLATFORM=offscreen $(BUILD_DIR)/bench/tarvel_bench

# The build folder, and the folders that .ci/run builds in.
clean:
	rm -rf '$(BUILD_DIR)' build-asan build-fuzz build-release
