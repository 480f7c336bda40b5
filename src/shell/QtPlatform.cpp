#include "shell/QtPlatform.h"

#include "shell/NameValidator.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinterInfo>

namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QMessageBox::Icon ToQtIcon(Platform::Icon icon) {
    switch (icon) {
    case Platform::Icon::Information: return QMessageBox::Information;
    case Platform::Icon::Question: return QMessageBox::Question;
    case Platform::Icon::Warning: return QMessageBox::Warning;
    case Platform::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(Platform::Buttons buttons) {
    switch (buttons) {
    case Platform::Buttons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case Platform::Buttons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case Platform::Buttons::Ok: break;
    }
    return QMessageBox::Ok;
}

} // namespace

// Over an open modal window (the print form) a question must stay above it, not the game.
QWidget* QtPlatform::Owner() const {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : parent;
}

std::string QtPlatform::AskSaveFileName(const std::string& title, const std::string& filter,
                                        const std::string& proposed) {
    QFileDialog dialog(Owner(), Q(title), QString(), Q(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The game asks its own "replace?" question, so the dialog must not ask as well.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    // A name typed without an extension gets the filter's, so the open dialog lists it.
    dialog.setDefaultSuffix(QFileInfo(Q(filter)).suffix());
    dialog.selectFile(Q(proposed));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().constFirst().toStdString();
}

std::string QtPlatform::AskOpenFileName(const std::string& title, const std::string& filter,
                                        const std::string& proposed) {
    return QFileDialog::getOpenFileName(Owner(), Q(title), Q(proposed), Q(filter)).toStdString();
}

Platform::Answer QtPlatform::MessageBox(const std::string& text, const std::string& title,
                                        Buttons buttons, Icon icon) {
    QMessageBox box(ToQtIcon(icon), Q(title), Q(text), ToQtButtons(buttons), Owner());
    switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    case QMessageBox::Cancel: return Answer::Cancel;
    default: return Answer::Ok;
    }
}

std::string QtPlatform::AskName(const std::string& prompt, const std::string& title,
                                int maxLength) {
    QInputDialog dialog(Owner());
    dialog.setWindowTitle(Q(title));
    dialog.setLabelText(Q(prompt));
    // Builds the text field now, so its length can be limited before it is shown.
    dialog.setInputMode(QInputDialog::TextInput);
    if (auto* field = dialog.findChild<QLineEdit*>()) {
        field->setMaxLength(maxLength);
        field->setValidator(new NameValidator(field));
    }
    return dialog.exec() == QDialog::Accepted ? dialog.textValue().toStdString() : std::string();
}

bool QtPlatform::HasDefaultPrinter() { return !QPrinterInfo::defaultPrinter().isNull(); }
