// The start list's file: opening, saving, saving under a new name, and the prompt that guards
// unsaved changes.
#include <QFile>
#include <QLabel>

#include "Main.h"
#include "StartListFile.h"
#include "platform/Errors.h"
#include "platform/ListView.h"
#include "platform/Numbers.h"

namespace startlist {

void TMainForm::ShowFileName(const std::string& fileName) {
    lbFile->setText(QFile::decodeName(QByteArray::fromStdString(fileName)));
    lbFile->adjustSize();
}

void TMainForm::OpenStartList(const std::string& fileName) {
    ShowFileName(fileName);
    auto file = std::make_unique<platform::FileStream>(fileName, platform::FileMode::OpenReadWrite, true);
    const std::int64_t tables = file->Size() / kTableSize;
    // More tables than the window can hold is no start list of ours; refusing it beats a
    // window that takes minutes to fill and shows a table count it cannot keep.
    if (tables > kMaxTables)
        throw platform::EFOpenError("\"" + platform::FileNameText(fileName) + "\" holds more than " +
                                    platform::IntToStr(kMaxTables) + " tables and is no start list");
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(tables * kTableSize));
    file->Seek(0);
    if (file->Read(bytes.data(), bytes.size()) != bytes.size())
        throw platform::EInOutError("\"" + platform::FileNameText(fileName) + "\" changed while it was read");

    FNumbers[1] = static_cast<int>(tables);
    ResizeList();
    ListView1->BeginUpdate();
    ListView1->Clear();
    for (std::size_t row = 0; row * kRecordSize < bytes.size(); ++row) {
        const PairEntry entry = DecodeRecord(bytes.data() + row * kRecordSize);
        ListView1->AddRow({platform::IntToStr(static_cast<int>(row) + 1), entry.name, entry.club});
    }
    ListView1->EndUpdate();
    FFile = std::move(file);
}

void TMainForm::WriteListInto(const std::string& fileName, platform::ReplacingFile::Holder holder) {
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(ListView1->Count()) * kRecordSize);
    for (int row = 0; row < ListView1->Count(); ++row)
        EncodeRecord({ListView1->Cell(row, 1), ListView1->Cell(row, 2)},
                     bytes.data() + static_cast<std::size_t>(row) * kRecordSize);
    platform::ReplacingFile replacement(fileName, holder);
    replacement.Out().Write(bytes.data(), bytes.size());
    FFile = replacement.Commit();
    FChanged = false;
}

void TMainForm::WriteStartList() {
    // We hold the open file ourselves; its new content goes in beside it and takes its place.
    WriteListInto(FFile->FileName(), platform::ReplacingFile::Holder::Anyone);
}

void TMainForm::mmOpenClick() {
    if (FChanged) AskSaveChanges();
    ResetList();
    if (const auto fileName = platform::Dialogs::Current().OpenFileName(OpenDialog1)) OpenStartList(*fileName);
}

void TMainForm::mmSaveClick() {
    if (FFile) WriteStartList();
    else mmSaveAsClick();
}

void TMainForm::mmSaveAsClick() {
    const auto fileName = platform::Dialogs::Current().SaveFileName(SaveDialog1);
    if (!fileName) return;
    ShowFileName(*fileName);
    FFile.reset();
    WriteListInto(*fileName, platform::ReplacingFile::Holder::Nobody);
}

void TMainForm::AskSaveChanges() {
    const auto answer = platform::Dialogs::Current().MessageBox(
        "Skal endringene registreres?", "Startlisten er endret", platform::MsgIcon::Warning,
        platform::MsgButtons::YesNo);
    if (answer == platform::MsgResult::Yes) mmSaveClick();
}

}  // namespace startlist
