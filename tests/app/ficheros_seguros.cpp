// Lecturas comprobadas y grabaciones seguras: lo que el usuario tiene en el disco nunca se
// pierde ni se estropea, y cada fallo se dice.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/errores.h"
#include "app/ficheros.h"
#include "tests/files/ayuda_ficheros.h"

namespace pc {
namespace {

namespace fs = std::filesystem;

using Carpeta = prueba::CarpetaTemporal;

// Nombres de la carpeta, en orden.
std::vector<std::string> nombres(const fs::path& carpeta) {
    std::vector<std::string> v;
    for (const auto& f : fs::directory_iterator(carpeta)) v.push_back(f.path().filename().string());
    std::sort(v.begin(), v.end());
    return v;
}


int descriptores_abiertos() {
    int n = 0;
    for ([[maybe_unused]] const auto& f : fs::directory_iterator("/proc/self/fd")) ++n;
    return n;
}

std::string mensaje_de_grabar(const std::string& ruta, const std::string& bytes) {
    try {
        escribir_fichero(ruta, bytes);
    } catch (const ErrorFichero& err) {
        return err.what();
    }
    return "";
}

std::string mensaje_de_leer(const std::string& ruta, std::string* aviso = nullptr) {
    try {
        leer_fichero(ruta);
    } catch (const ErrorLectura& err) {
        if (aviso) *aviso = err.aviso();
        return err.what();
    }
    return "";
}

TEST(LeerFichero, RechazaLoQueNoEsUnFicheroLoEnormeYLosErroresDeLectura) {
    Carpeta c;
    std::string aviso;
    EXPECT_EQ(mensaje_de_leer(c / "falta.pc", &aviso), "Cannot open file \"" + (c / "falta.pc") + "\". No existe el fichero o la carpeta");
    EXPECT_EQ(aviso, "El fichero \"" + (c / "falta.pc") + "\" no existe");
    EXPECT_EQ(mensaje_de_leer(c.ruta().string()), "No se puede abrir el fichero \"" + c.ruta().string() + "\": no es un fichero");
    EXPECT_EQ(mensaje_de_leer("/dev/zero"), "No se puede abrir el fichero \"/dev/zero\": no es un fichero");
    // Una tubería con nombre sin nadie que escriba: se rechaza en lugar de esperar para siempre.
    ASSERT_EQ(::mkfifo((c / "tubo").c_str(), 0600), 0);
    EXPECT_EQ(mensaje_de_leer(c / "tubo"), "No se puede abrir el fichero \"" + (c / "tubo") + "\": no es un fichero");

    // Más de 64 MB: se rechaza antes de leerlo (el fichero disperso no ocupa disco).
    { std::ofstream(c / "enorme.pc"); }
    fs::resize_file(c / "enorme.pc", kMaxBytesFichero + 1);
    EXPECT_EQ(mensaje_de_leer(c / "enorme.pc"), "El fichero \"" + (c / "enorme.pc") + "\" ocupa más de 64 MB");
    fs::resize_file(c / "enorme.pc", kMaxBytesFichero);
    EXPECT_EQ(leer_fichero(c / "enorme.pc").size(), kMaxBytesFichero);

    // Un error de lectura se avisa: nunca se entrega un texto cortado (leer esta memoria da EIO).
    EXPECT_EQ(mensaje_de_leer("/proc/self/mem"), "No se puede leer el fichero \"/proc/self/mem\": error de entrada/salida");
    // Los ficheros del sistema que dicen ocupar 0 bytes se leen enteros.
    EXPECT_NE(leer_fichero("/proc/self/status").find("Pid:"), std::string::npos);
}

TEST(GrabarFichero, PermisosEnlacesNombresLargosYSoloLectura) {
    Carpeta c;
    const std::string privado = c / "privado.pc";
    escribir_fichero(privado, "uno");
    fs::permissions(privado, fs::perms::owner_read | fs::perms::owner_write);
    escribir_fichero(privado, "dos");
    EXPECT_EQ(prueba::leer_bytes(privado), "dos");
    EXPECT_EQ(fs::status(privado).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);

    // Por un enlace simbólico (relativo) se escribe en su destino y el enlace sigue siéndolo;
    // un enlace a un fichero que aún no existe lo crea.
    fs::create_directory(c.ruta() / "real");
    fs::create_symlink("real/destino.pc", c.ruta() / "enlace.pc");
    escribir_fichero(c / "enlace.pc", "nuevo");
    escribir_fichero(c / "enlace.pc", "otra vez");
    EXPECT_TRUE(fs::is_symlink(c.ruta() / "enlace.pc"));
    EXPECT_EQ(prueba::leer_bytes(c / "real/destino.pc"), "otra vez");

    // Un nombre de 255 bytes (el máximo de la carpeta) se graba: el temporal tiene un nombre corto.
    const std::string largo = c / (std::string(252, 'n') + ".pc");
    EXPECT_EQ(mensaje_de_grabar(largo, "largo"), "");
    EXPECT_EQ(prueba::leer_bytes(largo), "largo");

    // Un fichero de sólo lectura no se reemplaza, tampoco para el administrador.
    const std::string protegido = c / "protegido.pc";
    escribir_fichero(protegido, "no tocar");
    fs::permissions(protegido, fs::perms::owner_read | fs::perms::group_read);
    EXPECT_EQ(mensaje_de_grabar(protegido, "x"),
              "No se puede grabar \"" + protegido + "\": el fichero es de sólo lectura. Grábalo con otro nombre.");
    EXPECT_EQ(prueba::leer_bytes(protegido), "no tocar");
    // Una carpeta en el lugar del fichero, tampoco.
    EXPECT_EQ(mensaje_de_grabar(c / "real", "x"), "No se puede grabar en \"" + (c / "real") + "\": no es un fichero.");
    // Una carpeta que no existe: error del sistema.
    EXPECT_EQ(mensaje_de_grabar(c / "no/hay.pc", "x"),
              "Cannot create file \"" + (c / "no/hay.pc") + "\". No existe el fichero o la carpeta");
    // Los motivos del sistema, en castellano.
    const std::string demasiado = c / (std::string(300, 'n') + ".pc");
    EXPECT_EQ(mensaje_de_grabar(demasiado, "x"), "Cannot create file \"" + demasiado + "\". El nombre es demasiado largo");

    EXPECT_EQ(nombres(c.ruta()), (std::vector<std::string>{"enlace.pc", std::string(252, 'n') + ".pc", "privado.pc",
                                                     "protegido.pc", "real"}));
}

// El proceso muere a mitad de la escritura (SIGXFSZ al pasar del límite de tamaño): el fichero
// anterior sigue entero y en la carpeta no queda ningún temporal. Los temporales viejos que dejó
// una grabación así en otro sistema de ficheros se borran en la grabación siguiente.
TEST(GrabarFichero, UnaGrabacionInterrumpidaNoDejaRastro) {
    Carpeta c;
    const std::string ruta = c / "diseno.pc";
    escribir_fichero(ruta, "versión buena");
    const pid_t hijo = ::fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        rlimit poco{1000, 1000};
        ::setrlimit(RLIMIT_FSIZE, &poco);
        ::signal(SIGXFSZ, SIG_DFL);
        try {
            escribir_fichero(ruta, std::string(100000, 'x'));
        } catch (...) {
        }
        ::_exit(0);
    }
    int estado = 0;
    ASSERT_EQ(::waitpid(hijo, &estado, 0), hijo);
    ASSERT_TRUE(WIFSIGNALED(estado));
    EXPECT_EQ(WTERMSIG(estado), SIGXFSZ);
    EXPECT_EQ(prueba::leer_bytes(ruta), "versión buena");
    EXPECT_EQ(nombres(c.ruta()), std::vector<std::string>{"diseno.pc"});

}

// Hace una hora: más de lo que tarda cualquier grabación viva.
void envejecer(const std::string& ruta) {
    const timespec tiempos[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
    ::utimensat(AT_FDCWD, ruta.c_str(), tiempos, AT_SYMLINK_NOFOLLOW);
}

// La limpieza de temporales abandonados sólo borra lo que este programa pudo dejar: el nombre
// exacto de sus temporales, un fichero normal y de este usuario. Los ficheros del usuario que se
// parecen (".pc-backup", el nombre de los temporales de antes) no se tocan.
TEST(GrabarFichero, LaLimpiezaDeTemporalesSoloBorraLosPropios) {
    Carpeta c;
    const std::vector<std::string> ajenos = {".pc-backup", ".pc-viejo1", ".~puntocruz-ABCDEFGHIJKL", ".~puntocruz-abc",
                                             ".~puntocruz-abcdefghijklm", ".~puntocruz-abcdefghij.k"};
    for (const std::string& n : ajenos) {
        std::ofstream(c / n) << "notas";
        envejecer(c / n);
    }
    std::ofstream(c / ".~puntocruz-resto0000001") << "resto";
    envejecer(c / ".~puntocruz-resto0000001");
    std::ofstream(c / ".~puntocruz-encurso00001") << "en curso";
    fs::create_symlink("diseno.pc", c.ruta() / ".~puntocruz-enlace000001");
    envejecer(c / ".~puntocruz-enlace000001");
    fs::create_directory(c.ruta() / ".~puntocruz-carpeta00001");
    envejecer(c / ".~puntocruz-carpeta00001");
    std::ofstream(c / ".~puntocruz-deotro000001") << "de otro";
    envejecer(c / ".~puntocruz-deotro000001");
    const bool otro = ::geteuid() == 0 && ::chown((c / ".~puntocruz-deotro000001").c_str(), 65534, 65534) == 0;

    escribir_fichero(c / "diseno.pc", "nuevo");
    std::vector<std::string> quedan = ajenos;
    quedan.insert(quedan.end(), {".~puntocruz-carpeta00001", ".~puntocruz-encurso00001", ".~puntocruz-enlace000001",
                                 "diseno.pc"});
    if (otro) quedan.push_back(".~puntocruz-deotro000001");
    std::sort(quedan.begin(), quedan.end());
    EXPECT_EQ(nombres(c.ruta()), quedan);
    for (const std::string& n : ajenos) EXPECT_EQ(prueba::leer_bytes(c / n), "notas");
}

// Un enlace en una carpeta compartida con bit pegajoso (como /tmp) cuyo dueño no es ni quien
// graba ni el de la carpeta: otro usuario pudo ponerlo para que se escriba sobre un fichero
// ajeno. No se sigue; en una carpeta normal, sí.
TEST(GrabarFichero, UnEnlaceDeOtroUsuarioEnUnaCarpetaCompartidaNoSeSigue) {
    if (::geteuid() != 0) GTEST_SKIP() << "Hace falta ser root para dar el enlace a otro usuario.";
    Carpeta c;
    const std::string victima = c / "victima.pc";
    escribir_fichero(victima, "no tocar");
    const std::string compartida = c / "compartida";
    fs::create_directory(compartida);
    ::chmod(compartida.c_str(), 01777);
    const std::string enlace = compartida + "/trampa.pc";
    fs::create_symlink(victima, enlace);
    ASSERT_EQ(::lchown(enlace.c_str(), 65534, 65534), 0);
    EXPECT_EQ(mensaje_de_grabar(enlace, "patrón"),
              "No se puede grabar \"" + enlace +
                  "\": es un enlace simbólico de otro usuario en una carpeta compartida. Grábalo con otro nombre.");
    EXPECT_EQ(prueba::leer_bytes(victima), "no tocar");
    EXPECT_TRUE(fs::is_symlink(enlace));

    // El mismo enlace en una carpeta sin el bit pegajoso se sigue.
    ::chmod(compartida.c_str(), 0777);
    EXPECT_EQ(mensaje_de_grabar(enlace, "patrón"), "");
    EXPECT_EQ(prueba::leer_bytes(victima), "patrón");
}

// Graba como otro usuario (nobody) en un proceso aparte, con un límite de tamaño de fichero,
// y devuelve el mensaje de error ("" si fue bien).
std::string grabar_como_otro(const std::string& ruta, const std::string& bytes, rlim_t limite = RLIM_INFINITY) {
    int tubo[2];
    if (::pipe(tubo) != 0) return "sin tubería";
    const pid_t hijo = ::fork();
    if (hijo == 0) {
        ::close(tubo[0]);
        std::string m = "no se pudo cambiar de usuario";
        if (::setgid(65534) == 0 && ::setuid(65534) == 0) {
            ::signal(SIGXFSZ, SIG_IGN);
            rlimit r{limite, limite};
            ::setrlimit(RLIMIT_FSIZE, &r);
            m = mensaje_de_grabar(ruta, bytes);
        }
        if (::write(tubo[1], m.data(), m.size()) < 0) ::_exit(2);
        ::_exit(0);
    }
    ::close(tubo[1]);
    std::string m;
    char b[512];
    for (ssize_t n; (n = ::read(tubo[0], b, sizeof b)) > 0;) m.append(b, static_cast<std::size_t>(n));
    ::close(tubo[0]);
    ::waitpid(hijo, nullptr, 0);
    return m;
}

// Un fichero que se puede escribir en una carpeta en la que no (o compartida, y el fichero de
// otro): sin temporal posible se escribe en su sitio, conservando su dueño; si la escritura
// falla, vuelve su contenido anterior.
TEST(GrabarFichero, SinTemporalPosibleSeEscribeEnSuSitioYSiFallaSeRepone) {
    if (::geteuid() != 0) GTEST_SKIP() << "Hace falta ser root para grabar como otro usuario.";
    Carpeta c;
    ::chmod(c.ruta().c_str(), 0755);
    const std::string ajena = c / "ajena";
    fs::create_directory(ajena);
    ::chmod(ajena.c_str(), 0755);  // de root: nobody no crea nada en ella
    const std::string ruta = ajena + "/diseno.pc";
    escribir_fichero(ruta, "anterior");
    ::chmod(ruta.c_str(), 0666);
    EXPECT_EQ(grabar_como_otro(ruta, "nuevo contenido"), "");
    EXPECT_EQ(prueba::leer_bytes(ruta), "nuevo contenido");
    EXPECT_EQ(nombres(ajena), std::vector<std::string>{"diseno.pc"});

    // La escritura falla a mitad (límite de tamaño): el contenido anterior vuelve.
    EXPECT_EQ(grabar_como_otro(ruta, std::string(1000, 'x'), 100),
              "Cannot create file \"" + ruta + "\". El fichero es demasiado grande");
    EXPECT_EQ(prueba::leer_bytes(ruta), "nuevo contenido");

    // Carpeta compartida con bit pegajoso: el temporal se crea, pero no se puede renombrar
    // sobre un fichero de otro usuario.
    const std::string compartida = c / "compartida";
    fs::create_directory(compartida);
    ::chmod(compartida.c_str(), 01777);
    const std::string deroot = compartida + "/comun.pc";
    escribir_fichero(deroot, "anterior");
    ::chmod(deroot.c_str(), 0666);
    EXPECT_EQ(grabar_como_otro(deroot, "de nobody"), "");
    EXPECT_EQ(prueba::leer_bytes(deroot), "de nobody");
    struct stat st {};
    ::stat(deroot.c_str(), &st);
    EXPECT_EQ(st.st_uid, 0u);
    EXPECT_EQ(nombres(compartida), std::vector<std::string>{"comun.pc"});
}

// Una ruta del máximo de 4095 bytes con un nombre de un solo carácter: el nombre del temporal
// no la alarga (antes bastaban 4087 bytes para que no se pudiera grabar).
TEST(GrabarFichero, UnaRutaDelMaximoSeGraba) {
    Carpeta c;
    std::string carpeta = c.ruta().string();
    while (carpeta.size() + 1 + 200 < 4093) carpeta += "/" + std::string(200, 'd');
    carpeta += "/" + std::string(4093 - carpeta.size() - 1, 'e');
    fs::create_directories(carpeta);
    const std::string ruta = carpeta + "/x";
    ASSERT_EQ(ruta.size(), 4095u);
    EXPECT_EQ(mensaje_de_grabar(ruta, "largo"), "");
    EXPECT_EQ(leer_fichero(ruta), "largo");
    EXPECT_EQ(mensaje_de_grabar(ruta, "otra vez"), "");
    EXPECT_EQ(leer_fichero(ruta), "otra vez");
    EXPECT_EQ(std::distance(fs::directory_iterator(carpeta), {}), 1);
}

// Cien grabaciones fallidas (límite de tamaño del proceso: vale para cualquier usuario) no dejan
// ningún descriptor abierto ni ningún temporal, y el fichero anterior sigue entero.
TEST(GrabarFichero, LasGrabacionesFallidasNoPierdenDescriptores) {
    Carpeta c;
    const std::string ruta = c / "diseno.pc";
    escribir_fichero(ruta, "anterior");
    const int antes = descriptores_abiertos();
    rlimit previo{};
    ::getrlimit(RLIMIT_FSIZE, &previo);
    const auto senal = ::signal(SIGXFSZ, SIG_IGN);
    rlimit poco = previo;
    poco.rlim_cur = 100;
    ::setrlimit(RLIMIT_FSIZE, &poco);
    int fallos = 0;
    for (int k = 0; k < 100; ++k) fallos += !mensaje_de_grabar(ruta, std::string(1000, 'x')).empty();
    ::setrlimit(RLIMIT_FSIZE, &previo);
    ::signal(SIGXFSZ, senal);
    EXPECT_EQ(fallos, 100);
    EXPECT_EQ(descriptores_abiertos(), antes);
    EXPECT_EQ(prueba::leer_bytes(ruta), "anterior");
    EXPECT_EQ(nombres(c.ruta()), std::vector<std::string>{"diseno.pc"});
}

// Disco lleno y carpeta de sólo lectura de verdad, sobre un tmpfs pequeño (hace falta ser root).
TEST(GrabarFichero, DiscoLlenoYCarpetaDeSoloLectura) {
    Carpeta c;
    const std::string punto = c / "disco";
    fs::create_directory(punto);
    if (::geteuid() != 0 || ::mount("pc_prueba", punto.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "Sin permiso para montar un tmpfs (hace falta ser root): no se prueba el disco lleno.";
    }
    struct Desmontar {
        std::string p;
        ~Desmontar() { ::umount2(p.c_str(), MNT_DETACH); }
    } desmontar{punto};

    const std::string ruta = punto + "/diseno.pc";
    escribir_fichero(ruta, "anterior");
    const int antes = descriptores_abiertos();
    for (int k = 0; k < 100; ++k) {
        const std::string m = mensaje_de_grabar(ruta, std::string(200 * 1024, 'x'));
        if (k == 0) {
            EXPECT_EQ(m, "Cannot create file \"" + ruta + "\". No queda espacio en el disco");
        }
    }
    EXPECT_EQ(descriptores_abiertos(), antes);
    EXPECT_EQ(prueba::leer_bytes(ruta), "anterior");
    EXPECT_EQ(std::distance(fs::directory_iterator(punto), {}), 1);

    ASSERT_EQ(::mount(nullptr, punto.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, "size=64k"), 0);
    EXPECT_EQ(mensaje_de_grabar(punto + "/otro.pc", "x"),
              "Cannot create file \"" + punto + "/otro.pc\". El sistema de ficheros es de sólo lectura");
    EXPECT_EQ(mensaje_de_grabar(ruta, "x"),
              "No se puede grabar \"" + ruta + "\": el fichero es de sólo lectura. Grábalo con otro nombre.");
    EXPECT_EQ(prueba::leer_bytes(ruta), "anterior");
}

}  // namespace
}  // namespace pc
