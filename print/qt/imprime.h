// La ventana "Opciones para la Impresión": qué se imprime, grosor de las guías, aclarado,
// escala, leyenda, impresión troceada y comentario.
#pragma once
#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace pc::ui {

class TForm4 : public QDialog {
    Q_OBJECT
public:
    explicit TForm4(QWidget* padre = nullptr);

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
    QCheckBox* imp_leyenda = nullptr;
    QCheckBox* imp_troceado = nullptr;
    QLineEdit* imp_coment = nullptr;
};

}  // namespace pc::ui
