#include "app.h"
#include "table/form_link.h"
#include "table/zov_cards_button.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <gtest/gtest.h>

using namespace vantor;

TEST(FormLink, WidthRule) {
    struct TCase {
        int widest, left, width;
    };
    const TCase cases[] = {
        {0, 16, 400},   {300, 16, 400}, {333, 16, 400}, // sums below 350: 400
        {334, 16, 400},                                 // 350 + 50
        {335, 16, 401}, {600, 16, 666}, {350, 0, 400},  {349, 0, 400},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(TFormLink::clientWidthFor(c.widest, c.left), c.width)
            << c.widest << "+" << c.left;
}

TEST(FormLink, WindowFollowsItsLines) {
    testApp();
    TFormLink shortNotice("Can`t find the file ZovCards06B.dll");
    EXPECT_EQ(shortNotice.windowTitle(), QString("Attention"));
    EXPECT_EQ(shortNotice.width(), 400);
    EXPECT_EQ(shortNotice.Button1->width(), 390);
    EXPECT_EQ(shortNotice.Button1->text(), QString("Ok"));
    EXPECT_TRUE(shortNotice.Label2->isHidden());
    EXPECT_TRUE(shortNotice.Label3->isHidden());
    EXPECT_TRUE(shortNotice.Label1->font().bold());
    EXPECT_EQ(shortNotice.Label1->font().pixelSize(), 20);

    const QString longLine(60, QChar('W'));
    TFormLink longNotice("short", longLine, "");
    const int widest = QFontMetrics(longNotice.Label2->font()).horizontalAdvance(longLine);
    ASSERT_GE(widest + TFormLink::kLabelsLeft, 350);
    EXPECT_EQ(longNotice.width(), widest + TFormLink::kLabelsLeft + 50);
    EXPECT_EQ(longNotice.Button1->width(), longNotice.width() - 10);
    EXPECT_FALSE(longNotice.Label2->isHidden());
}

TEST(FormLink, ThirdLineOpensAndEscCloses) {
    testApp();
    QList<QUrl> opened;
    auto saved = TFormLink::openAction();
    TFormLink::openAction() = [&](const QUrl& u) {
        opened << u;
        return true;
    };
    TFormLink form("Download the pack from", "", "https://example.org/packs");
    EXPECT_TRUE(form.Label2->isHidden());
    EXPECT_TRUE(form.Label3->font().underline());
    form.show();
    const QPointF pt(3, 3);
    QMouseEvent press(QEvent::MouseButtonPress, pt, form.Label3->mapToGlobal(pt), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, pt, form.Label3->mapToGlobal(pt),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(form.Label3, &press);
    QApplication::sendEvent(form.Label3, &release);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QUrl("https://example.org/packs"));
    // The first line is plain text: clicking it opens nothing.
    QApplication::sendEvent(form.Label1, &press);
    QApplication::sendEvent(form.Label1, &release);
    EXPECT_EQ(opened.size(), 1);

    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&form, &esc);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Rejected);
    TFormLink::openAction() = saved;
}

TEST(FormLink, OkAccepts) {
    testApp();
    TFormLink form("Line");
    form.show();
    form.Button1->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}
