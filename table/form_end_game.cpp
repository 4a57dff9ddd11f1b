#include "table/form_end_game.h"

#include "assets/builtin_pictures.h"
#include "i18n/words.h"

#include <QLabel>
#include <QPainter>

namespace vantor {

namespace {

constexpr int kWidth = 600;
constexpr int kTextWidth = 450;
constexpr int kTextHeight = 370;

QColor lineColour(CycleColour c, bool dark) {
    switch (c) {
    case CycleColour::Purple:
        return dark ? QColor(255, 120, 255) : QColor(128, 0, 128);
    case CycleColour::Maroon:
        return dark ? QColor(255, 110, 110) : QColor(128, 0, 0);
    case CycleColour::Navy:
        return dark ? QColor(130, 170, 255) : QColor(0, 0, 128);
    case CycleColour::Green:
        return dark ? QColor(90, 230, 90) : QColor(0, 128, 0);
    case CycleColour::Red:
        return QColor(255, 0, 0);
    case CycleColour::Yellow:
        return QColor(255, 255, 0);
    case CycleColour::Default:
        break;
    }
    return dark ? colourBGR(kGoldBGR) : QColor(Qt::black);
}

QString qText(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

TFormEndGame::TFormEndGame(const TEndOfCycleInput& in, const TPlayCue& cue, QWidget* parent)
    : TAuxWindow(QStringLiteral("EndGame"), words::CompletionOfGame, parent), input(in),
      cycleView(endOfCycleView(in, [](std::string_view e) { return wordByEnglish(e); })),
      playCue(cue) {
    layoutHeader(kWidth);
    const int top = contentTop();
    setWindowTitle(qText(cycleView.caption));
    ImageText = new QLabel(this);
    ImageText->setGeometry(5, top, kTextWidth, kTextHeight);
    ImageText->setPixmap(QPixmap::fromImage(textArea()));
    AnimationResult = new TAnimationLabel(this);
    AnimationResult->setGeometry(kTextWidth + 15, top + 10, 120, 120);
    AnimationResult->setAnimation(qText(cycleView.animation));
    if (Settings.GifAnimationOn)
        AnimationResult->play(cycleView.stopFrame, 80);
    else
        AnimationResult->freeze(cycleView.fixedFrame);
    AnimationClub = new TAnimationLabel(this);
    AnimationClub->setGeometry(kTextWidth + 45, top + 150, 60, 75);
    AnimationClub->setAnimation(qText(cycleView.clubEmblem));
    if (Settings.GifAnimationOn)
        AnimationClub->play(0, 90);
    else
        AnimationClub->freeze(0);
    ImageAccount = new QLabel(this);
    ImageAccount->setGeometry(kTextWidth + 59, top + 240, 32, 32);
    ImageAccount->setVisible(cycleView.accountIcon);
    if (cycleView.accountIcon)
        ImageAccount->setPixmap(
            QPixmap::fromImage(builtinPicture(QStringLiteral("Account48"))
                                   .scaled(32, 32, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    Button1 = new TZovCardsButton(wordText(words::Ok), this);
    Button1->setGeometry(kTextWidth + 15, top + kTextHeight - 40, 120, 30);
    Button1->setDefault(true);
    Button1->setButtonStyle(true);
    styleButton(Button1);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(kWidth, top + kTextHeight + 10);
}

QImage TFormEndGame::textArea() const {
    const bool dark = !isGrey(look());
    QImage img(kTextWidth, kTextHeight, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // The lines stand 100, 175, 250 and 325 down the picture; the window's header already takes
    // the top of it, so they are drawn relative to the text area's own top.
    const int shift = -60;
    if (cycleView.medal) {
        const QImage medal = builtinPicture(QStringLiteral("GMedal"));
        const QImage place = builtinPicture(qText(cycleView.placePicture));
        // Bottom left, clear of the centred lines.
        const QRect r(6, kTextHeight - 70, 64, 64);
        p.drawImage(r, medal);
        p.drawImage(r, place);
    }
    if (cycleView.rewardShown) {
        const QImage coin = builtinPicture(QStringLiteral("GZovs128"));
        const QImage coinT = builtinPicture(QStringLiteral("GZovsT128"));
        p.drawImage(QRect(kTextWidth - 100, kTextHeight - 100, 96, 96), coinT);
        p.drawImage(QRect(kTextWidth - 200, kTextHeight - 100, 96, 96), coin);
        QFont f = slotFont("decor", 44, true);
        p.setFont(f);
        p.setPen(QColor(255, 255, 0));
        p.drawText(QRect(kTextWidth - 200, kTextHeight - 100, 96, 96), Qt::AlignCenter,
                   qText(cycleView.rewardNumber.text));
    }
    for (int i = 0; i < 4; ++i) {
        const TCycleLine& line = cycleView.lines[static_cast<size_t>(i)];
        if (line.text.empty()) continue;
        QFont f = slotFont("decor", line.size > 0 ? line.size : 20, true);
        const QString t = qText(line.text);
        // Long texts in some languages are brought down to fit the 350-pixel band.
        while (f.pointSize() > 8 && QFontMetrics(f).horizontalAdvance(t) > 390)
            f.setPointSize(f.pointSize() - 1);
        p.setFont(f);
        const int y = cycleView.lineY[static_cast<size_t>(i)] + shift;
        const QRect band(50 - 20, y, 350 + 40, QFontMetrics(f).height() + 4);
        p.setPen(lineColour(line.colour, dark).darker(dark ? 300 : 200));
        p.drawText(band.translated(1, 1), Qt::AlignHCenter | Qt::AlignTop, t);
        p.setPen(lineColour(line.colour, dark));
        p.drawText(band, Qt::AlignHCenter | Qt::AlignTop, t);
    }
    if (cycleView.rewardShown) {
        QFont f = slotFont("decor", 20, true);
        p.setFont(f);
        p.setPen(QColor(255, 0, 0));
        p.drawText(QRect(10, kTextHeight - 130, kTextWidth - 20, 30), Qt::AlignHCenter,
                   qText(cycleView.rewardLine.text));
    }
    return img;
}

void TFormEndGame::showEvent(QShowEvent* event) {
    TAuxWindow::showEvent(event);
    if (!fanfarePlayed && playCue) {
        fanfarePlayed = true;
        playCue(cycleView.sound);
    }
}

void ShowEndOfCycle(const TEndOfCycleInput& input, const TPlayCue& playCue, QWidget* parent) {
    TFormEndGame form(input, playCue, parent);
    runModal(form);
}

TEndOfGameOutcome ExitToMenu(const TEndOfGameInput& input, TCurrentPlayer& player,
                             TClubFile& clubOfMode, const std::filesystem::path& home,
                             const TExitToMenuSide& side, const THistoryStamp& stamp) {
    TEndOfGameSteps steps;
    steps.settleAccount = side.settleAccount;
    steps.postTournamentResult = side.postTournamentResult;
    steps.postStatistics = side.postStatistics;
    steps.playCue = side.playCue;
    steps.showError = [&side](const std::string& message) {
        const QString text = QString::fromStdString(message);
        const QStringList lines = text.split(QStringLiteral("\n\r"));
        showNotice(lines.value(0), lines.mid(1).join(QLatin1Char(' ')), side.parent);
    };
    steps.closeLan = side.closeLan;
    steps.showEndOfCycle = [&side](const TEndOfCycleInput& cycle) {
        ShowEndOfCycle(cycle, side.playCue, side.parent);
    };
    steps.offerWorldTopTen = side.offerWorldTopTen;
    steps.submitAccountCycle = side.submitAccountCycle;
    steps.recordReward = side.recordReward;
    steps.showMenu = side.showMenu;
    steps.word = [](std::string_view english) { return wordByEnglish(english); };
    return runEndOfGame(input, player, clubOfMode, home, steps, stamp);
}

} // namespace vantor
