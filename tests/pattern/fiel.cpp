// Generación FIEL y fidelidad: las propiedades que importan, no las cifras.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <random>
#include <regex>
#include <set>

#include "pattern/ciede2000.h"
#include "pattern/fidelidad.h"
#include "pattern/fiel.h"
#include "ordenes/patron/fiel.h"
#include "tests/comun/banco.h"
#include "tests/comun/proceso.h"

namespace pc::prueba {
namespace {

TEST(Ciede2000, ParesPublicadosDeSharmaWuDalal) {
    struct Par {
        Lab x, y;
        double de;
    };
    const Par pares[] = {
        {{50, 2.6772f, -79.7751f}, {50, 0, -82.7485f}, 2.0425},
        {{50, 3.1571f, -77.2803f}, {50, 0, -82.7485f}, 2.8615},
        {{50, 0, 0}, {50, -1, 2}, 2.3669},
        {{50, 2.49f, -0.001f}, {50, -2.49f, 0.0009f}, 7.1792},   // tono medio a un lado
        {{50, 2.49f, -0.001f}, {50, -2.49f, 0.0011f}, 7.2195},   // y al otro lado de 180°
        {{50, 2.5f, 0}, {73, 25, -18}, 27.1492},
        {{50, 2.5f, 0}, {58, 24, 15}, 19.4535},
        {{60.2574f, -34.0099f, 36.2677f}, {60.4626f, -34.1751f, 39.4387f}, 1.2644},
        {{2.0776f, 0.0795f, -1.135f}, {0.9033f, -0.0636f, -0.5514f}, 0.9082},
    };
    for (const Par& p : pares) {
        EXPECT_NEAR(de00(p.x, p.y), p.de, 2e-4);
        EXPECT_NEAR(de00(p.y, p.x), p.de, 2e-4);  // simétrica
    }
    // Luz lineal: los extremos y la vuelta a 8 bits.
    EXPECT_EQ(a_lineal(0), 0.0f);
    EXPECT_EQ(a_lineal(255), 1.0f);
    for (int v = 0; v < 256; ++v) EXPECT_EQ(de_lineal(a_lineal(v)), v);
    EXPECT_NEAR(lab_de_color(kBlanco).l, 100.0, 1e-3);
}

// La raíz cúbica propia del paso a Lab da los mismos bits que la fórmula con std::cbrt.
TEST(Ciede2000, LabDeLinealDaLosMismosBitsQueConCbrt) {
    auto f = [](double t) { return t > 216.0 / 24389.0 ? std::cbrt(t) : (24389.0 / 27.0 * t + 16.0) / 116.0; };
    std::mt19937 azar(5);
    std::uniform_real_distribution<float> u(0.0f, 1.0f);
    for (int k = 0; k < 200000; ++k) {
        const float r = u(azar), g = k % 7 == 0 ? r : u(azar), b = k % 11 == 0 ? 1.0f : u(azar);
        const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
        const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
        const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
        const Lab esperado{static_cast<float>(116.0 * f(y) - 16.0), static_cast<float>(500.0 * (f(x) - f(y))),
                           static_cast<float>(200.0 * (f(y) - f(z)))};
        const Lab lab = lab_de_lineal(r, g, b);
        ASSERT_TRUE(lab.l == esperado.l && lab.a == esperado.a && lab.b == esperado.b) << r << " " << g << " " << b;
    }
}

TEST(Fiel, ElMasProximoEsExactoComoElRecorridoCompleto) {
    auto e = crear_estado();
    leer_catalogo(lineas_dmc_incorporado(), e->hilos, e->titulo_columna);
    const auto todos = hilos_activos(e->hilos);
    std::mt19937 azar(17);
    std::vector<HiloLab> unos;
    for (int i = 0; i < 35; ++i) unos.push_back(todos[azar() % todos.size()]);
    for (const std::vector<HiloLab>* grupo : {&todos, static_cast<const std::vector<HiloLab>*>(&unos)}) {
        Asignador a(*grupo);
        for (int k = 0; k < 3000; ++k) {
            const Color c = static_cast<Color>(azar() & 0xFFFFFF);
            const Lab q = lab_de_color(c);
            int mejor = 0;
            for (std::size_t i = 1; i < grupo->size(); ++i)
                if (de00(q, (*grupo)[i].lab) < de00(q, (*grupo)[static_cast<std::size_t>(mejor)].lab)) mejor = static_cast<int>(i);
            ASSERT_EQ(a.mas_proximo(c), mejor) << std::hex << c;
        }
    }
}

TEST(Fiel, LasCeldasCubrenCadaPixelUnaVez) {
    for (int lado : {1, 7, 60, 599, 600, 601, 4000})
        for (int celdas : {1, 3, 7, 60, 120, 700}) {
            if (celdas > lado) continue;
            std::vector<int> veces(static_cast<std::size_t>(lado), 0);
            for (int i = 0; i < celdas; ++i) {
                int a = 0, b = 0;
                tramo_celda(i, lado, celdas, a, b);
                ASSERT_LT(a, b);
                for (int p = a; p < b; ++p) ++veces[static_cast<std::size_t>(p)];
            }
            for (int v : veces) ASSERT_EQ(v, 1) << lado << " píxeles en " << celdas;
        }
    // Con más celdas que píxeles, cada celda lee un píxel de la imagen.
    for (int i = 0; i < 700; ++i) {
        int a = 0, b = 0;
        tramo_celda(i, 3, 700, a, b);
        EXPECT_TRUE(a >= 0 && b == a + 1 && b <= 3);
    }
    // Un píxel distinto cambia sólo su celda, y con su peso: 1 de 25.
    ImagenMemoria img(50, 30, rgb(0, 0, 0));
    img.poner(12, 7, kBlanco);
    const MediasCeldas c = promediar_celdas(img, 10, 6);
    for (int y = 1; y <= 6; ++y)
        for (int x = 1; x <= 10; ++x) {
            const float l = c.lab[c.indice(x, y)].l;
            if (x == 3 && y == 2) EXPECT_NEAR(l, lab_de_lineal(0.04f, 0.04f, 0.04f).l, 1e-3);
            else EXPECT_EQ(l, 0.0f);
        }
}

// Imagen hecha de bloques de 2 × 2 celdas de 4 × 4 píxeles, cada bloque de uno de los hilos dados.
ImagenMemoria mosaico(const std::vector<Color>& hilos, int bloques_x, int bloques_y, unsigned semilla) {
    std::mt19937 azar(semilla);
    ImagenMemoria img(bloques_x * 8, bloques_y * 8);
    for (int by = 0; by < bloques_y; ++by)
        for (int bx = 0; bx < bloques_x; ++bx) {
            const Color c = hilos[(bx + by) < static_cast<int>(hilos.size()) ? static_cast<std::size_t>(bx + by)
                                                                              : azar() % hilos.size()];
            for (int y = 0; y < 8; ++y)
                for (int x = 0; x < 8; ++x) img.poner(bx * 8 + x, by * 8 + y, c);
        }
    return img;
}

struct MesaFiel : BancoOrdenes<> {
    MesaFiel() { cargar_dmc(); }
    std::set<Color> colores_tapiz() const {
        std::set<Color> r;
        for (int y = 1; y <= alto_tapiz(e); ++y)
            for (int x = 1; x <= ancho_tapiz(e); ++x) r.insert(e.punto(x, y).color);
        return r;
    }
};

TEST(Fiel, UnaImagenDeNColoresDeHiloVuelveExactaConNColores) {
    MesaFiel m;
    std::vector<Color> hilos;
    for (int i : {3, 40, 77, 120, 201, 333, 390}) hilos.push_back(m.e.hilos[i].color);
    m.img = mosaico(hilos, 20, 15, 7);
    m.e.ancho = "40";
    m.e.alto = "30";
    for (int limpieza : {0, 3}) {
        ASSERT_TRUE(m.orden([&] { generar_fiel_con(m.s, 7, limpieza); }));
        EXPECT_EQ(m.colores_tapiz(), std::set<Color>(hilos.begin(), hilos.end()));
        const Fidelidad f = medir_fidelidad(m.e, m.img, 40, 30);
        EXPECT_LT(f.media, 1e-3);
        EXPECT_LT(f.p95, 1e-3);
        EXPECT_EQ(f.confeti, 0.0);
        EXPECT_EQ(f.colores, 7);
    }
}

TEST(Fiel, HilosApagadosNuncaYBloqueadosSiempre) {
    MesaFiel m;
    std::mt19937 azar(3);
    ImagenMemoria img(90, 60);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 90; ++x) img.poner(x, y, rgb(x * 255 / 89, y * 4, static_cast<int>(azar() % 256)));
    m.img = img;
    m.e.ancho = "45";
    m.e.alto = "30";
    // Apagados uno de cada tres; bloqueados dos, uno de ellos lejos de todo lo de la imagen.
    std::set<Color> apagados;
    for (int i = 1; i <= m.e.hilos.total; i += 3) {
        m.e.hilos[i].activo = false;
        apagados.insert(m.e.hilos[i].color);
    }
    m.e.hilos[2].bloqueado = true;
    m.e.hilos[5].bloqueado = true;
    m.e.hilos[4].bloqueado = true;
    m.e.hilos[4].activo = false;  // apagado y bloqueado: apagado manda
    const MediasCeldas c = promediar_celdas(m.img, 45, 30);
    const auto activos = hilos_activos(m.e.hilos);
    for (int n : {1, 2, 3, 12}) {
        const auto elegidos = elegir_hilos(c, activos, n);
        std::set<Color> e;
        for (const HiloLab& h : elegidos) e.insert(h.color);
        EXPECT_EQ(e.size(), elegidos.size());
        EXPECT_EQ(elegidos.size(), static_cast<std::size_t>(std::max(n, 2)));
        EXPECT_TRUE(e.count(m.e.hilos[2].color) && e.count(m.e.hilos[5].color));
        EXPECT_FALSE(e.count(m.e.hilos[4].color));
    }
    ASSERT_TRUE(m.orden([&] { generar_fiel_con(m.s, 600, 0); }));
    const auto usados = m.colores_tapiz();
    for (Color c2 : usados) EXPECT_FALSE(apagados.count(c2) && buscar_color(c2, m.e.hilos) == 0) << c2;
    for (Color c2 : usados) EXPECT_NE(buscar_color(c2, m.e.hilos), 0);

    // Sin ningún hilo activo no se genera nada y el tapiz se queda como estaba.
    for (int i = 1; i <= m.e.hilos.total; ++i) m.e.hilos[i].activo = false;
    const Color antes = m.e.punto(7, 7).color;
    EXPECT_FALSE(m.orden([&] { generar_fiel_con(m.s, 35, 2); }));
    EXPECT_EQ(m.d.errores().back(), "No hay ningún hilo activo en la paleta de hilos: activa alguno para generar.");
    EXPECT_EQ(m.e.punto(7, 7).color, antes);
}

TEST(Fiel, LaLimpiezaNoAnadeColoresYElNivelCeroNoToca) {
    MesaFiel m;
    std::mt19937 azar(11);
    ImagenMemoria img(240, 160);
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 240; ++x)
            img.poner(x, y, rgb(limitar(x + static_cast<int>(azar() % 60)), limitar(y + static_cast<int>(azar() % 60)), 90));
    const MediasCeldas c = promediar_celdas(img, 120, 80);
    const auto elegidos = elegir_hilos(c, hilos_activos(m.e.hilos), 20);
    const std::vector<int> base = asignar_hilos(c, elegidos);
    auto sueltos = [&](const std::vector<int>& ind) {
        int n = 0;
        for (int y = 1; y <= 80; ++y)
            for (int x = 1; x <= 120; ++x) n += es_suelto(ind, 120, 80, x, y);
        return n;
    };
    const int antes = sueltos(base);
    ASSERT_GT(antes, 100);
    std::vector<int> ind = base;
    EXPECT_EQ(limpiar_sueltos(c, elegidos, ind, 0), 0);
    EXPECT_EQ(ind, base);
    int previo = antes;
    for (int nivel = 1; nivel <= 3; ++nivel) {
        ind = base;
        const int cambiados = limpiar_sueltos(c, elegidos, ind, nivel);
        EXPECT_GT(cambiados, 0);
        EXPECT_LE(std::set<int>(ind.begin(), ind.end()).size(), std::set<int>(base.begin(), base.end()).size());
        const int despues = sueltos(ind);
        EXPECT_LE(despues, previo);  // cada nivel quita al menos los que quitaba el anterior
        previo = despues;
        // Ningún punto acaba con un color que no tuviera antes algún vecino suyo o él mismo.
        for (std::size_t k = 0; k < ind.size(); ++k) EXPECT_TRUE(std::count(base.begin(), base.end(), ind[k]));
        // Lo mismo que la limpieza dicha punto a punto, sin atajos: en cada pasada, por filas,
        // cada punto suelto toma el vecino (arriba, derecha, abajo, izquierda) que menos
        // aumenta su CIEDE2000, el primero de los iguales, si no pasa del límite.
        std::vector<int> ref = base;
        for (int pasada = 0; pasada < 3; ++pasada) {
            int cambios = 0;
            for (int y = 1; y <= 80; ++y)
                for (int x = 1; x <= 120; ++x) {
                    if (!es_suelto(ref, 120, 80, x, y)) continue;
                    const Lab& q = c.lab[c.indice(x, y)];
                    const double actual = de00(q, elegidos[static_cast<std::size_t>(ref[c.indice(x, y)])].lab);
                    int mejor = -1;
                    double menor = limite_limpieza(nivel);
                    const int vx[4] = {x, x + 1, x, x - 1}, vy[4] = {y - 1, y, y + 1, y};
                    for (int l = 0; l < 4; ++l) {
                        if (vx[l] < 1 || vx[l] > 120 || vy[l] < 1 || vy[l] > 80) continue;
                        const int otro = ref[c.indice(vx[l], vy[l])];
                        const double coste = de00(q, elegidos[static_cast<std::size_t>(otro)].lab) - actual;
                        if (coste <= menor && (mejor < 0 || coste < menor)) menor = coste, mejor = otro;
                    }
                    if (mejor >= 0) ref[c.indice(x, y)] = mejor, ++cambios;
                }
            if (cambios == 0) break;
        }
        EXPECT_EQ(ind, ref) << "nivel " << nivel;
    }
}

TEST(Fiel, OrdenPreguntaRechazaFueraDeRangoYDejaElTapizListo) {
    MesaFiel m;
    m.img = ImagenMemoria(60, 40, rgb(200, 30, 30));
    m.e.ancho = "30";
    m.e.alto = "20";
    m.e.punto(3, 3).perfil = {1, 2, 3, 4};
    m.d.responder("601");
    EXPECT_FALSE(m.orden([&] { generar_fiel(m.s); }));
    EXPECT_EQ(m.d.errores().back(), "El número de colores debe estar entre 1 y 600.");
    EXPECT_EQ(m.e.colores_fiel, "35");
    m.d.responder("4").responder("9");
    EXPECT_FALSE(m.orden([&] { generar_fiel(m.s); }));
    EXPECT_EQ(m.d.errores().back(), "El nivel de limpieza debe estar entre 0 (ninguna) y 3 (fuerte).");
    EXPECT_EQ(m.e.colores_fiel, "4");
    EXPECT_EQ(m.e.limpieza_fiel, "2");
    m.d.cancelar_entrada().cancelar_entrada();
    ASSERT_TRUE(m.orden([&] { generar_fiel(m.s); }));
    const auto& ll = m.d.llamadas();
    EXPECT_EQ(ll[ll.size() - 2].titulo, "Generar Punto de Cruz FIEL");
    EXPECT_EQ(ll[ll.size() - 2].texto, "Número de colores (1 a 600): ");
    EXPECT_EQ(ll.back().texto, "Limpieza de puntos sueltos (0 ninguna, 1 suave, 2 media, 3 fuerte): ");
    EXPECT_EQ(m.e.punto(3, 3).perfil[0], kSinPerfil);
    EXPECT_EQ(m.e.paleta.total, 1);
    EXPECT_EQ(m.e.paleta[1].numero, 600);
    EXPECT_GE(m.v.redibujados, 1);

    m.d.responder("x");
    EXPECT_FALSE(m.orden([&] { generar_fiel(m.s); }));  // conversión: el texto malo se queda
    EXPECT_EQ(m.e.colores_fiel, "x");
}

TEST(Fiel, InformeDeFidelidadEnMemoYMensaje) {
    MesaFiel m;
    m.e.ancho = "2";
    m.e.alto = "1";
    ASSERT_TRUE(m.orden([&] { fidelidad_punto_de_cruz(m.s); }));
    EXPECT_EQ(m.d.mensajes().back(),
              "No hay ninguna imagen cargada: abre la imagen del Punto de Cruz con \"Abrir Imagen BMP\" para "
              "medir su fidelidad.");
    // Dos celdas: blanco exacto y un gris medio contra un punto negro; el negro queda suelto.
    m.img = ImagenMemoria(2, 1, kBlanco);
    m.img.poner(1, 0, rgb(119, 119, 119));
    m.e.punto(1, 1).color = kBlanco;
    m.e.punto(2, 1).color = kNegro;
    ASSERT_TRUE(m.orden([&] { fidelidad_punto_de_cruz(m.s); }));
    const std::vector<std::string> memo = {"Fidelidad del Punto de Cruz",
                                           "",
                                           "Tapiz de 2 x 1 puntos",
                                           "Diferencia media con la imagen (CIEDE2000): 18,28",
                                           "El 95 % de los puntos difiere como mucho: 36,55",
                                           "Puntos sueltos: 100,0 %",
                                           "Número de colores: 2"};
    EXPECT_EQ(m.v.memo, memo);
    EXPECT_EQ(m.d.mensajes().back().substr(0, 29), "Fidelidad del Punto de Cruz\n\n");
}

TEST(FielLote, GenerarFielYMedirLaFidelidad) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("pc_fiel_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string img = PC_DATOS_PRUEBA "/coffee.bmp", pc = (dir / "taza.pc").string();
    Resultado r = ejecutar_lote("generar " + comillas(img) + " -o " + comillas(pc) +
                                " --ancho 60 --fiel --colores 12 --limpieza 3");
    ASSERT_EQ(r.codigo, 0) << r.errores;
    r = ejecutar_lote("fidelidad " + comillas(img) + " " + comillas(pc));
    ASSERT_EQ(r.codigo, 0) << r.errores;
    std::smatch mt;
    ASSERT_TRUE(std::regex_match(r.salida, mt,
                                 std::regex(R"(dE00_media=(\d+\.\d\d) dE00_p95=(\d+\.\d\d) confeti=(0\.\d{3}) colores=(\d+)\n)")))
        << r.salida;
    EXPECT_LE(std::stoi(mt[4]), 12);
    EXPECT_LE(std::stod(mt[1]), std::stod(mt[2]));
    EXPECT_EQ(ejecutar_lote("generar " + comillas(img) + " -o " + comillas(pc) + " --fiel --limpieza 4").codigo, 2);
    EXPECT_EQ(ejecutar_lote("generar " + comillas(img) + " -o " + comillas(pc) + " --limpieza 1").codigo, 2);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace pc::prueba
