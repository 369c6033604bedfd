#pragma once
// File dialogs as the document commands ask for them.

#include <optional>
#include <string>

namespace sorn {

struct FileDialogRequest {
    std::string filter;           // "description|*.ext"
    std::string defaultExtension; // without the dot
    std::string initialFolder;    // empty: wherever the dialog likes
    std::string presetName;       // full path proposed in a save dialog
    std::string title{};          // empty: the dialog's usual title
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen full path, or nothing when the user cancelled.
    virtual std::optional<std::string> OpenFile(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> SaveFile(const FileDialogRequest& request) = 0;
    // An existing folder; the request's filter and preset name are unused.
    virtual std::optional<std::string> ChooseFolder(const FileDialogRequest& request) = 0;
};

} // namespace sorn
