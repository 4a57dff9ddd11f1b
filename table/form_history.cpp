#include "table/form_history.h"

#include "i18n/words.h"
#include "records/club.h"

#include <QApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QTableWidget>

namespace vantor {

namespace {
constexpr int kWidth = 900;
constexpr int kHeight = 520;
} // namespace

int& TFHistory::lastViewed() {
    static int number = 0;
    return number;
}

TFHistory::TFHistory(const std::filesystem::path& folder, QWidget* parent)
    : TAuxWindow(QStringLiteral("History"), words::HistoryOfGames, parent), home(folder) {
    setWindowTitle(wordText(words::HistoryOfGames));
    layoutHeader(kWidth);
    const int top = contentTop();
    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(8, top, 200, kHeight - top - 50);
    ListBox1->setFont(slotFont("decor", 10));
    StringGrid1 = new QTableWidget(this);
    StringGrid1->setGeometry(216, top, kWidth - 224, kHeight - top - 50);
    StringGrid1->setColumnCount(7);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::NoSelection);
    StringGrid1->verticalHeader()->hide();
    StringGrid1->setMouseTracking(true);
    StringGrid1->setStyleSheet(QStringLiteral(
        "QHeaderView::section { background: #D8C8A0; font-weight: bold; padding: 2px; }"
        "QTableWidget::item:hover { background: #FFF0C0; }"));
    QStringList headings;
    for (std::string_view h : historyHeadings())
        headings << QString::fromStdString(wordByEnglish(h));
    StringGrid1->setHorizontalHeaderLabels(headings);
    const int widths[7] = {50, 90, 250, 50, 80, 80, 70};
    for (int c = 0; c < 7; ++c) StringGrid1->setColumnWidth(c, widths[c]);
    StringGrid1->horizontalHeader()->setStretchLastSection(true);

    files = listHistoryFiles(home, clubFileName(ClubKind::Computer));
    if (files.empty()) {
        ListBox1->addItem(QString::fromStdString(wordByEnglish(historyEmptyListText())));
        ListBox1->setEnabled(false);
    } else {
        for (const THistoryListEntry& e : files) ListBox1->addItem(QString::fromStdString(e.text));
        int choose = files.back().number;
        for (const THistoryListEntry& e : files)
            if (e.number == lastViewed()) choose = e.number;
        showFile(choose);
    }
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < static_cast<int>(files.size()))
            showFile(files[static_cast<size_t>(row)].number);
    });

    Button1 = new TZovCardsButton(wordText(words::Ok), this);
    Button1->setGeometry((kWidth - 120) / 2, kHeight - 40, 120, 30);
    Button1->setDefault(true);
    Button1->setButtonStyle(true);
    styleButton(Button1);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    setFixedSize(kWidth, kHeight);
}

void TFHistory::showFile(int number) {
    int row = -1;
    for (int i = 0; i < static_cast<int>(files.size()); ++i)
        if (files[static_cast<size_t>(i)].number == number) row = i;
    if (row < 0) return;
    {
        const QSignalBlocker block(ListBox1);
        ListBox1->setCurrentRow(row);
    }
    shown = number;
    lastViewed() = number;
    const auto rows =
        readHistoryRows(historyFilePath(home, clubFileName(ClubKind::Computer), number));
    StringGrid1->setRowCount(0);
    if (!rows) return;
    StringGrid1->setRowCount(static_cast<int>(rows->size()));
    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    for (int r = 0; r < static_cast<int>(rows->size()); ++r) {
        const THistoryRow& h = (*rows)[static_cast<size_t>(r)];
        const std::string* cells[6] = {&h.time, &h.date, &h.player, &h.games, &h.result, &h.rating};
        const auto colourCode = historyTypeColour(h.typeCode);
        const QColor colour = colourCode ? colourBGR(*colourCode) : windowText;
        for (int c = 0; c < 7; ++c) {
            const QString text = c < 6 ? fromCp1251(*cells[c]).trimmed()
                                       : QString::fromStdString(wordByEnglish(h.typeText));
            auto* item = new QTableWidgetItem(text);
            item->setForeground(colour);
            item->setTextAlignment(c == 2 ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter);
            StringGrid1->setItem(r, c, item);
        }
    }
    StringGrid1->scrollToBottom();
}

void ShowHistory(const std::filesystem::path& home,
                 const std::function<void(std::string_view cue)>& playCue, QWidget* parent) {
    if (playCue) playCue("WOpenFo");
    TFHistory form(home, parent);
    runModal(form);
}

} // namespace vantor
