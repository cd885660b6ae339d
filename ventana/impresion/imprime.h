// La ventana "Opciones para la Impresión": qué se imprime, grosor de las guías, aclarado,
// escala, leyenda, impresión troceada y comentario. Las casillas y los textos se guardan en
// el estado del diseño a cada cambio; la ventana los vuelve a leer al abrirse.
#pragma once
#include <QDialog>
#include <functional>
#include <string>

class QCheckBox;
class QLineEdit;
class QPrintPreviewDialog;
class QPushButton;

namespace pc {
struct OpcionesImpresion;
}

namespace pc::ui {

class TForm2;

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* padre = nullptr);

    // La ventana principal, cuyas órdenes ejecuta.
    void conectar(TForm2* principal) { principal_ = principal; }
    // "Imprimir Punto de Cruz": habilita "Imprimir", muestra lo guardado y abre la ventana modal.
    void abrir();
    // Lo mismo sin esperar (la ventana queda a la vista).
    void preparar();

    // Para las pruebas: recibe el diálogo de la vista previa en vez de ejecutarlo.
    std::function<void(QPrintPreviewDialog&)> al_previsualizar;

    QCheckBox* imp_rejilla = nullptr;
    QCheckBox* imp_simbolos = nullptr;
    QCheckBox* imp_colores = nullptr;
    QCheckBox* imp_detalle = nullptr;
    QLineEdit* imp_grosor = nullptr;
    QLineEdit* imp_aclara = nullptr;
    QLineEdit* imp_escalax = nullptr;
    QLineEdit* imp_escalay = nullptr;
    QPushButton* imp_imprimir = nullptr;
    QPushButton* cancelar = nullptr;
    QPushButton* vista_previa = nullptr;
    QPushButton* patron = nullptr;  // "Patrón": la ventana del cuadernillo
    QCheckBox* imp_leyenda = nullptr;
    QCheckBox* imp_troceado = nullptr;
    QLineEdit* imp_coment = nullptr;

private:
    void mostrar_estado();
    // Pone en la ventana las opciones y el grosor de las guías (sin guardarlos de vuelta).
    void mostrar_opciones(const OpcionesImpresion& op, const std::string& grosor);
    void guardar_estado();
    void imp_imprimirClick();
    void imp_detalleClick();
    void vista_previaClick();

    TForm2* principal_ = nullptr;
    bool cargando_ = false;
};

}  // namespace pc::ui
