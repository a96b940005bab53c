// The save command: the check of the first round, the building of all groups and the file.
#include "Main.h"
#include "platform/Numbers.h"
#include "platform/StringGrid.h"
#include "platform/Text.h"

namespace seating {

SeatingCounts TMainForm::Counts() const {
    return {TableCount, SitterCount, GroupCount, PlayerCount, MoverCount};
}

bool TMainForm::RefuseSeating(const std::string& text) {
    platform::Dialogs::Current().MessageBox(text, "Feil oppsett", platform::MsgIcon::None,
                                            platform::MsgButtons::Ok);
    return false;
}

bool TMainForm::CheckPlayer(int number) {
    const std::string shown = platform::IntToStr(number);
    if (number > PlayerCount)
        return RefuseSeating("Spillernummer " + shown + platform::FromUtf8(" er for høyt!"));
    if (number < 1) return RefuseSeating("Spillernummer " + shown + " er for lavt!");
    if (PlayerUsed[static_cast<std::size_t>(number - 1)])
        return RefuseSeating("Spiller " + shown + " sitter flere steder!");
    PlayerUsed[static_cast<std::size_t>(number - 1)] = true;
    return true;
}

bool TMainForm::ReadFirstRound(std::vector<SeatingRecord>& Seating) {
    for (int table = 1; table <= TableCount; ++table) {
        SeatingRecord& record = Seating[static_cast<std::size_t>(table - 1)];
        record = FirstRound(table);
        for (int seat = 0; seat < kSeatCount; ++seat) {
            // An empty cell raises the conversion error: the save stops there too.
            const int number = platform::StrToInt(BordTab->Cell(seat + 1, table));
            if (!CheckPlayer(number)) return false;
            record.*kSeats[static_cast<std::size_t>(seat)] = static_cast<std::uint16_t>(number);
        }
    }
    return true;
}

void TMainForm::bnSaveClick() {
    PlayerUsed.assign(static_cast<std::size_t>(PlayerCount), false);
    std::vector<SeatingRecord> Seating(static_cast<std::size_t>(GroupCount) *
                                       static_cast<std::size_t>(TableCount));
    if (!ReadFirstRound(Seating)) return;
    const SeatingCounts counts = Counts();
    BuildGroups(Seating, counts);
    const auto fileName = platform::Dialogs::Current().SaveFileName(SaveDialog1);
    if (!fileName) return;
    WriteSeatingFile(*fileName, Seating, counts);
}

}  // namespace seating
