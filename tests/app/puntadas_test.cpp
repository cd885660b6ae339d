// Las puntadas que no son cruces enteras: reglas de colocación y el índice por filas, contra
// un recorrido de todo.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "app/puntadas.h"

namespace pc::prueba {
namespace {

Parcial medio(int x, int y, Diagonal d, Color c) { return {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), TipoParcial::kMedio, d, Esquina::kArribaIzquierda, c}; }
Parcial de_tipo(int x, int y, TipoParcial t, Esquina e, Color c, Diagonal d = Diagonal::kBarra) {
    return {static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), t, d, e, c};
}

std::vector<Parcial> de_celda(const Puntadas& p, int x, int y) {
    std::vector<Parcial> v;
    for (std::size_t i : p.parciales_celda(x, y)) v.push_back(p.parciales()[i]);
    return v;
}

TEST(Puntadas, ReglasDeLaCeldaYFueraDelTapiz) {
    Puntadas p;
    // Dos medios puntos nunca: el segundo quita el primero, aunque vaya en la otra diagonal.
    ASSERT_TRUE(p.poner(medio(2, 2, Diagonal::kBarra, 1), 5, 4));
    ASSERT_TRUE(p.poner(medio(2, 2, Diagonal::kInvertida, 2), 5, 4));
    EXPECT_EQ(de_celda(p, 2, 2), std::vector{medio(2, 2, Diagonal::kInvertida, 2)});
    // Dos tres cuartos a ambos lados de '\': caben; un cuarto en una esquina de la diagonal
    // pisa a los dos.
    const auto a = de_tipo(3, 1, TipoParcial::kTresCuartos, Esquina::kAbajoIzquierda, 1, Diagonal::kInvertida);
    const auto b = de_tipo(3, 1, TipoParcial::kTresCuartos, Esquina::kArribaDerecha, 2, Diagonal::kInvertida);
    ASSERT_TRUE(p.poner(a, 5, 4));
    ASSERT_TRUE(p.poner(b, 5, 4));
    EXPECT_EQ(de_celda(p, 3, 1).size(), 2u);
    // Del otro lado de '/' se pisan.
    const auto c = de_tipo(3, 1, TipoParcial::kTresCuartos, Esquina::kArribaIzquierda, 3, Diagonal::kBarra);
    ASSERT_TRUE(p.poner(c, 5, 4));
    EXPECT_EQ(de_celda(p, 3, 1), std::vector{c});
    // Tres cuartos más un cuarto en su esquina libre: caben; un petit en la misma, no.
    const auto q = de_tipo(3, 1, TipoParcial::kCuarto, Esquina::kAbajoDerecha, 4);
    ASSERT_TRUE(p.poner(q, 5, 4));
    EXPECT_EQ(de_celda(p, 3, 1).size(), 2u);
    // Un tercero que no pisa a nadie: se va el más antiguo, nunca hay tres.
    Puntadas r;
    for (int k = 0; k < 3; ++k) ASSERT_TRUE(r.poner(de_tipo(1, 1, TipoParcial::kPetit, static_cast<Esquina>(k), k), 2, 2));
    auto quedan = de_celda(r, 1, 1);
    ASSERT_EQ(quedan.size(), 2u);
    EXPECT_EQ(std::count_if(quedan.begin(), quedan.end(), [](const Parcial& x) { return x.color == 0; }), 0);

    // Lo que no vale, sin cambiar nada.
    const auto v = p.version();
    EXPECT_FALSE(p.poner(de_tipo(1, 1, TipoParcial::kTresCuartos, Esquina::kArribaIzquierda, 1, Diagonal::kInvertida), 5, 4));
    EXPECT_FALSE(p.poner(medio(6, 1, Diagonal::kBarra, 1), 5, 4));
    EXPECT_FALSE(p.poner(medio(1, 0, Diagonal::kBarra, 1), 5, 4));
    EXPECT_FALSE(p.poner(medio(1, 1, Diagonal::kBarra, -1), 5, 4));
    EXPECT_FALSE(p.poner(Linea{0, 0, 11, 8, 1, 1}, 5, 4));
    EXPECT_FALSE(p.poner(Linea{3, 3, 3, 3, 1, 1}, 5, 4));
    EXPECT_FALSE(p.poner(Nudo{10, 9, 1, 2}, 5, 4));
    EXPECT_FALSE(p.poner(Nudo{-1, 0, 1, 2}, 5, 4));
    EXPECT_EQ(p.version(), v);

    // Un pespunte al revés sustituye al igual; un nudo, al de su punto.
    ASSERT_TRUE(p.poner(Linea{0, 0, 10, 8, 1, 1}, 5, 4));
    ASSERT_TRUE(p.poner(Linea{10, 8, 0, 0, 7, 3}, 5, 4));
    EXPECT_EQ(p.lineas(), std::vector{(Linea{10, 8, 0, 0, 7, 3})});
    ASSERT_TRUE(p.poner(Nudo{10, 8, 1, 2}, 5, 4));
    ASSERT_TRUE(p.poner(Nudo{10, 8, 5, 1}, 5, 4));
    EXPECT_EQ(p.nudos(), std::vector{(Nudo{10, 8, 5, 1})});
    p.recortar(4, 4);
    EXPECT_TRUE(p.lineas().empty());
    EXPECT_TRUE(p.nudos().empty());
    EXPECT_EQ(p.parciales().size(), 3u);
}

// ¿Toca el segmento el cuadrado cerrado de la celda (x, y)? Sin índice y con enteros.
bool toca(const Linea& l, int x, int y) {
    const int a0 = 2 * x - 2, a1 = 2 * x, b0 = 2 * y - 2, b1 = 2 * y;
    if (std::max(l.u1, l.u2) < a0 || std::min(l.u1, l.u2) > a1) return false;
    if (std::max(l.v1, l.v2) < b0 || std::min(l.v1, l.v2) > b1) return false;
    int pos = 0, neg = 0;
    for (int u : {a0, a1})
        for (int v : {b0, b1}) {
            const long c = static_cast<long>(l.u2 - l.u1) * (v - l.v1) - static_cast<long>(l.v2 - l.v1) * (u - l.u1);
            pos += c > 0;
            neg += c < 0;
        }
    return !(pos == 4 || neg == 4);
}

TEST(Puntadas, ElIndiceDevuelveLoMismoQueRecorrerloTodoTrasQuitar) {
    constexpr int kAncho = 60, kAlto = 40;
    std::mt19937 azar(25);
    auto al = [&](int n) { return static_cast<int>(azar() % static_cast<unsigned>(n)); };
    Puntadas p;
    for (int k = 0; k < 3000; ++k) {
        p.poner(de_tipo(1 + al(kAncho), 1 + al(kAlto), static_cast<TipoParcial>(al(4)), static_cast<Esquina>(al(4)), al(9),
                        static_cast<Diagonal>(al(2))),
                kAncho, kAlto);
        const int u = al(2 * kAncho + 1), v = al(2 * kAlto + 1);
        const int largo = k % 10 == 0 ? 60 : 6;  // unos pocos pespuntes largos
        p.poner(Linea{static_cast<std::int16_t>(u), static_cast<std::int16_t>(v),
                      static_cast<std::int16_t>(std::clamp(u + al(2 * largo + 1) - largo, 0, 2 * kAncho)),
                      static_cast<std::int16_t>(std::clamp(v + al(2 * largo + 1) - largo, 0, 2 * kAlto)), al(9), 1},
                kAncho, kAlto);
        p.poner(Nudo{static_cast<std::int16_t>(al(2 * kAncho + 1)), static_cast<std::int16_t>(al(2 * kAlto + 1)), al(9), 2},
                kAncho, kAlto);
    }
    // Quitar mueve la última puntada a su lugar: el índice debe seguirla.
    for (int k = 0; k < 500; ++k) {
        p.quitar_parcial(static_cast<std::size_t>(al(static_cast<int>(p.parciales().size()))));
        p.quitar_linea(static_cast<std::size_t>(al(static_cast<int>(p.lineas().size()))));
        p.quitar_nudo(static_cast<std::size_t>(al(static_cast<int>(p.nudos().size()))));
    }
    for (int k = 0; k < 200; ++k) {
        RectanguloCeldas r{1 + al(kAncho), 1 + al(kAlto), 0, 0};
        r.x2 = r.x1 + al(15);
        r.y2 = r.y1 + al(10);
        std::vector<std::size_t> es_par, es_lin, es_nud;
        for (std::size_t i = 0; i < p.parciales().size(); ++i) {
            const auto& q = p.parciales()[i];
            if (q.x >= r.x1 && q.x <= r.x2 && q.y >= r.y1 && q.y <= r.y2) es_par.push_back(i);
        }
        for (std::size_t i = 0; i < p.lineas().size(); ++i) {
            bool t = false;
            for (int y = r.y1; y <= r.y2 && !t; ++y)
                for (int x = r.x1; x <= r.x2 && !t; ++x) t = toca(p.lineas()[i], x, y);
            if (t) es_lin.push_back(i);
        }
        for (std::size_t i = 0; i < p.nudos().size(); ++i) {
            const auto& n = p.nudos()[i];
            if (n.u >= 2 * r.x1 - 2 && n.u <= 2 * r.x2 && n.v >= 2 * r.y1 - 2 && n.v <= 2 * r.y2) es_nud.push_back(i);
        }
        auto ordenado = [](std::vector<std::size_t> v) {
            std::sort(v.begin(), v.end());
            return v;
        };
        ASSERT_EQ(ordenado(p.parciales_en(r)), es_par);
        ASSERT_EQ(ordenado(p.lineas_en(r)), es_lin) << r.x1 << "," << r.y1 << " " << r.x2 << "," << r.y2;
        ASSERT_EQ(ordenado(p.nudos_en(r)), es_nud);
    }
}

TEST(Puntadas, CambiarColoresSoloEnLaZonaYSinCadenas) {
    Puntadas p;
    p.poner(medio(1, 1, Diagonal::kBarra, 1), 10, 10);
    p.poner(medio(5, 5, Diagonal::kBarra, 1), 10, 10);
    p.poner(medio(6, 6, Diagonal::kBarra, 2), 10, 10);
    p.poner(Linea{2, 2, 6, 6, 1, 1}, 10, 10);   // dentro de la zona 2..5
    p.poner(Linea{2, 2, 12, 12, 1, 1}, 10, 10); // sale de ella
    p.poner(Nudo{2, 2, 1, 2}, 10, 10);          // esquina de arriba a la izquierda de la zona
    const RectanguloCeldas zona{2, 2, 5, 5};
    // 1 -> 2 y 2 -> 3 a la vez: lo que era 1 queda en 2, no sigue a 3.
    EXPECT_EQ(p.cambiar_colores([](Color c) { return c == 1 ? 2 : (c == 2 ? 3 : c); }, &zona), 3);
    EXPECT_EQ(de_celda(p, 1, 1)[0].color, 1);
    EXPECT_EQ(de_celda(p, 5, 5)[0].color, 2);
    EXPECT_EQ(de_celda(p, 6, 6)[0].color, 2);
    EXPECT_EQ(p.lineas()[0].color, 2);
    EXPECT_EQ(p.lineas()[1].color, 1);
    EXPECT_EQ(p.nudos()[0].color, 2);
}

}  // namespace
}  // namespace pc::prueba
