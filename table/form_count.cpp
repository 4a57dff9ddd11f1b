#include "table/form_count.h"

#include "assets/builtin_pictures.h"
#include "i18n/words.h"

#include <QLabel>

namespace vantor {

namespace {
constexpr int kWidth = 440;
}

TFormCount::TFormCount(const TCount& c, const QString& name, TAccountLamp lamp, QWidget* parent)
    : TAuxWindow(QStringLiteral("Count"), words::InformationAboutGame, parent), count(c),
      playerName(name) {
    layoutHeader(kWidth);
    const int top = contentTop();
    LabelHeading = new QLabel(this);
    LabelHeading->setGeometry(10, top, kWidth - 60, 30);
    LabelHeading->setAlignment(Qt::AlignCenter);
    LabelHeading->setFont(slotFont("decor", 14, true));
    ImageLamp = new QLabel(this);
    ImageLamp->setGeometry(kWidth - 40, top + 3, 24, 24);
    const char* lamps[3] = {"LampR24", "LampY24", "LampG24"};
    ImageLamp->setPixmap(
        QPixmap::fromImage(builtinPicture(QString::fromLatin1(lamps[static_cast<int>(lamp)]))));
    const QFont font = slotFont("decor", 11);
    QFont valueFont = slotFont("decor", 11, true);
    for (int i = 0; i < 7; ++i) {
        LabelNames[static_cast<size_t>(i)] = new QLabel(this);
        LabelNames[static_cast<size_t>(i)]->setGeometry(16, top + 40 + i * 28, 300, 24);
        LabelNames[static_cast<size_t>(i)]->setFont(font);
        LabelValues[static_cast<size_t>(i)] = new QLabel(this);
        LabelValues[static_cast<size_t>(i)]->setGeometry(316, top + 40 + i * 28, 104, 24);
        LabelValues[static_cast<size_t>(i)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        LabelValues[static_cast<size_t>(i)]->setFont(valueFont);
    }
    const int okTop = top + 40 + 7 * 28 + 10;
    Button1 = new TZovCardsButton(this);
    Button1->setGeometry((kWidth - 120) / 2, okTop, 120, 30);
    Button1->setDefault(true);
    Button1->setButtonStyle(true);
    styleButton(Button1);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(kWidth, okTop + 42);
    reCaption();
}

void TFormCount::reCaption() {
    setWindowTitle(wordText(words::Player) + QStringLiteral(":  ") + playerName.trimmed());
    LabelHeading->setText(wordText(words::InformationAboutGame));
    const WordEntry* names[7] = {&words::GeneralNumberOfGame, &words::NumberOfRoundInCycle,
                                 &words::TheInitialScore,     &words::TheCurrentScore,
                                 &words::TheGeneralScore,     &words::TheInitialRating,
                                 &words::TheCurrentRating};
    const std::string* values[7] = {&count.Count_KonAll, &count.Count_KonCur, &count.Count_ScoBeg,
                                    &count.Count_ScoCur, &count.Count_ScoAll, &count.Count_ReiBeg,
                                    &count.Count_ReiCur};
    for (int i = 0; i < 7; ++i) {
        LabelNames[static_cast<size_t>(i)]->setText(wordText(*names[i]));
        LabelValues[static_cast<size_t>(i)]->setText(QString::fromStdString(*values[i]).trimmed());
    }
    Button1->setText(wordText(words::Ok));
}

void ShowGameInformation(const TCountInput& input, const QString& playerName, TAccountLamp lamp,
                         const std::function<void(std::string_view cue)>& playCue,
                         QWidget* parent) {
    if (playCue) playCue("WOpenFo");
    TFormCount form(makeCount(input), playerName, lamp, parent);
    runModal(form);
}

} // namespace vantor
