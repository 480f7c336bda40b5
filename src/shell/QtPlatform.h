#pragma once

#include "common/Platform.h"

class QWidget;

// The system's own dialogs, parented to the main window.
class QtPlatform : public Platform {
public:
    explicit QtPlatform(QWidget* parent) : parent(parent) {}

    std::string AskSaveFileName(const std::string& title, const std::string& filter,
                                const std::string& proposed) override;
    std::string AskOpenFileName(const std::string& title, const std::string& filter,
                                const std::string& proposed) override;
    Answer MessageBox(const std::string& text, const std::string& title, Buttons buttons,
                      Icon icon) override;
    std::string AskName(const std::string& prompt, const std::string& title,
                        int maxLength) override;
    bool HasDefaultPrinter() override;

private:
    QWidget* Owner() const;

    QWidget* parent;
};
