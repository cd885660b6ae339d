#include "print/qt/imprime.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/qt/textos_ui.h"

namespace pc::ui {

namespace {
constexpr int kAncho = 328;
constexpr int kArribaPanel2 = 200, kAltoPanel2 = 73;

QString u(const char* s) { return QString::fromUtf8(s); }

QCheckBox* casilla(QWidget* padre, const char* nombre, const char* texto, bool marcada, int x, int y) {
    auto* c = new QCheckBox(u(texto), padre);
    c->setObjectName(QString::fromLatin1(nombre));
    c->setChecked(marcada);
    c->setGeometry(x, y, 200, 17);
    return c;
}

QLineEdit* edicion(QWidget* padre, const char* nombre, const char* valor, int x, int y, int ancho) {
    auto* e = new QLineEdit(u(valor), padre);
    e->setObjectName(QString::fromLatin1(nombre));
    e->setGeometry(x, y, ancho, 21);
    return e;
}

void rotulo(QWidget* padre, const char* texto, int x, int y, int ancho) {
    auto* l = new QLabel(u(texto), padre);
    l->setGeometry(x, y, ancho, 17);
}
}  // namespace

TForm4::TForm4(QWidget* padre) : QDialog(padre) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(u(texto::kTituloImpresion));
    setFixedSize(kAncho, kArribaPanel2 + kAltoPanel2 + 30);

    imp_rejilla = casilla(this, "imp_rejilla", texto::kImpRejilla, true, 16, 12);
    imp_simbolos = casilla(this, "imp_simbolos", texto::kImpSimbolos, false, 16, 32);
    imp_colores = casilla(this, "imp_colores", texto::kImpColores, true, 16, 52);
    imp_detalle = casilla(this, "imp_detalle", texto::kImpDetalle, false, 16, 72);
    rotulo(this, texto::kImpGrosor, 16, 100, 200);
    imp_grosor = edicion(this, "imp_grosor", "4", 240, 98, 60);
    rotulo(this, texto::kImpAclara, 16, 126, 220);
    imp_aclara = edicion(this, "imp_aclara", "0", 240, 124, 60);
    rotulo(this, texto::kImpEscala, 16, 152, 120);
    rotulo(this, texto::kImpEnX, 140, 152, 30);
    imp_escalax = edicion(this, "imp_escalax", "100", 170, 150, 40);
    rotulo(this, texto::kImpEnY, 220, 152, 30);
    imp_escalay = edicion(this, "imp_escalay", "100", 250, 150, 40);

    imp_imprimir = new QPushButton(u(texto::kImpImprimir), this);
    imp_imprimir->setObjectName(QStringLiteral("imp_imprimir"));
    imp_imprimir->setGeometry(232, 12, 80, 25);
    imp_imprimir->setDefault(true);
    cancelar = new QPushButton(u(texto::kImpCancelar), this);
    cancelar->setObjectName(QStringLiteral("Button3"));
    cancelar->setGeometry(232, 44, 80, 25);
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto* panel2 = new QWidget(this);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setGeometry(0, kArribaPanel2, kAncho, kAltoPanel2);
    imp_leyenda = casilla(panel2, "imp_leyenda", texto::kImpLeyenda, true, 16, 4);
    imp_troceado = casilla(panel2, "imp_troceado", texto::kImpTroceado, false, 16, 24);
    rotulo(panel2, texto::kImpComentario, 16, 48, 80);
    imp_coment = edicion(panel2, "imp_coment", texto::kImpComentarioDefecto, 100, 46, 212);
}

}  // namespace pc::ui
