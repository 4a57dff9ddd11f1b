// The main window's pictures: face sets, back sets, the back of a deal and the background, from
// packs built for the test by vantor-packs, with every fallback a missing pack brings.
#include "app.h"
#include "assets/builtin_pictures.h"
#include "packs/card_sets.h"
#include "packs/face_ellipse.h"
#include "packs/pack_writer.h"
#include "settings/settings.h"
#include "table/pictures.h"

#include <QBuffer>
#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <random>

namespace vantor {
namespace {
namespace fs = std::filesystem;

#ifdef VANTOR_PACKS_TOOL
const char* const kTool = VANTOR_PACKS_TOOL;
#else
const char* const kTool = nullptr;
#define VANTOR_PICTURES_PACKS ""
#endif

std::vector<std::uint8_t> encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

// The packs, built by vantor-packs at test time into the build tree and kept there for the
// next test program while the tool stays the same (every test runs as its own process).
class Packs {
public:
    static Packs& get() {
        static Packs packs;
        return packs;
    }
    bool ready() const { return ready_; }
    const std::string& why() const { return why_; }
    fs::path file(const char* name) const { return dir_ / name; }

private:
    Packs() {
        if (!kTool) {
            why_ = "vantor-packs was not built";
            return;
        }
        dir_ = VANTOR_PICTURES_PACKS;
        // Test programs run in parallel: one builds while the others wait on the lock, then
        // find the stamp current and use the same packs.
        fs::create_directories(dir_.parent_path());
        const int lock = ::open((dir_.string() + ".lock").c_str(), O_CREAT | O_RDWR, 0644);
        if (lock >= 0) ::flock(lock, LOCK_EX);
        struct Unlock {
            int fd;
            ~Unlock() {
                if (fd >= 0) ::close(fd);
            }
        } unlock{lock};
        std::error_code ec;
        const std::string stamp =
            std::to_string(fs::file_size(kTool, ec)) + " " +
            std::to_string(fs::last_write_time(kTool, ec).time_since_epoch().count());
        if (readStamp() == stamp) {
            ready_ = true;
            return;
        }
        std::random_device rd;
        const fs::path work = dir_.string() + ".new-" + std::to_string(rd());
        fs::create_directories(work);
        if (!build(work)) return;
        std::ofstream(work / "stamp") << stamp;
        fs::remove_all(dir_, ec);
        fs::rename(work, dir_, ec);
        if (ec) fs::remove_all(work, ec); // another test program got there first
        ready_ = readStamp() == stamp;
        if (!ready_) why_ = "the packs could not be put in place in " + dir_.string();
    }

    std::string readStamp() const {
        std::ifstream in(dir_ / "stamp");
        std::string line;
        std::getline(in, line);
        return line;
    }

    bool build(const fs::path& work) {
        const std::string log = (work / "build.log").string();
        const std::string out = "'" + work.string() + "'";
        const std::string runs[] = {
            std::string(kTool) + " build " + out + " ZovCards06A.dll --sets 2,29 --quick",
            std::string(kTool) + " build " + out + " ZovCards06B.dll --sets 33 --quick",
            std::string(kTool) + " build " + out + " ZovBackG03.dll"};
        for (const std::string& run : runs)
            if (std::system((run + " >>'" + log + "' 2>&1").c_str()) != 0) {
                why_ = "vantor-packs failed: " + run + " (see " + log + ")";
                return false;
            }
        // The graphics pack holds the purple background.
        QImage lilac(760, 500, QImage::Format_RGB32);
        lilac.fill(QColor(120, 0, 200));
        TPackWriter graphics;
        graphics.addJpeg("BGLilu", encoded(lilac, "JPEG"));
        return graphics.write(work / kGraphicsPack, &why_);
    }

    fs::path dir_;
    bool ready_ = false;
    std::string why_;
};

// One player's folders: the home folder holding the given packs and the shared folder above it.
class Home {
public:
    explicit Home(std::initializer_list<const char*> packs, bool inShared = false) {
        std::random_device rd;
        shared_ = fs::temp_directory_path() / ("vantor-pictures-home-" + std::to_string(rd()));
        home_ = shared_ / "Vantor4";
        fs::create_directories(home_);
        for (const char* pack : packs)
            fs::create_symlink(Packs::get().file(pack), (inShared ? shared_ : home_) / pack);
        setenv("VANTOR_HOME", home_.c_str(), 1);
    }
    ~Home() {
        unsetenv("VANTOR_HOME");
        std::error_code ec;
        fs::remove_all(shared_, ec);
    }
    const fs::path& home() const { return home_; }

private:
    fs::path shared_, home_;
};

struct Window {
    int size;
    QSize client;
    double k;
};
const Window kSmall{1, {760, 500}, 1.0};
const Window kAverage1{3, {990, 650}, 1.3};
const Window kLarge{5, {1520, 1000}, 2.0};

// A TPictures over its own settings, counting the notices it shows.
struct Fixture {
    TSettings settings;
    TPictures pictures{settings};
    QStringList notices;

    explicit Fixture(const Window& w) {
        testApp();
        pictures.setNotice([this](const QString& line) { notices << line; });
        pictures.setWindow(w.size, w.client, w.k);
    }
};

class PicturesTest : public ::testing::Test {
protected:
    void SetUp() override {
        testApp();
        if (!Packs::get().ready()) GTEST_SKIP() << Packs::get().why();
    }
};

QImage packPng(const char* pack, const std::string& name) {
    QImage picture;
    EXPECT_TRUE(LoadPackPng(QString::fromStdString(name), QString::fromLatin1(pack), picture))
        << name;
    return picture;
}

QImage restored(QImage face) {
    face = face.convertToFormat(QImage::Format_ARGB32);
    invertFaceEllipse(reinterpret_cast<std::uint32_t*>(face.bits()), face.width(), face.height(),
                      static_cast<std::size_t>(face.bytesPerLine() / 4));
    return face;
}

// Two pictures alike pixel for pixel once both are premultiplied ARGB.
bool samePixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return false;
    return a.convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
           b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QImage onWhite(const QImage& picture) {
    QImage out(69, 94, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter p(&out);
    p.drawImage(0, 0, picture);
    return out;
}

const TCardCode kSixOfHearts = cardOfNumber(17); // the 6s are numbers 17..20
const TCardCode kRedJoker = cardOfNumber(53);

TEST(Pictures, FaceIndexFollowsTheDeckNumbers) {
    for (int n = 1; n <= 54; ++n) EXPECT_EQ(faceIndexOf(cardOfNumber(n)), n - 1) << n;
    EXPECT_EQ(faceIndexOf(TCardCode::empty()), -1);
    EXPECT_EQ(faceIndexOf(TCardCode::fromBytes("No")), -1);
    EXPECT_EQ(faceIndexOf(TCardCode::fromBytes("j4")), -1);
}

TEST(Pictures, WindowColourFollowsTheColourList) {
    TSettings s;
    const std::pair<int, QColor> table[] = {{0, QColor(0, 0x80, 0)},    {1, QColor(0x80, 0, 0)},
                                            {2, QColor(0x80, 0x40, 0)}, {3, QColor(0x80, 0x80, 0)},
                                            {4, QColor(0, 0x80, 0x80)}, {5, QColor(0, 0, 0x80)},
                                            {6, QColor(0x80, 0, 0x80)}};
    for (const auto& [colour, expected] : table) {
        s.BackgroundColour = colour;
        EXPECT_EQ(windowColourFor(s), expected) << colour;
    }
    s.Background = 0;
    EXPECT_EQ(windowColourFor(s), QColor(0, 0x80, 0));
    s.Background = 3;
    s.MenuDesign = 1;
    EXPECT_EQ(windowColourFor(s), QColor(0x78, 0, 0xC8));
}

TEST_F(PicturesTest, NoPacksAtAllGiveTheProgramsOwnPictures) {
    Home home({});
    for (const Window& w : {kSmall, kAverage1, kLarge}) {
        Fixture f(w);
        EXPECT_TRUE(f.pictures.LoadFaceSet()) << w.size;
        EXPECT_TRUE(f.pictures.wideSet());
        const bool large = w.k >= 1.3;
        EXPECT_EQ(f.pictures.drawingMode(), w.k < 1.3 ? 1 : w.k < 2 ? 0 : 2);
        EXPECT_EQ(f.pictures.cardSize(), w.k < 1.3   ? QSize(71, 96)
                                         : w.k < 2.0 ? QSize(92, 125)
                                                     : QSize(146, 198));
        EXPECT_TRUE(
            samePixels(f.pictures.face(kSixOfHearts), builtinPicture(large ? "Ch06B" : "Ch06")));
        EXPECT_TRUE(
            samePixels(f.pictures.face(kRedJoker), builtinPicture(large ? "PoRedB" : "PoRed")));
        ASSERT_EQ(f.pictures.backCount(), 7);
        for (int b = 1; b <= 7; ++b)
            EXPECT_TRUE(samePixels(f.pictures.backNumber(b),
                                   builtinPicture(QString::fromStdString(
                                       backResourceName(backSets()[0], b, large ? "B" : "")))));
        EXPECT_TRUE(f.pictures.LoadBackground(false));
        EXPECT_EQ(f.pictures.background().size(), w.client);
        EXPECT_TRUE(f.notices.isEmpty()) << f.notices.join("; ").toStdString();
        EXPECT_EQ(f.settings, TSettings());
    }
    // The purple design and a background from the pack fall back, each with its notice.
    Fixture f(kSmall);
    f.settings.MenuDesign = 1;
    f.settings.TableDesign = 1;
    f.settings.AuxDesignAlt = true;
    f.settings.Background = 5;
    f.settings.BackgroundColour = 3;
    EXPECT_FALSE(f.pictures.LoadBackground(true));
    EXPECT_EQ(f.notices, QStringList({"Can`t find the file ZovCGraph1.dll",
                                      "Can`t find the file ZovBackG03.dll"}));
    EXPECT_EQ(f.settings.MenuDesign, 0);
    EXPECT_EQ(f.settings.TableDesign, 0);
    EXPECT_FALSE(f.settings.AuxDesignAlt);
    EXPECT_EQ(f.settings.Background, 2);
    EXPECT_EQ(f.settings.BackgroundColour, 0);
    EXPECT_TRUE(samePixels(f.pictures.background(), builtinPicture("FonG")));
    EXPECT_FALSE(f.pictures.backgroundIsPurple());
    // Background 0 leaves the picture as it is.
    f.settings.Background = 0;
    const QImage before = f.pictures.background();
    EXPECT_TRUE(f.pictures.LoadBackground(false));
    EXPECT_EQ(f.pictures.background().constBits(), before.constBits());
}

TEST_F(PicturesTest, DeckThirtyThreeWithoutItsPackIsReportedOnceAndSavedAsZero) {
    Home home({kFacePackA, kBackgroundPack});
    for (const Window& w : {kSmall, kLarge}) {
        Fixture f(w);
        f.settings.CardDeck = 33;
        f.settings.CardBack = 3; // needs the same pack
        EXPECT_FALSE(f.pictures.LoadFaceSet());
        EXPECT_EQ(f.notices, QStringList({"Can`t find the file ZovCards06B.dll"})) << w.size;
        EXPECT_EQ(f.settings.CardDeck, 0);
        EXPECT_EQ(f.settings.CardBack, 0);
        EXPECT_TRUE(f.pictures.wideSet());
        EXPECT_TRUE(
            samePixels(f.pictures.face(kSixOfHearts), builtinPicture(w.k >= 2 ? "Ch06B" : "Ch06")));
        // What the settings file then keeps.
        const fs::path file = home.home() / "Vantor4.ini";
        ASSERT_EQ(SaveSettings(f.settings, TSaveContext{file, {}, false}).status,
                  TSaveStatus::Written);
        TSettings read;
        LoadSettings(read, file);
        EXPECT_EQ(read.CardDeck, 0);
        EXPECT_EQ(read.CardBack, 0);
        // The next loading operation has nothing left to report.
        EXPECT_TRUE(f.pictures.LoadFaceSet());
        EXPECT_EQ(f.notices.size(), 1);
    }
}

TEST_F(PicturesTest, FacesFromAPackHaveTheirEllipseRestored) {
    Home home({kFacePackB}, /*inShared=*/true); // found in the folder above the home folder
    for (const Window& w : {kSmall, kLarge}) {
        Fixture f(w);
        f.settings.CardDeck = 33;
        ASSERT_TRUE(f.pictures.LoadFaceSet());
        EXPECT_TRUE(f.notices.isEmpty());
        EXPECT_FALSE(f.pictures.wideSet());
        const bool large = w.k >= 2;
        EXPECT_EQ(f.pictures.cardSize(), large ? QSize(126, 198) : QSize(71, 96));
        const char* size = large ? "B" : "";
        const TFaceSet& set = faceSets()[33];
        const QImage stored = packPng(kFacePackB, faceResourceName(set, TSuit::Hearts, 6, size));
        const QImage face = f.pictures.face(kSixOfHearts);
        const QImage expected = large ? restored(stored) : onWhite(restored(stored));
        EXPECT_TRUE(samePixels(face, expected));
        // The centre lies in the ellipse: its colour is the complement of the stored one.
        const QPoint centre(face.width() / 2, face.height() / 2);
        const QRgb s = stored.pixel(centre), got = face.pixel(centre);
        if (qAlpha(s) == 255) {
            EXPECT_EQ(qRed(got), 255 - qRed(s));
            EXPECT_EQ(qGreen(got), 255 - qGreen(s));
            EXPECT_EQ(qBlue(got), 255 - qBlue(s));
        }
        // Jokers are stored plain.
        const QImage joker = packPng(kFacePackB, jokerResourceName(set, true, size));
        EXPECT_TRUE(samePixels(f.pictures.face(kRedJoker), large ? joker : onWhite(joker)));
        // Narrow large faces take the narrow backs of set 0 from the same pack.
        if (large) {
            EXPECT_EQ(f.pictures.backNumber(1).size(), QSize(126, 198));
            EXPECT_TRUE(samePixels(f.pictures.backNumber(1),
                                   packPng(kFacePackB, backResourceName(backSets()[0], 1, "U"))));
        }
    }
}

TEST_F(PicturesTest, FlowersOnASundayAreRandomWhateverAlwaysOneSays) {
    Home home({kFacePackB});
    for (const bool alwaysOne : {false, true}) {
        Fixture f(kSmall);
        f.settings.CardBack = 9;
        f.settings.CardBackAlwaysOne = alwaysOne;
        ASSERT_TRUE(f.pictures.LoadFaceSet());
        ASSERT_EQ(f.pictures.backCount(), 10);
        f.pictures.setToday([] { return QDate(2024, 6, 9); });
        ASSERT_EQ(QDate(2024, 6, 9).dayOfWeek(), 7);
        std::set<int> seen;
        for (int deal = 0; deal < 300; ++deal) {
            f.pictures.ChooseDealBack();
            const int back = f.pictures.currentBack();
            ASSERT_GE(back, 1);
            ASSERT_LE(back, 10);
            seen.insert(back);
        }
        EXPECT_EQ(seen.size(), 10u) << "alwaysOne " << alwaysOne;
        // Each of the ten backs is its own picture from the pack.
        for (int b = 1; b <= 10; ++b)
            EXPECT_TRUE(
                samePixels(f.pictures.backNumber(b),
                           onWhite(packPng(kFacePackB, backResourceName(backSets()[9], b, "")))))
                << b;
        EXPECT_TRUE(f.notices.isEmpty());
    }
}

TEST_F(PicturesTest, CarpetOnAWednesdayShowsBackThreeOrSevenWithAlwaysOne) {
    Home home({kFacePackB});
    for (const Window& w : {kSmall, kAverage1, kLarge})
        for (const bool alwaysOne : {false, true}) {
            Fixture f(w);
            f.settings.CardBack = 3;
            f.settings.CardBackAlwaysOne = alwaysOne;
            ASSERT_TRUE(f.pictures.LoadFaceSet());
            f.pictures.setToday([] { return QDate(2024, 6, 5); });
            f.pictures.setRandomBack([](int) -> int {
                ADD_FAILURE() << "no random back for a set of seven";
                return 1;
            });
            f.pictures.ChooseDealBack();
            const int expected = alwaysOne ? 7 : 3;
            EXPECT_EQ(f.pictures.currentBack(), expected);
            const bool large = w.k >= 1.3;
            const QImage stored =
                packPng(kFacePackB, backResourceName(backSets()[3], expected, large ? "B" : ""));
            EXPECT_TRUE(samePixels(f.pictures.back(), large ? stored : onWhite(stored)));
            if (!alwaysOne) {
                EXPECT_EQ(backResourceName(backSets()[3], 3, large ? "B" : ""),
                          large ? "Ob03WeCarB" : "Ob03WeCar");
            }
        }
}

TEST_F(PicturesTest, SkatGermanInTheLargeWindowWithAndWithoutPackB) {
    const TFaceSet& set = faceSets()[29];
    {
        Home home({kFacePackA, kFacePackB});
        Fixture f(kLarge);
        f.settings.CardDeck = 29;
        ASSERT_TRUE(f.pictures.LoadFaceSet());
        EXPECT_EQ(faceResourceName(set, TSuit::Hearts, 6, "B"), "Ch06SkNB");
        EXPECT_TRUE(
            samePixels(f.pictures.face(kSixOfHearts), restored(packPng(kFacePackA, "Ch06SkNB"))));
        EXPECT_EQ(f.pictures.cardSize(), QSize(126, 198));
        EXPECT_EQ(f.pictures.drawingMode(), 2);
        for (int b = 1; b <= 7; ++b)
            EXPECT_TRUE(samePixels(f.pictures.backNumber(b),
                                   packPng(kFacePackB, backResourceName(backSets()[0], b, "U"))));
        EXPECT_TRUE(f.notices.isEmpty());
    }
    for (const int back : {0, 5}) {
        Home home({kFacePackA});
        Fixture f(kLarge);
        f.settings.CardDeck = 29;
        f.settings.CardBack = back;
        EXPECT_FALSE(f.pictures.LoadFaceSet()) << back;
        EXPECT_EQ(f.notices, QStringList({"Can`t find the file ZovCards06B.dll"}));
        EXPECT_EQ(f.settings.CardDeck, 0);
        EXPECT_EQ(f.settings.CardBack, 0);
        EXPECT_TRUE(f.pictures.wideSet());
        EXPECT_EQ(f.pictures.cardSize(), QSize(146, 198));
        EXPECT_TRUE(samePixels(f.pictures.face(kSixOfHearts), builtinPicture("Ch06B")));
        for (int b = 1; b <= 7; ++b)
            EXPECT_TRUE(samePixels(
                f.pictures.backNumber(b),
                builtinPicture(QString::fromStdString(backResourceName(backSets()[0], b, "B")))));
    }
    // The back list alone: the same fallback when the pack goes missing after the faces loaded.
    {
        Home home({kFacePackA, kFacePackB});
        Fixture f(kLarge);
        f.settings.CardDeck = 29;
        ASSERT_TRUE(f.pictures.LoadFaceSet());
        fs::remove(home.home() / kFacePackB);
        f.settings.CardBack = 4;
        EXPECT_FALSE(f.pictures.LoadBackSet());
        EXPECT_EQ(f.notices.size(), 1);
        EXPECT_EQ(f.settings.CardDeck, 0);
        EXPECT_EQ(f.settings.CardBack, 0);
        EXPECT_TRUE(f.pictures.wideSet());
    }
}

TEST_F(PicturesTest, BackgroundsFromThePackAndThePurpleDesign) {
    Home home({kBackgroundPack, kGraphicsPack});
    {
        // "Tree" in "Light-Blue" in the small window: Fon06B1, as it is.
        Fixture f(kSmall);
        f.settings.Background = 6;
        f.settings.BackgroundColour = 4;
        ASSERT_TRUE(f.pictures.LoadBackground(false));
        QImage stored;
        ASSERT_TRUE(LoadPackJpeg("Fon06B1", kBackgroundPack, stored));
        EXPECT_EQ(stored.size(), QSize(760, 500));
        EXPECT_TRUE(samePixels(f.pictures.background(), stored));
    }
    {
        Fixture f(kAverage1);
        f.settings.Background = 6;
        f.settings.BackgroundColour = 4;
        ASSERT_TRUE(f.pictures.LoadBackground(false));
        EXPECT_EQ(f.pictures.background().size(), QSize(990, 650));
        EXPECT_FALSE(f.pictures.backgroundIsPurple());
        // The purple design's picture, stretched to the client.
        ASSERT_TRUE(f.pictures.LoadBackground(true));
        EXPECT_TRUE(f.pictures.backgroundIsPurple());
        EXPECT_EQ(f.pictures.background().size(), QSize(990, 650));
        const QRgb lilac = f.pictures.background().pixel(400, 300);
        EXPECT_NEAR(qRed(lilac), 120, 6);
        EXPECT_NEAR(qBlue(lilac), 200, 6);
        EXPECT_TRUE(f.notices.isEmpty());
        EXPECT_EQ(f.settings.Background, 6);
    }
}

TEST_F(PicturesTest, ADamagedPackCountsAsMissing) {
    Home home({});
    std::ofstream(home.home() / kFacePackA) << "MZ but nothing more";
    Fixture f(kSmall);
    f.settings.CardDeck = 2;
    EXPECT_FALSE(f.pictures.LoadFaceSet());
    EXPECT_EQ(f.notices, QStringList({"Can`t find the file ZovCards06A.dll"}));
    EXPECT_EQ(f.settings.CardDeck, 0);
    EXPECT_TRUE(samePixels(f.pictures.face(kSixOfHearts), builtinPicture("Ch06")));
}

TEST_F(PicturesTest, APackLackingSomeFacesLendsThemFromTheProgramsOwn) {
    Home home({});
    // A pack of set 40 ("French") with nothing but the jack of hearts.
    QImage jack(146, 198, QImage::Format_ARGB32);
    jack.fill(QColor(10, 200, 30));
    TPackWriter writer;
    writer.addRcData(faceResourceName(faceSets()[40], TSuit::Hearts, 11, "B"),
                     encoded(restored(jack), "PNG"));
    ASSERT_TRUE(writer.write(home.home() / kFacePackC));
    Fixture f(kLarge);
    f.settings.CardDeck = 40;
    EXPECT_TRUE(f.pictures.LoadFaceSet());
    EXPECT_TRUE(f.notices.isEmpty());
    EXPECT_TRUE(samePixels(f.pictures.face(cardOfNumber(37)), jack)); // jacks are 37..40
    EXPECT_TRUE(samePixels(f.pictures.face(kSixOfHearts), builtinPicture("Ch06B")));
    EXPECT_EQ(f.settings.CardDeck, 40);
}

TEST_F(PicturesTest, SinglePicturesReportNothingAndLeaveThePictureAlone) {
    Home home({kFacePackB});
    QImage picture(3, 3, QImage::Format_RGB32);
    picture.fill(Qt::red);
    const QImage before = picture;
    EXPECT_FALSE(LoadPackPng("GFormOpt", kGraphicsPack, picture)); // no such pack
    EXPECT_FALSE(LoadPackJpeg("GFormOpt", kGraphicsPack, picture));
    EXPECT_FALSE(LoadPackPng("NoSuchPicture", kFacePackB, picture));
    EXPECT_FALSE(LoadPackPng("NoSuchPicture", "", picture));
    EXPECT_EQ(picture, before);
    EXPECT_TRUE(LoadPackPng("ob03wecarb", kFacePackB, picture)); // any case
    EXPECT_EQ(picture.size(), QSize(146, 198));
    EXPECT_TRUE(LoadPackPng("Ch02B", "", picture));
    EXPECT_TRUE(samePixels(picture, builtinPicture("Ch02B")));
    EXPECT_TRUE(LoadPackJpeg("FonG", "", picture));
    EXPECT_EQ(picture.size(), QSize(760, 500));

    // A GIF: the smallest there is, one white pixel.
    static const unsigned char gif[] = {'G', 'I', 'F',  '8',  '9',  'a', 1,   0, 1,   0,    0x80,
                                        0,   0,   0xFF, 0xFF, 0xFF, 0,   0,   0, '!', 0xF9, 4,
                                        0,   5,   0,    0,    0,    ',', 0,   0, 0,   0,    1,
                                        0,   1,   0,    0,    2,    2,   'D', 1, 0,   ';'};
    TPackWriter writer;
    writer.addGif("GSpin", std::vector<std::uint8_t>(std::begin(gif), std::end(gif)));
    writer.addGif("GBroken", {'G', 'I', 'F', '8', '9', 'a', 1});
    ASSERT_TRUE(writer.write(home.home() / kGraphicsPack));
    TAnimation animation;
    ASSERT_TRUE(LoadPackGif("GSpin", kGraphicsPack, animation));
    ASSERT_EQ(animation.frames.size(), 1);
    EXPECT_EQ(animation.frames[0].size(), QSize(1, 1));
    EXPECT_EQ(animation.delays[0], 50);
    EXPECT_FALSE(LoadPackGif("GBroken", kGraphicsPack, animation));
    EXPECT_EQ(animation.frames.size(), 1);
    EXPECT_FALSE(LoadPackGif("GSpin", kBackgroundPack, animation));
}

TEST(Pictures, DrawPictureAtSizeLeavesTheCornersOfAScaledPicture) {
    testApp();
    QImage picture(146, 198, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    for (const auto& [size, scaled] :
         {std::pair{QSize(146, 198), false}, std::pair{QSize(92, 125), true}}) {
        QImage canvas(200, 220, QImage::Format_RGB32);
        canvas.fill(Qt::red);
        QPainter p(&canvas);
        DrawPictureAtSize(10, 10, picture, size.width(), size.height(), p, 10);
        p.end();
        EXPECT_EQ(canvas.pixel(10, 10), scaled ? qRgb(255, 0, 0) : qRgb(255, 255, 255));
        EXPECT_EQ(canvas.pixel(10 + size.width() / 2, 10 + size.height() / 2), qRgb(255, 255, 255));
        EXPECT_EQ(canvas.pixel(10 + size.width(), 10 + size.height() / 2), qRgb(255, 0, 0));
    }
    // The cached form scales once.
    TScaledPictureCache cache;
    QImage canvas(100, 130, QImage::Format_RGB32);
    QPainter p(&canvas);
    for (int i = 0; i < 3; ++i) DrawPictureAtSize(0, 0, picture, 92, 125, p, 10, cache, "Ch02");
    EXPECT_EQ(cache.count(), 1);
}

TEST_F(PicturesTest, CardsAtCardSizeAreScaledOnceAndKept) {
    Home home({});
    Fixture f(kAverage1);
    ASSERT_TRUE(f.pictures.LoadFaceSet());
    const QImage& first = f.pictures.faceAtCardSize(kSixOfHearts);
    EXPECT_EQ(first.size(), QSize(92, 125));
    EXPECT_EQ(qAlpha(first.pixel(0, 0)), 0); // the corner is left transparent
    EXPECT_EQ(qAlpha(first.pixel(46, 62)), 255);
    EXPECT_EQ(f.pictures.faceAtCardSize(kSixOfHearts).constBits(), first.constBits());
    EXPECT_TRUE(f.pictures.faceAtCardSize(TCardCode::empty()).isNull());
    f.pictures.setToday([] { return QDate(2024, 6, 7); }); // a Friday
    f.pictures.ChooseDealBack();
    EXPECT_EQ(f.pictures.currentBack(), 5);
    const QImage& back = f.pictures.backAtCardSize();
    EXPECT_EQ(back.size(), QSize(92, 125));
    EXPECT_EQ(f.pictures.backAtCardSize().constBits(), back.constBits());
    // A new window size scales anew.
    f.pictures.setWindow(kLarge.size, kLarge.client, kLarge.k);
    ASSERT_TRUE(f.pictures.LoadFaceSet());
    EXPECT_EQ(f.pictures.faceAtCardSize(kSixOfHearts).size(), QSize(146, 198));
}

} // namespace
} // namespace vantor
