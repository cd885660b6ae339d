// Historial para deshacer y rehacer. Después de cada orden (o trazo del ratón) se compara el
// tapiz con una copia de cómo estaba: rejilla entera, ancho y alto, paleta del tapiz y las
// puntadas que no son cruces (sólo si su versión cambió). Si algo de eso cambió se anota un
// paso con sólo lo que cambió; deshacer y rehacer intercambian esos valores con los del
// estado. El fichero del diseño (de dónde vino, en qué formato y si tiene ya lo que hay)
// también es del historial: un paso que deja otro diseño (abrir un fichero, generar desde una
// imagen) guarda el de antes, y deshacerlo lo devuelve, así "Grabar" nunca escribe un diseño en
// el fichero de otro. Sin Qt: lo usa la ventana y se mide aparte.
#pragma once
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "app/estado.h"

namespace pc {

// El fichero de un diseño: su ruta y la entrada de menú que lo vuelve a abrir (dice su
// formato). Sin ruta, un diseño nuevo ("Sin título").
struct FicheroDiseno {
    std::string ruta;
    std::string formato;
    bool operator==(const FicheroDiseno&) const = default;
};

class Historial {
public:
    static constexpr std::size_t kMaxPasos = 1000;
    static constexpr std::size_t kMaxBytes = std::size_t{256} << 20;  // 256 MB

    explicit Historial(std::size_t max_pasos = kMaxPasos, std::size_t max_bytes = kMaxBytes);
    ~Historial();
    Historial(const Historial&) = delete;
    Historial& operator=(const Historial&) = delete;

    // Toma el estado como punto de partida, del fichero `f`, y vacía el historial (sin
    // cambios por grabar).
    void empezar(const Estado& e, FicheroDiseno f = {});
    // Antes de una orden: recoge la paleta y el tamaño actuales (otras ventanas pueden
    // haberlos tocado). La rejilla se compara entera después, así que no se copia aquí.
    void antes(const Estado& e);
    // Después de una orden: si la rejilla, el tamaño o las otras puntadas cambiaron, anota un paso con ese
    // nombre, descarta lo que se podía rehacer y devuelve true. Un cambio sólo de la paleta
    // del tapiz no es un paso (es un dato derivado), pero queda recogido.
    bool anotar(const Estado& e, const std::string& nombre);
    // Después de una orden que deja otro diseño, el del fichero `f` (sin ruta: uno nuevo, "Sin
    // título"): anota el paso con el fichero de antes y el de ahora. Con `abierto` el diseño
    // es el que hay en `f` (sin cambios por grabar) y el paso se anota aunque el tapiz no
    // cambie; sin él (una generación), sólo si cambió, y queda por grabar. true si hubo paso.
    bool anotar_otro_diseno(const Estado& e, const std::string& nombre, FicheroDiseno f, bool abierto);

    bool puede_deshacer() const { return hecho_ > 0; }
    bool puede_rehacer() const { return hecho_ < pasos_.size(); }
    // Nombre del paso que se desharía / rehará ("" si no hay).
    std::string nombre_deshacer() const;
    std::string nombre_rehacer() const;
    // Devuelven false si no había nada que deshacer / rehacer.
    bool deshacer(Estado& e);
    bool rehacer(Estado& e);

    // El fichero del diseño que hay ahora.
    const FicheroDiseno& fichero() const { return fichero_; }
    // Tras grabar el diseño en `f`: ése es ya su fichero, sin cambios por grabar. Otro diseño
    // del historial que venía de ese mismo fichero deja de estar grabado (ya no es lo que hay
    // en él).
    void grabado_en(FicheroDiseno f);
    // Cambios sin grabar: el estado no es el que se grabó por última vez en su fichero.
    void marcar_grabado() { grabado_en(fichero_); }
    bool modificado() const;
    // El estado no corresponde a ningún fichero grabado (un diseño recuperado tras una caída).
    void marcar_sin_grabar() { id_grabado_ = 0; }
    // Cambia con cada paso anotado, deshecho o rehecho: dos valores iguales, el mismo tapiz.
    std::uint64_t version() const { return id_actual(); }

    std::size_t pasos() const { return pasos_.size(); }
    std::size_t bytes() const { return bytes_; }

private:
    struct Paso;
    struct CambioPuntadas;
    using Rejilla = std::array<std::array<Punto, kLadoRejilla>, kLadoRejilla>;

    // Anota el paso si el tapiz cambió (o siempre) y lo devuelve; nulo si no hubo paso.
    Paso* anotar_paso(const Estado& e, const std::string& nombre, bool siempre);
    // Intercambia los valores guardados en el paso con los del estado (y pone la copia al día).
    void intercambiar(Paso& p, Estado& e);
    void recortar();
    std::uint64_t id_actual() const;

    std::size_t max_pasos_, max_bytes_;
    std::unique_ptr<Rejilla> copia_;  // la rejilla tal como quedó tras el último paso
    std::string ancho_, alto_;
    std::unique_ptr<TablaHilos> paleta_;
    std::unique_ptr<Puntadas> puntadas_;  // las otras puntadas tal como quedaron
    std::deque<std::unique_ptr<Paso>> pasos_;
    std::size_t hecho_ = 0;   // pasos_[0..hecho_) están aplicados
    std::size_t bytes_ = 0;
    std::uint64_t siguiente_id_ = 1;
    std::uint64_t id_base_ = 0;     // id del estado anterior al paso más antiguo que queda
    std::uint64_t id_grabado_ = 0;  // id del estado que se grabó o se cargó en fichero_
    FicheroDiseno fichero_;
};

}  // namespace pc
