// Paleta del tapiz, reducciones de color y generación automatizada.
#pragma once
#include "ordenes/sesion/sesion.h"

namespace pc {

struct ColoresContados;

// Reconstruye paleta (todo el tapiz o la zona de trabajo), la lista en Memo1 y muestra el visor.
// Si se da contados, deja en él los colores contados (para paleta_tras_cambios).
void construir_paleta(Sesion& s, bool en_zona, ColoresContados* contados = nullptr);
// Lista en Memo1 la paleta que hay (vaciándolo antes) y muestra el visor.
void listar_paleta(Sesion& s);
void ver_colores(Sesion& s);  // "Ver Paleta de Colores del Punto de Cruz"
// Los colores del rango con sus puntos, de más a menos usado, como los cuenta construir_paleta
// pero sin listarlos ni avisar y sin tocar paleta (para la ventana de colores del gráfico).
void contar_paleta(const Estado& e, int x1, int y1, int x2, int y2, TablaHilos& paleta);

void reducir_paleta(Sesion& s, bool interactivo);     // "Reducir Colores Paleta"
void reducir_similares(Sesion& s, bool interactivo);  // "Reducir Colores Similares"
void reducir_tonos(Sesion& s, bool interactivo);      // "Reducir Colores (por división de Tonos)"

void generar_automatizado(Sesion& s);  // "Generar Punto de Cruz Automatizado"

}  // namespace pc
