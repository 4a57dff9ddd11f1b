// The main window at a LAN table: the session and its sockets, the login window's LAN side and
// the waiting window, the chat line and the four-line memo, the secret hand display, the lost
// player, and the club file "Vantor4.net".
#include "assets/builtin_pictures.h"
#include "base/cp1251.h"
#include "base/fields.h"
#include "base/rounding.h"
#include "engine/flow.h"
#include "i18n/words.h"
#include "lan/net/socket_transport.h"
#include "lan/session.h"
#include "records/player.h"
#include "settings/settings.h"
#include "table/qtext.h"
#include "table/fonts.h"
#include "table/form1.h"
#include "table/form_aux.h"
#include "table/form_password.h"
#include "table/form_wait.h"
#include "table/picture_control.h"
#include "table/zov_cards_button.h"

#include <QAction>
#include <QDebug>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

namespace vantor {
namespace {
QRect qrect(const TRect& r) {
    return {r.left, r.top, r.width, r.height};
}

TNewGame newGameOf(const TCurrentPlayer& player) {
    TNewGame game;
    game.freshPlayer = player.slot == kSlotNewPlayer;
    game.storedGameNumber = static_cast<std::int32_t>(gamesBefore(player));
    game.carriedScore = static_cast<std::int32_t>(initialScore(player));
    game.localName = std::string(trimRight(cp1251ToUtf8(player.name)));
    return game;
}
} // namespace

// The LAN side of the main window: it owns the sockets and the session and hears the session's
// reports.
class TLanGlue : public lan::TLanEvents, public QObject {
public:
    explicit TLanGlue(TForm1& form) : f(form) {
        setup.wait = f.FormWait;
        setup.host = [this](quint16& port, const TCurrentPlayer& player, QString* error) {
            startSession(player);
            session->host();
            if (!transport.listen(port, f.LanListenAddress, error)) {
                session->leave();
                return false;
            }
            port = transport.serverPort();
            return true;
        };
        setup.join = [this](const QString& address, quint16 port, const TCurrentPlayer& player) {
            // The record this copy will play with, as its club line stands now.
            TCurrentPlayer chosen = player;
            TNewGame game;
            if (loadGameStart(f.LanClub, chosen) == ClubStatus::Ok) game = newGameOf(chosen);
            game.localName = std::string(trimRight(cp1251ToUtf8(player.name)));
            f.R = TGameRecord();
            f.R.mode = TTableMode::Lan;
            startSession(player);
            session->join(game);
            transport.connectToHost(address, port);
        };
        f.FormWait->side.noGame = [this] { return session && session->noGameFlag(); };
        f.FormWait->side.cancel = [this] { close(); };
    }

    void startSession(const TCurrentPlayer& player) {
        transport.attach(nullptr);
        transport.shutdown();
        lan::TLanConfig config;
        config.localName = std::string(trimRight(cp1251ToUtf8(player.name)));
        session = std::make_unique<lan::TLanSession>(f.R, f, transport, *this, config);
        session->setTextWidth([this](std::string_view utf8) { return memoWidth(utf8); });
        transport.attach(session.get());
        waitingTable = false;
    }

    void close() {
        if (session) session->leave();
        transport.shutdown();
        waitingTable = false;
    }

    double memoWidth(std::string_view utf8) const {
        const QFontMetrics fm(memoFont());
        const double k = f.Scale.k > 0 ? f.Scale.k : 1.0;
        return fm.horizontalAdvance(qs(utf8)) / k;
    }
    QFont memoFont() const { return slotFontPx("serif", f.Scale.ScaleK(14)); }

    // ---- the session's reports ----
    void joinerSeated(int joiners) override { f.FormWait->JoinerSeated(joiners); }
    void seated(int) override {
        f.openWaitingTable();
        f.FormWait->Seated();
    }
    void tableOpened() override {
        waitingTable = false;
        f.lanTableOpened();
    }
    void chatChanged() override { f.DrawMemo(); }
    void tableLost(lan::TLanLoss) override { f.lanTableLost(); }
    void log(std::string_view line) override {
        if (f.LanLog) {
            f.LanLog(line);
        } else {
            qDebug().noquote() << "LAN:" << qs(line);
        }
    }

    // The chat send button: the characters typed while it has the focus.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == f.BitBtn1 && session) {
            if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
                session->secretFocusChanged();
            } else if (event->type() == QEvent::KeyPress) {
                const QString text = static_cast<QKeyEvent*>(event)->text();
                if (!text.isEmpty() && text.at(0).isPrint())
                    session->secretTyped(text.toStdString());
            }
        }
        return false;
    }

    TForm1& f;
    lan::TLanSocketTransport transport;
    std::unique_ptr<lan::TLanSession> session;
    TLanSetup setup;
    bool waitingTable = false; // a joiner's table waits for the first deal
};

void TForm1::TLanGlueDeleter::operator()(TLanGlue* glue) const {
    glue->transport.attach(nullptr);
    delete glue;
}

TForm1::THoldLan::THoldLan(TForm1& form) : fSession(form.LanSession()) {
    if (fSession) fSession->hold();
}
TForm1::THoldLan::~THoldLan() {
    if (fSession) fSession->release();
}

// ---------------------------------------------------------------- controls

void TForm1::createLanControls() {
    FormWait = new TFormWait(this);
    ImageMemo = new TPictureControl(this);
    Edit1 = new QLineEdit(this);
    Edit1->setMaxLength(40);
    BitBtn1 = new TZovCardsButton(QStringLiteral(">"), this);
    BitBtn1->setFocusPolicy(Qt::StrongFocus);
    BitBtn1->setColorSB(DRed);
    BitBtn1->setFontColor(QColor(Qt::white));
    BitBtn1->setGrayDis(true);
    connect(Edit1, &QLineEdit::returnPressed, this, [this] { BitBtn1Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    fLan.reset(new TLanGlue(*this));
    BitBtn1->installEventFilter(fLan.get());
    hideLanControls();
}

void TForm1::hideLanControls() {
    for (QWidget* w : std::initializer_list<QWidget*>{ImageMemo, Edit1, BitBtn1})
        if (w) w->hide();
}

void TForm1::layoutLanControls() {
    const QRect memo = qrect(memoRect(Scale));
    ImageMemo->setGeometryAndBuffer(memo);
    const int k35 = Scale.ScaleK(35), k20 = Scale.ScaleK(20);
    const int below = memo.top() + memo.height() + Scale.ScaleK(1);
    const int editHeight =
        std::max(k20, QFontMetrics(slotFontPx("conew", Scale.ScaleK(14))).height() + 6);
    Edit1->setFont(slotFontPx("conew", Scale.ScaleK(14)));
    Edit1->setGeometry(memo.left(), below + static_cast<int>(roundHalfEven((k35 - k20) / 2.0)),
                       memo.width() - Scale.ScaleK(36), editHeight);
    BitBtn1->setGeometry(memo.left() + memo.width() - k35, below, k35, k35);
    BitBtn1->setFont(slotFontPx("decor", Scale.ScaleK(18), true));
    Edit1->clear();
    for (QWidget* w : std::initializer_list<QWidget*>{ImageMemo, Edit1, BitBtn1}) {
        w->show();
        w->raise();
    }
    const bool open = LanSession() && LanSession()->chatOpen();
    Edit1->setEnabled(open);
    BitBtn1->setEnabled(open);
    DrawMemo();
}

void TForm1::DrawMemo() {
    if (!ImageMemo || ImageMemo->width() <= 0) return;
    drawBackgroundUnder(ImageMemo->buffer(), ImageMemo->geometry());
    QPainter p(&ImageMemo->buffer());
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (Settings.WindowSize == 1) {
        p.drawImage(0, 0, builtinPicture("RamkaERSm"));
    } else {
        p.drawImage(ImageMemo->rect(), builtinPicture("RamkaERBg"));
    }
    if (const lan::TLanSession* s = LanSession()) {
        p.setFont(fLan->memoFont());
        const auto& lines = s->memo().lines();
        for (int slot = 1; slot <= 4; ++slot) {
            const lan::TMemoLine& line = lines[static_cast<std::size_t>(slot - 1)];
            if (!line.used) continue;
            p.setPen(colourBGR(line.colour));
            const QRect r(Scale.ScaleK(20), Scale.ScaleK(14 * slot + 3),
                          ImageMemo->width() - Scale.ScaleK(20), Scale.ScaleK(16));
            p.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, qs(line.text));
        }
    }
    p.end();
    ImageMemo->showBuffer(false);
}

void TForm1::BitBtn1Click() {
    lan::TLanSession* s = LanSession();
    if (!s || Edit1->text().isEmpty()) return;
    if (s->sendChat(Edit1->text().toStdString())) Edit1->clear();
}

// ---------------------------------------------------------------- the session

lan::TLanSession* TForm1::LanSession() const {
    return fLan ? fLan->session.get() : nullptr;
}
bool TForm1::LanListening() const {
    return fLan && fLan->transport.listening();
}
quint16 TForm1::LanServerPort() const {
    return fLan ? fLan->transport.serverPort() : 0;
}
TLanSetup* TForm1::lanSetup() {
    return &fLan->setup;
}

TClubFile& TForm1::ClubOfMode() {
    return Settings.LanGame ? LanClub : Club;
}
TClubFile& TForm1::clubOfGame() {
    return R.mode == TTableMode::Lan ? LanClub : Club;
}

bool TForm1::lanHandsRevealed() const {
    return R.mode == TTableMode::Lan && LanSession() && LanSession()->handsRevealed();
}
bool TForm1::lanWaitingTable() const {
    return fLan && fLan->waitingTable;
}

void TForm1::send(TOutgoing what, const TCardCode* cards, int count) {
    if (R.mode != TTableMode::Lan) return;
    if (lan::TLanSession* s = LanSession()) s->outgoing(what, cards, count);
}

void TForm1::drawFrames() {
    // A joiner's rounds begin with the host's deal: the round panel follows each one.
    if (R.mode == TTableMode::Lan) DrawRoundPanel();
}

void TForm1::closeLan() {
    if (fLan) fLan->close();
}

void TForm1::lanMenuTick() {
    // Back in the menu, a server that no set-up waits on stops listening.
    if (!LanListening()) return;
    const lan::TLanSession* s = LanSession();
    if (!s || s->connectionState() != 1 || s->role() != 1) fLan->transport.stopListening();
}

// ---------------------------------------------------------------- the table

void TForm1::openWaitingTable() {
    // A joiner was seated: its table opens in waiting form until the host deals.
    fLan->waitingTable = true;
    MenuShown = false;
    Timer1->stop();
    hideMenu();
    fResultShown = false;
    LayoutTable();
    layoutLanControls();
    Button7->hide();
    Button8->hide();
    for (int s = 1; s <= kSeats; ++s) {
        for (TPictureControl* c : {ImageCards[s], ImageSay[s], ImageHand[s]}) {
            drawBackgroundUnder(c->buffer(), c->geometry());
            c->showBuffer(false);
        }
    }
    drawBackgroundUnder(ImageKon->buffer(), ImageKon->geometry());
    ImageKon->showBuffer(false);
    drawBackgroundUnder(ImageStol->buffer(), ImageStol->geometry());
    ImageStol->showBuffer(false);
    const int hostSeat = localSeatOfHostSeat(R.localRole, kLocalSeat);
    TPictureControl* hand = ImageCards[hostSeat];
    {
        QPainter p(&hand->buffer());
        p.setFont(slotFontPx("decor", Scale.ScaleK(18), true));
        p.setPen(QColor(128, 64, 0));
        p.drawText(QRect(0, 0, hand->width(), Card.height), Qt::AlignCenter | Qt::TextWordWrap,
                   qw(words::WaitingForServer));
        p.setPen(QColor(255, 255, 160));
        p.drawText(QRect(-1, -1, hand->width(), Card.height), Qt::AlignCenter | Qt::TextWordWrap,
                   qw(words::WaitingForServer));
    }
    hand->showBuffer(false);
    QuitAction->setEnabled(true);
    GenCountAction->setEnabled(false);
    ChangeNameAction->setEnabled(false);
}

void TForm1::lanTableOpened() {
    DrawRoundPanel();
    layoutLanControls();
    QuitAction->setEnabled(true);
    GenCountAction->setEnabled(true);
    ChangeNameAction->setEnabled(false);
}

void TForm1::NewLanGame() {
    lan::TLanSession* s = LanSession();
    if (!s) return;
    const ClubStatus start = loadGameStart(LanClub, Player);
    if (start != ClubStatus::Ok) {
        closeLan();
        if (!MenuShown) backToMenu();
        ShowMessage(qs(clubFailureMessage(start, LanClub.path, wordByEnglish)));
        return;
    }
    // A joiner's table opened when its seat came; the host's deal starts its game.
    if (s->role() != 1) return;
    MenuShown = false;
    Timer1->stop();
    hideMenu();
    R = TGameRecord();
    R.mode = TTableMode::Lan;
    R.RoundsPerGame = Settings.Duration;
    R.NoJokers = Settings.NoJokers;
    R.QuickGame = Settings.QuickGame;
    LayoutTable();
    fResultShown = false;
    if (!s->openTable(fSource, newGameOf(Player))) {
        closeLan();
        backToMenu();
        return;
    }
    lanTableOpened();
}

void TForm1::lanTableLost() {
    const QString text = qw(words::OneOfPlayer) + " " + qw(words::HasInterruptedGame) + "\n\r" +
                         qw(words::PressOkForMenu);
    Edit1->setEnabled(false);
    BitBtn1->setEnabled(false);
    if (FormWait->isVisible()) {
        // Lost before the game began: the waiting window closes, the login window stays.
        ShowMessage(text);
        FormWait->Abandon();
        if (!lanWaitingTable() && !R.gameRunning) return;
    } else {
        ShowMessage(text);
    }
    fLan->waitingTable = false;
    R.gameRunning = false;
    for (int s = 1; s <= kSeats; ++s) ImageHand[s]->hide();
    backToMenu();
}

} // namespace vantor
