#include "table/qtext.h"
#include "table/form_aux.h"

#include "assets/builtin_pictures.h"
#include "base/cp1251.h"
#include "base/paths.h"
#include "base/rounding.h"
#include "i18n/words.h"
#include "table/form_link.h"
#include "table/pictures.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>
#include <unordered_map>

namespace vantor {

QString wordText(const WordEntry& entry) { return qw(entry); }

std::string wordByEnglish(std::string_view english) {
    static const std::unordered_map<std::string_view, const WordEntry*> byEnglish = [] {
        std::unordered_map<std::string_view, const WordEntry*> m;
        for (const NamedWordEntry& n : words::allWords()) {
            const std::string_view en = n.entry->text[0];
            if (!en.empty()) m.emplace(en, n.entry);
        }
        return m;
    }();
    const auto it = byEnglish.find(english);
    return it == byEnglish.end() ? std::string(english) : std::string(Word(*it->second));
}

QString fromCp1251(std::string_view bytes) {
    return QString::fromStdString(cp1251ToUtf8(bytes));
}

std::string toCp1251(const QString& text) {
    return utf8ToCp1251(text.toStdString());
}

QColor colourBGR(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

// ---- packs ----

TPackPictureLoader& packPictureLoader() {
    // Finds the pack (the home folder, then the folder above), reads the named picture, a PNG
    // (raw data) or else a JPEG resource, and closes the pack again.
    static TPackPictureLoader loader = [](const QString& packFile, const QString& name) {
        QImage picture;
        if (LoadPackPng(name, packFile, picture) || LoadPackJpeg(name, packFile, picture))
            return picture;
        return QImage();
    };
    return loader;
}

QImage loadPackPicture(const QString& packFile, const QString& name) {
    if (packFile.isEmpty()) return builtinPicture(name);
    const TPackPictureLoader& loader = packPictureLoader();
    return loader ? loader(packFile, name) : QImage();
}

TPackFileProbe& packFileProbe() {
    static TPackFileProbe probe = [](const QString& fileName) {
        const std::string name = fileName.toStdString();
        std::error_code ec;
        return std::filesystem::exists(homeFolder() / name, ec) ||
               std::filesystem::exists(sharedFolder() / name, ec);
    };
    return probe;
}

bool packFileFound(const QString& fileName) {
    const TPackFileProbe& probe = packFileProbe();
    return probe && probe(fileName);
}

TNoticeHook& noticeHook() {
    static TNoticeHook hook = [](const QString& line1, const QString& line2, QWidget* parent) {
        TFormLink form(line1, line2, QString(), parent, wordText(words::Attention),
                       wordText(words::Ok));
        runModal(form);
    };
    return hook;
}

void showNotice(const QString& line1, const QString& line2, QWidget* parent) {
    if (const TNoticeHook& hook = noticeHook()) hook(line1, line2, parent);
}

TModalRunner& modalRunner() {
    static TModalRunner runner;
    return runner;
}

int runModal(QDialog& window) {
    if (const TModalRunner& r = modalRunner()) return r(window);
    return window.exec();
}

void showMissingPackNotice(const QString& packFile, QWidget* parent) {
    showNotice(wordText(words::CantFindTheFile) + QLatin1Char(' ') + packFile, QString(), parent);
}

// ---- designs ----

TAuxLook auxLook(const TSettings& s) {
    if (s.AuxDesignAlt) return TAuxLook::Purple;
    if (s.AuxDesign == 1) return TAuxLook::Concise;
    if (s.AuxDesign == 3) return TAuxLook::Ribbons;
    return TAuxLook::Aristocratic;
}

TAuxWindow::TAuxWindow(const QString& part, const WordEntry& title, QWidget* parent)
    : QDialog(parent), namePart(part), titleWord(&title) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    setModal(true);
    onMissingPack = [this](const QString& file) { showMissingPackNotice(file, this); };
    loadDesignGraphics();
}

void TAuxWindow::loadDesignGraphics() {
    const QString code = QString::fromLatin1(languageCode(currentLanguage()).data());
    formBackground = loadPackPicture(kGraphicsPack, QStringLiteral("GForm") + namePart);
    formHeader = loadPackPicture(kGraphicsPack, QStringLiteral("GForm") + namePart + code);
    formIcon = loadPackPicture(kGraphicsPack, QStringLiteral("GIcon48") + namePart);
    if (formBackground.isNull() && Settings.AuxDesignAlt) {
        Settings.AuxDesignAlt = false;
        Settings.AuxDesign = 2;
    }
    conciseHeader = QImage();
    if (auxLook() == TAuxLook::Concise) {
        const QString english = QString::fromUtf8(
            titleWord->text[0].data(), static_cast<qsizetype>(titleWord->text[0].size()));
        conciseHeader = loadPackPicture(kGraphicsPack, english + code);
        if (conciseHeader.isNull()) {
            Settings.AuxDesignAlt = false;
            Settings.AuxDesign = 2;
            if (onMissingPack) onMissingPack(kGraphicsPack);
        }
    }
}

int TAuxWindow::headerHeight() const {
    switch (look()) {
    case TAuxLook::Concise:
        return 48;
    case TAuxLook::Ribbons:
        return 90;
    case TAuxLook::Aristocratic:
    case TAuxLook::Purple:
        break;
    }
    return 64;
}

void TAuxWindow::layoutHeader(int width) {
    if (!header) makeHeader(QRect());
    if (!rule) makeRule(QRect());
    const int h = headerHeight();
    refreshHeader(QRect(5, 5, width - 10, h), QRect(5, h + 7, width - 10, 6));
    if (!isGrey(look()))
        setPalette([&] {
            QPalette pal = palette();
            pal.setColor(QPalette::WindowText, colourBGR(kGoldBGR));
            return pal;
        }());
}

QLabel* TAuxWindow::makeHeader(const QRect& r) {
    header = new QLabel(this);
    header->setObjectName(QStringLiteral("Image0"));
    header->setGeometry(r);
    return header;
}

QFrame* TAuxWindow::makeRule(const QRect& r) {
    rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Panel1"));
    rule->setAutoFillBackground(true);
    QPalette pal = rule->palette();
    pal.setColor(QPalette::Window, QColor(255, 0, 0));
    rule->setPalette(pal);
    rule->setGeometry(r);
    return rule;
}

void TAuxWindow::refreshHeader(const QRect& r, const QRect& ruleRect) {
    const bool grey = isGrey(look());
    if (header) {
        header->setGeometry(r);
        header->setVisible(grey);
        if (grey) header->setPixmap(QPixmap::fromImage(headerPicture(r.size())));
    }
    if (rule) {
        rule->setGeometry(ruleRect);
        rule->setVisible(grey);
    }
    update();
}

QImage TAuxWindow::headerPicture(QSize size) const {
    QImage img(std::max(1, size.width()), std::max(1, size.height()),
               QImage::Format_ARGB32_Premultiplied);
    img.fill(palette().color(QPalette::Button));
    QPainter p(&img);
    const int w = img.width();
    const QString title = wordText(*titleWord);
    auto drawTitle = [&](int top, int height, int room) {
        QFont f = slotFont("serif", 40, true);
        // Keep a long title inside its ribbon in every language.
        while (f.pointSize() > 8 && QFontMetrics(f).horizontalAdvance(title.toUpper()) > room)
            f.setPointSize(f.pointSize() - 1);
        p.setFont(f);
        const QRect r(0, top, w, height);
        p.setPen(QColor(0, 0x80, 0x80));
        p.drawText(r.translated(1, 1), Qt::AlignHCenter | Qt::AlignTop, title.toUpper());
        p.setPen(colourBGR(0x00FFFF));
        p.drawText(r, Qt::AlignHCenter | Qt::AlignTop, title.toUpper());
    };
    switch (look()) {
    case TAuxLook::Concise:
        if (!conciseHeader.isNull()) p.drawImage((w - conciseHeader.width()) / 2, 0, conciseHeader);
        break;
    case TAuxLook::Aristocratic: {
        // The narrowest ribbon that holds the title, else the widest the header takes.
        const QFont f = slotFont("serif", 40, true);
        const int need = QFontMetrics(f).horizontalAdvance(title.toUpper()) + 40;
        int ribbon = 280;
        for (int c : {280, 300, 430, 550})
            if (c <= w - 10) ribbon = c;
        for (int c : {550, 430, 300, 280})
            if (c <= w - 10 && c >= need) ribbon = c;
        const QImage cap = builtinPicture(QStringLiteral("GCap") + QString::number(ribbon));
        p.drawImage((w - cap.width()) / 2, 0, cap);
        drawTitle(10, img.height() - 10, ribbon - 30);
        break;
    }
    case TAuxLook::Ribbons: {
        const QImage lenta = builtinPicture(QStringLiteral("GLenta280x090"));
        p.drawImage((w - lenta.width()) / 2, 0, lenta);
        if (!formHeader.isNull())
            p.drawImage(-5, -7, formHeader);
        else
            drawTitle(18, img.height() - 18, 250);
        break;
    }
    case TAuxLook::Purple:
        break;
    }
    return img;
}

void TAuxWindow::styleButton(TZovCardsButton* b, bool bigFont) const {
    const bool grey = isGrey(look());
    b->setColorSB(grey ? DRed : DCards);
    b->setFontColor(grey ? QColor(Qt::white) : colourBGR(kGoldBGR));
    b->setLightFont(true);
    b->setColorMouse(QColor(255, 255, 0));
    b->setNata(Settings.NewButtons);
    b->setGrayDis(true);
    b->setFont(bigFont ? slotFont("decor", 20, true) : slotFont("decor", 11, true));
}

QColor TAuxWindow::textColour() const {
    return isGrey(look()) ? QColor(Qt::black) : colourBGR(kGoldBGR);
}

void TAuxWindow::styleLabel(QLabel* label) const {
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, textColour());
    label->setPalette(pal);
}

void TAuxWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (isGrey(look())) {
        p.fillRect(rect(), QApplication::palette().color(QPalette::Button));
        return;
    }
    p.fillRect(rect(), Qt::black);
    if (!formBackground.isNull()) p.drawImage(0, 0, formBackground);
    if (!formHeader.isNull()) p.drawImage(0, 0, formHeader);
    if (iconFrame >= 1 && !formIcon.isNull()) {
        const QRect piece((iconFrame - 1) * 48, 0, 48, 48);
        if (!formBackground.isNull())
            p.drawImage(iconAt, formBackground, QRect(iconAt, QSize(48, 48)));
        p.drawImage(iconAt, formIcon, piece);
    }
}

// ---- radio groups and animations ----

TRadioGroup::TRadioGroup(QWidget* parent, bool horizontalItems)
    : QGroupBox(parent), horizontal(horizontalItems) {}

void TRadioGroup::setItems(const QStringList& captions) {
    if (captions.size() != buttons.size()) {
        qDeleteAll(buttons);
        buttons.clear();
        for (int i = 0; i < captions.size(); ++i) {
            auto* b = new QRadioButton(this);
            b->setAutoExclusive(true);
            connect(b, &QRadioButton::toggled, this, [this, i](bool on) {
                if (on && onClick) onClick(i);
            });
            buttons << b;
            b->show();
        }
    }
    for (int i = 0; i < captions.size(); ++i) buttons[i]->setText(captions[i]);
    placeButtons();
}

void TRadioGroup::placeButtons() {
    const int n = static_cast<int>(buttons.size());
    if (n == 0) return;
    const int top = 18;
    if (horizontal) {
        const int w = (width() - 16) / n;
        for (int i = 0; i < n; ++i) buttons[i]->setGeometry(8 + i * w, top, w - 4, 22);
    } else {
        const int step = std::max(20, (height() - top - 4) / n);
        for (int i = 0; i < n; ++i) buttons[i]->setGeometry(10, top + i * step, width() - 20, 20);
    }
}

void TRadioGroup::resizeEvent(QResizeEvent* event) {
    QGroupBox::resizeEvent(event);
    placeButtons();
}

QRadioButton* TRadioGroup::item(int index) const {
    return index >= 0 && index < buttons.size() ? buttons[index] : nullptr;
}

int TRadioGroup::itemIndex() const {
    for (int i = 0; i < buttons.size(); ++i)
        if (buttons[i]->isChecked()) return i;
    return -1;
}

void TRadioGroup::setItemIndex(int index) {
    if (QRadioButton* b = item(index)) b->setChecked(true);
}

void TRadioGroup::setItemEnabled(int index, bool enabled) {
    if (QRadioButton* b = item(index)) b->setEnabled(enabled);
}

bool TRadioGroup::itemEnabled(int index) const {
    const QRadioButton* b = item(index);
    return b && b->isEnabled();
}

TAnimationLabel::TAnimationLabel(QWidget* parent) : QLabel(parent) {
    timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] {
        if (frames.isEmpty()) return;
        int next = current + 1;
        if (next >= frames.size()) next = 0;
        showFrame(next);
        if (stopAt > 0 && current == stopAt) timer->stop();
    });
}

void TAnimationLabel::setAnimation(const QString& name) {
    frames = builtinAnimation(name);
    current = 0;
    showFrame(0);
}

void TAnimationLabel::showFrame(int f) {
    if (frames.isEmpty()) return;
    current = std::clamp(f, 0, static_cast<int>(frames.size()) - 1);
    setPixmap(QPixmap::fromImage(frames[current]));
}

void TAnimationLabel::play(int stopFrame, int intervalMs) {
    stopAt = std::min(stopFrame, static_cast<int>(frames.size()) - 1);
    showFrame(0);
    timer->start(intervalMs);
}

void TAnimationLabel::freeze(int f) {
    timer->stop();
    showFrame(f);
}

bool TAnimationLabel::running() const {
    return timer->isActive();
}

} // namespace vantor
