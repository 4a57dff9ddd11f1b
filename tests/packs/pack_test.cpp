// Packs our writer makes: read back by the reader, accepted by MinGW's objdump and windres, and
// every kind of damage reported as unreadable.
#include "pack_test_util.h"
#include "packs/pack.h"
#include "packs/pack_finder.h"
#include "packs/pack_writer.h"

#include <chrono>
#include <functional>
#include <gtest/gtest.h>

namespace vantor {
namespace {
using namespace vantor::testing;

TEST(ResourceName, NamesIdsAndCase) {
    struct Case {
        TResourceName a, b;
        bool same;
    };
    const Case cases[] = {
        {"Ch02ModB", "CH02MODB", true},
        {"fon07b2b", "Fon07B2B", true},
        {"Ch02Mod", "Ch02ModB", false},
        {"#101", TResourceName(101), true},
        {"#101", "101", false},                 // a plain "101" is a string name
        {"#70000", TResourceName(4464), false}, // too large for an id: a string name
        {"Колода", "КОЛОДА", true},
        {"ёлка", "ЁЛКА", true},
        {"Straße", "STRASSE", false},
        {TResourceName(10), TResourceName(10), true},
        {TResourceName(10), TResourceName(2), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.a.sameAs(c.b), c.same) << c.a.text() << " / " << c.b.text();
        EXPECT_EQ(c.b.sameAs(c.a), c.same) << c.b.text() << " / " << c.a.text();
    }
    EXPECT_EQ(TResourceName("#70000").text(), "#70000");
    EXPECT_FALSE(TResourceName("#70000").isId());
    EXPECT_EQ(TResourceName("Колода").stored().text(), "КОЛОДА");
    EXPECT_EQ(resourceTypeLabel(TResourceName(10)), "RCDATA");
    EXPECT_EQ(resourceTypeLabel(TResourceName("Jpeg")), "Jpeg");
}

Bytes pattern(std::size_t size, int seed) {
    Bytes b(size);
    for (std::size_t i = 0; i < size; ++i) b[i] = static_cast<std::uint8_t>(i * 31 + seed);
    return b;
}

// One resource of every kind the packs use, in mixed case, with ids, a Cyrillic name, a second
// language and an empty resource.
TPackWriter samplePack() {
    TPackWriter w;
    EXPECT_TRUE(w.addRcData("Ch02ModB", pattern(1000, 1)));
    EXPECT_TRUE(w.addRcData("Kr2JCorB", pattern(20, 2)));
    EXPECT_TRUE(w.addRcData(TResourceName(7), pattern(33, 3)));
    EXPECT_TRUE(w.addJpeg("Fon07B2B", pattern(5000, 4)));
    EXPECT_TRUE(w.addGif("GSpin", pattern(17, 5)));
    EXPECT_TRUE(w.addBitmapFile("Ob01Mo", smallBmp(8, 3)));
    EXPECT_TRUE(w.add(TResourceName(kResourceRcData), "Колода", pattern(9, 6)));
    EXPECT_TRUE(w.add(TResourceName(kResourceRcData), "Колода", pattern(11, 7), 0x0419));
    EXPECT_TRUE(w.addRcData("Empty", {}));
    EXPECT_TRUE(w.add(TResourceName("WAVE"), "WTasoKo", pattern(64, 8)));
    return w;
}

TEST(PackWriter, EverythingWrittenReadsBack) {
    const TPackWriter w = samplePack();
    const auto bytes = w.build();
    ASSERT_TRUE(bytes);
    TPack pack;
    ASSERT_EQ(pack.openBytes(*bytes), TPackStatus::Ok) << pack.error();
    EXPECT_TRUE(pack.is64Bit());
    EXPECT_EQ(pack.entries().size(), w.count());
    for (const TPackResource& r : w.resources()) {
        bool found = false;
        for (const TPackEntry& e : pack.entries()) {
            if (!e.type.sameAs(r.type) || !e.name.sameAs(r.name) || e.language != r.language)
                continue;
            found = true;
            EXPECT_EQ(pack.read(e), r.data) << r.name.text();
        }
        EXPECT_TRUE(found) << r.name.text();
    }
    EXPECT_EQ(pack.readBitmapFile("ob01mo"), smallBmp(8, 3));
    EXPECT_EQ(pack.readJpeg("FON07B2B"), pattern(5000, 4));
    EXPECT_EQ(pack.readRcData("колода"), pattern(9, 6)); // the neutral language first
    EXPECT_EQ(pack.readRcData("Empty"), Bytes{});
    EXPECT_FALSE(pack.readRcData("Missing"));
}

TEST(PackWriter, LayoutIsWhatTheLoaderExpects) {
    auto bytes = samplePack().build();
    ASSERT_TRUE(bytes);
    const Bytes& b = *bytes;
    const std::uint32_t pe = le32(b, 0x3C);
    const std::size_t opt = pe + 24, section = opt + 240;
    EXPECT_EQ(le32(b, pe), 0x4550u);
    EXPECT_EQ(le32(b, opt + 32), 0x1000u);        // section alignment
    EXPECT_EQ(le32(b, opt + 36), 0x200u);         // file alignment
    EXPECT_EQ(le32(b, opt + 56) % 0x1000, 0u);    // size of image
    EXPECT_EQ(le32(b, section + 20) % 0x200, 0u); // raw data pointer
    EXPECT_EQ(b.size() % 0x200, 0u);
    EXPECT_NE(le32(b, opt + 64), 0u); // checksum
    EXPECT_EQ(le32(b, opt + 64), peChecksum(b, opt + 64));
    // Names are stored in capitals and sorted, string names before ids.
    TPack pack;
    ASSERT_EQ(pack.openBytes(b), TPackStatus::Ok);
    std::vector<std::string> rcdata;
    for (const TPackEntry& e : pack.entries())
        if (e.type.isId() && e.type.id() == kResourceRcData && e.language == 0)
            rcdata.push_back(e.name.text());
    EXPECT_EQ(rcdata, (std::vector<std::string>{"CH02MODB", "EMPTY", "KR2JCORB", "КОЛОДА", "#7"}));

    TPackWriter plain = samplePack();
    plain.setChecksum(false);
    EXPECT_EQ(le32(*plain.build(), opt + 64), 0u);
    EXPECT_EQ(samplePack().build(), bytes) << "the same resources give the same file";
}

TEST(PackWriter, RefusesDuplicatesWithoutRegardToCase) {
    TPackWriter w;
    EXPECT_TRUE(w.addRcData("Ch02Mod", {1}));
    EXPECT_FALSE(w.addRcData("CH02MOD", {2}));
    EXPECT_TRUE(w.addJpeg("CH02MOD", {2}));                                     // another type
    EXPECT_TRUE(w.add(TResourceName(kResourceRcData), "ch02mod", {3}, 0x0419)); // another language
    EXPECT_FALSE(w.addBitmapFile("Bad", Bytes(40, 0)));
    EXPECT_EQ(w.count(), 3u);
}

TEST(PackWriter, EmptyPackIsStillALibrary) {
    auto bytes = TPackWriter().build();
    ASSERT_TRUE(bytes);
    TPack pack;
    ASSERT_EQ(pack.openBytes(*bytes), TPackStatus::Ok) << pack.error();
    EXPECT_TRUE(pack.entries().empty());
}

TEST(PackWriter, MinGwObjdumpAndWindresSeeEveryResource) {
    const std::string objdump = "x86_64-w64-mingw32-objdump";
    const std::string windres = "x86_64-w64-mingw32-windres";
    if (!haveTool(objdump) || !haveTool(windres)) GTEST_SKIP() << "MinGW binutils not installed";
    const auto dir = freshFolder("objdump");
    const TPackWriter w = samplePack();
    std::string error;
    ASSERT_TRUE(w.write(dir / "ZovTest.dll", &error)) << error;

    ASSERT_EQ(run(objdump + " -p '" + (dir / "ZovTest.dll").string() + "'", dir / "p.txt"), 0);
    const std::string listing = readText(dir / "p.txt");
    EXPECT_NE(listing.find("file format pei-x86-64"), std::string::npos) << listing;
    std::size_t leaves = 0;
    for (std::size_t at = listing.find("Leaf:"); at != std::string::npos;
         at = listing.find("Leaf:", at + 1))
        ++leaves;
    EXPECT_EQ(leaves, w.count()) << listing;
    for (const char* name :
         {"]: CH02MODB,", "]: KR2JCORB,", "]: FON07B2B,", "]: GSPIN,", "]: OB01MO,", "]: EMPTY,",
          "]: JPEG,", "]: GIF,", "]: WAVE,", "]: WTASOKO,", "ID: 0x000007,", "ID: 0x000419,"})
        EXPECT_NE(listing.find(name), std::string::npos) << name << "\n" << listing;

    // windres reads the library back as its own input and writes a resource script.
    ASSERT_EQ(run(windres + " -i '" + (dir / "ZovTest.dll").string() + "' -O rc -o '" +
                      (dir / "out.rc").string() + "'",
                  dir / "windres.log"),
              0)
        << readText(dir / "windres.log");
    const std::string script = readText(dir / "out.rc");
    for (const char* name : {"CH02MODB", "KR2JCORB", "FON07B2B", "GSPIN", "OB01MO", "WTASOKO"})
        EXPECT_NE(script.find(name), std::string::npos) << name;
    std::filesystem::remove_all(dir);
}

TEST(PackWriter, PefileAgreesOnChecksumAndResources) {
    const std::string python =
        std::filesystem::exists("/usr/bin/python3") ? "/usr/bin/python3" : "python3";
    if (run(python + " -c 'import pefile' >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pefile not installed";
    const auto dir = freshFolder("pefile");
    const TPackWriter w = samplePack();
    ASSERT_TRUE(w.write(dir / "ZovTest.dll"));
    writeText(dir / "check.py",
              "import pefile, sys\n"
              "pe = pefile.PE(sys.argv[1])\n"
              "assert pe.verify_checksum(), 'checksum'\n"
              "assert pe.FILE_HEADER.Characteristics & 0x2000, 'not a DLL'\n"
              "for t in pe.DIRECTORY_ENTRY_RESOURCE.entries:\n"
              "    for n in t.directory.entries:\n"
              "        for l in n.directory.entries:\n"
              "            d = l.data.struct\n"
              "            data = pe.get_data(d.OffsetToData, d.Size)\n"
              "            print(t.name or t.id, n.name or n.id, l.id, len(data))\n");
    ASSERT_EQ(run(python + " '" + (dir / "check.py").string() + "' '" +
                      (dir / "ZovTest.dll").string() + "'",
                  dir / "out.txt"),
              0)
        << readText(dir / "out.txt");
    const std::string out = readText(dir / "out.txt");
    for (const TPackResource& r : w.resources()) {
        const std::string type = r.type.isId() ? std::to_string(r.type.id()) : r.type.text();
        const std::string name = r.name.isId() ? std::to_string(r.name.id()) : r.name.text();
        const std::string line = type + " " + name + " " + std::to_string(r.language) + " " +
                                 std::to_string(r.data.size()) + "\n";
        EXPECT_NE(out.find(line), std::string::npos) << line << out;
    }
    std::filesystem::remove_all(dir);
}

// Offsets inside a pack our writer made, for breaking it on purpose.
struct Layout {
    std::size_t pe, opt, section, root, typeTable, langTable, dataEntry;
};

Layout layoutOf(const Bytes& b) {
    Layout l{};
    l.pe = le32(b, 0x3C);
    l.opt = l.pe + 24;
    l.section = l.opt + 240;
    l.root = le32(b, l.section + 20);
    l.typeTable = l.root + (le32(b, l.root + 16 + 4) & 0x7FFFFFFF);
    l.langTable = l.root + (le32(b, l.typeTable + 16 + 4) & 0x7FFFFFFF);
    l.dataEntry = l.root + le32(b, l.langTable + 16 + 4);
    return l;
}

struct Damage {
    const char* what;
    std::function<void(Bytes&, const Layout&)> apply;
};

class DamagedPack : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedPack, IsUnreadable) {
    TPackWriter w;
    w.addRcData("Ch02ModB", pattern(1000, 1));
    w.addJpeg("Fon07B2B", pattern(3000, 2));
    Bytes bytes = *w.build();
    const Layout layout = layoutOf(bytes);
    GetParam().apply(bytes, layout);

    const auto start = std::chrono::steady_clock::now();
    TPack pack;
    EXPECT_EQ(pack.openBytes(bytes), TPackStatus::Unreadable) << GetParam().what;
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_FALSE(pack.error().empty());
    EXPECT_FALSE(pack.isOpen());
    EXPECT_TRUE(pack.entries().empty());
    EXPECT_FALSE(pack.readRcData("Ch02ModB"));
}

const auto cut = [](std::size_t size) {
    return [size](Bytes& b, const Layout&) { b.resize(std::min(size, b.size())); };
};

INSTANTIATE_TEST_SUITE_P(Damages, DamagedPack,
                         ::
                             testing::Values(Damage{"empty file", cut(0)},
                                             Damage{"cut inside the DOS header", cut(40)},
                                             Damage{"cut inside the PE header", cut(0x90)},
                                             Damage{"cut inside the section table",
                                                    cut(0x80 + 24 + 240 + 20)},
                                             Damage{"cut inside the directory",
                                                    [](Bytes& b, const Layout& l) {
                                                        b.resize(l.root + 20);
                                                    }},
                                             Damage{"cut inside the data",
                                                    [](Bytes& b, const Layout&) {
                                                        b.resize(b.size() - 1000);
                                                    }},
                                             Damage{"wrong MZ magic",
                                                    [](Bytes& b, const Layout&) {
                                                        b[0] = 'Z', b[1] = 'M';
                                                    }},
                                             Damage{"wrong PE signature",
                                                    [](Bytes& b, const Layout& l) {
                                                        b[l.pe + 1] = 'X';
                                                    }},
                                             Damage{"PE header beyond the end",
                                                    [](Bytes& b, const Layout&) {
                                                        putLe32(b, 0x3C, 0x7FFFFFF0);
                                                    }},
                                             Damage{"unknown optional header",
                                                    [](Bytes& b, const Layout& l) {
                                                        putLe16(b, l.opt, 0x30B);
                                                    }},
                                             Damage{"optional header too short",
                                                    [](Bytes& b, const Layout& l) {
                                                        putLe16(b, l.pe + 4 + 16, 20);
                                                    }},
                                             Damage{"absurd number of sections",
                                                    [](Bytes& b, const Layout& l) {
                                                        putLe16(b, l.pe + 4 + 2, 0xFFFF);
                                                    }},
                                             Damage{"resource directory outside every section",
                                                    [](Bytes& b, const Layout& l) {
                                                        putLe32(b, l.opt + 112 + 16, 0x50000);
                                                    }},
                                             Damage{"section raw data beyond the end",
                                                    [](Bytes& b, const Layout& l) {
                                                        putLe32(b, l.section + 20, 0x7FFFFE00);
                                                    }},
                                             Damage{"type table loops to the root",
                                                    [](Bytes& b, const Layout& l) {
                                                        putLe32(b, l.root + 16 + 4, 0x80000000);
                                                    }},
                                             Damage{"language table loops to the type table",
                                                    [](Bytes& b, const Layout& l) {
                                                        putLe32(b, l.typeTable + 16 + 4,
                                                                0x80000000 |
                                                                    static_cast<std::uint32_t>(
                                                                        l.typeTable - l.root));
                                                    }},
                                             Damage{"name beyond the section",
                                                    [](Bytes& b, const Layout& l) {
                                                        putLe32(b, l.typeTable + 16, 0x80FFFF00);
                                                    }},
                                             Damage{
                                                 "name longer than the section",
                                                 [](Bytes& b, const Layout& l) {
                                                     const std::size_t name =
                                                         l.root +
                                                         (le32(b, l.typeTable + 16) & 0x7FFFFFFF);
                                                     putLe16(b, name, 0xFFFF);
                                                 }},
                                             Damage{"data beyond the end of the file",
                                                    [](Bytes& b, const Layout& l) {
                                                        putLe32(b, l.dataEntry, 0x7FFFF000);
                                                    }},
                                             Damage{"absurd data size",
                                                    [](Bytes& b, const Layout& l) {
                                                        putLe32(b, l.dataEntry + 4, 0xFFFFFFF0);
                                                    }},
                                             Damage{"data size past its section",
                                                    [](Bytes& b, const Layout& l) {
                                                        putLe32(b, l.dataEntry + 4, 0x3000);
                                                    }},
                                             Damage{"data entry beyond the section",
                                                    [](Bytes& b, const Layout& l) {
                                                        putLe32(b, l.langTable + 16 + 4,
                                                                0x7FFFFFF0);
                                                    }},
                                             Damage{"absurd entry counts",
                                                    [](Bytes& b, const Layout& l) {
                                                        putLe16(b, l.root + 12, 0xFFFF);
                                                        putLe16(b, l.root + 14, 0xFFFF);
                                                    }},
                                             Damage{"data where a table belongs",
                                                    [](Bytes& b, const Layout& l) {
                                                        putLe32(b, l.root + 16 + 4, 0x20);
                                                    }},
                                             Damage{"table where data belongs",
                                                    [](Bytes& b, const Layout& l) {
                                                        putLe32(b, l.langTable + 16 + 4,
                                                                0x80000000);
                                                    }},
                                             Damage{"id with high bits",
                                                    [](Bytes& b, const Layout& l) {
                                                        putLe32(b, l.langTable + 16, 0x00120000);
                                                    }}),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(PackFile, MissingDamagedAndRealFiles) {
    const auto dir = freshFolder("file");
    TPack pack;
    EXPECT_EQ(pack.open(dir / "ZovNothing.dll"), TPackStatus::Missing);
    EXPECT_EQ(pack.open(dir), TPackStatus::Unreadable); // a folder
    writeFile(dir / "text.dll", Bytes{'h', 'e', 'l', 'l', 'o'});
    EXPECT_EQ(pack.open(dir / "text.dll"), TPackStatus::Unreadable);
    EXPECT_FALSE(pack.error().empty());
    ASSERT_TRUE(samplePack().write(dir / "ZovTest.dll"));
    ASSERT_EQ(pack.open(dir / "ZovTest.dll"), TPackStatus::Ok) << pack.error();
    EXPECT_EQ(pack.readJpeg("Fon07B2B"), pattern(5000, 4));
    EXPECT_EQ(pack.readBitmapFile("Ob01Mo"), smallBmp(8, 3));
    // Moving the object carries the open file along.
    TPack other = std::move(pack);
    EXPECT_EQ(other.readGif("GSpin"), pattern(17, 5));
    // A pack cut short while it is open (replaced by a download) fails its reads, no more.
    TPackWriter big;
    big.addRcData("Big", pattern(100000, 9));
    ASSERT_TRUE(big.write(dir / "ZovBig.dll"));
    ASSERT_EQ(pack.open(dir / "ZovBig.dll"), TPackStatus::Ok);
    std::filesystem::resize_file(dir / "ZovBig.dll", 0x800);
    EXPECT_FALSE(pack.readRcData("Big"));
    std::filesystem::remove_all(dir);
}

TEST(PackFinder, HomeFolderFirstThenSharedFolder) {
    const auto dir = freshFolder("find");
    const auto home = dir / "vantor4";
    std::filesystem::create_directories(home);
    const char* saved = std::getenv("VANTOR_HOME");
    const std::string savedValue = saved ? saved : "";
    ::setenv("VANTOR_HOME", home.c_str(), 1);

    TPackWriter a;
    a.addRcData("Where", {'s'});
    ASSERT_TRUE(a.write(dir / "ZovCards06A.dll"));
    TPackWriter b;
    b.addRcData("Where", {'h'});
    ASSERT_TRUE(b.write(home / "ZovCards06A.dll"));
    ASSERT_TRUE(a.write(dir / "zovbackg03.dll")); // lower case on disk, shared folder only

    EXPECT_EQ(findPack("ZovCards06A.dll"), home / "ZovCards06A.dll");
    EXPECT_EQ(findPack("ZovBackG03.dll"), dir / "zovbackg03.dll");
    EXPECT_FALSE(findPack("ZovCGraph1.dll"));
    EXPECT_FALSE(findPack("../ZovCards06A.dll"));
    EXPECT_FALSE(findPack(""));

    TPack pack;
    ASSERT_EQ(pack.openPack("ZovCards06A.dll"), TPackStatus::Ok);
    EXPECT_EQ(pack.readRcData("where"), Bytes{'h'});
    std::filesystem::remove(home / "ZovCards06A.dll");
    ASSERT_EQ(pack.openPack("ZovCards06A.dll"), TPackStatus::Ok);
    EXPECT_EQ(pack.readRcData("where"), Bytes{'s'});
    EXPECT_EQ(pack.openPack("ZovCGraph1.dll"), TPackStatus::Missing);
    EXPECT_FALSE(pack.isOpen());

    if (saved)
        ::setenv("VANTOR_HOME", savedValue.c_str(), 1);
    else
        ::unsetenv("VANTOR_HOME");
    std::filesystem::remove_all(dir);
}

} // namespace
} // namespace vantor
