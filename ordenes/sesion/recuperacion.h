// La recuperación de un diseño sin grabar tras una caída: la copia que se graba mientras hay
// cambios (copiada del tapiz en el hilo de las ventanas, codificada y grabada en otro hilo para
// no detenerlas) y lo que se hace al arrancar con las copias abandonadas.
#pragma once
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "app/recuperacion.h"
#include "ordenes/sesion/sesion.h"

namespace pc {

// "Se encontró un diseño sin grabar del DÍA a las HORA (NOMBRE). ¿Desea recuperarlo?", con la
// fecha y la hora locales de la copia y el nombre del fichero original ("Sin título" si no lo
// tenía).
std::string pregunta_recuperacion(const DatosRecuperacion& d);

class Recuperacion {
public:
    explicit Recuperacion(std::string carpeta = carpeta_recuperacion());
    // Salida limpia: termina lo que se estaba grabando y borra la copia de este programa.
    ~Recuperacion();
    Recuperacion(const Recuperacion&) = delete;
    Recuperacion& operator=(const Recuperacion&) = delete;

    // Al arrancar, antes del aviso: ofrece las copias abandonadas, la más reciente primero. Sí
    // la carga en el diseño (y su imagen en el visor, si sigue ahí), la hace la copia de este
    // programa y devuelve sus datos; No pregunta si se borra y pasa a la siguiente.
    std::optional<DatosRecuperacion> ofrecer(Sesion& s);

    // Copia las columnas del tapiz (en este hilo: unos milisegundos en un tapiz de 700 x 700) y
    // la graba en el otro hilo. Si aún se está grabando la anterior, ésta espera su turno y
    // reemplaza a cualquier otra que esperase. Un tamaño que no es válido no se copia.
    void grabar(const Estado& e, const std::string& original, const std::string& imagen);
    // Borra la copia de este programa (en el otro hilo, después de lo que esté grabando).
    void borrar();
    // Espera a que el otro hilo termine lo pendiente.
    void esperar();
    // Hay una copia de este programa en el disco o por grabar.
    bool hay_copia() const;
    // El último fallo al grabar la copia, como texto para la barra de estado, una sola vez
    // (vacío si no lo hubo).
    std::string fallo();

private:
    struct Trabajo;
    void hilo();
    void encargar(std::unique_ptr<Trabajo> t);

    const std::string carpeta_;
    mutable std::mutex m_;
    std::condition_variable cv_;
    std::unique_ptr<Trabajo> pendiente_;
    bool ocupado_ = false;
    bool fin_ = false;
    bool hay_copia_ = false;
    std::string fallo_;
    std::unique_ptr<CopiaRecuperacion> copia_;  // la toca sólo el otro hilo mientras vive
    std::thread hilo_;
};

}  // namespace pc
