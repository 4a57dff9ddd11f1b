#include "table/form1.h"

#include "assets/builtin_pictures.h"
#include "base/cp1251.h"
#include "base/fields.h"
#include "base/paths.h"
#include "engine/computer.h"
#include "engine/flow.h"
#include "engine/input.h"
#include "engine/legality.h"
#include "engine/round.h"
#include "engine/scoring.h"
#include "i18n/words.h"
#include "media/cues.h"
#include "records/end_of_game.h"
#include "records/history.h"
#include "records/statistics.h"
#include "settings/settings.h"
#include "table/click_effect.h"
#include "table/cursors.h"
#include "table/fonts.h"
#include "table/form_aux.h"
#include "table/form_change_name.h"
#include "table/form_count.h"
#include "table/form_end_game.h"
#include "table/form_history.h"
#include "table/form_options.h"
#include "table/form_password.h"
#include "table/form_speed.h"
#include "table/form_top_ten.h"
#include "table/form_wait.h"
#include "table/picture_control.h"
#include "table/qtext.h"
#include "table/zov_cards_button.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QEventLoop>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <cstdlib>

namespace vantor {
namespace fs = std::filesystem;

bool instantMode() {
    const char* v = std::getenv("VANTOR_INSTANT");
    return v && *v && *v != '0';
}

namespace {} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    registerFontSubstitutes();
    // File names: the home folder holds the settings and the two club files.
    Home = homeFolder();
    Club = clubFile(Home, ClubKind::Computer);
    LanClub = clubFile(Home, ClubKind::Lan);

    setWindowTitle(qw(words::GameTitle));
    setFixedSize(kDesignWidth, kDesignHeight);
    move(0, 0);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(pal);
    setMouseTracking(true);

    createControls();
    createLanControls();
    hideTable();
    hideMenu();

    Timer1 = new QTimer(this);
    Timer1->setInterval(20);
    connect(Timer1, &QTimer::timeout, this, [this] { Timer1Timer(); });

    PopupMenu = new QMenu(this);
    QuitAction = PopupMenu->addAction(qw(words::ExitToMenu), this, [this] { QuitClick(); });
    GenCountAction =
        PopupMenu->addAction(qw(words::GeneralScore), this, [this] { GenCountClick(); });
    ChangeNameAction =
        PopupMenu->addAction(qw(words::ToChangeAName), this, [this] { ChangeNameClick(); });
    PopupMenu->addAction(qw(words::Speed), this, [this] { MSpeedClick(); });
    for (QAction* a : {QuitAction, GenCountAction, ChangeNameAction}) a->setEnabled(false);
    Pictures.setNoticeParent(this);

    AskYesNo = [this](const QString& q) {
        return QMessageBox::question(this, qw(words::GameTitle), q) == QMessageBox::Yes;
    };
    ShowMessage = [this](const QString& m) { QMessageBox::warning(this, qw(words::GameTitle), m); };
    RunPasswordDialog = [](TFormPassword& f) { return f.exec() == QDialog::Accepted; };
    CuePlayer = [](std::string_view cue, bool wait) { PlayCue(cue, wait); };
    CardSpeaker = [](const TCardCode& code) { return SpeakCard(code, false); };
    R.mode = TTableMode::Computer;
    configureSeats(R);
}

TForm1::~TForm1() = default;

void TForm1::createControls() {
    auto picture = [this] { return new TPictureControl(this); };
    for (int s = 1; s <= kSeats; ++s) {
        ImageCards[s] = picture();
        ImageSay[s] = picture();
        ImageHand[s] = picture();
        ImageCards[s]->OnMouseDown = [this, s](QMouseEvent* e) {
            HandClick(s, static_cast<int>(e->position().x()), e->button() == Qt::RightButton);
        };
    }
    ImageCards[kLocalSeat]->OnMouseMove = [this](QMouseEvent* e) {
        updateHandCursor(static_cast<int>(e->position().x()));
    };
    ImageStol = picture();
    ImageKon = picture();
    ImTitle = picture();
    ImCaption = picture();
    ImElite = picture();
    ImClock1 = picture();
    for (auto& p : RxGIFAn) p = picture();
    for (auto& p : ImageSv) p = picture();
    ImCaption->OnMouseDown = [this](QMouseEvent*) {
        Settings.CaptionStyle = Settings.CaptionStyle % 7 + 1;
        ShowMainMenu();
    };

    auto button = [this](const QString& text) {
        auto* b = new TZovCardsButton(text, this);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    Button7 = button(qw(words::ToBegin));
    Button8 = button(qw(words::ExitToMenu));
    connect(Button7, &QPushButton::clicked, this, [this] { Button7Click(); });
    connect(Button8, &QPushButton::clicked, this, [this] { Button8Click(); });
    for (int i = 1; i <= 5; ++i) {
        MemberButtons[i] = button(QString());
        connect(MemberButtons[i], &QPushButton::clicked, this, [this, i] { MemberClick(i); });
    }
    Button6 = button(qw(words::NewPlayer));
    Button9 = button(qw(words::TopTen));
    Button10 = button(qw(words::Options));
    Button11 = button(qw(words::Exit));
    BMode = button(qw(words::Mode));
    BHistory = button(qw(words::History));
    Panel4 = button(QString());
    Panel4->setEnabled(false);
    Panel4->setGrayDis(false);
    connect(Button6, &QPushButton::clicked, this, [this] { Button6Click(); });
    connect(Button11, &QPushButton::clicked, this, [this] { Button11Click(); });
    connect(BMode, &QPushButton::clicked, this, [this] { BModeClick(); });
    connect(Button9, &QPushButton::clicked, this, [this] { Button9Click(); });
    connect(Button10, &QPushButton::clicked, this, [this] { Button10Click(); });
    connect(BHistory, &QPushButton::clicked, this, [this] { BHistoryClick(); });
}

void TForm1::hideTable() {
    for (int s = 1; s <= kSeats; ++s) {
        ImageCards[s]->hide();
        ImageSay[s]->hide();
        ImageHand[s]->hide();
    }
    ImageStol->hide();
    ImageKon->hide();
    Button7->hide();
    Button8->hide();
    hideLanControls();
}

void TForm1::hideMenu() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             ImTitle, ImCaption, ImElite, ImClock1, Button6, Button9, Button10, Button11, BMode,
             BHistory, Panel4, RxGIFAn[0], RxGIFAn[1], ImageSv[0], ImageSv[1]})
        w->hide();
    for (int i = 1; i <= 5; ++i) MemberButtons[i]->hide();
}

// ---------------------------------------------------------------- start-up

void TForm1::showEvent(QShowEvent*) {
    if (fFirstPaintDone) return;
    fFirstPaintDone = true;
    QTimer::singleShot(0, this, [this] {
        if (!FirstPaint()) {
            fClosingConfirmed = true;
            close();
        }
    });
}

bool TForm1::FirstPaint() {
    const bool firstStart = !fs::exists(Home);
    LoadSettings();
    fSettingsRead = true;
    bindLanguage(&Settings.Language);
    OpeningScreen = true;
    DrawOpeningScreen();
    if (firstStart) {
        std::error_code ec;
        fs::create_directories(Home, ec);
        if (!seedClubFiles(Home)) {
            ShowMessage(qw(words::DiskWriteError));
            return false;
        }
    }
    for (TClubFile* file : {&Club, &LanClub}) {
        const TClubVerify verify = verifyClubFile(*file);
        if (verify.status != ClubStatus::Ok) {
            ShowMessage(qs(clubFailureMessage(verify.status, file->path, wordByEnglish)));
            return false;
        }
        if (verify.unwritable) ShowMessage(qs(clubAttributesWarning(file->path, wordByEnglish)));
        if (verify.russian && file == &Club) Settings.Language = TLanguage::Russian;
    }
    setWindowTitle(qw(words::GameTitle));
    applyCursors(this);
    Timer1->start(20);
    return true;
}

void TForm1::LeaveOpeningScreen() {
    if (!OpeningScreen) return;
    Timer1->stop();
    OpeningScreen = false;
    ApplyWindowSize();
    Timer1->start(20);
    MenuShown = true;
}

void TForm1::ApplyWindowSize() {
    QSize screen(1920, 1080);
    if (const QScreen* sc = QGuiApplication::primaryScreen())
        screen = sc->availableGeometry().size();
    const int size = Settings.WindowSize >= 1 && Settings.WindowSize <= 5 ? Settings.WindowSize : 1;
    const TSize client = clientSizeOf(size, {screen.width(), screen.height() - 40});
    Scale = scaleOf(size, client);
    setFixedSize(client.width, client.height);
    if (size != 2 && QGuiApplication::primaryScreen())
        move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
    Pictures.setWindow(size, QSize(client.width, client.height), Scale.k);
    reloadBackground();
    Pictures.LoadFaceSet();
    Card = {Pictures.cardSize().width(), Pictures.cardSize().height(), Pictures.drawingMode()};
    ShowMainMenu();
}

void TForm1::reloadBackground() {
    Pictures.LoadBackground(Settings.MenuDesign == 1);
    QImage picture = Pictures.background();
    if (picture.isNull()) picture = builtinPicture(Scale.k < 1.3 ? "FonG" : "FonGB");
    fBackground = picture.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    update();
}

void TForm1::drawBackgroundUnder(QImage& image, const QRect& where) {
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.drawImage(-where.left(), -where.top(), fBackground);
}

void TForm1::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (OpeningScreen) {
        if (!fOpening.isNull())
            p.drawImage(0, 0, fOpening);
        else
            p.fillRect(rect(), Qt::black);
        return;
    }
    if (!fBackground.isNull()) p.drawImage(0, 0, fBackground);
}

void TForm1::mousePressEvent(QMouseEvent* e) {
    if (OpeningScreen && e->button() == Qt::LeftButton) LeaveOpeningScreen();
}

void TForm1::keyReleaseEvent(QKeyEvent*) {
    if (OpeningScreen) LeaveOpeningScreen();
}

void TForm1::contextMenuEvent(QContextMenuEvent* e) {
    if (OpeningScreen) return;
    QuitAction->setEnabled(R.gameRunning || lanWaitingTable());
    GenCountAction->setEnabled(R.gameRunning);
    ChangeNameAction->setEnabled(R.gameRunning && R.mode == TTableMode::Computer);
    PopupMenu->popup(e->globalPos());
}

void TForm1::Timer1Timer() {
    ++fTicks;
    if (OpeningScreen) DrawOpeningScreen();
    if (MenuShown) {
        AnimateMenu();
        lanMenuTick();
    }
    if (!R.gameRunning || R.mode == TTableMode::Tournament || fBusy || IsCueWaiting()) return;
    fBusy = true;
    {
        THoldLan hold(*this);
        tick(R, *this);
    }
    fBusy = false;
}

// ---------------------------------------------------------------- the menu

void TForm1::MemberClick(int slot) {
    if (fBusy || R.gameRunning) return;
    const TClubRead read = readClubFile(ClubOfMode().path);
    if (!read.structureOk) return;
    const ChooseAction action = chooseMember(read.lines[slot], slot, false, Settings.LanGame);
    if (action != ChooseAction::OpenLogin) return;
    playCue("WOpenFo", false);
    TCurrentPlayer chosen;
    TFormPassword form(TFormPassword::TMode::Login, slot, ClubOfMode(), chosen, this,
                       Settings.LanGame ? lanSetup() : nullptr);
    if (!RunPasswordDialog(form)) return;
    Player = chosen;
    Player.slot = slot;
    NewGame();
}

void TForm1::Button6Click() {
    if (fBusy || R.gameRunning) return;
    playCue("WOpenFo", false);
    TCurrentPlayer chosen;
    TFormPassword form(TFormPassword::TMode::NewPlayer, kSlotNewPlayer, ClubOfMode(), chosen, this,
                       Settings.LanGame ? lanSetup() : nullptr);
    if (!RunPasswordDialog(form)) return;
    Player = chosen;
    Player.slot = kSlotNewPlayer;
    NewGame();
}

void TForm1::BModeClick() {
    playCue("WOpenFo", false);
    Settings.ClubListMode = Settings.ClubListMode == 1 ? 2 : 1;
    fillClubList();
}

void TForm1::Button11Click() {
    playCue("WOpenFo", false);
    close();
}

// ---------------------------------------------------------------- the game

void TForm1::NewGame() {
    if (Settings.LanGame) {
        NewLanGame();
        return;
    }
    const ClubStatus start = loadGameStart(Club, Player);
    if (start != ClubStatus::Ok) {
        ShowMessage(qs(clubFailureMessage(start, Club.path, wordByEnglish)));
        return;
    }
    MenuShown = false;
    Timer1->stop();
    hideMenu();
    R = TGameRecord();
    R.mode = TTableMode::Computer;
    R.RoundsPerGame = Settings.Duration;
    R.NoJokers = Settings.NoJokers;
    R.QuickGame = Settings.QuickGame;
    configureSeats(R);
    LayoutTable();
    TNewGame game;
    game.freshPlayer = Player.slot == kSlotNewPlayer;
    game.storedGameNumber = static_cast<std::int32_t>(gamesBefore(Player));
    game.carriedScore = static_cast<std::int32_t>(initialScore(Player));
    game.localName = cp1251ToUtf8(Player.name);
    fResultShown = false;
    startGame(R, *this, fSource, game);
    DrawRoundPanel();
    QuitAction->setEnabled(true);
    GenCountAction->setEnabled(true);
    ChangeNameAction->setEnabled(true);
}

void TForm1::Button7Click() {
    if (fBusy || !Button7->isEnabled()) return;
    if (Settings.SaluteButtons) ClickEffect(this);
    fBusy = true;
    {
        THoldLan hold(*this);
        if (R.turn == tsRoundOver) fResultShown = false;
        pressButton7(R, *this, fSource);
        if (R.RoundPhase == 1) DrawRoundPanel();
    }
    refreshTableButtons();
    fBusy = false;
}

void TForm1::Button8Click() {
    if (fBusy || !Button8->isEnabled()) return;
    if (Settings.SaluteButtons) ClickEffect(this);
    fBusy = true;
    TButtonOutcome outcome;
    {
        THoldLan hold(*this);
        outcome = pressButton8(R, *this);
    }
    fBusy = false;
    if (outcome == TButtonOutcome::ExitToMenu) endGame();
}

void TForm1::refreshTableButtons() {
    // Buttons that follow the local player's choices: play and pass while the local seat moves,
    // "Ok" while it chooses its gifts.
    if (R.turn == kLocalSeat && R.RoundPhase == 2 && seatsWithCards(R) > 1) {
        Button7->setEnabled(mayPlaySelection(R));
        Button8->setEnabled(mayPass(R));
    } else if (R.turn == tsVantorChoosing || R.turn == tsViceChoosing) {
        Button7->setEnabled(giftsComplete(R));
        Button8->setEnabled(false);
    }
}

void TForm1::HandClick(int seat, int x, bool rightButton) {
    if (!R.gameRunning || fBusy) return;
    const int count = R.hand[seat].count;
    const int slot = cardAt(HandLeft[seat], count, Card.width, x);
    if (slot == 0) return;
    if (rightButton) {
        if (seat == kLocalSeat || R.turn == tsRoundOver)
            if (CardSpeaker) CardSpeaker(R.hand[seat].code[slot]);
        return;
    }
    if (seat != kLocalSeat || R.RoundPhase != 2) return;
    TClickResult result = TClickResult::Ignored;
    switch (R.turn) {
    case kLocalSeat:
        result = clickToPlay(R, slot);
        break;
    case tsVantorChoosing:
        result = clickVantorGift(R, slot);
        break;
    case tsViceChoosing:
        result = clickViceGift(R, slot);
        break;
    default:
        return;
    }
    if (const char* cue = clickCue(result)) playCue(cue, false);
    if (Settings.SaluteCards &&
        (result == TClickResult::Selected || result == TClickResult::Deselected))
        ClickEffect(this);
    DrawHand(kLocalSeat, true);
    updateHandCursor(x);
    refreshTableButtons();
}

void TForm1::updateHandCursor(int x) {
    const int slot = cardAt(HandLeft[kLocalSeat], R.hand[kLocalSeat].count, Card.width, x);
    const bool take = R.gameRunning && R.RoundPhase == 2 && slot != 0 && clickWouldTake(R, slot);
    ImageCards[kLocalSeat]->setCursor(programCursor(take ? TCursorKind::Hand : TCursorKind::Arrow));
}

void TForm1::endGame() {
    for (int s = 1; s <= kSeats; ++s) ImageHand[s]->hide();
    TEndOfGameInput input;
    input.mode = R.mode == TTableMode::Lan ? StatsMode::Lan : StatsMode::Computer;
    input.gameResult = R.GameResult;
    input.gameNumber = R.GameNumber;
    input.carriedScore = R.CarriedScore;
    for (int s = 1; s <= kSeats; ++s) input.seatNames[s] = utf8ToCp1251(R.seatName[s]);
    TExitToMenuSide side;
    side.playCue = [this](std::string_view cue) { playCue(cue, false); };
    side.showMenu = [this] { backToMenu(); };
    side.closeLan = [this] { closeLan(); };
    side.parent = this;
    ExitToMenu(input, Player, clubOfGame(), Home, side);
    if (!MenuShown) backToMenu();
}

void TForm1::backToMenu() {
    R.gameRunning = false;
    hideTable();
    Timer1->setInterval(20);
    for (QAction* a : {QuitAction, GenCountAction, ChangeNameAction}) a->setEnabled(false);
    ShowMainMenu();
    Timer1->start();
    MenuShown = true;
}

bool TForm1::leaveGameAsked(const QString& question) {
    playCue("WOpenFo", false);
    return AskYesNo(question);
}

void TForm1::QuitClick() {
    if (OpeningScreen || MenuShown || (!R.gameRunning && !lanWaitingTable())) return;
    const QString q = qw(words::WantToLeaveToMenu) + "\n\r" + qw(words::AllDataWillBeLost);
    if (!leaveGameAsked(q)) return;
    // An abandoned game costs the member's line; a joiner still waiting for its first deal has
    // not begun one.
    if (R.gameRunning) leaveGame(clubOfGame(), Player);
    closeLan();
    for (int s = 1; s <= kSeats; ++s) ImageHand[s]->hide();
    backToMenu();
}

void TForm1::Button9Click() {
    ShowTopTen(
        Home, Settings.LanGame, [this](std::string_view cue) { playCue(cue, false); }, this);
}

void TForm1::BHistoryClick() {
    ShowHistory(
        Home, [this](std::string_view cue) { playCue(cue, false); }, this);
}

void TForm1::Button10Click() {
    playCue("WOpenFo", false);
    TOptionsHost host;
    host.screenSize = [] {
        const QScreen* sc = QGuiApplication::primaryScreen();
        return sc ? sc->size() : QSize(1920, 1080);
    };
    host.applyWindowSize = [this] { ApplyWindowSize(); };
    host.loadFaceSet = [this] {
        const bool ok = Pictures.LoadFaceSet();
        Card = {Pictures.cardSize().width(), Pictures.cardSize().height(), Pictures.drawingMode()};
        return ok;
    };
    host.loadBackSet = [this] { return Pictures.LoadBackSet(); };
    host.loadBackground = [this](bool purple) {
        const bool ok = Pictures.LoadBackground(purple);
        reloadBackground();
        return ok;
    };
    host.redrawMenu = [this](bool) { ShowMainMenu(); };
    host.applyLanguage = [this] {
        setWindowTitle(qw(words::GameTitle));
        ShowMainMenu();
    };
    host.applyFonts = [this] { ShowMainMenu(); };
    host.playCue = [this](std::string_view cue) { playCue(cue, false); };
    host.applyCursors = [this] { applyCursors(this); };
    host.clickEffect = [this] {
        if (Settings.SaluteButtons) ClickEffect(this);
    };
    host.openSpeedWindow = [this] { MSpeedClick(); };
    host.modeChanged = [this] { ShowMainMenu(); };
    host.facePicture = [](const QString& name) { return builtinPicture(name); };
    TFormOptions form(host, this);
    modalRunner()(form);
    ShowMainMenu();
}

void TForm1::GenCountClick() {
    if (!R.gameRunning) return;
    TCountInput input;
    input.mode = R.mode == TTableMode::Lan ? StatsMode::Lan : StatsMode::Computer;
    input.gameNumber = R.GameNumber;
    input.initialScore = R.CarriedScore;
    input.result = R.GameResult;
    input.initialRating = Player.rating;
    ShowGameInformation(
        input, qs(R.seatName[kLocalSeat]), TAccountLamp::None,
        [this](std::string_view cue) { playCue(cue, false); }, this);
}

void TForm1::ChangeNameClick() {
    if (!R.gameRunning || R.mode != TTableMode::Computer) return;
    TChangeNameSide side;
    side.playCue = [this](std::string_view cue) { playCue(cue, false); };
    side.writeSeatName = [this](const QString& name) {
        R.seatName[kLocalSeat] = name.trimmed().toStdString();
        if (fSaid[kLocalSeat].first.isEmpty() || fSaid[kLocalSeat].second == 'y')
            say(kLocalSeat, TSaying::Name, TBubble::Yellow);
    };
    side.parent = this;
    ChangeName(Player, Club, side);
}

void TForm1::MSpeedClick() {
    TFormSpeed form(this);
    form.exec();
}

void TForm1::closeEvent(QCloseEvent* e) {
    if (R.gameRunning && !fClosingConfirmed) {
        const QString q = qw(words::WantToLeaveGame) + " " + qw(words::AllDataWillBeLost);
        if (!leaveGameAsked(q)) {
            e->ignore();
            return;
        }
        leaveGame(clubOfGame(), Player);
    }
    closeLan();
    Timer1->stop();
    if (fSettingsRead) {
        const TSaveResult saved = SaveSettings();
        if (saved.status == TSaveStatus::Failed && ShowMessage) ShowMessage(qs(saved.message));
    }
    e->accept();
}

// ---------------------------------------------------------------- the engine's view

void TForm1::drawHand(int seat) {
    DrawHand(seat, R.faceUp[seat] || lanHandsRevealed());
}
void TForm1::drawTable() {
    DrawTable();
}

void TForm1::say(int seat, TSaying saying, TBubble bubble) {
    static constexpr char colours[] = {'y', 'r', 'b', 'o', 'g'};
    Say(seat, sayingText(seat, saying), colours[static_cast<int>(bubble)]);
}

QString TForm1::sayingText(int seat, TSaying saying) const {
    switch (saying) {
    case TSaying::Name:
        return qs(R.seatName[seat]);
    case TSaying::NameAndPoints:
        return qs(R.seatName[seat]) + ": " + QString::number(R.GamePoints[seat]);
    case TSaying::Go:
        return qw(words::IGo);
    case TSaying::Pass:
        return qw(words::Pass);
    case TSaying::Vantor:
        return qw(words::Vantor);
    case TSaying::ViceVantor:
        return qw(words::ViceVantor);
    case TSaying::Minister:
        return qw(words::Minister);
    case TSaying::Citizen:
        return qw(words::Citizen);
    }
    return {};
}

void TForm1::pointTurn(int seat) {
    PointTurn(seat);
}

void TForm1::flyCard(const TFlight& f) {
    if (!f.always && !Settings.FlyCardsOn) return;
    QPoint from, to;
    if (f.offTable) {
        from = cardPlaceOnTable(f.fromSlot);
        to = QPoint(-Card.width - 1, from.y());
    } else if (f.toSeat == 0) {
        to = cardPlaceOnTable(f.toSlot);
        const QRect hand = ImageCards[f.fromSeat]->geometry();
        if (f.fromSeat == kLocalSeat) {
            from = cardPlaceInHand(f.fromSeat, f.fromSlot, f.fromCount);
            from.setY(hand.top());
        } else {
            from = QPoint(static_cast<int>(hand.left() + hand.width() / 2.0 - Card.width / 2.0),
                          hand.top());
        }
    } else {
        from = cardPlaceInHand(f.fromSeat, f.fromSlot, f.fromCount);
        to = cardPlaceInHand(f.toSeat, f.toSlot, f.toCount);
    }
    FlyCard(from.x(), from.y(), to.x(), to.y(), f.code, f.faceUp, true);
}

QPoint TForm1::cardPlaceOnTable(int k) const {
    const QRect table = ImageStol->geometry();
    return {table.left() + tablePlaceX(Scale, k), table.top()};
}

QPoint TForm1::cardPlaceInHand(int seat, int slot, int count) const {
    const QRect hand = ImageCards[seat]->geometry();
    const auto left = LayoutHandX(hand.width(), count, Card.width);
    const int s = slot >= 1 && slot <= 36 ? slot : 1;
    return {hand.left() + left[s],
            hand.top() + handBaseTop(Scale, seat) +
                R.lift[seat][std::min(s, kSlots)] * Scale.ScaleK(15) / kLiftUnits};
}

void TForm1::playCue(std::string_view name, bool wait) {
    if (CuePlayer) CuePlayer(name, wait);
}

void TForm1::pause(int milliseconds) {
    if (instantMode() || milliseconds <= 0) return;
    // The window stays painted; no tick, click or socket event runs in the middle of the move.
    const bool ticking = Timer1->isActive();
    Timer1->stop();
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (ticking) Timer1->start();
}

void TForm1::beep() {
    QApplication::beep();
}

void TForm1::setButton(int which, TButtonCaption caption, bool enabled) {
    TZovCardsButton* b = which == 7 ? Button7 : Button8;
    switch (caption) {
    case TButtonCaption::ToBegin:
        b->setText(qw(words::ToBegin));
        break;
    case TButtonCaption::Ok:
        b->setText("Ok");
        break; // this caption is not translated
    case TButtonCaption::Pass:
        b->setText(qw(words::Pass));
        break;
    case TButtonCaption::NextRound:
        b->setText(qw(words::NextRound));
        break;
    case TButtonCaption::ExitToMenu:
        b->setText(qw(words::ExitToMenu));
        break;
    }
    b->setEnabled(enabled);
    b->show();
}

void TForm1::enableButton(int which, bool enabled) {
    (which == 7 ? Button7 : Button8)->setEnabled(enabled);
}

void TForm1::showPoints(int seat) {
    fPointsHint[seat] = "$: " + QString::number(R.GamePoints[seat]);
    ImageSay[seat]->setToolTip(fPointsHint[seat]);
}

void TForm1::showResult() {
    fResultShown = true;
    DrawResultPanel();
}

void TForm1::runTick(bool running) {
    Timer1->setInterval(instantMode() ? 1 : 200);
    if (running) {
        Timer1->start();
    } else {
        Timer1->stop();
    }
}

} // namespace vantor
