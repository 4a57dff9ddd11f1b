#pragma once
// TFormLink: the small modal notice window. Up to three lines of text; an empty line is not
// shown; the third line is a link, underlined, opened with the desktop's "open" action when
// clicked. An "Ok" button and Esc close it.

#include <QDialog>
#include <QString>
#include <QUrl>
#include <functional>

class QLabel;

namespace vantor {

class TZovCardsButton;

class TFormLink : public QDialog {
public:
    TFormLink(const QString& line1, const QString& line2 = QString(),
              const QString& line3 = QString(), QWidget* parent = nullptr,
              const QString& caption = QStringLiteral("Attention"),
              const QString& okText = QStringLiteral("Ok"));

    // Client width from the widest shown line and the labels' left edge: their sum plus 50
    // when that sum is at least 350, otherwise 400.
    static int clientWidthFor(int widestLine, int labelsLeft);

    // How the third line is opened; tests replace it so no browser starts.
    static std::function<bool(const QUrl&)>& openAction();

    // The URL the third line opens: as written, or taken as a web or file address.
    static QUrl linkTarget(const QString& text);

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    TZovCardsButton* Button1 = nullptr;

    static constexpr int kLabelsLeft = 16;
};

// Shows the notice modally and returns when it is closed.
void ShowNotice(const QString& line1, const QString& line2 = QString(),
                const QString& line3 = QString(), QWidget* parent = nullptr);

} // namespace vantor
