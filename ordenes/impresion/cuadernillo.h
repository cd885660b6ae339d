// El cuadernillo del patrón ("Exportar Patrón PDF..."): comprueba las opciones de su ventana,
// prepara el trabajo (maqueta, leyenda con madejas, símbolos) y lo manda a la vista, que lo
// dibuja en un PDF o en la impresora.
#pragma once
#include <string>

#include "ordenes/sesion/sesion.h"
#include "print/cuadernillo.h"

namespace pc {

// Comprueba las opciones; ErrorFormato con un mensaje claro si alguna se sale de su rango.
void comprobar_opciones_cuadernillo(const OpcionesCuadernillo& op);

// El título por defecto: el nombre del fichero de patrón sin carpeta ni extensión.
std::string titulo_cuadernillo(const Estado& e);

// El trabajo con las opciones guardadas en el estado (todo el tapiz o la zona de trabajo).
TrabajoCuadernillo preparar_cuadernillo(Sesion& s);

// Lo que tendría el cuadernillo con las opciones guardadas ("5 páginas: la portada, 3 del
// gráfico y 1 de leyenda."), o por qué no se puede hacer. No pregunta ni dibuja nada.
std::string resumen_cuadernillo(Sesion& s);

// "Exportar PDF": pide el nombre del fichero .pdf y lo escribe de forma atómica.
void exportar_cuadernillo(Sesion& s);
// Lo mismo en un fichero ya elegido; false si el usuario canceló el dibujo.
bool exportar_cuadernillo_en(Sesion& s, const std::string& fichero);
// "Imprimir": el diálogo de impresión y las mismas páginas a la impresora elegida.
void imprimir_cuadernillo(Sesion& s);

}  // namespace pc
