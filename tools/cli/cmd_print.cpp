// vantor-cli print: the newspaper-style race cards or the trainer list of a
// day, the same document the menu command or the trainer button shows in
// the preview, written as one PDF and optionally one PNG per page; the race
// cards with the user's marks of a set when --marks names one.

#include <QGuiApplication>
#include <charconv>
#include <iostream>

#include "commands.h"
#include "marks_option.h"
#include "offscreen_app.h"
#include "print/page_files.h"
#include "print/printed_marks.h"
#include "race_view.h"
#include "raceday/day_loader.h"
#include "store/store_paths.h"

namespace vantor::cli {
namespace {

constexpr int kDefaultPngDpi = 150;

std::optional<int> pngDpi(const Context& ctx) {
    const auto text = ctx.args.value("--dpi");
    if (!text) return kDefaultPngDpi;
    int dpi = 0;
    const auto [ptr, ec] = std::from_chars(text->data(), text->data() + text->size(), dpi);
    if (ec != std::errc() || ptr != text->data() + text->size() || dpi < 10 || dpi > 1200) {
        std::cerr << "--dpi must be 10 to 1200, not \"" << *text << "\"\n";
        return std::nullopt;
    }
    return dpi;
}

}  // namespace

int print(const Context& ctx) {
    const int kinds = int{ctx.args.has("--number")} + int{ctx.args.has("--group")} + int{ctx.args.has("--trainers")};
    const auto pdf = ctx.args.value("--pdf");
    if (kinds != 1 || !pdf) {
        std::cerr << "print needs one of --number, --group, --trainers and --pdf FILE\n";
        return 2;
    }
    const auto dpi = pngDpi(ctx);
    if (!dpi) return 2;
    const auto day = dayName(ctx);
    if (!day) return 2;
    std::optional<int> markSet;
    if (!readMarkSet(ctx, "--marks", markSet)) return 2;

    std::unique_ptr<RaceDay> raceDay = RaceDay::create();
    const DayLoadResult load = DayLoader(StorePaths(ctx.appDir)).load(*day, *raceDay);
    if (load.status != DayLoadResult::Status::loaded) {
        std::cerr << "race day \"" << *day << "\" has no races\n";
        return 2;
    }
    // The user's marks of the set chosen, when there is a marks file.
    std::optional<UserMarksFile> marksFile;
    if (markSet && !openMarksFile(ctx, false, marksFile)) return 1;
    const std::optional<print::PrintedMarks> marks =
        marksFile ? std::optional(
                        print::printedMarks(*raceDay, static_cast<int>(load.raceItems.size()), *marksFile, *markSet))
                  : std::nullopt;
    const OffscreenApp<QGuiApplication> app;

    const draw::PrinterMeasure measure(print::kPdfDotsPerInch);
    const print::PrintDocument doc =
        ctx.args.has("--trainers")
            ? print::trainerListDocument(*raceDay, load.trainerItems, measure)
            : print::raceCardDocument(*raceDay, static_cast<int>(load.raceItems.size()),
                                      ctx.args.has("--group") ? print::RunnerOrder::group : print::RunnerOrder::number,
                                      measure, marks ? &*marks : nullptr);

    if (const auto error = print::writePdf(doc, *pdf, doc.caption)) {
        std::cerr << *error << '\n';
        return 1;
    }
    std::cout << *pdf << '\n';
    if (const auto png = ctx.args.value("--png")) {
        // The folder itself is made when missing, but not the folders above it.
        std::error_code ec;
        std::filesystem::create_directory(*png, ec);
        const print::PngPages pages = print::writePngs(doc, *png, *dpi);
        for (const auto& file : pages.files) std::cout << file.string() << '\n';
        if (pages.error) {
            std::cerr << *pages.error << '\n';
            return 1;
        }
    }
    return 0;
}

}  // namespace vantor::cli
