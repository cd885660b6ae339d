#include "ordenes/impresion/imprimir.h"

#include <algorithm>

#include "app/errores.h"
#include "app/texto.h"
#include "ordenes/patron/paleta.h"
#include "threads/datos.h"
#include "ordenes/hilos/catalogo.h"

namespace pc {

namespace {

constexpr int kEscalaMaxima = 1000;
constexpr int kGrosorMaximo = 100;

// Lee un entero entre 1 y `maximo`; si no lo es, el mensaje dice `que` y el rango, con `unidad` tras él.
int entero_acotado(const std::string& texto, int maximo, const std::string& que, const std::string& unidad) {
    const int v = entero(texto);
    if (v < 1 || v > maximo) {
        throw ErrorFormato(que + " debe estar entre 1 y " + std::to_string(maximo) + unidad + ": '" +
                           recortar(texto) + "'.");
    }
    return v;
}

int escala(const std::string& texto) {
    return entero_acotado(texto, kEscalaMaxima, "La escala de impresión", " (por ciento)");
}

}  // namespace

std::string sin_carpeta(const std::string& ruta) {
    const std::size_t barra = ruta.find_last_of("/\\");
    return barra == std::string::npos ? ruta : ruta.substr(barra + 1);
}

TablaSimbolos cargar_simbolos(Sesion& s, const std::string& carpeta) {
    TablaSimbolos t =
        leer_fichero_simbolos(ruta_simbolos(carpeta), [&](const std::string& aviso) { s.d.mensaje(aviso); });
    if (asignar_simbolos(t, s.e.paleta_imp.total)) s.d.mensaje(mensaje_faltan_simbolos());
    return t;
}

TrabajoImpresion preparar_impresion(Sesion& s, Salida salida, const std::string& carpeta, bool pieza) {
    Estado& e = s.e;
    TrabajoImpresion t;
    t.salida = salida;
    t.estado = &e;
    t.op = e.impresion;
    t.rango = rango_impresion(e, t.op.detalle || t.op.troceado || pieza);
    if (salida == Salida::kImpresora) {
        t.escala_x = escala(t.op.escala_x);
        t.escala_y = escala(t.op.escala_y);
    }
    if (recortar(t.op.aclara) != "0") t.aclara = std::clamp(entero(t.op.aclara), -255, 255);
    t.grosor_guias = entero_acotado(e.grosor_guias, kGrosorMaximo, "El grosor de las guías", "");
    if (t.op.simbolos) {
        ordenar_paleta_imp(e.paleta, e.paleta_imp);
        t.simbolos = cargar_simbolos(s, carpeta);
        t.paleta_imp = e.paleta_imp;
        if (t.op.leyenda) {
            if (e.hilos.total == 0) cargar_catalogo(s, e.marca, e.hilos);
            t.leyenda = entradas_leyenda(e.paleta_imp, e.hilos, e.marca, lineas_equivalencias());
        }
    }
    t.pie = t.op.comentario + "    (" + sin_carpeta(e.fichero_abierto) + ")";
    return t;
}

void dibujar_impresion(Sesion& s, Salida salida, const std::string& carpeta, bool pieza,
                       const DestinoImpresion& destino) {
    TrabajoImpresion t = preparar_impresion(s, salida, carpeta, pieza);
    t.destino = destino;
    if (salida == Salida::kBmp) s.e.ver_bmp_exportado = false;
    s.v.imprimir(t);
    if (salida == Salida::kBmp) s.e.ver_bmp_exportado = true;
}

void imprimir(Sesion& s, const std::string& carpeta, bool pieza) {
    if (s.e.paleta.total == 0) construir_paleta(s, false);
    if (s.e.generar_bmp) {
        dibujar_impresion(s, Salida::kBmp, carpeta, pieza);
        return;
    }
    const auto destino = s.d.dialogo_impresion(kFiltroPdf);
    if (!destino) return;
    dibujar_impresion(s, Salida::kImpresora, carpeta, pieza, *destino);
}

}  // namespace pc
