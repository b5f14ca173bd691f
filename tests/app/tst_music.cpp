#include "app/fluidsynthplayer.h"

#include <QTest>

// The start-up piece really sounds when rendered, and a player without a
// file, a SoundFont or an audio device stays silent without failing.
class TestMusic : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void pieceRendersAndIsNotSilent();
    void missingFileLeavesThePlayerSilent();
};

void TestMusic::pieceRendersAndIsNotSilent()
{
    const QString piece = QStringLiteral(QUOTARA_SOURCE_DIR "/src/app/music/Internet.mid");
    const auto rendering = FluidSynthPlayer::renderOffline(piece, 120);
    QVERIFY2(rendering.has_value(),
             "FluidSynth and a General MIDI SoundFont are installed by deps.sh");
    QVERIFY(rendering->peak > 0.05);
    QVERIFY(rendering->seconds > 10);
    QVERIFY(rendering->seconds < 60);
}

void TestMusic::missingFileLeavesThePlayerSilent()
{
    QVERIFY(!FluidSynthPlayer::renderOffline(QStringLiteral("/nonexistent/Internet.mid"), 5));
    FluidSynthPlayer player;
    player.open(QStringLiteral("/nonexistent/Internet.mid"));
    player.play();
    player.pause();
    player.play();
    player.close();
}

QTEST_GUILESS_MAIN(TestMusic)
#include "tst_music.moc"
