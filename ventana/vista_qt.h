// Lo que las órdenes hacen a las ventanas, con Qt: paneles de estado, Memo1 del visor,
// redibujados del lienzo del patrón, visor, minimizar y restaurar, progreso y color de fondo.
#pragma once
#include <QElapsedTimer>
#include <Qt>
#include <string>
#include <vector>

#include "app/puertos.h"

namespace pc::ui {

class TForm1;
class TForm2;
class TForm3;

class VistaQt : public Vista {
public:
    explicit VistaQt(TForm2& principal) : principal_(principal) { reloj_.start(); }
    // El visor se crea después de la ventana principal: hasta entonces se guarda lo que
    // le llegue y se le entrega al conectarlo.
    void conectar_visor(TForm1* visor);
    // La ventana de selección de columnas, creada después del visor.
    void conectar_columnas(TForm3* columnas) { columnas_ = columnas; }

    void panel(int n, const std::string& texto) override;
    void panel_visor(int n, const std::string& texto) override;
    void memo_limpiar() override;
    void memo_linea(const std::string& linea) override;
    void redibujar() override;
    void redibujar_celda(int x, int y) override;
    void repintar_celda(int x, int y) override;
    void limpiar_lienzo() override;
    void mostrar_visor() override;
    void minimizar() override;
    void restaurar() override;
    void progreso(const std::string& texto) override;
    void procesar_mensajes() override;
    void color_fondo(Color c) override;
    void imprimir(const TrabajoImpresion& trabajo) override;
    std::string bmp_impreso() override;
    void dibujar_lado(int x, int y, int k) override;
    void dibujar_paleta(const DibujoPaleta& d) override;
    Color pixel_paleta(int x, int y) const override;
    void al_frente() override;
    void mostrar_columnas() override;

    // Al acabar una orden: si dejó un texto de progreso en el panel 0, lo quita.
    void terminar_progreso();

    // Intervalo mínimo entre dos actualizaciones del progreso.
    static constexpr int kIntervaloMs = 250;

private:
    // true si ha pasado el intervalo desde la última actualización (y la anota).
    bool toca_actualizar();
    void procesar_si_visible();
    // El lienzo de la paleta con ese ancho (y 1200 de alto), en blanco si cambia.
    void lienzo_paleta_de(int ancho);

    TForm2& principal_;
    TForm1* visor_ = nullptr;
    TForm3* columnas_ = nullptr;
    QElapsedTimer reloj_;
    qint64 ultima_ = -kIntervaloMs;
    // Lo pedido al visor antes de que existiera.
    bool memo_limpio_ = false;
    std::vector<std::string> memo_pendiente_;
    std::string paneles_visor_pendientes_[2];
    bool mostrar_pendiente_ = false;
    // Minimizada por una orden larga: el estado al que vuelve y si vuelve el visor.
    Qt::WindowStates estado_ventana_ = Qt::WindowNoState;
    bool minimizada_ = false;
    bool visor_al_restaurar_ = false;
    bool progreso_puesto_ = false;
};

}  // namespace pc::ui
