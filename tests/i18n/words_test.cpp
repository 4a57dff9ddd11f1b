#include "i18n/language.h"
#include "i18n/lists.h"
#include "i18n/word.h"
#include "i18n/words.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

#include <unistd.h>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace vantor {
namespace {
namespace fs = std::filesystem;

// The translators' table read on its own, independently of the generator.
struct Row {
    int line;
    std::string name;
    std::vector<std::string> text; // ten strings, escapes as written in the table
};

std::vector<std::string> split(const std::string& line, char sep) {
    std::vector<std::string> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = line.find(sep, start);
        out.push_back(line.substr(start, at - start));
        if (at == std::string::npos) return out;
        start = at + 1;
    }
}

std::string unescape(const std::string& s) {
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            const char c = s[++i];
            out += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
        } else {
            out += s[i];
        }
    }
    return out;
}

const std::vector<Row>& table() {
    static const std::vector<Row> rows = [] {
        std::vector<Row> rows;
        std::ifstream in(VANTOR_WORDS_TABLE, std::ios::binary);
        std::string line;
        int number = 0;
        while (std::getline(in, line)) {
            ++number;
            if (line.empty() || line[0] == '#') continue;
            std::vector<std::string> fields = split(line, '\t');
            Row row{number, fields[0], {}};
            for (std::size_t i = 1; i < fields.size(); ++i) row.text.push_back(unescape(fields[i]));
            rows.push_back(std::move(row));
        }
        return rows;
    }();
    return rows;
}

// The entries whose only string is at the fixed index, and the one with an empty Korean text.
const std::set<std::string> kFixedTitles = {"TopTenLocalHeading", "TopTenNetHeading",
                                            "TopTenTournamentHeading"};

bool isCjk(std::size_t language) {
    return language == 5 || language == 8 || language == 9;
}

bool hasLatinLetter(const std::string& s) {
    for (char c : s)
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) return true;
    return false;
}

std::size_t count(const std::string& s, const std::string& what) {
    std::size_t n = 0;
    for (std::size_t at = s.find(what); at != std::string::npos; at = s.find(what, at + 1)) ++n;
    return n;
}

std::size_t codePoints(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s) n += (c & 0xC0) != 0x80;
    return n;
}

bool endsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

TEST(WordTable, EveryRowHasANameAndTenStrings) {
    ASSERT_GT(table().size(), 390u);
    std::set<std::string> names;
    for (const Row& row : table()) {
        EXPECT_EQ(row.text.size(), kLanguageCount) << "line " << row.line;
        EXPECT_TRUE(names.insert(row.name).second) << row.name;
        if (row.text.size() != kLanguageCount) continue;
        if (kFixedTitles.count(row.name)) {
            for (std::size_t l = 0; l < kLanguageCount; ++l)
                EXPECT_EQ(row.text[l].empty(), l != languageIndex(kFixedTitleLanguage)) << row.name;
            continue;
        }
        for (std::size_t l = 0; l < kLanguageCount; ++l) {
            const bool koreanPlayer = row.name == "Player" && l == 9;
            EXPECT_EQ(row.text[l].empty(), koreanPlayer) << row.name << " language " << l;
        }
    }
}

TEST(WordTable, HoldsEveryTextOfTheVocabulary) {
    std::set<std::string> english;
    for (const Row& row : table()) {
        english.insert(row.text[0]);
        if (kFixedTitles.count(row.name)) english.insert(row.text[1]);
    }
    std::ifstream in(std::string(VANTOR_TEST_DATA) + "/vocabulary.txt", std::ios::binary);
    std::string line;
    int texts = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        ++texts;
        EXPECT_TRUE(english.count(unescape(line))) << "missing: \"" << line << "\"";
    }
    EXPECT_GT(texts, 290);
}

TEST(WordTable, TheSampleRowsReadExactly) {
    const std::map<std::string, std::vector<std::string>> samples = {
        {"Options",
         {"Options", "Опции", "Optionen", "Options", "Opciones", "選項", "Opzioni", "Možnosti",
          "オプション", "옵션"}},
        {"Exit",
         {"Exit", "Выход", "Exit", "Sortir", "Salida", "出口", "Uscita", "Výstup", "出口", "출구"}},
        {"Pass",
         {"Pass", "Пас", "Passe", "Passe", "Pasar", "經過", "Passo", "Složit", "合格", "통과하다"}},
        {"Minister",
         {"Minister", "Министр", "Minister", "Ministre", "Ministro", "部長", "Ministro", "Ministr",
          "大臣", "장관"}},
        {"Citizen",
         {"Citizen", "Гражданин", "Bürger", "Citoyen", "Ciudadano", "公民", "Cittadino", "Občan",
          "市民", "시민"}},
        {"CantSaveOptions",
         {"Can`t save options!", "Не могу сохранить опции!",
          "Optionen kann nicht gespeichert werden!", "Impossible d`enregistrer les options!",
          "¡No se pueden guardar opciones!", "無法保存選項！", "Impossibile salvare le opzioni!",
          "Možnosti nelze uložit!", "オプションを保存できません！", "옵션을 저장할 수 없습니다!"}},
    };
    int found = 0;
    for (const Row& row : table()) {
        const auto it = samples.find(row.name);
        if (it == samples.end()) continue;
        ++found;
        EXPECT_EQ(row.text, it->second) << row.name;
    }
    EXPECT_EQ(found, 6);
}

TEST(WordTable, TranslationsKeepLineBreaksEdgesAndColons) {
    for (const Row& row : table()) {
        if (kFixedTitles.count(row.name) || row.name == "AnniversarySuffix") continue;
        const std::string& en = row.text[0];
        for (std::size_t l = 1; l < kLanguageCount; ++l) {
            const std::string& t = row.text[l];
            if (t.empty()) continue;
            const std::string where = row.name + " language " + std::to_string(l);
            EXPECT_EQ(count(t, "\n\r"), count(en, "\n\r")) << where;
            EXPECT_EQ(count(t, "\n"), count(en, "\n")) << where;
            // An unpaired quote mark opens or closes a file name joined to the text.
            const bool unpaired = count(en, "\"") % 2 == 1;
            if (!en.empty() && (en.front() == ' ' || (unpaired && en.front() == '"'))) {
                EXPECT_EQ(t.front(), en.front()) << where;
            }
            if (unpaired && endsWith(en, "\"")) {
                EXPECT_TRUE(endsWith(t, "\"")) << where;
            }
            // A trailing blank joins the text to what follows; a full-width colon already
            // carries its own space.
            if (endsWith(en, " ")) {
                EXPECT_TRUE(endsWith(t, " ") || endsWith(t, "：")) << where;
            }
            std::string trimmed = en, tt = t;
            while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
            while (!tt.empty() && tt.back() == ' ') tt.pop_back();
            if (endsWith(trimmed, ":")) {
                EXPECT_TRUE(endsWith(tt, ":") || endsWith(tt, "：")) << where;
            }
        }
    }
}

TEST(WordTable, TranslationsAreNotCopiesOfTheEnglish) {
    std::vector<int> copies(kLanguageCount, 0);
    int rows = 0;
    for (const Row& row : table()) {
        if (kFixedTitles.count(row.name)) continue;
        ++rows;
        for (std::size_t l = 1; l < kLanguageCount; ++l) {
            if (row.text[l] != row.text[0]) continue;
            ++copies[l];
            // Chinese, Japanese and Korean write no English words in their own script.
            if (isCjk(l)) {
                EXPECT_FALSE(hasLatinLetter(row.text[0])) << row.name << " language " << l;
            }
        }
    }
    // Names, brands and shared words (Radio, Chat, Design) may match; a placeholder table would
    // match nearly everywhere.
    for (std::size_t l = 1; l < kLanguageCount; ++l)
        EXPECT_LT(copies[l] * 100 / rows, 15) << "language " << l << ": " << copies[l] << " copies";
}

TEST(WordTable, TheClubHeadingKeepsItsColumns) {
    EXPECT_EQ(words::ClubListHeading[1][TLanguage::English],
              " The members of club    Games    Score ");
    EXPECT_EQ(words::ClubListHeading[2][TLanguage::English],
              " The members of club    Games   Rating ");
    for (int mode : {1, 2}) {
        for (std::size_t l = 0; l < kLanguageCount; ++l) {
            if (isCjk(l)) continue; // double-width characters, aligned by display width
            const std::string text(words::ClubListHeading[mode].text[l]);
            EXPECT_EQ(codePoints(text), 39u) << mode << " language " << l << ": " << text;
        }
    }
    EXPECT_EQ(&clubListHeading(2), &words::ClubListHeading[2]);
    EXPECT_EQ(&clubListHeading(7), &words::ClubListHeading[1]);
}

TEST(GeneratedWords, MatchTheTableEntryForEntry) {
    const auto all = words::allWords();
    ASSERT_EQ(all.size(), table().size());
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].name, table()[i].name);
        for (std::size_t l = 0; l < kLanguageCount; ++l)
            EXPECT_EQ(all[i].entry->text[l], table()[i].text[l]) << all[i].name;
    }
    EXPECT_EQ(words::NameChanged[TLanguage::English],
              "Your name and/or the password were successfully changed!\n\rNew name: ");
}

TEST(Word, FollowsTheBoundLanguageWithoutFallback) {
    TLanguage language = TLanguage::English;
    bindLanguage(&language);
    EXPECT_EQ(Word(words::Player), "Player");
    language = TLanguage::Korean;
    EXPECT_EQ(Word(words::Player), ""); // shown empty, no English in its place
    EXPECT_EQ(Word(words::Citizen), "시민");
    language = TLanguage::Russian;
    EXPECT_EQ(Word(words::CantSaveOptions), "Не могу сохранить опции!");
    language = static_cast<TLanguage>(12); // never stored, but cannot index past the table
    EXPECT_EQ(Word(words::Options), "Options");
    bindLanguage(nullptr);
    EXPECT_EQ(Word(words::Exit), "Exit");
}

TEST(Word, TopTenHeadingsAreEnglishInEveryLanguage) {
    for (const WordEntry* entry :
         {&words::TopTenLocalHeading, &words::TopTenNetHeading, &words::TopTenTournamentHeading})
        EXPECT_EQ((*entry)[kFixedTitleLanguage].substr(0, 9), "WINDOWS. ");
    EXPECT_EQ(words::TopTenNetHeading[kFixedTitleLanguage], "WINDOWS. NET GAMES");
}

TEST(Languages, NamesCodesAndFlags) {
    struct Case {
        TLanguage language;
        std::string_view name, code, flag;
    };
    const Case cases[] = {
        {TLanguage::English, "English", "Eng", "FlagOEng"},
        {TLanguage::Russian, "Русский", "Rus", "FlagORus"},
        {TLanguage::Czech, "Čeština", "Cze", "FlagOCze"},
        {TLanguage::Japanese, "日本", "Eng", "FlagOJap"},
        {TLanguage::Korean, "한국인", "Eng", "FlagOKor"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(languageName(c.language), c.name);
        EXPECT_EQ(languageCode(c.language), c.code);
        EXPECT_EQ(languageFlagPicture(c.language), c.flag);
    }
    EXPECT_EQ(languageFromIndex(9), TLanguage::Korean);
    EXPECT_EQ(languageFromIndex(10), TLanguage::English);
    EXPECT_EQ(languageFromIndex(-1), TLanguage::English);
}

TEST(Lists, NumberedEntriesStayInsideTheirLists) {
    EXPECT_EQ(faceSetName(0)->text[0], "Classical-1");
    EXPECT_EQ(faceSetName(47)->text[0], "Czech");
    EXPECT_EQ(faceSetName(48), nullptr);
    EXPECT_EQ(faceSetName(-1), nullptr);
    EXPECT_EQ(backSetName(12)->text[0], "Russian");
    EXPECT_EQ(backSetName(13), nullptr);
    EXPECT_EQ(backgroundName(2)->text[0], "Felt");
    EXPECT_EQ(backgroundName(0), nullptr);
    EXPECT_EQ(backgroundColourName(2)->text[0], "Orang");
    EXPECT_EQ(backgroundColourName(7), nullptr);
    EXPECT_EQ(monthName(1)->text[1], "Января");
    EXPECT_EQ(zodiacName(12)->text[0], "Pisces");
    EXPECT_EQ(yearAnimalName(2020)->text[0], "Year Of The Rat");
    EXPECT_EQ(yearAnimalName(2016)->text[0], "Year Of The Monkey");
    EXPECT_EQ(holidayGroupName("RUS")->text[0], "Russian Festival");
    EXPECT_EQ(holidayGroupName("ALL"), nullptr);
    EXPECT_EQ(words::AnniversarySuffix[TLanguage::Russian], "-я годовщина");
}

// The generator run on broken tables: the build must stop, naming the line.
TEST(WordGenerator, RejectsMalformedRowsWithTheirLineNumber) {
    const std::string good = "Ok\tOk\tОК\tOK\tOK\tAceptar\t確定\tOK\tOK\tOK\t확인";
    struct Case {
        const char* what;
        std::string table;
        int line; // 0: the table is good
    };
    const std::vector<Case> cases = {
        {"good", "# comment\n\n" + good + "\n", 0},
        {"too few strings", good + "\nBad\tone\ttwo\n", 2},
        {"too many strings", "# c\n" + good + "\tmore\n", 2},
        {"unknown escape", good + "\n" + "Esc\ta\\q\tb\tc\td\te\tf\tg\th\ti\tj\n", 2},
        {"twice", good + "\n" + good + "\n", 2},
        {"bad name", "1st\ta\tb\tc\td\te\tf\tg\th\ti\tj\n", 1},
        {"broken UTF-8", "\n\nU\ta\t\xD0\tc\td\te\tf\tg\th\ti\tj\n", 3},
        {"index out of order", "H[2]\ta\tb\tc\td\te\tf\tg\th\ti\tj\n", 1},
    };
    const fs::path folder =
        fs::temp_directory_path() / ("vantor-wordgen-test-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    for (const Case& c : cases) {
        std::ofstream(folder / "words.tsv", std::ios::binary) << c.table;
        const std::string command =
            std::string("\"") + VANTOR_WORDGEN + "\" \"" + (folder / "words.tsv").string() +
            "\" \"" + (folder / "w.h").string() + "\" \"" + (folder / "w.cpp").string() +
            "\" 2> \"" + (folder / "err.txt").string() + "\"";
        const int status = std::system(command.c_str());
        std::ifstream err(folder / "err.txt");
        std::stringstream message;
        message << err.rdbuf();
        if (c.line == 0) {
            EXPECT_EQ(status, 0) << c.what << ": " << message.str();
        } else {
            EXPECT_NE(status, 0) << c.what;
            EXPECT_NE(message.str().find("words.tsv:" + std::to_string(c.line) + ":"),
                      std::string::npos)
                << c.what << ": " << message.str();
        }
    }
    fs::remove_all(folder);
}

} // namespace
} // namespace vantor
