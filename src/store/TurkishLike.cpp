#include "TurkishLike.h"

#include "Utf8.h"

#include <QChar>

#include <sqlite3.h>

#include <array>
#include <memory>
#include <string_view>
#include <vector>

namespace corvella::store {

namespace {

constexpr char32_t AnyRun = 0xFFFFFFFF; // '%' in a compiled pattern
constexpr char32_t AnyOne = 0xFFFFFFFE; // '_'
constexpr char32_t FoldTableSize = 0x250;

char32_t foldSlow(char32_t c)
{
    if (c == U'I')
        return U'ı';
    if (c == U'İ')
        return U'i';
    if (c > 0xFFFF)
        return c;
    return QChar(char16_t(c)).toLower().unicode();
}

const std::array<char32_t, FoldTableSize>& foldTable()
{
    static const auto table = [] {
        std::array<char32_t, FoldTableSize> t{};
        for (char32_t c = 0; c < FoldTableSize; ++c)
            t[c] = foldSlow(c);
        return t;
    }();
    return table;
}

inline char32_t fold(char32_t c)
{
    return c < FoldTableSize ? foldTable()[c] : foldSlow(c);
}

/// Decodes UTF-8 and folds each character; a malformed byte stands for itself, as the collation treats it.
void foldUtf8(std::string_view s, std::u32string& out)
{
    out.clear();
    const auto& table = foldTable();
    for (size_t i = 0; i < s.size();) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        if (b0 < 0x80) {
            out.push_back(table[b0]);
            ++i;
        } else {
            out.push_back(fold(utf8::decode(s, i)));
        }
    }
}

std::u32string compile(const std::u32string& folded, char32_t escape)
{
    std::u32string compiled;
    compiled.reserve(folded.size());
    for (size_t i = 0; i < folded.size(); ++i) {
        const char32_t c = folded[i];
        if (escape && c == escape && i + 1 < folded.size())
            compiled.push_back(folded[++i]);
        else if (c == U'%')
            compiled.push_back(AnyRun);
        else if (c == U'_')
            compiled.push_back(AnyOne);
        else
            compiled.push_back(c);
    }
    return compiled;
}

/// Greedy matching with one point of return: the last '%' met is the only one worth trying again.
bool matches(std::u32string_view text, std::u32string_view pattern)
{
    size_t t = 0, p = 0;
    size_t runAt = std::u32string_view::npos, resumeAt = 0;
    while (t < text.size()) {
        if (p < pattern.size() && pattern[p] == AnyRun) {
            runAt = ++p;
            resumeAt = t;
        } else if (p < pattern.size() && (pattern[p] == AnyOne || pattern[p] == text[t])) {
            ++p;
            ++t;
        } else if (runAt != std::u32string_view::npos) {
            p = runAt;
            t = ++resumeAt;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == AnyRun)
        ++p;
    return p == pattern.size();
}

std::u32string foldQString(const QString& text)
{
    std::u32string out;
    const QByteArray utf8 = text.toUtf8();
    foldUtf8(std::string_view(utf8.constData(), size_t(utf8.size())), out);
    return out;
}

std::string_view textOf(sqlite3_value* value)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
    return text ? std::string_view(text, size_t(sqlite3_value_bytes(value))) : std::string_view();
}

/// like(pattern, text[, escape]), as the engine calls it for "text LIKE pattern [ESCAPE escape]".
void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL) {
            sqlite3_result_null(context);
            return;
        }
    }
    char32_t escape = 0;
    if (argc == 3) {
        std::u32string e;
        foldUtf8(textOf(argv[2]), e);
        if (e.size() != 1) {
            sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
            return;
        }
        escape = e.front();
    }
    // The pattern is usually the same for every row: compiled once and kept with the statement.
    auto* compiled = static_cast<std::u32string*>(sqlite3_get_auxdata(context, 0));
    if (!compiled) {
        std::u32string folded;
        foldUtf8(textOf(argv[0]), folded);
        compiled = new std::u32string(compile(folded, escape));
        sqlite3_set_auxdata(context, 0, compiled, [](void* p) { delete static_cast<std::u32string*>(p); });
        compiled = static_cast<std::u32string*>(sqlite3_get_auxdata(context, 0));
        if (!compiled) { // the engine could not keep it and has freed it
            std::u32string local = compile(folded, escape);
            thread_local std::u32string text;
            foldUtf8(textOf(argv[1]), text);
            sqlite3_result_int(context, matches(text, local));
            return;
        }
    }
    thread_local std::u32string text;
    foldUtf8(textOf(argv[1]), text);
    sqlite3_result_int(context, matches(text, *compiled));
}

} // namespace

std::string foldedTurkish(std::string_view utf8)
{
    std::u32string folded;
    foldUtf8(utf8, folded);
    std::string out;
    out.reserve(utf8.size());
    for (char32_t c : folded) {
        if (c >= 0xD800 && c < 0xE000)
            c = 0xFFFD;
        if (c < 0x80) {
            out += char(c);
        } else if (c < 0x800) {
            out += char(0xC0 | c >> 6);
            out += char(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += char(0xE0 | c >> 12);
            out += char(0x80 | (c >> 6 & 0x3F));
            out += char(0x80 | (c & 0x3F));
        } else {
            out += char(0xF0 | c >> 18);
            out += char(0x80 | (c >> 12 & 0x3F));
            out += char(0x80 | (c >> 6 & 0x3F));
            out += char(0x80 | (c & 0x3F));
        }
    }
    return out;
}

bool likeTurkish(const QString& text, const QString& pattern, QChar escape)
{
    const char32_t e = escape.isNull() ? 0 : fold(escape.unicode());
    return matches(foldQString(text), compile(foldQString(pattern), e));
}

void registerTurkishLike(sqlite3* handle)
{
    for (const int arguments : {2, 3})
        sqlite3_create_function_v2(handle, "like", arguments, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, likeFunction,
                                   nullptr, nullptr, nullptr);
}

} // namespace corvella::store
