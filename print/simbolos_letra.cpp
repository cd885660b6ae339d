#include "print/simbolos_letra.h"

#include <string>

namespace pc {

namespace {

// Los símbolos de un carácter, separados por blancos, en el orden en que se dan: primero las
// formas macizas, después las letras latinas de forma propia, los signos, las griegas que no se
// confunden con las latinas, las flechas, los adornos y las letras de otros alfabetos. Se
// eligen con herramientas/simbolos_letra.sh, que quita de la lista de candidatos los que se
// parecen a uno anterior; la prueba de los símbolos vuelve a comprobarlo todo.
const char* const kSimbolosLetra =
    "● ■ ▲ ★ ♥ ♠ ♣ ✚ ◢ ⊙ ✱ ✿ ❖ ♪ ☂ ✈ "
    "⚑ ⚓ ☺ ☀ A B C D E F H J K L M R "
    "S T X Y Z Q ◎ ⬢ b e f h r t = ≠ "
    "≈ ± # % & $ § ¶ ? ! ∞ √ ∫ ∂ ∠ ∴ "
    "€ £ ¢ ♯ ♭ ⌂ ⌘ ♀ ☾ ☯ ✝ ✡ ☘ ⚡ ⚙ ⚛ "
    "⚜ ♛ ♜ ♝ ♞ ♫ ☁ ☃ ☕ ♨ ♻ ✂ ✎ ❄ β δ "
    "ζ η θ λ ξ π σ φ ω Ψ γ τ Ϡ Ϟ Ϛ ϝ "
    "Ϙ Ϸ ← ⇐ ↺ ↔ ↯ ↹ ⇄ ↩ ⇶ ↭ ↝ ⇝ ➤ ➳ "
    "➾ ➥ ➲ ⇭ ⇱ ⇷ ⇹ ⇼ ✆ ✉ ✌ ✑ ✠ ✢ ✣ ✤ "
    "✦ ✴ ✵ ✶ ✷ ✹ ✺ ✻ ✽ ❇ ❈ ❉ ❊ ❋ ❍ ❘ "
    "❛ ❡ ❢ ❣ ❦ ☄ ☇ ☈ ☊ ☌ ☍ ☑ ☖ ☚ ☝ ☠ "
    "☡ ☢ ☣ ☤ ☥ ☧ ☩ ☪ ☫ ☬ ☭ ☰ ☿ ♃ ♄ ♅ "
    "♆ ♇ ♈ ♉ ♊ ♋ ♌ ♍ ♎ ♏ ♐ ♑ ♒ ♓ ♔ ♙ "
    "♮ ♰ ♱ ♲ ♳ ♴ ♵ ♶ ♸ ♹ ♺ ♽ ⚀ ⚊ ⚍ ⚏ "
    "⚒ ⚔ ⚕ ⚖ ⚗ ⚘ ⚚ ⚠ ⚢ ⚤ ⚨ ⚮ ⚱ ⚳ ⚴ ⚵ "
    "⚶ ⚷ ⚸ ⛀ ₡ ₢ ₣ ₤ ₥ ₦ ₧ ₨ ₩ ₪ ₫ ₭ "
    "₮ ₯ ₰ ₲ ₴ ℓ № ℞ ℣ ℥ ℨ ℩ ℵ ℶ ℷ ℸ "
    "™ ‰ ‡ ⁂ ※ ‽ ⁑ ⁕ Д Ж Л Ц Ч Щ Ъ Ю "
    "Ђ Љ Њ Џ Ѵ Ґ Ӂ Ӄ Ӈ Ҩ Ҵ Ҽ Ӛ Ӝ Ӟ Ӡ "
    "Ӵ Ӹ г м н ф ы ь э ћ ѣ ҕ җ ҙ қ ҝ "
    "ҟ ҡ ң ҥ ҧ ҫ ҭ ү ұ ҳ ҷ ҹ ҿ ӌ ӣ ӭ "
    "ӯ ӳ Ա Բ Գ Ե Զ Է Ը Թ Ի Լ Խ Ծ Կ Հ "
    "Ձ Ճ Մ Ն Ո Պ Վ Ր Ւ Փ Ք Ֆ դ յ շ չ "
    "ս տ ა ბ დ ე ვ ზ ი კ ლ ო პ ჟ რ ს "
    "ტ უ ფ ქ ღ ყ შ ც ჭ ჯ ჰ ჱ ჲ ჳ ჴ ჵ "
    "Ⴀ Ⴁ Ⴂ Ⴄ Ⴅ Ⴆ Ⴇ Ⴈ Ⴉ Ⴊ Ⴋ Ⴌ Ⴎ Ⴏ Ⴐ Ⴑ "
    "Ⴔ Ⴕ Ⴖ Ⴗ Ⴘ Ⴙ Ⴜ Ⴝ Ⴞ Ⴟ Ⴡ Ⴣ Ⴤ Ⴥ ה ז "
    "י כ ל מ נ ע צ ק ר ש ת ך ץ ⋋ ⌬ ∄ "
    "∡ ∢ ∦ ∬ ∰ ∱ ∲ ∶ ∸ ∹ ∺ ∻ ∼ ∾ ≅ ≋ "
    "≍ ≎ ≏ ≐ ≑ ≒ ≔ ≗ ≘ ≙ ≚ ≛ ≜ ≟ ≢ ≤ "
    "≦ ≨ ≪ ≬ ≭ ≰ ≲ ≶ ⊄ ⊆ ⊊ ⊌ ⊍ ⊑ ⊦ ⊧ "
    "⊨ ⊩ ⊪ ⊫ ⊬ ⊭ ⊮ ⊰ ⊶ ⊸ ⊺ ⊻ ⊽ ⋇ ⋍ ⋎ "
    "⋐ ⋒ ⋕ ⋖ ⋘ ⋚ ⋮";

// Grupos de parecidos, uno por línea: giros y reflejos (▲ ▼ ◀ ▶, b d p q), grueso y tamaño
// (✚ +, ● •), relleno y hueco (★ ☆) y giros de 45 grados (■ ◆, + ×), que la comparación de los
// dibujos no ve.
const char* const kGruposParecidos =
    "X x χ Х х\n"
    "O o 0 Ο ο О о\n"
    "K k κ К к\n"
    "Y y У у Υ\n"
    "P p ρ Р р\n"
    "A a α\n"
    "≡ ☰ ≣ ☷\n"
    "= ⚌ ═\n"
    "† ✝ ✞ ✟ ☦ ☨\n"
    "∼ ∿ ≀ ∽ ~\n"
    "ℶ ב\n"
    "ℷ ג\n"
    "ℸ ד\n"
    "ℵ א\n"
    "Ϡ ϡ\n"
    "Ϛ ϛ\n"
    "Ϙ ϙ\n"
    "Ϸ ϸ\n"
    "M Ϻ ϻ\n"
    "¥ Y\n"
    "∂ ð\n"
    "¢ c\n"
    "∫ ʃ ∮\n"
    "⚊ — ─ -\n"
    "∥ ‖ ⚏\n"
    "№ N\n"
    "℮ e\n"
    "● ○ • ◦ ◯ ⚫ ⚪ ⬤ ⚬ ∘ ⋅ · ◉ ⦿\n"
    "■ □ ▪ ▫ ◼ ◻ ◾ ◽ ⬛ ⬜ ❏ ❐ ❑ ❒ ☐ ◆ ◇ ⬥ ⬦ ♦ ♢ ◊ ⋄\n"
    "▲ △ ▼ ▽ ◀ ◁ ▶ ▷ ▴ ▵ ▸ ▹ ▾ ▿ ◂ ◃ ► ◄ ⊲ ⊳ ⊴ ⊵ ◬ ◭ ◮ ∆ ∇ Δ\n"
    "◢ ◣ ◤ ◥ ◸ ◹ ◺ ◿ ⊿\n"
    "◐ ◑ ◒ ◓ ◖ ◗ ◔ ◕\n"
    "★ ☆ ✩ ✪ ✫ ✬ ✭ ✮ ✯ ✰ ⋆ ⚝ ⍟\n"
    "✦ ✧ ✨\n"
    "♥ ♡ ❤ ❥\n"
    "♠ ♤\n"
    "♣ ♧\n"
    "✚ ✙ ✛ ✜ + ✖ ✕ × ✗ ✘ ☓ ⊹ ∔\n"
    "✱ ✲ * ∗ ⁎ ✳\n"
    "⊕ ⊗\n"
    "⊖ ⊘ ⦸\n"
    "⊞ ⊠\n"
    "⊟ ⊡ ▣\n"
    "☺ ☻ ☹\n"
    "☀ ☼ ☉\n"
    "☾ ☽\n"
    "♪ ♩\n"
    "♫ ♬\n"
    "⚑ ⚐\n"
    "☎ ☏\n"
    "✿ ❀ ❁\n"
    "♔ ♚\n"
    "♕ ♛\n"
    "♖ ♜\n"
    "♗ ♝\n"
    "♘ ♞\n"
    "♙ ♟\n"
    "☖ ☗\n"
    "⛀ ⛁ ⛂ ⛃\n"
    "✓ ✔ √ ∨ V v ∧ Λ\n"
    "❘ ❙ ❚ | ∣\n"
    "b d p q\n"
    "n u U ∪ ∩ ⋃ ⋂ ⊂ ⊃ ⊏ ⊐ ⊓ ⊔ Π П п ∏ ∐ C c\n"
    "N Z z И и\n"
    "M W m w Σ ∑ Ш ш\n"
    "E ∃ Ǝ ∈ ∋ ε ϵ З з Э Є\n"
    "L Γ Г ⅂ ⅃ ∟ ⌐ ¬\n"
    "T ⊤ ⊥ ⊢ ⊣ ┬ ┴\n"
    "R Я\n"
    "S Ƨ s\n"
    "K ꓘ\n"
    "? ¿\n"
    "! ¡\n"
    "< > ≤ ≥ ≮ ≯\n"
    "≪ ≫\n"
    "∴ ∵\n"
    "∈ ∋\n"
    "≲ ≳\n"
    "≶ ≷\n"
    "⊆ ⊇\n"
    "⊊ ⊋\n"
    "⊄ ⊅\n"
    "⋐ ⋑\n"
    "⋒ ⋓\n"
    "⋖ ⋗\n"
    "⋘ ⋙\n"
    "⋚ ⋛\n"
    "⊦ ⊣\n"
    "⊰ ⊱\n"
    "⋉ ⋊\n"
    "⋋ ⋌\n"
    "⋎ ⋏\n"
    "⋰ ⋱ ⋮ ⋯\n"
    "∶ ∷\n"
    "≦ ≧\n"
    "≨ ≩\n"
    "≰ ≱\n"
    "⊑ ⊒\n"
    "∼ ∽ ~\n"
    "♀ ♂\n"
    "☜ ☞ ☚ ☛\n"
    "☝ ☟\n"
    "☰ ☷\n"
    "☱ ☴\n"
    "☲ ☵\n"
    "☳ ☶\n"
    "⚊ ⚋\n"
    "⚌ ⚏\n"
    "⚍ ⚎\n"
    "⚆ ⚇\n"
    "⚈ ⚉\n"
    "⚀ ⚁ ⚂ ⚃ ⚄ ⚅\n"
    "← ↑ → ↓ ↖ ↗ ↘ ↙ ➔ ➘ ➙ ➚ ➛ ➜ ➝ ➞ ➟ ➠ ➡ ⬅ ⬆ ⬇ ➨ ➧ ➩ ➪ ➫ ➬ ➭ ➮ ➯ ➱\n"
    "⇐ ⇑ ⇒ ⇓ ⇖ ⇗ ⇘ ⇙\n"
    "⇦ ⇧ ⇨ ⇩ ⇪\n"
    "↔ ↕ ⤡ ⤢\n"
    "⇔ ⇕\n"
    "↺ ↻ ⟲ ⟳\n"
    "⇄ ⇅ ⇆ ⇵\n"
    "↩ ↪ ↫ ↬\n"
    "➢ ➣ ➤\n"
    "➳ ➴ ➵ ➶ ➷ ➸ ➹ ➺ ➻ ➼ ➽\n"
    "✁ ✂ ✃ ✄\n"
    "✎ ✏ ✐ ✍\n"
    "✑ ✒\n"
    "❛ ❜ ❝ ❞\n"
    "❦ ❧\n"
    "⚢ ⚣\n"
    "⚤ ⚥ ⚦ ⚧\n"
    "⛨ ✙ ✚\n";

// Las dos letras de los símbolos dobles: mayúscula y minúscula (23 x 20 = 460 parejas).
const char* const kMayusculas = "ABCDEFGHJKLMNPRSTUVWXYZ";
const char* const kMinusculas = "abdefghnqrtkmpsuvwyz";

std::vector<std::string> partir(const std::string& texto, char separador) {
    std::vector<std::string> v;
    std::string actual;
    for (const char c : texto) {
        if (c == separador) {
            if (!actual.empty()) v.push_back(actual);
            actual.clear();
        } else {
            actual += c;
        }
    }
    if (!actual.empty()) v.push_back(actual);
    return v;
}

}  // namespace

const std::vector<std::string>& simbolos_letra() {
    static const std::vector<std::string> v = partir(kSimbolosLetra, ' ');
    return v;
}

const std::vector<std::vector<std::string>>& grupos_parecidos() {
    static const std::vector<std::vector<std::string>> v = [] {
        std::vector<std::vector<std::string>> g;
        for (const std::string& linea : partir(kGruposParecidos, '\n')) g.push_back(partir(linea, ' '));
        return g;
    }();
    return v;
}

std::string simbolo_letra(int k) {
    const auto& v = simbolos_letra();
    if (k < 0) return {};
    if (k < static_cast<int>(v.size())) return v[static_cast<std::size_t>(k)];
    const int n = static_cast<int>(std::char_traits<char>::length(kMinusculas));
    const int j = (k - static_cast<int>(v.size())) % (n * static_cast<int>(std::char_traits<char>::length(kMayusculas)));
    return std::string(1, kMayusculas[j / n]) + kMinusculas[j % n];
}

}  // namespace pc
