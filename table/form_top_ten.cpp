#include "table/form_top_ten.h"

#include "i18n/words.h"

#include <QLabel>
#include <QPainter>

namespace vantor {

namespace {
constexpr int kPictureWidth = 450;
constexpr int kPictureHeight = 500;
} // namespace

std::array<TTopTenRow, 10> readTopTenRows(const std::filesystem::path& clubPath) {
    std::array<TTopTenRow, 10> rows;
    const TClubRead read = readClubFile(clubPath);
    // A damaged file still shows what its lines hold when their structure is right.
    if (!read.structureOk) return rows;
    for (int i = 0; i < 10; ++i) {
        const std::string& line = read.lines[static_cast<size_t>(kFirstTopTenLine + i)];
        rows[static_cast<size_t>(i)].name = fromCp1251(line.substr(0, kNameLength)).trimmed();
        rows[static_cast<size_t>(i)].result =
            fromCp1251(line.size() > kNameLength ? line.substr(kNameLength) : std::string())
                .trimmed();
    }
    return rows;
}

TFormTopTen::TFormTopTen(const std::filesystem::path& home, bool lanMode, QWidget* parent)
    : TAuxWindow(QStringLiteral("TopTen"), words::TopTen, parent), lan(lanMode) {
    // The plain window: the purple one is the world top ten window in its local mode.
    if (!isGrey(look())) fixedLook = TAuxLook::Aristocratic;
    const int shift = std::max(0, headerHeight() - 64);
    topRows = readTopTenRows(clubFile(home, lan ? ClubKind::Lan : ClubKind::Computer).path);
    setWindowTitle(wordText(words::TopTen));
    layoutHeader(kPictureWidth + 140);
    ImageTable = new QLabel(this);
    ImageTable->setGeometry(5, shift, kPictureWidth, kPictureHeight);
    ImageTable->setPixmap(QPixmap::fromImage(tablePicture()));
    ImageTable->lower();
    AnimationTopTen = new TAnimationLabel(this);
    AnimationTopTen->setGeometry(kPictureWidth + 25, shift + 110, 100, 100);
    AnimationTopTen->setAnimation(QStringLiteral("GTopTen"));
    AnimationClub = new TAnimationLabel(this);
    AnimationClub->setGeometry(kPictureWidth + 45, shift + 240, 60, 75);
    AnimationClub->setAnimation(lan ? QStringLiteral("GClubG") : QStringLiteral("GClubF"));
    for (TAnimationLabel* a : {AnimationTopTen, AnimationClub}) {
        if (Settings.GifAnimationOn)
            a->play(0, 90);
        else
            a->freeze(0);
    }
    Button1 = new TZovCardsButton(wordText(words::Ok), this);
    Button1->setGeometry(kPictureWidth + 15, shift + kPictureHeight - 50, 120, 30);
    Button1->setDefault(true);
    Button1->setButtonStyle(true);
    styleButton(Button1);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(kPictureWidth + 140, shift + kPictureHeight);
}

QImage TFormTopTen::tablePicture() const {
    QImage img(kPictureWidth, kPictureHeight, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::TextAntialiasing);
    // The headings are English titles kept at one fixed index of the table.
    const WordEntry& heading = lan ? words::TopTenNetHeading : words::TopTenLocalHeading;
    const std::string_view h = heading[kFixedTitleLanguage];
    p.setFont(slotFont("decor", 13, true));
    p.setPen(QColor(128, 0, 0));
    p.drawText(QRect(0, 85, kPictureWidth, 26), Qt::AlignHCenter | Qt::AlignTop,
               QString::fromUtf8(h.data(), static_cast<qsizetype>(h.size())));
    p.setFont(slotFont("decor", 12, true));
    p.setPen(Qt::black);
    p.drawText(QRect(70, 120, 160, 24), Qt::AlignHCenter | Qt::AlignTop, wordText(words::TopTen));
    p.drawText(QRect(250, 120, 150, 24), Qt::AlignHCenter | Qt::AlignTop, wordText(words::Score));
    p.setFont(slotFont("decor", 12));
    for (int row = 1; row <= 10; ++row) {
        const int y = 150 + 33 * (row - 1);
        p.setPen(row <= 3 ? QColor(255, 0, 0) : QColor(0, 0, 128));
        const TTopTenRow& r = topRows[static_cast<size_t>(row - 1)];
        p.drawText(QRect(70, y, 25, 26), Qt::AlignLeft | Qt::AlignTop,
                   QString::number(row) + QLatin1Char('.'));
        p.drawText(QRect(95, y, 220, 26), Qt::AlignLeft | Qt::AlignTop, r.name);
        p.drawText(QRect(300, y, 80, 26), Qt::AlignRight | Qt::AlignTop, r.result);
    }
    return img;
}

void ShowTopTen(const std::filesystem::path& home, bool lan,
                const std::function<void(std::string_view cue)>& playCue, QWidget* parent) {
    if (playCue) playCue("WOpenFo");
    TFormTopTen form(home, lan, parent);
    runModal(form);
}

} // namespace vantor
