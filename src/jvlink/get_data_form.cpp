#include "jvlink/get_data_form.h"

namespace vantor {

void runAcquisitionDialog(QWidget* parent, JVLink& link, const std::filesystem::path& appDir) {
    (void)link;
    (void)appDir;
    QDialog dialog(parent);
    dialog.exec();
}

}  // namespace vantor
