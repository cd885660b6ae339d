# Dos órdenes para una máquina Debian 12 nueva:
#   make run   instala lo que falte, compila y arranca el programa
#   make test  instala lo que falte, compila y pasa todas las pruebas
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
PAQUETES = cmake make g++ pkg-config qt6-base-dev libgl-dev googletest libgtest-dev libgmock-dev libbenchmark-dev

.PHONY: run test build deps bench sanitize clean

deps:
	@faltan=""; for p in $(PAQUETES); do \
	  dpkg-query -W -f='$${Status}' $$p 2>/dev/null | grep -q "install ok installed" || faltan="$$faltan $$p"; \
	done; \
	if [ -n "$$faltan" ]; then \
	  echo "Instalando:$$faltan"; \
	  if [ "$$(id -u)" -eq 0 ]; then SUDO=""; else SUDO="sudo"; fi; \
	  $$SUDO apt-get update -qq && \
	  DEBIAN_FRONTEND=noninteractive $$SUDO apt-get install -y --no-install-recommends $$faltan; \
	fi

$(BUILD)/CMakeCache.txt:
	cmake -S . -B $(BUILD) $(CMAKE_FLAGS)

build: deps $(BUILD)/CMakeCache.txt
	cmake --build $(BUILD) -j $(JOBS)

run: build
	cd $(BUILD) && ./puntocruz $(ARGS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench_*; do echo "== $$b"; $$b; done

# Pruebas con AddressSanitizer y UndefinedBehaviorSanitizer en una carpeta aparte.
sanitize:
	$(MAKE) test BUILD=build-san CMAKE_FLAGS="-DPC_SANITIZE=ON -DPC_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug"

clean:
	rm -rf $(BUILD) build-san
