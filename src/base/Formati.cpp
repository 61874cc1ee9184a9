#include "base/Formati.h"

#include <bit>
#include <charconv>
#include <cstdint>
#include <cmath>
#include <cstdio>

namespace vilmor {
namespace {

// Decimal digits of v with n decimals, rounded half to even on the exact binary value.
std::string FissoEsatto(double v, int n) {
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, n);
    return std::string(buf, r.ptr);
}

// True when the float's exact value lies exactly halfway between two n-decimal numbers.
bool Pareggio(float x, int n) {
    if (x == 0 || !std::isfinite(x)) return false;
    int esp;
    float f = std::frexp(std::fabs(x), &esp);       // x = f * 2^esp, f in [0.5, 1)
    uint32_t m = static_cast<uint32_t>(std::ldexp(f, 24));  // x = m * 2^(esp - 24)
    int e = esp - 24;
    // x * 10^n * 2 = m * 5^n * 2^(e + 1 + n): an odd integer exactly when the power of two
    // cancels all of m's factors of two and leaves none.
    int k = e + 1 + n;
    if (k > 0) return false;
    int zeri = std::countr_zero(m);
    return zeri == -k;
}

// Adds one unit in the last place to a string of digits with an optional point.
std::string IncrementaUltima(std::string s) {
    int i = static_cast<int>(s.size()) - 1;
    while (i >= 0) {
        if (s[i] == '.') {
            --i;
            continue;
        }
        if (s[i] == '9') {
            s[i] = '0';
            --i;
        } else {
            ++s[i];
            return s;
        }
    }
    return "1" + s;
}

}  // namespace

std::string FormatNum(float valore, int n) {
    if (n < 0) n = 0;
    if (!std::isfinite(valore)) return "0";
    double v = std::fabs(static_cast<double>(valore));
    std::string s;
    if (Pareggio(valore, n)) {
        // The exact value ends in 5 at decimal n + 1: drop it and round away from zero.
        s = FissoEsatto(v, n + 1);
        s.pop_back();
        if (!s.empty() && s.back() == '.') s.pop_back();
        s = IncrementaUltima(s);
    } else {
        s = FissoEsatto(v, n);
    }
    bool zero = s.find_first_not_of("0.") == std::string::npos;
    if (valore < 0 && !zero) s.insert(s.begin(), '-');
    return s;
}

std::string FormatNumVar(float valore, int n) {
    float f = valore - std::floor(valore);
    float t = n > 0 ? 1.0f / (10.0f * static_cast<float>(n)) : 2.0f;
    return FormatNum(valore, f >= t ? n : 0);
}

std::string FormatIntDxf(int valore) {
    std::string s = std::to_string(valore);
    if (s.size() < 6) s.insert(0, 6 - s.size(), ' ');
    return s;
}

namespace {

// The plain form: 7 significant digits, no trailing zeros, no zero before the point.
std::string FormaSemplice(float f) {
    if (f == 0 || !std::isfinite(f)) return "0";
    char buf[64];
    auto fine = std::to_chars(buf, buf + sizeof buf, static_cast<double>(f), std::chars_format::general, 7);
    std::string s(buf, fine.ptr);
    auto e = s.find('e');
    if (e != std::string::npos) s[e] = 'E';
    std::string mant = e == std::string::npos ? s : s.substr(0, e);
    std::string esp = e == std::string::npos ? "" : s.substr(e);
    if (mant.find('.') != std::string::npos) {
        while (!mant.empty() && mant.back() == '0') mant.pop_back();
        if (!mant.empty() && mant.back() == '.') mant.pop_back();
    }
    if (mant.rfind("0.", 0) == 0) mant.erase(0, 1);
    else if (mant.rfind("-0.", 0) == 0) mant.erase(1, 1);
    return mant + esp;
}

}  // namespace

std::string ArrotondaTesto(float valore, int n) {
    double scala = std::pow(10.0, n);
    double r = std::nearbyint(static_cast<double>(valore) * scala) / scala;
    return FormaSemplice(static_cast<float>(r));
}

std::string Str(float valore) {
    const std::string s = FormaSemplice(valore);
    return s[0] == '-' ? s : " " + s;
}

std::string Str(int valore) { return valore < 0 ? std::to_string(valore) : " " + std::to_string(valore); }

float GradiRadianti(float angolo) { return static_cast<float>(angolo * 0.0174532925199433); }
float RadiantiGradi(float angolo) { return static_cast<float>(angolo * 57.2957795130823); }

float AngoloSegmento(float X1, float Y1, float X2, float Y2) {
    float dx = X2 - X1;
    if (std::fabs(dx) <= 0.001f) return 1.5707964f;
    double a = std::atan(static_cast<double>(Y2 - Y1) / static_cast<double>(dx));
    if (a < -1.04) a += 3.14159265;
    return static_cast<float>(a);
}

float AngoloGradi(float X1, float Y1, float X2, float Y2) {
    return RadiantiGradi(AngoloSegmento(X1, Y1, X2, Y2));
}

void AngoloSenCos(float X1, float Y1, float X2, float Y2, float& gradi, float& seno, float& coseno) {
    float a = AngoloSegmento(X1, Y1, X2, Y2);
    gradi = RadiantiGradi(a);
    seno = static_cast<float>(std::sin(a));
    coseno = static_cast<float>(std::cos(a));
}

float Angolo180(float a) {
    float b = a + 180;
    return b >= 360 ? b - 360 : b;
}

float Angolo90(float a) {
    float b = a + 90;
    return b >= 360 ? b - 360 : b;
}

namespace {
void Ruota(float X, float Y, float& Xr, float& Yr, double a) {
    double c = std::cos(a), s = std::sin(a);
    if (std::fabs(static_cast<float>(c)) < 0.000001f) c = 0;
    if (std::fabs(static_cast<float>(s)) < 0.000001f) s = 0;
    Xr = static_cast<float>(c * X + s * Y);
    Yr = static_cast<float>(c * Y - s * X);
}
}  // namespace

void RuotaPunto(float X, float Y, float& Xr, float& Yr, float a) { Ruota(X, Y, Xr, Yr, a); }

void RuotaPuntoInv(float X, float Y, float& Xr, float& Yr, float a) {
    Ruota(X, Y, Xr, Yr, 6.28318530717959 - static_cast<double>(a));
}

}  // namespace vilmor
