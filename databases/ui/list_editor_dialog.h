#pragma once
// The dialog of the four list editors (BASEPILOTES, BASECLUBS, BASEPARCOURS,
// BASEFREQUENCES): binds widgets to a ListEditorForm, which holds every rule.
// Each widget's object name is its control id ("3205"); "Ok" is "1" and
// "Echap" is "2".
#include "databases/editors/list_editor_form.h"
#include "services/file_chooser.h"

#include <QDialog>
#include <map>
#include <memory>

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ksy {

class ImageFrame;

class ListEditorDialog : public QDialog {
    Q_OBJECT
public:
    ListEditorDialog(std::unique_ptr<ListEditorForm> form, const WorkFolder& folder,
        Prompts& prompts, FileChooser& files, QWidget* parent = nullptr);
    ~ListEditorDialog() override;

    const ListEditorForm& form() const { return *form_; }

private:
    void addTyped();
    void removeSelected();
    void selectRow(int row);
    void edited(int control, const QString& text);
    void chosen(int control, const QString& text);
    void chooseImage();
    void refreshList();
    void refreshDetails();
    QString imageFile() const;
    void confirm();

    std::unique_ptr<ListEditorForm> form_;
    const WorkFolder& folder_;
    Prompts& prompts_;
    FileChooser& files_;
    QLineEdit* newName_ = nullptr;
    QListWidget* list_ = nullptr;
    QListWidget* id_ = nullptr;
    QLineEdit* name_ = nullptr;
    ImageFrame* image_ = nullptr;
    std::map<int, QLineEdit*> edits_;
    std::map<int, QComboBox*> combos_;
    std::map<int, QPushButton*> buttons_;
    bool refreshing_ = false;
};

} // namespace ksy
