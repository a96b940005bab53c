#include "Dialogs.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>

#include "Text.h"

namespace platform {
namespace {

std::unique_ptr<Dialogs>& Installed() {
    static std::unique_ptr<Dialogs> installed;
    return installed;
}

QMessageBox::Icon ToQt(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information: return QMessageBox::Information;
        case MsgIcon::Warning: return QMessageBox::Warning;
        case MsgIcon::Error: return QMessageBox::Critical;
        case MsgIcon::Question: return QMessageBox::Question;
        case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(MsgButtons buttons) {
    switch (buttons) {
        case MsgButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
        case MsgButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
        case MsgButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MsgButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

MsgResult FromQt(int button) {
    switch (button) {
        case QMessageBox::Ok: return MsgResult::Ok;
        case QMessageBox::Yes: return MsgResult::Yes;
        case QMessageBox::No: return MsgResult::No;
        default: return MsgResult::Cancel;
    }
}

// "Deltakerliste|*.NAV" becomes "Deltakerliste (*.NAV *.nav)": Linux names are case-sensitive,
// and a list saved as "x.nav" should still be offered.
QString ToQtFilter(const std::string& filter) {
    QStringList result;
    const QStringList parts = ToQString(filter).split('|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
        for (const QString& pattern : QStringList(patterns))
            if (pattern.toLower() != pattern) patterns << pattern.toLower();
        result << parts[i] + " (" + patterns.join(' ') + ")";
    }
    return result.join(";;");
}

std::optional<std::string> RunFileDialog(const FileDialogOptions& options, bool save) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setNameFilter(ToQtFilter(options.filter));
    dialog.setDefaultSuffix(ToQString(options.defaultExtension));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save || !options.mustExist ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (!options.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QFile::encodeName(dialog.selectedFiles().first()).toStdString();
}

}  // namespace

Dialogs& Dialogs::Current() {
    static QtDialogs builtIn;
    return Installed() ? *Installed() : builtIn;
}

std::unique_ptr<Dialogs> Dialogs::Install(std::unique_ptr<Dialogs> dialogs) {
    std::swap(Installed(), dialogs);
    return dialogs;
}

MsgResult QtDialogs::MessageBox(const std::string& text, const std::string& caption, MsgIcon icon,
                                MsgButtons buttons) {
    QMessageBox box(ToQt(icon), ToQString(caption), ToQString(text), ToQt(buttons),
                    QApplication::activeWindow());
    return FromQt(box.exec());
}

std::optional<std::string> QtDialogs::OpenFileName(const FileDialogOptions& options) {
    return RunFileDialog(options, false);
}

std::optional<std::string> QtDialogs::SaveFileName(const FileDialogOptions& options) {
    return RunFileDialog(options, true);
}

}  // namespace platform
