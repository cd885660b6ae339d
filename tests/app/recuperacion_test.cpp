// El texto que acompaña a cada copia de recuperación y los cerrojos que separan las copias de
// los programas abiertos de las que dejó un programa caído.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/recuperacion.h"
#include "tests/files/ayuda_ficheros.h"

namespace pc {
namespace {

namespace fs = std::filesystem;

TEST(TextoRecuperacion, IdaYVueltaConCualquierRutaYNadaDeLoQueNoLoEs) {
    const DatosRecuperacion d{"/home/ana/dise\xC3\xB1o\\ con\nsalto=y\r.pc", 1709629620, "/fotos/taza.bmp"};
    const std::string t = texto_recuperacion(d);
    EXPECT_EQ(t, "puntocruz-recuperacion 1\noriginal=/home/ana/dise\xC3\xB1o\\\\ con\\nsalto=y\\r.pc\n"
                 "hora=1709629620\nimagen=/fotos/taza.bmp\n");
    EXPECT_EQ(leer_texto_recuperacion(t), d);
    // Con fines de línea de Windows, claves desconocidas y sin rutas, también.
    EXPECT_EQ(leer_texto_recuperacion("puntocruz-recuperacion 1\r\notra=cosa\r\nhora=-5\r\n"),
              (DatosRecuperacion{"", -5, ""}));
    for (const char* malo : {"", "puntocruz-recuperacion 2\nhora=1\n", "puntocruz-recuperacion 1\n",
                             "puntocruz-recuperacion 1\nhora=12x\n", "puntocruz-recuperacion 1\nhora=\n",
                             "puntocruz-recuperacion 1\nhora=99999999999999999999\n",
                             "puntocruz-recuperacion 1\nhora=1\noriginal=a\\\n", "puntocruz-recuperacion 1\nhora=1\nimagen=\\t\n"})
        EXPECT_EQ(leer_texto_recuperacion(malo), std::nullopt) << malo;
}

// Cada programa tiene su copia con su cerrojo: otro programa nunca la ofrece ni la toca. La de
// un programa que murió sin borrarla (aquí un proceso hijo que sale sin más) se ofrece, una sola
// vez aunque dos programas arranquen a la vez; los restos sin patrón se borran.
TEST(CopiaRecuperacion, LaDeUnProgramaVivoNoSeOfreceYLaDeUnoMuertoSi) {
    prueba::CarpetaTemporal c;
    const std::string carpeta = c / "datos/puntocruz/recuperacion";
    const auto viva = CopiaRecuperacion::nueva(carpeta);
    viva->grabar("patrón vivo", {"/a/vivo.pc", 100, ""});
    EXPECT_EQ(fs::status(carpeta).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_TRUE(CopiaRecuperacion::abandonadas(carpeta).empty());

    for (const std::int64_t hora : {200, 300}) {
        const pid_t hijo = ::fork();
        ASSERT_GE(hijo, 0);
        if (hijo == 0) {
            CopiaRecuperacion::nueva(carpeta)->grabar("patrón " + std::to_string(hora), {"/a/muerto.pc", hora, ""});
            ::_exit(0);  // sin destructores: el sistema suelta el cerrojo, los ficheros quedan
        }
        ::waitpid(hijo, nullptr, 0);
    }
    { std::ofstream(carpeta + "/resto0000001.cerrojo"); }
    { std::ofstream(carpeta + "/resto0000002.txt") << "puntocruz-recuperacion 1\nhora=1\n"; }
    { std::ofstream(carpeta + "/notas.txt") << "del usuario"; }

    auto lista = CopiaRecuperacion::abandonadas(carpeta);
    ASSERT_EQ(lista.size(), 2u);
    EXPECT_EQ(lista[0]->datos(), (DatosRecuperacion{"/a/muerto.pc", 300, ""}));
    EXPECT_EQ(prueba::leer_bytes(lista[0]->ruta_patron()), "patrón 300");
    EXPECT_EQ(lista[1]->datos().hora, 200);
    EXPECT_TRUE(CopiaRecuperacion::abandonadas(carpeta).empty());  // ya las tiene este programa
    EXPECT_FALSE(fs::exists(carpeta + "/resto0000001.cerrojo"));
    EXPECT_FALSE(fs::exists(carpeta + "/resto0000002.txt"));
    EXPECT_TRUE(fs::exists(carpeta + "/notas.txt"));

    // Una copia sin texto (o con uno que no se entiende) se ofrece con la hora de su patrón.
    ASSERT_TRUE(lista[1]->ruta_patron().ends_with(".oxs"));
    fs::remove(lista[1]->ruta_patron().substr(0, lista[1]->ruta_patron().size() - 4) + ".txt");
    lista[0]->borrar();
    lista.clear();
    lista = CopiaRecuperacion::abandonadas(carpeta);
    ASSERT_EQ(lista.size(), 1u);
    EXPECT_EQ(lista[0]->datos().original, "");
    EXPECT_GT(lista[0]->datos().hora, 1'000'000'000);
    EXPECT_EQ(prueba::leer_bytes(viva->ruta_patron()), "patrón vivo");

    // La copia .pc de una versión anterior se sigue ofreciendo.
    { std::ofstream(carpeta + "/vieja0000001.pc") << "patrón viejo"; }
    const auto viejas = CopiaRecuperacion::abandonadas(carpeta);
    ASSERT_EQ(viejas.size(), 1u);
    EXPECT_EQ(viejas[0]->ruta_patron(), carpeta + "/vieja0000001.pc");
}

}  // namespace
}  // namespace pc
