#include "ventana/acerca.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/ficheros.h"
#include "ventana/logo.h"
#include "ventana/textos_ui.h"
#include "app/texto.h"

namespace pc::ui {

TAboutBox::TAboutBox(QWidget* padre) : QDialog(padre) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QString::fromUtf8(texto::kTituloAcerca));
    setModal(true);
    auto* columna = new QVBoxLayout(this);
    auto* fila = new QHBoxLayout;
    imagen_ = new QLabel(this);
    imagen_->setObjectName(QStringLiteral("ProgramIcon"));
    auto* datos = new QVBoxLayout;
    auto* producto = new QLabel(QString::fromUtf8(texto::kPrograma), this);
    producto->setObjectName(QStringLiteral("ProductName"));
    QFont letra = producto->font();
    letra.setBold(true);
    letra.setPointSize(letra.pointSize() + 4);
    producto->setFont(letra);
    version_ = new QLabel(this);
    version_->setObjectName(QStringLiteral("Version"));
    auto* fecha = new QLabel(QString::fromUtf8(texto::kFechaAcerca), this);
    fecha->setObjectName(QStringLiteral("Copyright"));
    datos->addWidget(producto);
    datos->addWidget(version_);
    datos->addWidget(fecha);
    datos->addStretch();
    fila->addWidget(imagen_);
    fila->addLayout(datos);
    columna->addLayout(fila);
    cerrar_ = new QPushButton(QString::fromUtf8(texto::kCerrar), this);
    cerrar_->setObjectName(QStringLiteral("OKButton"));
    cerrar_->setDefault(true);
    connect(cerrar_, &QPushButton::clicked, this, &QDialog::accept);
    columna->addWidget(cerrar_, 0, Qt::AlignHCenter);
}

void TAboutBox::abrir(const std::string& version, int azar) {
    version_->setText(QString::fromStdString(version));
    iniciar_recursos();
    logo_ = logo_al_azar(azar < 0 ? azar_0_99() : azar);
    imagen_->setPixmap(QPixmap(QString::fromLatin1(logo_)));
    open();
}

VentanaAyuda::VentanaAyuda(QWidget* padre) : QWidget(padre, Qt::Window) {
    setObjectName(QStringLiteral("Ayuda"));
    setWindowTitle(QString::fromUtf8(texto::kTituloAyuda));
    resize(640, 520);
    auto* columna = new QVBoxLayout(this);
    columna->setContentsMargins(0, 0, 0, 0);
    texto_ = new QTextBrowser(this);
    texto_->setOpenExternalLinks(false);
    columna->addWidget(texto_);
}

void VentanaAyuda::cargar(const std::string& fichero) {
    texto_->setHtml(QString::fromStdString(decodificar(leer_fichero(fichero))));
    texto_->moveCursor(QTextCursor::Start);
}

}  // namespace pc::ui
