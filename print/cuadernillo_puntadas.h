// Las puntadas que no son cruces enteras en el cuadernillo del patrón: qué celdas llevan
// parciales (no llevan el símbolo entero, sino el suyo más pequeño en la parte que cubren), los
// parciales de cada fila de la leyenda con las madejas de todas sus puntadas, y las secciones
// "Pespuntes" y "Nudos". Sólo cuentas; el dibujo está en render/cuadernillo_puntadas.
#pragma once
#include <string>
#include <vector>

#include "print/cuadernillo.h"

namespace pc {

// Una fila de la sección "Nudos": el hilo, las hebras y cuántos nudos.
struct FilaNudos {
    Color color = 0;
    std::string numero;
    std::string equivalente;
    int hebras = 2;
    long nudos = 0;
};

struct PuntadasCuadernillo {
    // RectanguloCeldas del tapiz del trabajo con algún parcial, fila a fila como fila_de_punto.
    std::vector<bool> con_parcial;
    // Por fila de la leyenda (el mismo orden): sus parciales.
    std::vector<long> parciales;
    std::vector<FilaNudos> nudos;  // por hilo y hebras

    bool celda_con_parcial(const TrabajoCuadernillo& t, int x, int y) const {
        return con_parcial[static_cast<std::size_t>(y - t.tapiz.y1) * static_cast<std::size_t>(t.tapiz.columnas()) +
                           static_cast<std::size_t>(x - t.tapiz.x1)];
    }
    // Filas que añade la sección de los nudos a la leyenda, con su título.
    int lineas() const { return nudos.empty() ? 0 : 1 + static_cast<int>(nudos.size()); }
};

// Hilo de una cruz entera en cuartos: un medio punto lleva 2, un tres cuartos 3, un cuarto o
// un petit 1.
long cuartos_de_hilo(TipoParcial t);

// Con el trabajo ya con su leyenda (construir_leyenda): las celdas con parciales dejan de contar
// como cruces enteras (bajo ellas está la tela), cada fila cuenta aparte sus parciales y sus
// madejas salen de todas sus puntadas; los colores que sólo tienen parciales entran en la
// leyenda con su símbolo, en su sitio por número de hilo, y los que sólo eran la tela bajo los
// parciales salen. Añade la sección de líneas "Pespuntes" (anadir_seccion_lineas) y deja en
// t.puntadas la de los nudos. Sin puntadas de esas clases en el tapiz del trabajo no cambia nada.
void anadir_puntadas_leyenda(TrabajoCuadernillo& t, const TablaHilos& catalogo, const TablaHilos& otro,
                             const std::vector<std::string>& equivalencias);

}  // namespace pc
