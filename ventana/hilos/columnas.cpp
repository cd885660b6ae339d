#include "ventana/hilos/columnas.h"

#include <QCheckBox>
#include <QFont>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include "ventana/textos_ui.h"
#include "render/imagen_qt.h"
#include "threads/columnas.h"
#include "ordenes/hilos/columnas.h"

namespace pc::ui {

namespace {

constexpr int kAncho = 279, kAlto = 432;
constexpr int kAltoCasilla = 17;

// Casilla de columna: el programa la pone gris; un clic del usuario la deja marcada si no
// lo estaba y sin marcar si lo estaba.
class CasillaColumna : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {
        setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    }
};

Qt::CheckState estado_qt(Casilla c) {
    switch (c) {
        case Casilla::kMarcada: return Qt::Checked;
        case Casilla::kSinMarcar: return Qt::Unchecked;
        case Casilla::kGris: break;
    }
    return Qt::PartiallyChecked;
}

Casilla casilla_de(Qt::CheckState s) {
    if (s == Qt::Checked) return Casilla::kMarcada;
    if (s == Qt::Unchecked) return Casilla::kSinMarcar;
    return Casilla::kGris;
}

// Fondo del color del hilo, con el número en blanco sobre los colores oscuros.
void colorear(QCheckBox* c, Color color) {
    const QColor fondo(a_qrgb(color));
    const QColor letra = fondo.lightness() < 110 ? Qt::white : Qt::black;
    const QString hoja = QStringLiteral("QCheckBox { background-color: %1; color: %2; }").arg(fondo.name(), letra.name());
    if (c->styleSheet() != hoja) c->setStyleSheet(hoja);
}

std::size_t ix(int n) { return static_cast<std::size_t>(n); }

}  // namespace

TForm3::TForm3(QWidget* padre) : QDialog(padre) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QString::fromUtf8(texto::kTituloColumnas));
    setFixedSize(kAncho, kAlto);
    // Letra pequeña, como la de la ventana original: el rótulo cabe en dos líneas y los
    // números de los hilos, en sus filas de 12 píxeles.
    QFont letra = font();
    letra.setPixelSize(11);
    setFont(letra);

    auto* label1 = new QLabel(QString::fromUtf8(texto::kRotuloColumnas), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);
    label1->setStyleSheet(QStringLiteral("color: blue;"));
    label1->setGeometry(8, 8, 249, 33);
    QFont letra_rotulo = letra;
    letra_rotulo.setPixelSize(10);
    label1->setFont(letra_rotulo);

    // Botones "+": Button1..Button18 para las columnas 1..18 y Button20 para la 19.
    for (int n = 1; n <= kColumnasCatalogo; ++n) {
        auto* b = new QPushButton(QString::fromUtf8(texto::kMas), this);
        b->setObjectName(QStringLiteral("Button%1").arg(n <= 18 ? n : 20));
        b->setGeometry(24, 56 + (n - 1) * 16, 17, 17);
        connect(b, &QPushButton::clicked, this, [this, n] { ejecutar_orden([n](Sesion& s) { abrir_columna(s, n); }); });
        mas_[ix(n)] = b;
    }
    for (int n = 1; n <= kColumnasCatalogo; ++n) {
        auto* c = new CasillaColumna(QString::fromStdString(titulo_inicial_columna(n)), this);
        c->setObjectName(QStringLiteral("casilla_columna%1").arg(n));
        c->setTristate(true);
        c->setCheckState(Qt::Checked);
        c->setGeometry(45, n * (kAltoCasilla - 1) + 40, kAncho - 55, kAltoCasilla);
        connect(c, &QCheckBox::clicked, this, [this, n] { al_pulsar_columna(n); });
        columnas_[ix(n)] = c;
    }
    aplicar_ = new QPushButton(QString::fromUtf8(texto::kAplicarColumnas), this);
    aplicar_->setObjectName(QStringLiteral("b_Aplicar"));
    aplicar_->setGeometry(72, 368, 137, 25);
    connect(aplicar_, &QPushButton::clicked, this, [this] {
        ejecutar_orden([](Sesion& s) { aplicar_columnas(s); });
        accept();
    });

    panel1_ = new QWidget(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setGeometry(8, 40, 257, 361);
    panel1_->setAutoFillBackground(true);
    for (int i = 1; i <= kHilosPanel; ++i) {
        auto* c = new QCheckBox(panel1_);
        c->setObjectName(QStringLiteral("casilla_hilo%1").arg(i));
        c->setAutoFillBackground(true);
        const int fila = i <= 25 ? i : i - 25;
        c->setGeometry(i <= 25 ? 20 : 130, fila * (kAltoCasilla - 5), 90, kAltoCasilla);
        connect(c, &QCheckBox::clicked, this, [this, i] { al_pulsar_hilo(i); });
        hilos_[ix(i)] = c;
    }
    aplicar_panel_ = new QPushButton(QString::fromUtf8(texto::kAplicarPanel), panel1_);
    aplicar_panel_->setObjectName(QStringLiteral("Button19"));
    aplicar_panel_->setGeometry(64, 328, 129, 25);
    connect(aplicar_panel_, &QPushButton::clicked, this,
            [this] { ejecutar_orden([](Sesion& s) { aplicar_panel(s); }); });
    panel1_->hide();
}

void TForm3::conectar(Sesion& sesion) {
    sesion_ = &sesion;
    sincronizar();
}

void TForm3::sincronizar() {
    if (!sesion_) return;
    const Estado& e = sesion_->e;
    const VentanaColumnas& v = e.columnas;
    for (int n = 1; n <= kColumnasCatalogo; ++n) {
        QCheckBox* c = columnas_[ix(n)];
        const QSignalBlocker b(c);
        c->setText(QString::fromStdString(titulo_columna(e, n)));
        c->setCheckState(estado_qt(v.columna[ix(n)]));
    }
    for (int i = 1; i <= kHilosPanel; ++i) {
        QCheckBox* c = hilos_[ix(i)];
        const CasillaHilo& h = v.hilo[ix(i)];
        const QSignalBlocker b(c);
        c->setVisible(h.visible);
        if (!h.visible) continue;
        c->setEnabled(true);
        c->setText(QString::number(h.numero));
        c->setChecked(h.marcada);
        colorear(c, h.color);
    }
    panel1_->setVisible(v.panel_visible);
    if (v.panel_visible) panel1_->raise();
}

void TForm3::abrir() {
    sincronizar();
    exec();
}

void TForm3::ejecutar_orden(const std::function<void(Sesion&)>& orden) {
    if (!sesion_) return;
    ejecutar(sesion_->d, [&] { orden(*sesion_); });
    sincronizar();
}

void TForm3::al_pulsar_columna(int n) {
    if (sesion_) sesion_->e.columnas.columna[ix(n)] = casilla_de(columnas_[ix(n)]->checkState());
}

void TForm3::al_pulsar_hilo(int i) {
    if (sesion_) sesion_->e.columnas.hilo[ix(i)].marcada = hilos_[ix(i)]->isChecked();
}

}  // namespace pc::ui
