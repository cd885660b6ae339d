#include "ventana/logo.h"

#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QRandomGenerator>
#include <QScreen>

#include "ventana/textos_ui.h"

// Los recursos van en una biblioteca estática: hay que registrarlos a mano.
static void registrar_recursos() {
    static const bool hecho = [] {
        Q_INIT_RESOURCE(recursos);
        return true;
    }();
    (void)hecho;
}

namespace pc::ui {

void iniciar_recursos() { registrar_recursos(); }

namespace {
constexpr int kAltoRotulo = 16;
constexpr int kLetraRotulo = 13;
}  // namespace

const char* logo_al_azar(int azar) { return azar <= 50 ? kLogo3 : kLogo2; }

int azar_0_99() { return static_cast<int>(QRandomGenerator::global()->bounded(100)); }

Tlogoform::Tlogoform(int azar, QWidget* padre)
    : QWidget(padre, Qt::SplashScreen | Qt::FramelessWindowHint), logo_(logo_al_azar(azar)) {
    iniciar_recursos();
    setObjectName(QStringLiteral("logoform"));
    const QPixmap dibujo(QString::fromLatin1(logo_));
    image1_ = new QLabel(this);
    image1_->setObjectName(QStringLiteral("Image1"));
    image1_->setPixmap(dibujo);
    image1_->setGeometry(0, 0, dibujo.width(), dibujo.height());

    label2_ = new QLabel(QString::fromUtf8(texto::kRotuloLogo), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    QFont letra = label2_->font();
    letra.setBold(true);
    letra.setPixelSize(kLetraRotulo);
    label2_->setFont(letra);
    label2_->setAlignment(Qt::AlignCenter);
    label2_->setAutoFillBackground(true);
    label2_->setStyleSheet(QStringLiteral("color: yellow; background-color: navy;"));
    const int ancho_rotulo = label2_->fontMetrics().horizontalAdvance(label2_->text()) + 8;
    // Centrado sobre el dibujo y con su parte alta a una vez y media su altura del borde.
    label2_->setGeometry((dibujo.width() - ancho_rotulo) / 2,
                         dibujo.height() - static_cast<int>(1.5 * kAltoRotulo), ancho_rotulo, kAltoRotulo);
    setFixedSize(dibujo.size());
    if (const QScreen* pantalla = screen()) move(pantalla->availableGeometry().center() - rect().center());
}

}  // namespace pc::ui
