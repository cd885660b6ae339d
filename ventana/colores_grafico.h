// La ventana acoplable "Colores del gráfico", a la izquierda: los colores del tapiz con su
// muestra, su símbolo (el del cuadernillo), su hilo y sus puntos, al día tras cada cambio.
// Un clic hace actual un color (como "Seleccionar Color"), un doble clic resalta sus puntos
// en el gráfico y "Buscar hilo" hace actual un hilo del catálogo, lo use o no el tapiz.
#pragma once
#include <QDockWidget>
#include <optional>

#include "ordenes/patron/colores_grafico.h"

class QLineEdit;
class QTableWidget;

namespace pc::ui {

class TForm2;

class DockColores : public QDockWidget {
    Q_OBJECT
public:
    explicit DockColores(TForm2& principal);
    // Vuelve a contar los colores (si se ve) y pone la lista al día.
    void sincronizar();
    QTableWidget* tabla() const { return tabla_; }
    QLineEdit* buscar() const { return buscar_; }
    // Color de una fila de la tabla tal como se ve (ordenada).
    Color color_fila(int fila) const;

protected:
    void showEvent(QShowEvent* ev) override;

private:
    void llenar(const ColoresGrafico& c);
    void elegir_fila(int fila);
    void resaltar_fila(int fila);
    void buscar_hilo();

    TForm2& principal_;
    QTableWidget* tabla_ = nullptr;
    QLineEdit* buscar_ = nullptr;
    std::vector<ColorGrafico> mostrados_;
};

}  // namespace pc::ui
