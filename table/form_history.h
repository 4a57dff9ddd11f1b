#pragma once
// TFHistory: the history files on the left, the games of the chosen file in a table on the
// right, coloured by the kind of game. The file viewed last is chosen again during the run.

#include "records/history.h"
#include "table/form_aux.h"

#include <filesystem>
#include <vector>

class QListWidget;
class QTableWidget;

namespace vantor {

class TFHistory : public TAuxWindow {
public:
    TFHistory(const std::filesystem::path& home, QWidget* parent = nullptr);

    // The number of the file shown (0 when none).
    int shownFile() const { return shown; }
    void showFile(int number);
    // The history file viewed last during this run (0: none yet).
    static int& lastViewed();

    QListWidget* ListBox1 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    TZovCardsButton* Button1 = nullptr;

private:
    std::filesystem::path home;
    std::vector<THistoryListEntry> files;
    int shown = 0;
};

// BHistory on the menu: "WOpenFo", then the window.
void ShowHistory(const std::filesystem::path& home,
                 const std::function<void(std::string_view cue)>& playCue,
                 QWidget* parent = nullptr);

} // namespace vantor
