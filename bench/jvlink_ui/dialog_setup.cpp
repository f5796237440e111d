// A set-up acquisition of a feed folder through the acquisition dialog,
// offscreen, as a user runs it: the process whose time and peak memory
// dialog_memory_bench sets beside `vantor-cli acquire`.
//
// usage: dialog_setup FEED APP_DIR yyyy/mm/dd
// Exit status 0 when the dialog ends with its completion text.

#include <QApplication>
#include <QDateTimeEdit>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <filesystem>
#include <iostream>

#include "components/message_box.h"
#include "jvlink/feed_jvlink.h"
#include "jvlink_ui/get_data_form.h"
#include "settings/app_dir.h"
#include "store/store_folders.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: dialog_setup FEED APP_DIR yyyy/mm/dd\n";
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::filesystem::path feed = argv[1], app = argv[2];
    std::filesystem::create_directories(app);
    if (const auto error = vantor::ensureStoreFolders(app)) {
        std::cerr << *error << '\n';
        return 1;
    }
    vantor::setAppDir(app);
    vantor::FeedJVLink link(vantor::FeedSettings{feed, 0, "0490"});
    link.JVInit("dialog_setup");
    const vantor::ui::MessageBoxHook messages;
    vantor::TGetDataForm form(nullptr, link, app);
    form.show();
    form.setupButton()->setChecked(true);
    form.datePicker()->setDateTime(
        QDateTime(QDate::fromString(QString::fromLocal8Bit(argv[3]), QStringLiteral("yyyy/MM/dd")), QTime(0, 0)));
    form.ButtonStartClick();
    // A feed not yet downloaded is polled by the dialog's timer first.
    while (form.statusTimer()->isActive()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    const QString label = form.progressLabel()->text();
    if (label != QStringLiteral("データ作成が完了しました。")) {
        std::cerr << "the dialog ended with: " << label.toStdString() << '\n'
                  << messages.shown().join(QLatin1Char('\n')).toStdString() << '\n';
        return 1;
    }
    return 0;
}
