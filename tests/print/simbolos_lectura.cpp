// El lector de simbolos.dat, el reparto de símbolos entre colores y la trama que se dibuja.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/estado.h"
#include "print/simbolos.h"

namespace pc {
namespace {

struct Lectura {
    std::vector<std::string> avisos;
    TablaSimbolos leer(const std::string& texto) {
        return leer_simbolos(texto, [this](const std::string& m) { avisos.push_back(m); });
    }
};

// Un símbolo con el punto (fila, columna) puesto en cada fila, en el formato del fichero.
std::string bloque(int columna, char etiqueta_fila6 = '6') {
    std::string s;
    for (int f = 1; f <= 10; ++f) {
        std::string l(11, ' ');
        l[0] = f == 6 ? etiqueta_fila6 : static_cast<char>('0' + f % 10);
        l[static_cast<std::size_t>(1 + columna)] = 'X';
        s += l + "\n";
    }
    return s;
}

bool columna_llena(const Simbolo& s, int columna, int filas = 10) {
    for (int f = 0; f < filas; ++f)
        for (int c = 0; c < 10; ++c)
            if (s.punto[f][c] != (c == columna)) return false;
    return true;
}

TEST(SimbolosLectura, EtiquetasBlancosYFinDeFichero) {
    Lectura l;
    // Símbolo 3 con una sexta fila etiquetada 7; líneas en blanco entre filas y símbolos.
    const std::string texto = bloque(0) + "\n   \n" + bloque(4) + "\t\n" + bloque(9, '7');
    const TablaSimbolos t = l.leer(texto);
    ASSERT_EQ(t.total, 3);
    EXPECT_EQ(l.avisos, std::vector<std::string>{"Error simbolo: 3 linea: 7-6"});
    EXPECT_TRUE(columna_llena(t.item[1], 0));
    EXPECT_TRUE(columna_llena(t.item[2], 4));
    EXPECT_TRUE(columna_llena(t.item[3], 9, 9));  // la línea mal etiquetada se usa igualmente
    EXPECT_EQ(t.item[0], Simbolo{});
    // Cualquier texto tras la fila 10 del último símbolo empieza otro, vacío.
    const TablaSimbolos u = l.leer(texto + "0");
    ASSERT_EQ(u.total, 4);
    EXPECT_TRUE(columna_llena(u.item[3], 9));
    EXPECT_EQ(u.item[4], Simbolo{});
}

TEST(SimbolosLectura, LaUltimaLineaNuncaEsFilaYUnBlancoFinalAnadeUnSimboloVacio) {
    {
        Lectura l;
        const TablaSimbolos t = l.leer(bloque(2));  // la fila 10 es la última línea
        ASSERT_EQ(t.total, 1);
        EXPECT_TRUE(columna_llena(t.item[1], 2, 9));
        EXPECT_FALSE(t.item[1].punto[9][2]);
    }
    {
        Lectura l;
        const TablaSimbolos t = l.leer(bloque(2) + "\n");  // una línea en blanco final
        ASSERT_EQ(t.total, 2);
        EXPECT_TRUE(columna_llena(t.item[1], 2));
        EXPECT_EQ(t.item[2], Simbolo{});
        EXPECT_TRUE(l.avisos.empty());
    }
    {
        // Filas cortas, "0" como etiqueta de cualquier fila, caracteres de más y fin de línea \r\n.
        Lectura l;
        const TablaSimbolos t = l.leer("0X\r\n2 · \r\n0         XZZZ\r\n\r\n");
        ASSERT_EQ(t.total, 1);
        EXPECT_TRUE(l.avisos.empty());
        EXPECT_TRUE(t.item[1].punto[0][0]);
        EXPECT_TRUE(t.item[1].punto[1][1]);  // un carácter UTF-8 es un solo punto
        EXPECT_FALSE(t.item[1].punto[1][2]);
        EXPECT_TRUE(t.item[1].punto[2][9]);
        EXPECT_EQ(l.leer("").total, 0);
    }
}

TEST(SimbolosLectura, MasDeTrescientosSimbolosSeIgnoran) {
    std::string texto;
    for (int i = 0; i < 320; ++i) texto += bloque(i % 10, i >= 300 ? 'x' : '6');
    Lectura l;
    const TablaSimbolos t = l.leer(texto + "fin");
    EXPECT_EQ(t.total, kMaxSimbolos);
    EXPECT_TRUE(columna_llena(t.item[300], 299 % 10));
    EXPECT_TRUE(l.avisos.empty());  // lo que pasa del símbolo 300 ni se lee
}

// Tabla con el símbolo k marcado por su número en la primera fila (en binario).
TablaSimbolos numerados(int total) {
    TablaSimbolos t;
    t.total = total;
    for (int k = 1; k <= total; ++k)
        for (int bit = 0; bit < 10; ++bit) t.item[k].punto[0][bit] = (k >> bit) & 1;
    return t;
}
int numero(const Simbolo& s) {
    int k = 0;
    for (int bit = 0; bit < 10; ++bit) k |= s.punto[0][bit] ? 1 << bit : 0;
    return k;
}

TEST(SimbolosReparto, CuarentaSimbolosVeinteColores) {
    TablaSimbolos t = numerados(40);
    EXPECT_FALSE(asignar_simbolos(t, 20));
    std::vector<int> got;
    for (int b = 1; b <= 20; ++b) got.push_back(numero(t.item[b]));
    EXPECT_EQ(got, (std::vector<int>{1, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30, 32, 34, 36, 38, 40}));
    // Con 3 colores la razón en precisión simple (13,333333) da 26 y 39, no 40.
    TablaSimbolos u = numerados(40);
    asignar_simbolos(u, 3);
    EXPECT_EQ(numero(u.item[2]), 26);
    EXPECT_EQ(numero(u.item[3]), 39);
}

TEST(SimbolosReparto, MenosSimbolosQueColoresSinSalirDeLaTabla) {
    // 3 símbolos para 5 colores: razón 0,6; b = 2..5 toman los símbolos leídos 1, 1, 2, 3
    // (no los huecos ya reescritos, que darían el 1 a todos).
    TablaSimbolos t = numerados(3);
    EXPECT_TRUE(asignar_simbolos(t, 5));
    std::vector<int> got;
    for (int b = 1; b <= 5; ++b) got.push_back(numero(t.item[b]));
    EXPECT_EQ(got, (std::vector<int>{1, 1, 1, 2, 3}));
    // Un solo símbolo y muchos colores: Trunc(b * razón) = 0 toma el símbolo 1.
    TablaSimbolos u = numerados(1);
    EXPECT_TRUE(asignar_simbolos(u, 4));
    for (int b = 1; b <= 4; ++b) EXPECT_EQ(numero(u.item[b]), 1);
    // Sin símbolos, o con más colores que huecos: la tabla queda intacta por encima de 300.
    TablaSimbolos v;
    EXPECT_TRUE(asignar_simbolos(v, 10));
    EXPECT_EQ(v.item[5], Simbolo{});
    TablaSimbolos w = numerados(300);
    EXPECT_TRUE(asignar_simbolos(w, 600));
    EXPECT_EQ(numero(w.item[300]), 150);
    EXPECT_EQ(w.item[0], Simbolo{});
    EXPECT_FALSE(asignar_simbolos(w, 0));
}

TEST(SimbolosReparto, HuecoDeUnColor) {
    TablaHilos p;
    p.total = 4;
    p[1].color = rgb(9, 9, 9);
    p[2].color = rgb(1, 2, 3);
    p[3].color = rgb(9, 9, 9);
    p[4].color = rgb(5, 5, 5);
    p.item[5].color = rgb(7, 7, 7);  // fuera de total
    EXPECT_EQ(simbolo_de_color(p, rgb(9, 9, 9)), 3);  // la última entrada con ese color
    EXPECT_EQ(simbolo_de_color(p, rgb(1, 2, 3)), 2);
    EXPECT_EQ(simbolo_de_color(p, rgb(7, 7, 7)), 0);
    p.total = 600;
    p[450].color = rgb(4, 4, 4);
    EXPECT_EQ(simbolo_de_color(p, rgb(4, 4, 4)), 150);
}

TEST(SimbolosTrama, DoceTreceYVeintiseisPixeles) {
    Simbolo s;
    s.punto[0][0] = true;  // fila impar (1ª): no cuenta en la reducción
    s.punto[1][3] = true;  // (2R+1, 2C+1) con R = 0, C = 1
    s.punto[9][8] = true;  // (2R+1, 2C) con R = 4, C = 4
    const TramaSimbolo doce = trama_simbolo(s, 12);
    EXPECT_EQ(doce.n, 5);
    EXPECT_EQ(doce.d, 1);
    int puestos = 0;
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c) puestos += doce.punto[r][c];
    EXPECT_EQ(puestos, 2);
    EXPECT_TRUE(doce.punto[0][1]);
    EXPECT_TRUE(doce.punto[4][4]);
    const TramaSimbolo trece = trama_simbolo(s, 13);
    EXPECT_EQ(trece.n, 10);
    EXPECT_EQ(trece.d, 1);
    EXPECT_EQ(trece.punto, s.punto);
    const TramaSimbolo veintiseis = trama_simbolo(s, 26);
    EXPECT_EQ(veintiseis.n, 10);
    EXPECT_EQ(veintiseis.d, 2);
    EXPECT_EQ(trama_simbolo(s, 0).n, 5);
}

TEST(SimbolosTrama, Mensaje) {
    EXPECT_EQ(mensaje_faltan_simbolos(),
              "ERROR: Hay más colores en la paleta que SIMBOLOS para representar. \n"
              "Se empleará el mismo símbolo para más de un color.");
}

}  // namespace
}  // namespace pc
