// Turns the translators' table i18n/words.tsv into the named word entries of the program.
//
//   wordgen words.tsv words.h words.cpp
//
// Each row: the entry name, a tab, then the ten strings in language order separated by tabs.
// Blank lines and lines starting with '#' are ignored. Inside a string "\n" and "\r" stand for
// a line feed and a carriage return (a line break is written "\n\r"), "\t" for a tab and "\\"
// for a backslash. A name "Name[k]" makes Name an array of texts indexed from 1.
// Any malformed row stops the build with "file:line: message".
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kLanguages = 10;

struct Row {
    int line = 0;
    std::string name; // as written, e.g. "ClubListHeading[2]"
    std::string base; // "ClubListHeading"
    int index = 0;    // 2 for "[2]", 0 for a plain entry
    std::vector<std::string> text;
};

[[noreturn]] void fail(const std::string& file, int line, const std::string& message) {
    std::cerr << file << ":" << line << ": error: " << message << "\n";
    std::exit(1);
}

bool validUtf8(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        int extra = 0;
        char32_t cp = 0;
        if (c < 0x80) {
            ++i;
            continue;
        } else if ((c & 0xE0) == 0xC0) {
            extra = 1;
            cp = c & 0x1F;
        } else if ((c & 0xF0) == 0xE0) {
            extra = 2;
            cp = c & 0x0F;
        } else if ((c & 0xF8) == 0xF0) {
            extra = 3;
            cp = c & 0x07;
        } else {
            return false;
        }
        if (i + extra >= s.size()) return false;
        for (int k = 1; k <= extra; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        static const char32_t kMin[4] = {0, 0x80, 0x800, 0x10000};
        if (cp < kMin[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += extra + 1;
    }
    return true;
}

bool validIdentifier(const std::string& s) {
    if (s.empty() || !(std::isalpha(static_cast<unsigned char>(s[0])) || s[0] == '_')) return false;
    for (char c : s)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) return false;
    return true;
}

std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    return fields;
}

// The string's escapes resolved; returns false on an unknown escape.
bool unescape(const std::string& in, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < in.size(); ++i) {
        if (in[i] != '\\') {
            out += in[i];
            continue;
        }
        if (++i == in.size()) return false;
        switch (in[i]) {
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            return false;
        }
    }
    return true;
}

// A C++ string literal that survives any source character set: everything outside printable
// ASCII as a three-digit octal escape (octal escapes never swallow a following digit).
std::string literal(const std::string& s) {
    std::string out = "\"";
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c >= 0x20 && c < 0x7F && c != '?') {
            out += ch;
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\%03o", c);
            out += buf;
        }
    }
    return out + "\"";
}

std::vector<Row> readTable(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) fail(file, 0, "cannot open the word table");
    std::vector<Row> rows;
    std::set<std::string> names;
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        if (!validUtf8(line)) fail(file, number, "the row is not valid UTF-8");
        std::vector<std::string> fields = splitTabs(line);
        if (fields.size() != 1 + kLanguages)
            fail(file, number,
                 "expected a name and " + std::to_string(kLanguages) + " strings, found " +
                     std::to_string(fields.size()) + " fields");
        Row row;
        row.line = number;
        row.name = fields[0];
        row.base = row.name;
        if (const auto open = row.name.find('['); open != std::string::npos) {
            const std::string digits = row.name.substr(open + 1);
            if (digits.size() != 2 || digits[1] != ']' || digits[0] < '1' || digits[0] > '9')
                fail(file, number, "an indexed name is written Name[1] .. Name[9]");
            row.base = row.name.substr(0, open);
            row.index = digits[0] - '0';
        }
        if (!validIdentifier(row.base))
            fail(file, number, "\"" + row.name + "\" is not a valid entry name");
        if (!names.insert(row.name).second)
            fail(file, number, "entry \"" + row.name + "\" is defined twice");
        for (int k = 1; k <= kLanguages; ++k) {
            std::string text;
            if (!unescape(fields[k], text))
                fail(file, number, "unknown escape in string " + std::to_string(k));
            row.text.push_back(text);
        }
        rows.push_back(std::move(row));
    }
    if (rows.empty()) fail(file, number, "the word table has no entries");
    return rows;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: wordgen words.tsv words.h words.cpp\n";
        return 2;
    }
    const std::string table = argv[1];
    const std::vector<Row> rows = readTable(table);

    // Indexed entries must run 1..K without gaps and must not share a name with a plain one.
    std::map<std::string, std::vector<const Row*>> groups;
    std::vector<std::string> order;
    for (const Row& row : rows) {
        auto& group = groups[row.base];
        if (group.empty()) order.push_back(row.base);
        if (!group.empty() && (group.front()->index == 0) != (row.index == 0))
            fail(table, row.line, "\"" + row.base + "\" is used both with and without an index");
        if (row.index != 0 && row.index != static_cast<int>(group.size()) + 1)
            fail(table, row.line, "\"" + row.name + "\" is out of order (indices run from 1)");
        if (row.index == 0 && !group.empty())
            fail(table, row.line, "entry \"" + row.name + "\" is defined twice");
        group.push_back(&row);
    }

    std::ostringstream h, cpp;
    h << "#pragma once\n// Generated from i18n/words.tsv by wordgen. Edit the table, not this "
         "file.\n\n"
         "#include \"i18n/word.h\"\n\n#include <span>\n\nnamespace vantor::words {\n\n";
    cpp << "// Generated from i18n/words.tsv by wordgen. Edit the table, not this file.\n"
           "#include \"i18n/words.h\"\n\nnamespace vantor::words {\n\n";
    auto entryInit = [](const Row& row) {
        std::string s = "{{";
        for (int k = 0; k < kLanguages; ++k) s += (k ? ", " : "") + literal(row.text[k]);
        return s + "}}";
    };
    for (const std::string& base : order) {
        const auto& group = groups[base];
        if (group.front()->index == 0) {
            h << "extern const WordEntry " << base << ";\n";
            cpp << "const WordEntry " << base << " = " << entryInit(*group.front()) << ";\n";
        } else {
            // One larger than the texts, so the one-based selector indexes it directly.
            h << "extern const WordEntry " << base << "[" << group.size() + 1 << "];\n";
            cpp << "const WordEntry " << base << "[" << group.size() + 1 << "] = {\n    {},\n";
            for (const Row* row : group) cpp << "    " << entryInit(*row) << ",\n";
            cpp << "};\n";
        }
    }
    h << "\n// Every entry under its name in the table, in table order.\nstd::span<const "
         "NamedWordEntry> allWords();\n\n} // namespace vantor::words\n";
    cpp << "\nnamespace {\nconst NamedWordEntry kAll[] = {\n";
    for (const Row& row : rows) {
        cpp << "    {" << literal(row.name) << ", &" << row.base;
        if (row.index) cpp << "[" << row.index << "]";
        cpp << "},\n";
    }
    cpp << "};\n} // namespace\n\nstd::span<const NamedWordEntry> allWords() { return kAll; }\n\n"
           "} // namespace vantor::words\n";

    // Rewrite the outputs only when they change, so an edit of one row rebuilds little.
    auto write = [&](const char* path, const std::string& content) {
        std::ifstream old(path, std::ios::binary);
        std::stringstream current;
        current << old.rdbuf();
        if (old && current.str() == content) return;
        old.close();
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out << content;
        if (!out.flush()) fail(path, 0, "cannot write the generated file");
    };
    write(argv[2], h.str());
    write(argv[3], cpp.str());
    return 0;
}
