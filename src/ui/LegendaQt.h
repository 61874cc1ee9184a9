// The legend panel `Picture2`: a small picture in the main window's side column, drawn in
// twips and kept as an image, so a repaint shows the last legend whole.
#pragma once

#include <QImage>
#include <QWidget>

#include "base/Piattaforma.h"

namespace vilmor {

class LegendaQt : public QWidget, public PannelloLegenda {
    Q_OBJECT
public:
    explicit LegendaQt(QWidget* parent = nullptr);

    void DisegnoPersistente(bool attivo) override { persistente_ = attivo; }
    void Pulisci() override;
    void ColoreTesto(int32_t rgb) override { testo_ = rgb; }
    // Outlines and filled rectangles are explicit: the fill style changes neither.
    void StileRiempimento(int stile) override { stile_ = stile; }
    void SpessoreLinea(int pixel) override { spessore_ = std::max(1, pixel); }
    void Testo(float x, float y, const std::string& testo) override;
    void Linea(float x1, float y1, float x2, float y2, int32_t rgb) override;
    void Rettangolo(float x1, float y1, float x2, float y2, int32_t rgb) override;
    void RettangoloPieno(float x1, float y1, float x2, float y2, int32_t rgb) override;

    // What a repaint shows.
    const QImage& Mostrata() const { return volatile_.isNull() ? immagine_ : volatile_; }
    // Where the texts of the picture shown lie, in pixels (empty without texts).
    QRectF AreaTesti() const { return volatile_.isNull() ? testi_ : testi_ | testiVolatili_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    template <class F> void Disegna(F&& f);
    QImage immagine_;  // the panel's picture
    QImage volatile_;  // drawing with persistence off, over the picture until the next clear
    bool persistente_ = true;
    int32_t testo_ = 0;
    int stile_ = 0;
    int spessore_ = 1;
    QRectF testi_, testiVolatili_;
};

// A legend panel that draws nothing and keeps where a legend would reach, in pixels, with the
// font given: what the panel needs to show it whole.
class MisuraLegendaQt : public PannelloLegenda {
public:
    explicit MisuraLegendaQt(const QFont& font) : font_(font) {}
    QRectF Area;
    void DisegnoPersistente(bool) override {}
    void Pulisci() override {}
    void ColoreTesto(int32_t) override {}
    void StileRiempimento(int) override {}
    void SpessoreLinea(int) override {}
    void Testo(float x, float y, const std::string& testo) override;
    void Linea(float x1, float y1, float x2, float y2, int32_t) override;
    void Rettangolo(float x1, float y1, float x2, float y2, int32_t) override;
    void RettangoloPieno(float x1, float y1, float x2, float y2, int32_t) override;

private:
    QFont font_;
};

}  // namespace vilmor
