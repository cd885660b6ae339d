# Dos órdenes para una máquina Debian 12 nueva:
#   make run   instala lo que falte, compila y arranca el programa
#   make test  instala lo que falte, compila y pasa todas las pruebas
#   make install [PREFIX=/usr/local] [DESTDIR=...]  instala el programa en el escritorio
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
PAQUETES = cmake make g++ pkg-config qt6-base-dev libgl-dev googletest libgtest-dev libgmock-dev libbenchmark-dev \
           qt6-translations-l10n desktop-file-utils

PREFIX ?= /usr/local

.PHONY: run test build deps bench sanitize clean install

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

# Se arranca desde la carpeta en la que se llamó a make: ARGS=fichero.pc vale con rutas relativas.
run: build
	$(abspath $(BUILD))/puntocruz $(ARGS)

test: build
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)

bench: build
	@for b in $(BUILD)/bench_*; do echo "== $$b"; $$b; done

# Pruebas con AddressSanitizer y UndefinedBehaviorSanitizer en una carpeta aparte.
sanitize:
	$(MAKE) test BUILD=build-san CMAKE_FLAGS="-DPC_SANITIZE=ON -DPC_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug"

# DESTDIR (del entorno o de la línea de make) lo respeta cmake --install. Sin DESTDIR se ponen
# al día las bases de datos del escritorio para que los ficheros .pc se abran con el programa.
install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD) --prefix "$(PREFIX)"
	@if [ -z "$(DESTDIR)" ]; then \
	  command -v update-mime-database >/dev/null && update-mime-database "$(PREFIX)/share/mime" || true; \
	  command -v update-desktop-database >/dev/null && update-desktop-database "$(PREFIX)/share/applications" || true; \
	  command -v gtk-update-icon-cache >/dev/null && gtk-update-icon-cache -q -t "$(PREFIX)/share/icons/hicolor" || true; \
	fi

clean:
	rm -rf $(BUILD) build-san
