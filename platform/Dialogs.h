#pragma once
// Message boxes and file dialogs go through one replaceable service, so that tests can answer
// them from a script instead of blocking on a modal window.
#include <memory>
#include <optional>
#include <string>

namespace platform {

enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgButtons { Ok, YesNo, OkCancel, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

struct FileDialogOptions {
    std::string filter;            // "Description|*.EXT"
    std::string defaultExtension;  // without the dot
    bool mustExist = false;        // open dialog: only an existing file may be chosen
    bool overwritePrompt = false;  // save dialog: ask before replacing a file
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // Texts and captions are Windows-1252; file names are the system's own bytes.
    virtual MsgResult MessageBox(const std::string& text, const std::string& caption, MsgIcon icon,
                                 MsgButtons buttons) = 0;
    virtual std::optional<std::string> OpenFileName(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> SaveFileName(const FileDialogOptions& options) = 0;

    // The service in use; the Qt one unless another was installed.
    static Dialogs& Current();
    // Installs a service and hands back the one it replaces (null for the built-in one).
    static std::unique_ptr<Dialogs> Install(std::unique_ptr<Dialogs> dialogs);
};

// The real service: QMessageBox and QFileDialog.
class QtDialogs : public Dialogs {
public:
    MsgResult MessageBox(const std::string& text, const std::string& caption, MsgIcon icon,
                         MsgButtons buttons) override;
    std::optional<std::string> OpenFileName(const FileDialogOptions& options) override;
    std::optional<std::string> SaveFileName(const FileDialogOptions& options) override;
};

}  // namespace platform
