# Kalmiro: `make run` starts the program, `make test` runs the whole suite.
# Both install what is missing first (scripts/install-deps).

SAN ?= 0
ifeq ($(SAN),1)
BUILD ?= build-san
else
BUILD ?= build
endif
JOBS ?= $(shell nproc 2>/dev/null || echo 2)

CMAKE_FLAGS = -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALMIRO_SAN=$(SAN)

.PHONY: all deps configure build run test package bench fuzz bilder bilder-pruefen format tour \
        clean

all: build

deps:
	@scripts/install-deps

$(BUILD)/build.ninja: | deps
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

configure: deps $(BUILD)/build.ninja

build: configure
	cmake --build $(BUILD) -j $(JOBS)

run: build
	@scripts/run $(BUILD)

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)

# A Debian package of the program in $(BUILD)/: apt-get install ./$(BUILD)/kalmiro_*.deb
package: build
	cmake --build $(BUILD) --target package

bench: configure
	cmake --build $(BUILD) -j $(JOBS) --target kalmiro_bench
	QT_QPA_PLATFORM=offscreen $(BUILD)/bench/kalmiro_bench

# Regenerates every picture in resources/bilder (the output is committed).
bilder: configure
	cmake --build $(BUILD) -j $(JOBS) --target bilder
	QT_QPA_PLATFORM=offscreen $(BUILD)/tools/bilder/bilder resources/bilder

# Draws every picture into a scratch folder and compares it with resources/bilder file by
# file; leaves resources/bilder untouched.
bilder-pruefen: configure
	cmake --build $(BUILD) -j $(JOBS) --target bilder
	@scripts/bilder-pruefen $(BUILD)/tools/bilder/bilder resources/bilder

# Formats every C++ source and header of the tree as .clang-format says (the test
# `formatierung` checks it).
format: deps
	@cmake -DQUELLEN=$(CURDIR) -DFORMATIEREN=ON -P scripts/Formatierung.cmake

# Every test writes the window states it reaches to $(BUILD)/tour/.
tour: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j $(JOBS)
	@echo "Pictures of the windows: $(BUILD)/tour/"

fuzz:
	@scripts/install-deps fuzz
	cmake -S . -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DKALMIRO_FUZZ=ON
	cmake --build build-fuzz -j $(JOBS) --target kalmiro_fuzz
	@echo "Fuzz targets are in build-fuzz/fuzz/"

clean:
	rm -rf build build-san build-fuzz
