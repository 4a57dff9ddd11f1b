#pragma once
// TFormTopTen: the local top ten of the current mode (the games against the computer, or the LAN
// games while the LAN flag is set), read from the club file.

#include "records/club.h"
#include "table/form_aux.h"

#include <array>
#include <filesystem>

namespace vantor {

struct TTopTenRow {
    QString name;   // positions 1-20
    QString result; // positions 21-26
};

// The ten rows of a club file; empty rows when the file cannot be read.
std::array<TTopTenRow, 10> readTopTenRows(const std::filesystem::path& clubPath);

class TFormTopTen : public TAuxWindow {
public:
    // `home` holds the club files; `lan` picks "Vantor4.net".
    TFormTopTen(const std::filesystem::path& home, bool lan, QWidget* parent = nullptr);

    const std::array<TTopTenRow, 10>& rows() const { return topRows; }
    QImage tablePicture() const;

    QLabel* ImageTable = nullptr;
    TAnimationLabel* AnimationTopTen = nullptr;
    TAnimationLabel* AnimationClub = nullptr;
    TZovCardsButton* Button1 = nullptr;

private:
    bool lan;
    std::array<TTopTenRow, 10> topRows;
};

// Button9 on the menu: "WOpenFo", then the window.
void ShowTopTen(const std::filesystem::path& home, bool lan,
                const std::function<void(std::string_view cue)>& playCue,
                QWidget* parent = nullptr);

} // namespace vantor
