// vantor-cli snapshot: the main window rendered offscreen, one PNG per tab
// and inner tab, after the day is loaded and the race chosen as a user
// would do it.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QPixmap>
#include <QTabWidget>
#include <iostream>

#include "commands.h"
#include "components/message_box.h"
#include "jvlink/idle_jvlink.h"
#include "offscreen_app.h"
#include "painting/fonts.h"
#include "race_view.h"
#include "shell/main_form.h"
#include "store/program_folder.h"

namespace vantor::cli {
namespace {

// Large enough for a full race card of eighteen rows and all its columns.
constexpr QSize kWindowSize(1480, 1500);

bool save(QWidget& window, const QDir& out, const QString& name) {
    QCoreApplication::processEvents();
    const QString path = out.filePath(name + QStringLiteral(".png"));
    if (!window.grab().save(path)) {
        std::cerr << "cannot write " << path.toStdString() << '\n';
        return false;
    }
    std::cout << path.toStdString() << '\n';
    return true;
}

}  // namespace

int snapshot(const Context& ctx) {
    const auto day = dayName(ctx);
    const auto outDir = ctx.args.value("--out");
    if (!day) return 2;
    if (!outDir) {
        std::cerr << "--out is missing\n";
        return 2;
    }
    const OffscreenApp<QApplication> app;
    QApplication::setFont(pGothicFont(12));
    // The folder itself is made when missing, but not the folders above it.
    if (std::error_code error; !std::filesystem::create_directory(*outDir, error) && error) {
        std::cerr << "cannot make " << *outDir << " (" << error.message() << ")\n";
        return 1;
    }
    const QDir out(QString::fromStdString(*outDir));
    if (const auto error = enterProgramFolder(ctx.appDir)) {
        std::cerr << *error << '\n';
        return 1;
    }

    ui::MessageBoxHook boxes;  // messages are reported below instead of waiting for a click
    TMainForm form(std::make_unique<IdleJVLink>());
    form.resize(kWindowSize);
    form.show();
    QCoreApplication::processEvents();
    form.DateCombo->setCurrentIndex(form.DateCombo->findText(QString::fromStdString(*day)));
    form.DateComboChange();
    const auto race = raceNumber(ctx, static_cast<std::size_t>(form.DatList->count()));
    if (!race) return 2;
    form.DatList->setCurrentRow(*race - 1);

    bool written = true;
    for (int t = 0; t < form.PageControl1->count(); ++t) {
        form.PageControl1->setCurrentIndex(t);
        QWidget* page = form.PageControl1->widget(t);
        const QString pageName = QStringLiteral("%1-%2").arg(t + 1, 2, 10, QLatin1Char('0')).arg(page->objectName());
        const auto inner = page->findChildren<QTabWidget*>();
        if (inner.isEmpty()) written = save(form, out, pageName) && written;
        for (QTabWidget* tabs : inner) {
            for (int i = 0; i < tabs->count(); ++i) {
                tabs->setCurrentIndex(i);
                written = save(form, out, pageName + QLatin1Char('-') + tabs->widget(i)->objectName()) && written;
            }
        }
    }
    for (const QString& message : boxes.shown()) std::cerr << message.toStdString() << '\n';
    return written ? 0 : 1;
}

}  // namespace vantor::cli
