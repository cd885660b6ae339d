// Adaptadores de prueba de los puertos: unos diálogos con un guion de respuestas que
// registran cada llamada, y una vista que registra lo que le piden las órdenes.
#pragma once
#include <array>
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/puertos.h"

namespace pc::prueba {

enum class Tipo { kEntrada, kMensaje, kPregunta, kAbrir, kGuardar, kError, kCarpeta };

// Una llamada registrada: tipo, título y texto exactos (el filtro en abrir/guardar).
struct Llamada {
    Tipo tipo;
    std::string titulo;
    std::string texto;
};

// Diálogos con guion: las respuestas se dan en orden. Una pregunta, entrada o elección de
// fichero sin respuesta preparada hace fallar la prueba. Los mensajes y errores no
// necesitan respuesta y sólo se registran.
class DialogosGuion : public Dialogos {
public:
    // Respuestas, en el orden en que se esperan.
    DialogosGuion& responder(std::string texto);          // a una entrada
    DialogosGuion& cancelar_entrada();                    // la entrada devuelve el defecto
    DialogosGuion& contestar(bool si);                    // a una pregunta
    DialogosGuion& contestar_grabar();                    // "Grabar" a una pregunta con "Grabar"
    DialogosGuion& pulsar(int boton);                     // a una pregunta con botones
    DialogosGuion& fichero(std::optional<std::string> f); // a abrir o guardar (nullopt: cancelar)
    DialogosGuion& carpeta(std::optional<std::string> c); // a elegir carpeta (nullopt: cancelar)

    std::string entrada(const std::string& titulo, const std::string& texto,
                        const std::string& defecto) override;
    void mensaje(const std::string& texto) override;
    bool pregunta(const std::string& titulo, const std::string& texto) override;
    RespuestaSalir pregunta_con_grabar(const std::string& titulo, const std::string& texto,
                                       BotonesGrabar botones) override;
    int pregunta_botones(const std::string& titulo, const std::string& texto,
                         const std::vector<std::string>& botones) override;
    std::optional<std::string> abrir(const std::string& filtro, const std::string& extension) override;
    std::optional<std::string> guardar(const std::string& filtro, const std::string& extension) override;
    void error(const std::string& texto) override;
    // Registra el título y, como texto, la carpeta inicial.
    std::optional<std::string> elegir_carpeta(const std::string& titulo, const std::string& inicial) override;

    const std::vector<Llamada>& llamadas() const { return llamadas_; }
    // Textos de los mensajes y de los errores, en orden.
    std::vector<std::string> mensajes() const;
    std::vector<std::string> errores() const;
    // Respuestas preparadas que no se usaron.
    std::size_t pendientes() const { return respuestas_.size(); }

    ~DialogosGuion() override;

private:
    struct Respuesta {
        Tipo tipo;
        std::optional<std::string> texto;
        bool si = false;
        bool grabar = false;
        int boton = -1;
    };
    Respuesta siguiente(Tipo tipo, const std::string& que);
    std::deque<Respuesta> respuestas_;
    std::vector<Llamada> llamadas_;
};

// Vista que registra: paneles, líneas de Memo1, redibujados y celdas repintadas.
class VistaRegistro : public Vista {
public:
    void panel(int n, const std::string& texto) override;
    void panel_visor(int n, const std::string& texto) override;
    void memo_limpiar() override { memo.clear(); }
    void memo_linea(const std::string& linea) override { memo.push_back(linea); }
    void redibujar() override { ++redibujados; }
    void redibujar_celda(int x, int y) override { celdas.emplace_back(x, y); }
    void repintar_celda(int x, int y) override { repintadas.emplace_back(x, y); }
    void limpiar_lienzo() override { ++limpiezas; }
    void mostrar_visor() override { ++visor_mostrado; }
    void minimizar() override { minimizada = true; ++minimizaciones; }
    void restaurar() override { minimizada = false; ++restauraciones; }
    void progreso(const std::string& texto) override { ultimo_progreso = texto; ++progresos; }
    void procesar_mensajes() override { ++procesados; }
    void color_fondo(Color c) override { fondo = c; }
    void dibujar_lado(int x, int y, int k) override { lados.push_back({x, y, k}); }

    std::string paneles[3];
    std::string paneles_visor[2];
    std::vector<std::string> historial_panel1;  // cada texto puesto en el panel 1, en orden
    std::vector<std::string> memo;
    std::vector<std::pair<int, int>> celdas;
    std::vector<std::pair<int, int>> repintadas;
    std::vector<std::array<int, 3>> lados;  // líneas de perfilado: x, y, lado
    int redibujados = 0, limpiezas = 0, visor_mostrado = 0;
    int minimizaciones = 0, restauraciones = 0, progresos = 0, procesados = 0;
    bool minimizada = false;
    std::string ultimo_progreso;
    Color fondo = -1;
};

}  // namespace pc::prueba
