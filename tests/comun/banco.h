// Banco de pruebas de las órdenes: un estado con los valores de arranque y los textos de
// los catálogos, los diálogos con guion, la vista que registra y una imagen.
#pragma once
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>

#include "app/estado.h"
#include "app/imagen_memoria.h"
#include "ordenes/sesion/sesion.h"
#include "tests/comun/guion.h"
#include "threads/catalogo.h"
#include "threads/datos.h"
#include "threads/emparejar.h"

namespace pc::prueba {

// Marca DMC y carga su catálogo incorporado en hilos, como al mostrarse la ventana.
inline void cargar_dmc(Estado& e) {
    e.marca = "DMC";
    leer_catalogo(e.texto_dmc, e.hilos, e.titulo_columna);
}

// El hilo de la tabla con ese número; si no está, la prueba se corta con una excepción.
inline Hilo& hilo_numero(Estado& e, int numero) {
    const int i = buscar_numero(numero, e.hilos);
    if (i == 0) throw std::runtime_error("no está el hilo " + std::to_string(numero));
    return e.hilos[i];
}

template <class ImagenT = ImagenMemoria>
struct BancoOrdenes {
    std::unique_ptr<Estado> estado = crear_estado();
    Estado& e = *estado;
    DialogosGuion d;
    VistaRegistro v;
    ImagenT img;
    Sesion s{e, d, v, img};

    template <class... A>
    explicit BancoOrdenes(A&&... args) : img(std::forward<A>(args)...) {
        valores_iniciales(e);
        poner_textos_incorporados(e);
    }
    void cargar_dmc() { prueba::cargar_dmc(e); }
    // Ejecuta como la ventana: los errores van a la presentación de errores.
    bool orden(const std::function<void()>& f) { return ejecutar(d, f); }
};

}  // namespace pc::prueba
