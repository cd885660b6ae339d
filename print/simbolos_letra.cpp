#include "print/simbolos_letra.h"

#include <string>

namespace pc {

namespace {

// Los 200 símbolos de un carácter, separados por blancos, en el orden en que se dan: primero las
// formas macizas y huecas, después las letras mayúsculas y las minúsculas de forma propia, los
// signos, las griegas que no se confunden con las latinas, las demás minúsculas y las flechas.
// Ninguno es una cifra ni repite el dibujo de otro.
const char* const kSimbolosLetra =
    "● ○ ■ □ ▲ △ ▼ ▽ ◆ ◇ ★ ☆ ♥ ♡ ♠ ♣ "
    "✚ ✖ ◐ ◑ ◒ ◓ ▶ ◀ ◢ ◣ ◤ ◥ ⊕ ⊗ ⊙ ⊞ "
    "⊠ ▣ ◎ ✱ ✿ ❖ ⬡ ⬟ ♪ ☂ ✈ ⚑ ⚓ ☺ ☻ ☀ "
    "A B C D E F G H J K L M N P R S "
    "T U V W X Y Z a b d e f g h n q "
    "r t + × = ≠ ≈ ± # % & @ $ § ¶ ? "
    "! ¿ < > ∞ √ ∫ ∂ ∈ ∪ ⊂ ⊃ ⊥ ∠ ∴ € "
    "£ ¥ ¢ ♯ ♭ ✓ ✗ ⌂ ⌘ ♀ ♂ ☾ ☯ ✝ ✡ ☘ "
    "⚡ ⚙ ⚛ ⚜ ☎ ♔ ♕ ♖ ♗ ♘ ♙ ♚ ♛ ♜ ♝ ♞ "
    "♟ ♫ ☁ ☃ ☕ ♨ ♻ ✂ ✎ ❄ ❤ α β δ ε ζ "
    "η θ λ μ ξ π σ φ ψ ω Γ Θ Ξ Π Σ Φ "
    "Ψ Ω k m p s u v w y z ← ↑ → ↓ ↖ "
    "↗ ↘ ↙ ⇐ ⇑ ⇒ ⇓ ↺";

// Las dos letras de los símbolos dobles: mayúscula y minúscula (23 x 20 = 460 parejas).
const char* const kMayusculas = "ABCDEFGHJKLMNPRSTUVWXYZ";
const char* const kMinusculas = "abdefghnqrtkmpsuvwyz";

std::vector<std::string> partir(const char* texto) {
    std::vector<std::string> v;
    std::string actual;
    for (const char* p = texto; *p; ++p) {
        if (*p == ' ') {
            if (!actual.empty()) v.push_back(actual);
            actual.clear();
        } else {
            actual += *p;
        }
    }
    if (!actual.empty()) v.push_back(actual);
    return v;
}

}  // namespace

const std::vector<std::string>& simbolos_letra() {
    static const std::vector<std::string> v = partir(kSimbolosLetra);
    return v;
}

std::string simbolo_letra(int k) {
    const auto& v = simbolos_letra();
    if (k < 0) return {};
    if (k < kSimbolosSencillos) return v[static_cast<std::size_t>(k)];
    const int n = static_cast<int>(std::char_traits<char>::length(kMinusculas));
    const int j = (k - kSimbolosSencillos) % (n * static_cast<int>(std::char_traits<char>::length(kMayusculas)));
    return std::string(1, kMayusculas[j / n]) + kMinusculas[j % n];
}

}  // namespace pc
