// The file and folder choosers: the real dialogs answer with what the user
// picked, and the test hook answers in their place.

#include "components/file_chooser.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>
#include <functional>

#include "support/temp_dir.h"

using namespace vantor;

namespace {

// Runs answer on the next modal file dialog once it is up.
void whenDialogIsUp(const std::function<void(QFileDialog&)>& answer) {
    QTimer::singleShot(0, [answer] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        answer(*dialog);
    });
}

QString qpath(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }

}  // namespace

TEST(FileChooser, TheDialogsGiveTheChosenPathOrNothingOnCancel) {
    const test::TempDir dir;
    const auto file = dir / "OZ240526.lzh";
    test::writeFile(file, "x");
    QString startFolder, filter;
    whenDialogIsUp([&](QFileDialog& dialog) {
        startFolder = dialog.directory().absolutePath();
        filter = dialog.nameFilters().join(u';');
        dialog.selectFile(qpath(file));
        static_cast<QDialog&>(dialog).accept();  // QFileDialog checks the choice first
    });
    EXPECT_EQ(ui::chooseFile(nullptr, QStringLiteral("開く"), qpath(dir.path()), QStringLiteral("LZH (*.lzh)")),
              qpath(file));
    EXPECT_EQ(startFolder, qpath(dir.path()));
    EXPECT_EQ(filter, QStringLiteral("LZH (*.lzh)"));

    whenDialogIsUp([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(ui::chooseFolder(nullptr, QStringLiteral("フォルダ"), QStringLiteral("説明"), qpath(dir.path())),
              std::nullopt);
}

TEST(FileChooser, TheHookAnswersInOrderRecordsEachRequestAndCancelsWhenEmpty) {
    ui::FileDialogHook hook;
    hook.answer(QStringLiteral("/a/file"));
    hook.answer(std::nullopt);
    EXPECT_EQ(ui::chooseFile(nullptr, QStringLiteral("開く"), QStringLiteral("/start"), QStringLiteral("*.lzh")),
              QStringLiteral("/a/file"));
    EXPECT_EQ(ui::chooseFolder(nullptr, QStringLiteral("フォルダ"), QString(), QStringLiteral("/s")), std::nullopt);
    EXPECT_EQ(ui::chooseFolder(nullptr, QStringLiteral("もう一度"), QString(), QString()), std::nullopt);
    ASSERT_EQ(hook.requests().size(), 3u);
    EXPECT_EQ(hook.requests()[0].filter, QStringLiteral("*.lzh"));
    EXPECT_EQ(hook.requests()[1].startFolder, QStringLiteral("/s"));
    EXPECT_EQ(hook.requests()[2].caption, QStringLiteral("もう一度"));
}
