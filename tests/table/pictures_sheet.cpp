// Not a test: lays out hands of cards from the main window's pictures on their background, for
// a person to look at. Usage: pictures_sheet PACKS_FOLDER OUT_FOLDER
// PACKS_FOLDER holds the packs made by `vantor-packs build`; each sheet links the packs it needs
// into a home folder of its own, so the fallbacks of missing packs show as well.
#include "packs/card_sets.h"
#include "settings/settings.h"
#include "table/pictures.h"

#include <QApplication>
#include <QPainter>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace fs = std::filesystem;
using namespace vantor;

namespace {

struct Sheet {
    const char* file;
    std::vector<const char*> packs;
    int windowSize;
    QSize client;
    double k;
    int deck, back, background, colour;
    bool purple = false;
};

// A card as the main window draws it: in mode 1 the outline with open corners and the bitmap
// inside it, otherwise the picture at the card size.
void drawCard(QPainter& p, TPictures& pictures, int x, int y, const TCardCode* code) {
    if (pictures.drawingMode() == 1) {
        p.setPen(Qt::black);
        p.drawLine(x + 2, y, x + 68, y);
        p.drawLine(x + 2, y + 95, x + 68, y + 95);
        p.drawLine(x, y + 2, x, y + 93);
        p.drawLine(x + 70, y + 2, x + 70, y + 93);
    }
    if (code)
        pictures.drawFace(p, x, y, *code);
    else
        pictures.drawBack(p, x, y);
}

void render(const Sheet& s, const fs::path& packs, const fs::path& out) {
    const fs::path home = fs::temp_directory_path() / "vantor-pictures-sheet" / "home";
    fs::remove_all(home.parent_path());
    fs::create_directories(home);
    for (const char* pack : s.packs) fs::create_symlink(packs / pack, home / pack);
    setenv("VANTOR_HOME", home.c_str(), 1);

    TSettings settings;
    settings.CardDeck = s.deck;
    settings.CardBack = s.back;
    settings.Background = s.background;
    settings.BackgroundColour = s.colour;
    TPictures pictures(settings);
    QStringList notices;
    pictures.setNotice([&](const QString& line) { notices << line; });
    pictures.setWindow(s.windowSize, s.client, s.k);
    pictures.LoadBackground(s.purple);
    pictures.LoadFaceSet();
    pictures.setToday([] { return QDate(2024, 6, 5); }); // a Wednesday
    pictures.ChooseDealBack();

    const QSize card = pictures.cardSize();
    const int step = card.width() + 3;
    const int width = 10 + step * 10 + 10, height = 2 * card.height() + 60;
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(windowColourFor(settings));
    QPainter p(&sheet);
    p.drawImage(0, 0, pictures.background());
    // The court cards and aces, a pip card and the jokers; below them every back of the set.
    const int numbers[8] = {37, 42, 47, 52, 17, 5, 53, 54};
    for (int i = 0; i < 8; ++i) {
        const TCardCode code = cardOfNumber(numbers[i]);
        drawCard(p, pictures, 10 + i * step, 10, &code);
    }
    for (int b = 1; b <= pictures.backCount(); ++b) {
        pictures.setToday([b] { return QDate(2024, 6, 2 + b); }); // Monday the 3rd on
        pictures.setRandomBack([b](int) { return b; });
        pictures.ChooseDealBack();
        drawCard(p, pictures, 10 + (b - 1) * step, 20 + card.height(), nullptr);
    }
    p.setPen(Qt::white);
    p.drawText(10, height - 12,
               QStringLiteral("CardDeck %1  CardBack %2  mode %3  %4x%5  %6")
                   .arg(settings.CardDeck)
                   .arg(settings.CardBack)
                   .arg(pictures.drawingMode())
                   .arg(card.width())
                   .arg(card.height())
                   .arg(notices.isEmpty() ? QStringLiteral("no notice") : notices.join("; ")));
    p.end();
    const fs::path file = out / s.file;
    sheet.save(QString::fromStdString(file.string()));
    std::printf("%s\n", file.c_str());
    unsetenv("VANTOR_HOME");
    fs::remove_all(home.parent_path());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: pictures_sheet PACKS_FOLDER OUT_FOLDER\n");
        return 2;
    }
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    const fs::path packs = fs::absolute(argv[1]), out = argv[2];
    fs::create_directories(out);
    const char* A = kFacePackA;
    const char* B = kFacePackB;
    const char* G = kBackgroundPack;
    const char* L = kGraphicsPack;
    const Sheet sheets[] = {
        {"set29_large_window.png", {A, B, G}, 5, {1520, 1000}, 2.0, 29, 0, 6, 4},
        {"set29_large_window_without_B.png", {A, G}, 5, {1520, 1000}, 2.0, 29, 0, 6, 4},
        {"set33_small_window.png", {B, G}, 1, {760, 500}, 1.0, 33, 3, 6, 4},
        {"set2_average_window.png", {A, B, G}, 3, {990, 650}, 1.3, 2, 5, 3, 1},
        {"set2_flowers_average2.png", {A, B, G}, 4, {1290, 850}, 1.7, 2, 9, 9, 6},
        {"no_packs_small_window.png", {}, 1, {760, 500}, 1.0, 33, 3, 6, 4},
        {"no_packs_large_window.png", {}, 5, {1520, 1000}, 2.0, 29, 9, 6, 4},
        {"purple_design.png", {A, B, L}, 3, {990, 650}, 1.3, 29, 12, 2, 0, true},
    };
    for (const Sheet& s : sheets) render(s, packs, out);
    return 0;
}
