// El cuadernillo con puntadas de otras clases: las celdas con parciales no llevan el símbolo de
// una cruz y la leyenda lleva la columna de los parciales y las secciones de pespuntes y nudos.
#include <gtest/gtest.h>

#include "ordenes/impresion/cuadernillo.h"
#include "render/cuadernillo.h"
#include "tests/comun/banco.h"
#include "tests/ventana/comun_ui.h"

namespace pc {
namespace {

TEST(CuadernilloPuntadasDibujo, SinSimboloEnteroBajoLosParcialesYLeyendaConSusSecciones) {
    prueba::aplicacion();
    prueba::BancoOrdenes<> b;
    b.cargar_dmc();
    b.e.ancho = "10";
    b.e.alto = "8";
    for (int x = 1; x <= 10; ++x)
        for (int y = 1; y <= 8; ++y) b.e.punto(x, y) = Punto{b.e.hilos[1 + x % 2].color, {-1, -1, -1, -1}};
    b.e.fichero_abierto = "/tmp/puntadas.pc";
    Parcial m;
    m.x = 3, m.y = 2, m.color = b.e.hilos[5].color;
    Parcial q = m;
    q.x = 4, q.tipo = TipoParcial::kPetit;
    for (const Parcial& p : {m, q}) {
        ASSERT_TRUE(b.e.puntadas.poner(p, 10, 8));
        b.e.punto(p.x, p.y).color = kBlanco;  // la tela
    }
    Linea l;
    l.u1 = 0, l.v1 = 0, l.u2 = 6, l.v2 = 4, l.color = b.e.hilos[6].color;
    ASSERT_TRUE(b.e.puntadas.poner(l, 10, 8));
    Nudo n;
    n.u = 9, n.v = 9, n.color = b.e.hilos[6].color;
    ASSERT_TRUE(b.e.puntadas.poner(n, 10, 8));

    std::vector<std::pair<int, std::string>> textos;
    observar_cuadernillo([&](int p, double, double, const std::string& s) { textos.emplace_back(p, s); });
    const TrabajoCuadernillo t = preparar_cuadernillo(b.s);
    const auto pdf = cuadernillo_pdf(t);
    observar_cuadernillo(nullptr);
    ASSERT_TRUE(pdf);
    ASSERT_TRUE(t.puntadas);
    ASSERT_EQ(t.maqueta.total_paginas, 3);

    // Página 2: un símbolo entero por celda salvo las dos de los parciales.
    int simbolos = 0;
    for (const auto& [p, s] : textos)
        if (p == 2)
            for (const FilaLeyenda& f : t.leyenda) simbolos += s == f.simbolo;
    EXPECT_EQ(simbolos, 80 - 2);
    const auto hay = [&](const std::string& s) {
        for (const auto& [p, x] : textos)
            if (p == 3 && x == s) return true;
        return false;
    };
    for (const char* s : {"Parciales", "Pespuntes", "Nudos", "Largo", "Hebras", "1", "2"})
        EXPECT_TRUE(hay(s)) << s;
}

}  // namespace
}  // namespace pc
