#include "pattern/ciede2000.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>
#include <cmath>
#include <numbers>

namespace pc {

namespace {

// Curva de sRGB: componente en 0..1 a luz lineal.
double srgb_a_lineal(double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); }

// Los bits de un float no negativo crecen con su valor: sus bits altos lo sitúan en una cubeta.
inline std::uint32_t bits_de(float v) { return std::bit_cast<std::uint32_t>(v); }
constexpr int kBitsCubeta = 16;  // 7 bits de mantisa por cubeta: a lo sumo un par de fronteras en cada una

struct Tablas {
    std::array<float, 256> lineal{};
    std::array<float, 255> frontera{};  // punto medio, en luz lineal, entre v y v + 1
    // Para cada cubeta de valores entre la primera y la última frontera, cuántas fronteras
    // quedan por debajo de su valor más pequeño.
    std::uint32_t primera_cubeta = 0;
    std::vector<std::uint8_t> cubeta;
    Tablas() {
        for (int v = 0; v < 256; ++v) lineal[static_cast<std::size_t>(v)] = static_cast<float>(srgb_a_lineal(v / 255.0));
        for (int v = 0; v < 255; ++v)
            frontera[static_cast<std::size_t>(v)] = static_cast<float>(srgb_a_lineal((v + 0.5) / 255.0));
        primera_cubeta = bits_de(frontera.front()) >> kBitsCubeta;
        const std::uint32_t ultima = bits_de(frontera.back()) >> kBitsCubeta;
        for (std::uint32_t c = primera_cubeta; c <= ultima; ++c) {
            const float menor = std::bit_cast<float>(c << kBitsCubeta);
            cubeta.push_back(static_cast<std::uint8_t>(std::upper_bound(frontera.begin(), frontera.end(), menor) - frontera.begin()));
        }
    }
};

const Tablas& tablas() {
    static const Tablas t;
    return t;
}

// Raíz cúbica de un x positivo con las mismas operaciones que la de la biblioteca de C de
// este sistema (mantisa y exponente, polinomio, un paso de Halley y el factor del resto del
// exponente): da los mismos bits sin llamadas. Al empezar se compara con std::cbrt en miles
// de valores y, si alguno difiere (otra biblioteca), se usa std::cbrt.
double raiz_cubica_propia(double x) {
    static constexpr double kFactor[5] = {1.0 / 1.5874010519681994748, 1.0 / 1.2599210498948731648, 1.0,
                                          1.2599210498948731648, 1.5874010519681994748};
    // frexp y ldexp a mano (x normal y positivo): el mismo resultado, sin llamadas.
    const std::uint64_t bx = std::bit_cast<std::uint64_t>(x);
    const int xe = static_cast<int>((bx >> 52) & 0x7FF) - 1022;
    const double xm = std::bit_cast<double>((bx & ~(std::uint64_t{0x7FF} << 52)) | (std::uint64_t{0x3FE} << 52));
    const double u =
        (0.354895765043919860 +
         ((1.50819193781584896 +
           ((-2.11499494167371287 +
             ((2.44693122563534430 + ((-1.83469277483613086 + (0.784932344976639262 - 0.145263899385486377 * xm) * xm) * xm)) *
              xm)) *
            xm)) *
          xm));
    const double t2 = u * u * u;
    const double ym = u * (t2 + 2.0 * xm) / (2.0 * t2 + xm) * kFactor[2 + xe % 3];
    return ym * std::bit_cast<double>(static_cast<std::uint64_t>(1023 + xe / 3) << 52);
}

bool raiz_propia_vale() {
    static const bool vale = [] {
        for (int i = 0; i <= 4096; ++i) {
            const double x = 0.008 + 1.2 * i / 4096.0 + i * 1e-9;
            if (std::bit_cast<std::uint64_t>(raiz_cubica_propia(x)) != std::bit_cast<std::uint64_t>(std::cbrt(x))) return false;
        }
        return true;
    }();
    return vale;
}

inline double f_lab(double t, bool propia) {
    constexpr double e = 216.0 / 24389.0, k = 24389.0 / 27.0;
    if (!(t > e)) return (k * t + 16.0) / 116.0;
    return propia && t >= 1e-300 && t < 1e300 ? raiz_cubica_propia(t) : std::cbrt(t);
}

constexpr double kGrado = std::numbers::pi / 180.0;

}  // namespace

const std::array<float, 256>& tabla_lineal() { return tablas().lineal; }

float a_lineal(int v) { return tablas().lineal[static_cast<std::size_t>(std::clamp(v, 0, 255))]; }

int de_lineal(float v) {
    // Cuántas fronteras hay por debajo o en v: se empieza en las que quedan bajo su cubeta.
    const Tablas& t = tablas();
    const auto& f = t.frontera;
    if (!(v >= f.front() && v < f.back())) return static_cast<int>(std::upper_bound(f.begin(), f.end(), v) - f.begin());
    std::size_t i = t.cubeta[(bits_de(v) >> kBitsCubeta) - t.primera_cubeta];
    while (f[i] <= v) ++i;  // nunca pasa de la última: v está por debajo
    return static_cast<int>(i);
}

Lab lab_de_lineal(float r, float g, float b) {
    // sRGB (D65) a XYZ, normalizado por el blanco de referencia.
    const double x = (0.4124564 * r + 0.3575761 * g + 0.1804375 * b) / 0.95047;
    const double y = 0.2126729 * r + 0.7151522 * g + 0.0721750 * b;
    const double z = (0.0193339 * r + 0.1191920 * g + 0.9503041 * b) / 1.08883;
    const bool propia = raiz_propia_vale();
    const double fx = f_lab(x, propia), fy = f_lab(y, propia), fz = f_lab(z, propia);
    return {static_cast<float>(116.0 * fy - 16.0), static_cast<float>(500.0 * (fx - fy)),
            static_cast<float>(200.0 * (fy - fz))};
}

Lab lab_de_color(Color c) { return lab_de_lineal(a_lineal(rojo(c)), a_lineal(verde(c)), a_lineal(azul(c))); }

double de00(const Lab& x, const Lab& y) {
    const double l1 = x.l, a1 = x.a, b1 = x.b, l2 = y.l, a2 = y.a, b2 = y.b;
    constexpr double k25_7 = 6103515625.0;  // 25^7
    const double cc1 = std::sqrt(a1 * a1 + b1 * b1), cc2 = std::sqrt(a2 * a2 + b2 * b2);
    const double cm = (cc1 + cc2) / 2, cm2 = cm * cm, cm7 = cm2 * cm2 * cm2 * cm;
    const double g = 0.5 * (1 - std::sqrt(cm7 / (cm7 + k25_7)));
    const double a1p = (1 + g) * a1, a2p = (1 + g) * a2;
    const double c1p = std::sqrt(a1p * a1p + b1 * b1), c2p = std::sqrt(a2p * a2p + b2 * b2);
    auto tono = [](double b, double a) {
        if (a == 0 && b == 0) return 0.0;
        // En precisión simple: sobra para los tonos y es bastante más rápido.
        double h = static_cast<double>(std::atan2(static_cast<float>(b), static_cast<float>(a))) / kGrado;
        return h < 0 ? h + 360 : h;
    };
    const double h1p = tono(b1, a1p), h2p = tono(b2, a2p);

    const double dlp = l2 - l1, dcp = c2p - c1p;
    const bool sin_tono = c1p * c2p == 0;
    double dhp = 0;
    if (!sin_tono) {
        dhp = h2p - h1p;
        if (dhp > 180) dhp -= 360;
        else if (dhp < -180) dhp += 360;
    }
    const double dHp = 2 * std::sqrt(c1p * c2p) * std::sin(static_cast<float>(dhp * kGrado / 2));

    const double lmp = (l1 + l2) / 2, cmp = (c1p + c2p) / 2;
    double hmp = h1p + h2p;
    if (!sin_tono) {
        if (std::abs(h1p - h2p) <= 180) hmp /= 2;
        else if (hmp < 360) hmp = (hmp + 360) / 2;
        else hmp = (hmp - 360) / 2;
    }
    // T con un solo seno y coseno del tono medio (fórmulas del ángulo múltiple).
    const float hr = static_cast<float>(hmp * kGrado);
    const double c1 = std::cos(hr), s1 = std::sin(hr);
    const double c2 = 2 * c1 * c1 - 1, s2 = 2 * s1 * c1;
    const double c3 = c1 * (4 * c1 * c1 - 3), s3 = s1 * (3 - 4 * s1 * s1);
    const double c4 = 2 * c2 * c2 - 1, s4 = 2 * s2 * c2;
    static const double cos30 = std::cos(30 * kGrado), sin30 = 0.5;
    static const double cos6 = std::cos(6 * kGrado), sin6 = std::sin(6 * kGrado);
    static const double cos63 = std::cos(63 * kGrado), sin63 = std::sin(63 * kGrado);
    const double t = 1 - 0.17 * (c1 * cos30 + s1 * sin30) + 0.24 * c2 + 0.32 * (c3 * cos6 - s3 * sin6) -
                     0.20 * (c4 * cos63 + s4 * sin63);
    const double dtheta = 30 * std::exp(static_cast<float>(-((hmp - 275) / 25) * ((hmp - 275) / 25)));
    const double cmp2 = cmp * cmp, cmp7 = cmp2 * cmp2 * cmp2 * cmp;
    const double rc = 2 * std::sqrt(cmp7 / (cmp7 + k25_7));
    const double l50 = (lmp - 50) * (lmp - 50);
    const double sl = 1 + 0.015 * l50 / std::sqrt(20 + l50);
    const double sc = 1 + 0.045 * cmp, sh = 1 + 0.015 * cmp * t;
    const double rt = -std::sin(static_cast<float>(2 * dtheta * kGrado)) * rc;
    const double tl = dlp / sl, tc = dcp / sc, th = dHp / sh;
    return std::sqrt(std::max(0.0, tl * tl + tc * tc + th * th + rt * tc * th));
}

}  // namespace pc
