#pragma once
// TFormSpeed: the card flight speed, 1 (slow) to 6 (fastest), set as the track bar moves.

#include <QDialog>

class QLabel;
class QSlider;

namespace vantor {

class TZovCardsButton;

class TFormSpeed : public QDialog {
public:
    explicit TFormSpeed(QWidget* parent = nullptr);
    QLabel* Label0 = nullptr;
    QSlider* TrackBar1 = nullptr;
    TZovCardsButton* Button1 = nullptr;
};

} // namespace vantor
