#pragma once

#include "platform/FileDialogs.h"

class QWidget;

namespace sorn {

// QFileDialog with the filter, default suffix and folder of each request.
class QtFileDialogs : public FileDialogs {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }
    std::optional<std::string> OpenFile(const FileDialogRequest& request) override;
    std::optional<std::string> SaveFile(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseFolder(const FileDialogRequest& request) override;

private:
    std::optional<std::string> Run(const FileDialogRequest& request, bool save);
    QWidget* parent_ = nullptr;
};

// The user's Documents folder, where score dialogs start.
std::string DocumentsFolder();

} // namespace sorn
