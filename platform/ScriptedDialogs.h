#pragma once
// A Dialogs service for tests: records every box and dialog and answers them from a script.
#include <deque>
#include <vector>

#include "Dialogs.h"

namespace platform {

struct RecordedBox {
    std::string text;
    std::string caption;
    MsgIcon icon;
    MsgButtons buttons;
};

struct RecordedFileDialog {
    bool save;
    FileDialogOptions options;
};

class ScriptedDialogs : public Dialogs {
public:
    std::vector<RecordedBox> boxes;
    std::vector<RecordedFileDialog> fileDialogs;
    // Answers used in order; when none is left a box answers Cancel (Ok for a lone OK button)
    // and a file dialog is cancelled, and the miss is counted.
    std::deque<MsgResult> boxAnswers;
    std::deque<std::optional<std::string>> fileAnswers;
    int unanswered = 0;

    MsgResult MessageBox(const std::string& text, const std::string& caption, MsgIcon icon,
                         MsgButtons buttons) override;
    std::optional<std::string> OpenFileName(const FileDialogOptions& options) override;
    std::optional<std::string> SaveFileName(const FileDialogOptions& options) override;

private:
    std::optional<std::string> NextFileAnswer();
};

// Installs a ScriptedDialogs for the life of a test and restores the previous service.
class ScopedScriptedDialogs {
public:
    ScopedScriptedDialogs();
    ~ScopedScriptedDialogs();
    ScopedScriptedDialogs(const ScopedScriptedDialogs&) = delete;
    ScopedScriptedDialogs& operator=(const ScopedScriptedDialogs&) = delete;
    ScriptedDialogs* operator->() { return script_; }
    ScriptedDialogs& operator*() { return *script_; }

private:
    ScriptedDialogs* script_;
    std::unique_ptr<Dialogs> previous_;
};

}  // namespace platform
