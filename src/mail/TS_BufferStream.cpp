#include "TS_BufferStream.h"

#include "core/Error.h"

#include <QCoreApplication>
#include <cstring>

namespace corvella::mail {

TS_BufferStream::TS_BufferStream(QIODevice* stream, QObject* parent)
    : QIODevice(parent)
    , m_stream(stream)
    , m_buffer(new char[BufferSize])
{
    QIODevice::open(QIODevice::ReadWrite | QIODevice::Unbuffered);
    QIODevice::seek(m_stream->pos());
}

TS_BufferStream::~TS_BufferStream()
{
    Flush();
    delete[] m_buffer;
}

qint64 TS_BufferStream::BufferOffset() const
{
    switch (m_state) {
    case State::Reading:
        return m_current - m_end;
    case State::Writing:
        return m_current;
    case State::Idle:
        break;
    }
    return 0;
}

qint64 TS_BufferStream::Position() const
{
    return m_stream->pos() + BufferOffset();
}

bool TS_BufferStream::Flush()
{
    if (m_state != State::Writing)
        return true;
    const qint64 waiting = m_current;
    const qint64 written = waiting > 0 ? m_stream->write(m_buffer, waiting) : 0;
    m_current = 0;
    m_end = 0;
    m_state = State::Idle;
    return written == waiting;
}

qint64 TS_BufferStream::Refill()
{
    const qint64 count = m_stream->read(m_buffer, BufferSize);
    m_current = 0;
    m_end = std::max<qint64>(count, 0);
    m_state = m_end > 0 ? State::Reading : State::Idle;
    return m_end;
}

qint64 TS_BufferStream::writeData(const char* data, qint64 maxSize)
{
    if (m_state == State::Reading) {
        // The wrapped stream has read ahead: put it back where the caller is before writing there.
        const qint64 position = Position();
        m_stream->seek(position);
        m_current = -1;
        m_state = State::Idle;
    }
    if (m_current < 0 || m_state == State::Idle)
        m_current = 0;
    qint64 taken = 0;
    while (taken < maxSize) {
        if (m_current == 0 && maxSize - taken >= BufferSize) {
            // Nothing waits and the rest fills the buffer at least once: copying it there first would only cost
            // time, the wrapped stream takes it as it is.
            const qint64 written = m_stream->write(data + taken, maxSize - taken);
            return written > 0 ? taken + written : taken;
        }
        const qint64 room = BufferSize - m_current;
        const qint64 count = std::min(room, maxSize - taken);
        std::memcpy(m_buffer + m_current, data + taken, size_t(count));
        m_current += count;
        taken += count;
        m_state = State::Writing;
        if (m_current == BufferSize && !Flush())
            break;
    }
    return taken;
}

qint64 TS_BufferStream::readData(char* data, qint64 maxSize)
{
    if (m_state == State::Writing)
        Flush();
    qint64 delivered = 0;
    while (delivered < maxSize) {
        if (m_state != State::Reading || m_current >= m_end) {
            const qint64 wanted = maxSize - delivered;
            if (wanted >= BufferSize) {
                // As for writing: a read that would empty a full buffer at once goes straight to the caller.
                m_current = -1;
                m_end = 0;
                m_state = State::Idle;
                const qint64 count = m_stream->read(data + delivered, wanted);
                if (count <= 0)
                    break;
                delivered += count;
                continue;
            }
            if (Refill() == 0)
                break;
        }
        const qint64 count = std::min(m_end - m_current, maxSize - delivered);
        std::memcpy(data + delivered, m_buffer + m_current, size_t(count));
        m_current += count;
        delivered += count;
    }
    return delivered;
}

qint64 TS_BufferStream::size() const
{
    // Bytes still waiting in the buffer belong to the stream as well.
    const qint64 wrapped = m_stream->size();
    return m_state == State::Writing ? std::max(wrapped, Position()) : wrapped;
}

qint64 TS_BufferStream::Seek(qint64 offset, int origin)
{
    qint64 target = 0;
    switch (origin) {
    case 0:
        target = offset;
        break;
    case 1:
        target = Position() + offset;
        break;
    case 2:
        target = size() - offset;
        break;
    default:
        throw Error(QCoreApplication::translate("mail", "Invalid seek origin = %1").arg(origin));
    }
    if (target == Position())
        return target;
    if (m_state == State::Writing && !Flush())
        throw Error(QCoreApplication::translate("mail", "Seek error"));
    if (!m_stream->seek(target))
        throw Error(QCoreApplication::translate("mail", "Seek error"));
    m_current = -1;
    m_end = 0;
    m_state = State::Idle;
    QIODevice::seek(target);
    return target;
}

bool TS_BufferStream::seek(qint64 pos)
{
    Seek(pos, 0);
    return QIODevice::seek(pos);
}

} // namespace corvella::mail
