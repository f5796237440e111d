// The same set-up acquisition of the 1-year demo through the acquisition
// dialog (offscreen, shown) and through `vantor-cli acquire`, timed in the
// same run: what the window costs over the command line.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDateTimeEdit>
#include <QRadioButton>
#include <chrono>
#include <filesystem>

#include "components/message_box.h"
#include "demo_store.h"
#include "jvlink/feed_jvlink.h"
#include "jvlink_ui/get_data_form.h"
#include "settings/app_dir.h"
#include "store/store_folders.h"

namespace {

namespace fs = std::filesystem;

double dialogSeconds(const vantor::bench::DemoFeed& feed, const fs::path& app) {
    fs::create_directories(app);
    vantor::ensureStoreFolders(app);
    vantor::setAppDir(app);
    vantor::FeedJVLink link(vantor::FeedSettings{feed.folder, 0, "0490"});
    link.JVInit("bench");
    vantor::ui::MessageBoxHook messages;
    vantor::TGetDataForm form(nullptr, link, app);
    form.show();
    form.setupButton()->setChecked(true);
    form.datePicker()->setDate(QDate::fromString(QString::number(feed.firstDate), QStringLiteral("yyyyMMdd")));
    form.datePicker()->setTime({});
    QCoreApplication::processEvents();
    const auto start = std::chrono::steady_clock::now();
    form.ButtonStartClick();  // the feed's cache is full: the read runs at once
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    vantor::setAppDir({});
    return seconds;
}

void BM_DialogAgainstCommandLine(benchmark::State& state) {
    const fs::path base = fs::temp_directory_path() / "vantor-dialog-bench";
    fs::remove_all(base);
    const auto feed = vantor::bench::generateDemo(base / "feed", 1);
    vantor::bench::fileDemo(feed, base / "warm");  // fills the feed's cache
    const std::string from = QDate::fromString(QString::number(feed.firstDate), QStringLiteral("yyyyMMdd"))
                                 .toString(QStringLiteral("yyyy/MM/dd 00:00:00"))
                                 .toStdString();
    double cli = 0, dialog = 0;
    for (auto _ : state) {
        fs::remove_all(base / "cli");
        fs::remove_all(base / "dialog");
        cli = vantor::bench::secondsOf(std::string(VANTOR_CLI) + " --app-dir '" + (base / "cli").string() +
                                       "' acquire --feed '" + feed.folder.string() + "' --setup --from '" + from +
                                       "' 2>/dev/null");
        dialog = dialogSeconds(feed, base / "dialog");
        state.SetIterationTime(dialog);
    }
    fs::remove_all(base);
    state.counters["dialog_s"] = dialog;
    state.counters["cli_s"] = cli;
    state.counters["ratio_to_cli"] = dialog / cli;
}
BENCHMARK(BM_DialogAgainstCommandLine)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
