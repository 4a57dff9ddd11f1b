#include "table/form_options.h"

#include "assets/builtin_pictures.h"
#include "assets/picture_ops.h"
#include "base/paths.h"
#include "i18n/lists.h"
#include "i18n/words.h"
#include "settings/service_addresses.h"
#include "table/layout.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPainter>
#include <QRadioButton>
#include <QSaveFile>
#include <QScreen>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QUrl>

namespace vantor {

namespace {

struct TDesignGeometry {
    int clientHeight, headerHeight, ruleTop, tabsTop, animationTop, okTop;
};

TDesignGeometry geometryFor(TAuxLook look) {
    switch (look) {
    case TAuxLook::Concise:
        return {360, 48, 55, 80, 170, 315};
    case TAuxLook::Aristocratic:
        return {375, 64, 73, 95, 185, 330};
    case TAuxLook::Ribbons:
        return {410, 90, 108, 130, 220, 365};
    case TAuxLook::Purple:
        break;
    }
    return {400, 0, 0, 120, 210, 355};
}

constexpr int kClientWidth = 500;
constexpr int kTabRowsHeight = 52;

QString text(const WordEntry* e) {
    return e ? wordText(*e) : QString();
}

// The small flags of the face and language lists, from the main window's flag lists.
QImage smallFlag(const char* list, int index) {
    const QList<QImage> flags = builtinImageList(QString::fromLatin1(list));
    return index >= 0 && index < flags.size() ? flags[index] : QImage();
}

QImage languageFlag(int language) {
    static const std::pair<const char*, int> flags[10] = {
        {"ILEuro", 48}, {"ILEuro", 1},  {"ILEuro", 16}, {"ILEuro", 15}, {"ILEuro", 43},
        {"ILAsia", 10}, {"ILEuro", 24}, {"ILEuro", 10}, {"ILAsia", 20}, {"ILAsia", 40}};
    const auto& [list, index] = flags[std::clamp(language, 0, 9)];
    return smallFlag(list, index);
}

// The face sets show the flag of the country their pictures come from.
QImage faceSetFlag(int set) {
    if (set >= 29 && set <= 31) return languageFlag(2);
    if (set >= 32 && set <= 39) return languageFlag(1);
    if (set == 40) return languageFlag(3);
    if (set >= 41 && set <= 44) return languageFlag(4);
    if (set == 45) return languageFlag(5);
    if (set == 46) return languageFlag(6);
    if (set == 47) return languageFlag(7);
    return languageFlag(0);
}

// Pure red is the flags' transparent colour.
QIcon flagIcon(QImage flag) {
    if (flag.isNull()) return {};
    flag = flag.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < flag.height(); ++y)
        for (int x = 0; x < flag.width(); ++x)
            if ((flag.pixel(x, y) & 0xFFFFFF) == 0xFF0000) flag.setPixel(x, y, 0);
    return QIcon(QPixmap::fromImage(flag));
}

void setComboItems(QComboBox* box, const QStringList& items) {
    const QSignalBlocker block(box);
    const int keep = box->currentIndex();
    if (box->count() != items.size()) {
        box->clear();
        box->addItems(items);
    } else {
        for (int i = 0; i < items.size(); ++i) box->setItemText(i, items[i]);
    }
    box->setCurrentIndex(std::clamp(keep, 0, static_cast<int>(items.size()) - 1));
}

void selectQuietly(QComboBox* box, int index) {
    const QSignalBlocker block(box);
    box->setCurrentIndex(std::clamp(index, 0, box->count() - 1));
}

void checkQuietly(QCheckBox* box, bool on) {
    const QSignalBlocker block(box);
    box->setChecked(on);
}

std::string* slotNameField(int slot) {
    switch (slot) {
    case 1:
        return &Settings.FontSerifName;
    case 2:
        return &Settings.FontFixedName;
    case 3:
        return &Settings.FontConewName;
    default:
        return &Settings.FontDecorName;
    }
}

int* slotScaleField(int slot) {
    switch (slot) {
    case 1:
        return &Settings.FontSerifScale;
    case 2:
        return &Settings.FontFixedScale;
    case 3:
        return &Settings.FontConewScale;
    default:
        return &Settings.FontDecorScale;
    }
}

int auxDesignItem() {
    if (Settings.AuxDesignAlt) return 3;
    if (Settings.AuxDesign == 1) return 1;
    if (Settings.AuxDesign == 3) return 2;
    return 0;
}

// The maker's download server: the host of the service the settings name.
QUrl downloadUrl(const QString& file) {
    std::string base = Settings.TopTenServiceUrl;
    if (base.empty()) base = decipherServiceAddress(kDefaultTopTenServiceAddress);
    QUrl url(QString::fromStdString(base));
    url.setPath(QStringLiteral("/downloads/progr/cards/") + file);
    url.setQuery(QString());
    return url;
}

// Fetches the pack and saves it in the shared folder ("..\" + file). Bounded in time, and
// nothing is written unless the whole file came.
bool fetchPack(const QString& file) {
    const QUrl url = downloadUrl(file);
    if (!url.isValid() || url.host().isEmpty()) return false;
    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setTransferTimeout(15000);
    QNetworkReply* reply = manager.get(request);
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    const bool ok = reply->error() == QNetworkReply::NoError &&
                    reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200;
    const QByteArray body = ok ? reply->readAll() : QByteArray();
    reply->deleteLater();
    if (!ok || body.isEmpty()) return false;
    const std::filesystem::path target = sharedFolder() / file.toStdString();
    std::error_code ec;
    std::filesystem::create_directories(target.parent_path(), ec);
    QSaveFile out(QString::fromStdString(target.string()));
    if (!out.open(QIODevice::WriteOnly)) return false;
    if (out.write(body) != body.size()) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

// The tab captions in two rows, since nine tabs do not fit one row of a 360-pixel page.
class TTabRows : public QWidget {
public:
    TTabRows(QTabWidget* pages, QWidget* parent) : QWidget(parent), tabs(pages) {
        group = new QButtonGroup(this);
        group->setExclusive(true);
        connect(group, &QButtonGroup::idClicked, tabs, &QTabWidget::setCurrentIndex);
        connect(tabs, &QTabWidget::currentChanged, this, [this](int i) {
            if (QAbstractButton* b = group->button(i)) b->setChecked(true);
        });
    }
    void setCaptions(const QStringList& captions, const QFont& font) {
        while (static_cast<int>(buttons.size()) < captions.size()) {
            auto* b = new QToolButton(this);
            b->setCheckable(true);
            b->setAutoRaise(false);
            group->addButton(b, static_cast<int>(buttons.size()));
            buttons.push_back(b);
        }
        const int n = static_cast<int>(captions.size());
        const int firstRow = (n + 1) / 2;
        for (int i = 0; i < n; ++i) {
            QToolButton* b = buttons[static_cast<size_t>(i)];
            b->setText(captions[i]);
            b->setFont(font);
            const int row = i < firstRow ? 0 : 1;
            const int inRow = row == 0 ? firstRow : n - firstRow;
            const int col = row == 0 ? i : i - firstRow;
            const int w = width() / inRow;
            b->setGeometry(col * w, row * 26, w - 1, 25);
        }
        if (QAbstractButton* b = group->button(tabs->currentIndex())) b->setChecked(true);
    }

private:
    QTabWidget* tabs;
    QButtonGroup* group;
    std::vector<QToolButton*> buttons;
};

} // namespace

static QSize screenOf(const TOptionsHost& host) {
    if (host.screenSize) return host.screenSize();
    if (const QScreen* s = QGuiApplication::primaryScreen()) return s->size();
    return QSize(1024, 768);
}

std::vector<int> windowSizeItems(QSize screen) {
    return offeredWindowSizes(TSize{screen.width(), screen.height()});
}

QString windowSizeHint(int size) {
    switch (size) {
    case 1:
        return QStringLiteral("760 x 500");
    case 3:
        return QStringLiteral("990 x 650");
    case 4:
        return QStringLiteral("1290 x 850");
    case 5:
        return QStringLiteral("1520 x 1000");
    default:
        return {};
    }
}

int& TFormOptions::rememberedTab() {
    static int tab = 0;
    return tab;
}

TFormOptions::TFormOptions(const TOptionsHost& h, QWidget* parent)
    : TAuxWindow(QStringLiteral("Opt"), words::Options, parent), host(h) {
    build();
    fillFromSettings();
    PageControl1->setCurrentIndex(std::clamp(rememberedTab(), 0, PageControl1->count() - 1));
}

TFormOptions::~TFormOptions() = default;

QWidget* TFormOptions::addTab(const QString& caption) {
    auto* page = new QWidget;
    PageControl1->addTab(page, caption);
    tabPages.push_back(page);
    return page;
}

TZovCardsButton* TFormOptions::packButton(QWidget* page, const QString& caption,
                                          const QString& file) {
    auto* b = new TZovCardsButton(caption, page);
    b->setToolTip(wordText(words::Download) + QLatin1Char(' ') + file);
    connect(b, &QPushButton::clicked, this, [this, file] { downloadPack(file); });
    packButtons.emplace_back(b, file);
    return b;
}

void TFormOptions::build() {
    Image0 = nullptr;
    makeHeader(QRect(5, 5, 490, 48));
    Panel1 = makeRule(QRect(5, 55, 490, 6));
    Image0 = findChild<QFrame*>(QStringLiteral("Image0"));

    auto* rowsHolder = new QWidget(this);
    rowsHolder->setObjectName(QStringLiteral("TabRows"));
    PageControl1 = new QTabWidget(this);
    PageControl1->tabBar()->hide();
    PageControl1->setDocumentMode(false);
    auto* rows = new TTabRows(PageControl1, rowsHolder);
    rows->setObjectName(QStringLiteral("TabRowsButtons"));
    connect(PageControl1, &QTabWidget::currentChanged, this, [this](int index) {
        // Tabs 2, 3, 6, 8 and 9 hold pack buttons; tab 7 the save-games controls.
        if (index == 6) syncSaveGames();
        if (index == 1 || index == 2 || index == 5 || index == 7 || index == 8) updatePackButtons();
    });

    ImFlag = new QLabel(this);
    RxGIFAn1 = new TAnimationLabel(this);
    RxGIFAn1->setAnimation(QStringLiteral("GOpt"));
    Button1 = new TZovCardsButton(this);
    Button1->setDefault(true);
    Button1->setButtonStyle(true);
    connect(Button1, &QPushButton::clicked, this, [this] {
        if (Settings.SaluteButtons && host.clickEffect) host.clickEffect();
        accept();
    });
    Timer48 = new QTimer(this);
    Timer48->setInterval(60);
    connect(Timer48, &QTimer::timeout, this, [this] { Timer48Timer(); });

    // 1 General
    QWidget* p = addTab(QString());
    GroupMultimedia = new QGroupBox(p);
    GroupMultimedia->setGeometry(4, 2, 184, 212);
    CheckBox1 = new QCheckBox(GroupMultimedia);
    CheckBox2 = new QCheckBox(GroupMultimedia);
    CheckBox3 = new QCheckBox(GroupMultimedia);
    CheckBox4 = new QCheckBox(GroupMultimedia);
    CheckBoxCur = new QCheckBox(GroupMultimedia);
    CheckBoxBut = new QCheckBox(GroupMultimedia);
    int y = 20;
    for (QCheckBox* c : {CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBoxCur, CheckBoxBut}) {
        c->setGeometry(8, y, 172, 22);
        y += 25;
    }
    Button3 = new TZovCardsButton(p);
    Button3->setGeometry(194, 8, 156, 30);
    Button4 = new TZovCardsButton(p);
    Button4->setGeometry(194, 44, 156, 30);
    CheckBoxNet = new QCheckBox(p);
    CheckBoxNet->setGeometry(196, 84, 154, 22);
    ComboBoxWSize = new QComboBox(p);
    ComboBoxWSize->setGeometry(194, 116, 156, 26);
    ComboBoxLan = new QComboBox(p);
    ComboBoxLan->setGeometry(194, 154, 156, 26);
    connect(CheckBox1, &QCheckBox::toggled, this, [](bool on) { Settings.SoundOn = on; });
    connect(CheckBox2, &QCheckBox::toggled, this, [this](bool on) {
        Settings.MusicOn = on;
        if (host.music) host.music(on);
    });
    connect(CheckBox3, &QCheckBox::toggled, this, [this](bool on) {
        Settings.GifAnimationOn = on;
        if (on)
            RxGIFAn1->play(0, 80);
        else
            RxGIFAn1->freeze(35);
        if (host.menuAnimations) host.menuAnimations(on);
    });
    connect(CheckBox4, &QCheckBox::toggled, this, [](bool on) { Settings.FlyCardsOn = on; });
    connect(CheckBoxCur, &QCheckBox::toggled, this, [this](bool on) {
        Settings.OwnCursor = on;
        if (host.applyCursors) host.applyCursors();
    });
    connect(CheckBoxBut, &QCheckBox::toggled, this, [this](bool on) {
        Settings.NewButtons = on;
        restyle();
        if (host.refreshButtons) host.refreshButtons();
    });
    connect(CheckBoxNet, &QCheckBox::toggled, this, [this](bool on) {
        Settings.LanGame = on;
        if (host.modeChanged) host.modeChanged();
    });
    connect(Button3, &QPushButton::clicked, this, [this] {
        if (host.clickEffect) host.clickEffect();
        if (host.openSpeedWindow) host.openSpeedWindow();
        updateSpeedCaption();
    });
    connect(Button4, &QPushButton::clicked, this, [this] {
        if (host.playCue) host.playCue("WOpenFo");
        if (host.clickEffect) host.clickEffect();
        if (host.openPassport) host.openPassport();
    });
    connect(ComboBoxWSize, &QComboBox::currentIndexChanged, this,
            [this](int i) { WindowSizeChange(i); });
    connect(ComboBoxLan, &QComboBox::currentIndexChanged, this,
            [this](int i) { LanguageChange(i); });

    // 2 Cards
    p = addTab(QString());
    Image1 = new QLabel(p);
    Image1->setGeometry(48, 6, 260, 96);
    ComboBox1 = new QComboBox(p);
    ComboBox1->setGeometry(6, 112, 344, 26);
    ComboBox1->setIconSize(QSize(14, 12));
    packButton(p, QStringLiteral("06A"), QStringLiteral("ZovCards06A.dll"))
        ->setGeometry(6, 160, 110, 30);
    packButton(p, QStringLiteral("06B"), QStringLiteral("ZovCards06B.dll"))
        ->setGeometry(123, 160, 110, 30);
    packButton(p, QStringLiteral("06C"), QStringLiteral("ZovCards06C.dll"))
        ->setGeometry(240, 160, 110, 30);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this](int i) { FaceChange(i); });

    // 3 Decks
    p = addTab(QString());
    ComboBox2 = new QComboBox(p);
    ComboBox2->setGeometry(6, 10, 344, 26);
    RadioGroup2 = new TRadioGroup(p);
    RadioGroup2->setGeometry(6, 46, 344, 100);
    packButton(p, QStringLiteral("ZovCards06B"), QStringLiteral("ZovCards06B.dll"))
        ->setGeometry(98, 160, 160, 30);
    connect(ComboBox2, &QComboBox::currentIndexChanged, this, [this](int i) { BackChange(i); });
    RadioGroup2->onClick = [this](int item) { BackGroupClick(item); };

    // 4 Game: this game's controls only.
    p = addTab(QString());
    GroupBox2 = new QGroupBox(p);
    GroupBox2->setGeometry(6, 25, 344, 70);
    CheckBox5 = new QCheckBox(GroupBox2);
    CheckBox5->setGeometry(10, 20, 320, 20);
    CheckBox6 = new QCheckBox(GroupBox2);
    CheckBox6->setGeometry(10, 40, 320, 20);
    RadioGroup4 = new TRadioGroup(p, true);
    RadioGroup4->setGeometry(6, 100, 344, 65);
    RadioGroup4->setItems({QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")});
    connect(CheckBox5, &QCheckBox::toggled, this, [](bool on) { Settings.NoJokers = on; });
    connect(CheckBox6, &QCheckBox::toggled, this, [](bool on) { Settings.QuickGame = on; });
    RadioGroup4->onClick = [this](int item) {
        if (!filling) Settings.Duration = item + 3;
    };

    // 5 Fonts
    p = addTab(QString());
    ComboBoxFont = new QComboBox(p);
    ComboBoxFont->setGeometry(6, 6, 220, 26);
    FontComboBox1 = new QComboBox(p);
    FontComboBox1->setGeometry(6, 40, 344, 26);
    FontComboBox1->setEditable(false);
    LabelScale = new QLabel(p);
    LabelScale->setGeometry(8, 78, 90, 22);
    SpinEdit1 = new QSpinBox(p);
    SpinEdit1->setGeometry(100, 76, 70, 26);
    SpinEdit1->setRange(50, 150);
    Button2 = new TZovCardsButton(p);
    Button2->setGeometry(200, 74, 150, 30);
    LabelFontWarning = new QLabel(p);
    LabelFontWarning->setGeometry(8, 116, 340, 90);
    LabelFontWarning->setWordWrap(true);
    LabelFontWarning->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    connect(ComboBoxFont, &QComboBox::currentIndexChanged, this,
            [this](int i) { FontSlotChange(i); });
    connect(FontComboBox1, &QComboBox::currentTextChanged, this,
            [this](const QString& n) { FontNameChange(n); });
    connect(SpinEdit1, &QSpinBox::valueChanged, this, [this](int v) { ScaleChange(v); });
    connect(Button2, &QPushButton::clicked, this, [this] { DefaultClick(); });

    // 6 BG
    p = addTab(QString());
    GroupBG = new QGroupBox(p);
    GroupBG->setGeometry(6, 6, 344, 104);
    ComboBoxBG1 = new QComboBox(GroupBG);
    ComboBoxBG1->setGeometry(10, 26, 324, 26);
    ComboBoxBG2 = new QComboBox(GroupBG);
    ComboBoxBG2->setGeometry(10, 64, 324, 26);
    packButton(p, QStringLiteral("ZovBackG03"), QStringLiteral("ZovBackG03.dll"))
        ->setGeometry(98, 124, 160, 30);
    connect(ComboBoxBG1, &QComboBox::currentIndexChanged, this, [this] { BackgroundChange(); });
    connect(ComboBoxBG2, &QComboBox::currentIndexChanged, this,
            [this] { BackgroundColourChange(); });

    // 7 Save games
    p = addTab(QString());
    GroupSG = new QGroupBox(p);
    GroupSG->setGeometry(6, 6, 344, 160);
    CheckBoxSG1 = new QCheckBox(GroupSG);
    CheckBoxSG1->setGeometry(10, 24, 324, 22);
    ComboBoxSG1 = new QComboBox(GroupSG);
    ComboBoxSG1->setGeometry(10, 56, 324, 26);
    LabelSG = new QLabel(GroupSG);
    LabelSG->setGeometry(12, 94, 320, 22);
    SpinEditSG1 = new QSpinBox(GroupSG);
    SpinEditSG1->setGeometry(10, 120, 100, 26);
    SpinEditSG1->setRange(10, 5000);
    connect(CheckBoxSG1, &QCheckBox::toggled, this, [this](bool on) {
        Settings.SaveGamesAsGif = on;
        syncSaveGames();
    });
    connect(ComboBoxSG1, &QComboBox::currentIndexChanged, this,
            [](int i) { Settings.SaveGamesMode = i + 1; });
    connect(SpinEditSG1, &QSpinBox::valueChanged, this, [](int v) { Settings.SaveGamesDelay = v; });

    // 8 DLL
    p = addTab(QStringLiteral("DLL"));
    const TPackButtonInfo dll[9] = {
        {QStringLiteral("ZovCards06A"), QStringLiteral("ZovCards06A.dll")},
        {QStringLiteral("ZovCards06B"), QStringLiteral("ZovCards06B.dll")},
        {QStringLiteral("ZovBackG03"), QStringLiteral("ZovBackG03.dll")},
        {QStringLiteral("ZovCalendar01"), QStringLiteral("ZovCalendar01.dll")},
        {QStringLiteral("ZovRadio.rad"), QStringLiteral("ZovRadio.rad")},
        {QStringLiteral("ZovRadio02"), QStringLiteral("ZovRadio02.dll")},
        {QStringLiteral("ZovCVoice3"), QStringLiteral("ZovCVoice3.dll")},
        {QStringLiteral("ZovCards06C"), QStringLiteral("ZovCards06C.dll")},
        {QStringLiteral("ZovCGraph01"), QStringLiteral("ZovCGraph1.dll")},
    };
    for (int i = 0; i < 9; ++i) {
        TZovCardsButton* b = packButton(p, dll[i].caption, dll[i].file);
        if (i < 8)
            b->setGeometry(i % 2 == 0 ? 12 : 184, 2 + (i / 2) * 32, 160, 30);
        else
            b->setGeometry(98, 130, 160, 30);
    }
    RGRadio = new TRadioGroup(p, true);
    RGRadio->setGeometry(6, 164, 344, 46);
    RGRadio->onClick = [this](int item) {
        if (filling) return;
        Settings.RadioListFromServerFirst = item == 0;
        if (host.reloadRadioList) host.reloadRadioList();
    };

    // 9 Design
    p = addTab(QString());
    GroupD1 = new QGroupBox(p);
    GroupD1->setGeometry(6, 0, 344, 48);
    ComboBoxD1 = new QComboBox(GroupD1);
    ComboBoxD1->setGeometry(10, 18, 324, 24);
    GroupD2 = new QGroupBox(p);
    GroupD2->setGeometry(6, 48, 344, 48);
    ComboBoxD2 = new QComboBox(GroupD2);
    ComboBoxD2->setGeometry(10, 18, 324, 24);
    GroupD3 = new QGroupBox(p);
    GroupD3->setGeometry(6, 96, 344, 48);
    ComboBoxD3 = new QComboBox(GroupD3);
    ComboBoxD3->setGeometry(10, 18, 324, 24);
    GroupSalute = new QGroupBox(p);
    GroupSalute->setGeometry(6, 146, 180, 70);
    CheckBoxD1 = new QCheckBox(GroupSalute);
    CheckBoxD1->setGeometry(10, 20, 160, 22);
    CheckBoxD2 = new QCheckBox(GroupSalute);
    CheckBoxD2->setGeometry(10, 43, 160, 22);
    packButton(p, QStringLiteral("ZovCGraph01"), QStringLiteral("ZovCGraph1.dll"))
        ->setGeometry(192, 170, 158, 30);
    connect(ComboBoxD1, &QComboBox::currentIndexChanged, this,
            [this](int i) { MenuDesignChange(i); });
    connect(ComboBoxD2, &QComboBox::currentIndexChanged, this,
            [this](int i) { TableDesignChange(i); });
    connect(ComboBoxD3, &QComboBox::currentIndexChanged, this,
            [this](int i) { AuxDesignChange(i); });
    connect(CheckBoxD1, &QCheckBox::toggled, this, [](bool on) { Settings.SaluteButtons = on; });
    connect(CheckBoxD2, &QCheckBox::toggled, this, [](bool on) { Settings.SaluteCards = on; });

    (void)rows;
}

void TFormOptions::layoutForDesign() {
    const TDesignGeometry g = geometryFor(look());
    setFixedSize(kClientWidth, g.clientHeight);
    refreshHeader(QRect(5, 5, 490, std::max(1, g.headerHeight)), QRect(5, g.ruleTop, 490, 6));
    auto* rowsHolder = findChild<QWidget*>(QStringLiteral("TabRows"));
    rowsHolder->setGeometry(10, g.tabsTop, 360, kTabRowsHeight);
    findChild<QWidget*>(QStringLiteral("TabRowsButtons"))->setGeometry(0, 0, 360, kTabRowsHeight);
    PageControl1->setGeometry(10, g.tabsTop + kTabRowsHeight, 360, 270 - kTabRowsHeight);
    ImFlag->setGeometry(390, g.tabsTop, 100, 68);
    RxGIFAn1->setGeometry(390, g.animationTop, 90, 120);
    Button1->setGeometry(390, g.okTop, 90, 30);
    const bool purple = look() == TAuxLook::Purple;
    for (QWidget* page : tabPages) {
        page->setAutoFillBackground(purple);
        if (purple) {
            QPalette pal = page->palette();
            QLinearGradient grad(0, 0, 0, 270);
            grad.setColorAt(0, colourBGR(0xFFB4C8));
            grad.setColorAt(1, colourBGR(0xFFDCF0));
            pal.setBrush(QPalette::Window, grad);
            page->setPalette(pal);
        } else {
            page->setPalette(QApplication::palette());
        }
    }
    if (purple && !formIcon.isNull()) {
        iconTick = 0;
        Timer48->start();
    } else {
        Timer48->stop();
        iconFrame = -1;
    }
    restyle();
    updateFlag();
    update();
}

void TFormOptions::restyle() {
    for (TZovCardsButton* b : {Button1, Button3, Button4, Button2}) styleButton(b, b != Button2);
    fitCaptions();
    const bool purple = look() == TAuxLook::Purple;
    for (auto& [b, file] : packButtons) {
        styleButton(b, false);
        b->setFontColor(purple ? colourBGR(0x00FFFF) : QColor(Qt::white));
    }
    QPalette pal = QApplication::palette();
    if (purple) {
        pal.setColor(QPalette::Window, Qt::black);
        pal.setColor(QPalette::WindowText, colourBGR(kGoldBGR));
    }
    // Labels outside the tab pages follow the design; the pages keep dark text on their
    // light gradient.
    setPalette(pal);
    for (QWidget* page : tabPages) {
        QPalette pp = page->palette();
        pp.setColor(QPalette::WindowText, Qt::black);
        page->setPalette(pp);
    }
    updateTabRows();
}

void TFormOptions::updateTabRows() {
    auto* rows = static_cast<TTabRows*>(findChild<QWidget*>(QStringLiteral("TabRowsButtons")));
    QStringList captions;
    for (int i = 0; i < PageControl1->count(); ++i) captions << PageControl1->tabText(i);
    rows->setCaptions(captions, slotFont("serif", 11));
}

void TFormOptions::reCaption() {
    setWindowTitle(wordText(words::Options));
    const QString tabs[9] = {
        wordText(words::General),   wordText(words::Cards), wordText(words::Decks),
        wordText(words::GameTab),   wordText(words::Fonts), wordText(words::BG),
        wordText(words::SaveGames), QStringLiteral("DLL"),  wordText(words::Design)};
    for (int i = 0; i < 9; ++i) PageControl1->setTabText(i, tabs[i]);
    updateTabRows();
    GroupMultimedia->setTitle(wordText(words::Multimedia));
    CheckBox1->setText(wordText(words::Sound));
    CheckBox2->setText(wordText(words::Music));
    CheckBox3->setText(wordText(words::GifAnimation));
    CheckBox4->setText(wordText(words::FlyCards));
    CheckBoxCur->setText(wordText(words::RedMouseCursor));
    CheckBoxBut->setText(wordText(words::NewButtons));
    CheckBoxNet->setText(wordText(words::Multiplayer));
    updateSpeedCaption();
    Button4->setText(wordText(words::Passport));
    Button1->setText(wordText(words::Ok));
    fitCaptions();
    fillWindowSizeList();
    fillLanguageList();
    fillFaceList();
    fillBackList();
    RadioGroup2->setTitle(wordText(words::Modification));
    {
        const auto saved = RadioGroup2->onClick;
        RadioGroup2->onClick = nullptr;
        RadioGroup2->setItems(
            {wordText(words::ToChangeDecks), wordText(words::AlwaysOne), wordText(words::Random)});
        RadioGroup2->onClick = saved;
    }
    GroupBox2->setTitle(wordText(words::Main));
    CheckBox5->setText(wordText(words::NoJokers));
    CheckBox6->setText(wordText(words::QuickGame));
    RadioGroup4->setTitle(wordText(words::Duration));
    setComboItems(ComboBoxFont, {wordText(words::LargeFont), wordText(words::SmallFont),
                                 wordText(words::SpecialFont) + QStringLiteral(" 1"),
                                 wordText(words::SpecialFont) + QStringLiteral(" 2")});
    LabelScale->setText(wordText(words::ScalePercent));
    Button2->setText(wordText(words::Default));
    LabelFontWarning->setText(
        wordText(words::FontWarning).replace(QStringLiteral("\n\r"), QStringLiteral("\n")));
    GroupBG->setTitle(wordText(words::Background));
    QStringList pictures, colours;
    for (int i = 1; i <= 10; ++i) pictures << text(backgroundName(i));
    for (int i = 0; i <= 6; ++i) colours << text(backgroundColourName(i));
    setComboItems(ComboBoxBG1, pictures);
    setComboItems(ComboBoxBG2, colours);
    GroupSG->setTitle(wordText(words::SaveGames));
    CheckBoxSG1->setText(wordText(words::SaveGamesAsGifs));
    setComboItems(ComboBoxSG1,
                  {wordText(words::SaveMainWindowOnly), wordText(words::SaveScreenContents)});
    LabelSG->setText(wordText(words::DelayBetweenFrames));
    RGRadio->setTitle(wordText(words::ReadingRadioList));
    {
        const auto saved = RGRadio->onClick;
        RGRadio->onClick = nullptr;
        RGRadio->setItems({wordText(words::FromTheServer), wordText(words::FromDisk)});
        RGRadio->onClick = saved;
    }
    GroupD1->setTitle(wordText(words::MainMenuDesign));
    GroupD2->setTitle(wordText(words::GameTableDesign));
    GroupD3->setTitle(wordText(words::AuxWindowDesign));
    const QStringList designs = {wordText(words::Customizable), wordText(words::Purple)};
    setComboItems(ComboBoxD1, designs);
    setComboItems(ComboBoxD2, designs);
    setComboItems(ComboBoxD3, {wordText(words::GrayAristocratic), wordText(words::GrayConcise),
                               wordText(words::GrayRedRibbons), wordText(words::Purple)});
    GroupSalute->setTitle(wordText(words::Salute));
    CheckBoxD1->setText(wordText(words::Buttons));
    CheckBoxD2->setText(wordText(words::Cards));
    for (auto& [b, file] : packButtons)
        b->setToolTip(wordText(words::Download) + QLatin1Char(' ') + file);
    if (Image0) Image0->update();
}

void TFormOptions::fillWindowSizeList() {
    const QSize screen = screenOf(host);
    const QString names[5] = {wordText(words::SmallWindow), wordText(words::FullScreen),
                              wordText(words::AverageWindow1), wordText(words::AverageWindow2),
                              wordText(words::LargeWindow)};
    QStringList items;
    for (int size : windowSizeItems(screen)) items << names[size - 1];
    setComboItems(ComboBoxWSize, items);
}

void TFormOptions::fillLanguageList() {
    const QSignalBlocker block(ComboBoxLan);
    if (ComboBoxLan->count() == 0) {
        ComboBoxLan->setIconSize(QSize(14, 12));
        for (int i = 0; i < static_cast<int>(kLanguageCount); ++i) {
            const std::string_view name = languageName(languageFromIndex(i));
            ComboBoxLan->addItem(
                flagIcon(languageFlag(i)),
                QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        }
    }
}

void TFormOptions::fillFaceList() {
    const QSignalBlocker block(ComboBox1);
    const int keep = ComboBox1->currentIndex();
    if (ComboBox1->count() == 0)
        for (int i = 0; i <= 47; ++i) ComboBox1->addItem(flagIcon(faceSetFlag(i)), QString());
    for (int i = 0; i <= 47; ++i) ComboBox1->setItemText(i, text(faceSetName(i)));
    ComboBox1->setCurrentIndex(std::max(0, keep));
}

void TFormOptions::fillBackList() {
    QStringList items;
    for (int i = 0; i <= 12; ++i) items << text(backSetName(i));
    setComboItems(ComboBox2, items);
}

void TFormOptions::fillFromSettings() {
    filling = true;
    layoutForDesign();
    reCaption();
    checkQuietly(CheckBox1, Settings.SoundOn);
    checkQuietly(CheckBox2, Settings.MusicOn); // filling never restarts the music
    checkQuietly(CheckBox3, Settings.GifAnimationOn);
    checkQuietly(CheckBox4, Settings.FlyCardsOn);
    checkQuietly(CheckBoxCur, Settings.OwnCursor);
    checkQuietly(CheckBoxBut, Settings.NewButtons);
    checkQuietly(CheckBoxNet, Settings.LanGame);
    selectQuietly(ComboBoxLan, static_cast<int>(languageIndex(Settings.Language)));
    selectQuietly(ComboBox1, Settings.CardDeck);
    selectQuietly(ComboBox2, Settings.CardBack);
    syncBackGroup();
    checkQuietly(CheckBox5, Settings.NoJokers);
    checkQuietly(CheckBox6, Settings.QuickGame);
    RadioGroup4->setItemIndex(std::clamp(Settings.Duration, 3, 5) - 3);
    selectQuietly(ComboBoxFont, 0);
    showFontSlot();
    selectQuietly(ComboBoxBG1, std::clamp(Settings.Background, 1, 10) - 1);
    selectQuietly(ComboBoxBG2, std::clamp(Settings.BackgroundColour, 0, 6));
    syncBackgroundEnabled();
    selectQuietly(ComboBoxSG1, std::clamp(Settings.SaveGamesMode, 1, 2) - 1);
    {
        const QSignalBlocker block(SpinEditSG1);
        SpinEditSG1->setValue(Settings.SaveGamesDelay);
    }
    RGRadio->setItemIndex(Settings.RadioListFromServerFirst ? 0 : 1);
    syncDesignLists();
    checkQuietly(CheckBoxD1, Settings.SaluteButtons);
    checkQuietly(CheckBoxD2, Settings.SaluteCards);
    // The window size item and its handler, without applying the size: this reloads the face
    // and back sets and redraws the preview.
    const std::vector<int> sizes = windowSizeItems(screenOf(host));
    int item = static_cast<int>(sizes.size()) - 1;
    for (int i = 0; i < static_cast<int>(sizes.size()); ++i)
        if (sizes[static_cast<size_t>(i)] == Settings.WindowSize) item = i;
    selectQuietly(ComboBoxWSize, item);
    WindowSizeChange(item);
    syncSaveGames();
    if (Settings.GifAnimationOn)
        RxGIFAn1->play(0, 80);
    else
        RxGIFAn1->freeze(35);
    updatePackButtons();
    updateFlag();
    filling = false;
}

void TFormOptions::showEvent(QShowEvent* event) {
    TAuxWindow::showEvent(event);
    if (host.applyCursors) host.applyCursors();
}

void TFormOptions::done(int result) {
    RxGIFAn1->freeze(RxGIFAn1->frame());
    Timer48->stop();
    rememberedTab() = PageControl1->currentIndex();
    TAuxWindow::done(result);
}

void TFormOptions::updateSpeedCaption() {
    Button3->setText(wordText(words::Speed) + QLatin1Char('=') + QString::number(Settings.Speed));
    fitCaptions();
}

// Longer captions of some languages are set smaller so that they stay inside their buttons.
void TFormOptions::fitCaptions() {
    for (TZovCardsButton* b : {Button1, Button3, Button4}) {
        QFont f = slotFont("decor", 20, true);
        while (f.pointSize() > 8 && QFontMetrics(f).horizontalAdvance(b->text()) > b->width() - 16)
            f.setPointSize(f.pointSize() - 1);
        b->setFont(f);
    }
}

void TFormOptions::updateFlag() {
    const std::string_view name = languageFlagPicture(currentLanguage());
    QImage flag =
        builtinPicture(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    ImFlag->setPixmap(QPixmap::fromImage(flag));
}

void TFormOptions::syncBackGroup() {
    const bool tenBacks = Settings.CardBack >= 8 && Settings.CardBack <= 11;
    RadioGroup2->setItemEnabled(0, !tenBacks);
    RadioGroup2->setItemEnabled(1, !tenBacks);
    RadioGroup2->setItemEnabled(2, tenBacks);
    // Moving the choice goes through the group's click, as a click by the player would.
    if (tenBacks)
        RadioGroup2->setItemIndex(2);
    else if (filling)
        RadioGroup2->setItemIndex(Settings.CardBackAlwaysOne ? 1 : 0);
    else if (RadioGroup2->itemIndex() == 2 || RadioGroup2->itemIndex() < 0)
        RadioGroup2->setItemIndex(0);
}

void TFormOptions::syncBackgroundEnabled() {
    const bool both = Settings.MenuDesign == 1 && Settings.TableDesign == 1;
    ComboBoxBG1->setEnabled(!both);
    ComboBoxBG2->setEnabled(!both);
}

void TFormOptions::syncSaveGames() {
    CheckBoxSG1->setEnabled(Settings.WindowSize == 1);
    checkQuietly(CheckBoxSG1, Settings.SaveGamesAsGif);
    ComboBoxSG1->setEnabled(Settings.SaveGamesAsGif);
    LabelSG->setEnabled(Settings.SaveGamesAsGif);
    SpinEditSG1->setEnabled(Settings.SaveGamesAsGif);
}

void TFormOptions::syncDesignLists() {
    selectQuietly(ComboBoxD1, Settings.MenuDesign == 1 ? 1 : 0);
    selectQuietly(ComboBoxD2, Settings.TableDesign == 1 ? 1 : 0);
    selectQuietly(ComboBoxD3, auxDesignItem());
}

void TFormOptions::showFontSlot() {
    const int slot = std::max(0, ComboBoxFont->currentIndex());
    const QString name = QString::fromStdString(*slotNameField(slot));
    {
        const QSignalBlocker block(FontComboBox1);
        if (FontComboBox1->count() == 0) {
            QStringList families = QFontDatabase::families();
            for (const char* n : {"Comic Sans MS", "FixedSys", "Courier New"})
                if (!families.contains(QString::fromLatin1(n))) families << QString::fromLatin1(n);
            families.sort(Qt::CaseInsensitive);
            FontComboBox1->addItems(families);
        }
        if (FontComboBox1->findText(name) < 0) FontComboBox1->addItem(name);
        FontComboBox1->setCurrentIndex(FontComboBox1->findText(name));
    }
    const QSignalBlocker block(SpinEdit1);
    SpinEdit1->setValue(std::clamp(*slotScaleField(slot), 50, 150));
}

QImage TFormOptions::previewPicture() const {
    QImage img(260, 96, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const char* cards[4] = {"Ch2J", "Bu3Q", "Kr4K", "Pi5A"};
    for (int i = 0; i < 4; ++i) {
        const QString name = QString::fromLatin1(cards[i]) + QLatin1Char('B');
        QImage face = host.facePicture ? host.facePicture(name) : QImage();
        if (face.isNull()) face = builtinPicture(name);
        p.drawImage(QPoint(i * 63, 0), scaledWithRoundedCorners(face, QSize(71, 96), 8));
    }
    return img;
}

void TFormOptions::redrawPreview() {
    Image1->setPixmap(QPixmap::fromImage(previewPicture()));
}

// ---- handlers ----

void TFormOptions::WindowSizeChange(int index) {
    const std::vector<int> sizes = windowSizeItems(screenOf(host));
    if (index < 0 || index >= static_cast<int>(sizes.size())) return;
    Settings.WindowSize = sizes[static_cast<size_t>(index)];
    ComboBoxWSize->setToolTip(windowSizeHint(Settings.WindowSize));
    if (!filling && host.applyWindowSize) host.applyWindowSize();
    if (host.loadFaceSet && !host.loadFaceSet()) Settings.CardDeck = 0;
    selectQuietly(ComboBox1, Settings.CardDeck);
    selectQuietly(ComboBox2, Settings.CardBack);
    syncBackGroup();
    redrawPreview();
    if (Settings.WindowSize != 1) Settings.SaveGamesAsGif = false;
    syncSaveGames();
}

void TFormOptions::LanguageChange(int index) {
    Settings.Language = languageFromIndex(index);
    reCaption();
    if (host.applyLanguage) host.applyLanguage();
    loadDesignGraphics();
    layoutForDesign();
}

void TFormOptions::FaceChange(int index) {
    if (index < 0) return;
    Settings.CardDeck = index;
    if (host.loadFaceSet && !host.loadFaceSet()) Settings.CardDeck = 0;
    selectQuietly(ComboBox1, Settings.CardDeck);
    selectQuietly(ComboBox2, Settings.CardBack);
    syncBackGroup();
    redrawPreview();
}

void TFormOptions::BackChange(int index) {
    if (index < 0) return;
    Settings.CardBack = index;
    syncBackGroup();
    if (host.loadBackSet && !host.loadBackSet()) {
        Settings.CardBack = 0;
        selectQuietly(ComboBox2, 0);
        syncBackGroup();
    }
}

void TFormOptions::BackGroupClick(int item) {
    if (filling) return;
    Settings.CardBackAlwaysOne = item == 1;
}

void TFormOptions::FontSlotChange(int) {
    showFontSlot();
}

void TFormOptions::FontNameChange(const QString& name) {
    if (name.isEmpty()) return;
    *slotNameField(std::max(0, ComboBoxFont->currentIndex())) = name.toStdString();
    if (host.applyFonts) host.applyFonts();
}

void TFormOptions::ScaleChange(int value) {
    if (value < 50 || value > 150) return;
    *slotScaleField(std::max(0, ComboBoxFont->currentIndex())) = value;
    if (host.applyFonts) host.applyFonts();
}

void TFormOptions::DefaultClick() {
    if (host.clickEffect) host.clickEffect();
    Settings.FontDecorName = "Comic Sans MS";
    Settings.FontSerifName = "Comic Sans MS";
    Settings.FontFixedName = "FixedSys";
    Settings.FontConewName = "Courier New";
    Settings.FontDecorScale = Settings.FontSerifScale = 100;
    Settings.FontFixedScale = Settings.FontConewScale = 100;
    if (host.applyFonts) host.applyFonts();
    showFontSlot();
}

void TFormOptions::BackgroundChange() {
    Settings.Background = ComboBoxBG1->currentIndex() + 1;
    if (Settings.MenuDesign == 0 && host.loadBackground && !host.loadBackground(false)) {
        Settings.Background = 2;
        Settings.BackgroundColour = 0;
    }
    selectQuietly(ComboBoxBG1, Settings.Background - 1);
    selectQuietly(ComboBoxBG2, Settings.BackgroundColour);
    if (host.redrawMenu) host.redrawMenu(false);
}

void TFormOptions::BackgroundColourChange() {
    Settings.BackgroundColour = ComboBoxBG2->currentIndex();
    if (Settings.MenuDesign == 0 && host.loadBackground && !host.loadBackground(false)) {
        Settings.Background = 2;
        Settings.BackgroundColour = 0;
    }
    selectQuietly(ComboBoxBG1, Settings.Background - 1);
    selectQuietly(ComboBoxBG2, Settings.BackgroundColour);
    if (host.applyWindowColour) host.applyWindowColour();
    if (host.redrawMenu) host.redrawMenu(false);
}

bool TFormOptions::probeGraphicsPack() {
    if (!loadPackPicture(kGraphicsPack, QStringLiteral("GIcon48Opt")).isNull()) return true;
    const bool menuWasPurple = Settings.MenuDesign == 1;
    Settings.MenuDesign = 0;
    Settings.TableDesign = 0;
    Settings.AuxDesignAlt = false;
    Settings.AuxDesign = 2;
    syncDesignLists();
    syncBackgroundEnabled();
    showMissingPackNotice(kGraphicsPack, this);
    if (menuWasPurple) {
        if (host.loadBackground) host.loadBackground(false);
        if (host.redrawMenu) host.redrawMenu(true);
    }
    loadDesignGraphics();
    layoutForDesign();
    return false;
}

void TFormOptions::MenuDesignChange(int index) {
    if (index < 0) return;
    const TAuxLook lookBefore = look();
    Settings.MenuDesign = index;
    const bool purple = index == 1;
    bool ok = true;
    if (host.loadBackground) {
        ok = host.loadBackground(purple);
    } else if (purple && loadPackPicture(kGraphicsPack, QStringLiteral("BGLilu")).isNull()) {
        // The background loader's own fallback when no main window does it for us.
        Settings.AuxDesignAlt = false;
        Settings.TableDesign = 0;
        showMissingPackNotice(kGraphicsPack, this);
        ok = false;
    }
    if (!ok && purple) Settings.MenuDesign = 0;
    syncDesignLists();
    if (host.redrawMenu) host.redrawMenu(true);
    syncBackgroundEnabled();
    // A failed purple background also turns the purple windows off.
    if (look() != lookBefore) {
        loadDesignGraphics();
        layoutForDesign();
    }
}

void TFormOptions::TableDesignChange(int index) {
    if (index < 0) return;
    Settings.TableDesign = index;
    // Only the purple table needs the pack; going back to the customizable table needs nothing.
    if (index == 1) probeGraphicsPack();
    syncBackgroundEnabled();
}

void TFormOptions::AuxDesignChange(int index) {
    if (index < 0) return;
    Settings.AuxDesignAlt = index == 3;
    if (index == 0) Settings.AuxDesign = 2;
    if (index == 1) Settings.AuxDesign = 1;
    if (index == 2) Settings.AuxDesign = 3;
    if (index != 0 && !probeGraphicsPack()) return;
    loadDesignGraphics();
    syncDesignLists();
    layoutForDesign();
}

void TFormOptions::Timer48Timer() {
    iconTick = iconTick % 10 + 1;
    iconFrame = iconTick;
    update(QRect(iconAt, QSize(48, 48)));
}

void TFormOptions::updatePackButtons() {
    for (auto& [b, file] : packButtons) {
        const bool missing = !packFileFound(file);
        b->setEnabled(missing);
        b->setKLightSB(missing ? 0 : 50);
    }
    const bool graphics = packFileFound(kGraphicsPack);
    for (QCheckBox* c : {CheckBoxD1, CheckBoxD2}) {
        c->setEnabled(graphics);
        // Shown unchecked while the pack is missing; the setting itself is kept.
        checkQuietly(c,
                     graphics && (c == CheckBoxD1 ? Settings.SaluteButtons : Settings.SaluteCards));
    }
}

void TFormOptions::downloadPack(const QString& file) {
    if (Settings.SaluteButtons && host.clickEffect) host.clickEffect();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool ok = host.downloadPack ? host.downloadPack(file) : fetchPack(file);
    QApplication::restoreOverrideCursor();
    if (host.playCue) host.playCue(ok ? "WToMenK" : "WWrongs");
    updatePackButtons();
}

} // namespace vantor
