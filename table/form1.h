#pragma once
// TForm1: the main window. It is the opening screen, the main menu and the card table, owns the
// game record for the life of the program and drives the table through the engine's state
// machine. It is the engine's view: it draws what the engine decided.

#include "engine/deal.h"
#include "engine/record.h"
#include "engine/view.h"
#include "records/club.h"
#include "records/player.h"
#include "table/layout.h"
#include "table/pictures.h"

#include <QHostAddress>
#include <QImage>
#include <QTimer>
#include <QWidget>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

class QMenu;
class QAction;
class QLineEdit;

namespace vantor {

namespace lan {
class TLanSession;
}
class TPictureControl;
class TZovCardsButton;
class TFormPassword;
class TFormWait;
class TLanGlue;
struct TLanSetup;

class TForm1 : public QWidget, public TTableView {
public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // ---- start-up and the screens ----
    // Settings, opening screen, both club files, language. False: the program must end (the
    // message has been shown).
    bool FirstPaint();
    void LeaveOpeningScreen();
    void ApplyWindowSize();
    void ShowMainMenu();
    void AnimateMenu();
    void DrawOpeningScreen();
    void Timer1Timer();

    // ---- the menu ----
    void MemberClick(int slot); // Button1..Button5
    void Button6Click();        // New Player
    void BModeClick();
    void Button11Click(); // Exit

    // ---- the table ----
    void NewGame();
    void Button7Click();
    void Button8Click();
    void QuitClick(); // pop-up "Exit to menu"
    void MSpeedClick();
    void GenCountClick();   // pop-up "General score"
    void ChangeNameClick(); // pop-up "To change a name"
    void Button9Click();    // Top Ten
    void Button10Click();   // Options
    void BHistoryClick();
    // A left click on the local hand at x (hand image coordinates); a right click names a card.
    void HandClick(int seat, int x, bool rightButton);

    // ---- drawing ----
    void LayoutTable();
    void DrawHand(int seat, bool open);
    void DrawCard(QImage& image, int x, int y, const TCardCode& code);
    void DrawCardBack(QImage& image, int x, int y);
    void DrawTable();
    void Say(int seat, const QString& text, char colour);
    void PointTurn(int turn);
    void DrawRoundPanel();
    void DrawResultPanel();
    void FlyCard(int x0, int y0, int x1, int y1, const TCardCode& code, bool faceUp,
                 bool restoreAtEnd);

    // ---- the engine's view ----
    void drawHand(int seat) override;
    void drawTable() override;
    void say(int seat, TSaying saying, TBubble bubble) override;
    void pointTurn(int seat) override;
    void flyCard(const TFlight& flight) override;
    void playCue(std::string_view name, bool wait) override;
    void pause(int milliseconds) override;
    void beep() override;
    void setButton(int which, TButtonCaption caption, bool enabled) override;
    void enableButton(int which, bool enabled) override;
    void showPoints(int seat) override;
    void showResult() override;
    void runTick(bool running) override;

    // ---- LAN play (form1_lan.cpp) ----
    void send(TOutgoing what, const TCardCode* cards, int count) override;
    void drawFrames() override;
    // The session of the current LAN set-up or game; null before the first one.
    lan::TLanSession* LanSession() const;
    bool LanListening() const;
    quint16 LanServerPort() const;
    // Sends the chat line (Enter in Edit1 or BitBtn1).
    void BitBtn1Click();
    // The four chat lines on their frame.
    void DrawMemo();
    // The club file the menu works on: "Vantor4.net" while LanGame is on.
    TClubFile& ClubOfMode();
    // Where the LAN host listens; the program listens on every local address.
    QHostAddress LanListenAddress = QHostAddress::Any;
    // Dropped frames and other notes for the developer.
    std::function<void(std::string_view line)> LanLog;
    QLineEdit* Edit1 = nullptr; // the chat line
    TZovCardsButton* BitBtn1 = nullptr;
    TPictureControl* ImageMemo = nullptr;
    TFormWait* FormWait = nullptr;

    // Repeatable deals for tests; the program reseeds from the clock at every shuffle.
    void SetShuffleSeed(std::uint64_t seed) { fSource = TShuffleSource(seed); }

    // ---- state, open to the windows and the tests ----
    TGameRecord R;
    TCurrentPlayer Player;
    TClubFile Club;
    TClubFile LanClub;
    std::filesystem::path Home;
    bool OpeningScreen = true;
    bool Flying = false; // a card is in flight
    bool MenuShown = false;
    TScale Scale;
    TCardSize Card;

    // Hooks for what needs a person: the player window (returns true when accepted), a
    // yes/no question, a message, and the cue player. Tests replace them.
    std::function<bool(TFormPassword&)> RunPasswordDialog;
    std::function<bool(const QString& question)> AskYesNo;
    std::function<void(const QString& message)> ShowMessage;
    std::function<void(std::string_view cue, bool wait)> CuePlayer;
    std::function<bool(const TCardCode& code)> CardSpeaker;

    // Elements, named as the program names them.
    std::array<TPictureControl*, 5> ImageCards{};
    std::array<TPictureControl*, 5> ImageSay{};
    std::array<TPictureControl*, 5> ImageHand{};
    TPictureControl* ImageStol = nullptr;
    TPictureControl* ImageKon = nullptr;
    TPictureControl* ImTitle = nullptr;
    TPictureControl* ImCaption = nullptr;
    TPictureControl* ImElite = nullptr;
    TPictureControl* ImClock1 = nullptr;
    std::array<TPictureControl*, 2> RxGIFAn{};
    std::array<TPictureControl*, 2> ImageSv{};
    TZovCardsButton* Button7 = nullptr;
    TZovCardsButton* Button8 = nullptr;
    std::array<TZovCardsButton*, 6> MemberButtons{}; // Button1..Button5 at 1..5
    TZovCardsButton* Button6 = nullptr;
    TZovCardsButton* Button9 = nullptr;
    TZovCardsButton* Button10 = nullptr;
    TZovCardsButton* Button11 = nullptr;
    TZovCardsButton* BMode = nullptr;
    TZovCardsButton* BHistory = nullptr;
    TZovCardsButton* Panel4 = nullptr;
    QTimer* Timer1 = nullptr;
    QMenu* PopupMenu = nullptr;
    QAction* QuitAction = nullptr;
    QAction* GenCountAction = nullptr;
    QAction* ChangeNameAction = nullptr;
    // Card faces, backs and the background, from the packs or the program's own.
    TPictures Pictures;

    // Left edges of the cards in each hand, as last drawn.
    std::array<std::array<int, 37>, 5> HandLeft{};

protected:
    void paintEvent(QPaintEvent*) override;
    void showEvent(QShowEvent*) override;
    void closeEvent(QCloseEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void keyReleaseEvent(QKeyEvent*) override;
    void contextMenuEvent(QContextMenuEvent*) override;

private:
    friend class TLanGlue;
    // Holds the LAN session while the window runs an engine operation of its own.
    class THoldLan {
    public:
        explicit THoldLan(TForm1& form);
        ~THoldLan();
        THoldLan(const THoldLan&) = delete;
        THoldLan& operator=(const THoldLan&) = delete;

    private:
        lan::TLanSession* fSession;
    };
    void createLanControls();
    void hideLanControls();
    void layoutLanControls();
    void NewLanGame();
    void closeLan();
    void lanMenuTick();
    bool lanHandsRevealed() const;
    bool lanWaitingTable() const;
    TClubFile& clubOfGame();
    TLanSetup* lanSetup();
    void openWaitingTable();
    void lanTableOpened();
    void lanTableLost();
    struct TLanGlueDeleter {
        void operator()(TLanGlue* glue) const;
    };
    std::unique_ptr<TLanGlue, TLanGlueDeleter> fLan;

    void createControls();
    void hideTable();
    void hideMenu();
    void fillClubList();
    void reloadBackground();
    void drawBackgroundUnder(QImage& image, const QRect& where);
    QString sayingText(int seat, TSaying saying) const;
    QPoint cardPlaceOnTable(int k) const;
    QPoint cardPlaceInHand(int seat, int slot, int count) const;
    void updateHandCursor(int x);
    void endGame();
    void backToMenu();
    bool leaveGameAsked(const QString& question);
    void applyButtonDesign(bool menu);
    void refreshTableButtons();

    QImage fBackground;
    QImage fOpening;
    bool fFirstPaintDone = false;
    bool fSettingsRead = false; // only settings that were read are written back
    bool fClosingConfirmed = false;
    bool fBusy = false;
    int fTicks = 0;
    int fFlamePhase = 0;
    int fGifFrame = 0;
    TShuffleSource fSource;
    std::array<std::pair<QString, char>, 5> fSaid{};
    std::array<QString, 5> fPointsHint{};
    bool fResultShown = false;
};

// True when pauses, flights and waiting cues are to take no time (VANTOR_INSTANT=1): tests run
// whole games in milliseconds.
bool instantMode();

} // namespace vantor
