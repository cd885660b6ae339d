// El visor de imagen: captura de color, marcas sobre la imagen, hilo más próximo y área.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "ordenes/sesion/visor.h"
#include "tests/comun/banco.h"

namespace pc::prueba {
namespace {

struct Visor : BancoOrdenes<> {
    Visor(int w, int h, Color fondo) : BancoOrdenes(w, h, fondo) {}
    bool area() {
        return orden([&] { cambiar_area_captura(s); });
    }
};

TEST(VisorCaptura, ZonaUniformeDaSuColorExactoYLaLineaDeMemo) {
    Visor t(100, 80, rgb(12, 34, 56));
    capturar_color(t.s, 50, 40);
    EXPECT_EQ(t.e.visor.color_capturado, rgb(12, 34, 56));
    EXPECT_EQ(t.v.memo, std::vector<std::string>{"  R:12 G:34 B:56"});
    capturar_color(t.s, 60, 40);
    EXPECT_EQ(t.v.memo.size(), 2u);  // una línea por pulsación
    EXPECT_EQ(texto_pixel(t.img, 70, 70), "12,34,56");
    EXPECT_EQ(texto_pixel(t.img, 100, 3), "255,255,255");
    EXPECT_EQ(texto_pixel(t.img, -1, 3), "255,255,255");

    // Cerca de la esquina lo que falta cuenta como blanco. 3 x 3: 4 negros y 5 blancos,
    // 255·5 div 9 = 141. Área 31 x 21 = 651 píxeles, 16 x 11 = 176 dentro: 255·475 div 651.
    Visor c(100, 80, kNegro);
    capturar_color(c.s, 0, 0);
    EXPECT_EQ(c.e.visor.color_capturado, rgb(141, 141, 141));
    EXPECT_EQ(c.v.memo.back(), "  R:186 G:186 B:186");
    capturar_color(c.s, 99, 79);
    EXPECT_EQ(c.e.visor.color_capturado, rgb(141, 141, 141));
}

TEST(VisorCaptura, AreaCeroEsElPixelPulsadoYLaMuestraReemplazaLaEsquina) {
    Visor t(60, 60, rgb(90, 90, 90));
    t.img.poner(40, 30, rgb(200, 100, 50));
    t.d.responder("0").responder("0");
    ASSERT_TRUE(t.area());
    capturar_color(t.s, 40, 30);
    EXPECT_EQ(t.v.memo.back(), "  R:200 G:100 B:50");
    // La muestra de 3 x 3 no cambia con el área: (200 + 8·90) div 9, etc.
    EXPECT_EQ(t.e.visor.color_capturado, rgb(102, 91, 85));

    // Cuadro de 20 x 20 en la esquina: borde negro, relleno con la media del área.
    EXPECT_EQ(t.img.pixel(0, 0), kNegro);
    EXPECT_EQ(t.img.pixel(19, 19), kNegro);
    EXPECT_EQ(t.img.pixel(19, 5), kNegro);
    EXPECT_EQ(t.img.pixel(1, 1), rgb(200, 100, 50));
    EXPECT_EQ(t.img.pixel(18, 18), rgb(200, 100, 50));
    EXPECT_EQ(t.img.pixel(20, 20), rgb(90, 90, 90));
    EXPECT_EQ(t.img.pixel(20, 3), rgb(90, 90, 90));

    // La siguiente pulsación lee el cuadro que dejó la anterior: en (10,10) todo es relleno.
    capturar_color(t.s, 10, 10);
    EXPECT_EQ(t.v.memo.back(), "  R:200 G:100 B:50");
    capturar_color(t.s, 50, 50);
    EXPECT_EQ(t.img.pixel(10, 10), rgb(90, 90, 90));  // la esquina lleva ya la última media
}

TEST(VisorCaptura, MarcarZonaDibujaElAreaSinBordeDerechoNiInferior) {
    Visor t(100, 100, rgb(30, 60, 90));
    // Una fila del área (31 píxeles de 651) con rojo 240: (620·30 + 31·240) div 651 = 40.
    for (int x = 35; x <= 65; ++x) t.img.poner(x, 50, rgb(240, 60, 90));
    marcar_zona_captura(t.s);
    EXPECT_TRUE(t.e.visor.marcar_zona);
    capturar_color(t.s, 50, 50);
    EXPECT_EQ(t.v.memo.back(), "  R:40 G:60 B:90");
    // Rectángulo de (35,40) a (65,60) sin incluir x = 65 ni y = 60.
    EXPECT_EQ(t.img.pixel(35, 40), kNegro);
    EXPECT_EQ(t.img.pixel(64, 59), kNegro);
    EXPECT_EQ(t.img.pixel(64, 45), kNegro);
    EXPECT_EQ(t.img.pixel(35, 50), kNegro);
    EXPECT_EQ(t.img.pixel(50, 50), rgb(40, 60, 90));
    EXPECT_EQ(t.img.pixel(36, 41), rgb(40, 60, 90));
    EXPECT_EQ(t.img.pixel(65, 50), rgb(240, 60, 90));
    EXPECT_EQ(t.img.pixel(65, 59), rgb(30, 60, 90));
    EXPECT_EQ(t.img.pixel(50, 60), rgb(30, 60, 90));
    EXPECT_EQ(t.img.pixel(34, 45), rgb(30, 60, 90));
    EXPECT_EQ(t.img.pixel(1, 1), rgb(40, 60, 90));  // el cuadro de la esquina lleva la misma media

    marcar_zona_captura(t.s);
    EXPECT_FALSE(t.e.visor.marcar_zona);
    capturar_color(t.s, 80, 80);
    EXPECT_EQ(t.img.pixel(65, 70), rgb(30, 60, 90));  // sin marca esta vez
}

TEST(VisorCaptura, AreasEnormesNoDesbordanNiRecorrenFueraDeLaImagen) {
    Visor t(10, 10, kNegro);
    t.e.visor.captura_x = 2147483647;
    t.e.visor.captura_y = 2147483647;
    marcar_zona_captura(t.s);
    capturar_color(t.s, 5, 5);
    // Casi todo el área cae fuera: la media trunca a 254.
    EXPECT_EQ(t.v.memo.back(), "  R:254 G:254 B:254");
    EXPECT_EQ(t.img.pixel(5, 5), rgb(254, 254, 254));  // relleno de la marca, sin borde visible
    EXPECT_EQ(t.img.pixel(9, 9), rgb(254, 254, 254));
}

TEST(VisorArea, PideLasDosLongitudesYRechazaNegativas) {
    Visor t(10, 10, kNegro);
    t.d.responder("7").responder("12");
    EXPECT_TRUE(t.area());
    EXPECT_EQ(t.e.visor.captura_x, 7);
    EXPECT_EQ(t.e.visor.captura_y, 12);
    ASSERT_EQ(t.d.llamadas().size(), 2u);
    EXPECT_EQ(t.d.llamadas()[0].titulo, "Longitud en X");
    EXPECT_EQ(t.d.llamadas()[0].texto, "Valores recomendados 5..20");
    EXPECT_EQ(t.d.llamadas()[1].titulo, "Longitud en Y");
    EXPECT_EQ(t.d.llamadas()[1].texto, "Valores recomendados 5..20");

    // Negativa en X: se rechaza con un mensaje y no se pregunta la Y.
    t.d.responder("-1");
    EXPECT_FALSE(t.area());
    EXPECT_EQ(t.e.visor.captura_x, 7);
    EXPECT_EQ(std::count_if(t.d.llamadas().begin(), t.d.llamadas().end(),
                            [](const Llamada& l) { return l.tipo == Tipo::kEntrada; }),
              3);
    ASSERT_EQ(t.d.errores().size(), 1u);
    EXPECT_NE(t.d.errores()[0].find("negativa"), std::string::npos) << t.d.errores()[0];

    // La X aceptada se queda aunque la Y falle (negativa o no numérica).
    t.d.responder("9").responder("-2");
    EXPECT_FALSE(t.area());
    EXPECT_EQ(t.e.visor.captura_x, 9);
    EXPECT_EQ(t.e.visor.captura_y, 12);
    t.d.responder("4").responder("diez");
    EXPECT_FALSE(t.area());
    EXPECT_EQ(t.e.visor.captura_x, 4);
    EXPECT_EQ(t.e.visor.captura_y, 12);
    EXPECT_EQ(t.d.errores().back(), "'diez' is not a valid integer value");

}

TEST(VisorHilo, SeleccionaElHiloMasProximoAlColorCapturado) {
    Visor t(10, 10, kNegro);
    t.cargar_dmc();
    t.e.visor.color_capturado = rgb(5, 4, 3);
    seleccionar_hilo_mas_proximo(t.s);
    EXPECT_EQ(t.v.fondo, rgb(2, 2, 2));
    EXPECT_EQ(t.v.paneles_visor[1], "Color más próximo DMC: 310 R:2 G:2 B:2");

    // Sin hilos activos: negro y sin nombre.
    for (int i = 1; i <= t.e.hilos.total; ++i) t.e.hilos[i].activo = false;
    seleccionar_hilo_mas_proximo(t.s);
    EXPECT_EQ(t.v.fondo, kNegro);
    EXPECT_EQ(t.v.paneles_visor[1], "Color más próximo HILO:???? R:0 G:0 B:0");
}

}  // namespace
}  // namespace pc::prueba
