#include "lote/patron_lote.h"

#include <iostream>

#include "app/errores.h"
#include "app/texto.h"
#include "files/fichero_pc.h"
#include "ordenes/ficheros/ficheros_patron.h"
#include "ordenes/ficheros/oxs.h"

namespace pc::lote {

bool cargar_patron(Entorno& ent, const std::string& ruta, int formato) {
    Sesion& s = ent.sesion;
    if (es_oxs(ruta)) {
        bool leido = false;
        return ent.ejecutar([&] { leido = cargar_oxs(s, ruta); }) && leido;
    }
    if (!es_pci(ruta)) {
        bool leido = false;
        return ent.ejecutar([&] { leido = cargar_pc_leido(s, ruta, formato); }) && leido;
    }
    bool leido = true;
    const bool ok = ent.ejecutar([&] {
        try {
            cargar_pci(s, ruta);
        } catch (const Error& err) {
            leido = false;
            // El mismo aviso que la ventana y, si el fichero sí se abrió, el detalle del formato.
            std::cerr << mensaje_carga_fallida("ERROR al leer el fichero", err) << '\n';
            if (!dynamic_cast<const ErrorFichero*>(&err)) std::cerr << err.what() << '\n';
        }
    });
    return ok && leido;
}

bool grabar_patron(Entorno& ent, const std::string& ruta, const std::string& titulo) {
    return ent.ejecutar([&] {
        if (es_oxs(ruta)) {
            exportar_oxs_en(ent.sesion, ruta, titulo);
        } else if (es_pci(ruta)) {
            if (const std::string aviso = aviso_no_guarda(*ent.estado, ".pci"); !aviso.empty() && !ent.estado->puntadas.vacia())
                std::cerr << aviso << " Para conservarlo, conviértalo a .oxs.\n";
            grabar_pci_en(ent.sesion, ruta);
        } else {
            // Sin nadie a quien preguntar, el aviso de la ventana va a stderr y se graba.
            if (const std::string aviso = aviso_no_guarda(*ent.estado, ".pc"); !aviso.empty())
                std::cerr << aviso << " Para conservarlo, conviértalo a .oxs.\n";
            grabar_pc_en(ent.sesion, ruta);
        }
    });
}

Captura::Captura(Entorno& ent) {
    ent.vista.eco_memo = &memo;
    ent.dialogos.salida_mensajes = &mensajes;
}

void Captura::escribir_cambios() const {
    // Cada par da una línea, también en las pasadas que luego borra la lista siguiente.
    int cambios = 0;
    for (const std::string& l : partir_lineas(memo.str())) {
        if (l.find(" cambiar por ") == std::string::npos) continue;
        std::cout << l << '\n';
        ++cambios;
    }
    std::cout << "Cambios recomendados: " << cambios << '\n';
    for (const std::string& l : partir_lineas(mensajes.str()))
        if (l.rfind("Cambios recomendados: ", 0) != 0) std::cerr << l << '\n';
}

}  // namespace pc::lote
