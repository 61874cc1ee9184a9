#include "base/NumeriAngoli.h"

#include <charconv>
#include <cmath>

#include "base/Formati.h"

namespace vilmor {

double ArrotondaPari(double v, int n) {
    double scala = std::pow(10.0, n);
    return std::nearbyint(v * scala) / scala;
}

double AngoloRadianti(float X1, float Y1, float X2, float Y2) {
    float dx = X2 - X1, dy = Y2 - Y1;
    if (std::fabs(dx) <= 1e-4f) return dy >= 0 ? 1.5707963267949 : 4.71238898038469;
    if (std::fabs(dy) <= 1e-4f) return dx < 0 ? 3.14159265358979 : 0.0;
    double a = std::atan(static_cast<double>(dy) / static_cast<double>(dx));
    if (dx < 0) return a + 3.14159265358979;
    if (dy < 0) return a + 6.28318530717959;
    return a;
}

float InclinazioneSegmento(float X1, float Y1, float X2, float Y2) {
    float dx = X2 - X1, dy = Y2 - Y1;
    if (std::fabs(dx) < 1e-5f && Y2 > Y1) return 1.5707964f;
    if (std::fabs(dx) < 1e-5f && Y2 < Y1) return 4.712389f;
    if (std::fabs(dy) < 1e-5f) return X2 < X1 ? 3.1415927f : 0.0f;
    float r = static_cast<float>(std::atan(std::fabs(static_cast<double>(dy)) / std::fabs(static_cast<double>(dx))));
    double res;
    if (X2 < X1 && Y2 > Y1) res = 3.14159265358979 - r;
    else if (X2 < X1 && Y2 < Y1) res = r + 3.14159265358979;
    else if (X2 > X1 && Y2 < Y1) res = 6.28318530717959 - r;
    else res = r;
    return static_cast<float>(res);
}

float DirezioneGradi(float X1, float Y1, float X2, float Y2) {
    float dx = X2 - X1, dy = Y2 - Y1;
    if (std::fabs(dx) <= 1e-4f) return dy >= 0 ? 90.0f : 270.0f;
    if (std::fabs(dy) <= 1e-4f) return dx < 0 ? 180.0f : 0.0f;
    return static_cast<float>(ArrotondaPari(AngoloRadianti(X1, Y1, X2, Y2) * 57.2957795130823, 2));
}

float RiduciAngolo180(double A) {
    double quoziente = A / 180.0;
    float q = static_cast<float>(quoziente);
    return static_cast<float>((static_cast<double>(q) - std::floor(quoziente)) * 180.0);
}

namespace {
// Hundredths of x above its floor, 0..100, after rounding x to two decimals.
void Centesimi(float x, float& base, int& h) {
    float v = static_cast<float>(ArrotondaPari(x, 2));
    base = std::floor(v);
    float cento = v * 100.0f;
    h = static_cast<int>(std::nearbyint(static_cast<double>(cento) - static_cast<double>(base) * 100.0));
}
}  // namespace

float ArrotondaSuMezzo(float x) {
    float b;
    int h;
    Centesimi(x, b, h);
    float add = (h >= 1 && h <= 50) ? 0.5f : (h >= 51 && h <= 100) ? 1.0f : 0.0f;
    return b + add;
}

float ArrotondaGiuMezzo(float x) {
    float b;
    int h;
    Centesimi(x, b, h);
    float add = (h >= 51 && h <= 100) ? 0.5f : 0.0f;
    return b + add;
}

float ArrotondaMezzo(float x) {
    float b;
    int h;
    Centesimi(x, b, h);
    float add = (h >= 26 && h <= 74) ? 0.5f : (h >= 75 && h <= 100) ? 1.0f : 0.0f;
    return b + add;
}

std::string VirgolaPunto(const std::string& s) {
    auto k = s.find(',');
    if (k == std::string::npos) return s;
    std::string r = s;
    r[k] = '.';
    return r;
}

float ValNumero(const std::string& s) {
    std::string t = VirgolaPunto(s);
    // Blanks, tabs and line feeds do not count wherever they stand.
    std::string c;
    c.reserve(t.size());
    for (char ch : t)
        if (ch != ' ' && ch != '\t' && ch != '\n' && ch != '\r') c.push_back(ch);
    size_t i = 0;
    std::string num;
    if (i < c.size() && (c[i] == '+' || c[i] == '-')) num.push_back(c[i++]);
    bool cifre = false, punto = false;
    while (i < c.size()) {
        char ch = c[i];
        if (ch >= '0' && ch <= '9') {
            cifre = true;
            num.push_back(ch);
        } else if (ch == '.' && !punto) {
            punto = true;
            num.push_back(ch);
        } else {
            break;
        }
        ++i;
    }
    if (!cifre) return 0;
    if (i < c.size() && (c[i] == 'E' || c[i] == 'e' || c[i] == 'D' || c[i] == 'd')) {
        size_t j = i + 1;
        std::string esp = "e";
        if (j < c.size() && (c[j] == '+' || c[j] == '-')) esp.push_back(c[j++]);
        size_t k = j;
        while (k < c.size() && c[k] >= '0' && c[k] <= '9') esp.push_back(c[k++]);
        if (k > j) num += esp;
    }
    const char* p = num.c_str();
    if (*p == '+') ++p;
    double v = 0;
    auto r = std::from_chars(p, num.c_str() + num.size(), v);
    if (r.ec != std::errc() || !std::isfinite(v)) return 0;
    float f = static_cast<float>(v);
    return std::isfinite(f) ? f : 0.0f;
}

std::string FormatoNumero(float x) {
    float f = x - std::floor(x);
    return FormatNum(x, f >= 0.001f ? 1 : 0);
}

double ScattaCosSeno(double v) {
    if (std::fabs(v) < 1e-5) return 0;
    if (std::fabs(v - 1) < 1e-5) return 1;
    return v;
}

}  // namespace vilmor
