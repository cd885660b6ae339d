#include "ventana/impresion/patron.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ordenes/impresion/cuadernillo.h"
#include "render/cuadernillo.h"
#include "ventana/impresion/progreso.h"
#include "ventana/pcruz.h"
#include "ventana/textos_ui.h"

namespace pc::ui {

namespace {
QString u(const char* s) { return QString::fromUtf8(s); }

template <class T>
T* con_nombre(T* w, const char* nombre) {
    w->setObjectName(QString::fromLatin1(nombre));
    return w;
}
}  // namespace

VentanaPatron::VentanaPatron(TForm2& principal) : QDialog(&principal), principal_(principal) {
    setObjectName(QStringLiteral("VentanaPatron"));
    setWindowTitle(u(texto::kTituloPatron));

    papel = con_nombre(new QComboBox(this), "papel");
    papel->addItems({QStringLiteral("A4"), QStringLiteral("Carta")});
    apaisado = con_nombre(new QCheckBox(u(texto::kPatronApaisado), this), "apaisado");
    celda = con_nombre(new QDoubleSpinBox(this), "celda");
    celda->setRange(kCeldaMinimaMm, kCeldaMaximaMm);
    celda->setDecimals(1);
    celda->setSingleStep(0.5);
    celda->setSuffix(u(" mm"));
    tela = con_nombre(new QSpinBox(this), "tela");
    tela->setRange(kTelaMinima, kTelaMaxima);
    tela->setSuffix(u(texto::kPatronPuntosPulgada));
    hebras = con_nombre(new QSpinBox(this), "hebras");
    hebras->setRange(1, kHebrasMaximas);
    hebras_perfil = con_nombre(new QSpinBox(this), "hebras_perfil");
    hebras_perfil->setRange(1, kHebrasMaximas);
    margen_tela = con_nombre(new QSpinBox(this), "margen_tela");
    margen_tela->setRange(0, kMargenTelaMaximo);
    margen_tela->setSuffix(u(" cm"));
    tambien_bn = con_nombre(new QCheckBox(u(texto::kPatronTambienBn), this), "tambien_bn");
    solape = con_nombre(new QSpinBox(this), "solape");
    solape->setRange(0, kSolapeMaximo);
    solape->setSuffix(u(texto::kPatronPuntos));
    modo = con_nombre(new QComboBox(this), "modo");
    modo->addItems({u(texto::kPatronModoAmbos), u(texto::kPatronModoSimbolos), u(texto::kPatronModoColor)});
    titulo = con_nombre(new QLineEdit(this), "titulo");
    catalogo = con_nombre(new QComboBox(this), "catalogo");
    catalogo->addItems({QStringLiteral("DMC"), QStringLiteral("ANCHOR")});
    zona = con_nombre(new QCheckBox(u(texto::kPatronZona), this), "zona");
    resumen = con_nombre(new QLabel(this), "resumen");
    resumen->setWordWrap(true);

    auto* formulario = new QFormLayout;
    auto* fila_papel = new QHBoxLayout;
    fila_papel->addWidget(papel);
    fila_papel->addWidget(apaisado);
    formulario->addRow(u(texto::kPatronPapel), fila_papel);
    formulario->addRow(u(texto::kPatronCelda), celda);
    formulario->addRow(u(texto::kPatronTela), tela);
    formulario->addRow(u(texto::kPatronHebras), hebras);
    formulario->addRow(u(texto::kPatronHebrasPerfil), hebras_perfil);
    formulario->addRow(u(texto::kPatronMargenTela), margen_tela);
    formulario->addRow(u(texto::kPatronSolape), solape);
    formulario->addRow(u(texto::kPatronModo), modo);
    formulario->addRow(QString(), tambien_bn);
    formulario->addRow(u(texto::kPatronTitulo), titulo);
    formulario->addRow(u(texto::kPatronCatalogo), catalogo);
    formulario->addRow(QString(), zona);

    vista_previa = con_nombre(new QPushButton(u(texto::kImpVistaPrevia), this), "VistaPrevia");
    imprimir = con_nombre(new QPushButton(u(texto::kImpImprimir), this), "Imprimir");
    exportar = con_nombre(new QPushButton(u(texto::kPatronExportar), this), "ExportarPDF");
    cerrar = con_nombre(new QPushButton(u(texto::kCerrar), this), "Cerrar");
    exportar->setDefault(true);
    auto* botones = new QHBoxLayout;
    for (QPushButton* b : {vista_previa, imprimir, exportar, cerrar}) botones->addWidget(b);

    auto* todo = new QVBoxLayout(this);
    todo->addLayout(formulario);
    todo->addWidget(resumen);
    todo->addLayout(botones);

    // Sólo el papel, la celda, el solape, la zona, el modo y la tanda en blanco y negro cambian
    // las páginas: las demás opciones se guardan sin volver a preparar el cuadernillo (el título,
    // a cada tecla).
    connect(papel, &QComboBox::currentIndexChanged, this, [this] { guardar_estado(true); });
    // El modo cuenta: con la tanda en blanco y negro, "Sólo símbolos" no la añade.
    connect(modo, &QComboBox::currentIndexChanged, this, [this] { guardar_estado(true); });
    connect(catalogo, &QComboBox::currentIndexChanged, this, [this] { guardar_estado(false); });
    for (QCheckBox* c : {apaisado, zona, tambien_bn}) connect(c, &QCheckBox::toggled, this, [this] { guardar_estado(true); });
    connect(solape, &QSpinBox::valueChanged, this, [this] { guardar_estado(true); });
    for (QSpinBox* s : {tela, hebras, hebras_perfil, margen_tela}) connect(s, &QSpinBox::valueChanged, this, [this] { guardar_estado(false); });
    connect(celda, &QDoubleSpinBox::valueChanged, this, [this] { guardar_estado(true); });
    connect(titulo, &QLineEdit::textChanged, this, [this] { guardar_estado(false); });
    connect(vista_previa, &QPushButton::clicked, this, [this] { vista_previaClick(); });
    connect(imprimir, &QPushButton::clicked, this, [this] { principal_.ejecutar_orden(imprimir_cuadernillo); });
    connect(exportar, &QPushButton::clicked, this, [this] { principal_.ejecutar_orden(exportar_cuadernillo); });
    connect(cerrar, &QPushButton::clicked, this, &QDialog::accept);
}

void VentanaPatron::preparar() { mostrar_estado(); }

void VentanaPatron::abrir() {
    preparar();
    exec();
}

void VentanaPatron::mostrar_estado() {
    const Estado& e = principal_.estado();
    const OpcionesCuadernillo& op = e.cuadernillo;
    cargando_ = true;
    papel->setCurrentIndex(op.carta ? 1 : 0);
    apaisado->setChecked(op.apaisado);
    celda->setValue(op.celda_mm);
    tela->setValue(op.tela);
    hebras->setValue(op.hebras);
    hebras_perfil->setValue(op.hebras_perfil);
    margen_tela->setValue(op.margen_tela_cm);
    tambien_bn->setChecked(op.tambien_bn);
    solape->setValue(op.solape);
    modo->setCurrentIndex(static_cast<int>(op.modo));
    titulo->setText(QString::fromStdString(op.titulo));
    titulo->setPlaceholderText(QString::fromStdString(titulo_cuadernillo(e)));
    catalogo->setCurrentIndex(op.catalogo == "ANCHOR" ? 1 : 0);
    zona->setChecked(op.zona);
    cargando_ = false;
    resumen->setText(QString::fromStdString(resumen_cuadernillo(principal_.sesion())));
}

void VentanaPatron::guardar_estado(bool recontar) {
    if (cargando_) return;
    OpcionesCuadernillo& op = principal_.estado().cuadernillo;
    op.carta = papel->currentIndex() == 1;
    op.apaisado = apaisado->isChecked();
    op.celda_mm = celda->value();
    op.tela = tela->value();
    op.hebras = hebras->value();
    op.hebras_perfil = hebras_perfil->value();
    op.margen_tela_cm = margen_tela->value();
    op.tambien_bn = tambien_bn->isChecked();
    op.solape = solape->value();
    op.modo = static_cast<ModoCuadernillo>(modo->currentIndex());
    op.titulo = titulo->text().toStdString();
    op.catalogo = catalogo->currentText().toStdString();
    op.zona = zona->isChecked();
    if (recontar) resumen->setText(QString::fromStdString(resumen_cuadernillo(principal_.sesion())));
}

void VentanaPatron::vista_previaClick() {
    TrabajoCuadernillo t;
    bool listo = false;
    principal_.ejecutar_orden([&](Sesion& s) {
        t = preparar_cuadernillo(s);
        listo = true;
    });
    if (!listo) return;
    QPrinter impresora(QPrinter::HighResolution);
    preparar_pagina_cuadernillo(impresora, t.op);
    QPrintPreviewDialog dlg(&impresora, this);
    dlg.setWindowTitle(u(texto::kImpVistaPrevia));
    connect(&dlg, &QPrintPreviewDialog::paintRequested, this, [&](QPrinter* p) {
        QPainter pintor(p);
        ProgresoDibujo progreso(&dlg, u(texto::kPatronPreparando));
        dibujar_cuadernillo(pintor, *p, t, progreso.avance());
    });
    if (al_previsualizar) al_previsualizar(dlg);
    else dlg.exec();
}

}  // namespace pc::ui
