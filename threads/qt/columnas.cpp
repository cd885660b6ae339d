#include "threads/qt/columnas.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include "app/qt/textos_ui.h"

namespace pc::ui {

namespace {
constexpr int kAncho = 279, kAlto = 432;
constexpr int kAltoCasilla = 17;
}  // namespace

QString rotulo_inicial_columna(int n) {
    static const char* const familia[kColumnasCatalogo + 1] = {
        "", " ROJOS", " ROJOS", " MARRONES", " MORADOS", " AZULES", " AZULES", " AZUL-VERDE",
        " VERDES", " VERDES", " VERDES", " AMARILLOS", "", " AMARILLOS", " MARRONES (caras)",
        " MARRONES (caras)", " MARRONES (caras)", " SEPIAS", " GRISES", " GRISES"};
    if (n < 1 || n > kColumnasCatalogo) return QString();
    return QString::fromUtf8(texto::kColumna) + QString::number(n) + QString::fromUtf8(familia[n]);
}

TForm3::TForm3(QWidget* padre) : QDialog(padre) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QString::fromUtf8(texto::kTituloColumnas));
    setFixedSize(kAncho, kAlto);

    auto* label1 = new QLabel(QString::fromUtf8(texto::kRotuloColumnas), this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);
    label1->setStyleSheet(QStringLiteral("color: blue;"));
    label1->setGeometry(8, 8, 249, 33);

    // Botones "+": Button1..Button18 para las columnas 1..18 y Button20 para la 19.
    for (int n = 1; n <= kColumnasCatalogo; ++n) {
        auto* b = new QPushButton(QString::fromUtf8(texto::kMas), this);
        b->setObjectName(QStringLiteral("Button%1").arg(n <= 18 ? n : 20));
        b->setGeometry(24, 56 + (n - 1) * 16, 17, 17);
        b->setEnabled(false);
    }
    for (int n = 1; n <= kColumnasCatalogo; ++n) {
        auto* c = new QCheckBox(rotulo_inicial_columna(n), this);
        c->setObjectName(QStringLiteral("casilla_columna%1").arg(n));
        c->setTristate(true);
        c->setCheckState(Qt::Checked);
        c->setGeometry(45, n * (kAltoCasilla - 1) + 40, kAncho - 55, kAltoCasilla);
        columnas_[static_cast<std::size_t>(n)] = c;
    }
    auto* aplicar = new QPushButton(QString::fromUtf8(texto::kAplicarColumnas), this);
    aplicar->setObjectName(QStringLiteral("b_Aplicar"));
    aplicar->setGeometry(72, 368, 137, 25);
    aplicar->setEnabled(false);

    panel1_ = new QWidget(this);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    panel1_->setGeometry(8, 40, 257, 361);
    panel1_->setAutoFillBackground(true);
    for (int i = 1; i <= kHilosPanel; ++i) {
        auto* c = new QCheckBox(panel1_);
        c->setObjectName(QStringLiteral("casilla_hilo%1").arg(i));
        c->setTristate(true);
        const int fila = i <= 25 ? i : i - 25;
        c->setGeometry(i <= 25 ? 20 : 130, fila * (kAltoCasilla - 5), 90, kAltoCasilla);
        hilos_[static_cast<std::size_t>(i)] = c;
    }
    auto* b19 = new QPushButton(QString::fromUtf8(texto::kAplicarPanel), panel1_);
    b19->setObjectName(QStringLiteral("Button19"));
    b19->setGeometry(64, 328, 129, 25);
    b19->setEnabled(false);
    panel1_->hide();
}

void TForm3::poner_rotulos(const Estado& e) {
    for (int n = 1; n <= kColumnasCatalogo; ++n) {
        const std::string& t = e.titulo_columna[static_cast<std::size_t>(n)];
        columnas_[static_cast<std::size_t>(n)]->setText(t.empty() ? rotulo_inicial_columna(n)
                                                                  : QString::fromStdString(t));
    }
}

}  // namespace pc::ui
