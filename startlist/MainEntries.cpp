// The draw of pair numbers and the editing of one pair's entry.
#include <QLineEdit>
#include <random>

#include "Main.h"
#include "platform/Controls.h"
#include "platform/ListView.h"
#include "platform/Numbers.h"
#include "platform/Text.h"

namespace startlist {

using platform::FromQString;
using platform::ToQString;

void TMainForm::ExchangeEntries(int row, int other) {
    for (int column : {1, 2}) {
        const std::string text = ListView1->Cell(row, column);
        ListView1->SetCell(row, column, ListView1->Cell(other, column));
        ListView1->SetCell(other, column, text);
    }
}

void TMainForm::bnProcessClick() {
    const int lo = FNumbers[3];
    int n = FNumbers[2] - lo + 1;
    int i = FNumbers[2];
    // From the top of the range down, pair i draws its entry from those still at lo..i, so every
    // order of the range is equally likely.
    ListView1->BeginUpdate();
    while (n > 1) {
        const int j = lo + std::uniform_int_distribution<int>(0, n - 1)(FRandom);
        if (j != i) ExchangeEntries(i - 1, j - 1);
        --i;
        --n;
    }
    ListView1->EndUpdate();
    ListView1->Select(-1);
    FChanged = true;
}

void TMainForm::bnOKClick() {
    const std::string name = FromQString(edSelNavn->text());
    const std::string club = FromQString(edSelClub->text());
    const int target = platform::StrToInt(FromQString(edSelNum->text()));
    // "0" (nothing selected) or any number beyond the list names no pair: nothing to write.
    if (target < 1 || target > FRows) return;
    const int selected = ListView1->Selected();
    ListView1->BeginUpdate();
    if (selected >= 0 && selected != target - 1) {
        ListView1->SetCell(selected, 1, ListView1->Cell(target - 1, 1));
        ListView1->SetCell(selected, 2, ListView1->Cell(target - 1, 2));
    }
    ListView1->SetCell(target - 1, 1, name);
    ListView1->SetCell(target - 1, 2, club);
    ListView1->EndUpdate();
    FChanged = true;
    ListView1->Select(target - 1);
}

void TMainForm::ListView1SelectItem(int row, bool selected) {
    platform::SetTag(edSelNum, 0);
    if (selected) {
        edSelNum->setText(ToQString(ListView1->Cell(row, 0)));
        edSelNavn->setText(ToQString(platform::Trim(ListView1->Cell(row, 1))));
        edSelClub->setText(ToQString(platform::Trim(ListView1->Cell(row, 2))));
    } else {
        edSelNum->setText("0");
        edSelNavn->clear();
        edSelClub->clear();
    }
    platform::SetTag(edSelNum, 4);
}

}  // namespace startlist
