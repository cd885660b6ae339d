#include "ordenes/impresion/cuadernillo.h"

#include <cmath>

#include "app/errores.h"
#include "ordenes/impresion/imprimir.h"
#include "print/cuadernillo_puntadas.h"
#include "print/maqueta.h"
#include "threads/catalogo.h"
#include "threads/datos.h"

namespace pc {

namespace {

void fuera_de_rango(const std::string& que, const std::string& rango) {
    throw ErrorFormato(que + " debe estar entre " + rango + ".");
}

TablaHilos tabla_catalogo(const Estado& e, const std::string& marca) {
    TablaHilos t;
    std::array<std::string, kColumnasCatalogo + 1> titulos{};
    leer_catalogo(marca == "DMC" ? e.texto_dmc : e.texto_anchor, t, titulos);
    return t;
}

// Escribe el trabajo por la vista; un fichero que no se puede escribir lo dice en castellano.
bool dibujar(Sesion& s, const TrabajoCuadernillo& t) {
    try {
        return s.v.imprimir_cuadernillo(t);
    } catch (const ErrorFichero& err) {
        if (t.destino.fichero_pdf.empty()) throw;
        throw ErrorFichero("No se puede escribir el patrón en \"" + t.destino.fichero_pdf + "\".\n" + err.what());
    }
}

void anunciar(Sesion& s, const TrabajoCuadernillo& t, bool hecho) {
    if (!hecho) {
        s.v.panel(0, "Patrón cancelado.");
        return;
    }
    const std::string donde = t.destino.fichero_pdf.empty() ? "Patrón impreso" : "Patrón escrito en " + t.destino.fichero_pdf;
    s.v.panel(0, donde + " (" + std::to_string(t.maqueta.total_paginas) + " páginas).");
}

}  // namespace

void comprobar_opciones_cuadernillo(const OpcionesCuadernillo& op) {
    if (!(op.celda_mm >= kCeldaMinimaMm - 1e-9 && op.celda_mm <= kCeldaMaximaMm + 1e-9))
        fuera_de_rango("El lado de la celda", "2,0 y 10,0 mm");
    if (op.tela < kTelaMinima || op.tela > kTelaMaxima)
        fuera_de_rango("La tela", std::to_string(kTelaMinima) + " y " + std::to_string(kTelaMaxima) + " puntos por pulgada");
    if (op.hebras < 1 || op.hebras > kHebrasMaximas) fuera_de_rango("El número de hebras", "1 y 6");
    if (op.hebras_perfil < 1 || op.hebras_perfil > kHebrasMaximas)
        fuera_de_rango("El número de hebras del perfilado", "1 y 6");
    if (op.margen_tela_cm < 0 || op.margen_tela_cm > kMargenTelaMaximo) fuera_de_rango("El margen de la tela", "0 y 20 cm");
    if (op.solape < 0 || op.solape > kSolapeMaximo) fuera_de_rango("El solape", "0 y 10 puntos");
    if (op.catalogo != "DMC" && op.catalogo != "ANCHOR")
        throw ErrorFormato("Catálogo desconocido: '" + op.catalogo + "' (debe ser DMC o ANCHOR).");
}

std::string titulo_cuadernillo(const Estado& e) {
    std::string nombre = sin_carpeta(e.fichero_abierto);
    const std::size_t punto = nombre.rfind('.');
    if (punto != std::string::npos && punto > 0) nombre = nombre.substr(0, punto);
    return nombre.empty() ? std::string("Punto de Cruz") : nombre;
}

TrabajoCuadernillo preparar_cuadernillo(Sesion& s) {
    const Estado& e = s.e;
    TrabajoCuadernillo t;
    t.op = e.cuadernillo;
    comprobar_opciones_cuadernillo(t.op);
    t.estado = &e;
    t.titulo = t.op.titulo.empty() ? titulo_cuadernillo(e) : t.op.titulo;
    t.catalogo = t.op.catalogo;
    t.otro = t.catalogo == "DMC" ? "ANCHOR" : "DMC";
    t.tapiz = rango_impresion(e, t.op.zona);
    const TablaHilos catalogo = tabla_catalogo(e, t.catalogo), otro = tabla_catalogo(e, t.otro);
    construir_leyenda(t, catalogo, otro, lineas_equivalencias());
    anadir_puntadas_leyenda(t, catalogo, otro, lineas_equivalencias());
    const PapelMm papel = papel_cuadernillo(t.op.carta, t.op.apaisado);
    t.maqueta = maquetar_cuadernillo(t.tapiz, papel.ancho - 2 * kMargenCuadernilloMm,
                                     papel.alto - 2 * kMargenCuadernilloMm, t.op.celda_mm, t.op.solape,
                                     lineas_leyenda(t.leyenda.size(), t.secciones) +
                                         (t.puntadas ? t.puntadas->lineas() : 0),
                                     t.op.tambien_bn && t.op.modo != ModoCuadernillo::kSimbolos);
    return t;
}

std::string resumen_cuadernillo(Sesion& s) {
    try {
        const MaquetaCuadernillo m = preparar_cuadernillo(s).maqueta;
        const int graficos = static_cast<int>(m.graficos.size());
        return std::to_string(m.total_paginas) + " páginas: la portada, " + std::to_string(graficos) +
               " del gráfico y " + std::to_string(m.paginas_leyenda) + " de leyenda.";
    } catch (const Error& err) {
        return err.what();
    }
}

bool exportar_cuadernillo_en(Sesion& s, const std::string& fichero) {
    TrabajoCuadernillo t = preparar_cuadernillo(s);
    t.destino.fichero_pdf = fichero;
    const bool hecho = dibujar(s, t);
    anunciar(s, t, hecho);
    return hecho;
}

void exportar_cuadernillo(Sesion& s) {
    // Las opciones se comprueban antes de preguntar el nombre.
    comprobar_opciones_cuadernillo(s.e.cuadernillo);
    const auto fichero = s.d.guardar(kFiltroPdf, "*.pdf");
    if (!fichero) return;
    exportar_cuadernillo_en(s, *fichero);
}

void imprimir_cuadernillo(Sesion& s) {
    comprobar_opciones_cuadernillo(s.e.cuadernillo);
    const auto destino = s.d.dialogo_impresion(kFiltroPdf);
    if (!destino) return;
    TrabajoCuadernillo t = preparar_cuadernillo(s);
    t.destino = *destino;
    anunciar(s, t, dibujar(s, t));
}

}  // namespace pc
