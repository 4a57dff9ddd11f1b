#include "recipes.h"

#include "packs/card_sets.h"

#ifdef VANTOR_PACKS_WITH_VOICE
#include "media/cues.h"
#endif

#include <algorithm>
#include <cctype>
#include <fstream>
#include <iterator>

namespace vantor::tool {
namespace fs = std::filesystem;

TResourceName resourceTypeForFile(const fs::path& file) {
    std::string ext = file.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (ext == ".jpg" || ext == ".jpeg") return TResourceName(kResourceJpeg);
    if (ext == ".gif") return TResourceName(kResourceGif);
    if (ext == ".bmp") return TResourceName(kResourceBitmap);
    return TResourceName(kResourceRcData);
}

bool addFiles(TPackWriter& writer, const std::vector<std::string>& args, std::string& why) {
    for (const std::string& arg : args) {
        const auto eq = arg.find('=');
        const fs::path file =
            eq == std::string::npos ? fs::path(arg) : fs::path(arg.substr(eq + 1));
        const std::string name = eq == std::string::npos ? file.stem().string() : arg.substr(0, eq);
        std::ifstream in(file, std::ios::binary);
        if (!in || name.empty()) {
            why = "cannot read " + file.string();
            return false;
        }
        std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)),
                                       std::istreambuf_iterator<char>());
        const TResourceName type = resourceTypeForFile(file);
        const bool added = type.isId() && type.id() == kResourceBitmap
                               ? writer.addBitmapFile(name, data)
                               : writer.add(type, name, std::move(data));
        if (!added) {
            why = "cannot add " + file.string() + " as " + name +
                  " (a second resource of that name, or not a BMP file)";
            return false;
        }
    }
    return true;
}

std::vector<TPackRecipe> packRecipes() {
    std::vector<TPackRecipe> recipes;
#ifdef VANTOR_PACKS_WITH_SVG
    for (const char* pack : {kFacePackA, kFacePackB, kFacePackC}) {
        const bool backs = std::string_view(pack) == kFacePackB;
        recipes.push_back({pack,
                           backs ? "card-face sets 32 to 39, card-back sets 1 to 12, narrow backs "
                                   "of set 0"
                           : pack == std::string_view(kFacePackA) ? "card-face sets 1 to 31"
                                                                  : "card-face sets 40 to 47",
                           [pack, backs](TPackWriter& w, const TBuildOptions& o, std::string& why) {
                               if (!addFaceSets(w, pack, o, why)) return false;
                               return !backs || addBackSets(w, o, why);
                           }});
    }
    recipes.push_back({kBackgroundPack, "background pictures", addBackgrounds});
#else
    for (const char* pack : {kFacePackA, kFacePackB, kFacePackC})
        recipes.push_back({pack, "card faces and backs",
                           [](TPackWriter&, const TBuildOptions&, std::string& why) {
                               why = "this vantor-packs was built without Qt Svg";
                               return false;
                           }});
#endif
#ifdef VANTOR_PACKS_WITH_GRAPHICS
    recipes.push_back({kGraphicsPack,
                       "design graphics: purple background, window backgrounds, headers, icons, "
                       "animations, touch strip",
                       addGraphics});
#endif
#ifdef VANTOR_PACKS_WITH_VOICE
    recipes.push_back({kVoicePack, "card names spoken in the ten languages", addVoices});
#endif
    return recipes;
}

} // namespace vantor::tool
