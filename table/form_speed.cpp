#include "table/form_speed.h"

#include "i18n/words.h"
#include "settings/settings.h"
#include "table/fonts.h"
#include "table/qtext.h"
#include "table/zov_cards_button.h"

#include <QGridLayout>
#include <QLabel>
#include <QSlider>

namespace vantor {
TFormSpeed::TFormSpeed(QWidget* parent) : QDialog(parent) {
    setWindowTitle(qw(words::ChoiceOfSpeed));
    auto* grid = new QGridLayout(this);
    Label0 = new QLabel(qw(words::SelectFlightSpeed), this);
    Label0->setFont(slotFontPx("decor", 16));
    grid->addWidget(Label0, 0, 0, 1, 6);
    TrackBar1 = new QSlider(Qt::Horizontal, this);
    TrackBar1->setRange(1, 6);
    TrackBar1->setSingleStep(1);
    TrackBar1->setPageStep(1);
    TrackBar1->setTickPosition(QSlider::TicksBelow);
    TrackBar1->setValue(Settings.Speed >= 1 && Settings.Speed <= 6 ? Settings.Speed : 4);
    grid->addWidget(TrackBar1, 1, 0, 1, 6);
    for (int i = 1; i <= 6; ++i) {
        auto* l = new QLabel(QString::number(i), this);
        l->setAlignment(Qt::AlignCenter);
        grid->addWidget(l, 2, i - 1);
    }
    connect(TrackBar1, &QSlider::valueChanged, this, [](int v) { Settings.Speed = v; });
    Button1 = new TZovCardsButton(qw(words::Ok), this);
    Button1->setFont(slotFontPx("decor", 18));
    grid->addWidget(Button1, 3, 1, 1, 4);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    setMinimumWidth(320);
}

} // namespace vantor
