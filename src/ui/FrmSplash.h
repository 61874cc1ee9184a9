// The about box: the program's picture and its build label, modal over the main window. It
// closes after three seconds or at the first click on the picture or the label.
#pragma once

#include <QDialog>

class QLabel;
class QTimer;

namespace vilmor {

class FrmSplash : public QDialog {
    Q_OBJECT
public:
    explicit FrmSplash(QWidget* parent = nullptr);

    static constexpr int Larghezza = 455, Altezza = 265;
    static constexpr int IntervalloMs = 3000;

    QLabel* Label1() const { return label1_; }
    QTimer* Timer1() const { return timer1_; }

protected:
    void showEvent(QShowEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    QLabel* picture_ = nullptr;
    QLabel* label1_ = nullptr;
    QTimer* timer1_ = nullptr;
};

}  // namespace vilmor
