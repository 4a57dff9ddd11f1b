#pragma once
// TFormOptions: the window where the player changes the settings. Every control writes its
// setting the moment it changes and applies it at once; "Ok" and Esc only close the window.
// What only the main window can do (size, pictures, language, fonts, menu) it asks of its host.

#include "table/form_aux.h"

#include <QSize>
#include <QString>
#include <functional>
#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QTabWidget;
class QTimer;
class QWidget;

namespace vantor {

class TAnimationLabel;
class TRadioGroup;

// What the options window asks of the main window. Every member may be left empty.
struct TOptionsHost {
    // The screen the window sizes are offered for.
    std::function<QSize()> screenSize;
    // ApplyWindowSize(): the new WindowSize laid out at once.
    std::function<void()> applyWindowSize;
    // LoadFaceSet() / LoadBackSet(): false when the pack was missing (the setting is then 0 and
    // the loader has shown its notice).
    std::function<bool()> loadFaceSet;
    std::function<bool()> loadBackSet;
    // LoadBackground(purple): false when a pack was missing (the loader has set the fallbacks
    // and shown its notice).
    std::function<bool(bool purple)> loadBackground;
    // The main window's colour follows BackgroundColour.
    std::function<void()> applyWindowColour;
    // The menu background and everything drawn over it redrawn; `rebuild` after a change of
    // menu design.
    std::function<void(bool rebuild)> redrawMenu;
    // ApplyLanguage for the main window, the calendar redrawn.
    std::function<void()> applyLanguage;
    // ApplyFonts(): the font slots changed.
    std::function<void()> applyFonts;
    std::function<void()> applyCursors;
    std::function<void()> clickEffect;
    std::function<void(std::string_view cue)> playCue;
    std::function<void(bool on)> music;
    std::function<void(bool on)> menuAnimations;
    // The NewButtons look pushed to the buttons of the main and waiting windows.
    std::function<void()> refreshButtons;
    // Multiplayer switched: the menu caption and club list for the mode.
    std::function<void()> modeChanged;
    std::function<void()> openSpeedWindow;
    std::function<void()> openPassport; // TFormServerInfo
    std::function<void()> reloadRadioList;
    // The card pictures of the preview, by resource name ("Ch2JB"...); the program's own
    // pictures when empty.
    std::function<QImage(const QString& name)> facePicture;
    // Fetches a pack into the shared folder; false when nothing answered.
    std::function<bool(const QString& fileName)> downloadPack;
};

// The window-size items a screen can hold, as WindowSize values in list order.
std::vector<int> windowSizeItems(QSize screen);
// The hint of a window size: "760 x 500" ... ; empty for full screen.
QString windowSizeHint(int windowSize);

// The pack buttons and the files they fetch.
struct TPackButtonInfo {
    QString caption;
    QString file;
};

class TFormOptions : public TAuxWindow {
public:
    explicit TFormOptions(const TOptionsHost& host, QWidget* parent = nullptr);
    ~TFormOptions() override;

    // Fills every control from the settings (what showing the window does); public for tests.
    void fillFromSettings();
    // Re-captions every control in the current language; selections stay.
    void reCaption();
    // Lays the window out for the auxiliary design.
    void layoutForDesign();
    // Works out the pack buttons' and salute boxes' enabled states again.
    void updatePackButtons();
    // Runs the graphics pack probe; false when it failed (settings fell back, notice shown).
    bool probeGraphicsPack();
    // The preview picture: four cards of the chosen face set.
    QImage previewPicture() const;

    // The tab that was active when the window last closed in this run.
    static int& rememberedTab();

    // Controls, named as the program names them.
    QFrame* Image0 = nullptr;
    QFrame* Panel1 = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QLabel* ImFlag = nullptr;
    TAnimationLabel* RxGIFAn1 = nullptr;
    TZovCardsButton* Button1 = nullptr;
    QTimer* Timer48 = nullptr;
    // 1 General
    QGroupBox* GroupMultimedia = nullptr;
    QCheckBox *CheckBox1 = nullptr, *CheckBox2 = nullptr, *CheckBox3 = nullptr,
              *CheckBox4 = nullptr, *CheckBoxCur = nullptr, *CheckBoxBut = nullptr,
              *CheckBoxNet = nullptr;
    TZovCardsButton *Button3 = nullptr, *Button4 = nullptr;
    QComboBox *ComboBoxWSize = nullptr, *ComboBoxLan = nullptr;
    // 2 Cards
    QLabel* Image1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    // 3 Decks
    QComboBox* ComboBox2 = nullptr;
    TRadioGroup* RadioGroup2 = nullptr;
    // 4 Game
    QGroupBox* GroupBox2 = nullptr;
    QCheckBox *CheckBox5 = nullptr, *CheckBox6 = nullptr;
    TRadioGroup* RadioGroup4 = nullptr;
    // 5 Fonts
    QComboBox *ComboBoxFont = nullptr, *FontComboBox1 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QLabel *LabelScale = nullptr, *LabelFontWarning = nullptr;
    TZovCardsButton* Button2 = nullptr;
    // 6 BG
    QGroupBox* GroupBG = nullptr;
    QComboBox *ComboBoxBG1 = nullptr, *ComboBoxBG2 = nullptr;
    // 7 Save games
    QGroupBox* GroupSG = nullptr;
    QCheckBox* CheckBoxSG1 = nullptr;
    QComboBox* ComboBoxSG1 = nullptr;
    QLabel* LabelSG = nullptr;
    QSpinBox* SpinEditSG1 = nullptr;
    // 8 DLL
    TRadioGroup* RGRadio = nullptr;
    // 9 Design
    QGroupBox *GroupD1 = nullptr, *GroupD2 = nullptr, *GroupD3 = nullptr, *GroupSalute = nullptr;
    QComboBox *ComboBoxD1 = nullptr, *ComboBoxD2 = nullptr, *ComboBoxD3 = nullptr;
    QCheckBox *CheckBoxD1 = nullptr, *CheckBoxD2 = nullptr;
    // Every pack button of tabs 2, 3, 6, 8 and 9 with its file.
    std::vector<std::pair<TZovCardsButton*, QString>> packButtons;

protected:
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    TOptionsHost host;
    bool filling = false;
    int iconTick = 0;
    std::vector<QWidget*> tabPages;

    void build();
    QWidget* addTab(const QString& caption);
    TZovCardsButton* packButton(QWidget* page, const QString& caption, const QString& file);
    void fillWindowSizeList();
    void fillLanguageList();
    void fillFaceList();
    void fillBackList();
    void showFontSlot();
    void syncBackGroup();
    void syncBackgroundEnabled();
    void syncSaveGames();
    void syncDesignLists();
    void redrawPreview();
    void updateFlag();
    void updateSpeedCaption();
    void restyle();
    void updateTabRows();
    void fitCaptions();
    void downloadPack(const QString& file);

    // Handlers.
    void WindowSizeChange(int index);
    void LanguageChange(int index);
    void FaceChange(int index);
    void BackChange(int index);
    void BackGroupClick(int item);
    void FontSlotChange(int index);
    void FontNameChange(const QString& name);
    void ScaleChange(int value);
    void DefaultClick();
    void BackgroundChange();
    void BackgroundColourChange();
    void MenuDesignChange(int index);
    void TableDesignChange(int index);
    void AuxDesignChange(int index);
    void Timer48Timer();
};

} // namespace vantor
