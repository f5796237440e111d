// Program entry: vantor [--app-dir DIR] | --help | --version

#include <QApplication>
#include <QCommandLineParser>
#include <QLabel>
#include <QProgressBar>
#include <iostream>
#include <memory>

#include "components/message_box.h"
#include "components/writer_lock_box.h"
#include "jvlink/version_text.h"
#include "jvlink_setup/bridge_time_limit.h"
#include "jvlink_setup/jvlink_factory.h"
#include "jvlink_setup/program_jvlink.h"
#include "jvlink_setup/wine_link_settings.h"
#include "jvlink_ui/jvlink_settings_dialog.h"
#include "painting/fonts.h"
#include "settings/app_dir.h"
#include "settings/program_settings.h"
#include "shell/first_start.h"
#include "shell/main_form.h"
#include "shell/prgrs_form.h"
#include "store/program_folder.h"

namespace {

struct CommandLine {
    QCommandLineParser parser;
    QCommandLineOption help = parser.addHelpOption();
    QCommandLineOption version = parser.addVersionOption();
    QCommandLineOption appDir{QStringLiteral("app-dir"),
                              QStringLiteral("Use DIR as the program folder (store and settings)."),
                              QStringLiteral("DIR")};

    CommandLine() {
        parser.setApplicationDescription(QStringLiteral("Vantor: JRA race analysis"));
        parser.addOption(appDir);
        // So that Qt's own options, read by no one yet, never count as
        // short ones: -reverse is not -r -e -v (--version).
        parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    }

    // True when --help or --version is asked for. Qt's own options (such as
    // -platform) are not known yet, so errors are left to the full parse.
    bool asksForHelpOrVersion(int argc, char* argv[]) {
        QStringList words;
        for (int i = 0; i < argc; ++i) words << QString::fromLocal8Bit(argv[i]);
        parser.parse(words);
        return parser.isSet(help) || parser.isSet(version) || parser.isSet(QStringLiteral("help-all"));
    }
};

// The JV-Link replacement; on first use it generates a demo feed, shown in a
// progress box, and says the demo's first race day in demoFirstDate.
auto makeJVLink(const std::filesystem::path& folder, vantor::TIniGT& ini, int& demoFirstDate) {
    std::unique_ptr<vantor::TPrgrsForm> progressBox;
    return vantor::createJVLink(
        folder, ini,
        [&progressBox](int done, int total) {
            if (!progressBox) {
                progressBox = std::make_unique<vantor::TPrgrsForm>();
                progressBox->HeadingLabel->setText(QStringLiteral("デモデータを作成しています"));
                progressBox->ProgressBar1->setMaximum(total);
                progressBox->showCentred();
            }
            progressBox->ProgressBar1->setValue(done);
            QCoreApplication::processEvents();
        },
        &demoFirstDate);
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Vantor"));
    QCoreApplication::setApplicationVersion(
        QString::fromUtf8(vantor::kVersionNumber.data(), static_cast<qsizetype>(vantor::kVersionNumber.size())));
    CommandLine commandLine;
    // Answered on standard output before the windowing system is touched,
    // so that they work without a display.
    if (commandLine.asksForHelpOrVersion(argc, argv)) {
        const QCoreApplication core(argc, argv);
        if (commandLine.parser.isSet(commandLine.version)) commandLine.parser.showVersion();
        if (!commandLine.parser.isSet(commandLine.help)) commandLine.parser.process(core);  // --help-all
        commandLine.parser.showHelp();
    }
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Vantor"));
    vantor::registerFontSubstitutes();
    QApplication::setFont(vantor::pGothicFont(12));
    commandLine.parser.process(app);
    if (commandLine.parser.isSet(commandLine.appDir))
        vantor::setAppDir(commandLine.parser.value(commandLine.appDir).toStdString());
    const std::filesystem::path folder = vantor::appDir();

    // Lives as long as the JV-Link, which keeps its settings through it.
    vantor::TIniGT ini = vantor::programSettings();
    const vantor::JVLinkChoice choice = vantor::readJVLinkChoice(folder, ini);
    std::unique_ptr<vantor::JVLink> current;
    int demoFirstDate = 0;
    if (choice.source == vantor::JVLinkSource::folder) {
        auto link = makeJVLink(folder, ini, demoFirstDate);
        if (const auto* reason = std::get_if<std::string>(&link)) {
            std::cerr << "vantor: " << *reason << '\n';
            vantor::ui::showInfo(
                nullptr, QStringLiteral("JRA-VANのホームページより【JV-Link】を入手し、インストールしてください。"));
            return 1;
        }
        auto& feedLink = std::get<0>(link);
        // Faults to inject that cannot be read are told at once, not dropped unseen.
        if (const auto& error = feedLink->faultPlanError())
            vantor::ui::showInfo(nullptr, QString::fromStdString(*error));
        current = std::move(feedLink);
    }
    if (const auto error = vantor::enterProgramFolder(folder)) {
        vantor::ui::showInfo(nullptr, QString::fromStdString(*error));
        return 1;
    }
    // A demo made by this start is filed at once, and its analysis database
    // built, so that the window opens on it and its record views at once.
    if (demoFirstDate != 0) {
        if (const auto lock = vantor::ui::takeWriterLock(nullptr, folder, "vantor デモデータ取込み")) {
            const std::string problem = vantor::fileGeneratedDemo(*current, folder, ini, demoFirstDate);
            if (!problem.empty()) vantor::ui::showInfo(nullptr, QString::fromStdString(problem));
        }
    }
    auto link = std::make_unique<vantor::ProgramJVLink>(
        choice, std::move(current), [](vantor::JVLinkChoice& c) { return vantor::editJVLinkChoice(nullptr, c); },
        [&ini](const vantor::JVLinkChoice& c) { return vantor::saveJVLinkChoice(ini, c); });
    link->setWaiter([] { QCoreApplication::processEvents(); });
    link->setTimeLimit(vantor::readBridgeTimeLimit(ini));
    std::unique_ptr<vantor::TPrgrsForm> checkBox;
    link->setCheckNotice([&checkBox](bool checking) {
        if (!checking) {
            checkBox.reset();
            return;
        }
        checkBox = std::make_unique<vantor::TPrgrsForm>();
        checkBox->HeadingLabel->setText(QStringLiteral("JV-Link (Wine) を確認しています"));
        checkBox->ProgressBar1->setRange(0, 0);  // no end known: a busy bar
        checkBox->showCentred();
    });
    vantor::TMainForm mainForm(std::move(link));
    mainForm.show();
    if (demoFirstDate != 0)
        mainForm.showNewestDay();
    else
        mainForm.reopenLastRace();
    return QApplication::exec();
}
