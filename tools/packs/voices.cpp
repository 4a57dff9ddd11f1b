// The voice pack: every card's name in the ten interface languages, spoken by eSpeak NG and
// stored as 16-bit PCM WAVE clips under the names the game asks for ("Ch3QVoiceEng").
#include "base/wave.h"
#include "engine/cards.h"
#include "media/cues.h"
#include "recipes.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <deque>
#include <memory>

namespace vantor::tool {
namespace {

// Ranks in the order 2..10, jack, queen, king, ace; suits hearts, diamonds, clubs, spades.
constexpr std::array<char, 13> kRanks = {'2', '3', '4',       '5',        '6',       '7',     '8',
                                         '9', '1', kRankJack, kRankQueen, kRankKing, kRankAce};

// How a language names a card. Where the suit is an adjective agreeing with the rank
// (Russian, Czech), `genders` gives each rank's form: 0 masculine, 1 feminine, 2 neuter.
struct TCardWords {
    TLanguage language;
    const char* voice; // the eSpeak NG voice
    bool suitFirst;
    const char* joiner; // between the two words, in their spoken order
    std::array<const char*, 13> ranks;
    std::array<std::array<const char*, 3>, 4> suits;
    std::array<int, 13> genders;
    const char* redJoker;
    const char* blackJoker;
};

// Chinese is written in pinyin with tone numbers: Debian's Mandarin dictionary lacks many of
// these characters, and the pinyin voice reads the tones faithfully.
const std::array<TCardWords, kLanguageCount> kWords = {{
    {TLanguage::English,
     "en",
     false,
     " of ",
     {"Two", "Three", "Four", "Five", "Six", "Seven", "Eight", "Nine", "Ten", "Jack", "Queen",
      "King", "Ace"},
     {{{"hearts"}, {"diamonds"}, {"clubs"}, {"spades"}}},
     {},
     "Red joker",
     "Black joker"},
    {TLanguage::Russian,
     "ru",
     true,
     " ",
     {"двойка", "тройка", "четвёрка", "пятёрка", "шестёрка", "семёрка", "восьмёрка", "девятка",
      "десятка", "валет", "дама", "король", "туз"},
     {{{"Червовый", "Червовая"},
       {"Бубновый", "Бубновая"},
       {"Трефовый", "Трефовая"},
       {"Пиковый", "Пиковая"}}},
     {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 0, 0},
     "Красный джокер",
     "Чёрный джокер"},
    {TLanguage::German,
     "de",
     true,
     "-",
     {"Zwei", "Drei", "Vier", "Fünf", "Sechs", "Sieben", "Acht", "Neun", "Zehn", "Bube", "Dame",
      "König", "Ass"},
     {{{"Herz"}, {"Karo"}, {"Kreuz"}, {"Pik"}}},
     {},
     "Roter Joker",
     "Schwarzer Joker"},
    {TLanguage::French,
     "fr",
     false,
     " de ",
     {"Deux", "Trois", "Quatre", "Cinq", "Six", "Sept", "Huit", "Neuf", "Dix", "Valet", "Dame",
      "Roi", "As"},
     {{{"cœur"}, {"carreau"}, {"trèfle"}, {"pique"}}},
     {},
     "Joker rouge",
     "Joker noir"},
    {TLanguage::Spanish,
     "es",
     false,
     " de ",
     {"Dos", "Tres", "Cuatro", "Cinco", "Seis", "Siete", "Ocho", "Nueve", "Diez", "Jota", "Reina",
      "Rey", "As"},
     {{{"corazones"}, {"diamantes"}, {"tréboles"}, {"picas"}}},
     {},
     "Comodín rojo",
     "Comodín negro"},
    {TLanguage::Chinese,
     "cmn-latn-pinyin",
     true,
     " ",
     {"er4", "san1", "si4", "wu3", "liu4", "qi1", "ba1", "jiu3", "shi2", "jie2ke4", "huang2hou4",
      "guo2wang2", "ai4si1"},
     {{{"hong2tao2"}, {"fang1kuai4"}, {"mei2hua1"}, {"hei1tao2"}}},
     {},
     "da4wang2",
     "xiao3wang2"},
    {TLanguage::Italian,
     "it",
     false,
     " di ",
     {"Due", "Tre", "Quattro", "Cinque", "Sei", "Sette", "Otto", "Nove", "Dieci", "Fante", "Donna",
      "Re", "Asso"},
     {{{"cuori"}, {"quadri"}, {"fiori"}, {"picche"}}},
     {},
     "Jolly rosso",
     "Jolly nero"},
    {TLanguage::Czech,
     "cs",
     true,
     " ",
     {"dvojka", "trojka", "čtyřka", "pětka", "šestka", "sedmička", "osmička", "devítka", "desítka",
      "kluk", "dáma", "král", "eso"},
     {{{"Srdcový", "Srdcová", "Srdcové"},
       {"Kárový", "Kárová", "Kárové"},
       {"Křížový", "Křížová", "Křížové"},
       {"Pikový", "Piková", "Pikové"}}},
     {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 1, 0, 2},
     "Červený žolík",
     "Černý žolík"},
    {TLanguage::Japanese,
     "ja",
     true,
     "の",
     {"に", "さん", "よん", "ご", "ろく", "なな", "はち", "きゅう", "じゅう", "ジャック",
      "クイーン", "キング", "エース"},
     {{{"ハート"}, {"ダイヤ"}, {"クラブ"}, {"スペード"}}},
     {},
     "あかのジョーカー",
     "くろのジョーカー"},
    {TLanguage::Korean,
     "ko",
     true,
     " ",
     {"이", "삼", "사", "오", "육", "칠", "팔", "구", "십", "잭", "퀸", "킹", "에이스"},
     {{{"하트"}, {"다이아몬드"}, {"클로버"}, {"스페이드"}}},
     {},
     "빨간 조커",
     "검은 조커"},
}};

struct TClipJob {
    std::string name;
    std::string voice;
    std::string text;
};

std::vector<TClipJob> clipJobs() {
    std::vector<TClipJob> jobs;
    for (const TCardWords& w : kWords) {
        for (int number = 1; number <= kDeckSize; ++number) {
            const TCardCode code = cardOfNumber(number);
            std::string text;
            if (code.isJoker()) {
                text = code.chars[1] == '2' ? w.redJoker : w.blackJoker;
            } else {
                const int rank = static_cast<int>(
                    std::find(kRanks.begin(), kRanks.end(), code.chars[0]) - kRanks.begin());
                const int suit = static_cast<int>(
                    std::find(kSuits.begin(), kSuits.end(), code.chars[1]) - kSuits.begin());
                if (rank >= 13 || suit >= 4) continue;
                const char* suitWord = w.suits[suit][w.genders[rank]];
                if (!suitWord) suitWord = w.suits[suit][0];
                text = w.suitFirst ? std::string(suitWord) + w.joiner + w.ranks[rank]
                                   : std::string(w.ranks[rank]) + w.joiner + suitWord;
            }
            jobs.push_back({voiceClipName(code, w.language), w.voice, std::move(text)});
        }
    }
    return jobs;
}

// The speech without the silence eSpeak NG puts around it, less a few milliseconds of air.
void trimSilence(TPcmSound& sound) {
    const std::size_t margin = sound.sampleRate / 100 * sound.channels;
    auto loud = [](std::int16_t s) { return s > 300 || s < -300; };
    const auto first = std::find_if(sound.samples.begin(), sound.samples.end(), loud);
    if (first == sound.samples.end()) return;
    const auto last = std::find_if(sound.samples.rbegin(), sound.samples.rend(), loud).base();
    std::size_t from = static_cast<std::size_t>(first - sound.samples.begin());
    std::size_t to = static_cast<std::size_t>(last - sound.samples.begin());
    from = from > margin ? from - margin : 0;
    to = std::min(sound.samples.size(), to + margin);
    from -= from % sound.channels;
    to -= to % sound.channels;
    sound.samples = std::vector<std::int16_t>(sound.samples.begin() + static_cast<long>(from),
                                              sound.samples.begin() + static_cast<long>(to));
}

constexpr int kParallel = 6;
constexpr int kSpeakTimeoutMs = 20000;

} // namespace

bool addVoices(TPackWriter& writer, const TBuildOptions& options, std::string& why) {
    const QString espeak = QStandardPaths::findExecutable("espeak-ng");
    if (espeak.isEmpty()) {
        why = "espeak-ng is not installed";
        return false;
    }
    // QProcess wants an application object; the tool may have none yet.
    std::unique_ptr<QCoreApplication> app;
    static int argc = 1;
    static char name[] = "vantor-packs";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) app = std::make_unique<QCoreApplication>(argc, argv);

    const std::vector<TClipJob> jobs = clipJobs();
    std::deque<std::pair<std::size_t, std::unique_ptr<QProcess>>> running;
    std::size_t next = 0;
    auto launch = [&] {
        auto process = std::make_unique<QProcess>();
        process->setProgram(espeak);
        process->setArguments({"-v", QString::fromStdString(jobs[next].voice), "--stdout",
                               QString::fromStdString(jobs[next].text)});
        process->setProcessChannelMode(QProcess::SeparateChannels);
        process->start();
        running.emplace_back(next++, std::move(process));
    };
    while (next < jobs.size() || !running.empty()) {
        while (next < jobs.size() && running.size() < kParallel) launch();
        auto [index, process] = std::move(running.front());
        running.pop_front();
        const TClipJob& job = jobs[index];
        if (!process->waitForFinished(kSpeakTimeoutMs) ||
            process->exitStatus() != QProcess::NormalExit || process->exitCode() != 0) {
            process->kill();
            process->waitForFinished(1000);
            why = "espeak-ng failed on \"" + job.text + "\" (voice " + job.voice +
                  "): " + process->readAllStandardError().trimmed().toStdString();
            for (auto& [i, p] : running) {
                p->kill();
                p->waitForFinished(1000);
            }
            return false;
        }
        const QByteArray out = process->readAllStandardOutput();
        std::optional<TPcmSound> sound = decodeWave(std::span<const std::uint8_t>(
            reinterpret_cast<const std::uint8_t*>(out.constData()), out.size()));
        if (!sound || sound->samples.empty()) {
            why = "espeak-ng gave no sound for \"" + job.text + "\" (voice " + job.voice + ")";
            return false;
        }
        trimSilence(*sound);
        if (!writer.addRcData(job.name, encodeWave(*sound))) {
            why = "two clips named " + job.name;
            return false;
        }
    }
    if (options.log)
        *options.log << kVoicePack << ": " << jobs.size() << " clips spoken by espeak-ng\n";
    return true;
}

} // namespace vantor::tool
