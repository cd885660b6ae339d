#include "ventana/impresion/imprime.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <vector>

#include "ventana/pcruz.h"
#include "ventana/textos_ui.h"
#include "ordenes/impresion/opciones_impresion.h"
#include "render/impresion.h"

namespace pc::ui {

namespace {
constexpr int kAncho = 328;
constexpr int kArribaPanel2 = 200, kAltoPanel2 = 73;

QString u(const char* s) { return QString::fromUtf8(s); }
QString q(const std::string& s) { return QString::fromStdString(s); }
std::string carpeta_programa() { return QCoreApplication::applicationDirPath().toStdString(); }

QCheckBox* casilla(QWidget* padre, const char* nombre, const char* texto, int x, int y, int ancho = 200) {
    auto* c = new QCheckBox(u(texto), padre);
    c->setObjectName(QString::fromLatin1(nombre));
    c->setGeometry(x, y, ancho, 17);
    return c;
}

QLineEdit* edicion(QWidget* padre, const char* nombre, int x, int y, int ancho) {
    auto* e = new QLineEdit(padre);
    e->setObjectName(QString::fromLatin1(nombre));
    e->setGeometry(x, y, ancho, 21);
    return e;
}

void rotulo(QWidget* padre, const char* texto, int x, int y, int ancho) {
    auto* l = new QLabel(u(texto), padre);
    l->setGeometry(x, y, ancho, 17);
}

QPushButton* boton(QWidget* padre, const char* nombre, const char* texto, int x, int y) {
    auto* b = new QPushButton(u(texto), padre);
    b->setObjectName(QString::fromLatin1(nombre));
    b->setGeometry(x, y, 88, 25);
    return b;
}
}  // namespace

TForm4::TForm4(QWidget* padre) : QDialog(padre) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(u(texto::kTituloImpresion));
    setFixedSize(kAncho, kArribaPanel2 + kAltoPanel2 + 30);

    imp_rejilla = casilla(this, "imp_rejilla", texto::kImpRejilla, 16, 12);
    imp_simbolos = casilla(this, "imp_simbolos", texto::kImpSimbolos, 16, 32);
    imp_colores = casilla(this, "imp_colores", texto::kImpColores, 16, 52);
    imp_detalle = casilla(this, "imp_detalle", texto::kImpDetalle, 16, 72);
    rotulo(this, texto::kImpGrosor, 16, 100, 200);
    imp_grosor = edicion(this, "imp_grosor", 250, 98, 60);
    rotulo(this, texto::kImpAclara, 16, 126, 230);
    imp_aclara = edicion(this, "imp_aclara", 250, 124, 60);
    rotulo(this, texto::kImpEscala, 16, 152, 134);
    rotulo(this, texto::kImpEnX, 152, 152, 28);
    imp_escalax = edicion(this, "imp_escalax", 182, 150, 40);
    rotulo(this, texto::kImpEnY, 234, 152, 26);
    imp_escalay = edicion(this, "imp_escalay", 264, 150, 40);

    imp_imprimir = boton(this, "imp_imprimir", texto::kImpImprimir, 228, 8);
    imp_imprimir->setDefault(true);
    cancelar = boton(this, "Button3", texto::kImpCancelar, 228, 38);
    vista_previa = boton(this, "VistaPrevia", texto::kImpVistaPrevia, 228, 68);
    patron = boton(this, "Patron", texto::kImpPatron, 228, 172);

    auto* panel2 = new QWidget(this);
    panel2->setObjectName(QStringLiteral("Panel2"));
    panel2->setGeometry(0, kArribaPanel2, kAncho, kAltoPanel2);
    imp_leyenda = casilla(panel2, "imp_leyenda", texto::kImpLeyenda, 16, 4, 296);
    imp_troceado = casilla(panel2, "imp_troceado", texto::kImpTroceado, 16, 24, 296);
    rotulo(panel2, texto::kImpComentario, 16, 48, 80);
    imp_coment = edicion(panel2, "imp_coment", 100, 46, 212);

    // Los valores de arranque: los mismos que guarda el estado del diseño.
    const OpcionesImpresion defecto;
    mostrar_opciones(defecto, "4");

    for (QCheckBox* c : {imp_rejilla, imp_simbolos, imp_colores, imp_detalle, imp_leyenda, imp_troceado})
        connect(c, &QCheckBox::toggled, this, [this] { guardar_estado(); });
    for (QLineEdit* e : {imp_grosor, imp_aclara, imp_escalax, imp_escalay, imp_coment})
        connect(e, &QLineEdit::textChanged, this, [this] { guardar_estado(); });
    connect(imp_detalle, &QCheckBox::clicked, this, [this] { imp_detalleClick(); });
    connect(imp_imprimir, &QPushButton::clicked, this, [this] { imp_imprimirClick(); });
    connect(cancelar, &QPushButton::clicked, this, &QDialog::reject);
    connect(vista_previa, &QPushButton::clicked, this, [this] { vista_previaClick(); });
    connect(patron, &QPushButton::clicked, this, [this] {
        accept();
        if (principal_) principal_->abrir_patron();
    });
}

void TForm4::preparar() {
    if (principal_) principal_->estado().impresion.imprimir_habilitado = true;
    mostrar_estado();
    if (const QScreen* pantalla = screen()) move(pantalla->availableGeometry().center() - rect().center());
}

void TForm4::abrir() {
    preparar();
    exec();
}

void TForm4::mostrar_estado() {
    if (!principal_) return;
    const Estado& e = principal_->estado();
    const OpcionesImpresion& op = e.impresion;
    mostrar_opciones(op, e.grosor_guias);
    cargando_ = true;
    imp_coment->setCursorPosition(0);
    imp_imprimir->setEnabled(op.imprimir_habilitado);
    cargando_ = false;
}

void TForm4::mostrar_opciones(const OpcionesImpresion& op, const std::string& grosor) {
    cargando_ = true;
    imp_rejilla->setChecked(op.rejilla);
    imp_simbolos->setChecked(op.simbolos);
    imp_colores->setChecked(op.colores);
    imp_detalle->setChecked(op.detalle);
    imp_leyenda->setChecked(op.leyenda);
    imp_troceado->setChecked(op.troceado);
    imp_grosor->setText(q(grosor));
    imp_aclara->setText(q(op.aclara));
    imp_escalax->setText(q(op.escala_x));
    imp_escalay->setText(q(op.escala_y));
    imp_coment->setText(q(op.comentario));
    cargando_ = false;
}

void TForm4::guardar_estado() {
    if (cargando_ || !principal_) return;
    Estado& e = principal_->estado();
    OpcionesImpresion& op = e.impresion;
    op.rejilla = imp_rejilla->isChecked();
    op.simbolos = imp_simbolos->isChecked();
    op.colores = imp_colores->isChecked();
    op.detalle = imp_detalle->isChecked();
    op.leyenda = imp_leyenda->isChecked();
    op.troceado = imp_troceado->isChecked();
    e.grosor_guias = imp_grosor->text().toStdString();
    op.aclara = imp_aclara->text().toStdString();
    op.escala_x = imp_escalax->text().toStdString();
    op.escala_y = imp_escalay->text().toStdString();
    op.comentario = imp_coment->text().toStdString();
}

void TForm4::imp_imprimirClick() {
    guardar_estado();
    accept();
    if (!principal_) return;
    principal_->ejecutar_orden([](Sesion& s) { imprimir_desde_opciones(s, carpeta_programa()); });
    imp_imprimir->setEnabled(principal_->estado().impresion.imprimir_habilitado);
}

void TForm4::imp_detalleClick() {
    guardar_estado();
    if (principal_) principal_->ejecutar_orden(imprimir_detalle);
}

void TForm4::vista_previaClick() {
    guardar_estado();
    if (!principal_) return;
    std::vector<TrabajoImpresion> trabajos;
    principal_->ejecutar_orden([&](Sesion& s) { trabajos = trabajos_vista_previa(s, carpeta_programa()); });
    if (trabajos.empty()) return;
    QPrinter impresora(QPrinter::HighResolution);
    preparar_pagina_impresion(impresora, DestinoImpresion{}, false);
    QPrintPreviewDialog dlg(&impresora, this);
    dlg.setWindowTitle(u(texto::kImpVistaPrevia));
    Vista& vista = principal_->sesion().v;
    connect(&dlg, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* p) {
        QPainter pintor(p);
        for (std::size_t i = 0; i < trabajos.size(); ++i) {
            if (i > 0) p->newPage();
            if (trabajos[i].salida == Salida::kBmp) {
                // La imagen que se generaría, encajada en la página.
                QImage imagen(kLadoImagenImpresion, kLadoImagenImpresion, QImage::Format_RGB32);
                imprimir_en_imagen(imagen, trabajos[i], vista);
                const QRect pagina = pintor.viewport();
                const QSize lado = imagen.size().scaled(pagina.size(), Qt::KeepAspectRatio);
                pintor.drawImage(QRect(pagina.topLeft(), lado), imagen);
                continue;
            }
            dibujar_impresion(pintor, trabajos[i], vista, [p] { p->newPage(); });
        }
    });
    if (al_previsualizar) al_previsualizar(dlg);
    else dlg.exec();
}

}  // namespace pc::ui
