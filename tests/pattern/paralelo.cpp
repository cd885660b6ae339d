// El cálculo repartido entre hilos da exactamente lo mismo con 1, 2 y 7 hilos: la generación,
// la FIEL, la paleta del tapiz, las tres reducciones y el ajuste a hilos, con lo que ve el
// usuario (puntos, color actual, líneas del visor, celdas repintadas y avance).
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <random>
#include <stdexcept>

#include "app/paralelo.h"
#include "ordenes/hilos/ajuste.h"
#include "ordenes/patron/paleta.h"
#include "pattern/fiel.h"
#include "pattern/generar.h"
#include "pattern/reduccion.h"
#include "tests/comun/paleta_apoyo.h"

namespace pc::prueba {
namespace {

constexpr int kHilos[] = {1, 2, 7};

// Fija el número de hilos de cálculo mientras vive.
struct ConHilos {
    explicit ConHilos(int n) { fijar_hilos_calculo(n); }
    ~ConHilos() { fijar_hilos_calculo(0); }
};

// 900 x 600 con degradados, zonas lisas (colores repetidos) y ruido.
ImagenMemoria foto() {
    ImagenMemoria img(900, 600);
    std::mt19937 azar(5);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 900; ++x) {
            if ((x / 150 + y / 100) % 3 == 0) {
                img.poner(x, y, rgb(40 * (x / 150), 200, 30 * (y / 100)));
                continue;
            }
            const int r = static_cast<int>(azar() % 31) - 15;
            img.poner(x, y, rgb(limitar(x * 255 / 900 + r), limitar(y * 255 / 600 - r), limitar((x + y) % 256 + r)));
        }
    return img;
}

// Colores y perfiles de los puntos 1..ancho × 1..alto, por filas.
std::vector<Color> volcado(const Estado& e, int ancho, int alto) {
    std::vector<Color> v;
    for (int y = 1; y <= alto; ++y)
        for (int x = 1; x <= ancho; ++x) {
            v.push_back(e.punto(x, y).color);
            for (Color c : e.punto(x, y).perfil) v.push_back(c);
        }
    return v;
}

std::unique_ptr<Estado> estado_dmc() {
    auto e = crear_estado();
    valores_iniciales(*e);
    poner_textos_incorporados(*e);
    cargar_dmc(*e);
    return e;
}

TEST(Paralelo, RepartirCubreCadaElementoUnaVezYRelanzaElFalloDelPrimerTramo) {
    {
        ConHilos uno(1);
        EXPECT_EQ(tramos_de(100000, 1), 1);
    }
    ConHilos siete(7);
    EXPECT_EQ(hilos_calculo(), 7);
    EXPECT_EQ(tramos_de(100, 30), 3);
    EXPECT_EQ(tramos_de(10, 30), 1);
    const int tramos = tramos_de(1000, 10);
    EXPECT_GE(tramos, 7);
    std::vector<std::atomic<int>> visto(1000);
    std::atomic<int> fuera_de_plaza{0};
    EXPECT_EQ(repartir(1000, 10, [&](int, std::size_t a, std::size_t b) {
                  if (plaza_de_calculo() < 0 || plaza_de_calculo() >= 7) ++fuera_de_plaza;
                  for (std::size_t i = a; i < b; ++i) ++visto[i];
              }),
              tramos);
    for (const auto& v : visto) EXPECT_EQ(v.load(), 1);
    EXPECT_EQ(fuera_de_plaza.load(), 0);
    // Un reparto dentro de un tramo se hace en el hilo de ese tramo, sin esperar a nadie.
    std::atomic<int> anidados{0};
    repartir(7, 1, [&](int, std::size_t, std::size_t) {
        repartir(100, 1, [&](int, std::size_t a, std::size_t b) { anidados += static_cast<int>(b - a); });
    });
    EXPECT_EQ(anidados.load(), 700);
    try {
        repartir(700, 1, [](int t, std::size_t, std::size_t) {
            if (t >= 3) throw std::runtime_error("tramo " + std::to_string(t));
        });
        FAIL() << "no relanzó";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "tramo 3");
    }
}

TEST(Paralelo, LaGeneracionDaLoMismoConUnoDosYSieteHilos) {
    const ImagenMemoria img = foto();
    auto e = estado_dmc();
    e->hilos[5].activo = false;  // un hilo apagado no sale nunca
    for (int metodo : {1, 2})
        for (bool interpolar : {false, true})
            for (bool ajustar : {true, false}) {
                SCOPED_TRACE(testing::Message() << "metodo " << metodo << " interpolar " << interpolar << " ajustar " << ajustar);
                e->metodo_color = metodo;
                std::vector<Color> uno;
                for (int n : kHilos) {
                    ConHilos hilos(n);
                    muestrear_rejilla(*e, img, 300, 200, interpolar, ajustar);
                    const auto v = volcado(*e, 300, 200);
                    if (n == 1) uno = v;
                    else EXPECT_TRUE(v == uno) << n << " hilos";
                }
                if (interpolar || !ajustar) continue;
                // El recuerdo de los colores ya buscados nunca cambia la respuesta.
                for (int y = 1; y <= 200; y += 7)
                    for (int x = 1; x <= 300; ++x) {
                        const Color muestra = pixel_muestra(img, posicion_muestra(x, 3.0f), posicion_muestra(y, 3.0f));
                        ASSERT_EQ(e->punto(x, y).color, hilo_mas_proximo(muestra, e->hilos, metodo)) << x << "," << y;
                    }
            }
}

// La limpieza como se describe: punto a punto por filas, cada cambio visto por los siguientes.
int limpiar_uno_a_uno(const MediasCeldas& c, const std::vector<HiloLab>& el, std::vector<int>& indice, double limite) {
    int cambiados = 0;
    for (int pasada = 0; pasada < 3; ++pasada) {
        int en_pasada = 0;
        for (int y = 1; y <= c.alto; ++y)
            for (int x = 1; x <= c.ancho; ++x) {
                if (!es_suelto(indice, c.ancho, c.alto, x, y)) continue;
                const std::size_t k = c.indice(x, y);
                const double actual = de00(c.lab[k], el[static_cast<std::size_t>(indice[k])].lab);
                int mejor = -1;
                double coste_min = limite;
                const int vx[4] = {x, x + 1, x, x - 1}, vy[4] = {y - 1, y, y + 1, y};
                for (int l = 0; l < 4; ++l) {
                    if (vx[l] < 1 || vx[l] > c.ancho || vy[l] < 1 || vy[l] > c.alto) continue;
                    const int otro = indice[c.indice(vx[l], vy[l])];
                    const double coste = de00(c.lab[k], el[static_cast<std::size_t>(otro)].lab) - actual;
                    if (coste <= coste_min && (mejor < 0 || coste < coste_min)) coste_min = coste, mejor = otro;
                }
                if (mejor >= 0) indice[k] = mejor, ++en_pasada;
            }
        cambiados += en_pasada;
        if (en_pasada == 0) break;
    }
    return cambiados;
}

TEST(Paralelo, LaFielDaLoMismoConUnoDosYSieteHilos) {
    const ImagenMemoria img = foto();
    auto e = estado_dmc();
    hilo_numero(*e, 310).bloqueado = true;
    const std::vector<HiloLab> activos = hilos_activos(e->hilos);

    MediasCeldas c1;
    std::vector<HiloLab> elegidos1;
    std::vector<int> asignados1, limpios1;
    int cambiados1 = 0;
    for (int n : kHilos) {
        SCOPED_TRACE(testing::Message() << n << " hilos");
        ConHilos hilos(n);
        const MediasCeldas c = promediar_celdas(img, 300, 200);
        const std::vector<HiloLab> elegidos = elegir_hilos(c, activos, 35);
        const std::vector<int> asignados = asignar_hilos(c, elegidos);
        std::vector<int> limpios = asignados;
        const int cambiados = limpiar_sueltos(c, elegidos, limpios, 3);
        if (n == 1) {
            c1 = c;
            elegidos1 = elegidos;
            asignados1 = asignados;
            limpios1 = limpios;
            cambiados1 = cambiados;
            // La limpieza calculada por adelantado en paralelo es la de punto a punto.
            std::vector<int> uno_a_uno = asignados;
            EXPECT_EQ(limpiar_uno_a_uno(c, elegidos, uno_a_uno, limite_limpieza(3)), cambiados);
            EXPECT_TRUE(uno_a_uno == limpios);
            EXPECT_GT(cambiados, 0);
            continue;
        }
        ASSERT_EQ(c.lab.size(), c1.lab.size());
        EXPECT_EQ(std::memcmp(c.lab.data(), c1.lab.data(), c.lab.size() * sizeof(Lab)), 0);
        EXPECT_TRUE(c.color == c1.color);
        ASSERT_EQ(elegidos.size(), elegidos1.size());
        for (std::size_t i = 0; i < elegidos.size(); ++i) EXPECT_EQ(elegidos[i].color, elegidos1[i].color);
        EXPECT_TRUE(asignados == asignados1);
        EXPECT_TRUE(limpios == limpios1);
        EXPECT_EQ(cambiados, cambiados1);
    }
}

// Lo que una orden deja a la vista: puntos, color actual, paleta, visor, repintado, avance.
struct Resultado {
    std::vector<Color> puntos;
    Color color_actual = 0;
    std::vector<std::pair<Color, int>> paleta;
    std::vector<std::string> memo, mensajes;
    std::vector<std::pair<int, int>> repintadas;
    std::string progreso;
    int progresos = 0;
    bool operator==(const Resultado&) const = default;
};

// 300 x 200 con unos 300 colores en manchas, perfiles (alguno de un color que sólo está en
// perfiles) y un hilo bloqueado.
void tapiz_manchas(Banco& b) {
    std::mt19937 azar(11);
    std::vector<Color> colores;
    for (int i = 0; i < 300; ++i) colores.push_back(static_cast<Color>(azar() & 0xFFFFFF));
    colores[7] = b.hilo_dmc(310).color;
    b.hilo_dmc(310).bloqueado = true;
    for (int y = 1; y <= 200; ++y)
        for (int x = 1; x <= 300; ++x) {
            Punto& p = b.e.punto(x, y);
            p.color = colores[(x / 9 * 31 + y / 7 * 17 + (azar() % 4 == 0 ? azar() % 300 : 0)) % 300];
            p.perfil.fill(kSinPerfil);
            if ((x * y) % 97 == 0) p.lado(kDerecha) = colores[(x + y) % 300];
        }
    b.e.punto(150, 100).lado(kAbajo) = rgb(1, 2, 3);
    b.e.ancho = "300";
    b.e.alto = "200";
    b.e.color_actual = rgb(9, 9, 9);
    b.e.n_colores = "40";
    b.e.dif_max = "60";
    b.e.divisor_tonos = "24";
}

Resultado correr(int hilos, const std::function<void(Sesion&)>& orden) {
    ConHilos con(hilos);
    Banco b;
    tapiz_manchas(b);
    orden(b.s);
    Resultado r;
    r.puntos = volcado(b.e, 300, 200);
    r.color_actual = b.e.color_actual;
    for (int k = 1; k <= b.e.paleta.total; ++k) r.paleta.emplace_back(b.e.paleta[k].color, b.e.paleta[k].numero);
    r.memo = b.v.memo;
    r.mensajes = b.d.mensajes();
    r.repintadas = b.v.repintadas;
    r.progreso = b.v.ultimo_progreso;
    r.progresos = b.v.progresos;
    return r;
}

TEST(Paralelo, PaletaReduccionesYAjusteDanLoMismoConUnoDosYSieteHilos) {
    const std::pair<const char*, std::function<void(Sesion&)>> ordenes[] = {
        {"paleta", [](Sesion& s) { construir_paleta(s, false); }},
        {"reducir paleta", [](Sesion& s) { reducir_paleta(s, false); }},
        {"reducir similares", [](Sesion& s) { reducir_similares(s, false); }},
        {"reducir tonos", [](Sesion& s) { reducir_tonos(s, false); }},
        {"ajustar a hilos", [](Sesion& s) { ajustar_a_hilos(s, true); }},
    };
    for (const auto& [nombre, orden] : ordenes) {
        SCOPED_TRACE(nombre);
        const Resultado uno = correr(1, orden);
        EXPECT_GT(uno.memo.size(), 300u);
        EXPECT_TRUE(correr(2, orden) == uno);
        EXPECT_TRUE(correr(7, orden) == uno);
    }
}

TEST(Paralelo, LaPaletaTrasLosCambiosEsLaDeVolverAContar) {
    Banco b;
    tapiz_manchas(b);
    const Rango todo{1, 1, 300, 200};
    MapaColores indice;
    ColoresContados contados;
    contar_colores(b.e, todo, b.e.paleta, indice, &contados);
    ordenar_paleta(b.e.paleta);
    ASSERT_TRUE(contados.completos);
    // Similares (un color pasa a otro que ya está) y tonos (colores nuevos, y nuevos que son
    // viejos de otro par); el color que sólo está en perfiles sigue en la paleta.
    for (int vuelta = 0; vuelta < 3; ++vuelta) {
        SCOPED_TRACE(vuelta);
        ListaCambios cambios;
        if (vuelta == 1) pares_tonos(b.e.paleta, 24, cambios);
        else pares_similares(b.e.paleta, b.e.hilos, 40, 1, cambios);
        ASSERT_GT(cambios.total(), 0);
        aplicar_cambios(b.e, cambios, 300, 200, AvisoCambios{});
        ASSERT_TRUE(paleta_tras_cambios(b.e.paleta, contados, cambios));
        TablaHilos contada;
        contar_colores(b.e, todo, contada, indice);
        ordenar_paleta(contada);
        ASSERT_EQ(b.e.paleta.total, contada.total);
        for (int k = 1; k <= contada.total; ++k) {
            EXPECT_EQ(b.e.paleta[k].color, contada[k].color) << k;
            EXPECT_EQ(b.e.paleta[k].numero, contada[k].numero) << k;
        }
        EXPECT_EQ(contada[contada.total].numero, 0);  // el del perfil, al final
    }
}

TEST(Paralelo, ColoresDistintosSinTopeConLosDeFueraDeLos24Bits) {
    Banco b;
    b.tapiz({{1, 2, 0x1000000, 2}, {-5, 1, 0x1000000, 0xFFFFFF}});
    b.e.punto(1, 1).lado(kArriba) = 7;
    b.e.punto(2, 2).lado(kAbajo) = 0x2000000;
    EXPECT_EQ(colores_distintos(b.e, Rango{1, 1, 4, 2}, false), 5);
    EXPECT_EQ(colores_distintos(b.e, Rango{1, 1, 4, 2}, true), 7);
    EXPECT_EQ(colores_distintos(b.e, Rango{3, 1, 4, 1}, false), 2);
}

}  // namespace
}  // namespace pc::prueba
