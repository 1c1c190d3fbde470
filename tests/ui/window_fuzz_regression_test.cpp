// SPDX-License-Identifier: GPL-3.0-or-later
// The window fuzz target's driver in the ordinary test run: the seed games, and every input
// that once broke the driver (kept in window_fuzz_inputs/, none so far), go through every
// window.
#include "fuzz/seed_games.h"
#include "fuzz/window_driver.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

class WindowFuzzRegressionTest : public QObject {
    Q_OBJECT
    QTemporaryDir files_;

    void Play(const std::vector<std::uint8_t>& file) {
        WindowDriver::Player player(files_.path().toStdString());
        player.Play(file);
    }

private slots:
    void seedGamesPassThroughEveryWindow() {
        for (const auto& [name, game] : SeedGames::All()) {
            qInfo() << name;
            Play(EncodeSavedGame(game));
        }
    }

    void inputsThatOnceFailedPassThroughEveryWindow() {
        const QDir inputs(QStringLiteral(QT_TESTCASE_SOURCEDIR "/ui/window_fuzz_inputs"));
        for (const QFileInfo& input : inputs.entryInfoList(QDir::Files)) {
            qInfo() << input.fileName();
            QFile file(input.filePath());
            QVERIFY(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            Play({bytes.begin(), bytes.end()});
        }
    }
};

QTEST_MAIN(WindowFuzzRegressionTest)
#include "window_fuzz_regression_test.moc"
