#pragma once

#include <QIODevice>

namespace corvella::mail {

/// A 32 KiB buffer in front of another stream (not owned), turning many small writes into few large ones; a piece
/// of at least the buffer's size, written or read while the buffer is empty, passes straight through.
/// Seek origins: 0 from the start, 1 from the current position, 2 back from the end.
class TS_BufferStream : public QIODevice {
    Q_OBJECT
public:
    static constexpr qint64 BufferSize = 32768;

    explicit TS_BufferStream(QIODevice* stream, QObject* parent = nullptr);
    ~TS_BufferStream() override;

    QIODevice* stream() const { return m_stream; }
    /// Moves to the target and returns it; a seek to the current position keeps the buffer as it is.
    qint64 Seek(qint64 offset, int origin);
    /// Writes waiting bytes to the wrapped stream; false when it took fewer.
    bool Flush();
    qint64 Position() const;

    bool isSequential() const override { return false; }
    qint64 size() const override;
    bool seek(qint64 pos) override;

protected:
    qint64 readData(char* data, qint64 maxSize) override;
    qint64 writeData(const char* data, qint64 maxSize) override;

private:
    enum class State { Idle, Reading, Writing };

    qint64 BufferOffset() const;
    qint64 Refill();

    QIODevice* m_stream;
    char* m_buffer;
    qint64 m_current = -1; // -1: no position in the buffer yet
    qint64 m_end = 0;
    State m_state = State::Idle;
};

} // namespace corvella::mail
