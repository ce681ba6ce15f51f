# The two commands a new player or developer needs:
#   make run   installs what is missing, builds, and starts the game
#   make test  installs what is missing, builds, and runs the whole test suite

BUILD   ?= build
JOBS    ?= $(shell nproc)
PACKAGES = build-essential cmake ninja-build pkg-config qt6-base-dev libgl-dev \
           libjpeg-dev libjpeg-turbo-progs libgtest-dev libgmock-dev libbenchmark-dev \
           fonts-dejavu-core fonts-liberation desktop-file-utils appstream

.PHONY: run test build deps clean

run: build
	./$(BUILD)/quorlane

test: build
	cd $(BUILD) && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j$(JOBS)

build: deps
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
	cmake --build $(BUILD) -j$(JOBS)

# Installs only the Debian packages that are not there yet.
deps:
	@missing=$$(for p in $(PACKAGES); do dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q 'install ok installed' || echo $$p; done); \
	if [ -n "$$missing" ]; then \
	  echo "Installing:" $$missing; \
	  apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends $$missing; \
	fi

clean:
	rm -rf $(BUILD)
