#include "files/MidiTiming.h"

#include <algorithm>
#include <limits>

namespace {

// Reads forward through bytes; every read past the end fails and leaves the reader failed.
class Reader {
public:
    explicit Reader(QByteArrayView bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_pos >= m_bytes.size(); }
    bool failed() const { return m_failed; }
    QByteArrayView take(qsizetype count)
    {
        if (m_failed || count < 0 || count > m_bytes.size() - m_pos) {
            m_failed = true;
            return {};
        }
        const QByteArrayView part = m_bytes.sliced(m_pos, count);
        m_pos += count;
        return part;
    }
    std::uint8_t byte()
    {
        const QByteArrayView b = take(1);
        return b.isEmpty() ? 0 : std::uint8_t(b[0]);
    }
    std::uint32_t bigEndian(int count)
    {
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i)
            value = value << 8 | byte();
        return value;
    }
    std::uint32_t littleEndian32()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i)
            value |= std::uint32_t(byte()) << 8 * i;
        return value;
    }
    // A variable-length quantity: seven bits a byte, at most four bytes.
    std::uint32_t quantity()
    {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const std::uint8_t b = byte();
            value = value << 7 | (b & 0x7f);
            if (!(b & 0x80))
                return value;
        }
        m_failed = true;
        return 0;
    }

private:
    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
    bool m_failed = false;
};

// The data bytes that follow a channel message's status byte.
int dataBytes(std::uint8_t status) { return (status & 0xf0) == 0xc0 || (status & 0xf0) == 0xd0 ? 1 : 2; }

// One MTrk chunk's events: its tempo changes, and the tick of its last event (end of track, or
// the last event before the chunk ends). False when an event is cut short or has no status.
bool readTrack(QByteArrayView chunk, std::vector<TempoChange>& tempos, std::uint32_t& end)
{
    Reader track(chunk);
    std::uint64_t tick = 0;
    std::uint8_t running = 0;
    while (!track.atEnd()) {
        tick += track.quantity();
        if (tick > std::uint64_t(std::numeric_limits<std::int32_t>::max()))
            return false;  // the synthesiser counts ticks in an int
        std::uint8_t status = track.byte();
        if (status == 0xff) {
            const std::uint8_t kind = track.byte();
            const QByteArrayView data = track.take(track.quantity());
            if (kind == 0x51) {
                // Three bytes, and never 0: the synthesiser refuses the file otherwise.
                const std::uint32_t tempo = Reader(data).bigEndian(3);
                if (data.size() != 3 || tempo == 0)
                    return false;
                tempos.push_back({std::uint32_t(tick), tempo});
            }
            if (kind == 0x2f)
                break;
        } else if (status == 0xf0 || status == 0xf7) {
            track.take(track.quantity());
        } else {
            if (status < 0x80) {
                if (!running)
                    return false;
                status = running;
                track.take(dataBytes(status) - 1);  // the byte read was the first data byte
            } else {
                track.take(dataBytes(status));
            }
            running = status;
        }
        if (track.failed())
            return false;
    }
    end = std::uint32_t(tick);
    return true;
}

// The MIDI file inside a RIFF RMID wrapper: its "data" chunk.
QByteArrayView unwrapped(QByteArrayView bytes)
{
    if (!bytes.startsWith("RIFF") || bytes.size() < 12 || bytes.sliced(8, 4) != "RMID")
        return bytes;
    Reader riff(bytes.sliced(12));
    while (!riff.atEnd() && !riff.failed()) {
        const QByteArrayView id = riff.take(4);
        const std::uint32_t size = riff.littleEndian32();
        if (riff.failed())
            break;
        const QByteArrayView data = riff.take(qsizetype(size));
        if (id == "data")
            return data;
        riff.take(size & 1);  // chunks are padded to an even length
    }
    return {};
}

}  // namespace

std::optional<MidiTiming> readMidiTiming(const QByteArray& bytes)
{
    Reader file(unwrapped(bytes));
    if (file.take(4) != "MThd")
        return std::nullopt;
    const std::uint32_t headerLength = file.bigEndian(4);
    const QByteArrayView header = file.take(qsizetype(headerLength));
    if (file.failed() || headerLength < 6)
        return std::nullopt;
    Reader fields(header);
    fields.bigEndian(2);  // the format: every one is played track by track alike
    const std::uint32_t trackCount = fields.bigEndian(2);
    const std::uint32_t division = fields.bigEndian(2);
    if (division == 0 || (division & 0x8000))
        return std::nullopt;

    MidiTiming timing;
    timing.division = int(division);
    while (timing.tempos.size() < trackCount && !file.atEnd()) {
        const QByteArrayView id = file.take(4);
        const QByteArrayView chunk = file.take(qsizetype(file.bigEndian(4)));
        if (file.failed())
            return std::nullopt;
        if (id != "MTrk")
            continue;  // chunks of other kinds are skipped
        std::uint32_t end = 0;
        timing.tempos.emplace_back();
        if (!readTrack(chunk, timing.tempos.back(), end))
            return std::nullopt;
        timing.endTick = std::max(timing.endTick, end);
    }
    if (timing.tempos.empty())
        return std::nullopt;
    return timing;
}
