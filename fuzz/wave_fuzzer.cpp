// A wave file opened, read, positioned, recorded over and saved, as the
// player and the workshop use one.

#include "fuzzsupport.h"
#include "platform/media/mediaplayer.h"
#include "platform/media/virtualaudio.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString path = fuzzsupport::inputFile(data, size, ".wav");
    platform::VirtualAudioDevice audio;
    audio.setInputSignal([](int channel, double seconds) { return float(channel) * 0.1f + float(seconds); });
    platform::MediaPlayer player;
    player.setFileName(path);
    fuzzsupport::tolerateErrors([&] {
        player.open();
        const int length = player.length();
        for (const int at : {length / 2, 0, length, length + 1000}) {
            player.setPosition(at);
            player.play();
            audio.advance(120);
        }
        player.setPosition(length / 3);
        player.startRecording();
        audio.advance(150);
        player.stop();
        player.setFileName(fuzzsupport::outputFile("-saved.wav"));
        player.save();
    });
    return 0;
}
