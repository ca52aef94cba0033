#pragma once
#include "services/file_chooser.h"

#include <QPointer>
#include <QWidget>

namespace ksy {

// QFileDialog behind the FileChooser service.
class QtFileChooser : public FileChooser {
public:
    void setParent(QWidget* parent) { parent_ = parent; }
    std::optional<std::string> openFile(
        const std::string& initialFolder, const FileFilter& filter) override;
    std::optional<std::string> saveFile(
        const std::string& presetName, const FileFilter& filter) override;

    // "Fichier course (.race) (*.race)": the form QFileDialog expects.
    static QString qtFilter(const FileFilter& filter);

private:
    QPointer<QWidget> parent_;
};

} // namespace ksy
