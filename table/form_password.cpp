#include "table/form_password.h"

#include "base/cp1251.h"
#include "base/fields.h"
#include "i18n/words.h"
#include "settings/settings.h"
#include "table/fonts.h"
#include "table/zov_cards_button.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace vantor {
namespace {
QString qs(std::string_view utf8) { return QString::fromUtf8(utf8.data(), static_cast<int>(utf8.size())); }
std::string bytesOf(const QString& text) { return utf8ToCp1251(text.toStdString()); }

QString checkText(PlayerCheck check) {
    switch (check) {
    case PlayerCheck::IncorrectName: return qs(Word(words::IncorrectName));
    case PlayerCheck::PasswordsDiffer: return qs(Word(words::PasswordsDoNotMatch));
    case PlayerCheck::IncorrectPassword: return qs(Word(words::IncorrectPassword));
    case PlayerCheck::FileProblem: return qs(Word(words::TheIncorrectFile));
    default: return {};
    }
}
} // namespace

TFormPassword::TFormPassword(TMode mode, int slot, TClubFile& club, TCurrentPlayer& player,
                             QWidget* parent)
    : QDialog(parent), fMode(mode), fSlot(slot), fClub(club), fPlayer(player) {
    setWindowTitle(qs(Word(words::Welcome)));
    setModal(true);
    auto* grid = new QGridLayout(this);
    const QFont font = slotFontPx("decor", 16);
    auto label = [&](const WordEntry& entry, int row) {
        auto* l = new QLabel(qs(Word(entry)), this);
        l->setFont(font);
        grid->addWidget(l, row, 0);
    };
    label(words::EnterYourName, 0);
    label(words::EnterYourPassword, 1);
    label(words::OnceAgainForCheck, 2);
    Edit1 = new QLineEdit(this);
    Edit1->setMaxLength(static_cast<int>(kNameLength));
    Edit2 = new QLineEdit(this);
    Edit3 = new QLineEdit(this);
    for (QLineEdit* e : {Edit2, Edit3}) {
        e->setMaxLength(static_cast<int>(kPasswordLength));
        e->setEchoMode(QLineEdit::Password);
    }
    for (QLineEdit* e : {Edit1, Edit2, Edit3}) {
        e->setFont(slotFontPx("conew", 16));
        connect(e, &QLineEdit::returnPressed, this, [this] { Button1Click(); });
    }
    grid->addWidget(Edit1, 0, 1);
    grid->addWidget(Edit2, 1, 1);
    grid->addWidget(Edit3, 2, 1);
    Label4 = new QLabel(this);
    Label4->setStyleSheet("color: #c00000");
    Label4->setFont(font);
    Label4->setVisible(false);
    grid->addWidget(Label4, 3, 0, 1, 2);
    Button1 = new TZovCardsButton(qs(Word(words::Ok)), this);
    Button2 = new TZovCardsButton(qs(Word(words::Cancel)), this);
    for (auto* b : {Button1, Button2}) {
        b->setFont(slotFontPx("decor", 18));
        b->setHeightSB(D30);
        b->setMinimumWidth(120);
    }
    grid->addWidget(Button1, 4, 0);
    grid->addWidget(Button2, 4, 1);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    if (mode == TMode::Login) {
        const TClubRead read = readClubFile(club.path);
        const std::string line = slot >= 1 && slot <= kMemberSlots ? read.lines[slot] : std::string();
        Edit1->setText(qs(cp1251ToUtf8(loginNameField(line))));
        Edit1->setEnabled(false);
        Edit3->setEnabled(false);
        Edit2->setFocus();
    } else {
        const std::string last = utf8ToCp1251(Settings.PlayerName);
        Edit1->setText(qs(cp1251ToUtf8(trim(newPlayerStartName(last)))));
        Edit1->setFocus();
    }
}

void TFormPassword::Button1Click() {
    PlayerCheck check;
    if (fMode == TMode::Login) {
        check = checkLogin(fClub, fSlot, bytesOf(Edit1->text()), bytesOf(Edit2->text()), fPlayer);
    } else {
        check = checkNewPlayer(bytesOf(Edit1->text()), bytesOf(Edit2->text()),
                               bytesOf(Edit3->text()), fPlayer);
        if (check == PlayerCheck::Ok) Settings.PlayerName = Edit1->text().trimmed().toStdString();
    }
    if (check == PlayerCheck::Ok) {
        fPlayer.slot = fSlot;
        fPlayer.accepted = true;
        accept();
        return;
    }
    Label4->setText(checkText(check));
    Label4->setVisible(true);
}

} // namespace vantor
