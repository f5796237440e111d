// The main window typing user marks, for the test that kills it: offscreen,
// on the program folder given, it loads the first race day and, on the
// first race's card, types a mark on every row in every set, each through
// the card grid's keys. After each key has been handled it writes
// "set row mark" on a line of its own; when all are typed it waits to be
// ended.

#include <QApplication>
#include <QComboBox>
#include <QTableView>
#include <QTest>
#include <cstdio>

#include "components/string_grid.h"
#include "settings/app_dir.h"
#include "shell/main_form.h"
#include "store/program_folder.h"
#include "support/fake_jvlink.h"

int main(int argc, char** argv) {
    using namespace vantor;
    if (argc != 2) return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (enterProgramFolder(argv[1])) return 1;
    setAppDir(argv[1]);

    TMainForm form(std::make_unique<test::FakeJVLink>());
    form.DateCombo->setCurrentIndex(0);
    form.DateComboChange();
    const int rows = form.StringGrid4->rowCount() - 1;
    for (int set = 1; set <= kUserMarkSets; ++set) {
        form.SirusiCombo->setCurrentIndex(set - 1);
        emit form.SirusiCombo->activated(set - 1);
        for (int row = 1; row <= rows; ++row) {
            const int mark = (set + row) % kUserMarkKinds + 1;
            form.StringGrid4->setCurrentRow(row);
            QTest::keyClick(&form.StringGrid4->view(), static_cast<Qt::Key>(Qt::Key_0 + mark));
            std::printf("%d %d %d\n", set, row, mark);
            std::fflush(stdout);
        }
    }
    return app.exec();
}
