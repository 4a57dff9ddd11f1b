// The settings loader on arbitrary file contents: no crash, no hang, every value within its
// range, and a file written from what was loaded reads back to the same settings.
#include "settings/settings.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void require(bool condition) {
    if (!condition) std::abort();
}

void checkRanges(const vantor::TSettings& s) {
    require(vantor::languageIndex(s.Language) < vantor::kLanguageCount);
    require(s.ClubListMode == 1 || s.ClubListMode == 2);
    require(s.Speed >= 1 && s.Speed <= 6);
    require(s.WindowSize >= 1 && s.WindowSize <= 5);
    require(s.CaptionStyle >= 1 && s.CaptionStyle <= 7);
    require(s.AuxDesign >= 1 && s.AuxDesign <= 3);
    require(s.CardDeck >= 0 && s.CardDeck <= 47);
    require(s.CardBack >= 0 && s.CardBack <= 12);
    require(s.Duration >= 3 && s.Duration <= 5);
    for (int scale : {s.FontDecorScale, s.FontSerifScale, s.FontFixedScale, s.FontConewScale})
        require(scale >= 50 && scale <= 150);
    require(s.Background >= 1 && s.Background <= 10);
    require(s.BackgroundColour >= 0 && s.BackgroundColour <= 6);
    require(s.SaveGamesMode == 1 || s.SaveGamesMode == 2);
    require(s.SaveGamesDelay >= 10 && s.SaveGamesDelay <= 5000);
    require(s.TopTenSex.empty() || s.TopTenSex == "M" || s.TopTenSex == "W");
    require(s.TopTenCountry.empty() || s.TopTenCountry.size() == 5);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    vantor::TSettings first;
    vantor::LoadSettingsFromBytes(first, bytes);
    checkRanges(first);

    // Texts that the code page cannot hold settle after one save; from then on a save and a
    // load must give back exactly what was saved.
    vantor::TSettings second;
    vantor::LoadSettingsFromBytes(second, vantor::SettingsFileBytes(first));
    checkRanges(second);
    vantor::TSettings third;
    vantor::LoadSettingsFromBytes(third, vantor::SettingsFileBytes(second));
    require(third == second);
    return 0;
}
