// The print commands of TMainForm: the newspaper-style race cards in either
// order and the trainer list, each shown in the print preview window.

#include <QComboBox>
#include <QListWidget>
#include <QPageLayout>
#include <QPrinter>
#include <QPrinterInfo>

#include "components/message_box.h"
#include "painting/text_measure.h"
#include "print/print_document.h"
#include "print/printed_marks.h"
#include "print_ui/all_print_form.h"
#include "shell/main_form.h"
#include "shell/sjis_items.h"

namespace vantor {

QPrinter& TMainForm::printer() {
    if (printer_) return *printer_;
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // Without a system printer a PDF printer stands in: the preview works and
    // the print buttons write PDF files.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    }
    return *printer_;
}

void TMainForm::printRaceCards(print::RunnerOrder order) {
    if (DateCombo->currentText().trimmed().isEmpty()) {
        ui::showInfo(this, QStringLiteral("分析用ﾃﾞｰﾀを選択してください。"));
        return;
    }
    const draw::PrinterMeasure measure(printer().resolution());
    ui::TAllPrintForm form(*Day, printer(), this);
    form.recordDocument(print::raceCardDocument(*Day, DatList->count(), order, measure));
    form.showRacePages();
    if (UserMarks) {
        QStringList names;
        for (int n = 0; n < SirusiCombo->count(); ++n) names.append(SirusiCombo->itemText(n));
        form.showUserMarkSets(names, [this, order, &measure](std::optional<int> set) {
            const int races = DatList->count();
            if (!set) return print::raceCardDocument(*Day, races, order, measure);
            const print::PrintedMarks marks = print::printedMarks(*Day, races, *UserMarks, *set);
            return print::raceCardDocument(*Day, races, order, measure, &marks);
        });
    }
    form.exec();
}

void TMainForm::FilePrintItemClick() { printRaceCards(print::RunnerOrder::number); }

void TMainForm::P1Click() { printRaceCards(print::RunnerOrder::group); }

void TMainForm::SpeedButton18Click() {
    if (ChokBox->currentText().trimmed().isEmpty()) return;
    const std::vector<SjisString> trainers = allSjis(*ChokBox);
    const draw::PrinterMeasure measure(printer().resolution());
    ui::TAllPrintForm form(*Day, printer(), this);
    form.recordDocument(print::trainerListDocument(*Day, trainers, measure));
    form.showTrainerPages(trainers);
    form.exec();
}

}  // namespace vantor
