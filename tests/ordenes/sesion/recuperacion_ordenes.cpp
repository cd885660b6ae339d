// La recuperación al arrancar como sesión de usuario: la pregunta con el día, la hora y el
// nombre; No y después borrarla o no; Sí y el diseño vuelve punto por punto; y la copia de
// este programa, grabada en otro hilo, se borra al salir.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <random>

#include "ordenes/sesion/recuperacion.h"
#include "pattern/puntadas_tapiz.h"
#include "tests/comun/banco.h"
#include "tests/files/ayuda_ficheros.h"

namespace pc {
namespace {

namespace fs = std::filesystem;
using prueba::Tipo;

// Un tapiz de 700 x 700 al azar (siempre el mismo), con un lado perfilado, un medio punto, un
// pespunte y un nudo, que la copia también guarda.
void tapiz_al_azar(Estado& e) {
    std::mt19937 azar(7);
    e.ancho = "700";
    e.alto = "700";
    for (int x = 1; x <= 700; ++x)
        for (int y = 1; y <= 700; ++y) e.punto(x, y) = {static_cast<Color>(azar() % 8 * 0x1F1F1F), {-1, -1, -1, -1}};
    e.punto(3, 3).lado(kArriba) = 0x1F1F1F;
    poner_parcial(e, Parcial{5, 5, TipoParcial::kMedio, Diagonal::kBarra, Esquina::kArribaIzquierda, 0x3E3E3E});
    poner_pespunte(e, Linea{0, 0, 7, 3, 0x1F1F1F, 2});
    poner_nudo(e, Nudo{9, 9, 0, 3});
}

// Un programa que graba su copia y muere sin salir bien (un proceso hijo que no borra nada).
void programa_que_muere(const std::string& carpeta, const std::string& original) {
    const pid_t hijo = ::fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        prueba::BancoOrdenes<> b;
        tapiz_al_azar(b.e);
        auto* r = new Recuperacion(carpeta);  // nunca se destruye: no hay salida limpia
        r->grabar(b.e, original, "");
        r->esperar();
        ::_exit(r->fallo().empty() ? 0 : 1);
    }
    int estado = 0;
    ::waitpid(hijo, &estado, 0);
    ASSERT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
}

std::size_t copias(const std::string& carpeta) {
    std::size_t n = 0;
    for (const auto& f : fs::directory_iterator(carpeta)) n += f.path().extension() == ".oxs";
    return n;
}

TEST(Recuperacion, LaPreguntaDiceElDiaLaHoraYElNombre) {
    ::setenv("TZ", "UTC", 1);
    ::tzset();
    EXPECT_EQ(pregunta_recuperacion({"/home/ana/diseño.pc", 1709629620, ""}),
              "Se encontró un diseño sin grabar del 05/03/2024 a las 09:07 (diseño.pc). ¿Desea recuperarlo?");
    EXPECT_EQ(pregunta_recuperacion({"", 1709629620 + 6 * 3600, "/f.bmp"}),
              "Se encontró un diseño sin grabar del 05/03/2024 a las 15:07 (Sin título). ¿Desea recuperarlo?");
    // La ruta viene de un fichero de la carpeta de recuperación: sus caracteres de control no
    // llegan a la pregunta.
    EXPECT_EQ(pregunta_recuperacion({"/home/ana/a\nb\x1b[2J\x7f.pc", 1709629620, ""}),
              "Se encontró un diseño sin grabar del 05/03/2024 a las 09:07 (a?b?[2J?.pc). ¿Desea recuperarlo?");
}

TEST(Recuperacion, NoSeBorraONoYSiVuelveElDisenoPuntoPorPunto) {
    prueba::CarpetaTemporal c;
    const std::string carpeta = c / "recuperacion";
    const std::string kBorrar =
        "¿Desea borrar el diseño sin grabar? Si contesta No, se le volverá a ofrecer la próxima vez que arranque "
        "el programa.";
    programa_que_muere(carpeta, "/home/ana/diseño.pc");

    // No, y no borrarla: sigue ahí para la próxima vez.
    {
        prueba::BancoOrdenes<> b;
        b.d.contestar(false).contestar(false);
        Recuperacion r(carpeta);
        EXPECT_EQ(r.ofrecer(b.s), std::nullopt);
        ASSERT_EQ(b.d.llamadas().size(), 2u);
        EXPECT_EQ(b.d.llamadas()[0].tipo, Tipo::kPregunta);
        EXPECT_EQ(b.d.llamadas()[0].titulo, "Punto de Cruz");
        EXPECT_EQ(b.d.llamadas()[1].texto, kBorrar);
        EXPECT_EQ(b.e.ancho, "60");
    }
    EXPECT_EQ(copias(carpeta), 1u);

    // Sí: el tapiz entero vuelve, con el nombre del original en la barra de estado.
    {
        prueba::BancoOrdenes<> b;
        b.d.contestar(true);
        Recuperacion r(carpeta);
        const auto d = r.ofrecer(b.s);
        ASSERT_TRUE(d.has_value());
        EXPECT_EQ(d->original, "/home/ana/diseño.pc");
        EXPECT_EQ(b.d.mensajes(), std::vector<std::string>{"Se cambia el tamaño de la rejilla 2"});
        const auto esperado = crear_estado();
        tapiz_al_azar(*esperado);
        EXPECT_EQ(b.e.ancho, "700");
        EXPECT_EQ(b.e.alto, "700");
        int distintos = 0;
        for (int x = 1; x <= 700; ++x)
            for (int y = 1; y <= 700; ++y) distintos += b.e.punto(x, y).color != esperado->punto(x, y).color;
        EXPECT_EQ(distintos, 0);
        EXPECT_EQ(b.e.punto(3, 3).lado(kArriba), 0x1F1F1F);
        EXPECT_TRUE(b.e.puntadas == esperado->puntadas);
        EXPECT_EQ(b.e.puntadas.lineas().size(), 1u);
        EXPECT_EQ(b.v.paneles[2], "/home/ana/diseño.pc");
        EXPECT_EQ(b.e.fichero_abierto, "/home/ana/diseño.pc");
        // Ahora es la copia de este programa: se graba encima, y al salir se borra.
        EXPECT_TRUE(r.hay_copia());
        b.e.punto(1, 1).color = 0x0000FF;
        r.grabar(b.e, "/home/ana/diseño.pc", "");
        r.esperar();
        EXPECT_EQ(copias(carpeta), 1u);
    }
    EXPECT_EQ(copias(carpeta), 0u);

    // No, y borrarla.
    programa_que_muere(carpeta, "");
    {
        prueba::BancoOrdenes<> b;
        b.d.contestar(false).contestar(true);
        Recuperacion r(carpeta);
        EXPECT_EQ(r.ofrecer(b.s), std::nullopt);
        EXPECT_EQ(copias(carpeta), 0u);
    }
}

}  // namespace
}  // namespace pc
