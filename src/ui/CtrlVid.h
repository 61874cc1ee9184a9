// The plan picture: a widget painted from a backing image. With persistent drawing on,
// what is drawn stays in the image until the next clear.
#pragma once

#include <functional>

#include <QImage>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <array>
#include <memory>
#include <utility>

#include "base/Piattaforma.h"

namespace vilmor {

class CtrlVid : public QWidget, public SuperficieVideo {
    Q_OBJECT
public:
    explicit CtrlVid(QWidget* parent = nullptr);
    // A pass may leave its painter open: it ends before the image it paints on goes.
    ~CtrlVid() override { FinePittore(); }

    // Makes this the picture the engine draws on and tells the transform its height.
    void Installa();
    // The Enter key while the picture has the focus (it takes it on a press).
    std::function<void()> Invio;

    void Pulisci() override;
    void PuntatoreAttesa(bool attesa) override;
    // The picture has one pen colour: text is written in the foreground colour too.
    void ColoreTesto(int32_t rgb) override { primo_ = rgb; }
    void ColoreSfondo(int32_t rgb) override;
    void ColorePrimoPiano(int32_t rgb) override { primo_ = rgb; }
    int32_t PrimoPiano() const override { return primo_; }
    void DisegnoPersistente(bool attivo) override { persistente_ = attivo; }
    int Larghezza() const override { return width(); }
    int Altezza() const override { return height(); }
    void LineaPalette(int x1, int y1, int x2, int y2, int colore) override;
    void RettangoloPieno(int x1, int y1, int x2, int y2, int colore) override;
    void Linea(float x1, float y1, float x2, float y2, int32_t rgb, bool punteggiata) override;
    void Cerchio(float x, float y, float raggio, int32_t rgb, bool punteggiata) override;
    void PoligonoPieno(const std::vector<Punto>& pixel, int32_t rgb) override;
    void PoligoniPieni(const std::vector<Punto>& pixel, const std::vector<int>& vertici, int32_t rgb) override;
    bool DipingiFasce(const TriangoloFasce& t, const std::array<int32_t, 12>& colori) override;
    void TestoRuotato(int x, int y, int altezza, int larghezza, int angolo, const std::string& testo) override;
    float LarghezzaTesto(int altezza, int larghezza, const std::string& testo) const override;
    void SpessorePenna(int pixel) override { spessore_ = std::max(1, pixel); }
    void Rettangolo(int x1, int y1, int x2, int y2, int32_t rgb) override;
    void RettangoloPienoRgb(int x1, int y1, int x2, int y2, int32_t rgb) override;
    void CerchioPieno(float x, float y, float raggio, int32_t riempimento, int32_t bordo) override;
    void PoligonoBordato(const std::vector<Punto>& pixel, int32_t riempimento, int32_t bordo) override;
    void RettangoloFocus(int x1, int y1, int x2, int y2) override;

    // The lasting drawing and what is shown (the painter of a pass ends first).
    const QImage& Immagine() const {
        FinePittore();
        return immagine_;
    }
    const QImage& Mostrata() const {
        FinePittore();
        return volatile_.isNull() ? immagine_ : volatile_;
    }
    static QColor Colore(int32_t rgb);

    // Pan on the picture already drawn. A move of (dx, dy) pixels moves the view, shows the
    // last complete drawing shifted by the whole drag so far at once and queues one full
    // redraw for when the moves pause; the end of the drag redraws at once. A full redraw
    // waiting for a pause is what keeps a drag over a large map fluid.
    void PanMossa(int dx, int dy);
    void PanFine();
    bool RidisegnoInAttesa() const { return attesaPan_.isActive(); }
    // The last complete drawing moved by (dx, dy) more pixels, the uncovered band in the
    // background colour; the view itself does not change.
    void MostraSpostata(int dx, int dy);
    // How long the moves must pause before the queued redraw runs (ms).
    static constexpr int PausaPan = 120;

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;
    // The mouse goes to the engine's state machine: left 1, right 2, middle 4.
    void mousePressEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    template <class F> void Disegna(F&& f);
    // The same for drawing that writes the pixels of the image itself.
    template <class F> void DisegnaPixel(F&& f);
    // One painter serves a whole drawing pass on the lasting image; it ends before the image
    // is shown, cleared, resized or drawn on otherwise.
    QPainter* Pittore();
    void FinePittore() const { pittore_.reset(); }
    // The drawing on the lasting image is its own again: the shift's source is let go.
    void FineSpostamento();
    void RidisegnoPan();
    mutable std::unique_ptr<QPainter> pittore_;
    // The brushes of the last colours filled.
    const QBrush& Pennello(int32_t rgb);
    std::array<std::pair<int32_t, QBrush>, 16> pennelli_{};
    size_t prossimoPennello_ = 0;
    bool ridisegnoChiesto_ = false;  // a repaint is pending
    int spessore_ = 1;
    int ruota_ = 0;  // wheel angle not yet a whole step
    QImage immagine_;
    QImage volatile_;  // what is drawn with persistent drawing off: gone at the next repaint
    int32_t sfondo_ = 0;
    int32_t primo_ = 0xFFFFFF;
    bool persistente_ = true;
    // While shifted: the complete drawing the shown one comes from, and the shift so far.
    QImage base_;
    QImage riserva_;  // a spare buffer of the picture's size, kept between drags
    bool spostata_ = false;
    long long spostX_ = 0, spostY_ = 0;
    QTimer attesaPan_;
};

}  // namespace vilmor
