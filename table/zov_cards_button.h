#pragma once
// TZovCardsButton: the push button of every window. It draws itself as a rounded glossy bar:
// an end cap on each side and a shaded centre part, recoloured into one of eight schemes and
// optionally lightened towards white.

#include <QColor>
#include <QImage>
#include <QPushButton>
#include <functional>

namespace vantor {

enum TColorSB { DRed, DGreen, DBlue, DNavy, DYellow, DViolet, DOrang, DCards };
enum THeightSB { D30, D45, D60 };
enum class TGlyphLayout { Left, Right, Top, Bottom };

struct TButtonDrawState {
    bool selected = false; // pressed
    bool disabled = false;
    bool focused = false;
};

// One colour or picture pixel recoloured by scheme and lightened by klight percent. With nata
// the "new buttons" rule applies: only red-like pixels change.
QRgb recolourButtonPixel(QRgb pixel, TColorSB scheme, int klight, bool nata);

// A cap or centre picture ("R29_L" ...) recoloured for the scheme; kept once made.
QImage recolouredButtonPicture(const QString& name, TColorSB scheme, int klight, bool nata);

class TZovCardsButton : public QPushButton {
public:
    explicit TZovCardsButton(QWidget* parent = nullptr);
    explicit TZovCardsButton(const QString& text, QWidget* parent = nullptr);

    // Called after the button is drawn, with the painter still on the button.
    std::function<void(TZovCardsButton&, QPainter&, const QRect&, const TButtonDrawState&)>
        OnDrawButton;
    // Fired after the button has recorded the mouse position and redrawn.
    std::function<void(TZovCardsButton&)> OnMouseEnter;
    std::function<void(TZovCardsButton&)> OnMouseLeave;

    TColorSB colorSB() const { return fColorSB; }
    void setColorSB(TColorSB v);
    QColor colorMouse() const { return fColorMouse; }
    void setColorMouse(const QColor& v);
    bool lightFont() const { return fLightFont; }
    void setLightFont(bool v);
    bool grayDis() const { return fGrayDis; }
    void setGrayDis(bool v);
    THeightSB heightSB() const { return fHeightSB; }
    void setHeightSB(THeightSB v); // sets the height to 30, 45 or 60
    int kLightSB() const { return fKLightSB; }
    void setKLightSB(int v); // clamped to 0..100
    bool kontur() const { return fKontur; }
    void setKontur(bool v);
    bool smooth() const { return fSmooth; }
    void setSmooth(bool v);
    bool nata() const { return fNata; }
    void setNata(bool v);

    // The font colour of the caption (the button text colour of the palette).
    QColor fontColor() const;
    void setFontColor(const QColor& c);

    // Glyph, its layout and the margin (-1: caption centred).
    QImage glyph() const { return fGlyph; }
    void setGlyph(const QImage& g);
    TGlyphLayout glyphLayout() const { return fLayout; }
    void setGlyphLayout(TGlyphLayout l);
    int margin() const { return fMargin; }
    void setMargin(int m);

    bool mouseOver() const { return fMouseOver; }
    bool defaultFlag() const { return fDefault; }
    // The window marks its default button; focus moves the mark to the focused button.
    void setButtonStyle(bool isDefaultButton);

    // The drawing itself, onto any painter covering the button's rectangle.
    void renderButton(QPainter& painter, const TButtonDrawState& state);
    // The button drawn into a transparent picture of its size (tests, screenshots).
    QImage snapshot(const TButtonDrawState& state);
    TButtonDrawState currentState() const;

    // Cap width for a button height: the base width of its class scaled to the height.
    static int capWidth(int height);

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    TColorSB fColorSB = DRed;
    QColor fColorMouse = QColor(255, 255, 0);
    bool fLightFont = false;
    bool fGrayDis = false;
    THeightSB fHeightSB = D30;
    int fKLightSB = 0;
    bool fKontur = true;
    bool fSmooth = true;
    bool fNata = false;
    QImage fGlyph;
    TGlyphLayout fLayout = TGlyphLayout::Left;
    int fMargin = -1;
    bool fMouseOver = false;
    bool fDefault = false;
};

} // namespace vantor
