#pragma once
// What `vantor-packs build` knows how to make: one recipe per pack file. Later packs (voices,
// calendar, radio, backgrounds, design graphics) add their recipe to the list in recipes.cpp.

#include "packs/pack_writer.h"

#include <filesystem>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

namespace vantor::tool {

struct TBuildOptions {
    std::set<int> faceSets; // only these face sets (all when empty)
    bool quick = false;     // one deck reused everywhere, for tests and previews
    std::ostream* log = nullptr;
};

struct TPackRecipe {
    const char* file;
    const char* contents;
    // Fills the writer; false with a reason when the pack cannot be made on this machine.
    std::function<bool(TPackWriter&, const TBuildOptions&, std::string& why)> make;
};

std::vector<TPackRecipe> packRecipes();

// The type a file is stored under by its extension: .jpg/.jpeg "JPEG", .gif "GIF", .bmp
// BITMAP, anything else (.png, .wav, ...) raw data.
TResourceName resourceTypeForFile(const std::filesystem::path& file);

// Adds files to a writer, each under NAME when given as NAME=FILE, else under the file's stem.
bool addFiles(TPackWriter& writer, const std::vector<std::string>& args, std::string& why);

#ifdef VANTOR_PACKS_WITH_SVG
// Face sets and back sets rendered from the SVG decks (card_art.cpp).
bool addFaceSets(TPackWriter& writer, const char* packFile, const TBuildOptions& options,
                 std::string& why);
bool addBackSets(TPackWriter& writer, const TBuildOptions& options, std::string& why);
// The table backgrounds (backgrounds.cpp).
bool addBackgrounds(TPackWriter& writer, const TBuildOptions& options, std::string& why);
#endif

#ifdef VANTOR_PACKS_WITH_GRAPHICS
// The design graphics of the purple design (graphics.cpp).
bool addGraphics(TPackWriter& writer, const TBuildOptions& options, std::string& why);
#endif

#ifdef VANTOR_PACKS_WITH_VOICE
// The voice pack: the card names spoken by eSpeak NG (voices.cpp).
bool addVoices(TPackWriter& writer, const TBuildOptions& options, std::string& why);
#endif

} // namespace vantor::tool
