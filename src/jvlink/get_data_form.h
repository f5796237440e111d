#pragma once
// The acquisition dialog: downloads and reads "RACEDIFN" through JV-Link
// and files every record into the store.

#include <QDialog>
#include <filesystem>

namespace vantor {

class JVLink;

// Shows the dialog modally; returns when the user closes it. The caller
// rebuilds its day list afterwards.
void runAcquisitionDialog(QWidget* parent, JVLink& link, const std::filesystem::path& appDir);

}  // namespace vantor
