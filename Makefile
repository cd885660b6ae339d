# Dos órdenes para una máquina Debian 12 nueva:
#   make run   instala lo que falte, compila y arranca el programa
#   make test  instala lo que falte, compila y pasa todas las pruebas
#   make install [PREFIX=/usr/local] [DESTDIR=...]  instala el programa en el escritorio
BUILD ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=
PAQUETES = cmake make g++ pkg-config qt6-base-dev libgl-dev googletest libgtest-dev libgmock-dev libbenchmark-dev \
           qt6-translations-l10n desktop-file-utils libpugixml-dev python3-fitz

PREFIX ?= /usr/local
PAQUETES_FUZZ = clang libclang-rt-dev
FUZZ_SECONDS ?= 60

.PHONY: run test build deps bench sanitize fuzz clean install

deps:
	@faltan=""; for p in $(PAQUETES) $(PAQUETES_EXTRA); do \
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

# Fuzzing: cada objetivo de fuzz/ durante FUZZ_SECONDS segundos, con clang, libFuzzer,
# AddressSanitizer y UndefinedBehaviorSanitizer, partiendo de sus semillas (fuzz/semillas/<objetivo>/).
# Un fallo, una fuga o una entrada que tarda demasiado detiene el objetivo, hace fallar la orden
# y deja la entrada en fuzz/fallos/<objetivo>/.
FUZZ_OBJETIVOS = $(basename $(notdir $(wildcard fuzz/*.cpp)))
fuzz:
	$(MAKE) deps PAQUETES_EXTRA="$(PAQUETES_FUZZ)"
	CC=clang CXX=clang++ cmake -S . -B build-fuzz -DPC_FUZZ=ON -DPC_TESTS=OFF -DPC_BENCH=OFF \
	  -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
	cmake --build build-fuzz -j $(JOBS) --target $(addprefix fuzz_,$(FUZZ_OBJETIVOS))
	@fallos=""; for t in $(FUZZ_OBJETIVOS); do \
	  mkdir -p build-fuzz/corpus/$$t fuzz/fallos/$$t; \
	  echo "== fuzz_$$t ($(FUZZ_SECONDS) s)"; \
	  if build-fuzz/fuzz_$$t -max_total_time=$(FUZZ_SECONDS) -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
	       -artifact_prefix=fuzz/fallos/$$t/ build-fuzz/corpus/$$t fuzz/semillas/$$t \
	       > build-fuzz/fuzz_$$t.log 2>&1; then \
	    grep -E "^(Done|stat::number_of_executed_units)" build-fuzz/fuzz_$$t.log | tail -1; \
	  else \
	    tail -40 build-fuzz/fuzz_$$t.log; ls fuzz/fallos/$$t; fallos="$$fallos $$t"; \
	  fi; \
	done; \
	if [ -n "$$fallos" ]; then echo "Fallan:$$fallos (entradas en fuzz/fallos/)"; exit 1; fi

clean:
	rm -rf $(BUILD) build-san build-fuzz
