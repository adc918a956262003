#pragma once
// The modal choice dialog (ui::ChoiceDialog): a form of labelled fields,
// each a combo box the user types in or chooses from, check boxes below
// them, the program's line of feedback, and the accept and Cancel buttons.
// Every change of a field's text or a check box asks the program for its
// feedback at once; the accept button works only while it says acceptable.
#include "toolkit/ui/toolkit.h"

#include <QDialog>

#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace qtui {

class ChoiceDialogView : public QDialog {
public:
    ChoiceDialogView(const ui::ChoiceDialog& dialog, ui::ChoiceFeedbackFunction feedback, QWidget* parent);

    ui::ChoiceInput input() const;
    QComboBox* field(int index) const { return fields_[static_cast<std::size_t>(index)]; }
    QCheckBox* check(int index) const { return checks_[static_cast<std::size_t>(index)]; }
    QLabel* feedbackLabel() const { return feedbackLabel_; }
    QPushButton* acceptButton() const { return accept_; }

private:
    void refresh();

    ui::ChoiceFeedbackFunction feedback_;
    std::vector<QComboBox*> fields_;
    std::vector<QCheckBox*> checks_;
    QLabel* feedbackLabel_ = nullptr;
    QPushButton* accept_ = nullptr;
};

// What the user entered when they accepted, or nothing.
std::optional<ui::ChoiceInput> showChoiceDialog(const ui::ChoiceDialog& dialog,
                                                const ui::ChoiceFeedbackFunction& feedback);

}  // namespace qtui
