#include <memory>

#include "gui/options/file_selection_dialog.h"
#include "gui_test_support.h"

using qv::gui::ApplicationState;
using qv::gui::FileSelection;
using qv::test::control;
using qv::test::environmentIn;
using qv::test::writeFile;

namespace {

// A text field padded with NULs, then little-endian 16-bit numbers: the layout of both a
// database header (35 + 3 numbers) and a wheel record (25 + 5 numbers).
QByteArray header(const char* text, int width, std::initializer_list<int> numbers) {
    QByteArray b(text);
    b.resize(width, '\0');
    for (int v : numbers) b.append(char(v & 0xFF)).append(char((v >> 8) & 0xFF));
    return b;
}

QListWidget* fileList(FileSelection& d) {
    return control<QListWidget>(&d, FileSelection::kFileList);
}

QStringList lines(FileSelection& d) {
    QStringList out;
    for (int i = 0; i < fileList(d)->count(); ++i) out << fileList(d)->item(i)->text();
    return out;
}

// The lines before the roots, which depend on the machine.
QStringList localLines(FileSelection& d) {
    QStringList out;
    for (const QString& line : lines(d))
        if (!line.startsWith(QLatin1String("[-"))) out << line;
    return out;
}

void selectLine(FileSelection& d, const QString& text) {
    QVERIFY2(lines(d).contains(text), qPrintable(text));
    fileList(d)->setCurrentRow(lines(d).indexOf(text));
}

// A real double click: press, the double click itself, release.
void doubleClick(FileSelection& d, const QString& text) {
    selectLine(d, text);
    QListWidget* list = fileList(d);
    const QPoint at = list->visualItemRect(list->currentItem()).center();
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, at);
}

struct Databases : FileSelection {
    explicit Databases(ApplicationState& state)
        : FileSelection(state, nullptr, "*.dat", "Quorvantile Database Files *.dat", 0,
                        "Select File") {}
};

}  // namespace

class TestFileSelection : public QObject {
    Q_OBJECT

private slots:
    void init() {
        tempDir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(tempDir_->isValid());
        dir_ = QDir(tempDir_->path());
        writeFile(dir_.filePath("pick6.dat"), header("Pick 6", 35, {49, 6, 312}));
        writeFile(dir_.filePath("tiny.dat"), header("Tiny", 35, {40, 5, 2}));
        writeFile(dir_.filePath("mine.qvt"), "not described here");
        writeFile(dir_.filePath("five.wl5"), header("Five in nine", 25, {9, 12, 3, 5, 4}));
        writeFile(dir_.filePath("four.wl4"), header("Four wheel", 25, {8, 6, 2, 4, 3}));
        QVERIFY(dir_.mkpath("archive/deeper"));
        QVERIFY(dir_.mkpath("empty"));
        QVERIFY(dir_.mkpath(".hidden"));
        writeFile(dir_.filePath("archive/old.dat"), header("Old game", 35, {36, 5, 7}));
        state_ = std::make_unique<ApplicationState>(environmentIn(*tempDir_));
        state_->setFileSelectionDirectory(dir_.path());
    }
    void cleanup() {
        state_.reset();
        tempDir_.reset();
    }

    void listsAndDescribesTheFiles() {
        Databases dialog(*state_);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Select File"));
        QCOMPARE(control<QLabel>(&dialog, FileSelection::kPathLine)->text(),
                 dir_.filePath("*.dat"));
        QCOMPARE(localLines(dialog),
                 (QStringList{"pick6.dat", "tiny.dat", "[..]", "[archive]", "[empty]"}));
        // The roots come last, the top of the tree first.
        QCOMPARE(lines(dialog).value(5), QStringLiteral("[-/-]"));

        // The first line is selected from the start, and described.
        auto* description = control<QLabel>(&dialog, FileSelection::kDescription);
        QCOMPARE(description->text(),
                 QStringLiteral("Pick 6\n312 Entries, 6 Numbers on a Ticket, 49 Numbers in Lotto"));
        QCOMPARE(dialog.path(), dir_.filePath("pick6.dat"));
        selectLine(dialog, "tiny.dat");
        QCOMPARE(dialog.description(),
                 QStringLiteral("Tiny\n2 Entries, 5 Numbers on a Ticket, 40 Numbers in Lotto"));
        // A directory is not a file: no description, nothing chosen.
        selectLine(dialog, "[archive]");
        QCOMPARE(description->text(), QString());
        QCOMPARE(dialog.path(), dir_.filePath("*.dat"));
    }

    void wheelFilterLinesKeepTheDirectory() {
        FileSelection dialog(*state_, nullptr, "*.wl?",
                             "All Wheeling Tables *.wl?|Pick 4 Wheels *.wl4|Pick 5 Wheels "
                             "*.wl5|Pick 6 Wheels *.wl6",
                             0, "Select File");
        QCOMPARE(localLines(dialog),
                 (QStringList{"five.wl5", "four.wl4", "[..]", "[archive]", "[empty]"}));
        QCOMPARE(dialog.description(),
                 QStringLiteral("Five in nine\n9 Numbers, 12 Tickets, Guarantees 3 of 5 if 4"));
        auto* filter = control<QComboBox>(&dialog, FileSelection::kFilterCombo);
        QCOMPARE(filter->count(), 4);
        filter->setCurrentIndex(2);  // "Pick 5 Wheels *.wl5"
        QCOMPARE(localLines(dialog), (QStringList{"five.wl5", "[..]", "[archive]", "[empty]"}));
        QCOMPARE(control<QLabel>(&dialog, FileSelection::kPathLine)->text(),
                 dir_.filePath("*.wl5"));
        filter->setCurrentIndex(3);
        QCOMPARE(localLines(dialog), (QStringList{"[..]", "[archive]", "[empty]"}));
        QCOMPARE(dialog.description(), QString());
    }

    void doubleClickNavigatesAndAcceptsFiles() {
        Databases dialog(*state_);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        doubleClick(dialog, "[archive]");
        QCOMPARE(dialog.directory(), dir_.filePath("archive"));
        QCOMPARE(localLines(dialog), (QStringList{"old.dat", "[..]", "[deeper]"}));
        QCOMPARE(dialog.description(),
                 QStringLiteral("Old game\n7 Entries, 5 Numbers on a Ticket, 36 Numbers in Lotto"));
        doubleClick(dialog, "[..]");
        QCOMPARE(dialog.directory(), dir_.absolutePath());

        // The next dialog opens where this one was left.
        doubleClick(dialog, "[empty]");
        Databases next(*state_);
        QCOMPARE(next.directory(), dir_.filePath("empty"));
        QCOMPARE(localLines(next), QStringList{"[..]"});
        doubleClick(dialog, "[..]");

        QVERIFY(dialog.isVisible());
        doubleClick(dialog, "tiny.dat");
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.path(), dir_.filePath("tiny.dat"));
    }

    void rootsAndKeyboard() {
        Databases dialog(*state_);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QListWidget* list = fileList(dialog);
        QVERIFY(list->hasFocus());
        // Typing jumps by name, brackets or not.
        QTest::keyClicks(list, "ar");
        QCOMPARE(list->currentItem()->text(), QStringLiteral("[archive]"));
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(dialog.directory(), dir_.filePath("archive"));
        QVERIFY(dialog.isVisible());
        QTest::keyClick(list, Qt::Key_Backspace);
        QCOMPARE(dialog.directory(), dir_.absolutePath());

        doubleClick(dialog, "[-/-]");
        QCOMPARE(dialog.directory(), QStringLiteral("/"));
        QVERIFY(!lines(dialog).contains(QStringLiteral("[..]")));
        QCOMPARE(control<QLabel>(&dialog, FileSelection::kPathLine)->text(),
                 QStringLiteral("/*.dat"));
        QTest::keyClick(list, Qt::Key_Backspace);  // nothing above the top
        QCOMPARE(dialog.directory(), QStringLiteral("/"));
    }

    void okAcceptsOnlyAnExistingFile() {
        auto press = [](FileSelection& d, int button) {
            QTest::mouseClick(control<QPushButton>(&d, button), Qt::LeftButton);
            return d.result();
        };
        Databases onDirectory(*state_);
        onDirectory.show();
        selectLine(onDirectory, "[empty]");
        QCOMPARE(press(onDirectory, 1), int(QDialog::Rejected));
        QVERIFY(!onDirectory.isVisible());
        QCOMPARE(onDirectory.directory(), dir_.absolutePath());

        Databases onGoneFile(*state_);  // removed after it was listed
        onGoneFile.show();
        selectLine(onGoneFile, "tiny.dat");
        QVERIFY(QFile::remove(dir_.filePath("tiny.dat")));
        QCOMPARE(press(onGoneFile, 1), int(QDialog::Rejected));

        Databases onFile(*state_);
        onFile.show();
        QTest::keyClick(fileList(onFile), Qt::Key_Return);  // the first line, a file
        QCOMPARE(onFile.result(), int(QDialog::Accepted));
        QCOMPARE(onFile.path(), dir_.filePath("pick6.dat"));

        Databases cancelled(*state_);
        cancelled.show();
        QCOMPARE(press(cancelled, 2), int(QDialog::Rejected));
    }

    void directoryThatCannotBeEnteredLeavesTheDialogWhereItWas() {
        QVERIFY(dir_.mkpath("gone"));
        Databases dialog(*state_);
        const QStringList before = lines(dialog);
        QVERIFY(dir_.rmdir("gone"));
        dialog.activateRow(before.indexOf(QStringLiteral("[gone]")));
        QCOMPARE(dialog.directory(), dir_.absolutePath());
        QCOMPARE(lines(dialog), before);
    }

private:
    std::unique_ptr<QTemporaryDir> tempDir_;
    std::unique_ptr<ApplicationState> state_;
    QDir dir_;
};

QTEST_MAIN(TestFileSelection)
#include "test_file_selection.moc"
