// The graphics pack as vantor-packs builds it, read the way the program reads it: every picture
// a window or the main window asks for is there, at the size it is drawn at, and the windows
// in the purple, concise and ribbon designs find their pictures in every language.
#include "app.h"
#include "i18n/language.h"
#include "packs/pack.h"
#include "settings/settings.h"
#include "table/form_aux.h"
#include "table/form_change_name.h"
#include "table/form_end_game.h"
#include "table/form_history.h"
#include "table/form_options.h"
#include "table/form_top_ten.h"
#include "table/pictures.h"

#include <QDir>
#include <cstdlib>
#include <filesystem>
#include "table/click_effect.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>

using namespace vantor;
namespace fs = std::filesystem;

namespace {

const QString kPack = QStringLiteral("ZovCGraph1.dll");
const char* const kCodes[] = {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze"};

class GraphicsPackTest : public ::testing::Test {
protected:
    // The pack is built once for all the tests: `build DIR ZovCGraph1.dll` must write that
    // pack and nothing else.
    static void SetUpTestSuite() {
        std::random_device rd;
        root_ =
            new fs::path(fs::temp_directory_path() / ("vantor-graphics-" + std::to_string(rd())));
        fs::create_directories(*root_ / "home");
        const std::string cmd = std::string("'") + VANTOR_PACKS_TOOL + "' build '" +
                                (*root_ / "home").string() + "' ZovCGraph1.dll > '" +
                                (*root_ / "build.log").string() + "' 2>&1";
        buildStatus_ = std::system(cmd.c_str());
    }
    static void TearDownTestSuite() {
        std::error_code ec;
        fs::remove_all(*root_, ec);
        delete root_;
    }

    void SetUp() override {
        testApp();
        ASSERT_EQ(buildStatus_, 0) << "vantor-packs build failed";
        Settings = TSettings{};
        bindLanguage(&Settings.Language);
        setenv("VANTOR_HOME", (*root_ / "home").c_str(), 1);
        noticeHook() = [this](const QString& a, const QString&, QWidget*) { notices << a; };
        modalRunner() = [](QDialog&) { return int(QDialog::Accepted); };
    }
    void TearDown() override {
        unsetenv("VANTOR_HOME");
        modalRunner() = nullptr;
    }

    static QImage png(const QString& name) {
        QImage img;
        LoadPackPng(name, kPack, img);
        return img;
    }

    // The windows built on the shared auxiliary window, as the program opens them.
    std::vector<std::unique_ptr<TAuxWindow>> openWindows() {
        std::vector<std::unique_ptr<TAuxWindow>> windows;
        host.screenSize = [] { return QSize(1920, 1080); };
        host.loadBackground = [](bool) { return true; };
        windows.push_back(std::make_unique<TFormOptions>(host));
        windows.push_back(std::make_unique<TFormTopTen>(*root_, false));
        windows.push_back(std::make_unique<TFHistory>(*root_));
        windows.push_back(std::make_unique<TFormChangeName>());
        windows.push_back(std::make_unique<TFormEndGame>(TEndOfCycleInput{}, TPlayCue{}));
        for (auto& w : windows) w->show();
        return windows;
    }

    static fs::path* root_;
    static int buildStatus_;
    QStringList notices;
    TOptionsHost host;
};

fs::path* GraphicsPackTest::root_ = nullptr;
int GraphicsPackTest::buildStatus_ = -1;

TEST_F(GraphicsPackTest, BuildWritesTheGraphicsPackAlone) {
    std::vector<std::string> files;
    for (const auto& e : fs::directory_iterator(*root_ / "home"))
        files.push_back(e.path().filename().string());
    EXPECT_EQ(files, std::vector<std::string>{"ZovCGraph1.dll"});
    TPack pack;
    ASSERT_EQ(pack.open(*root_ / "home" / "ZovCGraph1.dll"), TPackStatus::Ok) << pack.error();
}

TEST_F(GraphicsPackTest, NamedPicturesHaveTheirSizesAndFrames) {
    enum Kind { Png, Jpeg, Gif };
    struct Case {
        const char* name;
        Kind kind;
        int width, height, frames; // frames: 0 for a still picture
    };
    const Case cases[] = {
        {"GTouch", Png, 3000, 100, 0},     // 30 frames of 100 x 100 side by side
        {"GIcon48Opt", Png, 480, 48, 0},   // 10 frames
        {"GIcon48Speed", Png, 480, 48, 0}, // 10 frames
        {"GIcon48Chat", Png, 480, 48, 0},  // 10 frames
        {"GIcon48WT", Png, 960, 48, 0},    // 20 frames
        {"GIcon48Stat", Png, 912, 48, 0},  // 19 frames
        {"GifA", Gif, 70, 70, 2},
        {"GifB", Gif, 70, 70, 2},
        {"GifC", Gif, 70, 70, 2},
        {"GifD", Gif, 70, 70, 2},
        {"GifE", Gif, 70, 70, 2},
        {"GifF", Gif, 70, 70, 2},
        {"GifG", Gif, 70, 70, 2},
        {"GTopTen", Gif, 240, 120, 2},
        {"WorldTopTen1", Png, 0, 48, 0}, // concise headers: the 48-high header band
        {"WorldTopTen2", Png, 0, 48, 0},
        {"WorldStats", Png, 0, 48, 0},
        {"GFormServerWL", Png, 380, 120, 0}, // over "GLenta380x120"
        {"GFormStatL", Png, 360, 100, 0},    // over "GLenta360x100"
        {"GFormChatL", Png, 380, 120, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString name = QString::fromLatin1(c.name);
        QSize size;
        int frames = 0;
        if (c.kind == Gif) {
            TAnimation a;
            ASSERT_TRUE(LoadPackGif(name, kPack, a));
            size = a.frames.front().size();
            frames = static_cast<int>(a.frames.size());
            for (const QImage& f : a.frames) EXPECT_EQ(f.size(), size);
            // The rounded corners are see-through.
            EXPECT_EQ(qAlpha(a.frames.front().pixel(0, 0)), 0);
        } else {
            QImage img;
            ASSERT_TRUE(c.kind == Png ? LoadPackPng(name, kPack, img)
                                      : LoadPackJpeg(name, kPack, img));
            size = img.size();
            EXPECT_TRUE(img.hasAlphaChannel());
        }
        if (c.width)
            EXPECT_EQ(size.width(), c.width);
        else
            EXPECT_LE(size.width(), 315); // fits the narrowest window that shows one
        EXPECT_EQ(size.height(), c.height);
        EXPECT_GE(frames, c.frames);
    }
    for (const char* code : kCodes) {
        SCOPED_TRACE(code);
        EXPECT_EQ(png(QStringLiteral("ZovGamesChat") + QLatin1String(code)).height(), 48);
    }
}

TEST_F(GraphicsPackTest, PurpleBackgroundCoversTheLargestWindow) {
    QImage bg;
    ASSERT_TRUE(LoadPackJpeg(QStringLiteral("BGLilu"), kPack, bg));
    // Stretched to the client size: never enlarged for the fixed sizes, and the design's
    // proportions kept.
    EXPECT_GE(bg.width(), 1520);
    EXPECT_EQ(bg.width() * 500, bg.height() * 760);

    TPictures pictures(Settings);
    pictures.setNotice([this](const QString& line) { notices << line; });
    pictures.setWindow(3, QSize(990, 650), 1.3);
    ASSERT_TRUE(pictures.LoadBackground(true));
    EXPECT_TRUE(pictures.backgroundIsPurple());
    EXPECT_EQ(pictures.background().size(), QSize(990, 650));
    EXPECT_TRUE(notices.isEmpty()) << notices.join('\n').toStdString();
}

TEST_F(GraphicsPackTest, PurpleWindowsFindTheirPicturesInEveryLanguage) {
    for (int language = 0; language < 10; ++language) {
        SCOPED_TRACE(language);
        Settings.Language = static_cast<TLanguage>(language);
        Settings.AuxDesignAlt = true;
        for (auto& w : openWindows()) {
            SCOPED_TRACE(w->windowTitle().toStdString());
            ASSERT_TRUE(Settings.AuxDesignAlt) << "the window's background is missing";
            // The local top ten keeps its plain look, but loads the pictures all the same.
            if (!w->fixedLook) {
                EXPECT_EQ(w->look(), TAuxLook::Purple);
            }
            // Drawn at (0, 0) on every paint: the background covers the client area, the
            // header spans its width, the icon is a strip of ten 48 x 48 frames.
            EXPECT_GE(w->formBackground.width(), w->width());
            EXPECT_GE(w->formBackground.height(), w->height());
            EXPECT_EQ(w->formHeader.width(), w->formBackground.width());
            EXPECT_GT(w->formHeader.height(), 0);
            EXPECT_EQ(w->formIcon.size(), QSize(480, 48));
        }
    }
    EXPECT_TRUE(notices.isEmpty()) << notices.join('\n').toStdString();
}

TEST_F(GraphicsPackTest, ConciseAndRibbonDesignsFindTheirHeaders) {
    for (int design : {1, 3})
        for (int language = 0; language < 10; ++language) {
            SCOPED_TRACE(design);
            SCOPED_TRACE(language);
            Settings.Language = static_cast<TLanguage>(language);
            Settings.AuxDesignAlt = false;
            Settings.AuxDesign = design;
            for (auto& w : openWindows()) {
                SCOPED_TRACE(w->windowTitle().toStdString());
                EXPECT_EQ(Settings.AuxDesign, design) << "a header picture is missing";
                EXPECT_FALSE(w->formHeader.isNull());
                // The concise header lies in the 48-high band, centred in the header label.
                const QImage h = w->headerPicture(QSize(w->width() - 10, design == 1 ? 48 : 90));
                EXPECT_EQ(h.height(), design == 1 ? 48 : 90);
            }
        }
    EXPECT_TRUE(notices.isEmpty()) << notices.join('\n').toStdString();
    // The concise header picture itself, named after the English title and the code.
    for (const char* code : kCodes) {
        SCOPED_TRACE(code);
        const QImage options = png(QStringLiteral("Options") + QLatin1String(code));
        EXPECT_EQ(options.height(), 48);
        EXPECT_LE(options.width(), 490 - 95); // drawn at (95, 0) in a 490-wide header
    }
}

TEST_F(GraphicsPackTest, WithoutThePackTheWindowsFallBackQuietly) {
    const fs::path empty = *root_ / "empty" / "home";
    fs::create_directories(empty);
    setenv("VANTOR_HOME", empty.c_str(), 1);
    Settings.AuxDesignAlt = true;
    EXPECT_TRUE(loadPackPicture(kPack, QStringLiteral("GFormOpt")).isNull());
    TFormChangeName w;
    EXPECT_FALSE(Settings.AuxDesignAlt);
    EXPECT_EQ(Settings.AuxDesign, 2);
    EXPECT_TRUE(w.formBackground.isNull());
    EXPECT_TRUE(notices.isEmpty());
    // A name the pack does not hold finds nothing either.
    setenv("VANTOR_HOME", (*root_ / "home").c_str(), 1);
    EXPECT_TRUE(loadPackPicture(kPack, QStringLiteral("GFormNoSuchWindow")).isNull());
    EXPECT_FALSE(loadPackPicture(kPack, QStringLiteral("GFormOpt")).isNull());
}

TEST_F(GraphicsPackTest, TheTouchAnimationNeedsThePack) {
    QWidget window;
    window.resize(300, 200);
    EXPECT_TRUE(ClickEffect(&window)) << "the strip is found in the pack";
    const fs::path empty = *root_ / "empty" / "home";
    fs::create_directories(empty);
    setenv("VANTOR_HOME", empty.c_str(), 1);
    EXPECT_FALSE(ClickEffect(&window)) << "without the pack nothing is shown";
    EXPECT_TRUE(notices.isEmpty());
    setenv("VANTOR_HOME", (*root_ / "home").c_str(), 1);
}

} // namespace
