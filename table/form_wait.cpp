#include "table/form_wait.h"

#include "i18n/words.h"
#include "settings/settings.h"
#include "table/fonts.h"
#include "table/form_aux.h"
#include "table/zov_cards_button.h"

#include <QLabel>
#include <QTimer>

namespace vantor {

TFormWait::TFormWait(QWidget* parent) : QDialog(parent) {
    setModal(true);
    setFixedSize(400, 230);
    const QFont font = slotFontPx("decor", 16);
    Animation = new TAnimationLabel(this);
    Animation->setGeometry(16, 16, 60, 75);
    Animation->setAnimation(QStringLiteral("GClubG"));
    auto label = [&](int top, bool bold) {
        auto* l = new QLabel(this);
        QFont f = font;
        f.setBold(bold);
        l->setFont(f);
        l->setGeometry(90, top, 300, 26);
        return l;
    };
    Label1 = label(20, true);
    Label1->setWordWrap(true);
    Label1->setGeometry(90, 14, 300, 52);
    Label1->setStyleSheet(QStringLiteral("color: #800000"));
    Label2 = label(74, false);
    Label3 = label(100, false);
    Label4 = label(126, false);
    for (QLabel* l : {Label2, Label3, Label4}) l->setStyleSheet(QStringLiteral("color: #000080"));
    Button1 = new TZovCardsButton(QString(), this);
    Button2 = new TZovCardsButton(QString(), this);
    int x = 40;
    for (auto* b : {Button1, Button2}) {
        b->setFont(slotFontPx("decor", 18));
        b->setHeightSB(D30);
        b->setColorSB(DRed);
        b->setFontColor(QColor(Qt::white));
        b->setLightFont(true);
        b->setColorMouse(QColor(255, 255, 0));
        b->setGrayDis(true);
        b->setGeometry(x, 176, 150, 34);
        x += 170;
    }
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });
    Prepare(true);
}

void TFormWait::Prepare(bool host) {
    fHost = host;
    JoinResult = false;
    setWindowTitle(wordText(words::PleaseWait));
    Label1->setText(wordText(host ? words::WaitingForPlayers : words::WaitingForGame));
    Label2->setText(wordText(words::SecondPlayerConnected));
    Label3->setText(wordText(words::ThirdPlayerConnected));
    Label4->setText(wordText(words::FourthPlayerConnected));
    for (QLabel* l : {Label2, Label3, Label4}) l->setVisible(false);
    Button1->setText(wordText(words::Ok));
    Button2->setText(wordText(words::Cancel));
    Button1->setEnabled(false);
    Button2->setEnabled(true);
}

void TFormWait::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    setWindowTitle(wordText(words::PleaseWait));
    if (Settings.GifAnimationOn) {
        Animation->play(0, 80);
    } else {
        Animation->freeze(0);
    }
    Timer1->start();
}

void TFormWait::hideEvent(QHideEvent* event) {
    Timer1->stop();
    Animation->freeze(0);
    QDialog::hideEvent(event);
}

void TFormWait::JoinerSeated(int joiners) {
    Button1->setEnabled(true);
    Button2->setEnabled(false);
    Label2->setVisible(joiners >= 1);
    Label3->setVisible(joiners >= 2);
    Label4->setVisible(joiners >= 3);
}

void TFormWait::Seated() {
    finish(true);
}

void TFormWait::Abandon() {
    finish(false);
}

void TFormWait::Timer1Timer() {
    if (side.noGame && side.noGame()) Label1->setText(wordText(words::NoAccessibleGames));
}

void TFormWait::Button1Click() {
    if (!fHost || !Button1->isEnabled()) return;
    finish(true);
}

void TFormWait::Button2Click() {
    if (!Button2->isEnabled()) return;
    if (side.cancel) side.cancel();
    finish(false);
}

void TFormWait::reject() {
    // Once a joiner is seated the host can only start; the window stays.
    if (Button2->isEnabled()) Button2Click();
}

void TFormWait::finish(bool joined) {
    JoinResult = joined;
    Timer1->stop();
    Animation->freeze(0);
    done(joined ? QDialog::Accepted : QDialog::Rejected);
}

} // namespace vantor
