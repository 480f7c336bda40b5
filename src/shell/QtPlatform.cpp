#include "shell/QtPlatform.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
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
    // The game asks its own "replace?" question, so the dialog must not ask as well.
    return QFileDialog::getSaveFileName(Owner(), Q(title), Q(proposed), Q(filter), nullptr,
                                        QFileDialog::DontConfirmOverwrite)
        .toStdString();
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

std::string QtPlatform::AskName(const std::string& prompt, const std::string& title) {
    bool ok = false;
    const QString name =
        QInputDialog::getText(Owner(), Q(title), Q(prompt), QLineEdit::Normal, QString(), &ok);
    return ok ? name.toStdString() : std::string();
}

bool QtPlatform::HasDefaultPrinter() { return !QPrinterInfo::defaultPrinter().isNull(); }
