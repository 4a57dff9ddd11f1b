// vantor-packs: shows, takes apart and builds the game's resource packs.
//
//   vantor-packs list FILE                 every resource: type, name, language, size
//   vantor-packs extract FILE NAME OUT     one resource to a file (a BITMAP as a .bmp file)
//   vantor-packs pack OUT.dll [NAME=]FILE...   a pack from files (type by extension)
//   vantor-packs build DIR [PACK...] [--sets N,M,...] [--quick]
//                                          the game's packs, rendered from free artwork
#include "packs/pack.h"
#include "recipes.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#if defined(VANTOR_PACKS_WITH_SVG) || defined(VANTOR_PACKS_WITH_GRAPHICS)
#include <QGuiApplication>
#include <cstdlib>
#endif

namespace vantor::tool {
namespace {
namespace fs = std::filesystem;

int usage() {
    std::cerr << "usage: vantor-packs list FILE\n"
                 "       vantor-packs extract FILE NAME OUT\n"
                 "       vantor-packs pack OUT.dll [NAME=]FILE...\n"
                 "       vantor-packs build DIR [PACK...] [--sets N,M,...] [--quick]\n";
    return 2;
}

bool openOrSay(TPack& pack, const std::string& file) {
    switch (pack.open(file)) {
    case TPackStatus::Ok:
        return true;
    case TPackStatus::Missing:
        std::cerr << "vantor-packs: " << file << ": no such file\n";
        break;
    case TPackStatus::Unreadable:
        std::cerr << "vantor-packs: " << file << ": not a readable pack (" << pack.error() << ")\n";
        break;
    }
    return false;
}

int list(const std::string& file) {
    TPack pack;
    if (!openOrSay(pack, file)) return 1;
    std::printf("%s: %s library, %zu resources\n", file.c_str(), pack.is64Bit() ? "PE32+" : "PE32",
                pack.entries().size());
    for (const TPackEntry& e : pack.entries())
        std::printf("%-8s %-24s %04x %10u\n", resourceTypeLabel(e.type).c_str(),
                    e.name.text().c_str(), e.language, e.size);
    return 0;
}

int extract(const std::string& file, const std::string& name, const std::string& out) {
    TPack pack;
    if (!openOrSay(pack, file)) return 1;
    // The picture types first, as the program asks for them; then any other type.
    std::optional<std::vector<std::uint8_t>> bytes;
    for (const TResourceName& type : {TResourceName(kResourceRcData), TResourceName(kResourceJpeg),
                                      TResourceName(kResourceGif)})
        if (!bytes) bytes = pack.read(type, name);
    if (!bytes && pack.find(TResourceName(kResourceBitmap), name)) {
        bytes = pack.readBitmapFile(name);
        if (!bytes) {
            std::cerr << "vantor-packs: " << name << ": damaged bitmap\n";
            return 1;
        }
    }
    for (const TPackEntry& e : pack.entries())
        if (!bytes && e.name.sameAs(TResourceName(name))) bytes = pack.read(e);
    if (!bytes) {
        std::cerr << "vantor-packs: " << file << ": no resource " << name << "\n";
        return 1;
    }
    std::ofstream o(out, std::ios::binary);
    o.write(reinterpret_cast<const char*>(bytes->data()),
            static_cast<std::streamsize>(bytes->size()));
    o.close();
    if (!o) {
        std::cerr << "vantor-packs: cannot write " << out << "\n";
        return 1;
    }
    return 0;
}

int packFiles(const std::string& out, const std::vector<std::string>& files) {
    TPackWriter writer;
    std::string why;
    if (!addFiles(writer, files, why) || !writer.write(out, &why)) {
        std::cerr << "vantor-packs: " << why << "\n";
        return 1;
    }
    std::printf("%s: %zu resources\n", out.c_str(), writer.count());
    return 0;
}

int build(const std::vector<std::string>& args) {
    if (args.empty()) return usage();
    const fs::path dir = args[0];
    std::vector<std::string> only;
    TBuildOptions options;
    options.log = &std::cout;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--quick") {
            options.quick = true;
        } else if (args[i] == "--sets" && i + 1 < args.size()) {
            const std::string list = args[++i];
            std::size_t at = 0;
            while (at < list.size()) {
                std::size_t end = list.find(',', at);
                if (end == std::string::npos) end = list.size();
                try {
                    options.faceSets.insert(std::stoi(list.substr(at, end - at)));
                } catch (...) {
                    return usage();
                }
                at = end + 1;
            }
        } else {
            only.push_back(args[i]);
        }
    }
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (!fs::is_directory(dir)) {
        std::cerr << "vantor-packs: cannot make the folder " << dir << "\n";
        return 1;
    }
    int failures = 0, built = 0;
    for (const TPackRecipe& recipe : packRecipes()) {
        if (!only.empty() && std::find(only.begin(), only.end(), recipe.file) == only.end())
            continue;
        TPackWriter writer;
        std::string why;
        if (!recipe.make(writer, options, why)) {
            std::cerr << "vantor-packs: " << recipe.file << ": " << why << "\n";
            ++failures;
            continue;
        }
        if (!writer.write(dir / recipe.file, &why)) {
            std::cerr << "vantor-packs: " << why << "\n";
            ++failures;
            continue;
        }
        ++built;
        std::printf("%s: %zu resources (%s)\n", (dir / recipe.file).c_str(), writer.count(),
                    recipe.contents);
    }
    for (const std::string& name : only) {
        bool known = false;
        for (const TPackRecipe& recipe : packRecipes()) known = known || name == recipe.file;
        if (!known) {
            std::cerr << "vantor-packs: no recipe for " << name << "\n";
            ++failures;
        }
    }
    return failures || !built ? 1 : 0;
}

} // namespace
} // namespace vantor::tool

int main(int argc, char** argv) {
    using namespace vantor::tool;
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return usage();
    const std::string command = args[0];
    args.erase(args.begin());
    if (command == "list" && args.size() == 1) return list(args[0]);
    if (command == "extract" && args.size() == 3) return extract(args[0], args[1], args[2]);
    if (command == "pack" && args.size() >= 2)
        return packFiles(args[0], std::vector<std::string>(args.begin() + 1, args.end()));
    if (command == "build") {
#if defined(VANTOR_PACKS_WITH_SVG) || defined(VANTOR_PACKS_WITH_GRAPHICS)
        // Rendering needs a GUI application object for fonts, but never a display.
        if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
        QGuiApplication app(argc, argv);
#endif
        return build(args);
    }
    return usage();
}
