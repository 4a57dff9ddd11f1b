#pragma once
// What every auxiliary window shares: the four window designs (three grey ones with a header
// picture and a red rule, and the purple one drawn from the graphics pack), the texts of the
// word table as Qt strings, and the one place where pictures from the packs come in.

#include "table/fonts.h"
#include "i18n/word.h"
#include "settings/settings.h"
#include "table/zov_cards_button.h"

#include <QDialog>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QList>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QFrame;
class QRadioButton;
class QTimer;
class QWidget;

namespace vantor {

// ---- texts ----

QString wordText(const WordEntry& entry);
// The current language's text of the entry whose English text this is (the records layer names
// its texts in English); the English itself when the table has no such entry.
std::string wordByEnglish(std::string_view english);
QString fromCp1251(std::string_view bytes);
std::string toCp1251(const QString& text);

// A $BBGGRR colour.
QColor colourBGR(std::uint32_t bgr);
inline constexpr std::uint32_t kGoldBGR = 0x32AFC8;
inline constexpr std::uint32_t kPurpleBGR = 0xE20088;


// ---- packs ----

inline const QString kGraphicsPack = QStringLiteral("ZovCGraph1.dll");

// Pictures from the packs: by default a PNG, else a JPEG resource read from the pack beside the
// program or in the folder above it (a null picture when the pack or the picture is missing).
// Tests may put a loader of their own here.
using TPackPictureLoader = std::function<QImage(const QString& packFile, const QString& name)>;
TPackPictureLoader& packPictureLoader();
QImage loadPackPicture(const QString& packFile, const QString& name);

// A pack file beside the program or in the folder above it.
bool packFileFound(const QString& fileName);
using TPackFileProbe = std::function<bool(const QString& fileName)>;
TPackFileProbe& packFileProbe();

// ---- the four designs ----

enum class TAuxLook { Concise = 1, Aristocratic = 2, Ribbons = 3, Purple = 4 };
TAuxLook auxLook(const TSettings& settings = Settings);
inline bool isGrey(TAuxLook look) {
    return look != TAuxLook::Purple;
}

// Base of the auxiliary windows. `namePart` names its pack pictures ("Opt" -> "GFormOpt",
// "GFormOpt" + code, "GIcon48Opt"); `titleWord` is the word of its caption, whose capitals the
// aristocratic header shows and whose English form names the concise header picture.
class TAuxWindow : public QDialog {
public:
    TAuxWindow(const QString& namePart, const WordEntry& titleWord, QWidget* parent);

    // The design graphics loaded when the window was made (null when the pack is missing).
    QImage formBackground, formHeader, formIcon;

    // Loads the design graphics again (after a change of language or design). A missing purple
    // background turns the fourth design off and falls back to the aristocratic one, silently.
    void loadDesignGraphics();

    TAuxLook look() const { return fixedLook ? *fixedLook : auxLook(); }
    // A window that has only the grey look sets it here.
    std::optional<TAuxLook> fixedLook;
    // Height of the header band of the current design (the purple design keeps room for the
    // header its background carries).
    int headerHeight() const;
    // The header and rule of a window `width` wide; what lies below starts at contentTop().
    void layoutHeader(int width);
    int contentTop() const { return headerHeight() + 19; }
    // The header picture of the grey designs (a label at `r`) and the red rule under it; both
    // hidden in the purple design.
    QLabel* makeHeader(const QRect& r);
    QFrame* makeRule(const QRect& r);
    void refreshHeader(const QRect& r, const QRect& rule);
    QImage headerPicture(QSize size) const; // the grey header as drawn

    // Style helpers for the current design.
    void styleButton(TZovCardsButton* button, bool bigFont = true) const;
    void styleLabel(QLabel* label) const;
    QColor textColour() const;
    // Called when the concise header picture is missing (the notice for the graphics pack).
    std::function<void(const QString& packFile)> onMissingPack;

protected:
    void paintEvent(QPaintEvent* event) override;
    // Where the purple design's icon strip frame goes; -1 for none.
    int iconFrame = -1;
    QPoint iconAt{35, 22};

private:
    QString namePart;
    const WordEntry* titleWord;
    QLabel* header = nullptr;
    QFrame* rule = nullptr;
    QImage conciseHeader;
};

// A group of radio buttons with one chosen item, as the options window uses them. `onClick`
// fires when the chosen item changes, by the player or by setItemIndex.
class TRadioGroup : public QGroupBox {
public:
    explicit TRadioGroup(QWidget* parent, bool horizontal = false);
    void setItems(const QStringList& captions); // re-captions when the count stays the same
    int count() const { return static_cast<int>(buttons.size()); }
    QRadioButton* item(int index) const;
    int itemIndex() const;
    void setItemIndex(int index);
    void setItemEnabled(int index, bool enabled);
    bool itemEnabled(int index) const;
    std::function<void(int index)> onClick;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QList<QRadioButton*> buttons;
    bool horizontal;
    void placeButtons();
};

// A picture that plays one of the program's animations: once and stopping on a frame, or in a
// loop; frozen on a frame while animations are switched off.
class TAnimationLabel : public QLabel {
public:
    explicit TAnimationLabel(QWidget* parent);
    void setAnimation(const QString& name);
    void play(int stopFrame, int intervalMs = 60); // stopFrame 0: loop
    void freeze(int frame);
    int frame() const { return current; }
    bool running() const;

private:
    QList<QImage> frames;
    QTimer* timer = nullptr;
    int current = 0;
    int stopAt = 0;
    void showFrame(int f);
};

// How the windows show a short message: the notice window, modal. Tests replace it so that
// nothing waits for a click.
using TNoticeHook =
    std::function<void(const QString& line1, const QString& line2, QWidget* parent)>;
TNoticeHook& noticeHook();
void showNotice(const QString& line1, const QString& line2, QWidget* parent);

// Runs a window modally: exec() unless a test has put its own runner here (it gets the window
// shown and returns the result it chose).
using TModalRunner = std::function<int(QDialog& window)>;
TModalRunner& modalRunner();
int runModal(QDialog& window);

// The missing-pack notice: "Can`t find the file", a blank and the file name.
void showMissingPackNotice(const QString& packFile, QWidget* parent);

} // namespace vantor
