// La vista de la paleta de hilos: su maqueta, el texto bajo el puntero, las elecciones de su
// menú emergente, desactivar y bloquear hilos y la lista de los bloqueados.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/comun/paleta_apoyo.h"
#include "threads/emparejar.h"
#include "ordenes/hilos/vista_paleta.h"
#include "threads/vista_paleta.h"

namespace pc::prueba {
namespace {

using T = FiguraPaleta::Tipo;

const Color k310 = rgb(2, 2, 2);
const Color k3799 = rgb(32, 32, 32);
const Color k3713 = rgb(246, 186, 190);

// Una vista que guarda la última maqueta dibujada y da un color fijo para el lienzo.
struct VistaPaleta : VistaRegistro {
    void dibujar_paleta(const DibujoPaleta& d) override {
        dibujo = d;
        ++dibujos;
    }
    Color pixel_paleta(int x, int y) const override {
        pixeles.emplace_back(x, y);
        return pixel;
    }
    DibujoPaleta dibujo;
    int dibujos = 0;
    Color pixel = kBlanco;
    mutable std::vector<std::pair<int, int>> pixeles;
};

struct BancoPaleta : Banco {
    VistaPaleta vp;
    Sesion sp{e, d, vp, img};
};

// Las figuras de un tipo, o los textos que empiezan por un prefijo.
std::vector<FiguraPaleta> de_tipo(const DibujoPaleta& d, T t) {
    std::vector<FiguraPaleta> r;
    std::copy_if(d.figuras.begin(), d.figuras.end(), std::back_inserter(r), [t](const auto& f) { return f.tipo == t; });
    return r;
}
const FiguraPaleta* texto(const DibujoPaleta& d, const std::string& t) {
    for (const FiguraPaleta& f : d.figuras)
        if (f.tipo == T::kTexto && f.texto == t) return &f;
    return nullptr;
}

TEST(VistaPaleta, MaquetaDmcConHilosEnUsoColorActualYColoresDelTapiz) {
    BancoPaleta b;
    b.tapiz({{k310, k310, k3799}, {k3713, rgb(1, 2, 3), k310}});
    b.e.color_actual = k3799;
    ver_paleta_hilos(b.sp);
    EXPECT_TRUE(b.e.ver_bmp_exportado);
    EXPECT_EQ(b.vp.paneles[1], "Paleta de Hilos: DMC");
    EXPECT_EQ(b.vp.memo[1], "Total de Colores: 4");  // la paleta del tapiz se listó
    ASSERT_EQ(b.vp.dibujos, 1);
    const DibujoPaleta& d = b.vp.dibujo;

    ASSERT_FALSE(d.figuras.empty());
    EXPECT_EQ(d.figuras[0].texto, "Paleta de colores DMC");
    EXPECT_EQ(d.figuras[0].x, 1);
    // Columnas impares arriba en una columna de pantalla nueva; pares debajo, desde la fila 28.
    const std::pair<int, int> cabeceras[] = {{18, 22}, {18, 562}, {78, 22}, {498, 562}};
    const char* nombres[] = {"COL 1", "COL 2", "COL 3", "COL 18"};
    for (int i = 0; i < 4; ++i) {
        const FiguraPaleta* f = texto(d, nombres[i]);
        ASSERT_NE(f, nullptr) << nombres[i];
        EXPECT_EQ(std::make_pair(f->x, f->y), cabeceras[i]) << nombres[i];
    }
    const auto muestras = de_tipo(d, T::kMuestra);
    ASSERT_EQ(muestras.size(), 420u + 4u);
    EXPECT_EQ(muestras[0].color, k3713);
    EXPECT_EQ(std::make_pair(muestras[0].x, muestras[0].y), std::make_pair(1, 40));
    ASSERT_NE(texto(d, "3713"), nullptr);
    EXPECT_EQ(std::make_pair(texto(d, "3713")->x, texto(d, "3713")->y), std::make_pair(24, 42));
    // 310 es el último de la columna 18 (8 grises desde la fila 29): fila 36.
    EXPECT_EQ(std::make_pair(muestras[419].x, muestras[419].y), std::make_pair(481, 720));

    // Marcos en los hilos que usa el tapiz (310, 3799, 3713) y la elipse en el color actual.
    const auto marcos = de_tipo(d, T::kMarco);
    ASSERT_EQ(marcos.size(), 3u);
    EXPECT_EQ(std::make_pair(marcos[0].x, marcos[0].y), std::make_pair(0, 39));
    EXPECT_EQ(std::make_pair(marcos[2].x, marcos[2].y), std::make_pair(480, 719));
    const auto elipses = de_tipo(d, T::kElipse);
    ASSERT_EQ(elipses.size(), 1u);
    EXPECT_EQ(std::make_pair(elipses[0].x, elipses[0].y), std::make_pair(476, 700));

    // Parte derecha: 90 píxeles tras la novena columna de pantalla, de más a menos uso.
    const FiguraPaleta* titulo = texto(d, "Colores del TAPIZ (de + a - uso)");
    ASSERT_NE(titulo, nullptr);
    EXPECT_EQ(std::make_pair(titulo->x, titulo->y), std::make_pair(571, 1));
    EXPECT_EQ(muestras[420].color, k310);
    EXPECT_EQ(std::make_pair(muestras[420].x, muestras[420].y), std::make_pair(571, 20));
    ASSERT_NE(texto(d, "DMC: 310 (3)"), nullptr);
    EXPECT_EQ(texto(d, "DMC: 310 (3)")->x, 594);
    EXPECT_EQ(d.figuras.back().texto, "HILO:???? (1)");
}

TEST(VistaPaleta, ColumnasLargasSeParten_AnchorSeSolapaYSinHilosSoloTitulos) {
    const auto propio = crear_estado();
    Estado& e = *propio;
    valores_iniciales(e);
    e.marca = "X";
    // 60 hilos en la columna 1: al llegar a la fila 59 (20·61 > 1200) se pasa a x = 61, fila 1.
    e.hilos.total = 60;
    for (int i = 1; i <= 60; ++i) e.hilos[i] = Hilo{rgb(i, 0, 0), i, 1, true, false};
    const auto m = de_tipo(maquetar_paleta(e, true), T::kMuestra);
    EXPECT_EQ(std::make_pair(m[56].x, m[56].y), std::make_pair(1, 1160));  // hilo 57, fila 58
    EXPECT_EQ(std::make_pair(m[57].x, m[57].y), std::make_pair(61, 20));
    EXPECT_NE(texto(maquetar_paleta(e, true), "Colores de la ZONA MARCADA (de + a - uso)"), nullptr);

    // 130 colores en el tapiz: la lista sigue en columnas de 160 píxeles (con las de 60 del
    // catálogo los nombres se pisaban) y la vista se ensancha si la tercera no cabe.
    e.paleta.total = 130;
    for (int i = 1; i <= 130; ++i) e.paleta[i] = Hilo{rgb(0, i, 0), 1000 - i, 0, true, false};
    const DibujoPaleta larga = maquetar_paleta(e, false);
    const auto colores = de_tipo(larga, T::kMuestra);
    ASSERT_EQ(colores.size(), 190u);
    EXPECT_EQ(std::make_pair(colores[60 + 57].x, colores[60 + 57].y), std::make_pair(151, 1160));  // fila 58
    EXPECT_EQ(std::make_pair(colores[60 + 58].x, colores[60 + 58].y), std::make_pair(311, 20));
    EXPECT_EQ(colores[60 + 116].x, 471);
    EXPECT_EQ(larga.ancho, 1200);
    e.paleta.total = 600;
    for (int i = 131; i <= 600; ++i) e.paleta[i] = Hilo{rgb(1, i % 256, i / 256), 1, 0, true, false};
    EXPECT_EQ(maquetar_paleta(e, false).ancho, 151 + 10 * 160 + 160);  // 11 columnas
    e.paleta.total = 0;

    // ANCHOR: la columna 2 empieza en la fila 28 sobre la parte baja de la 1 (39 hilos).
    prueba::Banco b;
    b.e.marca = "ANCHOR";
    leer_catalogo(b.e.texto_anchor, b.e.hilos, b.e.titulo_columna);
    const DibujoPaleta a = maquetar_paleta(b.e, false);
    EXPECT_EQ(std::make_pair(texto(a, "COL 2")->x, texto(a, "COL 2")->y), std::make_pair(18, 562));
    EXPECT_EQ(de_tipo(a, T::kMuestra)[38].y, 800);  // último de la columna 1, fila 40

    // Sin hilos ni colores: el título de la vista y el de la parte derecha, nada más.
    e.hilos.total = 0;
    const DibujoPaleta v = maquetar_paleta(e, false);
    ASSERT_EQ(v.figuras.size(), 2u);
    EXPECT_EQ(v.figuras[1].texto, "Colores del TAPIZ (de + a - uso)");
    EXPECT_EQ(v.figuras[1].x, 91);
}

TEST(VistaPaleta, PunteroConMetodo1Siempre) {
    Banco b;
    b.e.metodo_color = 2;  // la vista busca siempre por luminosidad
    EXPECT_EQ(texto_puntero_paleta(b.e, kBlanco), "DMC:Blanco-RGB(252,251,248) COL.:17");
    for (int i = 1; i <= b.e.hilos.total; ++i) b.e.hilos[i].activo = false;
    EXPECT_EQ(texto_puntero_paleta(b.e, kBlanco), "HILO:????" "-RGB(0,0,0) COL.:-");
    BancoPaleta p;
    raton_movido_paleta(p.sp, k3713);
    EXPECT_EQ(p.vp.paneles[0], "DMC:3713-RGB(246,186,190) COL.:1");
}

TEST(VistaPaleta, ElMenuDeLaVistaEligeElHiloMasProximoAlPixelPulsado) {
    BancoPaleta b;
    raton_pulsado_paleta(b.sp, false, 30, 40);  // el izquierdo no guarda nada
    raton_pulsado_paleta(b.sp, true, 7, 45);
    EXPECT_EQ(std::make_pair(b.e.pal_x, b.e.pal_y), std::make_pair(7, 45));
    b.vp.pixel = rgb(3, 2, 2);
    seleccionar_color_paleta(b.sp);
    EXPECT_EQ(b.vp.pixeles.back(), std::make_pair(7, 45));
    EXPECT_EQ(b.e.color_actual, k310);
    EXPECT_EQ(b.e.rotulos.seleccionar, "Seleccionar Color: DMC: 310");
    b.vp.pixel = kBlanco;
    copiar_origen_paleta(b.sp);
    EXPECT_EQ(b.e.color_origen, rgb(252, 251, 248));
    EXPECT_EQ(b.e.rotulos.origen, "Copiar RGB a color ORIGEN: 252,251,248  DMC:Blanco");
    b.vp.pixel = k3713;
    copiar_destino_paleta(b.sp);
    EXPECT_EQ(b.e.color_destino, k3713);
    EXPECT_EQ(b.e.rotulos.destino, "Copiar RGB a color DESTINO: 246,186,190  DMC:3713");

    // Desactivar dos veces sobre la misma muestra: la segunda apaga el siguiente más próximo.
    b.vp.pixel = k310;
    desactivar_color_paleta(b.sp);
    EXPECT_FALSE(b.hilo_dmc(310).activo);
    desactivar_color_paleta(b.sp);
    EXPECT_FALSE(b.hilo_dmc(3371).activo);  // (30,17,8)
    EXPECT_TRUE(b.hilo_dmc(3799).activo);
    bloquear_color_paleta(b.sp);
    EXPECT_TRUE(b.hilo_dmc(3799).bloqueado);  // (32,32,32), el siguiente activo
    EXPECT_EQ(b.vp.redibujados + b.vp.dibujos, 0);
}

TEST(VistaPaleta, DesdeElPatronBloqueadosYSuLista) {
    Banco b;
    b.tapiz({{k310, rgb(1, 2, 3)}});
    b.e.sel_x = 1, b.e.sel_y = 1;
    bloquear_color_lienzo(b.s);
    EXPECT_TRUE(b.hilo_dmc(310).bloqueado);
    b.e.sel_x = 2;  // un color que no es de ningún hilo: nada
    desactivar_color_lienzo(b.s);
    bloquear_color_lienzo(b.s);
    // Fuera de la rejilla (pulsación más allá del punto 700): nada, sin leer fuera de ella.
    b.e.punto(700, 1).color = k3713;
    b.e.sel_x = 701;
    desactivar_color_lienzo(b.s);
    b.e.sel_x = -1;
    bloquear_color_lienzo(b.s);
    EXPECT_TRUE(b.hilo_dmc(3713).activo);
    EXPECT_FALSE(b.hilo_dmc(3713).bloqueado);
    b.e.sel_x = 700;
    bloquear_color_lienzo(b.s);
    EXPECT_TRUE(b.hilo_dmc(3713).bloqueado);

    b.hilo_dmc(310).activo = false;  // bloqueado y apagado: sin nombre
    muestra_hilos_bloqueados(b.s);
    borra_hilos_bloqueados(b.s);
    muestra_hilos_bloqueados(b.s);
    EXPECT_EQ(b.d.mensajes(), (std::vector<std::string>{
                                  "Hilos BLOQUEADOS (intocables por reducción de color)\r\nDMC:3713\r\nHILO:????\r\n",
                                  "NO hay hilos Bloqueados"}));
    desactivar_color_lienzo(b.s);
    EXPECT_FALSE(b.hilo_dmc(3713).activo);
}

}  // namespace
}  // namespace pc::prueba
