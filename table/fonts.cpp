#include "table/fonts.h"

#include "base/rounding.h"
#include "settings/settings.h"

#include <QStringList>
#include <algorithm>

namespace vantor {

void registerFontSubstitutes() {
    static const bool done = [] {
        const QStringList cjk = {"Noto Sans CJK SC", "Noto Sans CJK TC", "Noto Sans CJK JP",
                                 "Noto Sans CJK KR"};
        QFont::insertSubstitutions("Comic Sans MS", QStringList{"Comic Neue"} + cjk);
        QFont::insertSubstitutions("Courier New", QStringList{"Liberation Mono"} + cjk);
        QFont::insertSubstitutions("FixedSys", QStringList{"DejaVu Sans Mono"} + cjk);
        QFont::insertSubstitutions("Arial", QStringList{"Liberation Sans", "DejaVu Sans"} + cjk);
        QFont::insertSubstitutions("Times New Roman", QStringList{"Liberation Serif"} + cjk);
        return true;
    }();
    (void)done;
}

namespace {
struct TSlot {
    const std::string* name;
    int scale;
};
TSlot slotOf(const std::string& slot) {
    if (slot == "decor") return {&Settings.FontDecorName, Settings.FontDecorScale};
    if (slot == "serif") return {&Settings.FontSerifName, Settings.FontSerifScale};
    if (slot == "fixed") return {&Settings.FontFixedName, Settings.FontFixedScale};
    return {&Settings.FontConewName, Settings.FontConewScale};
}
QFont fontOf(const std::string& slot, bool bold) {
    registerFontSubstitutes();
    QFont f(QString::fromStdString(*slotOf(slot).name));
    f.setBold(bold);
    return f;
}
} // namespace

int FontSize(int size, const std::string& slot) {
    return static_cast<int>(roundHalfEven(size * slotOf(slot).scale / 100.0));
}

QFont slotFont(const std::string& slot, int size, bool bold) {
    QFont f = fontOf(slot, bold);
    f.setPointSize(std::max(1, FontSize(size, slot)));
    return f;
}

QFont slotFontPx(const std::string& slot, int height, bool bold) {
    QFont f = fontOf(slot, bold);
    f.setPixelSize(std::max(1, FontSize(height, slot)));
    return f;
}

} // namespace vantor
