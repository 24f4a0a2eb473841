#include <QComboBox>
#include <QRadioButton>

#include "core/database/draw_database.h"
#include "core/statistics/selected_range.h"
#include "gui/database/database_dialog.h"
#include "gui/statistics/statistics_options.h"
#include "gui_test_support.h"

using namespace qv::gui;
using namespace qv::test;

namespace {

const QString kSample = QStringLiteral(QV_BUILD_DATA_DIR "/lotto649.dat");

qv::Date date(int m, int d, int y) {
    return qv::Date{std::int16_t(m), std::int16_t(d), std::int16_t(y)};
}

// Runs command 108 and lets `act` work the dialog.
void runOptions(TMyMDIFrame& frame, std::function<void(StatisticsOptions*)> act) {
    bool seen = false;
    whenModal<StatisticsOptions>([&](StatisticsOptions* d) {
        seen = true;
        act(d);
    });
    frame.runCommand(qv::cmd::kStatisticsOptions);
    QVERIFY(seen);
}

}  // namespace

class TestStatisticsOptions : public QObject {
    Q_OBJECT

private slots:
    // Without a database only the picks and the wallpaper change.
    void withoutDatabase() {
        QTemporaryDir dir;
        FrameFixture f(environmentIn(dir));
        ApplicationState& state = f.state;
        qv::StatisticsSettings preset;
        preset.fromDate = date(3, 3, 1998);
        preset.toDate = date(3, 7, 1998);
        state.setStatisticsSettings(preset);

        runOptions(f.frame, [](StatisticsOptions* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Statistics Options"));
            QCOMPARE(d->fromList()->count(), 1);
            QCOMPARE(d->fromList()->currentText(), QStringLiteral("Oldest"));
            QCOMPARE(d->toList()->currentText(), QStringLiteral("Newest"));
            QVERIFY(control<QRadioButton>(d, 110)->isChecked());
            QVERIFY(control<QRadioButton>(d, 120)->isChecked());
            control<QRadioButton>(d, 111)->click();
            control<QRadioButton>(d, 121)->click();
            d->fadeBox()->setValue(55);
            control<QPushButton>(d, 1)->click();
        });
        QCOMPARE(state.statisticsSettings().hotPickMode, 1);
        QCOMPARE(state.statisticsSettings().coldPickMode, 1);
        QCOMPARE(state.statisticsSettings().fromDate, preset.fromDate);
        QCOMPARE(state.statisticsSettings().toDate, preset.toDate);
        QCOMPARE(state.settings().statisticsWallpaper.fade, 55);

        // Cancel keeps everything.
        runOptions(f.frame, [](StatisticsOptions* d) {
            QVERIFY(control<QRadioButton>(d, 111)->isChecked());
            control<QRadioButton>(d, 110)->click();
            d->fadeBox()->setValue(10);
            control<QPushButton>(d, 2)->click();
        });
        QCOMPARE(state.statisticsSettings().hotPickMode, 1);
        QCOMPARE(state.settings().statisticsWallpaper.fade, 55);

        // Help opens the manual.
        FakeInteraction fake(f.state);
        const QList<QUrl>& opened = fake.urls;
        QDir(dir.path()).mkpath(QStringLiteral("manual"));
        writeFile(dir.filePath(QStringLiteral("manual/index.html")), "<html></html>");
        runOptions(f.frame, [](StatisticsOptions* d) {
            control<QPushButton>(d, StatisticsOptions::kHelp)->click();
            d->reject();
        });
        QCOMPARE(opened.size(), 1);
        QVERIFY(opened[0].toLocalFile().endsWith(QStringLiteral("manual/index.html")));
    }

    // The lists hold every draw's date; OK takes the chosen draws' dates, the later one last.
    void datesFromTheDatabase() {
        QTemporaryDir dir;
        FrameFixture f(environmentIn(dir));
        const QString path = dir.filePath(QStringLiteral("lotto.dat"));
        QVERIFY(QFile::copy(kSample, path));
        QVERIFY(openDatabaseWindow(f.state, &f.frame, path));
        ApplicationState& state = f.state;
        const std::vector<qv::TicketType>& entries = state.database()->entries();
        const int count = int(entries.size());

        // From the oldest draw up to the third newest.
        runOptions(f.frame, [&](StatisticsOptions* d) {
            QComboBox* from = d->fromList();
            QComboBox* to = d->toList();
            QCOMPARE(from->count(), count + 1);
            QCOMPARE(to->count(), count + 1);
            QCOMPARE(from->itemText(1), QStringLiteral("6-12-1982"));
            QCOMPARE(from->itemText(count), QStringLiteral("11-19-2025"));
            QCOMPARE(to->itemText(1), QStringLiteral("11-19-2025"));
            QCOMPARE(to->itemText(count), QStringLiteral("6-12-1982"));
            from->setCurrentIndex(2);
            to->setCurrentIndex(3);
            d->accept();
        });
        QCOMPARE(state.statisticsSettings().fromDate, date(6, 19, 1982));
        QCOMPARE(state.statisticsSettings().toDate, date(11, 12, 2025));
        QCOMPARE(qv::selectedRange(entries, state.statisticsSettings()),
                 (qv::SelectedRange{2, std::size_t(count - 1)}));

        // Shown again as chosen; a "to" earlier than the "from" swaps the two.
        runOptions(f.frame, [&](StatisticsOptions* d) {
            QCOMPARE(d->fromList()->currentText(), QStringLiteral("6-19-1982"));
            QCOMPARE(d->toList()->currentText(), QStringLiteral("11-12-2025"));
            d->fromList()->setCurrentIndex(count);  // the newest draw
            d->toList()->setCurrentIndex(count);    // the oldest draw
            d->accept();
        });
        QCOMPARE(state.statisticsSettings().fromDate, date(6, 12, 1982));
        QCOMPARE(state.statisticsSettings().toDate, date(11, 19, 2025));

        // A "from" date with "Newest" keeps "Newest".
        runOptions(f.frame, [&](StatisticsOptions* d) {
            d->fromList()->setCurrentIndex(count);
            d->toList()->setCurrentIndex(0);
            d->accept();
        });
        QCOMPARE(state.statisticsSettings().fromDate, date(11, 19, 2025));
        QCOMPARE(state.statisticsSettings().toDate, qv::Date{});

        // Dates that are no draw's show the open ends, and OK makes them open.
        qv::StatisticsSettings odd;
        odd.fromDate = date(1, 1, 1900);
        odd.toDate = date(2, 30, 2030);
        state.setStatisticsSettings(odd);
        runOptions(f.frame, [&](StatisticsOptions* d) {
            QCOMPARE(d->fromList()->currentIndex(), 0);
            QCOMPARE(d->toList()->currentIndex(), 0);
            d->accept();
        });
        QCOMPARE(state.statisticsSettings().fromDate, qv::Date{});
        QCOMPARE(state.statisticsSettings().toDate, qv::Date{});
    }
};

QTEST_MAIN(TestStatisticsOptions)
#include "test_statistics_options.moc"
