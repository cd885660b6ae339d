#include "ventana/barra_herramientas.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>

#include "ordenes/sesion/herramientas.h"
#include "render/muestras.h"
#include "threads/emparejar.h"
#include "ventana/iconos.h"
#include "ventana/lienzo.h"
#include "ventana/lienzo_patron.h"
#include "ventana/pcruz.h"
#include "ventana/textos_ui.h"

namespace pc::ui {

namespace {

constexpr int kLadoMuestra = 26;

template <Herramienta H>
void elegir(Sesion& s) {
    elegir_herramienta(s, H);
}
template <Herramienta H>
bool activa(const Estado& e) {
    return herramienta_activa(e) == H;
}
template <Herramienta H>
EntradaMenu herramienta(const char* nombre, const char* texto) {
    return {0, nombre, texto, elegir<H>, activa<H>, Accion::kNinguna, true};
}

// Las herramientas como entradas de menú: se eligen por el mismo camino que los menús y su
// marca (pulsada) sale del estado.
const std::vector<EntradaMenu>& tabla_herramientas() {
    static const std::vector<EntradaMenu> t = {
        herramienta<Herramienta::kPincel>("HerramientaPincel", "Pincel"),
        herramienta<Herramienta::kRelleno>("HerramientaRelleno", "Relleno"),
        herramienta<Herramienta::kCuentagotas>("HerramientaCuentagotas", "Cuentagotas"),
        herramienta<Herramienta::kZona>("HerramientaZona", "Zona"),
        herramienta<Herramienta::kPerfilar>("HerramientaPerfilar", "Perfilar"),
        herramienta<Herramienta::kMedioPunto>("HerramientaMedioPunto", "Medio punto"),
        herramienta<Herramienta::kCuarto>("HerramientaCuarto", "Cuarto"),
        herramienta<Herramienta::kTresCuartos>("HerramientaTresCuartos", "Tres cuartos"),
        herramienta<Herramienta::kPetit>("HerramientaPetit", "Petit"),
        herramienta<Herramienta::kPespunte>("HerramientaPespunte", "Pespunte"),
        herramienta<Herramienta::kNudo>("HerramientaNudo", "Nudo"),
        herramienta<Herramienta::kGoma>("HerramientaGoma", "Goma"),
    };
    return t;
}

struct Pista {
    const char* nombre;
    Icono icono;
    const char* pista;
};
constexpr Pista kPistas[] = {
    {"HerramientaPincel", Icono::kPincel, "Pincel (B): el botón izquierdo pinta con el color actual"},
    {"HerramientaRelleno", Icono::kRelleno,
     "Relleno (F): un clic rellena desde ese punto, como \"Rellenar Color (MACIZO)\""},
    {"HerramientaCuentagotas", Icono::kCuentagotas,
     "Cuentagotas (I): un clic toma el color del punto, como \"Seleccionar Color\""},
    {"HerramientaZona", Icono::kZona, "Zona (Z): arrastra un rectángulo para marcar la zona de trabajo"},
    {"HerramientaPerfilar", Icono::kPerfilar,
     "Perfilar (P), la marca \"Perfilando\": un clic perfila el área como \"Perfilar\" > \"Todo\"; "
     "con lados marcados en Útiles > Perfilar, el botón izquierdo pone esos lados"},
    {"HerramientaMedioPunto", Icono::kMedioPunto,
     "Medio punto (H): la diagonal sigue al cuarto de la celda bajo el puntero; con Mayús, la del anterior"},
    {"HerramientaCuarto", Icono::kCuarto, "Cuarto (Q): un cuarto de punto en la esquina bajo el puntero"},
    {"HerramientaTresCuartos", Icono::kTresCuartos,
     "Tres cuartos (T): medio punto con un cuarto en la esquina bajo el puntero"},
    {"HerramientaPetit", Icono::kPetit, "Petit (G): una cruz pequeña en el cuarto de la celda bajo el puntero"},
    {"HerramientaPespunte", Icono::kPespunte,
     "Pespunte (L): clic tras clic de punto en punto de la red (esquinas, mitades de lado y centros); "
     "Esc o el botón derecho acaban la línea"},
    {"HerramientaNudo", Icono::kNudo, "Nudo (K): un nudo francés en el punto de la red más cercano"},
    {"HerramientaGoma", Icono::kGoma, "Goma (E): quita la puntada bajo el puntero, de cualquier clase"},
    {"Deshacer1", Icono::kDeshacer, nullptr},
    {"Rehacer1", Icono::kRehacer, nullptr},
    {"Acercar1", Icono::kAcercar, nullptr},
    {"Alejar1", Icono::kAlejar, nullptr},
    {"Ajustar1", Icono::kAjustar, nullptr},
};

const Pista* pista_de(const QString& nombre) {
    for (const Pista& p : kPistas)
        if (nombre == QLatin1String(p.nombre)) return &p;
    return nullptr;
}

}  // namespace

BarraHerramientas::BarraHerramientas(TForm2& principal, const AlElegir& al_elegir, Acciones& acciones)
    : QToolBar(QString::fromUtf8(texto::kHerramientas), &principal), principal_(principal) {
    setObjectName(QStringLiteral("BarraHerramientas"));
    setIconSize(QSize(24, 24));
    QActionGroup* grupo = nullptr;
    for (const EntradaMenu& en : tabla_herramientas()) crear_accion(this, en, al_elegir, acciones, grupo);
    addSeparator();
    // Las acciones del menú Edición, las mismas: su rótulo y su estado siguen al historial.
    constexpr const char* kEdicion[] = {"Deshacer1", "Rehacer1", nullptr, "Acercar1", "Alejar1", "Ajustar1"};
    for (const char* nombre : kEdicion) {
        if (!nombre) {
            addSeparator();
            continue;
        }
        if (QAction* a = principal.findChild<QAction*>(QLatin1String(nombre))) addAction(a);
    }
    for (QAction* a : actions()) {
        const Pista* p = pista_de(a->objectName());
        if (!p) continue;
        if (a->icon().isNull() || a->objectName().startsWith(QLatin1String("Herramienta"))) a->setIcon(icono(p->icono));
        if (p->pista) a->setToolTip(QString::fromUtf8(p->pista));
    }
    addSeparator();
    // "Ver símbolos": sólo cambia lo que se ve, no el diseño.
    auto* simbolos = addAction(QString::fromUtf8(texto::kVerSimbolos));
    simbolos->setObjectName(QStringLiteral("VerSimbolos"));
    simbolos->setCheckable(true);
    simbolos->setToolTip(QString::fromUtf8(texto::kPistaVerSimbolos));
    connect(simbolos, &QAction::toggled, this, [this](bool si) { principal_.vista_patron()->ver_simbolos(si); });
    addSeparator();
    // El color actual: muestra grande y nombre del hilo.
    auto* color = new QWidget(this);
    color->setObjectName(QStringLiteral("ColorActual"));
    color->setToolTip(QString::fromUtf8(texto::kColorActual));
    auto* fila = new QHBoxLayout(color);
    fila->setContentsMargins(6, 0, 6, 0);
    muestra_ = new QLabel(color);
    nombre_ = new QLabel(color);
    fila->addWidget(muestra_);
    fila->addWidget(nombre_);
    addWidget(color);
}

void BarraHerramientas::sincronizar(const Estado& e) {
    const std::string nombre = nombre_hilo(e, e.color_actual);
    if (e.color_actual != color_ || nombre != nombre_mostrado_) {
        color_ = e.color_actual;
        nombre_mostrado_ = nombre;
        muestra_->setPixmap(QPixmap::fromImage(imagen_muestra(color_, kLadoMuestra)));
        nombre_->setText(QString::fromStdString(nombre));
    }
    const int h = static_cast<int>(herramienta_activa(e));
    if (h != herramienta_) {
        herramienta_ = h;
        principal_.lienzo_patron()->setCursor(puntero(herramienta_activa(e)));
    }
}

QString BarraHerramientas::nombre_color() const { return nombre_->text(); }

}  // namespace pc::ui
