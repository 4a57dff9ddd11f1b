// Face and back pictures for the card packs, rendered from the SVG decks of the system's data
// folders: AisleRiot's (aisleriot/cards/*.svgz, ids like "heart_queen", "club_1") and KDE's
// (carddecks/svg-*/, ids like "queen_heart", "1_club", named by index.desktop).
#include "packs/card_sets.h"
#include "packs/face_ellipse.h"
#include "recipes.h"

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTextStream>
#include <map>
#include <memory>

namespace vantor::tool {
namespace {

struct Deck {
    QString key; // "anglo", "kde-dondorf"
    QString file;
    std::unique_ptr<QSvgRenderer> renderer;
    bool failed = false;
};

std::vector<std::unique_ptr<Deck>> findDecks() {
    std::map<QString, QString> found;
    for (const QString& data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QDir aisleriot(data + "/aisleriot/cards");
        for (const QFileInfo& f :
             aisleriot.entryInfoList({"*.svgz", "*.svg"}, QDir::Files, QDir::Name))
            found.emplace(f.completeBaseName(), f.absoluteFilePath());
        const QDir kde(data + "/carddecks");
        for (const QFileInfo& d : kde.entryInfoList({"svg-*"}, QDir::Dirs, QDir::Name)) {
            QFile index(d.absoluteFilePath() + "/index.desktop");
            if (!index.open(QIODevice::ReadOnly | QIODevice::Text)) continue;
            QTextStream in(&index);
            while (!in.atEnd()) {
                const QString line = in.readLine().trimmed();
                if (line.startsWith("SVG=")) {
                    found.emplace("kde-" + d.fileName().mid(4),
                                  d.absoluteFilePath() + "/" + line.mid(4));
                    break;
                }
            }
        }
    }
    std::vector<std::unique_ptr<Deck>> decks;
    for (const auto& [key, file] : found) {
        auto deck = std::make_unique<Deck>();
        deck->key = key;
        deck->file = file;
        decks.push_back(std::move(deck));
    }
    return decks;
}

const char* const kSuitIds[] = {"heart", "diamond", "club", "spade"};

QString cardElement(QSvgRenderer& svg, int suit, int rank);
QImage renderElement(QSvgRenderer& svg, const QString& id, int w, int h);

// Whether a picture fills its card rectangle, all but the rounded corners.
bool coversCard(const QImage& card) {
    int covered = 0;
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x) covered += qAlpha(card.pixel(x, y)) >= 128;
    return covered >= 0.85 * card.width() * card.height();
}

// Some decks use SVG features the renderer lacks and come out blank or in pieces. A card face
// must cover its rectangle (all but the rounded corners) and carry some ink: colour or dark
// strokes, more on a court card than on a pip card.
bool deckLooksRight(QSvgRenderer& svg) {
    struct Probe {
        int suit, rank;
        double ink;
    };
    for (const Probe probe : {Probe{1, 5, 0.07}, Probe{2, 13, 0.15}, Probe{3, 14, 0.03}}) {
        const QString id = cardElement(svg, probe.suit, probe.rank);
        if (id.isEmpty()) return false;
        const QImage face = renderElement(svg, id, 69, 94);
        if (!coversCard(face)) return false;
        int inked = 0;
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x) {
                const QRgb px = face.pixel(x, y);
                if (qAlpha(px) < 128) continue;
                const int hi = std::max({qRed(px), qGreen(px), qBlue(px)});
                const int lo = std::min({qRed(px), qGreen(px), qBlue(px)});
                if (hi - lo > 60 || hi < 160) ++inked;
            }
        const double area = face.width() * face.height();
        if (inked < probe.ink * area) return false;
    }
    return true;
}

QSvgRenderer* rendererOf(Deck& deck) {
    if (!deck.renderer && !deck.failed) {
        deck.renderer = std::make_unique<QSvgRenderer>(deck.file);
        if (!deck.renderer->isValid() || !deckLooksRight(*deck.renderer)) {
            deck.renderer.reset();
            deck.failed = true;
        }
    }
    return deck.renderer.get();
}

QString rankId(int rank) {
    switch (rank) {
    case 11:
        return "jack";
    case 12:
        return "queen";
    case 13:
        return "king";
    case 14:
        return "1";
    default:
        return QString::number(rank);
    }
}

QString cardElement(QSvgRenderer& svg, int suit, int rank) {
    const QString s = kSuitIds[suit], r = rankId(rank);
    for (const QString& id : {s + "_" + r, r + "_" + s})
        if (svg.elementExists(id)) return id;
    return {};
}

QString jokerElement(QSvgRenderer& svg, bool red) {
    const QStringList ids = red ? QStringList{"joker_red", "red_joker", "joker"}
                                : QStringList{"joker_black", "black_joker", "joker"};
    for (const QString& id : ids)
        if (svg.elementExists(id)) return id;
    return {};
}

QImage renderElement(QSvgRenderer& svg, const QString& id, int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    svg.render(&p, id, QRectF(0, 0, w, h));
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

// A joker for the decks that have none: a white card with a star and the word down its side.
QImage drawnJoker(bool red, int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink = red ? QColor(200, 20, 30) : QColor(20, 20, 20);
    const qreal r = w * 0.07;
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), r, r);
    QPainterPath star;
    const QPointF c(w / 2.0, h / 2.0);
    const qreal outer = w * 0.3, inner = outer * 0.42;
    for (int i = 0; i < 10; ++i) {
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const qreal len = i % 2 ? inner : outer;
        const QPointF pt(c.x() + len * std::cos(a), c.y() + len * std::sin(a));
        i ? star.lineTo(pt) : star.moveTo(pt);
    }
    star.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawPath(star);
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(std::max(6, h / 14));
    p.setFont(font);
    p.setPen(ink);
    const QString word = "JOKER";
    const int step = font.pixelSize();
    for (int i = 0; i < word.size(); ++i) {
        p.drawText(QRectF(2, 4 + i * step, step, step), Qt::AlignCenter, word.mid(i, 1));
        p.drawText(QRectF(w - 2 - step, h - 4 - (word.size() - i) * step, step, step),
                   Qt::AlignCenter, word.mid(i, 1));
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

std::vector<std::uint8_t> pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

void invertEllipse(QImage& face) {
    invertFaceEllipse(reinterpret_cast<std::uint32_t*>(face.bits()), face.width(), face.height(),
                      static_cast<std::size_t>(face.bytesPerLine() / 4));
}

// Decks that suit a set by its name come first; the rest are handed out in order.
const std::map<int, QStringList>& preferredDecks() {
    static const std::map<int, QStringList> table = {
        {1, {"ornamental"}},
        {2, {"anglo_modern"}},
        {3, {"kde-ancient-egyptians"}},
        {4, {"bellot"}},
        {5, {"gnomangelo"}},
        {8, {"anglo"}},
        {9, {"dondorf", "kde-dondorf"}},
        {12, {"kde-nicu-ornamental"}},
        {14, {"kde-jolly-royal"}},
        {16, {"anglo_poker"}},
        {18, {"simplistic"}},
        {21, {"neoclassical"}},
        {22, {"rheinland"}},
        {24, {"kde-konqi-modern"}},
        {26, {"kde-oxygen"}},
        {28, {"plastic"}},
        {29, {"kde-xskat-german"}},
        {30, {"atlasnye_skat"}},
        {31, {"kde-xskat-french"}},
        {32, {"kde-nicu-white"}},
        {33, {"atlasnye"}},
        {36, {"Атласные"}},
        {37, {"slavic_costumes"}},
        {40, {"paris", "kde-gm-paris"}},
        {46, {"tigullio", "kde-tigullio-international"}},
        {47, {"berlin"}},
    };
    return table;
}

std::map<int, Deck*> assignDecks(std::vector<std::unique_ptr<Deck>>& all, bool quick) {
    std::map<int, Deck*> chosen;
    if (quick) {
        // The smallest deck file that renders well parses and renders fastest.
        std::vector<Deck*> bySize;
        for (auto& d : all) bySize.push_back(d.get());
        std::sort(bySize.begin(), bySize.end(), [](Deck* a, Deck* b) {
            return QFileInfo(a->file).size() < QFileInfo(b->file).size();
        });
        for (Deck* d : bySize)
            if (rendererOf(*d)) {
                for (int set = 1; set < 48; ++set) chosen[set] = d;
                break;
            }
        return chosen;
    }
    std::vector<Deck*> decks;
    for (auto& d : all)
        if (rendererOf(*d)) decks.push_back(d.get());
    if (decks.empty()) return chosen;
    std::map<QString, Deck*> byKey;
    for (Deck* d : decks) byKey[d->key] = d;
    std::set<Deck*> used;
    for (const auto& [set, keys] : preferredDecks())
        for (const QString& key : keys)
            if (auto it = byKey.find(key); it != byKey.end() && !used.count(it->second)) {
                chosen[set] = it->second;
                used.insert(it->second);
                break;
            }
    // Every other set gets the next deck not yet taken; when they run out, they repeat.
    std::size_t next = 0;
    for (int set = 1; set < 48; ++set) {
        if (chosen.count(set)) continue;
        for (std::size_t tries = 0; tries < decks.size(); ++tries) {
            Deck* d = decks[next++ % decks.size()];
            if (!used.count(d) || used.size() >= decks.size()) {
                chosen[set] = d;
                used.insert(d);
                break;
            }
        }
    }
    return chosen;
}

struct Art {
    std::vector<std::unique_ptr<Deck>> decks = findDecks();
};

Art& art() {
    static Art a;
    return a;
}

} // namespace

bool addFaceSets(TPackWriter& writer, const char* packFile, const TBuildOptions& options,
                 std::string& why) {
    auto& decks = art().decks;
    if (decks.empty()) {
        why = "no SVG card decks found (install gnome-cards-data or kdegames-card-data-kf5)";
        return false;
    }
    const auto chosen = assignDecks(decks, options.quick);
    if (chosen.empty()) {
        why = "no SVG card deck could be read";
        return false;
    }
    int sets = 0;
    for (const TFaceSet& set : faceSets()) {
        if (std::string_view(set.pack) != packFile) continue;
        if (!options.faceSets.empty() && !options.faceSets.count(set.number)) continue;
        Deck* deck = chosen.at(set.number);
        QSvgRenderer* svg = rendererOf(*deck);
        if (options.log)
            *options.log << "  set " << set.number << " \"" << set.listText
                         << "\": " << deck->key.toStdString() << "\n";
        const int largeWidth = set.wide ? 146 : 126;
        for (const auto& [w, h, size] :
             {std::tuple{69, 94, ""}, std::tuple{largeWidth, 198, "B"}}) {
            for (int suit = 0; suit < 4; ++suit)
                for (int rank = 2; rank <= 14; ++rank) {
                    // Pip cards and aces of sets that borrow them are in the lending set.
                    const char* own = rank <= 10   ? set.pipSuffix
                                      : rank == 14 ? set.aceSuffix
                                                   : set.suffix;
                    if (std::string_view(own) != set.suffix) continue;
                    const QString id = cardElement(*svg, suit, rank);
                    if (id.isEmpty()) {
                        why = deck->key.toStdString() + " lacks a card";
                        return false;
                    }
                    QImage face = renderElement(*svg, id, w, h);
                    invertEllipse(face);
                    writer.addRcData(faceResourceName(set, static_cast<TSuit>(suit), rank, size),
                                     pngBytes(face));
                }
            for (bool red : {true, false}) {
                const QString id = jokerElement(*svg, red);
                const QImage joker =
                    id.isEmpty() ? drawnJoker(red, w, h) : renderElement(*svg, id, w, h);
                writer.addRcData(jokerResourceName(set, red, size), pngBytes(joker));
            }
        }
        ++sets;
    }
    if (!sets) {
        why = "no face set selected for this pack";
        return false;
    }
    return true;
}

namespace {

QImage hueShifted(const QImage& source, int degrees) {
    if (degrees % 360 == 0) return source;
    QImage out = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            QColor c = QColor::fromRgba(row[x]);
            int h, s, v, a;
            c.getHsv(&h, &s, &v, &a);
            if (h >= 0) c.setHsv((h + degrees) % 360, s, v, a);
            row[x] = c.rgba();
        }
    }
    return out;
}

struct BackSource {
    Deck* deck;
    QString id;
};

} // namespace

bool addBackSets(TPackWriter& writer, const TBuildOptions& options, std::string& why) {
    auto& decks = art().decks;
    // Every deck's own back first, then the extra backs some decks carry.
    std::vector<BackSource> sources;
    QStringList extras = {"red_back", "blue_back", "green_back"};
    for (int i = 1; i <= 9; ++i) extras << QString("back_c%1").arg(i);
    for (const bool extra : {false, true})
        for (auto& d : decks) {
            if (options.quick && !sources.empty()) break;
            QSvgRenderer* svg = rendererOf(*d);
            if (!svg) continue;
            for (const QString& id : extra ? extras : QStringList{"back"})
                if (svg->elementExists(id) && coversCard(renderElement(*svg, id, 69, 94)))
                    sources.push_back({d.get(), id});
        }
    if (sources.empty()) {
        why = "no card backs found in the SVG decks";
        return false;
    }
    // Each back set is one deck's back in as many colourings as the set has backs; set 0's
    // narrow backs come from the first deck's.
    const auto addSet = [&](const TBackSet& set, const BackSource& src,
                            std::initializer_list<std::tuple<int, int, const char*>> sizes) {
        QSvgRenderer& svg = *rendererOf(*src.deck);
        for (const auto& [w, h, size] : sizes) {
            const QImage base = renderElement(svg, src.id, w, h);
            for (int back = 1; back <= set.backs; ++back)
                writer.addRcData(backResourceName(set, back, size),
                                 pngBytes(hueShifted(base, (back - 1) * 360 / set.backs)));
        }
    };
    for (const TBackSet& set : backSets()) {
        if (set.number == 0) {
            addSet(set, sources.front(), {{126, 198, "U"}});
            continue;
        }
        const BackSource& src = sources[static_cast<std::size_t>(set.number) % sources.size()];
        if (options.log)
            *options.log << "  backs " << set.number << " \"" << set.listText
                         << "\": " << src.deck->key.toStdString() << " " << src.id.toStdString()
                         << "\n";
        addSet(set, src, {{69, 94, ""}, {146, 198, "B"}, {126, 198, "U"}});
    }
    return true;
}

} // namespace vantor::tool
