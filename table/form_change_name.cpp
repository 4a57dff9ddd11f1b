#include "table/form_change_name.h"

#include "base/fields.h"
#include "i18n/words.h"

#include <QLabel>
#include <QLineEdit>

namespace vantor {

namespace {
constexpr int kWidth = 380;
}

TFormChangeName::TFormChangeName(QWidget* parent)
    : TAuxWindow(QStringLiteral("Password"), words::Welcome, parent) {
    setWindowTitle(wordText(words::Welcome));
    layoutHeader(kWidth);
    int y = contentTop();
    const QFont font = slotFont("decor", 11, true);
    auto row = [&](QLabel*& label, QLineEdit*& edit, const WordEntry& caption) {
        label = new QLabel(wordText(caption), this);
        label->setFont(font);
        label->setGeometry(16, y, kWidth - 32, 22);
        edit = new QLineEdit(this);
        edit->setGeometry(16, y + 24, kWidth - 32, 26);
        connect(edit, &QLineEdit::returnPressed, this, [this] { Button1Click(); });
        y += 58;
    };
    row(Label1, Edit1, words::EnterYourName);
    row(Label2, Edit2, words::EnterYourPassword);
    row(Label3, Edit3, words::OnceAgainForCheck);
    Edit1->setMaxLength(static_cast<int>(kNameLength));
    for (QLineEdit* e : {Edit2, Edit3}) {
        e->setMaxLength(static_cast<int>(kPasswordLength));
        e->setEchoMode(QLineEdit::Password);
    }
    Label4 = new QLabel(this);
    Label4->setGeometry(16, y, kWidth - 32, 22);
    Label4->setFont(font);
    Label4->setStyleSheet(QStringLiteral("color: #C00000"));
    Label4->hide();
    y += 28;
    Button1 = new TZovCardsButton(wordText(words::Ok), this);
    Button1->setGeometry(16, y, 160, 30);
    Button2 = new TZovCardsButton(wordText(words::Cancel), this);
    Button2->setGeometry(kWidth - 176, y, 160, 30);
    for (TZovCardsButton* b : {Button1, Button2}) styleButton(b);
    Button1->setDefault(true);
    Button1->setButtonStyle(true);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    setFixedSize(kWidth, y + 42);
    // New-player mode: the last name typed here, all fields enabled, passwords empty.
    Edit1->setText(
        fromCp1251(newPlayerStartName(toCp1251(QString::fromStdString(Settings.PlayerName)))));
    Edit1->setFocus();
}

void TFormChangeName::Button1Click() {
    TCurrentPlayer trial;
    const std::string name(trim(toCp1251(Edit1->text())));
    const PlayerCheck check =
        checkNewPlayer(name, toCp1251(Edit2->text()), toCp1251(Edit3->text()), trial);
    if (check != PlayerCheck::Ok) {
        Label4->setText(QString::fromStdString(wordByEnglish(playerCheckMessage(check))));
        Label4->show();
        if (check == PlayerCheck::PasswordsDiffer) Edit2->setFocus();
        return;
    }
    checked = trial;
    Settings.PlayerName = Edit1->text().trimmed().toStdString();
    accept();
}

TChangeNameResult ChangeName(TCurrentPlayer& player, TClubFile& computerClub,
                             const TChangeNameSide& side) {
    // The player window would make this a new player; the slot and the counters stay.
    const TCurrentPlayer before = player;
    if (side.playCue) side.playCue("WOpenFo");
    TFormChangeName form(side.parent);
    if (runModal(form) != QDialog::Accepted) {
        player = before;
        return TChangeNameResult::Cancelled;
    }
    const TStoreOutcome outcome =
        changeName(computerClub, player, form.acceptedName(), form.acceptedPassword());
    if (outcome.status != ClubStatus::Ok && outcome.status != ClubStatus::Unwritable) {
        const QString message = QString::fromStdString(
            clubFailureMessage(outcome.status, computerClub.path,
                               [](std::string_view e) { return wordByEnglish(e); }));
        showNotice(message, QString(), side.parent);
        player = before;
        return TChangeNameResult::FileProblem;
    }
    const QString newName = fromCp1251(player.name);
    const QStringList lines = wordText(words::NameChanged).split(QStringLiteral("\n\r"));
    showNotice(lines.value(0), lines.value(1) + newName, side.parent);
    if (side.writeSeatName) side.writeSeatName(newName.trimmed());
    return TChangeNameResult::Changed;
}

} // namespace vantor
