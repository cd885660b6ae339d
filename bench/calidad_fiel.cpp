// Calidad de la generación FIEL frente a las otras, en fotos reales a 120 puntos de ancho:
// la diferencia CIEDE2000 media y del percentil 95 con la imagen, los puntos sueltos y los
// colores de cada tapiz. El suelo es el mejor tapiz de un hilo por punto: cada punto con su
// hilo activo más próximo, sin límite de colores (FIEL con 600 colores y sin limpieza).
// Objetivos por foto (35 colores, limpieza 2): media <= suelo + 1,0; p95 <= suelo + 3,0;
// sueltos <= 0,10. Después mide el tiempo de cada generación sobre la foto de muestra.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>

#include "bench/comun_fiel.h"
#include "pattern/fidelidad.h"
#include "ordenes/patron/fiel.h"
#include "ordenes/patron/generar.h"
#include "ordenes/patron/paleta.h"

namespace {

using pc::medir::Mesa;

struct Foto {
    const char* nombre;
    const char* fichero;
};
const Foto kFotos[] = {
    {"taza (muestra)", "tests/datos/coffee.bmp"},
    {"cohete (paisaje)", "bench/datos/rocket.jpg"},
    {"astronauta (retrato)", "bench/datos/astronaut.png"},
    {"gata (objeto)", "bench/datos/chelsea.png"},
};

void preparar(Mesa& m, const char* fichero, int ancho) {
    m.img.cargar(pc::medir::dato(fichero));
    m.d.respuesta = std::to_string(ancho);
    pc::ancho_a_escala(m.s);
}

pc::Fidelidad generar_y_medir(Mesa& m, const std::function<void(pc::Sesion&)>& generar) {
    generar(m.s);
    return pc::medir_fidelidad(*m.estado, m.img, pc::ancho_tapiz(*m.estado), pc::alto_tapiz(*m.estado));
}

void fila(const char* metodo, const pc::Fidelidad& f) {
    std::printf("  %-14s media %6.2f   p95 %6.2f   sueltos %5.3f   colores %3d\n", metodo, f.media, f.p95, f.confeti,
                f.colores);
}

bool tabla_de_calidad() {
    bool todo = true;
    std::printf("Fidelidad a 120 puntos de ancho (CIEDE2000), 35 colores, limpieza 2\n");
    for (const Foto& foto : kFotos) {
        Mesa m;
        preparar(m, foto.fichero, 120);
        std::printf("%s, %s x %s puntos\n", foto.nombre, m.estado->ancho.c_str(), m.estado->alto.c_str());
        const auto suelo = generar_y_medir(m, [](pc::Sesion& s) { pc::generar_fiel_con(s, 600, 0); });
        const auto plana = generar_y_medir(m, pc::generar_punto_de_cruz);
        const auto autom = generar_y_medir(m, pc::generar_automatizado);
        const auto fiel = generar_y_medir(m, [](pc::Sesion& s) { pc::generar_fiel_con(s, 35, 2); });
        fila("suelo", suelo);
        fila("normal", plana);
        fila("automatizada", autom);
        fila("FIEL", fiel);
        const bool ok = fiel.media <= suelo.media + 1.0 && fiel.p95 <= suelo.p95 + 3.0 && fiel.confeti <= 0.10;
        std::printf("  FIEL - suelo: media %+.2f (<= 1,0), p95 %+.2f (<= 3,0), sueltos %.3f (<= 0,10): %s\n",
                    fiel.media - suelo.media, fiel.p95 - suelo.p95, fiel.confeti, ok ? "cumple" : "NO CUMPLE");
        todo = todo && ok;
    }
    std::printf("%s\n\n", todo ? "Todas las fotos cumplen los objetivos." : "Alguna foto NO cumple los objetivos.");
    return todo;
}

// Tiempo de cada generación sobre la foto de muestra a 120 de ancho (sin la lectura).
void BM_Generacion(benchmark::State& st, int cual) {
    Mesa m;
    preparar(m, "tests/datos/coffee.bmp", 120);
    for (auto _ : st) {
        switch (cual) {
            case 0: pc::generar_punto_de_cruz(m.s); break;
            case 1: pc::generar_automatizado(m.s); break;
            case 2: pc::generar_fiel_con(m.s, 35, 2); break;
            default: pc::generar_fiel_con(m.s, 600, 0); break;
        }
    }
}
BENCHMARK_CAPTURE(BM_Generacion, normal, 0)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Generacion, automatizada, 1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Generacion, fiel_35_limpieza_2, 2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Generacion, suelo_600_sin_limpieza, 3)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const bool ok = tabla_de_calidad();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return ok ? 0 : 1;
}
