#pragma once
// "Commentaire série": the track condition and the comment of the heat,
// read from "CommentaireSerie.res" and written back on "Valider". The edit
// refuses what the race file cannot hold (TAB, line breaks, characters
// outside Windows-1252) and keeps 98 characters.
#include "results/heat_comment_form.h"
#include "services/prompts.h"
#include "storage/work_folder.h"

#include <QDialog>

class QPlainTextEdit;

namespace ksy {

class HeatCommentDialog : public QDialog {
    Q_OBJECT
public:
    HeatCommentDialog(HeatCommentForm form, const WorkFolder& folder, Prompts& prompts,
        QWidget* parent = nullptr);

    // Reads the file (its box on failure) and runs the dialog; true when
    // "Valider" wrote it.
    static bool run(QWidget* parent, const WorkFolder& folder, Prompts& prompts);

    const HeatCommentForm& form() const { return form_; }

private:
    void edited();
    void validate();

    HeatCommentForm form_;
    WorkFolder folder_;
    Prompts& prompts_;
    QPlainTextEdit* edit_ = nullptr;
    bool syncing_ = false;
};

} // namespace ksy
