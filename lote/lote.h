// La herramienta por lotes: subordenes registradas, adaptadores de los puertos y lectura
// de opciones. Cada suborden es un adaptador fino sobre las mismas órdenes de la ventana.
#pragma once
#include <deque>
#include <functional>
#include <iostream>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include <QGuiApplication>

#include "app/estado.h"
#include "ordenes/sesion/sesion.h"
#include "app/vista_nula.h"
#include "render/imagen_qt.h"

namespace pc::lote {

// Error de uso: opción desconocida o valor incorrecto. Se escribe en stderr y sale con 2.
class ErrorUso : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Subcomando {
    std::string nombre;
    std::string uso;  // una o varias líneas para --ayuda
    std::function<int(const std::vector<std::string>& args)> ejecutar;
};

// Registra una suborden (se llama desde un inicializador estático de su fichero).
bool registrar(Subcomando sub);
const std::vector<Subcomando>& subcomandos();

// Diálogos de la herramienta: las entradas se contestan con las respuestas preparadas (o el
// valor por defecto), los ficheros con los preparados, los mensajes y errores van a stderr.
class DialogosLote : public Dialogos {
public:
    std::deque<std::string> respuestas;       // para las entradas, en orden
    std::deque<std::string> ficheros;         // para abrir y guardar, en orden
    std::ostream* salida_mensajes = &std::cerr;
    bool hubo_error = false;

    std::string entrada(const std::string& titulo, const std::string& texto,
                        const std::string& defecto) override;
    void mensaje(const std::string& texto) override;
    bool pregunta(const std::string& titulo, const std::string& texto) override;
    std::optional<std::string> abrir(const std::string& filtro, const std::string& extension) override;
    std::optional<std::string> guardar(const std::string& filtro, const std::string& extension) override;
    void error(const std::string& texto) override;
};

// Vista de la herramienta: guarda las líneas de Memo1 (y las escribe en eco si se pide), y
// dibuja la impresión en su propia imagen de 1200 x 1200 ("BMP") o en un PDF.
class VistaLote : public VistaNula {
public:
    std::vector<std::string> memo;
    std::ostream* eco_memo = nullptr;
    QImage imagen_impresion;

    void memo_limpiar() override { memo.clear(); }
    void memo_linea(const std::string& linea) override;
    void imprimir(const TrabajoImpresion& trabajo) override;
    bool imprimir_cuadernillo(const TrabajoCuadernillo& trabajo) override;
    std::string bmp_impreso() override;
};

// Todo lo que una suborden necesita para ejecutar órdenes: estado con los valores de
// arranque y el catálogo DMC cargado, y los adaptadores.
struct Entorno {
    Entorno();
    std::unique_ptr<Estado> estado;
    DialogosLote dialogos;
    VistaLote vista;
    ImagenQt imagen;
    Sesion sesion;
    // Ejecuta una orden; false si terminó con error (ya escrito en stderr).
    bool ejecutar(const std::function<void()>& orden);
    // Carga ese catálogo ("DMC" o "ANCHOR") como paleta activa de hilos, la que nombra los hilos.
    bool usar_catalogo(const std::string& nombre);
};

// true si el fichero de entrada existe; si no, lo dice en stderr.
bool existe_entrada(const std::string& ruta);

// Opciones leídas: argumentos sueltos, opciones con valor y banderas.
struct Opciones {
    std::vector<std::string> sueltos;
    std::map<std::string, std::string> valores;
    std::set<std::string> banderas;
    bool tiene(const std::string& o) const { return valores.count(o) || banderas.count(o); }
    std::optional<std::string> valor(const std::string& o) const;
};
// Lee args; con_valor y banderas son los nombres admitidos (con "--"). Lanza ErrorUso.
Opciones leer_opciones(const std::vector<std::string>& args, const std::set<std::string>& con_valor,
                       const std::set<std::string>& banderas);
// Entero de una opción dentro de [minimo, maximo]; ErrorUso con un mensaje claro si no.
int entero_opcion(const std::string& opcion, const std::string& texto, int minimo, int maximo);
// "DMC" o "ANCHOR"; ErrorUso si no.
std::string catalogo_opcion(const std::string& texto);
// --metodo 1|2, si se dio, al estado.
void leer_metodo(const Opciones& op, Estado& e);
// Un solo fichero de entrada y la salida obligatoria de -o, que devuelve; ErrorUso si no.
std::string entrada_y_salida(const Opciones& op);
// `cuantos` enteros separados por comas, cada uno en [minimo, maximo]; ErrorUso si no.
std::vector<int> lista_enteros(const std::string& opcion, const std::string& texto, std::size_t cuantos,
                               int minimo, int maximo);
// La zona de trabajo de --zona X1,Y1,X2,Y2 (vacío: nada, si no se dio la opción).
std::vector<int> opcion_zona(const Opciones& op);
// Pone la zona (cuatro números) como zona de trabajo del estado.
void poner_zona(Estado& e, const std::vector<int>& zona);
// Las letras y el dibujo de texto necesitan una aplicación de Qt; sin pantalla, la de fuera.
// Nada si ya hay una.
std::unique_ptr<QGuiApplication> aplicacion_qt();

}  // namespace pc::lote
