// Los menús de las ventanas como datos: cada entrada con su nivel, su nombre de objeto, su
// rótulo, la orden que ejecuta y la marca que refleja el estado del diseño. Una entrada
// sin orden ni acción está deshabilitada.
#pragma once
#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "ordenes/sesion/sesion.h"

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QWidget;

namespace pc::ui {

using Orden = void (*)(Sesion&);
using Marca = bool (*)(const Estado&);
// Rótulo que cambia con el estado; vacío deja el rótulo de la tabla.
using Rotulo = std::string (*)(const Estado&);

// Lo que hace una entrada además de (o en vez de) una orden.
enum class Accion { kNinguna, kSalir, kAcerca, kAyuda, kVerBmp, kCerrarVisor, kImprimir, kPatron, kNuevoDesdeImagen };

struct EntradaMenu {
    int nivel = 0;                 // 0: menú de la barra o entrada del menú emergente
    const char* nombre = nullptr;  // nombre del objeto
    const char* texto = nullptr;   // nullptr: separador
    Orden orden = nullptr;
    Marca marca = nullptr;         // con marca: entrada con casilla
    Accion accion = Accion::kNinguna;
    bool radio = false;            // pareja de opciones excluyentes
    Rotulo rotulo = nullptr;       // con rótulo: el texto sigue al estado

    bool habilitada() const { return orden != nullptr || accion != Accion::kNinguna; }
};

std::span<const EntradaMenu> menu_principal();  // MainMenu1 de la ventana principal
std::span<const EntradaMenu> menu_lienzo();     // PopupMenu1 del lienzo del patrón
std::span<const EntradaMenu> menu_paleta();     // PopupMenu2 del lienzo de la paleta
std::span<const EntradaMenu> menu_visor();      // MainMenu1 del visor de imagen
std::span<const EntradaMenu> menu_imagen();     // PopupMenu1 de la imagen del visor

using Acciones = std::vector<std::pair<QAction*, const EntradaMenu*>>;
using AlElegir = std::function<void(const EntradaMenu&)>;

// Construye la barra de menús (el nivel 0 son sus menús) o un menú emergente, y añade a
// `acciones` cada entrada creada.
void construir(QMenuBar* barra, std::span<const EntradaMenu> tabla, const AlElegir& al_elegir,
               Acciones& acciones);
void construir(QMenu* menu, std::span<const EntradaMenu> tabla, const AlElegir& al_elegir,
               Acciones& acciones);
// Pone cada marca y cada rótulo variable según el estado del diseño.
void sincronizar_marcas(const Acciones& acciones, const Estado& e);
// Crea la acción de una entrada en `padre` (un menú o una barra de herramientas), la conecta y
// la añade a `acciones`. Las entradas radio seguidas comparten `grupo`.
QAction* crear_accion(QWidget* padre, const EntradaMenu& en, const AlElegir& al_elegir, Acciones& acciones,
                      QActionGroup*& grupo);
// Nombre del paso de deshacer de una entrada: su camino desde el primer submenú ("Perfilar
// Todo" para "Perfilar" > "Todo"); los menús de la barra no cuentan.
std::string nombre_paso(const EntradaMenu& en);

}  // namespace pc::ui
