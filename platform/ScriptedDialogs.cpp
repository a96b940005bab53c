#include "ScriptedDialogs.h"

namespace platform {

MsgResult ScriptedDialogs::MessageBox(const std::string& text, const std::string& caption,
                                      MsgIcon icon, MsgButtons buttons) {
    boxes.push_back({text, caption, icon, buttons});
    if (boxAnswers.empty()) {
        ++unanswered;
        return buttons == MsgButtons::Ok ? MsgResult::Ok : MsgResult::Cancel;
    }
    const MsgResult answer = boxAnswers.front();
    boxAnswers.pop_front();
    return answer;
}

std::optional<std::string> ScriptedDialogs::OpenFileName(const FileDialogOptions& options) {
    fileDialogs.push_back({false, options});
    return NextFileAnswer();
}

std::optional<std::string> ScriptedDialogs::SaveFileName(const FileDialogOptions& options) {
    fileDialogs.push_back({true, options});
    return NextFileAnswer();
}

std::optional<std::string> ScriptedDialogs::NextFileAnswer() {
    if (fileAnswers.empty()) {
        ++unanswered;
        return std::nullopt;
    }
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

ScopedScriptedDialogs::ScopedScriptedDialogs() {
    auto script = std::make_unique<ScriptedDialogs>();
    script_ = script.get();
    previous_ = Dialogs::Install(std::move(script));
}

ScopedScriptedDialogs::~ScopedScriptedDialogs() { Dialogs::Install(std::move(previous_)); }

}  // namespace platform
