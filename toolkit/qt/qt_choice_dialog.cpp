#include "toolkit/qt/qt_choice_dialog.h"

#include "toolkit/qt/qt_convert.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace qtui {

// A field's list shows its choices as they are; what the user types is
// kept as typed (no completion into a choice, no new entries in the list).
ChoiceDialogView::ChoiceDialogView(const ui::ChoiceDialog& dialog, ui::ChoiceFeedbackFunction feedback,
                                   QWidget* parent)
    : QDialog(parent), feedback_(std::move(feedback))
{
    setWindowTitle(toQt(dialog.title));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    layout->addLayout(form);
    for (const ui::DialogField& described : dialog.fields) {
        auto* field = new QComboBox(this);
        field->setEditable(true);
        field->setInsertPolicy(QComboBox::NoInsert);
        field->setMaxVisibleItems(20);
        for (const std::string& choice : described.choices)
            field->addItem(toQt(choice));
        field->setCurrentIndex(-1);
        field->setEditText(toQt(described.text));
        field->lineEdit()->setCompleter(nullptr);
        form->addRow(toQt(described.label), field);
        connect(field, &QComboBox::editTextChanged, this, [this] { refresh(); });
        fields_.push_back(field);
    }
    for (const ui::DialogCheck& described : dialog.checks) {
        auto* check = new QCheckBox(toQt(described.caption), this);
        check->setChecked(described.checked);
        layout->addWidget(check);
        connect(check, &QCheckBox::toggled, this, [this] { refresh(); });
        checks_.push_back(check);
    }
    feedbackLabel_ = new QLabel(this);
    feedbackLabel_->setTextFormat(Qt::PlainText);
    layout->addWidget(feedbackLabel_);
    auto* buttons = new QDialogButtonBox(this);
    accept_ = buttons->addButton(toQt(dialog.acceptCaption), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    accept_->setDefault(true);
    refresh();
}

ui::ChoiceInput ChoiceDialogView::input() const
{
    ui::ChoiceInput entered;
    for (const QComboBox* field : fields_)
        entered.texts.push_back(fromQt(field->currentText()));
    for (const QCheckBox* check : checks_)
        entered.checks.push_back(check->isChecked());
    return entered;
}

void ChoiceDialogView::refresh()
{
    const ui::ChoiceFeedback answer = feedback_ ? feedback_(input()) : ui::ChoiceFeedback{{}, true};
    feedbackLabel_->setText(toQt(answer.text));
    accept_->setEnabled(answer.acceptable);
}

std::optional<ui::ChoiceInput> showChoiceDialog(const ui::ChoiceDialog& dialog,
                                                const ui::ChoiceFeedbackFunction& feedback)
{
    ChoiceDialogView view(dialog, feedback, QApplication::activeWindow());
    if (view.exec() != QDialog::Accepted)
        return std::nullopt;
    return view.input();
}

}  // namespace qtui
