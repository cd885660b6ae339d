// La carpeta de datos del usuario. Un programa con cambios sin grabar muere de golpe (kill -9):
// al arrancar otra vez se ofrece el diseño, que vuelve punto por punto, marcado como sin grabar;
// grabarlo borra la copia. Y "Graba Paleta de Hilos DMC" escribe dmc_aux.dat allí (junto al
// programa instalado no se puede), y el diálogo de leer paletas se abre allí.
//
// El programa que muere es un proceso aparte: este mismo ejecutable de pruebas, arrancado con
// la variable PC_HIJO_RECUPERACION, que abre las ventanas del programa sin pantalla, pinta, deja
// la ventana (pierde el foco) y sigue en su bucle de mensajes hasta que lo matan.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <regex>
#include <sstream>

#include "ventana/lienzo.h"
#include "ventana/pcruz.h"
#include "ventana/preferencias.h"
#include "ventana/programa.h"
#include "ventana/recuperacion.h"
#include "tests/comun/guion.h"
#include "tests/ventana/comun_ui.h"

extern char** environ;

namespace pc::prueba {
namespace {

namespace fs = std::filesystem;

const char* const kVariableHijo = "PC_HIJO_RECUPERACION";

std::size_t copias(const std::string& carpeta) {
    std::size_t n = 0;
    std::error_code ec;
    for (const auto& f : fs::directory_iterator(carpeta, ec)) n += f.path().extension() == ".oxs";
    return n;
}

// El programa que muere. Sólo corre como hijo de la prueba de abajo.
TEST(RecuperacionVentana, ProgramaHijoConCambiosSinGrabar) {
    const char* datos = std::getenv(kVariableHijo);
    if (!datos) GTEST_SKIP() << "Sólo como programa hijo de la prueba de kill -9.";
    aplicacion();
    qputenv("XDG_DATA_HOME", datos);
    DialogosGuion g;
    ui::Programa p(g, "");
    ui::TForm2& f = p.principal();
    f.show();
    elegir(&f, "PintarPALETA1");
    const int s = f.estado().tam_celda;
    pulsar(f.lienzo_patron(), Qt::LeftButton, QPoint(19 * s + 1, 30 * s + 1));
    ASSERT_TRUE(f.historial().modificado());
    QEvent fuera(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(&f, &fuera);
    f.recuperacion().recuperacion().esperar();
    ASSERT_EQ(f.recuperacion().recuperacion().fallo(), "");

    std::ofstream esperado(std::string(datos) + "/esperado.txt");
    const Estado& e = f.estado();
    esperado << e.ancho << ' ' << e.alto << '\n';
    for (int y = 1; y <= 30; ++y)
        for (int x = 1; x <= 19; ++x) esperado << e.punto(x, y).color << '\n';
    esperado.close();
    std::cout << "\nlisto" << std::endl;
    // Hasta que lo maten (y, si nadie lo hace, un minuto como mucho).
    QTimer::singleShot(60000, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

TEST(RecuperacionVentana, TrasUnKillMenos9SeOfreceElDisenoPuntoPorPunto) {
    if (std::getenv(kVariableHijo)) GTEST_SKIP();
    QTemporaryDir carpeta;
    ASSERT_TRUE(carpeta.isValid());
    const std::string datos = carpeta.path().toStdString();
    const std::string recuperacion = datos + "/puntocruz/recuperacion";

    // El entorno del hijo se prepara antes del fork: entre fork y exec no se reserva memoria.
    std::vector<std::string> entorno;
    for (char** v = environ; *v; ++v) entorno.emplace_back(*v);
    entorno.push_back(std::string(kVariableHijo) + "=" + datos);
    entorno.push_back("XDG_CONFIG_HOME=" + datos);
    entorno.push_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (std::string& v : entorno) envp.push_back(v.data());
    envp.push_back(nullptr);
    std::string filtro = "--gtest_filter=RecuperacionVentana.ProgramaHijoConCambiosSinGrabar";
    char programa[] = "/proc/self/exe";
    char* argv[] = {programa, filtro.data(), nullptr};

    int tubo[2];
    ASSERT_EQ(::pipe(tubo), 0);
    const pid_t hijo = ::fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        ::dup2(tubo[1], STDOUT_FILENO);
        ::close(tubo[0]);
        ::execve(programa, argv, envp.data());
        ::_exit(127);
    }
    ::close(tubo[1]);
    std::string salida;
    while (salida.find("\nlisto\n") == std::string::npos) {
        pollfd p{tubo[0], POLLIN, 0};
        if (::poll(&p, 1, 60000) <= 0) break;
        char b[4096];
        const ssize_t n = ::read(tubo[0], b, sizeof b);
        if (n <= 0) break;
        salida.append(b, static_cast<std::size_t>(n));
    }
    ::kill(hijo, SIGKILL);
    int estado = 0;
    ::waitpid(hijo, &estado, 0);
    ::close(tubo[0]);
    ASSERT_NE(salida.find("\nlisto\n"), std::string::npos) << salida;
    ASSERT_TRUE(WIFSIGNALED(estado) && WTERMSIG(estado) == SIGKILL);
    ASSERT_EQ(copias(recuperacion), 1u);

    // El arranque siguiente pregunta antes del aviso y, con Sí, el diseño vuelve.
    aplicacion();
    qputenv("XDG_DATA_HOME", datos.c_str());
    DialogosGuion g;
    g.contestar(true);
    ui::Programa p(g, "");
    ui::TForm2& f = p.principal();
    ASSERT_EQ(g.llamadas().size(), 2u);
    EXPECT_EQ(g.llamadas()[0].tipo, Tipo::kPregunta);
    EXPECT_TRUE(std::regex_match(g.llamadas()[0].texto,
                                 std::regex("Se encontró un diseño sin grabar del \\d\\d/\\d\\d/\\d{4} a las "
                                            "\\d\\d:\\d\\d \\(Sin título\\)\\. ¿Desea recuperarlo\\?")))
        << g.llamadas()[0].texto;
    EXPECT_EQ(g.llamadas()[1].texto.rfind("AVISO:", 0), 0u);

    std::ifstream esperado(datos + "/esperado.txt");
    std::string ancho, alto;
    esperado >> ancho >> alto;
    EXPECT_EQ(f.estado().ancho, ancho);
    EXPECT_EQ(f.estado().alto, alto);
    int distintos = 0, negros = 0;
    for (int y = 1; y <= 30; ++y)
        for (int x = 1; x <= 19; ++x) {
            Color c = 0;
            esperado >> c;
            distintos += f.estado().punto(x, y).color != c;
            negros += c == 0;
        }
    EXPECT_TRUE(esperado.good());
    EXPECT_EQ(distintos, 0);
    EXPECT_EQ(negros, 1);  // el punto pintado antes de morir
    EXPECT_EQ(f.windowTitle().toStdString(), "Sin título* - Punto de Cruz by Tarvelo");

    // Grabar el diseño borra la copia. La copia guardó también el perfilado de la carta, que el
    // .pc no guarda: se graba igualmente.
    g.pulsar(1).fichero(datos + "/recuperado.pc");
    elegir(&f, "GrabarPuntoCruz1");
    f.recuperacion().recuperacion().esperar();
    EXPECT_EQ(copias(recuperacion), 0u);
    EXPECT_TRUE(fs::exists(datos + "/recuperado.pc"));
}

TEST(DatosDelUsuario, DmcAuxSeGrabaEnLaCarpetaDeDatosYElDialogoDeLeerloSeAbreAlli) {
    aplicacion();
    QTemporaryDir carpeta;
    qputenv("XDG_DATA_HOME", carpeta.path().toUtf8());
    DialogosGuion g;
    ui::Programa p(g, "");
    elegir(&p.principal(), "GrabaPaletadeHilosDMCdmcauxdat1");
    EXPECT_EQ(g.errores(), std::vector<std::string>{});
    const QString datos = carpeta.path() + QStringLiteral("/puntocruz");
    EXPECT_TRUE(fs::is_regular_file((datos + QStringLiteral("/dmc_aux.dat")).toStdString()));
    EXPECT_EQ(ui::carpeta_de(ui::clase_de_fichero("*.dat;*.txt")), datos);
}

}  // namespace
}  // namespace pc::prueba
