#include "table/fonts.h"

#include "base/rounding.h"
#include "settings/settings.h"

#include <QFontDatabase>
#include <QStringList>

namespace vantor {

void registerFontSubstitutes() {
    static bool done = false;
    if (done) return;
    done = true;
    const QStringList cjk = {"Noto Sans CJK SC", "Noto Sans CJK TC", "Noto Sans CJK JP",
                             "Noto Sans CJK KR"};
    QFont::insertSubstitutions("Comic Sans MS", QStringList{"Comic Neue"} + cjk);
    QFont::insertSubstitutions("Courier New", QStringList{"Liberation Mono"} + cjk);
    QFont::insertSubstitutions("FixedSys", QStringList{"DejaVu Sans Mono"} + cjk);
    QFont::insertSubstitutions("Arial", QStringList{"Liberation Sans", "DejaVu Sans"} + cjk);
    QFont::insertSubstitutions("Times New Roman", QStringList{"Liberation Serif"} + cjk);
}

namespace {
struct TSlot {
    const std::string* name;
    int scale;
};
TSlot slotOf(const QString& slot) {
    if (slot == "decor") return {&Settings.FontDecorName, Settings.FontDecorScale};
    if (slot == "serif") return {&Settings.FontSerifName, Settings.FontSerifScale};
    if (slot == "fixed") return {&Settings.FontFixedName, Settings.FontFixedScale};
    return {&Settings.FontConewName, Settings.FontConewScale};
}
} // namespace

int FontSize(int size, const QString& slot) {
    return static_cast<int>(roundHalfEven(size * slotOf(slot).scale / 100.0));
}

QFont slotFont(const QString& slot, int pixelHeight, bool bold) {
    const TSlot s = slotOf(slot);
    QFont f(QString::fromStdString(*s.name));
    f.setPixelSize(std::max(1, FontSize(pixelHeight, slot)));
    f.setBold(bold);
    return f;
}

} // namespace vantor
