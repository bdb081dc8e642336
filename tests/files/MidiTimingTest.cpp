// When the events of a level's MIDI music fall: what the music device needs to know where a pass
// of a repeating piece ends.

#include "files/MidiTiming.h"
#include "tests/support/FileTestSupport.h"

#include <gtest/gtest.h>

namespace {

// A chunk: its four-letter kind, its length and its bytes. A RIFF chunk's length is little-endian,
// and an odd length is padded to an even one.
QByteArray chunk(const char* kind, const QByteArray& data, bool riff = false)
{
    QByteArray length(4, '\0');
    for (int i = 0; i < 4; ++i)
        length[i] = char(data.size() >> (riff ? 8 * i : 24 - 8 * i));
    return kind + length + data + (riff && data.size() % 2 ? QByteArray(1, '\0') : QByteArray());
}

QByteArray chunk(const char* kind, const char* hex) { return chunk(kind, QByteArray::fromHex(hex)); }

// A file with the header's format and division, and its tracks' events in hex.
QByteArray midi(const char* formatTracksDivision, std::initializer_list<const char*> tracks)
{
    QByteArray file = chunk("MThd", formatTracksDivision);
    for (const char* track : tracks)
        file += chunk("MTrk", track);
    return file;
}

// "division: tempos of each track | ...; end tick", or "nothing".
std::string timingText(const QByteArray& bytes)
{
    const std::optional<MidiTiming> timing = readMidiTiming(bytes);
    if (!timing)
        return "nothing";
    std::string text = std::to_string(timing->division) + ":";
    for (std::size_t track = 0; track < timing->tempos.size(); ++track) {
        text += track ? " |" : "";
        for (const TempoChange& change : timing->tempos[track])
            text += " " + std::to_string(change.tick) + "@" + std::to_string(change.microsecondsPerQuarter);
    }
    return text + "; end " + std::to_string(timing->endTick);
}

const char* const Tempo120 = "00ff510307a120";  // at once, a quarter of 500000 microseconds
const char* const End = "00ff2f00";

}  // namespace

TEST(MidiTiming, TempoChangesOfEveryTrackAndTheTickWhereTheLongestTrackEnds)
{
    const QByteArray format1 = midi(
        "000100020180", {"00ff510307a120 8768ff51030a2c2b 00ff2f00", "0099404c 8b5cff5103061a80 8b5c894000 00ff2f00"});
    const QByteArray runningStatus =
        midi("000000010060", {"00c005 0006"      // a program change, another under its running status
                              "00903c40 603c00"  // a note, released at 96 under the running status
                              "00f0037e7ff7 00f70100 00ff0103616263"  // system exclusive, an escape and a text
                              "20903c40 00ff2f00"});                  // the last note at 128
    const QByteArray rmid = "RIFF" + QByteArray(4, '\0') + "RMID" + chunk("LIST", "INFO" + QByteArray(301, 'x'), true) +
                            chunk("data", midi("000000010060", {"8100ff2f00"}), true);
    const std::pair<QByteArray, std::string> cases[] = {
        {midi("000000010180", {Tempo120, End}), "384: 0@500000; end 0"},
        {format1, "384: 0@500000 1000@666667 | 1500@400000; end 3000"},
        {runningStatus, "96:; end 128"},
        {midi("000000010060", {"8100903c40"}), "96:; end 128"},  // a track without its end ends at its last event
        {midi("0000000200600000", {"8100ff2f00", "8200ff2f00"}), "96: |; end 256"},  // a longer header
        {rmid, "96:; end 128"},
        {chunk("MThd", "000100020060") + chunk("XFIH", "00") + chunk("MTrk", "8300ff2f00") + chunk("MTrk", End),
         "96: |; end 384"},                                              // a chunk of another kind between the tracks
        {midi("000100010060", {End, "8300ff2f00"}), "96:; end 0"},       // beyond the tracks the header counts
        {midi("000000010001", {"81808000 ff2f00"}), "1:; end 2097152"},  // a delta of four bytes
        {midi("000000010060", {(QByteArray("ffffff7f903c40").repeated(8) + "07903c40").constData()}),
         "96:; end 2147483647"},  // the most ticks an int counts
    };
    for (const auto& [bytes, timing] : cases)
        EXPECT_EQ(timingText(bytes), timing) << bytes.toHex().constData();

    EXPECT_EQ(timingText(readFile(PONDRAKE_DATA_DIR "/audio/pond3.mid")),  // 3/4 at 138 beats a minute
              "480: 0@434783 | | | | | |; end 46080");
}

TEST(MidiTiming, BytesThatTheSynthesiserCouldNotPlayThroughGiveNothing)
{
    const QByteArray tracks[] = {
        "00",                                      // cut in the event after its delta
        "0090 3c",                                 // cut inside a note
        "3c40",                                    // data without a status
        "00ff5102 07a1",                           // a tempo of two bytes
        "00ff5103 000000",                         // a tempo of 0
        "00ff01 05 6162",                          // a text longer than the track
        "8080808000 ff2f00",                       // a delta of five bytes
        QByteArray("ffffff7f903c40").repeated(9),  // ticks beyond what an int counts
    };
    for (const QByteArray& track : tracks)
        EXPECT_EQ(timingText(midi("000000010060", {track.constData()})), "nothing") << track.constData();

    const QByteArray headers[] = {
        chunk("MThd", "00000001e778") + chunk("MTrk", End),  // time in SMPTE frames (25 a second, 120 a frame)
        chunk("MThd", "000000010000") + chunk("MTrk", End),  // no ticks in a quarter
        chunk("MThd", "0000000160") + chunk("MTrk", End),    // a header too short for its division
        chunk("MThd", "000000010060"),                       // no track at all
        chunk("MThd", "000000010060") + "MTrk" + QByteArray::fromHex("00000010") + "00ff2f",  // a track cut short
        QByteArray("RIFF\4\0\0\0RMID"),                                                       // no data chunk
        QByteArray("GIF89a"),
        QByteArray(),
    };
    for (const QByteArray& bytes : headers)
        EXPECT_EQ(timingText(bytes), "nothing") << bytes.toHex().constData();
}
