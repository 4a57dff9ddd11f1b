#include "table/form_link.h"

#include "table/zov_cards_button.h"

#include <QDesktopServices>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>

namespace vantor {

namespace {

class TLinkLabel : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* e) override {
        if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()) && onClick)
            onClick();
        QLabel::mouseReleaseEvent(e);
    }
};

QFont noticeFont() {
    static const bool substituted = [] {
        QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
        return true;
    }();
    (void)substituted;
    QFont f(QStringLiteral("Comic Sans MS"));
    f.setPixelSize(20);
    f.setBold(true);
    return f;
}

} // namespace

std::function<bool(const QUrl&)>& TFormLink::openAction() {
    static std::function<bool(const QUrl&)> action = [](const QUrl& url) {
        return QDesktopServices::openUrl(url);
    };
    return action;
}

QUrl TFormLink::linkTarget(const QString& text) {
    return QUrl::fromUserInput(text.trimmed());
}

int TFormLink::clientWidthFor(int widestLine, int labelsLeft) {
    const int sum = widestLine + labelsLeft;
    return sum >= 350 ? sum + 50 : 400;
}

TFormLink::TFormLink(const QString& line1, const QString& line2, const QString& line3,
                     QWidget* parent, const QString& caption, const QString& okText)
    : QDialog(parent) {
    setWindowTitle(caption);
    setModal(true);
    const QFont font = noticeFont();
    const QFontMetrics fm(font);
    const QString lines[3] = {line1, line2, line3};
    QLabel** labels[3] = {&Label1, &Label2, &Label3};
    int widest = 0;
    int top = 14;
    for (int i = 0; i < 3; ++i) {
        QLabel* label = i == 2 ? new TLinkLabel(this) : new QLabel(this);
        *labels[i] = label;
        QFont f = font;
        if (i == 2) f.setUnderline(true);
        label->setFont(f);
        label->setText(lines[i]);
        label->setTextFormat(Qt::PlainText);
        if (lines[i].isEmpty()) {
            label->hide();
            continue;
        }
        const int w = QFontMetrics(f).horizontalAdvance(lines[i]);
        widest = std::max(widest, w);
        label->setGeometry(kLabelsLeft, top, w + 4, fm.height() + 2);
        top += fm.height() + 8;
    }
    auto* link = static_cast<TLinkLabel*>(Label3);
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet(QStringLiteral("color: #0000C0"));
    link->onClick = [this] {
        const QUrl url = linkTarget(Label3->text());
        if (url.isValid()) openAction()(url);
    };
    const int clientWidth = clientWidthFor(widest, kLabelsLeft);
    Button1 = new TZovCardsButton(okText, this);
    Button1->setGeometry(5, top + 6, clientWidth - 10, 30);
    Button1->setFontColor(Qt::white);
    QFont bf = noticeFont();
    Button1->setFont(bf);
    Button1->setDefault(true);
    Button1->setButtonStyle(true);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(clientWidth, top + 6 + 30 + 10);
}

void ShowNotice(const QString& line1, const QString& line2, const QString& line3, QWidget* parent) {
    TFormLink form(line1, line2, line3, parent);
    form.exec();
}

} // namespace vantor
