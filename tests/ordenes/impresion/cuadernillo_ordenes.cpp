// "Exportar Patrón PDF..." como lo vive el usuario: el nombre del PDF, lo que llega a la vista
// (título, zona, destino), el aviso en la barra de estado, las opciones fuera de rango antes de
// preguntar nada, cancelar a medias y un fichero que no se puede escribir.
#include <gtest/gtest.h>

#include "app/errores.h"
#include "ordenes/impresion/cuadernillo.h"
#include "tests/comun/banco.h"

namespace pc {
namespace {

using prueba::Tipo;

struct VistaCuadernillo : prueba::VistaRegistro {
    std::vector<TrabajoCuadernillo> trabajos;
    bool seguir = true;
    bool fallar = false;
    bool imprimir_cuadernillo(const TrabajoCuadernillo& t) override {
        if (fallar) throw ErrorFichero("Cannot create file \"/no/x.pdf\". No such file or directory");
        trabajos.push_back(t);
        return seguir;
    }
};

struct OrdenCuadernillo : ::testing::Test {
    prueba::BancoOrdenes<> b;
    VistaCuadernillo v;
    Sesion s{b.e, b.d, v, b.img};

    void SetUp() override {
        b.cargar_dmc();
        b.e.ancho = "30";
        b.e.alto = "20";
        for (int x = 1; x <= 30; ++x)
            for (int y = 1; y <= 20; ++y) b.e.punto(x, y) = Punto{b.e.hilos[1 + x % 2].color, {-1, -1, -1, -1}};
        b.e.fichero_abierto = "/home/ana/gato.v2.pc";
    }
};

TEST_F(OrdenCuadernillo, ExportarPideElPdfYAvisaEnLaBarraDeEstado) {
    b.d.fichero(std::nullopt);
    ASSERT_TRUE(b.orden([&] { exportar_cuadernillo(s); }));
    EXPECT_TRUE(v.trabajos.empty());

    b.e.cuadernillo.zona = true;
    b.e.zona_x1 = "5", b.e.zona_y1 = "2", b.e.zona_x2 = "25", b.e.zona_y2 = "9";
    b.d.fichero("/tmp/gato.pdf");
    ASSERT_TRUE(b.orden([&] { exportar_cuadernillo(s); }));
    ASSERT_EQ(b.d.llamadas().back().tipo, Tipo::kGuardar);
    EXPECT_EQ(b.d.llamadas().back().texto, "Documento PDF|*.pdf|Todos los Archivos|*.*");
    ASSERT_EQ(v.trabajos.size(), 1u);
    const TrabajoCuadernillo& t = v.trabajos[0];
    EXPECT_EQ(t.titulo, "gato.v2");
    EXPECT_EQ(t.destino.fichero_pdf, "/tmp/gato.pdf");
    EXPECT_EQ(t.tapiz, (Rango{5, 2, 25, 9}));
    EXPECT_EQ(t.leyenda.size(), 2u);
    EXPECT_EQ(v.paneles[0], "Patrón escrito en /tmp/gato.pdf (3 páginas).");
    EXPECT_EQ(resumen_cuadernillo(s), "3 páginas: la portada, 1 del gráfico y 1 de leyenda.");
}

TEST_F(OrdenCuadernillo, OpcionesFueraDeRangoNoPreguntanNada) {
    b.e.cuadernillo.celda_mm = 1.5;
    EXPECT_FALSE(b.orden([&] { exportar_cuadernillo(s); }));
    b.e.cuadernillo.celda_mm = 3;
    b.e.cuadernillo.solape = 11;
    EXPECT_FALSE(b.orden([&] { imprimir_cuadernillo(s); }));
    EXPECT_EQ(b.d.errores(), (std::vector<std::string>{"El lado de la celda debe estar entre 2,0 y 10,0 mm.",
                                                        "El solape debe estar entre 0 y 10 puntos."}));
    EXPECT_EQ(resumen_cuadernillo(s), "El solape debe estar entre 0 y 10 puntos.");
    EXPECT_TRUE(v.trabajos.empty());
}

TEST_F(OrdenCuadernillo, CanceladoOFicheroQueNoSePuedeEscribir) {
    v.seguir = false;
    b.d.fichero("/tmp/gato.pdf");
    ASSERT_TRUE(b.orden([&] { exportar_cuadernillo(s); }));
    EXPECT_EQ(v.paneles[0], "Patrón cancelado.");

    v.fallar = true;
    b.d.fichero("/no/x.pdf");
    EXPECT_FALSE(b.orden([&] { exportar_cuadernillo(s); }));
    EXPECT_EQ(b.d.errores().back(),
              "No se puede escribir el patrón en \"/no/x.pdf\".\nCannot create file \"/no/x.pdf\". No such file or "
              "directory");
}

}  // namespace
}  // namespace pc
