#include "ordenes/hilos/tonos.h"

#include "app/texto.h"
#include "threads/tonos.h"

namespace pc {

namespace {

const char* const kTituloRgb = "Generación de PALETA cambiando RGB";

// Lee una respuesta como entero: un texto que no lo es detiene la orden antes de tocar Memo1.
int pedir(Sesion& s, const char* titulo, const char* texto, const char* defecto) {
    return entero(s.d.entrada(titulo, texto, defecto));
}

void escribir(Sesion& s, const std::vector<std::string>& lineas) {
    s.v.memo_limpiar();
    for (const std::string& l : lineas) s.v.memo_linea(l);
}

}  // namespace

void contraste_paleta(Sesion& s) {
    const int k = pedir(s, "Generación de PALETA con más contraste", "1..100", "20");
    escribir(s, paleta_contraste(s.e.hilos, k));
}

void brillo_paleta(Sesion& s) {
    const int k = pedir(s, "Generación de PALETA con otro BRILLO", "-100..100", "20");
    escribir(s, paleta_desplazada(s.e, k, k, k));
}

void modifica_rgb(Sesion& s) {
    const int r = pedir(s, kTituloRgb, "ROJO (-100..100)", "0");
    const int g = pedir(s, kTituloRgb, "VERDE (-100..100)", "0");
    const int b = pedir(s, kTituloRgb, "AZUL (-100..100)", "0");
    escribir(s, paleta_desplazada(s.e, r, g, b));
}

}  // namespace pc
