#include "table/zov_cards_button.h"

#include "assets/builtin_pictures.h"
#include "assets/button_shading.h"
#include "assets/picture_ops.h"
#include "base/rounding.h"

#include <QEnterEvent>
#include <QHash>
#include <QPainter>
#include <cmath>
#include <cstdlib>

namespace vantor {

namespace {

int rnd(double v) {
    const auto r = roundHalfEven(v);
    return r < 0 ? 0 : (r > 255 ? 255 : static_cast<int>(r));
}

QColor fromBgr(unsigned v) {
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

struct THeightClass {
    const char* set; // picture set without the "R"/"Q" letter
    int base;        // cap base width
    int classHeight;
};

THeightClass heightClass(int h) {
    if (h <= 30) return {"29", 8, 30};
    if (h <= 45) return {"44", 13, 45};
    return {"59", 17, 60};
}

bool exactHeight(int h) {
    return h == 30 || h == 45 || h == 60;
}

// Glyph inset at the exact heights 30, 45, 60; round(w * 1.6) at free heights.
int glyphInset(int h, int w) {
    switch (h) {
    case 30:
        return 15;
    case 45:
        return 18;
    case 60:
        return 20;
    default:
        return rnd(w * 1.6);
    }
}

int textInset(int h, int w) {
    switch (h) {
    case 30:
        return 25;
    case 45:
        return 28;
    case 60:
        return 30;
    default:
        return rnd(w * 1.6) + 10;
    }
}

QColor focusPen(TColorSB s) {
    switch (s) {
    case DRed:
    case DYellow:
        return fromBgr(0xC8C8FF);
    case DGreen:
        return fromBgr(0xFFC8C8);
    case DBlue:
    case DNavy:
        return fromBgr(0xC8FFC8);
    case DViolet:
        return fromBgr(0xC8FFFF);
    case DOrang:
        return fromBgr(0x4080FF);
    case DCards:
        return fromBgr(0x32AFC8);
    }
    return Qt::white;
}

QColor focusDot(TColorSB s) {
    switch (s) {
    case DRed:
        return fromBgr(0x00FFFF);
    case DYellow:
        return fromBgr(0x0000FF);
    case DGreen:
    case DBlue:
        return fromBgr(0xFF0000);
    case DNavy:
        return fromBgr(0x00FF00);
    case DViolet:
    case DOrang:
        return fromBgr(0xFFFFFF);
    case DCards:
        return fromBgr(0xFFB4DC);
    }
    return Qt::white;
}

QHash<QString, QImage>& pictureCache() {
    static QHash<QString, QImage> cache;
    return cache;
}

// A recoloured cap resampled to a free height, kept by size.
QImage resampledCap(const QString& name, TColorSB s, int klight, bool nata, int w, int h) {
    const QString key = QStringLiteral("%1/%2/%3/%4/%5x%6")
                            .arg(name)
                            .arg(int(s))
                            .arg(klight)
                            .arg(nata)
                            .arg(w)
                            .arg(h);
    auto& cache = pictureCache();
    auto it = cache.find(key);
    if (it != cache.end()) return it.value();
    QImage img = recolouredButtonPicture(name, s, klight, nata);
    ResizePng(img, w, h);
    return cache.insert(key, img).value();
}

} // namespace

QRgb recolourButtonPixel(QRgb px, TColorSB s, int klight, bool nata) {
    int r = qRed(px), g = qGreen(px), b = qBlue(px);
    const int a = qAlpha(px);
    if (nata) {
        const double d = std::sqrt(double((r - 255) * (r - 255) + g * g + b * b));
        if (d >= 180) return px; // the white gloss and dark edges keep their colour
    }
    switch (s) {
    case DRed:
        break;
    case DGreen:
        std::swap(r, g);
        break;
    case DBlue: {
        const int oldR = r;
        r = b;
        g = oldR;
        b = oldR;
        break;
    }
    case DNavy:
        std::swap(r, b);
        break;
    case DYellow:
        g = r;
        break;
    case DViolet:
        b = r;
        break;
    case DOrang:
        if (r > g && r > b) {
            b = rnd(b * 0.7);
            g = std::min(255, b + rnd(std::abs(r - b) * 0.4));
        }
        break;
    case DCards:
        if (nata) {
            const int oldR = r;
            r = rnd(oldR * 0.6);
            g = rnd(g * 0.7);
            b = oldR;
        } else {
            const int oldR = r;
            r = rnd(oldR * 0.7);
            g = 0;
            b = oldR;
        }
        break;
    }
    if (klight > 0) {
        auto light = [klight](int v) { return rnd(v + (255 - v) * klight / 100.0); };
        r = light(r);
        g = light(g);
        b = light(b);
    }
    return qRgba(r, g, b, a);
}

QImage recolouredButtonPicture(const QString& name, TColorSB s, int klight, bool nata) {
    const QString key = QStringLiteral("%1/%2/%3/%4").arg(name).arg(int(s)).arg(klight).arg(nata);
    auto& cache = pictureCache();
    auto it = cache.find(key);
    if (it != cache.end()) return it.value();
    QImage img = builtinPicture(name).convertToFormat(QImage::Format_ARGB32);
    if (s != DRed || klight != 0) {
        for (int y = 0; y < img.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
            for (int x = 0; x < img.width(); ++x)
                if (qAlpha(line[x]) != 0) line[x] = recolourButtonPixel(line[x], s, klight, nata);
        }
    }
    return cache.insert(key, img).value();
}

TZovCardsButton::TZovCardsButton(QWidget* parent) : QPushButton(parent) {
    resize(100, 30);
    setAttribute(Qt::WA_NoSystemBackground);
}

TZovCardsButton::TZovCardsButton(const QString& text, QWidget* parent) : TZovCardsButton(parent) {
    setText(text);
}

void TZovCardsButton::setColorSB(TColorSB v) {
    fColorSB = v;
    update();
}
void TZovCardsButton::setColorMouse(const QColor& v) {
    fColorMouse = v;
    update();
}
void TZovCardsButton::setLightFont(bool v) {
    fLightFont = v;
    update();
}
void TZovCardsButton::setGrayDis(bool v) {
    fGrayDis = v;
    update();
}
void TZovCardsButton::setHeightSB(THeightSB v) {
    fHeightSB = v;
    resize(width(), v == D30 ? 30 : (v == D45 ? 45 : 60));
    update();
}
void TZovCardsButton::setKLightSB(int v) {
    fKLightSB = std::clamp(v, 0, 100);
    update();
}
void TZovCardsButton::setKontur(bool v) {
    fKontur = v;
    update();
}
void TZovCardsButton::setSmooth(bool v) {
    fSmooth = v;
    update();
}
void TZovCardsButton::setNata(bool v) {
    fNata = v;
    update();
}
QColor TZovCardsButton::fontColor() const {
    return palette().color(QPalette::ButtonText);
}
void TZovCardsButton::setFontColor(const QColor& c) {
    QPalette p = palette();
    p.setColor(QPalette::ButtonText, c);
    setPalette(p);
    update();
}
void TZovCardsButton::setGlyph(const QImage& g) {
    fGlyph = g;
    update();
}
void TZovCardsButton::setGlyphLayout(TGlyphLayout l) {
    fLayout = l;
    update();
}
void TZovCardsButton::setMargin(int m) {
    fMargin = m;
    update();
}

void TZovCardsButton::setButtonStyle(bool isDefaultButton) {
    fDefault = isDefaultButton;
    update();
}

int TZovCardsButton::capWidth(int height) {
    const THeightClass hc = heightClass(height);
    return static_cast<int>(roundHalfEven(double(hc.base) * height / hc.classHeight));
}

TButtonDrawState TZovCardsButton::currentState() const {
    TButtonDrawState s;
    s.selected = isDown();
    s.disabled = !isEnabled();
    s.focused = hasFocus();
    return s;
}

void TZovCardsButton::renderButton(QPainter& painter, const TButtonDrawState& state) {
    const int W = width();
    const int H = height();
    const THeightClass hc = heightClass(H);
    const bool exact = exactHeight(H);
    const int w = capWidth(H);
    const QString set = QLatin1Char(fNata ? 'Q' : 'R') + QString::fromLatin1(hc.set);
    const int k = fKLightSB;

    // The work picture starts transparent, so what lies under the button shows at its ends.
    QImage work(W, H, QImage::Format_ARGB32_Premultiplied);
    work.fill(Qt::transparent);
    {
        QPainter p(&work);
        const int capH = std::max(0, H - 1);
        auto drawCap = [&](const QString& part, int x) {
            const QString name = set + part;
            if (exact) {
                p.drawImage(QRect(x, 0, w, capH),
                            recolouredButtonPicture(name, fColorSB, k, fNata));
            } else if (fSmooth) {
                p.drawImage(x, 0, resampledCap(name, fColorSB, k, fNata, w, capH));
            } else {
                p.drawImage(QRect(x, 0, w, capH),
                            recolouredButtonPicture(name, fColorSB, k, fNata));
            }
        };
        drawCap(QStringLiteral("_L"), 0);
        drawCap(QStringLiteral("_R"), W - w - 1);
        if (!exact || fNata || fColorSB == DCards) {
            const int cw = W - 2 * w;
            if (cw > 0)
                p.drawImage(
                    QRect(w, 0, cw, capH),
                    recolouredButtonPicture(set + QStringLiteral("_2"), fColorSB, k, fNata));
        } else {
            const auto table = buttonShadingTable(H);
            for (int i = 1; i <= H - 1; ++i) {
                const QRgb c =
                    recolourButtonPixel(fromBgr(table[size_t(i - 1)]).rgb(), fColorSB, k, false);
                for (int x = w; x < W - w - 1; ++x)
                    reinterpret_cast<QRgb*>(work.scanLine(i - 1))[x] = c | 0xFF000000u;
            }
        }
        if (!fGlyph.isNull() && fLayout != TGlyphLayout::Top) {
            const int gw = fGlyph.width(), gh = fGlyph.height();
            const int top = static_cast<int>(roundHalfEven((H - gh - 1) / 2.0));
            const int inset = exact ? glyphInset(H, w) : rnd(w * 1.6);
            int gx = inset;
            if (fLayout == TGlyphLayout::Right)
                gx = W - gw - inset;
            else if (fLayout == TGlyphLayout::Bottom)
                gx = (W - gw) / 2;
            p.drawImage(gx, top, fGlyph);
        }
    }
    const int off = state.selected ? 1 : 0;
    painter.drawImage(off, off, work);

    // Caption.
    QColor colour = fontColor();
    if (fMouseOver && fLightFont) colour = fColorMouse;
    if (state.disabled) colour = fGrayDis ? fromBgr(0xC0C0C0) : fontColor();
    QRect textRect(off, off, W, H);
    if (fNata) textRect.translate(0, -1);
    int flags = Qt::TextSingleLine | Qt::AlignVCenter;
    if (fMargin == -1) {
        flags |= Qt::AlignHCenter;
    } else {
        const int gw = fGlyph.isNull() ? 0 : fGlyph.width();
        const int inset = gw + (exact ? textInset(H, w) : textInset(0, w));
        if (fLayout == TGlyphLayout::Right) {
            textRect.setRight(textRect.right() - inset);
            flags |= Qt::AlignRight;
        } else {
            textRect.setLeft(textRect.left() + inset);
            flags |= Qt::AlignLeft;
        }
    }
    painter.setFont(font());
    painter.setPen(colour);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.drawText(textRect, flags, text());

    if (OnDrawButton) OnDrawButton(*this, painter, rect(), state);

    // Focus mark.
    if (state.focused && fDefault && fKontur) {
        const int c = off;
        painter.save();
        if (!fNata) {
            int gx, gy, corner;
            switch (H) {
            case 30:
                gx = 7, gy = 4, corner = 7;
                break;
            case 45:
                gx = 9, gy = 5, corner = 9;
                break;
            case 60:
                gx = 11, gy = 6, corner = 11;
                break;
            default: {
                const int b = H <= 20 ? 3 : (H <= 30 ? 4 : (H <= 60 ? 5 : 6));
                gx = rnd(w * 0.8);
                gy = b;
                corner = 2 * b;
            }
            }
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(QPen(focusPen(fColorSB), 1));
            painter.setBrush(Qt::NoBrush);
            // An aliased one-pixel outline of QRect(x, y, w, h) covers x..x + w, so this
            // spans (c + gx, c + gy) to (W + c - gx, H + c - gy) with the far edges excluded.
            const QRect r(c + gx, c + gy, W - 2 * gx - 1, H - 2 * gy - 1);
            painter.drawRoundedRect(r, corner / 2.0, corner / 2.0);
        } else {
            const int s = H <= 20 ? 3 : (H <= 30 ? 4 : (H <= 45 ? 5 : (H <= 60 ? 6 : 7)));
            const int inset = exact ? (H == 30 ? 10 : (H == 45 ? 13 : 15)) : w;
            const int top = c + static_cast<int>(roundHalfEven(H / 2.0 - s / 2.0));
            painter.setRenderHint(QPainter::Antialiasing, true);
            painter.setPen(Qt::NoPen);
            painter.setBrush(focusDot(fColorSB));
            painter.drawEllipse(QRect(c + inset, top, s, s));
            painter.drawEllipse(QRect(W + c - inset - s, top, s, s));
        }
        painter.restore();
    }
}

QImage TZovCardsButton::snapshot(const TButtonDrawState& state) {
    QImage img(size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    renderButton(p, state);
    return img;
}

void TZovCardsButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    renderButton(p, currentState());
}

void TZovCardsButton::enterEvent(QEnterEvent* event) {
    fMouseOver = true;
    update();
    QPushButton::enterEvent(event);
    if (OnMouseEnter) OnMouseEnter(*this);
}

void TZovCardsButton::leaveEvent(QEvent* event) {
    fMouseOver = false;
    update();
    QPushButton::leaveEvent(event);
    if (OnMouseLeave) OnMouseLeave(*this);
}

// The focused button is the one that acts on Enter, so it is the default while it has focus.
void TZovCardsButton::focusInEvent(QFocusEvent* event) {
    fDefault = true;
    QPushButton::focusInEvent(event);
    update();
}

void TZovCardsButton::focusOutEvent(QFocusEvent* event) {
    fDefault = isDefault();
    QPushButton::focusOutEvent(event);
    update();
}

void TZovCardsButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange ||
        event->type() == QEvent::PaletteChange)
        update();
    QPushButton::changeEvent(event);
}

} // namespace vantor
