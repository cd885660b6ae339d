// Costumbres de escritorio de la ventana principal: soltar ficheros sobre ella, "Grabar"
// (Ctrl+S) al fichero abierto, la pregunta de salida con "Grabar", y los menús de la barra
// con Alt + su letra subrayada y con F10.
#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QShortcut>
#include <QUrl>

#include "ordenes/sesion/deshacer.h"
#include "ventana/pcruz.h"
#include "ventana/textos_ui.h"

namespace pc::ui {

namespace {

// Qué entrada de menú abre cada clase de fichero soltado (por su extensión, en minúsculas).
struct AlSoltar {
    const char* extension;
    const char* entrada;
};
constexpr AlSoltar kAlSoltar[] = {
    {"pc", "CargarPuntoCruz1"},
    {"pci", "CargarPtocRuzparaImprimirPCI1"},
    {"oxs", "ImportarOXS1"},
    {"bmp", "AbrirImagenBMP1"},
    {"png", "AbrirImagenBMP1"},
    {"jpg", "AbrirImagenBMP1"},
    {"jpeg", "AbrirImagenBMP1"},
};

const char* entrada_al_soltar(const QString& fichero) {
    const QString ext = QFileInfo(fichero).suffix().toLower();
    for (const AlSoltar& a : kAlSoltar)
        if (ext == QLatin1String(a.extension)) return a.entrada;
    return nullptr;
}

// Los ficheros locales que se saben abrir, en el orden en que llegan.
QStringList soltables(const QMimeData* datos) {
    QStringList ficheros;
    if (!datos || !datos->hasUrls()) return ficheros;
    for (const QUrl& url : datos->urls()) {
        const QString f = url.toLocalFile();
        if (!f.isEmpty() && entrada_al_soltar(f)) ficheros << f;
    }
    return ficheros;
}

// Con qué entrada se graba lo abierto por una entrada sin preguntar; nada si su formato no
// se escribe (los .pc viejos) o si no hay fichero.
const char* grabar_con(const std::string& reabrir) {
    if (reabrir == "CargarPuntoCruz1") return "GrabarPuntoCruz1";
    if (reabrir == "CargarPtocRuzparaImprimirPCI1") return "GrabarPtoCruzparaImprimir1";
    if (reabrir == "ImportarOXS1") return "ExportarOXS1";
    return nullptr;
}

// La letra subrayada de cada menú de la barra; el rótulo que se ve no cambia.
struct Mnemonico {
    const char* menu;
    const char* rotulo;
};
constexpr Mnemonico kMnemonicos[] = {
    {"Archivo1", "&Archivo"}, {"Edicin1", "&Edición"}, {"Opciones1", "&Opciones"},
    {"Ayuda1", "A&yuda"},     {"tiles1", "Ú&tiles"},   {"Utiles21", "Utiles&2"},
};

}  // namespace

void TForm2::crear_grabar() {
    auto* archivo = menuBar()->findChild<QMenu*>(QStringLiteral("Archivo1"));
    QAction* grabar_pc = archivo ? archivo->findChild<QAction*>(QStringLiteral("GrabarPuntoCruz1")) : nullptr;
    if (!grabar_pc) return;
    // Junto a "Grabar Punto Cruz", que sigue preguntando dónde.
    auto* a = new QAction(QString::fromUtf8(texto::kGrabar), archivo);
    a->setObjectName(QStringLiteral("Grabar1"));
    archivo->insertAction(grabar_pc, a);
    connect(a, &QAction::triggered, this, [this] { grabar(); });
}

bool TForm2::grabar() {
    // El fichero que dice el historial: tras deshacer una carga, el del diseño de antes.
    const FicheroDiseno f = historial_->fichero();
    const char* entrada = f.ruta.empty() ? nullptr : grabar_con(f.formato);
    if (!elegir_con_fichero(entrada ? entrada : "GrabarPuntoCruz1",
                            entrada ? std::optional<std::string>(f.ruta) : std::nullopt))
        return false;
    return anotados_.fichero() && !anotados_.fallo() && !historial_->modificado();
}

bool TForm2::puede_salir() {
    switch (preguntar_salida(dialogos_, historial_->modificado())) {
        case RespuestaSalir::kSi: return true;
        case RespuestaSalir::kNo: return false;
        case RespuestaSalir::kGrabar: return grabar();
    }
    return false;
}

void TForm2::abrir_soltados(const QStringList& ficheros) {
    for (const QString& f : ficheros) {
        if (const char* entrada = entrada_al_soltar(f)) abrir_reciente(QLatin1String(entrada), f);
    }
}

void TForm2::dragEnterEvent(QDragEnterEvent* ev) {
    if (!soltables(ev->mimeData()).isEmpty()) ev->acceptProposedAction();
}

void TForm2::dropEvent(QDropEvent* ev) {
    const QStringList ficheros = soltables(ev->mimeData());
    if (ficheros.isEmpty()) return;
    ev->acceptProposedAction();
    abrir_soltados(ficheros);
}

void TForm2::poner_mnemonicos() {
    for (QAction* a : menuBar()->actions()) {
        for (const Mnemonico& m : kMnemonicos)
            if (a->objectName() == QLatin1String(m.menu)) a->setText(QString::fromUtf8(m.rotulo));
    }
    // F10 abre el primer menú de la barra, como en los demás programas de escritorio.
    auto* f10 = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(f10, &QShortcut::activated, this, [this] {
        const QList<QAction*> menus = menuBar()->actions();
        if (!menus.isEmpty()) menuBar()->setActiveAction(menus.first());
    });
    setAcceptDrops(true);
}

}  // namespace pc::ui
