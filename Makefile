# Two commands for a new user: `make run` and `make test`.
BUILD ?= build
PKGS := g++ cmake make qt6-base-dev libgtest-dev libgmock-dev libbenchmark-dev fonts-ipafont-gothic libgl1-mesa-dev desktop-file-utils appstream
SUDO := $(shell [ "$$(id -u)" = 0 ] || echo sudo)
JOBS := $(shell nproc 2>/dev/null || echo 2)

.PHONY: deps configure build run test sanitize golden clean

deps:
	@missing=""; for p in $(PKGS); do dpkg -s $$p >/dev/null 2>&1 || missing="$$missing $$p"; done; \
	if [ -n "$$missing" ]; then echo "Installing:$$missing"; \
	  $(SUDO) apt-get update -qq && DEBIAN_FRONTEND=noninteractive $(SUDO) apt-get install -y -qq $$missing; fi

configure: deps
	@cmake -S . -B $(BUILD) -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null

build: configure
	@cmake --build $(BUILD) -j$(JOBS)

run: build
	./$(BUILD)/tomaruk

test: build
	cd $(BUILD) && ctest --output-on-failure -j$(JOBS)

# Rewrites the golden traces under tests/golden from the current rules. Only
# for an intended rule change: say in the commit which rule changed and why.
golden: build
	TOMARUK_WRITE_GOLDEN=1 ./$(BUILD)/flow_tests --gtest_filter='GoldenTraces.*'
	git status --short tests/golden

# Non-Qt tests under AddressSanitizer and UndefinedBehaviorSanitizer.
sanitize: deps
	@cmake -S . -B build-asan -DTOMARUK_QT=OFF -DTOMARUK_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug >/dev/null
	@cmake --build build-asan -j$(JOBS)
	cd build-asan && ctest --output-on-failure -j$(JOBS)

clean:
	rm -rf $(BUILD) build-asan
