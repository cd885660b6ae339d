// puntocruz-lote patron ENTRADA -o SALIDA.pdf [opciones]: el cuadernillo del patrón en PDF
// (portada, páginas del gráfico y leyenda con las madejas), el de "Exportar Patrón PDF...".
#include <charconv>
#include <cctype>
#include <cmath>
#include <iostream>

#include "app/texto.h"
#include "lote/escrito.h"
#include "lote/lote.h"
#include "lote/patron_lote.h"
#include "ordenes/ficheros/ficheros_patron.h"
#include "ordenes/impresion/cuadernillo.h"

namespace pc::lote {

namespace {

// Un decimal dentro de [minimo, maximo] escrito como dice la ayuda: cifras con, como mucho,
// una coma o un punto decimal ("3", "2,5", "2.5"); ni signo, ni exponente, ni hexadecimal.
double decimal_opcion(const std::string& opcion, const std::string& texto, double minimo, double maximo) {
    std::string t = texto;
    int cifras = 0, separadores = 0;
    for (char& c : t) {
        if (c == ',') c = '.';
        if (c == '.') ++separadores;
        else if (std::isdigit(static_cast<unsigned char>(c)) != 0) ++cifras;
        else separadores = 2;  // cualquier otro carácter lo invalida
    }
    double v = 0;
    bool bien = cifras > 0 && separadores <= 1;
    if (bien) {
        const auto r = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::fixed);
        bien = r.ec == std::errc() && r.ptr == t.data() + t.size();
    }
    if (!bien || !(v >= minimo && v <= maximo)) {
        throw ErrorUso("Valor incorrecto para " + opcion + ": '" + texto + "' (debe ser un número de " +
                       decimal_coma(minimo, 1) + " a " + decimal_coma(maximo, 1) + ").");
    }
    return v;
}

ModoCuadernillo modo_opcion(const std::string& texto) {
    if (texto == "ambos") return ModoCuadernillo::kAmbos;
    if (texto == "simbolos") return ModoCuadernillo::kSimbolos;
    if (texto == "color") return ModoCuadernillo::kColor;
    throw ErrorUso("Modo desconocido: '" + texto + "' (debe ser ambos, simbolos o color).");
}

int ejecutar_patron(const std::vector<std::string>& args) {
    const Opciones op = leer_opciones(
        args,
        {"-o", "--papel", "--celda", "--tela", "--hebras", "--solape", "--modo", "--titulo", "--catalogo", "--zona",
         "--hebras-perfil", "--margen-tela"},
        {"--apaisado", "--tambien-bn"});
    const std::string salida = entrada_y_salida(op);
    if (!acaba_en(salida, ".pdf")) throw ErrorUso("La salida debe acabar en .pdf.");
    OpcionesCuadernillo c;
    if (auto p = op.valor("--papel")) {
        if (*p != "A4" && *p != "Carta") throw ErrorUso("Papel desconocido: '" + *p + "' (debe ser A4 o Carta).");
        c.carta = *p == "Carta";
    }
    c.apaisado = op.tiene("--apaisado");
    if (auto v = op.valor("--celda")) c.celda_mm = decimal_opcion("--celda", *v, kCeldaMinimaMm, kCeldaMaximaMm);
    if (auto v = op.valor("--tela")) c.tela = entero_opcion("--tela", *v, kTelaMinima, kTelaMaxima);
    if (auto v = op.valor("--hebras")) c.hebras = entero_opcion("--hebras", *v, 1, kHebrasMaximas);
    if (auto v = op.valor("--hebras-perfil")) c.hebras_perfil = entero_opcion("--hebras-perfil", *v, 1, kHebrasMaximas);
    if (auto v = op.valor("--margen-tela")) c.margen_tela_cm = entero_opcion("--margen-tela", *v, 0, kMargenTelaMaximo);
    c.tambien_bn = op.tiene("--tambien-bn");
    if (auto v = op.valor("--solape")) c.solape = entero_opcion("--solape", *v, 0, kSolapeMaximo);
    if (auto v = op.valor("--modo")) c.modo = modo_opcion(*v);
    if (auto v = op.valor("--titulo")) c.titulo = *v;
    if (auto v = op.valor("--catalogo")) c.catalogo = catalogo_opcion(*v);
    const std::vector<int> zona = opcion_zona(op);
    c.zona = !zona.empty();

    Entorno ent;
    Estado& e = *ent.estado;
    const auto app = aplicacion_qt();
    if (!cargar_patron(ent, op.sueltos[0])) return 1;
    e.fichero_abierto = op.sueltos[0];
    e.cuadernillo = c;
    poner_zona(e, zona);
    bool hecho = false;
    if (!ent.ejecutar([&] { hecho = exportar_cuadernillo_en(ent.sesion, salida); }) || !hecho) return 1;
    // El tamaño y los colores del cuadernillo: los de la zona si se pidió.
    const Rango r = rango_impresion(e, c.zona);
    std::cout << linea_escrito_trozo(e, salida, r.x1, r.y1, r.x2, r.y2, true) << '\n';
    return 0;
}

const bool registrado = registrar({
    "patron",
    "  puntocruz-lote patron ENTRADA -o SALIDA.pdf [--papel A4|Carta] [--apaisado] [--celda MM]\n"
    "                        [--tela N] [--hebras N] [--solape N] [--modo ambos|simbolos|color]\n"
    "                        [--titulo TEXTO] [--catalogo DMC|ANCHOR] [--zona X1,Y1,X2,Y2]\n"
    "                        [--hebras-perfil N] [--margen-tela CM] [--tambien-bn]\n"
    "      Escribe el cuadernillo del patrón para bordar: portada con la imagen, los tamaños y el\n"
    "      mapa de páginas; el gráfico en páginas que repiten --solape puntos (2) de la anterior,\n"
    "      con celdas de --celda mm (3,0; de 2,0 a 10,0) y un símbolo por color; y la leyenda con\n"
    "      los hilos de --catalogo (DMC) y de la otra marca, los puntos y las madejas para tela de\n"
    "      --tela puntos por pulgada (14) y --hebras hebras (2). --modo simbolos deja las celdas\n"
    "      en blanco (impresoras en blanco y negro); color no pone símbolos. --titulo va en la\n"
    "      portada (el nombre del fichero si no se dice); --zona limita el patrón a esa zona.\n"
    "      --hebras-perfil son las hebras del perfilado (1); --margen-tela, los cm de tela de más\n"
    "      en cada lado de la tela a cortar (5; de 0 a 20); --tambien-bn añade tras las páginas\n"
    "      del gráfico las mismas en blanco y negro, sólo con los símbolos.",
    ejecutar_patron,
});

}  // namespace

}  // namespace pc::lote
