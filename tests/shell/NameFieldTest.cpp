#include "shell/QtPlatform.h"

#include <QApplication>
#include <QClipboard>
#include <QInputDialog>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// The real name prompt, typed and pasted into by key events: what the field shows is what
// a record file holds, so tabs, line breaks, escapes and letters the code page lacks go.
TEST(NameField, ShowsOnlyWhatARecordFileCanHold) {
    QWidget window;
    QtPlatform platform(&window);
    QString shown;
    QTimer::singleShot(0, [&shown] {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        auto* field = dialog->findChild<QLineEdit*>();
        QTest::keyClicks(field, QStringLiteral("Zo"));
        QGuiApplication::clipboard()->setText(QString::fromUtf8("ë\tЖ A\nβ€\x1B!"));
        QTest::keySequence(field, QKeySequence::Paste);
        shown = field->text();
        dialog->accept();
    });
    EXPECT_EQ(platform.AskName("Your name:", "Best record", 32), "Zoë A€!");
    EXPECT_EQ(shown, QString::fromUtf8("Zoë A€!"));
}

} // namespace
