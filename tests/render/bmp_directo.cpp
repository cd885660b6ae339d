// La lectura directa de los BMP sin compresión da exactamente lo que da el lector general.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <fstream>
#include <random>

#include "app/errores.h"
#include "app/ficheros.h"
#include "files/bmp.h"
#include "files/enteros_le.h"
#include "render/imagen_qt.h"

namespace pc {
namespace {

struct Forma {
    int ancho, alto;  // alto negativo: de arriba abajo
    int bits;
    int cabecera = 40;
    int colores = 0;  // biClrUsed
    int hueco = 0;    // bytes entre la paleta y los datos
    int indice_max = 256;
};

void poner16(std::string& s, int v) {
    s += static_cast<char>(v & 0xFF);
    s += static_cast<char>((v >> 8) & 0xFF);
}

// Un BMP con bytes al azar (también en el cuarto byte de 32 bits y en el relleno de las filas).
std::string bmp(const Forma& f, unsigned semilla) {
    std::mt19937 azar(semilla);
    const int filas = f.alto < 0 ? -f.alto : f.alto;
    const int fila = (f.ancho * f.bits + 31) / 32 * 4;
    const int entradas = f.bits == 8 ? (f.colores == 0 ? 256 : f.colores) : 0;
    const int datos = 14 + f.cabecera + 4 * entradas + f.hueco;
    std::string s = "BM";
    poner32(s, datos + fila * filas);
    poner32(s, 0);
    poner32(s, datos);
    poner32(s, f.cabecera);
    poner32(s, f.ancho);
    poner32(s, f.alto);
    poner16(s, 1);
    poner16(s, f.bits);
    poner32(s, 0);  // sin compresión
    poner32(s, fila * filas);
    poner32(s, 2835);
    poner32(s, 2835);
    poner32(s, f.colores);
    poner32(s, 0);
    while (static_cast<int>(s.size()) < 14 + f.cabecera) s += '\0';
    for (int i = 0; i < 4 * entradas + f.hueco; ++i) s += static_cast<char>(azar());
    for (int y = 0; y < filas; ++y)
        for (int b = 0; b < fila; ++b) {
            unsigned v = azar() & 0xFF;
            if (f.bits == 8 && b < f.ancho) v %= static_cast<unsigned>(std::min(f.indice_max, entradas));
            s += static_cast<char>(v);
        }
    return s;
}

QImage con_qt(const std::string& bytes) {
    QImage q;
    q.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<int>(bytes.size()));
    return q.convertToFormat(QImage::Format_RGB32);
}

class BmpDirectoPrueba : public ::testing::Test {
protected:
    void TearDown() override { std::filesystem::remove(ruta_); }
    // Carga los bytes con ImagenQt (desde un fichero, como el programa).
    QImage cargar(const std::string& bytes) {
        std::ofstream(ruta_, std::ios::binary) << bytes;
        ImagenQt img;
        img.cargar(ruta_.string());
        return img.qimage();
    }
    std::filesystem::path ruta_ = std::filesystem::temp_directory_path() /
                                  ("pc_bmp_directo_" + std::to_string(::getpid()) + ".bmp");
};

TEST_F(BmpDirectoPrueba, MismosPixelesQueElLectorGeneral) {
    const Forma formas[] = {
        {5, 3, 24},                       // relleno de 1 byte por fila, de abajo arriba
        {7, -4, 24},                      // de arriba abajo
        {6, 5, 24, 124},                  // cabecera larga
        {3, 4, 32},                       // cuarto byte al azar: no es transparencia
        {-0 + 9, -2, 32},
        {5, 3, 8, 40, 7},                 // paleta de 7 colores, relleno de 3 bytes
        {4, -3, 8, 40, 0},                // paleta completa, de arriba abajo
        {6, 2, 8, 108, 16, 12},           // cabecera de 108 y hueco antes de los datos
        {640, 480, 24},
    };
    unsigned semilla = 1;
    for (const Forma& f : formas) {
        const std::string b = bmp(f, semilla++);
        ASSERT_TRUE(bmp_directo(b).has_value()) << f.ancho << "x" << f.alto << " " << f.bits;
        const QImage esperada = con_qt(b);
        ASSERT_FALSE(esperada.isNull());
        EXPECT_EQ(cargar(b), esperada) << f.ancho << "x" << f.alto << " " << f.bits;
        // Desde memoria, por el mismo camino que desde el fichero.
        QImage memoria;
        ASSERT_TRUE(leer_bmp_memoria(b, "m.bmp", [&](const BmpDirecto& m) {
            memoria = QImage(m.ancho, m.alto, QImage::Format_RGB32);
            return DestinoBmp{reinterpret_cast<std::uint32_t*>(memoria.bits()), memoria.bytesPerLine() / 4};
        }));
        EXPECT_EQ(memoria, esperada) << f.ancho << "x" << f.alto << " " << f.bits;
    }
}

TEST_F(BmpDirectoPrueba, LoQueNoLeeVaPorLaViaGeneralConElMismoResultado) {
    // Índices fuera de una paleta de 5 colores: el lector directo se retira.
    Forma f{8, 4, 8, 40, 5};
    f.indice_max = 256;
    std::string b = bmp(f, 99);
    for (std::size_t k = b.size() - 32; k < b.size(); ++k) b[k] = static_cast<char>(200);
    const auto forma = bmp_directo(b);
    ASSERT_TRUE(forma.has_value());
    std::vector<std::uint32_t> px(32);
    EXPECT_FALSE(leer_bmp_directo(b, *forma, px.data(), 8));
    EXPECT_EQ(cargar(b), con_qt(b));
    // 32 bits con cabecera larga (puede llevar transparencia) y 16 bits: vía general.
    EXPECT_FALSE(bmp_directo(bmp({4, 4, 32, 124}, 5)).has_value());
    EXPECT_FALSE(bmp_directo(bmp({4, 4, 16}, 6)).has_value());
    // La foto de muestra (8 bits con paleta).
    const std::string taza = leer_fichero(PC_DATOS_PRUEBA "/coffee.bmp");
    ASSERT_TRUE(bmp_directo(taza).has_value());
    EXPECT_EQ(cargar(taza), con_qt(taza));
}

TEST_F(BmpDirectoPrueba, FicherosCortadosOEstropeadosNoSeLeenMalNuncaSeSalen) {
    const std::string b = bmp({7, 5, 8, 40, 9}, 21);
    const QImage buena = cargar(b);
    // Cortado en cualquier sitio: error claro y la imagen anterior se queda.
    for (std::size_t n = 0; n < b.size(); n += 7) {
        std::ofstream(ruta_, std::ios::binary) << b.substr(0, n);
        ImagenQt img;
        img.cargar(PC_DATOS_PRUEBA "/coffee.bmp");
        EXPECT_THROW(img.cargar(ruta_.string()), Error) << n;
        EXPECT_EQ(img.qimage().width(), 600);
    }
    // Cabecera estropeada byte a byte: o lo mismo que el lector general, o un error.
    std::mt19937 azar(5);
    for (int k = 0; k < 300; ++k) {
        std::string m = b;
        const std::size_t pos = 14 + azar() % 40;
        m[pos] = static_cast<char>(azar());
        std::ofstream(ruta_, std::ios::binary) << m;
        ImagenQt img;
        try {
            img.cargar(ruta_.string());
        } catch (const Error&) {
            continue;
        }
        const QImage q = con_qt(m);
        EXPECT_TRUE(img.qimage() == q) << "byte " << pos << " = " << int(static_cast<unsigned char>(m[pos]))
                                        << ": " << img.qimage().width() << "x" << img.qimage().height() << " frente a "
                                        << q.width() << "x" << q.height() << " " << q.isNull();
    }
    EXPECT_EQ(cargar(b), buena);
    // Datos que empiezan dentro de la paleta (declara 14 colores y guarda 9): se rechaza, pues
    // el lector general los buscaría tras ella y dejaría píxeles sin leer.
    std::string solapada = b;
    solapada[46] = 14;
    try {
        cargar(solapada);
        ADD_FAILURE() << "se leyó una imagen con los datos dentro de la paleta";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("empiezan dentro de la paleta de colores"), std::string::npos);
    }
}

}  // namespace
}  // namespace pc
