#pragma once

#include <QObject>

#include <functional>

class QIODevice;

namespace corvella::mail {

enum class UUMethods { uuMime = 0, uuCode = 1 };

/// Turns a stream into lines of base64 (RFC 2045) or uuencode text, 45 input bytes a line, each line ending in
/// CR LF. The streams are not owned.
class TNMUUProcessor : public QObject {
    Q_OBJECT
public:
    using EncodeEvent = std::function<void(TNMUUProcessor& sender)>;
    static constexpr int BytesPerLine = 45;

    explicit TNMUUProcessor(QObject* parent = nullptr);

    UUMethods Method() const { return m_method; }
    void SetMethod(UUMethods method) { m_method = method; }
    QIODevice* InputStream() const { return m_input; }
    void SetInputStream(QIODevice* stream) { m_input = stream; }
    QIODevice* OutputStream() const { return m_output; }
    void SetOutputStream(QIODevice* stream) { m_output = stream; }

    EncodeEvent OnBeginEncode;
    EncodeEvent OnEndEncode;

    /// Encodes the whole input from its start, then moves the output to its start (also after an error).
    void Encode();

    /// The 64 characters of a method's alphabet, value 0 first.
    static const char* Alphabet(UUMethods method);
    /// Length of the text that `size` input bytes encode to, for sizing the output beforehand.
    static qint64 EncodedSize(qint64 size, UUMethods method);
    /// Whether full lines are encoded with the processor's vector unit (AVX2), which it is whenever present;
    /// switching it off gives the plain table path, the same text, for tests and comparisons.
    static bool VectorEncoding();
    static void SetVectorEncoding(bool enabled);

private:
    void EncodeLines();
    void Finish();

    UUMethods m_method = UUMethods::uuMime;
    QIODevice* m_input = nullptr;
    QIODevice* m_output = nullptr;
};

} // namespace corvella::mail
